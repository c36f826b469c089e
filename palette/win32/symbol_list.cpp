#include "palette/win32/symbol_list.h"

#include "base/win32/wide.h"
#include "frame/win32/language.h"
#include "mainwindow/win32/popup_menu.h"

#include <commctrl.h>
#include <vector>

namespace symbol_list {

namespace {
constexpr int Gap = 8;        // pixels between cells
} // namespace

void prepare(HWND list) { ListView_SetExtendedListViewStyleEx(list, LVS_EX_INFOTIP, LVS_EX_INFOTIP); }

bool fill(HWND list, uint32_t command, HINSTANCE plugin) {
    const palette::Category* category = palette::categoryOfCommand(command);
    if (!category || !IsWindow(list)) return false;
    SendMessageW(list, WM_SETREDRAW, FALSE, 0);
    ListView_DeleteAllItems(list);

    std::wstring title = lang::message(category->titleMessage);
    if (title.size() > 255) title.resize(255);
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.pszText = title.data();
    column.cx = 200;
    if (!ListView_SetColumn(list, 0, &column)) ListView_InsertColumn(list, 0, &column);

    HIMAGELIST images = ImageList_Create(category->cellWidth, palette::CellHeight, ILC_COLOR24,
                                         static_cast<int>(category->entries.size()), 0);
    if (images) {
        auto strip = static_cast<HBITMAP>(LoadImageW(plugin, MAKEINTRESOURCEW(category->bitmap), IMAGE_BITMAP, 0, 0,
                                                     LR_CREATEDIBSECTION));
        if (strip) {
            ImageList_Add(images, strip, nullptr);
            DeleteObject(strip);
        }
    }
    HIMAGELIST old = ListView_SetImageList(list, images, LVSIL_NORMAL);
    if (old && old != images) ImageList_Destroy(old);
    // A wide strip gets wider spacing; the others keep the usual one.
    ListView_SetIconSpacing(list, category->cellWidth + Gap, palette::CellHeight + Gap);

    LVITEMW item{};
    item.mask = LVIF_IMAGE | LVIF_TEXT;
    wchar_t empty[1] = {};
    item.pszText = empty;
    for (const palette::SymbolEntry& e : category->entries) {
        item.iItem = e.image;
        item.iImage = e.image;
        ListView_InsertItem(list, &item);
    }
    SendMessageW(list, WM_SETREDRAW, TRUE, 0);
    if (!category->entries.empty()) {
        ListView_SetItemState(list, 0, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
        ListView_EnsureVisible(list, 0, FALSE);
    }
    InvalidateRect(list, nullptr, TRUE);
    return true;
}

void releaseImages(HWND list) {
    if (!list || !IsWindow(list)) return;
    if (HIMAGELIST old = ListView_SetImageList(list, nullptr, LVSIL_NORMAL)) ImageList_Destroy(old);
}

std::wstring columnTitle(HWND list) {
    wchar_t buffer[256] = {};
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT;
    column.pszText = buffer;
    column.cchTextMax = 256;
    if (!ListView_GetColumn(list, 0, &column)) return {};
    return buffer;
}

int focusedCell(HWND list) { return ListView_GetNextItem(list, -1, LVNI_FOCUSED); }

bool moveFocus(HWND list, palette_tabs::Direction direction) {
    int count = ListView_GetItemCount(list);
    std::vector<palette_tabs::CellPos> cells(count);
    for (int i = 0; i < count; ++i) {
        POINT p{};
        ListView_GetItemPosition(list, i, &p);
        cells[i] = {p.x, p.y};
    }
    int to = palette_tabs::nearestCell(cells, focusedCell(list), direction);
    if (to < 0) return false;
    ListView_SetItemState(list, -1, 0, LVIS_SELECTED | LVIS_FOCUSED);
    ListView_SetItemState(list, to, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    ListView_EnsureVisible(list, to, FALSE);
    return true;
}

POINT menuPoint(HWND list, int cell) {
    RECT label{};
    ListView_GetItemRect(list, cell, &label, LVIR_LABEL);
    POINT p{label.left, label.bottom + 1};
    ClientToScreen(list, &p);
    return popup_menu::onAWindow(p);
}

} // namespace symbol_list
