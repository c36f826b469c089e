#include "dialogs/win32/dialog_input.h"

#include "base/win32/wide.h"
#include "dialogs/input_fragment.h"
#include "frame/message_ids.h"
#include "frame/win32/language.h"
#include "frame/win32/plugin_app.h"
#include "frame/win32/window_editor.h"
#include "lang/resource_ids.h"
#include "mainwindow/snippet.h"
#include "settings/setting.h"
#include "settings/setting_keys.h"

namespace {

// One more than the figure dialog's boxes: a full path of MAX_PATH and its
// terminating character, as the open-file dialog may give it.
constexpr int FileLimit = 261;

} // namespace

DialogInput::DialogInput(HWND parent, HWND editor) : editor_(editor), file_(VEXA_IDC_INPUT_FILE) {
    create(nullptr, VEXA_LANG_DIALOG_INPUT, parent);
    if (inserted_ && IsWindow(editor_)) SetFocus(editor_);
}

bool DialogInput::include() const { return IsDlgButtonChecked(handle(), VEXA_IDC_INPUT_INCLUDE) == BST_CHECKED; }

INT_PTR DialogInput::onInitDialog() {
    WindowEditor ed(editor_);
    file_.open(handle(), ed.exists() ? ed.GetDocumentPath() : u16(), ini_keys::settings::InputType);
    SendDlgItemMessageW(handle(), VEXA_IDC_INPUT_FILE, EM_LIMITTEXT, FileLimit, 0);
    bool includeCommand = false;
    if (CSetting* s = app::settings()) {
        const char16_t* stored = s->readString(ini_keys::settings::Section, ini_keys::settings::Input, u"0");
        includeCommand = stored && input_fragment::includeFrom(stored);
    }
    CheckDlgButton(handle(), VEXA_IDC_INPUT_INCLUDE, includeCommand ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(handle(), VEXA_IDC_INPUT_INPUT, includeCommand ? BST_UNCHECKED : BST_CHECKED);
    SetFocus(item(VEXA_IDC_INPUT_FILE));
    return FALSE;   // the focus was set here
}

INT_PTR DialogInput::onCommand(WORD id, WORD code, HWND) {
    switch (id) {
    case IDOK: accept(); return 1;
    case IDCANCEL: close(IDCANCEL); return 1;
    case VEXA_IDC_FILE_FULL_PATH:
    case VEXA_IDC_FILE_RELATIVE:
    case VEXA_IDC_FILE_NAME_ONLY:
        if (code == BN_CLICKED) file_.restyle();
        return 1;
    case VEXA_IDC_FILE_BROWSE: file_.browse(msgid::InputBrowseTitle, msgid::FilterTexFiles); return 1;
    case VEXA_IDC_INPUT_FILE:
        if (code != EN_CHANGE) return 0;
        file_.changed();
        return 1;
    case VEXA_IDC_SAVE_DEFAULTS:
        if (lang::ask(handle(), msgid::InputAskSaveDefaults)) {
            if (CSetting* s = app::settings())
                s->writeString(ini_keys::settings::Section, ini_keys::settings::Input,
                               input_fragment::compose(include()).c_str());
        }
        return 1;
    default: return 0;
    }
}

void DialogInput::accept() {
    input_fragment::Insertion i = input_fragment::build(include(), file_.text());
    WindowEditor editor(editor_);
    snippet::Target target{editor, true};
    inserted_ = snippet::insertSnippet(target, i.fragment.before, i.fragment.after, i.mode);
    close(IDOK);
}
