#include "make/win32/dialog_file_delete.h"

#include "base/win32/wide.h"
#include "frame/message_ids.h"
#include "frame/win32/language.h"
#include "lang/resource_ids.h"

namespace {
constexpr int UnknownWidth = 200;
}

DialogFileDelete::DialogFileDelete(HWND owner, aux_files::Found& found, int32_t reportMode)
    : found_(found), rows_(aux_report::rowsToShow(found, reportMode)) {
    if (rows_.empty()) return;   // an empty list ends the report at once, as OK
    INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&controls);
    result_ = create(nullptr, VEXA_LANG_DIALOG_FILE_DELETE, owner);
}

INT_PTR DialogFileDelete::onInitDialog() {
    HWND list = item(VEXA_IDC_DELETE_LIST);
    DWORD style = LVS_EX_CHECKBOXES | LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT;
    SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, style, style);

    RECT client{};
    int width = GetClientRect(list, &client) && client.right > 0
                    ? client.right - GetSystemMetrics(SM_CXVSCROLL)
                    : UnknownWidth;
    std::wstring title = lang::message(msgid::DeleteColumnTitle);
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.pszText = title.data();
    column.cx = width > 0 ? width : UnknownWidth;
    SendMessageW(list, LVM_INSERTCOLUMNW, 0, reinterpret_cast<LPARAM>(&column));

    for (size_t r = 0; r < rows_.size(); ++r) {
        const std::vector<u16>& source =
            rows_[r].list == aux_report::List::Names ? found_.names : found_.patterns;
        u16 text = source[rows_[r].index];
        LVITEMW row{};
        row.mask = LVIF_TEXT;
        row.iItem = static_cast<int>(r);
        row.pszText = wide::w(text.data());
        int at = static_cast<int>(SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&row)));
        ListView_SetCheckState(list, at, TRUE);
    }
    return TRUE;
}

INT_PTR DialogFileDelete::onCommand(WORD id, WORD, HWND) {
    if (id == IDOK) {
        HWND list = item(VEXA_IDC_DELETE_LIST);
        std::vector<bool> checked(rows_.size(), false);
        for (size_t r = 0; r < rows_.size(); ++r)
            checked[r] = ListView_GetCheckState(list, static_cast<int>(r)) != 0;
        aux_report::blankUnchecked(found_, rows_, checked);
        close(IDOK);
        return 1;
    }
    if (id == IDCANCEL) {
        close(IDCANCEL);
        return 1;
    }
    return 0;
}
