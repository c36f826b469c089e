#include "mainwindow/win32/popup_menu.h"

#include "frame/win32/language.h"
#include "lang/resource_ids.h"
#include "mainwindow/win32/main_window.h"

#include <commctrl.h>

namespace popup_menu {
namespace {

// A point just below a button may fall in a gap between windows (the
// band's edge, a frame border); a menu placed there would be owned by no
// visible window, so the point walks right a little.
constexpr int MaxShift = 100;

} // namespace

POINT onAWindow(POINT p) {
    for (int i = 0; i < MaxShift && !WindowFromPoint(p); ++i) ++p.x;
    return p;
}

LanguageMenu::LanguageMenu() {
    if (HMODULE library = lang::module()) menu_ = LoadMenuW(library, MAKEINTRESOURCEW(VEXA_LANG_POPUP_MENU));
}

LanguageMenu::~LanguageMenu() {
    if (menu_) DestroyMenu(menu_);
}

HMENU LanguageMenu::sub(int32_t position, int32_t inner) const {
    if (!menu_) return nullptr;
    HMENU m = GetSubMenu(menu_, position);
    if (m && inner >= 0) m = GetSubMenu(m, inner);
    return m;
}

POINT anchor(HWND toolbar, uint32_t command) {
    POINT p{};
    if (!toolbar || !IsWindow(toolbar)) {
        GetCursorPos(&p);
        return p;
    }
    int index = static_cast<int>(SendMessageW(toolbar, TB_COMMANDTOINDEX, command, 0));
    RECT r{};
    if (index >= 0 && SendMessageW(toolbar, TB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&r))) {
        p = POINT{r.left, r.bottom + 1};
        ClientToScreen(toolbar, &p);
        return onAWindow(p);
    }
    GetWindowRect(toolbar, &r);
    return POINT{r.left, r.top};
}

uint32_t show(MainWindow& window, HMENU menu, uint32_t nearCommand) {
    if (!menu || !window.handle()) return 0;
    POINT p = anchor(window.toolbarWindow(), nearCommand);
    bool wasPressed = window.commandPressed(nearCommand);
    window.setCommandPressed(nearCommand, true);
    // The choice comes back as the result instead of a WM_COMMAND, so it
    // runs through the dispatcher like any other command.
    UINT id = static_cast<UINT>(TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_LEFTBUTTON | TPM_RETURNCMD,
                                               p.x, p.y, 0, window.handle(), nullptr));
    // The window may have been closed while the menu was open.
    if (window.handle()) window.setCommandPressed(nearCommand, wasPressed);
    return id;
}

void run(MainWindow& window, uint32_t command, const command_table::OtherCommand& what) {
    LanguageMenu menu;
    HMENU sub = menu.sub(what.argument, what.sub);
    if (!sub) return;
    if (uint32_t chosen = show(window, sub, command)) window.runCommand(chosen);
}

} // namespace popup_menu
