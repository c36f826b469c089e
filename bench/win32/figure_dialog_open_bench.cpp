// Times opening the figure dialog in the stand-in host: its command sent to
// the main window until the dialog shows, filled from the stored choices;
// then Cancel closes it.
//
//   figure_dialog_open_bench [runs] [--hold SECONDS] [--input] [--figure RECORD] [--file NAME]
//
// --input opens the included-file dialog instead; --figure stores RECORD
// (fields separated by ',') as the figure dialog's defaults first; --file
// NAME is typed into the file box while the dialog is held.
// With --hold it leaves the dialog open that long after the last run, at
// the top-left of the screen, and prints its screen rectangle (for a
// screenshot).
#include "base/win32/wide.h"
#include "host/editor_thread.h"
#include "tests/wine/plugin_test_support.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr UINT FigureCommand = 41036;
constexpr UINT InputCommand = 41037;
// A control only the figure (input) dialog has.
int markerControl = 1247;

// Polls for up to limitMs; the dialog runs its own loop on the editor's thread.
HWND waitForDialog(EditorThread& e, DWORD limitMs) {
    DWORD start = GetTickCount();
    for (;;) {
        if (HWND d = host_test::windowWithControl(e.threadId(), markerControl)) return d;
        if (GetTickCount() - start > limitMs) return nullptr;
        Sleep(1);
    }
}

} // namespace

int main(int argc, char** argv) {
    int runs = 20;
    int hold = 0;
    bool input = false;
    std::string record;
    std::wstring file;   // put into the file box before the screenshot (ASCII)
    for (int i = 1; i < argc; ++i) {
        if (std::string(argv[i]) == "--hold" && i + 1 < argc) hold = std::atoi(argv[++i]);
        else if (std::string(argv[i]) == "--input") input = true;
        else if (std::string(argv[i]) == "--file" && i + 1 < argc) file.assign(argv[i + 1], argv[i + 1] + std::strlen(argv[i + 1])), ++i;
        else if (std::string(argv[i]) == "--figure" && i + 1 < argc) record = argv[++i];
        else runs = std::max(1, std::atoi(argv[i]));
    }
    if (input) markerControl = 1246;
    std::replace(record.begin(), record.end(), ',', '\t');
    TempDir dir;
    if (!dir.ok() || !plugin_test::install(dir, plugin_test::languageFromEnvironment())) {
        std::fprintf(stderr, "build the dist target first\n");
        return 1;
    }
    std::wstring ini = plugin_test::path(dir, L"Vexa2.ini");
    WritePrivateProfileStringW(L"BasicSettings", L"Window", L"3", ini.c_str());
    if (!record.empty()) {
        std::wstring text(record.begin(), record.end());   // ASCII fields
        WritePrivateProfileStringW(L"Settings", L"Figure", text.c_str(), ini.c_str());
    }
    // A saved document, so that every name style is offered.
    dir.write(u"main.tex", "\\documentclass{article}\r\n");
    PluginLoader loader;
    if (!loader.load(plugin_test::path(dir, L"vexa2.dll"))) {
        std::fprintf(stderr, "the plug-in did not load\n");
        return 1;
    }
    {
        EditorWindowOptions o;
        o.path = wide::w(dir.file(u"main.tex"));
        EditorThread e(o);
        if (!e.started()) return 1;
        e.run([&](EditorView&) { loader.onCommand(e.editor()); });
        HWND main = host_test::floatingMainWindow(e.threadId());
        if (!main) {
            std::fprintf(stderr, "no main window\n");
            return 1;
        }
        std::vector<double> ms;
        for (int r = 0; r < runs; ++r) {
            auto start = std::chrono::steady_clock::now();
            PostMessageW(main, WM_COMMAND, MAKEWPARAM(input ? InputCommand : FigureCommand, BN_CLICKED), 0);
            HWND dialog = waitForDialog(e, 30000);
            if (dialog) RedrawWindow(dialog, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
            std::chrono::duration<double, std::milli> spent = std::chrono::steady_clock::now() - start;
            if (!dialog) {
                std::fprintf(stderr, "the figure dialog did not open\n");
                return 1;
            }
            ms.push_back(spent.count());
            if (r + 1 == runs && hold > 0) {
                SetWindowPos(dialog, HWND_TOP, 20, 20, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
                RedrawWindow(dialog, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
                RECT rect{};
                GetWindowRect(dialog, &rect);
                if (!file.empty()) SetDlgItemTextW(dialog, input ? 1201 : 1258, file.c_str());
                std::printf("dialog at %ld,%ld size %ldx%ld\n", rect.left, rect.top, rect.right - rect.left,
                            rect.bottom - rect.top);
                std::fflush(stdout);
                Sleep(static_cast<DWORD>(hold) * 1000);
            }
            PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
            DWORD closing = GetTickCount();
            while (IsWindow(dialog) && GetTickCount() - closing < 30000) Sleep(1);
        }
        std::sort(ms.begin(), ms.end());
        std::printf("open the %s dialog: median %.1f ms, fastest %.1f ms, slowest %.1f ms over %d runs\n",
                    input ? "input" : "figure", ms[ms.size() / 2], ms.front(), ms.back(), runs);
        e.run([&](EditorView&) { loader.onCommand(e.editor()); });
    }
    loader.unload();
    return 0;
}
