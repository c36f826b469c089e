// PLACEHOLDER: replaced by the jump command.
#include "mainwindow/win32/jump_command.h"

namespace jump_command {
void run(MainWindow&, const jump_target::Decision&) {}
} // namespace jump_command
