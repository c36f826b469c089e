// The key dispatcher on the host's thread: the keyboard's state, the
// focus, the input method and the main window's windows and commands.
#pragma once
#include "mainwindow/key_dispatch.h"

#include <cstdint>
#include <string>
#include <windows.h>

class MainWindow;

namespace key_dispatch_win32 {

// Offers one key going down (its virtual-key code) to the dispatcher;
// true when it was used and the host must not see it.
bool offer(MainWindow& window, const SupportKeys& keys, WPARAM virtualKey);

// The tool tip's line with the shortcut key of command: CR LF and the
// key's name, or empty when no key runs it.
std::wstring tipLine(const SupportKeys& keys, uint32_t command);

} // namespace key_dispatch_win32
