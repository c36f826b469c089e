#include "mainwindow/win32/dialog_change_key.h"

#include "lang/resource_ids.h"
#include "mainwindow/change_key.h"

namespace {
// The state as of the message being handled, so a click made while Ctrl was
// down counts with Ctrl even if it was let go since.
bool held(int virtualKey) { return (GetKeyState(virtualKey) & 0x8000) != 0; }
} // namespace

DialogChangeKey::DialogChangeKey(HWND parent) {
    create(nullptr, VEXA_LANG_DLG_CHANGE_KEY, parent);
}

INT_PTR DialogChangeKey::onCommand(WORD id, WORD code, HWND) {
    switch (id) {
    case VEXA_IDC_CHANGE_KEY_ENTER:
    case VEXA_IDC_CHANGE_KEY_TAB:
    case VEXA_IDC_CHANGE_KEY_SPACE:
    case VEXA_IDC_CHANGE_KEY_MODIFIERS:
        if (code != BN_CLICKED) return 0;
        key_ = change_key::result(id, held(VK_SHIFT), held(VK_CONTROL), held(VK_MENU));
        close(1);
        return 1;
    case IDCANCEL:
        key_ = 0;
        close(IDCANCEL);
        return 1;
    default:
        // Enter with no default button arrives as IDOK: not a choice.
        return id == IDOK ? 1 : 0;
    }
}
