// PLACEHOLDER: replaced by the paper-size menu.
#include "make/win32/paper_menu.h"

namespace paper_menu {
void show(MainWindow&, const RECT&) {}
} // namespace paper_menu
