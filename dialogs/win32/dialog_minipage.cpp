#include "dialogs/win32/dialog_minipage.h"

#include "base/win32/wide.h"
#include "frame/message_ids.h"
#include "frame/win32/language.h"
#include "frame/win32/plugin_app.h"
#include "frame/win32/window_editor.h"
#include "lang/resource_ids.h"
#include "mainwindow/snippet.h"
#include "settings/setting.h"
#include "settings/setting_keys.h"

namespace {

constexpr int TextLimit = 260;
const int AlignRadios[] = {VEXA_IDC_FIGURE_ALIGN_NONE, VEXA_IDC_FIGURE_ALIGN_LEFT, VEXA_IDC_FIGURE_ALIGN_CENTER,
                           VEXA_IDC_FIGURE_ALIGN_RIGHT};

} // namespace

DialogMinipage::DialogMinipage(HWND parent, HWND editor) : editor_(editor) {
    create(nullptr, VEXA_LANG_DLG_MINIPAGE, parent);
    if (inserted_ && IsWindow(editor_)) SetFocus(editor_);
}

INT_PTR DialogMinipage::onInitDialog() {
    SendDlgItemMessageW(handle(), VEXA_IDC_MINIPAGE_WIDTH, EM_LIMITTEXT, TextLimit, 0);
    u16 stored;
    if (CSetting* s = app::settings()) {
        if (const char16_t* text = s->readString(ini_keys::settings::Section, ini_keys::settings::Minipage, u""))
            stored = text;
    }
    minipage::Choices c = minipage::parse(stored);
    setItemText(VEXA_IDC_MINIPAGE_WIDTH, wide::w(c.width));
    for (int i = 0; i < 4; ++i)
        CheckDlgButton(handle(), AlignRadios[i], static_cast<int>(c.align) == i ? BST_CHECKED : BST_UNCHECKED);
    SetFocus(item(VEXA_IDC_MINIPAGE_WIDTH));
    SendDlgItemMessageW(handle(), VEXA_IDC_MINIPAGE_WIDTH, EM_SETSEL, 0, 0);
    return FALSE;   // the focus was set here
}

minipage::Choices DialogMinipage::choices() const {
    minipage::Choices c;
    c.width = wide::u(itemText(VEXA_IDC_MINIPAGE_WIDTH).c_str());
    c.align = minipage::Align::None;
    for (int i = 0; i < 4; ++i)
        if (IsDlgButtonChecked(handle(), AlignRadios[i]) == BST_CHECKED) c.align = static_cast<minipage::Align>(i);
    return c;
}

INT_PTR DialogMinipage::onCommand(WORD id, WORD, HWND) {
    switch (id) {
    case IDOK: accept(); return 1;
    case IDCANCEL: close(IDCANCEL); return 1;
    case VEXA_IDC_MINIPAGE_TEXTWIDTH: setItemText(VEXA_IDC_MINIPAGE_WIDTH, L"\\textwidth"); return 1;
    case VEXA_IDC_SAVE_DEFAULTS:
        if (lang::ask(handle(), msgid::MinipageAskSaveDefaults)) {
            if (CSetting* s = app::settings())
                s->writeString(ini_keys::settings::Section, ini_keys::settings::Minipage,
                               minipage::compose(choices()).c_str());
        }
        return 1;
    default: return 0;
    }
}

void DialogMinipage::accept() {
    Fragment f = minipage::build(choices());
    WindowEditor editor(editor_);
    snippet::Target target{editor, true};
    inserted_ = snippet::insertSnippet(target, f.before, f.after, snippet::Wrap);
    close(IDOK);
}
