// The highlight button's drop-down menu as data: its items top to bottom
// and what kind of choice an identifier is. The shell turns the items into
// a popup menu and carries the choice out (it needs questions, dialogs and
// the shared status).
#pragma once
#include "base/text.h"

#include <cstdint>
#include <vector>

class Highlight;

namespace highlight_menu_model {

// Identifiers of the items that are not highlight items; New shares the
// number of the toolbar button.
enum : uint32_t {
    New = 41124,
    Edit = 41125,
    Delete = 41126,
    Help = 41127,
    Clear = 41128,
};
// The first entries that carry an accelerator prefix.
constexpr size_t AcceleratedItems = 36;

struct Item {
    uint32_t id = 0;        // 0 for a separator
    u16 text;               // highlight items: accelerator prefix and name
    uint32_t textId = 0;    // the other items: a text of the language library
    bool checked = false;
    bool grayed = false;
    bool separator() const { return id == 0; }
};

// The presets' names come from presetNames[i] for preset i + 1 (twelve).
std::vector<Item> build(const std::vector<u16>& presetNames, const Highlight& store, int32_t activeItem);

enum class Choice {
    Nothing,     // no item chosen, or one this menu does not have
    Preset,      // 1-99
    UserItem,    // 100-41123
    New,
    Edit,
    Delete,
    Help,
    Clear,
};
Choice classify(uint32_t id);

} // namespace highlight_menu_model
