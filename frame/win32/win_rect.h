// Between the system's rectangles and the core's (settings::Rect-shaped,
// used by the placement and geometry logic).
#pragma once
#include "settings/setting.h"

#include <windows.h>

namespace win_rect {

inline Rect of(const RECT& r) { return Rect{r.left, r.top, r.right, r.bottom}; }

// window's outer rectangle in the client coordinates of area.
inline Rect inClient(HWND window, HWND area) {
    RECT r{};
    GetWindowRect(window, &r);
    MapWindowPoints(nullptr, area, reinterpret_cast<POINT*>(&r), 2);
    return of(r);
}

} // namespace win_rect
