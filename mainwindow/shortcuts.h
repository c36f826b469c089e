// Shortcut keys: one key per slot, a slot for each toolbar command (in the
// toolbar table's order) and one for each of the user strings 1-50, kept
// in the "ShortCut" section as the differences from the default keys.
#pragma once
#include "mainwindow/key_code.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <map>

class CSetting;

namespace shortcuts {

constexpr size_t CommandSlots = 113;        // the toolbar's buttons
constexpr size_t UserStringSlots = 50;      // user strings 1-50
constexpr size_t SlotCount = CommandSlots + UserStringSlots;

using Keys = std::array<KeyCode, SlotCount>;
// Key -> command identifier.
using Table = std::map<KeyCode, uint32_t>;

// The command a slot runs: the toolbar command of that index, then the
// user-string commands; 0 outside the slots.
uint32_t commandOfSlot(size_t slot);

Keys defaultShortcuts();
// Every slot's key: the stored one, or the default where none is stored
// (a stored 0 clears the key).
Keys readShortcuts(CSetting& settings);
// Rewrites the section in one file write: "Status" kept, then only the
// slots whose key is not their default (a cleared default as 0). False
// when the file could not be written.
bool writeShortcuts(CSetting& settings, const Keys& keys);

// Fills table from keys: slots in order, so that of two slots with one
// key the first keeps it. Slots without a key add nothing.
void buildShortcutTable(Table& table, const Keys& keys);
// The same from the stored keys.
void buildShortcutTable(Table& table, CSetting& settings);

// The key that runs command from table, 0 when none does (the lowest,
// should several).
KeyCode keyOf(const Table& table, uint32_t command);

} // namespace shortcuts
