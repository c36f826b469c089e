// Times opening the table dialog (or with --array the array dialog) in the
// stand-in host: from the toolbar's command until the dialog shows with its
// stored choices, then Cancel.
//
//   grid_dialog_open_bench [runs] [--array] [--hold SECONDS]
//
// With --hold it leaves the dialog open that long after the last run, with
// a caption and label typed in, moved near the top-left of the screen, and
// prints its screen rectangle (for a screenshot).
#include "host/editor_thread.h"
#include "lang/resource_ids.h"
#include "tests/wine/plugin_test_support.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr UINT TableCommand = 41038;
constexpr UINT ArrayCommand = 41039;

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
    int runs = 20;
    int hold = 0;
    bool array = false;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        if (arg == "--hold" && i + 1 < argc) hold = std::atoi(argv[++i]);
        else if (arg == "--array") array = true;
        else runs = std::max(1, std::atoi(argv[i]));
    }
    TempDir dir;
    if (!dir.ok() || !plugin_test::install(dir, plugin_test::languageFromEnvironment())) {
        std::fprintf(stderr, "build the dist target first\n");
        return 1;
    }
    WritePrivateProfileStringW(L"BasicSettings", L"Window", L"2", plugin_test::path(dir, L"Vexa2.ini").c_str());

    PluginLoader loader;
    if (!loader.load(plugin_test::path(dir, L"vexa2.dll"))) {
        std::fprintf(stderr, "the plug-in did not load\n");
        return 1;
    }
    const UINT command = array ? ArrayCommand : TableCommand;
    std::vector<double> ms;
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
        HWND dialog = nullptr;
        for (int r = 0; r < runs; ++r) {
            auto start = std::chrono::steady_clock::now();
            PostMessageW(main, WM_COMMAND, MAKEWPARAM(command, BN_CLICKED), 0);
            if (!poll([&] { return (dialog = host_test::windowWithControl(e.threadId(), VEXA_IDC_GRID_ROWS)) != nullptr; }, 20000)) {
                std::fprintf(stderr, "the dialog did not open\n");
                return 1;
            }
            // Painted too, once the dialog's thread takes messages again.
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
        std::printf("open the %s dialog: median %.1f ms, fastest %.1f ms, slowest %.1f ms over %d runs\n",
                    array ? "array" : "table", ms[ms.size() / 2], ms.front(), ms.back(), runs);
        if (hold > 0) {
            if (!array) {
                SetDlgItemTextW(dialog, VEXA_IDC_TABLE_CAPTION, L"Measured times");
                SetDlgItemTextW(dialog, VEXA_IDC_TABLE_LABEL_TEXT, L"tab:times");
            }
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
