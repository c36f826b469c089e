// The root-file commands of the toolbar: the root dialog, the lock menu
// and opening the root file in a new host instance.
#pragma once
#include <windows.h>

class MainWindow;

namespace root_commands {
void showRootDialog(MainWindow& window);                         // command 41115
void showLockMenu(MainWindow& window, const RECT& buttonScreen); // drop-down of 41123
void openRootInNewHost(MainWindow& window);                      // right-click on 41115/41123
} // namespace root_commands
