#include "mainwindow/win32/system_menu.h"

#include "frame/message_ids.h"
#include "frame/win32/language.h"

namespace system_menu {

void edit(HWND window, bool docked) {
    HMENU menu = GetSystemMenu(window, FALSE);
    if (!menu) return;
    DeleteMenu(menu, SC_MAXIMIZE, MF_BYCOMMAND);
    DeleteMenu(menu, SC_MINIMIZE, MF_BYCOMMAND);
    DeleteMenu(menu, SC_RESTORE, MF_BYCOMMAND);
    if (docked) {
        DeleteMenu(menu, SC_SIZE, MF_BYCOMMAND);
        DeleteMenu(menu, SC_MOVE, MF_BYCOMMAND);
        ModifyMenuW(menu, SC_CLOSE, MF_BYCOMMAND | MF_STRING, SC_CLOSE, lang::message(msgid::MenuCloseDocked));
    }
    // Inserted from the bottom of the new block upwards, each at the top.
    auto top = [menu](UINT id, uint32_t text) {
        InsertMenuW(menu, 0, MF_BYPOSITION | MF_STRING, id, lang::message(text));
    };
    auto line = [menu] { InsertMenuW(menu, 0, MF_BYPOSITION | MF_SEPARATOR, 0, nullptr); };
    if (!docked && GetMenuItemCount(menu) > 0) line();
    top(About, msgid::MenuAbout);
    line();
    top(DeleteSettings, msgid::MenuDeleteSettings);
    line();
    top(DictionaryEditor, msgid::MenuDictionaryEditor);
    top(CustomizeToolbar, msgid::MenuCustomizeToolbar);
    top(Settings, msgid::MenuSettings);
    line();
    top(Help, msgid::MenuHelp);
}

UINT track(HWND window, POINT screen) {
    HMENU menu = GetSystemMenu(window, FALSE);
    if (!menu) return 0;
    // The window must be in front for the menu to close on a click outside.
    SetForegroundWindow(window);
    return static_cast<UINT>(TrackPopupMenu(menu, TPM_RETURNCMD | TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON,
                                            screen.x, screen.y, 0, window, nullptr));
}

} // namespace system_menu
