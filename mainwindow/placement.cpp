#include "mainwindow/placement.h"

#include "outline/subwindow_geometry.h"

#include <algorithm>
#include <cstdlib>

namespace placement {

Placement fromSetting(int32_t value) {
    if (value < 0 || value > 6) return Placement::Docked;
    return static_cast<Placement>(value);
}

Rect savedPlace(CSetting& settings, Placement placement, const Rect& frame) {
    using subwindow_geometry::Mode;
    Mode mode = placement == Placement::SavedRelative ? Mode::SavedRelative : Mode::SavedAbsolute;
    return subwindow_geometry::place(mode, frame, subwindow_geometry::readSaved(settings, PlaceName, mode));
}

int32_t columnWidth(int32_t buttonWidth, int32_t frameWidth) { return buttonWidth + 2 * frameWidth; }

int32_t toolbarWidth(int32_t windowWidth, int32_t frameWidth) {
    return std::max<int32_t>(0, windowWidth - 2 * frameWidth);
}

int32_t floatingHeight(int32_t smallCaptionHeight, int32_t lastButtonBottom, int32_t frameHeight) {
    return smallCaptionHeight + lastButtonBottom + 2 * frameHeight;
}

SizeLimits sizeLimits(int32_t columnWidth, int32_t windowHeight) {
    return SizeLimits{columnWidth, windowHeight, windowHeight};
}

Rect above(const Rect& frame, int32_t height) {
    return Rect{frame.left, frame.top - height, frame.right, frame.top};
}

Rect below(const Rect& frame, int32_t height) {
    return Rect{frame.left, frame.bottom, frame.right, frame.bottom + height};
}

int32_t sideWidth(int32_t columnWidth, int32_t frameHeight, const std::function<int32_t(int32_t width)>& heightAt) {
    int32_t width = columnWidth;
    if (!heightAt) return width;
    for (int32_t step = 0; step < MaxWidening && heightAt(width) >= frameHeight; ++step) width += columnWidth;
    return width;
}

Rect leftOf(const Rect& frame, int32_t width, int32_t height) {
    return Rect{frame.left - width, frame.top, frame.left, frame.top + height};
}

Rect rightOf(const Rect& frame, int32_t width, int32_t height) {
    return Rect{frame.right, frame.top, frame.right + width, frame.top + height};
}

BandRows bandRows(int32_t lines) {
    lines = std::clamp<int32_t>(lines, 1, MaxLines);
    return BandRows{lines == 1 ? 3 : 1, 2 * lines - 1};
}

int32_t bandChildHeight(int32_t toolbarHeight) { return toolbarHeight + 3; }

bool buttonHeightChanged(int32_t recordedHeight, int32_t currentHeight) {
    return std::abs(static_cast<int64_t>(currentHeight) - recordedHeight) > ButtonHeightSlack;
}

BandInsert bandInsert(const Rect& saved) {
    BandInsert out;
    if (saved.left < 0 || saved.top < 0) return out;
    if (saved.right > saved.left) out.width = saved.right - saved.left;
    if (saved.left == 0 && saved.top == 0) {
        out.kind = BandInsert::First;
    } else {
        out.kind = BandInsert::AtPoint;
        out.x = saved.left;
        out.y = saved.top;
    }
    return out;
}

} // namespace placement
