// The root-file commands of the toolbar: the root dialog, the lock menu
// and opening the root file in a new host instance.
#pragma once
#include "make/recent_roots.h"

#include <windows.h>

class MainWindow;

namespace root_commands {
void showRootDialog(MainWindow& window);                         // command 41115
void showLockMenu(MainWindow& window, const RECT& buttonScreen); // drop-down of 41123
void openRootInNewHost(MainWindow& window);                      // right-click on 41115/41123

// Switches the root lock (41123) as asked: on needs an acceptable entry 0
// in the recent roots, else it stays off. Writes ("Root", "Status") and the
// shared flag when the state changes and sets the button; returns the state.
bool setRootLock(root_lock::Mode mode);

// The lock menu's items: recent roots are 1..10 in list order, then these.
enum LockMenuItem : UINT {
    LockFileName = 101,
    LockRelative = 102,
    LockAbsolute = 103,
    ChooseRoot = 104,
    RemoveRoot = 105,
    LockMenuHelp = 106,
    ClearRoots = 107,
};
// The menu for the document in editor; the caller destroys it.
HMENU buildLockMenu(HWND editor);
// Carries out a choice of that menu (0: nothing was chosen).
void runLockChoice(MainWindow& window, UINT item);
} // namespace root_commands
