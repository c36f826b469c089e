// What the exported functions do, callable without going through the DLL
// boundary (OnEvents starts the plug-in by calling onCommand).
#pragma once
#include <windows.h>

namespace entry {

LRESULT onCommand(HWND editor);
LRESULT onEvents(HWND editor, UINT events, LPARAM lParam);
LRESULT plugInProc(HWND editor, UINT code, WPARAM wParam, LPARAM lParam);

} // namespace entry
