// The popup menus of the command buttons (menu 204 of the language library).
#pragma once
#include "mainwindow/snippet_table.h"

#include <cstdint>
#include <windows.h>

class MainWindow;

namespace popup_menu {

// Menu 204 loaded from the language library, destroyed with the object.
// Its sub-menus belong to it: use them while it lives.
class LanguageMenu {
public:
    LanguageMenu();
    ~LanguageMenu();
    LanguageMenu(const LanguageMenu&) = delete;
    LanguageMenu& operator=(const LanguageMenu&) = delete;

    bool loaded() const { return menu_ != nullptr; }
    // Sub-menu position of the whole menu, or its own sub-menu inner when
    // inner >= 0; null when there is none.
    HMENU sub(int32_t position, int32_t inner = -1) const;

private:
    HMENU menu_ = nullptr;  // owned
};

// p, moved right (at most 100 pixels) until a window lies under it: a menu
// opened over nothing would not take the mouse.
POINT onAWindow(POINT p);

// Where a menu for command opens: one pixel below the bottom-left corner
// of its button, moved right (at most 100 pixels) until a window lies
// under it; the toolbar's top-left when the button is not on the toolbar;
// the cursor when there is no toolbar.
POINT anchor(HWND toolbar, uint32_t command);

// Shows menu at the anchor of nearCommand's button, with that button
// pressed while it is open, and returns the chosen identifier, 0 for none.
uint32_t show(MainWindow& window, HMENU menu, uint32_t nearCommand);
// Runs a PopupMenu command of the command table: shows its sub-menu of
// menu 204 and dispatches the choice.
void run(MainWindow& window, uint32_t command, const command_table::OtherCommand& what);

} // namespace popup_menu
