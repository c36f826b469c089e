// A second host process for the highlighting test: one editor window that
// shows, as its title, what the plug-in last asked of the host's search
// highlighting, so that another process can read it.
//   highlight_peer <dll> <ready event> <done event>
//       loads the plug-in, opens its window for the editor window, signals
//       ready, runs its messages until done is set, closes the window.
//       Exit code 0; 103 when the window did not open, 105 when done never
//       came.
// The title is the pattern of the last highlight request (message 2101,
// command 802), or "<cleared>" after the command that clears it (4206).
#include "frame/host_messages.h"
#include "frame/win32/plugin_api.h"

#include <string>
#include <windows.h>
#include <shellapi.h>

namespace {

LRESULT CALLBACK editorProc(HWND w, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == hostmsg::RunHostCommandWithText && wParam == hostmsg::SearchHighlightCommand) {
        SetWindowTextW(w, reinterpret_cast<const wchar_t*>(lParam));
        return 1;
    }
    if (message == hostmsg::RunHostCommand && static_cast<int32_t>(wParam) == hostmsg::CmdClearHighlight) {
        SetWindowTextW(w, L"<cleared>");
        return 1;
    }
    return DefWindowProcW(w, message, wParam, lParam);
}

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
    WNDCLASSW wc{};
    wc.lpfnWndProc = editorProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"HighlightPeerEditor";
    RegisterClassW(&wc);
    HWND editor = CreateWindowW(L"HighlightPeerEditor", L"", WS_POPUP | WS_VISIBLE, 600, 400, 300, 200, nullptr,
                                nullptr, wc.hInstance, nullptr);
    HANDLE ready = OpenEventW(EVENT_MODIFY_STATE, FALSE, argv[2]);
    HANDLE done = OpenEventW(SYNCHRONIZE, FALSE, argv[3]);
    if (!onCommand || !queryStatus || !editor || !ready || !done) return 102;
    onCommand(editor);
    BOOL open = 0;
    queryStatus(editor, &open);
    if (open != 1) return 103;
    SetEvent(ready);
    bool finished = runUntil(done, 120000);
    onCommand(editor);
    DestroyWindow(editor);
    FreeLibrary(dll);
    return finished ? 0 : 105;
}
