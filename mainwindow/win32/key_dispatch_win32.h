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

// The name of the command's shortcut key in the thread's table; empty when
// it has none (or shortcut keys are off).
u16 shortcutName(const SupportKeys& keys, uint32_t command);

} // namespace key_dispatch_win32
