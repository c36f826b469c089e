// Geometry of the main window: where each placement puts it around the
// host frame, its floating size rules, and the arithmetic of the band it
// occupies when docked in the host's rebar. The window system measures
// (toolbar heights, system metrics); these functions only compute.
#pragma once
#include "settings/setting.h"

#include <cstdint>
#include <functional>
#include <optional>

namespace placement {

// (BasicSettings, Window).
enum class Placement : int32_t {
    SavedAbsolute = 0,
    SavedRelative = 1,
    Above = 2,
    Below = 3,
    Left = 4,
    Right = 5,
    Docked = 6,
};
// Values outside 0-6 get the default, docked.
Placement fromSetting(int32_t value);

// The name the floating window's place is saved under (WindowPos).
constexpr const char16_t* PlaceName = u"Main";

// Placements 0 and 1: the saved place "Main" (absolute, or relative to
// the frame), read as the sub-windows read theirs; the frame's default
// corner when nothing usable was saved.
Rect savedPlace(CSetting& settings, Placement placement, const Rect& frame);

// Width of one button column of the floating window: a button and the
// window's two side frames.
int32_t columnWidth(int32_t buttonWidth, int32_t frameWidth);

// Floating window: the toolbar fills the client width, and the window is
// exactly as high as the (wrapped) toolbar needs.
int32_t toolbarWidth(int32_t windowWidth, int32_t frameWidth);
int32_t floatingHeight(int32_t smallCaptionHeight, int32_t lastButtonBottom, int32_t frameHeight);

// Sizing limits of the floating window: no narrower than one column, and
// its height fixed.
struct SizeLimits {
    int32_t minWidth = 0, minHeight = 0, maxHeight = 0;
};
SizeLimits sizeLimits(int32_t columnWidth, int32_t windowHeight);

// Placements 2 and 3: the frame's width, just above or below it. height is
// what the window came to at that width.
Rect above(const Rect& frame, int32_t height);
Rect below(const Rect& frame, int32_t height);

// Placements 4 and 5: the width in whole columns. Starting at one column,
// the window widens one column at a time while it is at least as high as
// the frame, at most MaxWidening times. heightAt gives the window's height
// at a width (the toolbar wraps its buttons into that width).
constexpr int32_t MaxWidening = 10;
int32_t sideWidth(int32_t columnWidth, int32_t frameHeight, const std::function<int32_t(int32_t width)>& heightAt);
// Top-aligned with the frame, touching its left or right edge.
Rect leftOf(const Rect& frame, int32_t width, int32_t height);
Rect rightOf(const Rect& frame, int32_t width, int32_t height);

// Docked band. A band of n lines shows 2n - 1 toolbar rows (the rows hold
// buttons and the wrap gaps between them). Before asking for that, the
// toolbar is asked for a row count that resets its wrapping: 3 rows for a
// one-line band, else 1.
struct BandRows {
    int32_t reset = 0, rows = 0;
};
// lines outside 1..MaxLines is taken as the nearest bound.
constexpr int32_t MaxLines = 57;   // 113 rows: one button per row
BandRows bandRows(int32_t lines);
// Minimum child height of the band for the toolbar's height.
int32_t bandChildHeight(int32_t toolbarHeight);
// The toolbar sits this far below the top of the band's child area.
constexpr int32_t BandToolbarTop = 2;
// The timer re-fits the band when the buttons' height has drifted by more
// than this from the height the band was built for (a changed system font
// or theme).
constexpr int32_t ButtonHeightSlack = 2;
bool buttonHeightChanged(int32_t recordedHeight, int32_t currentHeight);

// Where a band goes in the rebar, from (WindowPos, Rebar).
struct BandInsert {
    enum Kind { Last, First, AtPoint } kind = Last;
    int32_t x = 0, y = 0;      // AtPoint: the rebar point to hit-test
    std::optional<int32_t> width;  // the saved band width, when a place was saved
};
BandInsert bandInsert(const Rect& saved);
// The value (WindowPos, Rebar) has when nothing was saved.
constexpr Rect NoBandPlace{-1, -1, -1, -1};

} // namespace placement
