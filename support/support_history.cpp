#include "support/support_history.h"

#include "support/tex_dictionary.h"

#include <algorithm>
#include <numeric>

namespace support_history {

std::vector<int32_t> mostUsed(std::span<const HistoryRecord> records) {
    std::vector<int32_t> order(records.size());
    std::iota(order.begin(), order.end(), 0);
    std::vector<int32_t> slots(history_positions::ListSlots, -1);
    const size_t taken = std::min(order.size(), slots.size());
    // Only the first 13 are wanted: a partial sort spares sorting a large
    // dictionary at every opening.
    std::partial_sort(order.begin(), order.begin() + static_cast<std::ptrdiff_t>(taken), order.end(),
                      [&](int32_t a, int32_t b) {
                          if (records[a].useCount != records[b].useCount) return records[a].useCount > records[b].useCount;
                          return a < b;
                      });
    std::copy_n(order.begin(), taken, slots.begin());
    return slots;
}

std::vector<int32_t> mostUsedPerLetter(const CTeXDictionary& commands, std::span<const HistoryRecord> records) {
    std::vector<int32_t> words(history_positions::WordSlots, -1);
    const int32_t total = std::min<int32_t>(commands.count(), static_cast<int32_t>(records.size()));
    int bucket = -1;
    int start = commands.nextBucket(bucket);
    while (start >= 0) {
        int next = bucket;
        int nextStart = commands.nextBucket(next);
        int end = nextStart >= 0 ? nextStart : commands.count();
        int32_t best = start, bestCount = 0;
        for (int p = start; p < end && p < total; ++p) {
            if (records[p].useCount > bestCount) {
                best = p;
                bestCount = records[p].useCount;
            }
        }
        words[bucket] = best;
        bucket = next;
        start = nextStart;
    }
    return words;
}

void moveToFront(std::vector<int32_t>& slots, int32_t position) {
    if (slots.empty()) return;
    auto at = std::find(slots.begin(), slots.end(), position);
    if (at == slots.end()) at = slots.end() - 1;
    std::rotate(slots.begin(), at, at + 1);
    slots.front() = position;
}

int slotOfKey(int32_t keyCode) {
    constexpr int32_t Ctrl = 0x200;
    if ((keyCode & 0xFF00) != Ctrl) return -1;
    int32_t vk = keyCode & 0xFF;
    if (vk >= 0x60 && vk <= 0x69) vk -= 0x60 - u'0';  // numeric keypad 0-9
    if (vk >= u'1' && vk <= u'9') return vk - u'1';
    if (vk == u'0') return 9;
    if (vk >= u'A' && vk <= u'C') return 10 + (vk - u'A');
    return -1;
}

} // namespace support_history
