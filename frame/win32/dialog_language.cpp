#include "frame/win32/dialog_language.h"

#include "frame/message_ids.h"
#include "frame/win32/language.h"
#include "frame/win32/language_chooser_res.h"

#include <vector>

namespace {
std::wstring rowText(HWND list, int row, int column) {
    std::vector<wchar_t> buffer(MAX_PATH + 1, L'\0');
    LVITEMW item = {};
    item.iSubItem = column;
    item.pszText = buffer.data();
    item.cchTextMax = static_cast<int>(buffer.size());
    SendMessageW(list, LVM_GETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item));
    return buffer.data();
}

void addColumn(HWND list, int index, const wchar_t* title) {
    LVCOLUMNW column = {};
    column.mask = LVCF_TEXT | LVCF_SUBITEM;
    column.pszText = const_cast<wchar_t*>(title);
    column.iSubItem = index;
    SendMessageW(list, LVM_INSERTCOLUMNW, index, reinterpret_cast<LPARAM>(&column));
}
} // namespace

DialogLanguage::DialogLanguage(HINSTANCE plugin, HWND parent, bool cancelAllowed, bool chooseAutomatically,
                               bool doNotSave, const std::wstring& preselected)
    : plugin_(plugin), cancelAllowed_(cancelAllowed), chooseAutomatically_(chooseAutomatically),
      doNotSave_(doNotSave), preselected_(preselected) {
    INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&controls);
    // The plug-in's own template: there may be no language library yet.
    if (create(plugin_, IDD_LANGUAGE_CHOOSER, parent) != IDOK) {
        accepted_ = false;
        chosen_.clear();
    }
}

INT_PTR DialogLanguage::onInitDialog() {
    if (!cancelAllowed_) {
        LONG_PTR style = GetWindowLongPtrW(handle(), GWL_STYLE);
        SetWindowLongPtrW(handle(), GWL_STYLE, style & ~static_cast<LONG_PTR>(WS_SYSMENU));
        SetWindowPos(handle(), nullptr, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
        EnableWindow(item(IDCANCEL), FALSE);
    }
    fillList();

    HWND list = item(IDC_LANGUAGE_LIST);
    int rows = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
    std::wstring wanted = preselected_;
    if (wanted.empty()) wanted = lang::configuredName(plugin_);
    if (wanted.empty()) wanted = lang::defaultName();
    for (int row = 0; row < rows; ++row) {
        if (CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, rowText(list, row, 0).c_str(), -1, wanted.c_str(),
                           -1) == CSTR_EQUAL) {
            selectRow(row);
            break;
        }
    }
    if (rows == 1) {
        selectRow(0);
        if (chooseAutomatically_) {
            confirm();
            return FALSE;
        }
    }
    updateOk();
    SetFocus(list);
    return FALSE;   // the focus was set here
}

void DialogLanguage::fillList() {
    HWND list = item(IDC_LANGUAGE_LIST);
    SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
    // Fixed English: the chooser must be readable before any library loads.
    addColumn(list, 0, L"DLL File Name");
    addColumn(list, 1, L"Language");

    std::wstring folder = lang::languageFolder(plugin_);
    WIN32_FIND_DATAW found = {};
    HANDLE search = folder.empty() ? INVALID_HANDLE_VALUE : FindFirstFileW((folder + L"\\*.dll").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
            lang::Candidate candidate(folder + L"\\" + found.cFileName);
            if (!candidate.accepted()) continue;
            std::wstring language = candidate.config(cfgid::LanguageName);
            if (language.empty()) continue;
            LVITEMW row = {};
            row.mask = LVIF_TEXT;
            row.iItem = INT_MAX;
            row.pszText = found.cFileName;
            int index = static_cast<int>(SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&row)));
            if (index < 0) continue;
            LVITEMW sub = {};
            sub.iSubItem = 1;
            sub.pszText = language.data();
            SendMessageW(list, LVM_SETITEMTEXTW, index, reinterpret_cast<LPARAM>(&sub));
        } while (FindNextFileW(search, &found));
        FindClose(search);
    }
    SendMessageW(list, LVM_SETCOLUMNWIDTH, 0, LVSCW_AUTOSIZE_USEHEADER);
    SendMessageW(list, LVM_SETCOLUMNWIDTH, 1, LVSCW_AUTOSIZE_USEHEADER);
}

void DialogLanguage::selectRow(int row) {
    HWND list = item(IDC_LANGUAGE_LIST);
    LVITEMW state = {};
    state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    state.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(list, LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(&state));
    SendMessageW(list, LVM_ENSUREVISIBLE, row, FALSE);
}

int DialogLanguage::selectedRow() const {
    return static_cast<int>(SendMessageW(item(IDC_LANGUAGE_LIST), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

void DialogLanguage::updateOk() { EnableWindow(item(IDOK), selectedRow() >= 0); }

void DialogLanguage::confirm() {
    int row = selectedRow();
    if (row < 0) return;
    chosen_ = rowText(item(IDC_LANGUAGE_LIST), row, 0);
    accepted_ = true;
    // A failed write keeps the choice for this session; the chooser simply
    // comes back at the next load.
    if (!doNotSave_) lang::saveConfiguredName(plugin_, chosen_);
    close(IDOK);
}

INT_PTR DialogLanguage::onCommand(WORD id, WORD, HWND) {
    if (id == IDOK) {
        confirm();
        return TRUE;
    }
    if (id == IDCANCEL) {
        if (cancelAllowed_) close(IDCANCEL);
        return TRUE;
    }
    return FALSE;
}

INT_PTR DialogLanguage::onNotify(NMHDR* header) {
    if (!header || header->idFrom != IDC_LANGUAGE_LIST) return FALSE;
    if (header->code == LVN_ITEMCHANGED) updateOk();
    if (header->code == NM_DBLCLK && selectedRow() >= 0) confirm();
    return FALSE;
}
