// Times opening the full symbol palette, every category on a tab, in the
// stand-in host: the all-categories command from the main window until the
// palette shows its first category, then the same command closing it.
//
//   palette_open_bench [runs] [--hold SECONDS]
//
// With --hold it leaves the palette open that long after the last run,
// with its first category shown, moved to the top-left of the screen, and
// prints its screen rectangle (for a screenshot).
#include "host/editor_thread.h"
#include "tests/wine/plugin_test_support.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cwchar>
#include <vector>

namespace {

constexpr UINT AllCategories = 41020;

} // namespace

int main(int argc, char** argv) {
    int runs = 20;
    int hold = 0;
    for (int i = 1; i < argc; ++i) {
        if (std::string(argv[i]) == "--hold" && i + 1 < argc) hold = std::atoi(argv[++i]);
        else runs = std::max(1, std::atoi(argv[i]));
    }
    TempDir dir;
    if (!dir.ok() || !plugin_test::install(dir, plugin_test::languageFromEnvironment())) {
        std::fprintf(stderr, "build the dist target first\n");
        return 1;
    }
    std::wstring ini = plugin_test::path(dir, L"Vexa2.ini");
    auto set = [&](const wchar_t* section, const wchar_t* key, const wchar_t* value) {
        WritePrivateProfileStringW(section, key, value, ini.c_str());
    };
    set(L"BasicSettings", L"Window", L"3");
    set(L"BasicSettings", L"HideSubWindow", L"0");
    set(L"BasicSettings", L"SubWindow", L"0");
    set(L"Char", L"Window", L"-1");
    set(L"Char", L"WindowSep", L"0");

    PluginLoader loader;
    if (!loader.load(plugin_test::path(dir, L"vexa2.dll"))) {
        std::fprintf(stderr, "the plug-in did not load\n");
        return 1;
    }
    std::vector<double> ms;
    HWND palette = nullptr;
    {
        EditorWindowOptions o;
        o.text = u"";
        EditorThread e(o);
        if (!e.started()) return 1;
        e.run([&](EditorView&) { loader.onCommand(e.editor()); });
        HWND main = host_test::floatingMainWindow(e.threadId());
        if (!main) {
            std::fprintf(stderr, "no main window\n");
            return 1;
        }
        for (int r = 0; r < runs; ++r) {
            auto start = std::chrono::steady_clock::now();
            SendMessageW(main, WM_COMMAND, MAKEWPARAM(AllCategories, BN_CLICKED), 0);
            palette = host_test::windowWithControl(e.threadId(), 1215);
            // Painted too: the tabs and the cells of the first category.
            if (palette) RedrawWindow(palette, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
            std::chrono::duration<double, std::milli> spent = std::chrono::steady_clock::now() - start;
            if (!palette) {
                std::fprintf(stderr, "the palette did not open\n");
                return 1;
            }
            ms.push_back(spent.count());
            if (r + 1 < runs || hold == 0) SendMessageW(main, WM_COMMAND, MAKEWPARAM(AllCategories, BN_CLICKED), 0);
        }
        std::sort(ms.begin(), ms.end());
        int tabs = palette && hold ? TabCtrl_GetItemCount(GetDlgItem(palette, 1215)) : 17;
        std::printf("open the full palette (%d tabs): median %.1f ms, fastest %.1f ms, slowest %.1f ms over %d runs\n",
                    tabs, ms[ms.size() / 2], ms.front(), ms.back(), runs);
        if (hold > 0) {
            // Where a screenshot finds it whole, large enough for every tab.
            SetWindowPos(palette, HWND_TOP, 40, 60, 470, 470, SWP_NOACTIVATE);
            RedrawWindow(palette, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
            RECT r{};
            GetWindowRect(palette, &r);
            std::printf("palette at %ld,%ld size %ldx%ld\n", r.left, r.top, r.right - r.left, r.bottom - r.top);
            std::fflush(stdout);
            Sleep(static_cast<DWORD>(hold) * 1000);
        }
        e.run([&](EditorView&) { loader.onCommand(e.editor()); });
    }
    loader.unload();
    return 0;
}
