// Where a companion window goes next to the window it belongs to (the
// bibliography detail beside the citation popup, the history beside the
// support window): the first side where it fits inside the editor's client
// area, else at the right. Pure rectangle arithmetic; sizes never change.
#pragma once
#include "settings/setting.h"

#include <array>
#include <span>

namespace place_beside {

enum class Side { Right, Below, Left, Above };

inline constexpr std::array<Side, 4> DetailSides{Side::Right, Side::Below, Side::Left, Side::Above};
inline constexpr std::array<Side, 4> HistorySides{Side::Right, Side::Left, Side::Below, Side::Above};

// window and anchor in the client coordinates of the area's window; area
// is its client rectangle. Returns the window's new rectangle.
Rect place(const Rect& window, const Rect& anchor, const Rect& area, std::span<const Side> preferences);

} // namespace place_beside
