// PLACEHOLDER: replaced by the popup menus.
#include "mainwindow/win32/popup_menu.h"

namespace popup_menu {
uint32_t show(MainWindow&, HMENU, uint32_t) { return 0; }
void run(MainWindow&, uint32_t, const command_table::OtherCommand&) {}
} // namespace popup_menu
