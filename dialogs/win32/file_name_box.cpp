#include "dialogs/win32/file_name_box.h"

#include "base/win32/wide.h"
#include "dialogs/figure_file.h"
#include "frame/win32/open_file_dialog.h"
#include "frame/win32/plugin_app.h"
#include "lang/resource_ids.h"
#include "settings/setting.h"
#include "settings/setting_keys.h"

#include <vector>

namespace {

int radioOf(root_form::Form form) {
    switch (form) {
    case root_form::Absolute: return VEXA_IDC_FILE_FULL_PATH;
    case root_form::Relative: return VEXA_IDC_FILE_RELATIVE;
    default: return VEXA_IDC_FILE_NAME_ONLY;
    }
}

} // namespace

bool FileNameBox::isStyleRadio(int id) {
    return id == VEXA_IDC_FILE_FULL_PATH || id == VEXA_IDC_FILE_RELATIVE || id == VEXA_IDC_FILE_NAME_ONLY;
}

void FileNameBox::open(HWND dialog, u16view document, const char16_t* styleKey) {
    dialog_ = dialog;
    document_ = u16(document);
    styleKey_ = styleKey;
    int32_t stored = 0;
    if (CSetting* s = app::settings()) stored = s->readInt(ini_keys::settings::Section, styleKey_, 0);
    root_form::Form form = root_form::fromSetting(stored);
    if (document_.empty()) {
        EnableWindow(GetDlgItem(dialog_, VEXA_IDC_FILE_RELATIVE), FALSE);
        if (form == root_form::Relative) form = root_form::NameOnly;
    }
    select(form);
    remembered_.clear();
    filling_ = true;
    SetDlgItemTextW(dialog_, edit_, L"");
    filling_ = false;
}

root_form::Form FileNameBox::style() const {
    if (IsDlgButtonChecked(dialog_, VEXA_IDC_FILE_FULL_PATH) == BST_CHECKED) return root_form::Absolute;
    if (IsDlgButtonChecked(dialog_, VEXA_IDC_FILE_RELATIVE) == BST_CHECKED) return root_form::Relative;
    return root_form::NameOnly;
}

void FileNameBox::select(root_form::Form form) {
    // One by one: the three numbers are not a run that CheckRadioButton takes.
    for (int id : {VEXA_IDC_FILE_FULL_PATH, VEXA_IDC_FILE_RELATIVE, VEXA_IDC_FILE_NAME_ONLY})
        CheckDlgButton(dialog_, id, id == radioOf(form) ? BST_CHECKED : BST_UNCHECKED);
}

bool FileNameBox::browse(uint32_t titleId, uint32_t filterId) {
    if (CSetting* s = app::settings()) s->writeInt(ini_keys::settings::Section, styleKey_, style());
    open_file::Request request;
    request.owner = dialog_;
    request.titleId = titleId;
    request.filterId = filterId;
    request.document = document_;
    u16 chosen;
    if (!open_file::choose(request, chosen)) return false;
    remembered_ = chosen;
    render();
    return true;
}

void FileNameBox::render() {
    if (remembered_.empty()) return;
    filling_ = true;
    SetDlgItemTextW(dialog_, edit_, wide::w(figure_file::boxText(remembered_, document_, style())));
    filling_ = false;
}

void FileNameBox::changed() {
    if (!filling_) remembered_.clear();
}

void FileNameBox::setText(u16view text) { SetDlgItemTextW(dialog_, edit_, wide::w(u16(text))); }

u16 FileNameBox::text() const {
    HWND box = GetDlgItem(dialog_, edit_);
    int length = box ? GetWindowTextLengthW(box) : 0;
    std::vector<wchar_t> buffer(static_cast<size_t>(length) + 1, L'\0');
    if (box) GetWindowTextW(box, buffer.data(), length + 1);
    return wide::u(buffer.data());
}
