#include "outline/win32/subwindow_host.h"

namespace subwindow_host {

void moveBy(HWND window, int dx, int dy) {
    RECT r{};
    if (!window || !IsWindow(window) || !GetWindowRect(window, &r)) return;
    SetWindowPos(window, nullptr, r.left + dx, r.top + dy, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOOWNERZORDER | SWP_NOACTIVATE);
}

void moveBy(std::span<const HWND> windows, int dx, int dy) {
    for (HWND w : windows) moveBy(w, dx, dy);
}

int showWithHost(std::span<const HWND> windows, bool show) {
    int changed = 0;
    for (HWND w : windows) {
        if (!w || !IsWindow(w) || (IsWindowVisible(w) != 0) == show) continue;
        ShowWindow(w, show ? SW_SHOWNA : SW_HIDE);
        ++changed;
    }
    return changed;
}

} // namespace subwindow_host
