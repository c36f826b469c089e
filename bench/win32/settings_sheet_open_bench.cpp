// Times opening the settings sheet as the host does (its settings call on
// the editor's thread) in the stand-in host: from the call until the sheet
// is painted, then closed with Cancel.
//
//   settings_sheet_open_bench [runs] [--hold SECONDS] [--page N]
//
// With --hold the last sheet stays open that long at the top-left of the
// screen on the page at position N among the shown pages (default 0), and
// its screen rectangle is printed (for a screenshot).
#include "host/editor_thread.h"
#include "tests/wine/plugin_test_support.h"

#include <prsht.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

namespace {

constexpr UINT SettingsCode = 2305;

HWND findSheet(const std::wstring& caption) {
    struct Find {
        const std::wstring* caption;
        HWND found = nullptr;
        static BOOL CALLBACK visit(HWND w, LPARAM self) {
            auto* f = reinterpret_cast<Find*>(self);
            DWORD pid = 0;
            GetWindowThreadProcessId(w, &pid);
            if (pid != GetCurrentProcessId() || !IsWindowVisible(w) || host_test::windowCaption(w) != *f->caption)
                return TRUE;
            f->found = w;
            return FALSE;
        }
    } find{&caption};
    EnumWindows(&Find::visit, reinterpret_cast<LPARAM>(&find));
    return find.found;
}

} // namespace

int main(int argc, char** argv) {
    int runs = 20, hold = 0, page = 0;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        if (arg == "--hold" && i + 1 < argc) hold = std::atoi(argv[++i]);
        else if (arg == "--page" && i + 1 < argc) page = std::atoi(argv[++i]);
        else runs = std::max(1, std::atoi(argv[i]));
    }
    TempDir dir;
    if (!dir.ok() || !plugin_test::install(dir, plugin_test::languageFromEnvironment())) {
        std::fprintf(stderr, "build the dist target first\n");
        return 1;
    }
    // As installed: the typesetting page reads the shipped command file.
    CopyFileW((plugin_test::distFolder() + L"Vexa2cmd.bat").c_str(), plugin_test::path(dir, L"Vexa2cmd.bat").c_str(),
              FALSE);
    PluginLoader loader;
    if (!loader.load(plugin_test::path(dir, L"vexa2.dll"))) {
        std::fprintf(stderr, "the plug-in did not load\n");
        return 1;
    }
    const std::wstring caption = plugin_test::installedMessage(0x11F0001);
    std::vector<double> ms;
    {
        EditorWindowOptions o;
        o.text = u"";
        EditorThread e(o);
        if (!e.started()) return 1;
        for (int r = 0; r < runs; ++r) {
            auto start = std::chrono::steady_clock::now();
            // The sheet is modal on the editor's thread: the call returns
            // when it closes.
            std::thread host([&] { e.run([&](EditorView&) { loader.plugInProc(e.editor(), SettingsCode, 0, 0); }); });
            HWND sheet = nullptr;
            DWORD waited = GetTickCount();
            while (!(sheet = findSheet(caption)) && GetTickCount() - waited < 30000) Sleep(1);
            if (sheet) RedrawWindow(sheet, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
            std::chrono::duration<double, std::milli> spent = std::chrono::steady_clock::now() - start;
            if (!sheet) {
                std::fprintf(stderr, "the settings sheet did not open\n");
                host.detach();
                return 1;
            }
            ms.push_back(spent.count());
            if (r + 1 == runs && hold > 0) {
                SendMessageW(sheet, PSM_SETCURSEL, page, 0);
                SetWindowPos(sheet, HWND_TOP, 20, 20, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
                RedrawWindow(sheet, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
                RECT rect{};
                GetWindowRect(sheet, &rect);
                std::printf("sheet at %ld,%ld size %ldx%ld\n", rect.left, rect.top, rect.right - rect.left,
                            rect.bottom - rect.top);
                std::fflush(stdout);
                Sleep(static_cast<DWORD>(hold) * 1000);
            }
            PostMessageW(sheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
            host.join();
        }
    }
    loader.unload();
    std::sort(ms.begin(), ms.end());
    std::printf("open the settings sheet: median %.1f ms, fastest %.1f ms, slowest %.1f ms over %d runs\n",
                ms[ms.size() / 2], ms.front(), ms.back(), runs);
    return 0;
}
