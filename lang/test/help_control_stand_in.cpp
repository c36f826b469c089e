// Stands in for the HTML Help control in tests: it takes its time to load
// (until the test lets it go), so that two threads can ask for it at once,
// and it records the commands it is given.
#include <windows.h>

namespace {
constexpr UINT DisplayTopic = 0x0000;
constexpr UINT GetWindowType = 0x0005;
constexpr UINT CloseAll = 0x0012;

LONG g_calls[0x20];            // per command number
LONG g_typeAnswered;           // window type queries with a place for the answer
int g_typeDescription;         // what the answer points at
}

extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID) {
    if (reason != DLL_PROCESS_ATTACH) return TRUE;
    // The test waits for "loading" and lets the load end with "release";
    // without a test listening the load ends at once.
    HANDLE loading = OpenEventW(EVENT_MODIFY_STATE, FALSE, L"Vexa2TestHelpLoading");
    HANDLE release = OpenEventW(SYNCHRONIZE, FALSE, L"Vexa2TestHelpRelease");
    if (loading) {
        SetEvent(loading);
        CloseHandle(loading);
    }
    if (release) {
        WaitForSingleObject(release, 10000);
        CloseHandle(release);
    }
    return TRUE;
}

extern "C" __declspec(dllexport) HWND WINAPI HtmlHelpW(HWND, const wchar_t* file, UINT command, DWORD_PTR data) {
    if (command < 0x20) InterlockedIncrement(&g_calls[command]);
    switch (command) {
    case DisplayTopic:
        return file ? GetDesktopWindow() : nullptr;
    case GetWindowType:
        // Answers like the control with one help window of the type open.
        if (!file || !data) return reinterpret_cast<HWND>(-1);
        *reinterpret_cast<const void**>(data) = &g_typeDescription;
        InterlockedIncrement(&g_typeAnswered);
        return GetDesktopWindow();
    case CloseAll:
        return nullptr;
    default:
        return nullptr;
    }
}

// How often command was given; -1 counts answered window type queries.
extern "C" __declspec(dllexport) LONG WINAPI HelpStandInCalls(int command) {
    if (command == -1) return g_typeAnswered;
    return command >= 0 && command < 0x20 ? g_calls[command] : 0;
}
