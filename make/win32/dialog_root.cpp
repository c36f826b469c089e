#include "make/win32/dialog_root.h"

#include "base/win32/wide.h"
#include "frame/message_ids.h"
#include "frame/win32/help.h"
#include "frame/win32/language.h"
#include "frame/win32/open_file_dialog.h"
#include "frame/win32/plugin_app.h"
#include "frame/win32/shared_toggles.h"
#include "frame/win32/window_editor.h"
#include "lang/resource_ids.h"
#include "make/root_file.h"
#include "make/tex_path.h"
#include "settings/setting_keys.h"

namespace {

constexpr int PathLimit = 261;

int radioOf(root_form::Form form) {
    switch (form) {
    case root_form::Absolute: return VEXA_IDC_ROOT_ABSOLUTE;
    case root_form::Relative: return VEXA_IDC_ROOT_RELATIVE;
    default: return VEXA_IDC_ROOT_NAME_ONLY;
    }
}

int32_t readType() {
    CSetting* s = app::settings();
    return s ? s->readInt(ini_keys::root::Section, ini_keys::root::Type, 0) : 0;
}

} // namespace

DialogRootCommon::DialogRootCommon(HWND editor) : editor_(editor) {}

INT_PTR DialogRootCommon::run(HWND parent) {
    WindowEditor ed(editor_);
    if (!ed.exists()) return -1;
    u16 path = ed.GetDocumentPath();
    current_ = path.size() >= 4 ? path : u16();
    return create(nullptr, VEXA_LANG_DIALOG_ROOT, parent);
}

u16 DialogRootCommon::resolvedRoot() const {
    WindowEditor ed(editor_);
    u16 root;
    root_file::ResolveRoot(ed, root, false, shared_toggles::lockedRoot(app::settings()));
    return root;
}

INT_PTR DialogRootCommon::onInitDialog() {
    SetWindowTextW(handle(), lang::message(titleId()));
    SendDlgItemMessageW(handle(), VEXA_IDC_ROOT_PATH, EM_LIMITTEXT, PathLimit, 0);
    root_form::Form form = initialForm();
    selectForm(form);

    if (automatic()) {
        useFile(false);
        confirm();
        return TRUE;
    }
    u16 root = resolvedRoot();
    if (!root.empty()) {
        filling_ = true;
        setItemText(VEXA_IDC_ROOT_PATH, wide::w(root));
        filling_ = false;
        SendDlgItemMessageW(handle(), VEXA_IDC_ROOT_PATH, EM_SETSEL, 0, -1);
    }
    if (current_.empty()) {
        if (form == root_form::Relative) selectForm(root_form::NameOnly);
        EnableWindow(item(VEXA_IDC_ROOT_RELATIVE), FALSE);
        EnableWindow(item(VEXA_IDC_ROOT_CURRENT), FALSE);
    } else if (root.empty()) {
        useFile(false);
    }
    SetFocus(item(VEXA_IDC_ROOT_PATH));
    return FALSE;   // the focus was set here
}

INT_PTR DialogRootCommon::onCommand(WORD id, WORD code, HWND) {
    switch (id) {
    case IDOK: confirm(); return 1;
    case IDCANCEL: close(IDCANCEL); return 1;
    case VEXA_IDC_ROOT_BROWSE: useFile(true); return 1;
    case VEXA_IDC_ROOT_CURRENT: useFile(false); return 1;
    case VEXA_IDC_ROOT_ABSOLUTE:
    case VEXA_IDC_ROOT_RELATIVE:
    case VEXA_IDC_ROOT_NAME_ONLY:
        if (code == BN_CLICKED) render();
        return 1;
    case VEXA_IDC_ROOT_HELP: showHelpTopic(instance(), cfgid::HelpRootFile); return 1;
    case VEXA_IDC_ROOT_PATH:
        // Typing makes the text the user's own: a radio no longer rewrites it.
        if (code == EN_CHANGE && !filling_ && GetFocus() == item(VEXA_IDC_ROOT_PATH)) remembered_.clear();
        return 0;
    default: return 0;
    }
}

root_form::Form DialogRootCommon::selectedForm() const {
    if (IsDlgButtonChecked(handle(), VEXA_IDC_ROOT_ABSOLUTE) == BST_CHECKED) return root_form::Absolute;
    if (IsDlgButtonChecked(handle(), VEXA_IDC_ROOT_RELATIVE) == BST_CHECKED) return root_form::Relative;
    return root_form::NameOnly;
}

void DialogRootCommon::selectForm(root_form::Form form) {
    // Set one by one: the three identifiers are not a run of numbers.
    for (int id : {VEXA_IDC_ROOT_ABSOLUTE, VEXA_IDC_ROOT_RELATIVE, VEXA_IDC_ROOT_NAME_ONLY})
        CheckDlgButton(handle(), id, id == radioOf(form) ? BST_CHECKED : BST_UNCHECKED);
}

void DialogRootCommon::storeForm() const {
    if (CSetting* s = app::settings()) s->writeInt(ini_keys::root::Section, ini_keys::root::Type, selectedForm());
}

void DialogRootCommon::useFile(bool browse) {
    storeForm();
    u16 file = current_;
    if (browse && !browseFor(file)) return;
    if (file.empty()) return;
    remembered_ = file;
    render();
}

void DialogRootCommon::render() {
    if (remembered_.empty()) return;
    filling_ = true;
    setItemText(VEXA_IDC_ROOT_PATH, wide::w(root_form::render(remembered_, current_, selectedForm())));
    filling_ = false;
}

void DialogRootCommon::confirm() {
    u16 path = wide::u(itemText(VEXA_IDC_ROOT_PATH).c_str());
    uint32_t problem = 0;
    if (path.empty()) problem = msgid::RootNameEmpty;
    else if (!root_file::IsTexFileName(path)) problem = msgid::RootNameNotTex;
    if (problem) {
        lang::messageBox(handle(), problem, msgid::CaptionWarning, MB_OK | MB_ICONWARNING);
        // Nobody is there to correct the text of an automatic run.
        if (automatic()) {
            close(IDCANCEL);
            return;
        }
        SetFocus(item(VEXA_IDC_ROOT_PATH));
        return;
    }
    accept(path);
    close(IDOK);
}

bool DialogRootCommon::browseFor(u16& chosen) const {
    open_file::Request request;
    request.owner = handle();
    request.titleId = msgid::RootBrowseTitle;
    request.filterId = msgid::FilterTexFiles;
    request.document = current_;
    request.initialName = tex_path::fileNameOf(current_);
    return open_file::choose(request, chosen);
}

DialogRoot::DialogRoot(HWND parent, HWND editor) : DialogRootCommon(editor) { result_ = run(parent); }

uint32_t DialogRoot::titleId() const { return msgid::RootDialogTitle; }

root_form::Form DialogRoot::initialForm() const { return root_form::fromSetting(readType()); }

void DialogRoot::accept(const u16& path) {
    WindowEditor ed(editor());
    bool found = !resolvedRoot().empty();
    written_ = root_form::writeRootLine(ed, path, found);
}

DialogRootLock::DialogRootLock(HWND parent, HWND editor, root_form::Form form, bool automaticMode)
    : DialogRootCommon(editor), form_(form), automatic_(automaticMode) {
    run(parent);
}

uint32_t DialogRootLock::titleId() const { return msgid::RootLockDialogTitle; }

void DialogRootLock::accept(const u16& path) {
    accepted_ = true;
    chosen_ = path;
}
