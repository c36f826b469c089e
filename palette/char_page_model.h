// What the palette's settings page edits, apart from its window: for each
// of the seventeen categories where the all-categories command shows it
// (on a tab, in a window of its own, or not at all), and whether the
// palette and the detached windows close after an insertion.
#pragma once
#include "settings/setting.h"

#include <array>
#include <cstdint>

namespace char_page {

// The state of a category's three-state box; the numbers are the boxes'
// own check states (unchecked, checked, indeterminate).
enum class Place : int { Hidden = 0, OnTab = 1, Detached = 2 };

constexpr size_t CategoryCount = 17;

struct Values {
    // By category, in mask-bit order: index i is bit 1 << i.
    std::array<Place, CategoryCount> places{};
    bool autoClose = false;
    bool autoCloseSep = false;

    bool operator==(const Values&) const = default;
};

// A category on a tab ("Window") shows checked even when it is in
// "WindowSep" too: the all-categories command never detaches it then.
Place placeOf(uint32_t bit, uint32_t window, uint32_t windowSep);
// The masks the boxes stand for.
uint32_t windowMask(const Values& values);
uint32_t windowSepMask(const Values& values);

// What the reset button gives: every category on a tab, nothing closes.
Values defaults();
Values read(CSetting& settings);
// Replaces the "Char" section with exactly its four keys, in one batch.
bool write(CSetting& settings, const Values& values);

} // namespace char_page
