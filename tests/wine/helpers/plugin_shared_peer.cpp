// A second (third, ...) process for the plug-in's shared-section tests.
//   plugin_shared_peer <dll> open <ready event> <done event>
//       loads the plug-in, opens its window for a window of its own,
//       signals ready, waits for done, closes the window; exit code 0.
//   plugin_shared_peer <dll> count
//       exit code: the open-window count all processes share.
#include "frame/win32/plugin_api.h"
#include "tests/wine/plugin_test_support.h"

#include <string>
#include <windows.h>
#include <shellapi.h>

int main() {
    int argc = 0;
    wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    if (!argv || argc < 3) return 100;
    HMODULE dll = LoadLibraryW(argv[1]);
    SharedState* shared = plugin_test::sharedSection(dll);
    if (!shared) return 101;
    std::wstring mode = argv[2];
    if (mode == L"count") return shared->openWindowCount;
    if (mode != L"open" || argc < 5) return 102;
    auto onCommand = reinterpret_cast<OnCommandFn>(reinterpret_cast<void*>(GetProcAddress(dll, "OnCommand")));
    HWND window = CreateWindowW(L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    if (!onCommand || !window) return 103;
    HANDLE ready = OpenEventW(EVENT_MODIFY_STATE, FALSE, argv[3]);
    HANDLE done = OpenEventW(SYNCHRONIZE, FALSE, argv[4]);
    if (!ready || !done) return 104;
    onCommand(window);
    SetEvent(ready);
    DWORD waited = WaitForSingleObject(done, 60000);
    onCommand(window);
    DestroyWindow(window);
    FreeLibrary(dll);
    return waited == WAIT_OBJECT_0 ? 0 : 105;
}
