// The outline window as the main window sees it: command 41042 toggles it,
// the host closing a document may close it.
#pragma once
#include <cstdint>
#include <windows.h>

class MainWindow;

namespace outline_commands {
void toggle(MainWindow& window);                      // command 41042
void documentClosed(MainWindow& window, int32_t document);
} // namespace outline_commands
