// Carries out what the jump-to-target command decided: pushes the return
// place, moves the caret or opens the file, pops the place when nothing
// was done.
#pragma once
#include "mainwindow/jump_target.h"

class MainWindow;

namespace jump_command {
void run(MainWindow& window, const jump_target::Decision& decision);
} // namespace jump_command
