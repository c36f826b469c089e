// The input dialog's output: one \input or \include line, and the stored
// form of its one choice.
#pragma once
#include "dialogs/fragment.h"

namespace input_fragment {

// ("Settings", "Input"): 1 means \include, anything else \input.
bool includeFrom(u16view stored);
u16 compose(bool include);

// What goes into the document and how: with a file the whole line goes in
// at the caret, replacing the selection (snippet mode 1); without one the
// caret is left between the braces and a selection ends up inside them
// (mode 0).
struct Insertion {
    Fragment fragment;
    int mode = 0;
};
Insertion build(bool include, u16view file);

} // namespace input_fragment
