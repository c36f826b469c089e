#include "support/win32/dialog_support_history.h"

#include "lang/resource_ids.h"

#include <algorithm>
#include <commctrl.h>

namespace {

// The key of each row, after Ctrl: 1-9, 0, then A, B, C.
const wchar_t* const kRowLabels[DialogSupportHistory::Rows] = {L"(1)", L"(2)", L"(3)", L"(4)", L"(5)",
                                                              L"(6)", L"(7)", L"(8)", L"(9)", L"(0)",
                                                              L"(A)", L"(B)", L"(C)"};

int width(HWND w) {
    RECT r{};
    GetWindowRect(w, &r);
    return r.right - r.left;
}

} // namespace

bool DialogSupportHistory::create(HWND owner) {
    return DialogModeless::create(nullptr, VEXA_LANG_DLG_SUPPORT_HISTORY, owner);
}

HWND DialogSupportHistory::list() const { return handle() ? item(VEXA_IDC_SUPPORT_HISTORY_LIST) : nullptr; }

INT_PTR DialogSupportHistory::onInitDialog() {
    HWND l = list();
    if (!l) return TRUE;
    SendMessageW(l, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES,
                 LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
    for (int c = 0; c < 2; ++c) {
        LVCOLUMNW column{};
        column.mask = LVCF_WIDTH | LVCF_SUBITEM;
        column.cx = 40;
        column.iSubItem = c;
        SendMessageW(l, LVM_INSERTCOLUMNW, c, reinterpret_cast<LPARAM>(&column));
    }
    for (int row = 0; row < Rows; ++row) {
        LVITEMW item{};
        item.mask = LVIF_TEXT;
        item.iItem = row;
        item.pszText = const_cast<wchar_t*>(kRowLabels[row]);
        SendMessageW(l, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
    }
    // Tall enough for every row: the slots are reached by key, and a
    // row that cannot be seen could not be checked before pressing it.
    RECT last{LVIR_BOUNDS, 0, 0, 0};
    RECT client{}, window{};
    GetClientRect(handle(), &client);
    GetWindowRect(handle(), &window);
    if (SendMessageW(l, LVM_GETITEMRECT, Rows - 1, reinterpret_cast<LPARAM>(&last))) {
        RECT listWindow{}, listClient{};
        GetWindowRect(l, &listWindow);
        GetClientRect(l, &listClient);
        int listFrame = (listWindow.bottom - listWindow.top) - listClient.bottom;
        int frame = (window.bottom - window.top) - client.bottom;
        int listHeight = last.bottom + listFrame;
        SetWindowPos(handle(), nullptr, 0, 0, window.right - window.left, listHeight + frame,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        MoveWindow(l, 0, 0, client.right, listHeight, FALSE);
    }
    minWidth_ = width(handle());
    maxWidth_ = 3 * minWidth_;
    fitWidth();
    return TRUE;
}

void DialogSupportHistory::setRow(int row, const std::wstring& text) {
    HWND l = list();
    if (!l || row < 0 || row >= Rows) return;
    LVITEMW item{};
    item.iSubItem = 1;
    item.pszText = const_cast<wchar_t*>(text.c_str());
    SendMessageW(l, LVM_SETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item));
}

std::wstring DialogSupportHistory::rowText(int row) const {
    HWND l = list();
    if (!l || row < 0 || row >= Rows) return std::wstring();
    wchar_t buffer[256] = {};
    LVITEMW item{};
    item.iSubItem = 1;
    item.pszText = buffer;
    item.cchTextMax = 256;
    SendMessageW(l, LVM_GETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item));
    return buffer;
}

void DialogSupportHistory::fitWidth() {
    HWND l = list();
    if (!l) return;
    SendMessageW(l, LVM_SETCOLUMNWIDTH, 0, MAKELPARAM(LVSCW_AUTOSIZE, 0));
    SendMessageW(l, LVM_SETCOLUMNWIDTH, 1, MAKELPARAM(LVSCW_AUTOSIZE, 0));
    int columns = static_cast<int>(SendMessageW(l, LVM_GETCOLUMNWIDTH, 0, 0) + SendMessageW(l, LVM_GETCOLUMNWIDTH, 1, 0));
    RECT window{}, client{}, listWindow{}, listClient{};
    GetWindowRect(handle(), &window);
    GetClientRect(handle(), &client);
    GetWindowRect(l, &listWindow);
    GetClientRect(l, &listClient);
    int frame = (window.right - window.left) - client.right + (listWindow.right - listWindow.left) - listClient.right;
    int wanted = std::clamp(columns + frame, minWidth_, std::max(minWidth_, maxWidth_));
    SetWindowPos(handle(), nullptr, 0, 0, wanted, window.bottom - window.top, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    GetClientRect(handle(), &client);
    MoveWindow(l, 0, 0, client.right, client.bottom, TRUE);
    // A window held at its minimum: the text column takes the room left.
    GetClientRect(l, &listClient);
    int rest = listClient.right - static_cast<int>(SendMessageW(l, LVM_GETCOLUMNWIDTH, 0, 0));
    if (rest > static_cast<int>(SendMessageW(l, LVM_GETCOLUMNWIDTH, 1, 0)))
        SendMessageW(l, LVM_SETCOLUMNWIDTH, 1, MAKELPARAM(rest, 0));
}

INT_PTR DialogSupportHistory::onNotify(NMHDR* header) {
    if (!header || header->hwndFrom != list() || header->code != NM_DBLCLK) return 0;
    int row = reinterpret_cast<NMITEMACTIVATE*>(header)->iItem;
    if (row >= 0 && row < Rows) SendMessageW(GetWindow(handle(), GW_OWNER), RowChosen, row, 0);
    return 0;
}

INT_PTR DialogSupportHistory::onOtherMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_MOUSEACTIVATE) {
        // A click must not take the activation (and the keys) from the
        // support window.
        SetWindowLongPtrW(handle(), DWLP_MSGRESULT, MA_NOACTIVATE);
        return TRUE;
    }
    return DialogModeless::onOtherMessage(message, wParam, lParam);
}
