// The user's own menu (41414), the user-string pop-up (41054) and the
// insertion of a user string (65000 + i), run for the main window.
#pragma once
#include <cstdint>
#include <windows.h>

class MainWindow;

namespace user_commands {

// A pop-up of the user strings (65000 + i, then "edit" 46002), owned by the
// caller; null after warning the user when the file cannot be read.
HMENU buildUserStringMenu(HWND owner);
// A pop-up built from the user menu definition, owned by the caller.
HMENU buildUserMenu(HWND owner);

// Shows the menu of command under its button and dispatches the choice.
void showUserStringMenu(MainWindow& window, uint32_t command);
void showUserMenu(MainWindow& window, uint32_t command);

// Inserts user string index at the caret; a missing string does nothing.
void insertUserString(MainWindow& window, int32_t index);

} // namespace user_commands
