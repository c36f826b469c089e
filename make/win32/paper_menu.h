// The paper-size and previewer menu of the typesetting button 41051.
#pragma once
#include <windows.h>

class MainWindow;

namespace paper_menu {
void show(MainWindow& window, const RECT& buttonScreen);
} // namespace paper_menu
