#include "support/place_beside.h"

namespace place_beside {
namespace {

Rect at(const Rect& window, int32_t left, int32_t top) {
    return Rect{left, top, left + (window.right - window.left), top + (window.bottom - window.top)};
}

Rect beside(const Rect& window, const Rect& anchor, Side side) {
    int32_t width = window.right - window.left, height = window.bottom - window.top;
    switch (side) {
    case Side::Above: return at(window, anchor.left, anchor.top - height);
    case Side::Below: return at(window, anchor.left, anchor.bottom);
    case Side::Left: return at(window, anchor.left - width, anchor.top);
    case Side::Right: break;
    }
    return at(window, anchor.right, anchor.top);
}

// Each side checks only the edge it grows towards.
bool fits(const Rect& r, const Rect& area, Side side) {
    switch (side) {
    case Side::Above: return r.top >= area.top;
    case Side::Below: return r.bottom <= area.bottom;
    case Side::Left: return r.left >= area.left;
    case Side::Right: break;
    }
    return r.right <= area.right;
}

} // namespace

Rect place(const Rect& window, const Rect& anchor, const Rect& area, std::span<const Side> preferences) {
    for (Side side : preferences) {
        Rect r = beside(window, anchor, side);
        if (fits(r, area, side)) return r;
    }
    return beside(window, anchor, Side::Right);
}

} // namespace place_beside
