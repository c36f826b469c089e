// PLACEHOLDER: replaced by the outline window.
#include "outline/win32/outline_commands.h"

namespace outline_commands {
void toggle(MainWindow&) {}
void documentClosed(MainWindow&, int32_t) {}
} // namespace outline_commands
