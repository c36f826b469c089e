// What the dialog-opening benchmarks share: the plug-in installed in a
// temporary folder with the toolbar floating, a document open in the
// stand-in host, and one dialog opened by its command again and again,
// timed until it is painted, then closed with Cancel.
//
//   <bench> [runs] [--hold SECONDS] [the bench's own flags]
//
// With --hold the last dialog stays open that long at the top-left of the
// screen, and its screen rectangle is printed (for a screenshot).
#pragma once
#include "base/win32/wide.h"
#include "host/editor_thread.h"
#include "tests/wine/plugin_test_support.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

namespace dialog_bench {

struct Dialog {
    UINT command;
    int markerControl;  // a control only this dialog has
    std::string name;   // "document class": "open the document class dialog"
};

struct Options {
    int runs = 20;
    int hold = 0;
};

// Reads "[runs] [--hold SECONDS]"; an argument `own` takes is the bench's.
inline Options parse(int argc, char** argv, const std::function<bool(const std::string&)>& own = nullptr) {
    Options o;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        if (arg == "--hold" && i + 1 < argc) o.hold = std::atoi(argv[++i]);
        else if (own && own(arg)) continue;
        else o.runs = std::max(1, std::atoi(argv[i]));
    }
    return o;
}

// Polls for up to limitMs; the dialog runs its own loop on the editor's thread.
inline HWND waitForDialog(EditorThread& e, int markerControl, DWORD limitMs) {
    DWORD start = GetTickCount();
    for (;;) {
        if (HWND d = host_test::windowWithControl(e.threadId(), markerControl)) return d;
        if (GetTickCount() - start > limitMs) return nullptr;
        Sleep(1);
    }
}

inline void holdForScreenshot(HWND dialog, int seconds) {
    SetWindowPos(dialog, HWND_TOP, 20, 20, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
    RedrawWindow(dialog, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    RECT rect{};
    GetWindowRect(dialog, &rect);
    std::printf("dialog at %ld,%ld size %ldx%ld\n", rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
    std::fflush(stdout);
    Sleep(static_cast<DWORD>(seconds) * 1000);
}

// Runs the benchmark on a document "main.tex" holding `document`; before
// the hold, `beforeHold` may set the dialog up for the screenshot. Returns
// the program's exit code.
inline int run(const Options& o, const Dialog& d, const std::string& document,
               const std::function<void(HWND)>& beforeHold = nullptr) {
    TempDir dir;
    if (!dir.ok() || !plugin_test::install(dir, plugin_test::languageFromEnvironment())) {
        std::fprintf(stderr, "build the dist target first\n");
        return 1;
    }
    std::wstring ini = plugin_test::path(dir, L"Vexa2.ini");
    WritePrivateProfileStringW(L"BasicSettings", L"Window", L"3", ini.c_str());
    dir.write(u"main.tex", document);
    PluginLoader loader;
    if (!loader.load(plugin_test::path(dir, L"vexa2.dll"))) {
        std::fprintf(stderr, "the plug-in did not load\n");
        return 1;
    }
    {
        EditorWindowOptions eo;
        eo.path = wide::w(dir.file(u"main.tex"));
        EditorThread e(eo);
        if (!e.started()) return 1;
        e.run([&](EditorView&) { loader.onCommand(e.editor()); });
        HWND main = host_test::floatingMainWindow(e.threadId());
        if (!main) {
            std::fprintf(stderr, "no main window\n");
            return 1;
        }
        std::vector<double> ms;
        for (int r = 0; r < o.runs; ++r) {
            auto start = std::chrono::steady_clock::now();
            PostMessageW(main, WM_COMMAND, MAKEWPARAM(d.command, BN_CLICKED), 0);
            HWND dialog = waitForDialog(e, d.markerControl, 30000);
            if (dialog) RedrawWindow(dialog, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
            std::chrono::duration<double, std::milli> spent = std::chrono::steady_clock::now() - start;
            if (!dialog) {
                std::fprintf(stderr, "the %s dialog did not open\n", d.name.c_str());
                return 1;
            }
            ms.push_back(spent.count());
            if (r + 1 == o.runs && o.hold > 0) {
                if (beforeHold) beforeHold(dialog);
                holdForScreenshot(dialog, o.hold);
            }
            PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
            DWORD closing = GetTickCount();
            while (IsWindow(dialog) && GetTickCount() - closing < 30000) Sleep(1);
        }
        std::sort(ms.begin(), ms.end());
        std::printf("open the %s dialog: median %.1f ms, fastest %.1f ms, slowest %.1f ms over %d runs\n",
                    d.name.c_str(), ms[ms.size() / 2], ms.front(), ms.back(), o.runs);
        e.run([&](EditorView&) { loader.onCommand(e.editor()); });
    }
    loader.unload();
    return 0;
}

} // namespace dialog_bench
