// Command positions remembered in the settings by the support window
// ("SupportHistory", "SupportHistoryList", "SupportHistoryWords"), and their
// translation when the command dictionary is saved in a new order.
#pragma once
#include "base/text.h"
#include "support/dictionary_records.h"

#include <cstdint>
#include <span>
#include <vector>

class CSetting;

namespace history_positions {

inline constexpr size_t ListSlots = 13;
inline constexpr size_t WordSlots = 52;

// count values from tab-separated decimals; a missing or empty value is -1.
std::vector<int32_t> parse(u16view text, size_t count);
u16 format(std::span<const int32_t> values);

// The two lists as the settings hold them: a missing value is -1.
std::vector<int32_t> readList(CSetting& settings);    // ListSlots values
std::vector<int32_t> readWords(CSetting& settings);   // WordSlots values
void writeList(CSetting& settings, std::span<const int32_t> values);
void writeWords(CSetting& settings, std::span<const int32_t> values);

// The first current position whose entry was loaded from old position v;
// v itself when none was.
int32_t translate(int32_t v, std::span<const CommandEntry> commands);

// Translates the three settings (non-negative values only: -1 marks an
// empty slot and must not turn into an added command) and writes them back
// in one settings batch.
void translateSettings(CSetting& settings, std::span<const CommandEntry> commands);

// Forgets the history: removes the named keys of section "Settings" and
// deletes the history file "Vexa2.hst" beside the settings, so that the
// support window starts again with every count at 0. False when the
// settings could not be written or the file is still there afterwards.
bool clearHistory(CSetting& settings, std::span<const char16_t* const> keys);

// What the support settings page's clear button forgets: the three
// position settings and the last text of the input box.
std::span<const char16_t* const> settingsPageHistoryKeys();

} // namespace history_positions
