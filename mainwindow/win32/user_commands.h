// The user's own menu (41414), the user-string pop-up (41054) and the
// insertion of a user string (65000 + i), run for the main window.
#pragma once
#include <cstdint>
#include <deque>
#include <string>
#include <windows.h>

class MainWindow;

namespace user_commands {

// A pop-up of the user strings (65000 + i, then "edit" 46002), owned by the
// caller; null after warning the user when the file cannot be read.
HMENU buildUserStringMenu(HWND owner);
// A text of the language library by identifier, except that the user
// menu's own command (41414) is called by its menu's title when the
// definition gives one: what button texts, tool tips and the status line use.
std::u16string text(uint32_t id);
// The stored user menu definition ("Menu", "1"), or the language library's
// default when none is stored.
std::wstring storedDefinition();

// What an owner-drawn item of the user menu shows; its address is the
// item's data. image: index in the language library's image strip.
struct DrawnItem {
    UINT id = 0;
    int image = 0;
    std::wstring text;
};
// The records of one built user menu; a deque so that the addresses the
// items carry stay put while records are added.
using DrawnItems = std::deque<DrawnItem>;

// A pop-up built from the user menu definition, owned by the caller; its
// titles and commands are owner-drawn from records, which must outlive it.
HMENU buildUserMenu(HWND owner, DrawnItems& records);

// WM_MEASUREITEM / WM_DRAWITEM of the window that shows the user menu:
// false when the item is not one of the menu now showing.
bool measureItem(HWND window, MEASUREITEMSTRUCT& item);
bool drawItem(DRAWITEMSTRUCT& item);

// Shows the menu of command under its button and dispatches the choice.
void showUserStringMenu(MainWindow& window, uint32_t command);
void showUserMenu(MainWindow& window, uint32_t command);

// Inserts user string index at the caret; a missing string does nothing.
void insertUserString(MainWindow& window, int32_t index);

} // namespace user_commands
