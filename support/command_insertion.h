// Putting a completed command into the editor. A command text may hold a
// ".." marker: it becomes a line break, and the editor's selection goes in
// at the marker, so that a selection ends up inside an environment or an
// argument; the caret goes where the input box had it.
#pragma once
#include "mainwindow/snippet.h"

#include <cstddef>

namespace command_insertion {

// The text with every ".." turned into CR LF (same length, so positions
// stay), and the marker: just after the pair when there is one pair, at
// the start of the last pair when there are several; npos for none.
struct Marked {
    u16 text;
    size_t marker = u16view::npos;
};
Marked mark(u16view text);

// Inserts text (the input box's text, caret = the end of its selection)
// around the editor's selection. False when nothing could be inserted.
bool insert(const snippet::Target& target, u16view text, size_t caret);

} // namespace command_insertion
