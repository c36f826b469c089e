// The toolbar layout as users keep it in (Settings, Toolbar): button
// indices separated by commas, a negative number standing for a separator.
#pragma once
#include "base/text.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

class CSetting;

namespace toolbar_layout {

constexpr int32_t Separator = -1;
// The stored text is read into this many characters; a longer value is cut.
constexpr size_t ReadCapacity = 1130;

// The buttons to add, in order: a button index (0-112) or Separator.
// Empty items, items that are not numbers, indices without a button and
// indices already taken are left out; any negative number is a separator.
std::vector<int32_t> parse(u16view text);
// The text that parse reads back to items (separators written as -1).
u16 format(std::span<const int32_t> items);

std::vector<int32_t> defaultItems();

// (Settings, Toolbar), or the default layout when the key is missing. An
// empty value is an empty toolbar, not the default.
std::vector<int32_t> load(CSetting& settings);
bool save(CSetting& settings, std::span<const int32_t> items);

} // namespace toolbar_layout
