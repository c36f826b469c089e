// Times opening the highlight item dialog in the stand-in host: from the
// highlight button's drop-down, through the menu's "New" item, until the
// dialog shows with its list of items filled, then Cancel.
//
//   highlight_dialog_open_bench [runs] [--hold SECONDS]
//
// With --hold it leaves the dialog open that long after the last run, with
// a name and pattern typed in and two rows checked, moved near the top-left
// of the screen, and prints its screen rectangle (for a screenshot).
#include "host/editor_thread.h"
#include "lang/resource_ids.h"
#include "tests/wine/plugin_test_support.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr UINT HighlightButton = 41124;

HWND threadWindow(EditorThread& e, bool (*match)(HWND)) {
    struct Find {
        bool (*match)(HWND);
        HWND found = nullptr;
        static BOOL CALLBACK visit(HWND w, LPARAM self) {
            auto* f = reinterpret_cast<Find*>(self);
            if (!IsWindowVisible(w) || !f->match(w)) return TRUE;
            f->found = w;
            return FALSE;
        }
    } find{match};
    EnumThreadWindows(e.threadId(), &Find::visit, reinterpret_cast<LPARAM>(&find));
    return find.found;
}

bool isMainWindow(HWND w) {
    wchar_t cls[32] = {};
    GetClassNameW(w, cls, 32);
    return std::wstring(cls) == L"Vexa2";
}
bool isMenu(HWND w) {
    wchar_t cls[32] = {};
    GetClassNameW(w, cls, 32);
    return std::wstring(cls) == L"#32768";
}
bool isDialog(HWND w) { return GetDlgItem(w, VEXA_IDC_HIGHLIGHT_LIST) != nullptr; }

template <typename Cond>
bool poll(Cond cond, DWORD limitMs) {
    DWORD start = GetTickCount();
    while (!cond()) {
        if (GetTickCount() - start > limitMs) return false;
        Sleep(1);
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    int runs = 10;
    int hold = 0;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        if (arg == "--hold" && i + 1 < argc) hold = std::atoi(argv[++i]);
        else runs = std::max(1, std::atoi(argv[i]));
    }
    TempDir dir;
    if (!dir.ok() || !plugin_test::install(dir, plugin_test::languageFromEnvironment())) {
        std::fprintf(stderr, "build the dist target first\n");
        return 1;
    }
    std::wstring ini = plugin_test::path(dir, L"Vexa2.ini");
    WritePrivateProfileStringW(L"BasicSettings", L"Window", L"2", ini.c_str());
    // One item of the user's below the presets.
    WritePrivateProfileStringW(L"Highlight", L"0", L"Theorems\t\\\\begin\\{theorem\\}", ini.c_str());

    PluginLoader loader;
    if (!loader.load(plugin_test::path(dir, L"vexa2.dll"))) {
        std::fprintf(stderr, "the plug-in did not load\n");
        return 1;
    }
    std::vector<double> ms;
    {
        EditorWindowOptions o;
        o.text = u"";
        EditorThread e(o);
        if (!e.started()) return 1;
        e.run([&](EditorView&) { loader.onCommand(e.editor()); });
        HWND main = threadWindow(e, isMainWindow);
        HWND toolbar = main ? FindWindowExW(main, nullptr, TOOLBARCLASSNAMEW, nullptr) : nullptr;
        if (!toolbar) {
            std::fprintf(stderr, "no main window\n");
            return 1;
        }
        // Lives as long as the posted notification may be read.
        static NMTOOLBARW drop{};
        drop.hdr.hwndFrom = toolbar;
        drop.hdr.idFrom = GetDlgCtrlID(toolbar);
        drop.hdr.code = TBN_DROPDOWN;
        drop.iItem = HighlightButton;
        HWND dialog = nullptr;
        for (int r = 0; r < runs; ++r) {
            auto start = std::chrono::steady_clock::now();
            SendMessageW(toolbar, TB_GETRECT, HighlightButton, reinterpret_cast<LPARAM>(&drop.rcButton));
            PostMessageW(main, WM_NOTIFY, drop.hdr.idFrom, reinterpret_cast<LPARAM>(&drop));
            HWND menu = nullptr;
            if (!poll([&] { return (menu = threadWindow(e, isMenu)) != nullptr; }, 20000)) {
                std::fprintf(stderr, "the menu did not open\n");
                return 1;
            }
            // "New" follows the twelve presets and the user's item.
            for (int i = 0; i < 14; ++i) PostMessageW(menu, WM_KEYDOWN, VK_DOWN, 0);
            PostMessageW(menu, WM_KEYDOWN, VK_RETURN, 0);
            if (!poll([&] { return (dialog = threadWindow(e, isDialog)) != nullptr; }, 20000)) {
                std::fprintf(stderr, "the dialog did not open\n");
                return 1;
            }
            SendMessageW(dialog, WM_NULL, 0, 0);
            RedrawWindow(dialog, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
            std::chrono::duration<double, std::milli> spent = std::chrono::steady_clock::now() - start;
            ms.push_back(spent.count());
            if (r + 1 < runs || hold == 0) {
                PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
                poll([&] { return !IsWindow(dialog); }, 20000);
            }
        }
        std::sort(ms.begin(), ms.end());
        std::printf("open the highlight dialog from its menu: median %.1f ms, fastest %.1f ms, slowest %.1f ms over %d runs\n",
                    ms[ms.size() / 2], ms.front(), ms.back(), runs);
        if (hold > 0) {
            SetDlgItemTextW(dialog, VEXA_IDC_HIGHLIGHT_NAME, L"Labels and references");
            HWND list = GetDlgItem(dialog, VEXA_IDC_HIGHLIGHT_LIST);
            ListView_SetCheckState(list, 8, TRUE);
            ListView_SetCheckState(list, 9, TRUE);
            SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(VEXA_IDC_HIGHLIGHT_COMBINE, BN_CLICKED), 0);
            ListView_SetCheckState(list, 12, TRUE);
            SetDlgItemTextW(dialog, VEXA_IDC_HIGHLIGHT_ENVIRONMENT, L"theorem");
            SetWindowPos(dialog, HWND_TOP, 40, 40, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
            RedrawWindow(dialog, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
            RECT r{};
            GetWindowRect(dialog, &r);
            std::printf("dialog at %ld,%ld size %ldx%ld\n", r.left, r.top, r.right - r.left, r.bottom - r.top);
            std::fflush(stdout);
            Sleep(static_cast<DWORD>(hold) * 1000);
            PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
            poll([&] { return !IsWindow(dialog); }, 20000);
        }
    }
    loader.unload();
    return 0;
}
