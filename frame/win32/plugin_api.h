// The seven functions the host editor calls, as the plug-in exports them
// and as the host (and the tests) import them through GetProcAddress.
#pragma once
#include <windows.h>

// Event bits of OnEvents.
namespace plugin_event {
enum : UINT {
    Idle = 0x40,
    PluginIndex = 0x400,        // LOWORD(lParam): the plug-in's index
    Closing = 0x800,            // the editor window closes
    DocumentOpened = 0x2000,
    Activated = 0x8000,         // window activated or document changed
    PluginIndexAlt = 0x10000,
    ClosingAlt = 0x20000,
    DocumentSwitched = 0x40000,
    DocumentClosed = 0x100000,  // lParam: handle of the closed document
};
} // namespace plugin_event

extern "C" {
typedef LRESULT(WINAPI* OnCommandFn)(HWND editor);
typedef BOOL(WINAPI* QueryStatusFn)(HWND editor, BOOL* checked);
typedef LRESULT(WINAPI* OnEventsFn)(HWND editor, UINT events, LPARAM lParam);
typedef UINT(WINAPI* GetMenuTextIDFn)();
typedef UINT(WINAPI* GetStatusMessageIDFn)();
typedef UINT(WINAPI* GetBitmapIDFn)();
typedef LRESULT(WINAPI* PlugInProcFn)(HWND editor, UINT code, WPARAM wParam, LPARAM lParam);
}
