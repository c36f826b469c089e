// Where the floating windows (outline, palettes, and the main window when
// it floats) open, how their place is remembered, and how they follow the
// host frame. Rectangles are in screen pixels; the host frame is the top
// level window around the host editor.
#pragma once
#include "base/text.h"
#include "settings/setting.h"

#include <cstdint>
#include <optional>

namespace subwindow_geometry {

// Side of the square a window gets when nothing usable was saved.
constexpr int32_t DefaultSize = 350;
// Smallest size the user can drag a sub-window to.
constexpr int32_t MinimumSize = 100;

enum class Mode {
    DefaultCorner,   // bottom-right corner of the frame
    SavedAbsolute,   // name + "_abs"
    SavedRelative,   // name + "_rel", relative to the frame's top-left corner
};
// (BasicSettings, SubWindow): 0, 1, and anything else acts as 2.
Mode modeFromSetting(int32_t value);

struct Offset {
    int32_t dx = 0, dy = 0;
};

Rect moved(const Rect& r, Offset by);
Rect defaultCorner(const Rect& frame);
Rect toRelative(const Rect& window, const Rect& frame);
Rect fromRelative(const Rect& relative, const Rect& frame);

// The window's rectangle on opening. saved is the rectangle of the mode
// (ignored in DefaultCorner); absent, empty, inverted or absurdly distant
// ones fall back to the default corner.
Rect place(Mode mode, const Rect& frame, const std::optional<Rect>& saved);

// Moves (never resizes) the window into a screen area of width x height
// whose top-left is 0,0: bottom and right edges first, then top and left,
// so a window larger than the area keeps its top-left corner visible. A
// non-positive area leaves the window where it is.
Rect keepOnScreen(const Rect& window, int32_t width, int32_t height);

// The area keepOnScreen uses: the full-screen client area, one caption
// taller (the caption is not part of the full-screen client height).
struct ScreenArea {
    int32_t width = 0, height = 0;
};
ScreenArea screenArea(int32_t fullScreenWidth, int32_t fullScreenHeight, int32_t captionHeight);

// Reads (BasicSettings, SubWindow), the saved rectangle it asks for and
// (BasicSettings, SubCompleteVisible), and gives the rectangle to open
// the window named name at.
Rect placeFromSettings(CSetting& settings, u16view name, const Rect& frame, ScreenArea screen);
// The saved rectangle of name for mode, if a usable one exists.
std::optional<Rect> readSaved(CSetting& settings, u16view name, Mode mode);
// Stores name + "_abs" and name + "_rel" in one batch. Nothing is stored
// while the frame is minimised (its place then is off-screen); the result
// is whether both rectangles were written.
bool savePlace(CSetting& settings, u16view name, const Rect& window, const Rect& frame, bool frameMinimised);

// (BasicSettings, AutoMove) bits.
constexpr int32_t MainFollows = 1;
constexpr int32_t SubWindowsFollow = 2;

// Remembers the frame's top-left corner so that a move of the frame can
// be passed on to the windows that follow it.
class FrameFollower {
public:
    // Records the corner without moving anything (hooks installed, or the
    // window rebound to another editor).
    void remember(int32_t left, int32_t top);
    // The frame now stands at left, top. A maximized frame is not followed
    // and its corner is not taken over. Without a remembered corner the
    // corner is only recorded.
    std::optional<Offset> frameMoved(int32_t left, int32_t top, bool maximized);

private:
    std::optional<Offset> corner_;   // as an offset from the screen origin
};

} // namespace subwindow_geometry
