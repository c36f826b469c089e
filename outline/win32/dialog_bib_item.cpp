#include "outline/win32/dialog_bib_item.h"

#include "base/win32/wide.h"
#include "frame/message_ids.h"
#include "frame/win32/language.h"
#include "lang/resource_ids.h"
#include "outline/bib_item_rows.h"
#include "outline/win32/redraw.h"

#include <commctrl.h>

namespace {

void addColumn(HWND list, int index, uint32_t titleId, int width) {
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
    column.pszText = const_cast<wchar_t*>(lang::message(titleId));
    column.cx = width;
    column.iSubItem = index;
    SendMessageW(list, LVM_INSERTCOLUMNW, index, reinterpret_cast<LPARAM>(&column));
}

void addRow(HWND list, int row, const BibItemRow& r) {
    LVITEMW item{};
    item.mask = LVIF_TEXT;
    item.iItem = row;
    item.pszText = const_cast<wchar_t*>(wide::w(r.name));
    int at = static_cast<int>(SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
    if (at < 0) return;
    item.iItem = at;
    item.iSubItem = 1;
    item.pszText = const_cast<wchar_t*>(wide::w(r.value));
    SendMessageW(list, LVM_SETITEMTEXTW, at, reinterpret_cast<LPARAM>(&item));
}

} // namespace

bool DialogBibItemData::create(HWND owner, int flag) {
    int templateId = flag == Citation ? VEXA_LANG_DLG_BIB_ITEM_CITATION : VEXA_LANG_DLG_BIB_ITEM;
    return DialogModeless::create(nullptr, templateId, owner);
}

HWND DialogBibItemData::list() const {
    return handle() ? item(VEXA_IDC_BIB_ITEM_LIST) : nullptr;
}

INT_PTR DialogBibItemData::onInitDialog() {
    HWND l = list();
    if (!l) return TRUE;
    SendMessageW(l, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES,
                 LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
    addColumn(l, 0, msgid::BibItemNameColumn, bib_item_rows::NameColumnWidth);
    addColumn(l, 1, msgid::BibItemValueColumn, bib_item_rows::FallbackValueWidth);
    return TRUE;
}

void DialogBibItemData::onSize(UINT type, int width, int height) {
    // The list fills the window, whatever size the owner gives it.
    if (HWND l = list(); l && type != SIZE_MINIMIZED) MoveWindow(l, 0, 0, width, height, TRUE);
}

void DialogBibItemData::showEntry(const BibEntry& entry) {
    HWND l = list();
    if (!l) return;
    Redraw quiet(l);
    SendMessageW(l, LVM_DELETEALLITEMS, 0, 0);
    RECT client{};
    int width = GetClientRect(l, &client) ? client.right - client.left : 0;
    SendMessageW(l, LVM_SETCOLUMNWIDTH, 0, MAKELPARAM(bib_item_rows::NameColumnWidth, 0));
    SendMessageW(l, LVM_SETCOLUMNWIDTH, 1, MAKELPARAM(bib_item_rows::valueColumnWidth(width), 0));
    std::vector<BibItemRow> rows = bib_item_rows::rows(entry, wide::u(lang::message(msgid::BibItemTypeRow)));
    for (size_t i = 0; i < rows.size(); ++i) addRow(l, static_cast<int>(i), rows[i]);
    SendMessageW(l, LVM_ENSUREVISIBLE, 0, FALSE);
}
