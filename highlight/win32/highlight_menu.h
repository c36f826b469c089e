// The highlight button's drop-down menu (toolbar button 41124): the
// presets and the user's items to choose the active one from, and the
// commands that create, edit, delete and clear user items. A choice is
// announced through the shared change counter, so every main window of
// every process applies it on its next timer tick.
#pragma once
#include <windows.h>

class MainWindow;

namespace highlight_menu {
// Shows the menu below the button and carries out the choice.
void show(MainWindow& window, const RECT& buttonScreen);
// Carries out one choice of the menu (an item identifier; 0 only brings
// the button in line with the status).
void run(MainWindow& window, UINT choice);
} // namespace highlight_menu
