// The new-item key: on a line that begins with \item or \bibitem, a line
// break, the line's indentation and the same command, so that a list grows
// without retyping.
#pragma once
#include "mainwindow/snippet.h"

#include <optional>

namespace new_item {

// What goes in for a line, or nothing when the line does not begin (after
// spaces and tabs) with \item or \bibitem.
struct Insertion {
    u16 begin;   // CR LF, indentation, command
    u16 end;     // after the caret: "]" for an optional argument
    friend bool operator==(const Insertion&, const Insertion&) = default;
};
std::optional<Insertion> forLine(u16view line);

// Ends the caret's line and starts the next item. False (the key goes on
// to the editor) when the line is not an item line.
bool run(const snippet::Target& target);

} // namespace new_item
