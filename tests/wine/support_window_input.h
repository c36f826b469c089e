// Typing into the stand-in host as a user does (SendInput) and finding the
// support window from outside, for the support window's test and its
// opening benchmark.
#pragma once
#include "base/win32/wide.h"
#include "tests/support/temp_dir.h"
#include "tests/wine/key_input.h"

#include <commctrl.h>
#include <initializer_list>
#include <string>
#include <vector>
#include <windows.h>

namespace support_input {

using key_input::chord;
using key_input::key;
using key_input::letters;
using key_input::send;

// The backslash key of the keyboard layouts the plug-in knows (220).
inline std::vector<INPUT> backslash() { return chord({}, VK_OEM_5); }

// The support window of a thread: the window whose input box carries the
// window property of the support window's input box.
inline HWND supportWindow(DWORD thread) {
    struct Find {
        HWND found = nullptr;
        static BOOL CALLBACK visit(HWND w, LPARAM self) {
            HWND box = GetDlgItem(w, 1201);
            if (!box || !GetPropW(box, L"Vexa_Edit_Prop")) return TRUE;
            reinterpret_cast<Find*>(self)->found = w;
            return FALSE;
        }
    } find;
    EnumThreadWindows(thread, &Find::visit, reinterpret_cast<LPARAM>(&find));
    return find.found;
}

inline std::wstring rowText(HWND list, int row, int column = 0);

// The history window of a thread: the list whose first row reads "(1)".
inline HWND historyWindow(DWORD thread) {
    struct Find {
        HWND found = nullptr;
        static BOOL CALLBACK visit(HWND w, LPARAM self) {
            HWND list = GetDlgItem(w, 1205);
            if (!list || rowText(list, 0) != L"(1)") return TRUE;
            reinterpret_cast<Find*>(self)->found = w;
            return FALSE;
        }
    } find;
    EnumThreadWindows(thread, &Find::visit, reinterpret_cast<LPARAM>(&find));
    return find.found;
}

inline std::wstring text(HWND w) {
    wchar_t buffer[1024] = {};
    GetWindowTextW(w, buffer, 1024);
    return buffer;
}

// The selected row of a list view: its index, or -1.
inline int selectedRow(HWND list) {
    return static_cast<int>(SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

inline std::wstring rowText(HWND list, int row, int column) {
    wchar_t buffer[256] = {};
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = buffer;
    item.cchTextMax = 256;
    SendMessageW(list, LVM_GETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item));
    return buffer;
}

inline int rowCount(HWND list) { return static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0)); }

// Copies the four dictionary sources from dist\Vexa2Lang\ into the test
// folder's Vexa2Lang\ (the plug-in reads them beside itself).
inline bool installDictionaries(const std::wstring& dist, const TempDir& dir) {
    for (const wchar_t* name :
         {L"Vexa2Command.txt", L"Vexa2Environment.txt", L"Vexa2EasySupport.txt", L"Vexa2PaperSize.txt"}) {
        std::wstring to = std::wstring(wide::w(dir.path())) + L"\\Vexa2Lang\\" + name;
        if (!CopyFileW((dist + L"Vexa2Lang\\" + name).c_str(), to.c_str(), FALSE)) return false;
    }
    return true;
}

} // namespace support_input
