// The user menu as data: the definition string the user arranges in the
// menu editor, parsed into items, laid out into nested menus, and written
// back. A definition is tab-separated items; each item is a run of dots
// (its depth) followed by "*" and a title, or by a command index (negative
// for a separator). The first item names the menu itself.
#pragma once
#include "base/text.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace user_menu {

constexpr int32_t MaxDepth = 10;
constexpr size_t DefinitionLimit = 10240;  // characters kept in the setting
constexpr size_t TitleLimit = 89;          // the menu's title as a command text
constexpr int32_t Separator = -1;
constexpr uint32_t OwnCommand = 41414;  // the command that opens the user menu

struct Item {
    enum class Kind { Title, Command };
    Kind kind = Kind::Command;
    int32_t depth = 0;         // 0 to MaxDepth
    int32_t command = Separator;  // command index (toolbar table); Separator for a separator
    u16 title;                 // titles only
    bool isTitle() const { return kind == Kind::Title; }
    bool isSeparator() const { return kind == Kind::Command && command < 0; }
};

// The accepted items of definition in order. Items empty after their dots,
// command indexes without a command and repeated commands are dropped; an
// index that is not a number reads as far as its digits go (none: 0).
std::vector<Item> parse(u16view definition);

// The menu's own title: the first item's title, cut to TitleLimit; empty
// when the first item is not a title.
u16 menuTitle(const std::vector<Item>& items);

// Where each item after the first goes: parent is the index (in items) of
// the title whose submenu holds it, or -1 for the pop-up itself. Items at
// depth 0, or deeper than any open submenu, have no place and are left out.
struct Placement {
    size_t item = 0;
    int32_t parent = -1;
};
std::vector<Placement> layout(const std::vector<Item>& items);

// The command indexes the menu editor offers to add: those with a command
// and a text (hasText) that are not in items yet, in index order. The user
// menu's own command is never offered: it would open itself.
std::vector<int32_t> addableCommands(const std::vector<Item>& items, bool (*hasText)(uint32_t command));

// The definition string of items: what the menu editor stores.
u16 toDefinition(const std::vector<Item>& items);

} // namespace user_menu
