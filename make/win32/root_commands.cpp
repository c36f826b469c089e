// PLACEHOLDER: replaced by the root dialogs.
#include "make/win32/root_commands.h"

namespace root_commands {
void showRootDialog(MainWindow&) {}
void showLockMenu(MainWindow&, const RECT&) {}
void openRootInNewHost(MainWindow&) {}
} // namespace root_commands
