// A second host process for the main window's tests: one editor thread
// whose window keeps its messages (and so the main window's timer) going.
//   mainwindow_peer <dll> <ready event> <done event>
//       loads the plug-in, opens its window for a bare window of its own
//       (place it with the settings: there is no rebar to dock into),
//       signals ready, runs its messages until done is set, closes the
//       window. Exit code 0; 103 when the window did not open, 105 when
//       done never came.
#include "frame/win32/plugin_api.h"

#include <string>
#include <windows.h>
#include <shellapi.h>

namespace {

bool pluginWindowOpen(QueryStatusFn queryStatus, HWND editor) {
    BOOL flag = 0;
    queryStatus(editor, &flag);
    return flag == 1;
}

// Runs this thread's messages until done is set or the limit passes.
bool runUntil(HANDLE done, DWORD limitMs) {
    DWORD start = GetTickCount();
    for (;;) {
        DWORD left = limitMs - (GetTickCount() - start);
        if (static_cast<int>(left) <= 0) return false;
        DWORD r = MsgWaitForMultipleObjects(1, &done, FALSE, left, QS_ALLINPUT);
        if (r == WAIT_OBJECT_0) return true;
        if (r != WAIT_OBJECT_0 + 1) return false;
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }
}

} // namespace

int main() {
    int argc = 0;
    wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    if (!argv || argc < 4) return 100;
    HMODULE dll = LoadLibraryW(argv[1]);
    if (!dll) return 101;
    auto onCommand = reinterpret_cast<OnCommandFn>(reinterpret_cast<void*>(GetProcAddress(dll, "OnCommand")));
    auto queryStatus =
        reinterpret_cast<QueryStatusFn>(reinterpret_cast<void*>(GetProcAddress(dll, "QueryStatus")));
    HWND editor = CreateWindowW(L"STATIC", L"peer", WS_POPUP | WS_VISIBLE, 600, 400, 300, 200, nullptr, nullptr,
                                nullptr, nullptr);
    HANDLE ready = OpenEventW(EVENT_MODIFY_STATE, FALSE, argv[2]);
    HANDLE done = OpenEventW(SYNCHRONIZE, FALSE, argv[3]);
    if (!onCommand || !queryStatus || !editor || !ready || !done) return 102;
    onCommand(editor);
    if (!pluginWindowOpen(queryStatus, editor)) return 103;
    SetEvent(ready);
    bool finished = runUntil(done, 60000);
    onCommand(editor);
    DestroyWindow(editor);
    FreeLibrary(dll);
    return finished ? 0 : 105;
}
