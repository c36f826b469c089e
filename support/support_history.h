// The support window's memory of chosen commands: the 13 history slots and
// the remembered command of each initial letter, either ranked by the use
// counts of "Vexa2.hst" or kept in order of the latest choices.
#pragma once
#include "support/history_file.h"
#include "support/history_positions.h"

#include <span>
#include <vector>

class CTeXDictionary;

namespace support_history {

// The 13 most used positions: decreasing count, equal counts by position;
// slots beyond the number of commands stay -1.
std::vector<int32_t> mostUsed(std::span<const HistoryRecord> records);

// For each letter bucket with commands, the most used command of the
// bucket's range (the first on ties; the bucket's first command when no
// count is above 0); -1 for buckets without commands.
std::vector<int32_t> mostUsedPerLetter(const CTeXDictionary& commands, std::span<const HistoryRecord> records);

// Puts position first: the slots before it (or, when it was not there, all
// slots) move back by one and the last one drops out.
void moveToFront(std::vector<int32_t>& slots, int32_t position);

// The history slot of a Ctrl key (1-9, 0, A, B, C on the main keyboard or
// the numeric keypad); -1 for any other key.
int slotOfKey(int32_t keyCode);

} // namespace support_history
