#include "outline/subwindow_geometry.h"

#include "settings/setting_keys.h"

namespace subwindow_geometry {
namespace {

// Far beyond any screen; keeps the arithmetic on an edited value in range.
constexpr int32_t FarAway = 1 << 20;

bool inReach(int32_t v) { return v > -FarAway && v < FarAway; }

bool usable(const Rect& r) {
    return inReach(r.left) && inReach(r.top) && inReach(r.right) && inReach(r.bottom) && r.right > r.left &&
           r.bottom > r.top;
}

u16 keyOf(u16view name, const char16_t* suffix) { return u16(name) + suffix; }

} // namespace

Mode modeFromSetting(int32_t value) {
    if (value == 0) return Mode::DefaultCorner;
    if (value == 1) return Mode::SavedAbsolute;
    return Mode::SavedRelative;
}

Rect moved(const Rect& r, Offset by) {
    return Rect{r.left + by.dx, r.top + by.dy, r.right + by.dx, r.bottom + by.dy};
}

Rect defaultCorner(const Rect& frame) {
    return Rect{frame.right - DefaultSize, frame.bottom - DefaultSize, frame.right, frame.bottom};
}

Rect toRelative(const Rect& window, const Rect& frame) { return moved(window, {-frame.left, -frame.top}); }

Rect fromRelative(const Rect& relative, const Rect& frame) { return moved(relative, {frame.left, frame.top}); }

Rect place(Mode mode, const Rect& frame, const std::optional<Rect>& saved) {
    bool have = saved && usable(*saved);
    switch (mode) {
    case Mode::SavedAbsolute:
        return have ? *saved : defaultCorner(frame);
    case Mode::SavedRelative:
        // The default, made relative, lands on the same corner.
        return fromRelative(have ? *saved : toRelative(defaultCorner(frame), frame), frame);
    case Mode::DefaultCorner:
        break;
    }
    return defaultCorner(frame);
}

Rect keepOnScreen(const Rect& window, int32_t width, int32_t height) {
    if (width <= 0 || height <= 0) return window;
    Offset by;
    if (window.bottom > height) by.dy = height - window.bottom;
    if (window.top + by.dy < 0) by.dy = -window.top;
    if (window.right > width) by.dx = width - window.right;
    if (window.left + by.dx < 0) by.dx = -window.left;
    return moved(window, by);
}

ScreenArea screenArea(int32_t fullScreenWidth, int32_t fullScreenHeight, int32_t captionHeight) {
    return ScreenArea{fullScreenWidth, fullScreenHeight + captionHeight};
}

std::optional<Rect> readSaved(CSetting& settings, u16view name, Mode mode) {
    if (mode == Mode::DefaultCorner) return std::nullopt;
    const char16_t* suffix =
        mode == Mode::SavedAbsolute ? ini_keys::window_pos::AbsoluteSuffix : ini_keys::window_pos::RelativeSuffix;
    Rect r;
    if (!settings.readRect(ini_keys::window_pos::Section, keyOf(name, suffix).c_str(), r) || !usable(r))
        return std::nullopt;
    return r;
}

Rect placeFromSettings(CSetting& settings, u16view name, const Rect& frame, ScreenArea screen) {
    Mode mode = modeFromSetting(settings.readInt(ini_keys::basic::Section, ini_keys::basic::SubWindow, 2));
    Rect r = place(mode, frame, readSaved(settings, name, mode));
    if (settings.readInt(ini_keys::basic::Section, ini_keys::basic::SubCompleteVisible, 0) == 1)
        r = keepOnScreen(r, screen.width, screen.height);
    return r;
}

bool savePlace(CSetting& settings, u16view name, const Rect& window, const Rect& frame, bool frameMinimised) {
    if (frameMinimised) return false;
    using namespace ini_keys::window_pos;
    settings.beginBatch();
    int a = settings.writeRect(Section, keyOf(name, AbsoluteSuffix).c_str(), window);
    int r = settings.writeRect(Section, keyOf(name, RelativeSuffix).c_str(), toRelative(window, frame));
    bool written = settings.endBatch();
    return written && a && r;
}

void FrameFollower::remember(int32_t left, int32_t top) { corner_ = Offset{left, top}; }

std::optional<Offset> FrameFollower::frameMoved(int32_t left, int32_t top, bool maximized) {
    if (maximized) return std::nullopt;
    std::optional<Offset> before = corner_;
    corner_ = Offset{left, top};
    if (!before) return std::nullopt;
    return Offset{left - before->dx, top - before->dy};
}

} // namespace subwindow_geometry
