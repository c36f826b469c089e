// The popup menus of the command buttons (menu 204 of the language library).
#pragma once
#include "mainwindow/snippet_table.h"

#include <cstdint>
#include <windows.h>

class MainWindow;

namespace popup_menu {
// Shows menu at the bottom-left of nearCommand's button (or at the cursor)
// and returns the chosen identifier, 0 for none.
uint32_t show(MainWindow& window, HMENU menu, uint32_t nearCommand);
// Runs a PopupMenu command of the command table: shows its sub-menu of
// menu 204 and dispatches the choice.
void run(MainWindow& window, uint32_t command, const command_table::OtherCommand& what);
} // namespace popup_menu
