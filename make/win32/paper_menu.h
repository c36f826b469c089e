// The paper-size and previewer menu of the typesetting button 41051.
#pragma once
#include <windows.h>

class MainWindow;

namespace paper_menu {
// Shows the menu below the button and carries out the choice.
void show(MainWindow& window, const RECT& buttonScreen);
// Carries out one choice of the menu (an item identifier; 0 does nothing).
void run(MainWindow& window, UINT choice);
} // namespace paper_menu
