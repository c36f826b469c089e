// The seven functions the host editor calls, as the plug-in exports them
// and as the host (and the tests) import them through GetProcAddress.
#pragma once
#include "frame/host_messages.h"   // the event bits of OnEvents

#include <windows.h>

extern "C" {
typedef LRESULT(WINAPI* OnCommandFn)(HWND editor);
typedef BOOL(WINAPI* QueryStatusFn)(HWND editor, BOOL* checked);
typedef LRESULT(WINAPI* OnEventsFn)(HWND editor, UINT events, LPARAM lParam);
typedef UINT(WINAPI* GetMenuTextIDFn)();
typedef UINT(WINAPI* GetStatusMessageIDFn)();
typedef UINT(WINAPI* GetBitmapIDFn)();
typedef LRESULT(WINAPI* PlugInProcFn)(HWND editor, UINT code, WPARAM wParam, LPARAM lParam);
}
