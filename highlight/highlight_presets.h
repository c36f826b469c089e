// The twelve highlight items every installation has. Their patterns are
// regular expressions in the host editor's search syntax, so each
// backslash of LaTeX is written twice.
#pragma once
#include "base/text.h"

#include <cstdint>
#include <span>

namespace highlight_presets {

struct Preset {
    int32_t id;                 // 1-12, the (Highlight, Item) value
    uint32_t nameId;            // display name in the language library
    const char16_t* pattern;
};

constexpr int32_t FirstId = 1;
constexpr int32_t LastId = 12;
// (Highlight, Item) when nothing was chosen: every sectioning command.
constexpr int32_t DefaultItem = 8;

std::span<const Preset> all();
// Null for identifiers outside 1-12 (user items are kept elsewhere).
const Preset* find(int32_t id);

} // namespace highlight_presets
