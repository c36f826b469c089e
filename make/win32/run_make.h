// Typesetting from the toolbar: saves the document, resolves the root and
// runs the dispatcher batch file for one command type.
#pragma once

class MainWindow;

namespace run_make {
// Runs typesetting variant 1-9; invertSwap flips the Swap choice (right-click).
void typeset(MainWindow& window, int variant, bool invertSwap);
} // namespace run_make
