// Times opening the document class dialog in the stand-in host: its
// command sent to the main window until the dialog shows, with the presets
// filled and the first 300 lines of a document without a class line read
// (the longest scan); then Cancel closes it.
//
//   class_dialog_open_bench [runs] [--hold SECONDS]
//
// With --hold it leaves the dialog open that long after the last run, at
// the top-left of the screen, and prints its screen rectangle (for a
// screenshot).
#include "base/win32/wide.h"
#include "host/editor_thread.h"
#include "tests/wine/plugin_test_support.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr UINT ClassCommand = 41001;
// A control only the document class dialog has.
constexpr int markerControl = 1260;

HWND windowOf(EditorThread& e, bool (*wanted)(HWND)) {
    struct Find {
        bool (*wanted)(HWND);
        HWND found = nullptr;
        static BOOL CALLBACK visit(HWND w, LPARAM self) {
            auto* f = reinterpret_cast<Find*>(self);
            if (!f->wanted(w)) return TRUE;
            f->found = w;
            return FALSE;
        }
    } find{wanted};
    EnumThreadWindows(e.threadId(), &Find::visit, reinterpret_cast<LPARAM>(&find));
    return find.found;
}

bool isMainWindow(HWND w) {
    wchar_t cls[32] = {};
    GetClassNameW(w, cls, 32);
    return std::wstring(cls) == L"Vexa2";
}

bool isClassDialog(HWND w) { return IsWindowVisible(w) && GetDlgItem(w, markerControl) != nullptr; }

// Polls for up to limitMs; the dialog runs its own loop on the editor's thread.
HWND waitForDialog(EditorThread& e, DWORD limitMs) {
    DWORD start = GetTickCount();
    for (;;) {
        if (HWND d = windowOf(e, isClassDialog)) return d;
        if (GetTickCount() - start > limitMs) return nullptr;
        Sleep(1);
    }
}

} // namespace

int main(int argc, char** argv) {
    int runs = 20;
    int hold = 0;
    for (int i = 1; i < argc; ++i) {
        if (std::string(argv[i]) == "--hold" && i + 1 < argc) hold = std::atoi(argv[++i]);
        else runs = std::max(1, std::atoi(argv[i]));
    }
    TempDir dir;
    if (!dir.ok() || !plugin_test::install(dir, plugin_test::Language::EnglishConfigured)) {
        std::fprintf(stderr, "build the dist target first\n");
        return 1;
    }
    std::wstring ini = plugin_test::path(dir, L"Vexa2.ini");
    WritePrivateProfileStringW(L"BasicSettings", L"Window", L"3", ini.c_str());
    std::string body;
    for (int i = 0; i < 400; ++i) body += "Some text of the body of the document, line " + std::to_string(i) + ".\r\n";
    dir.write(u"main.tex", body);
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
        HWND main = windowOf(e, isMainWindow);
        if (!main) {
            std::fprintf(stderr, "no main window\n");
            return 1;
        }
        std::vector<double> ms;
        for (int r = 0; r < runs; ++r) {
            auto start = std::chrono::steady_clock::now();
            PostMessageW(main, WM_COMMAND, MAKEWPARAM(ClassCommand, BN_CLICKED), 0);
            HWND dialog = waitForDialog(e, 30000);
            if (dialog) RedrawWindow(dialog, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
            std::chrono::duration<double, std::milli> spent = std::chrono::steady_clock::now() - start;
            if (!dialog) {
                std::fprintf(stderr, "the document class dialog did not open\n");
                return 1;
            }
            ms.push_back(spent.count());
            if (r + 1 == runs && hold > 0) {
                SetWindowPos(dialog, HWND_TOP, 20, 20, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
                RedrawWindow(dialog, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
                RECT rect{};
                GetWindowRect(dialog, &rect);
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
        std::printf("open the document class dialog: median %.1f ms, fastest %.1f ms, slowest %.1f ms over %d runs\n",
                    ms[ms.size() / 2], ms.front(), ms.back(), runs);
        e.run([&](EditorView&) { loader.onCommand(e.editor()); });
    }
    loader.unload();
    return 0;
}
