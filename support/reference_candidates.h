// The rows of the label and citation-key lists: which items of an outline
// scan are offered after \ref or \cite, the letter filter and the eight
// orders. Plain data: the popup (and the reference dialog) only display the
// rows and map a chosen row back to its item.
#pragma once
#include "base/platform.h"
#include "outline/outline_items.h"

#include <cstdint>
#include <vector>

class CSearch;

namespace ref_candidates {

inline constexpr int32_t LabelMask = outline_kind::Labels;                               // 0x7FF80
inline constexpr int32_t KeyMask = outline_kind::BibItem | outline_kind::DatabaseEntry;  // 0x180000
// Orders 0-3 are offered to the user; 4-7 group them by kind.
inline constexpr int MaxOrder = 7;

struct Row {
    const OutlineItem* item = nullptr;   // in the scan the rows were filled from; not owned
    int32_t image = 0;                   // index into the outline image strip
    const u16& text() const { return item->name; }
};

// Every item of the mask, in document (scan) order.
void fillCandidates(std::vector<Row>& rows, const CSearch& scan, int32_t mask);
// Only the items whose name begins with letter, without regard to case;
// all items of the mask when none does.
void fillCandidatesByLetter(std::vector<Row>& rows, const CSearch& scan, int32_t mask, char16_t letter);

// Compares names as the user's locale orders them, case-sensitively.
using NameCompare = int (*)(u16view, u16view);

// Sorts by an order 0-7 (sequence ascending, descending, names descending,
// ascending; 4-7 the same within groups of kinds). False for any other
// order, and the rows stay as they were.
bool sortCandidates(std::vector<Row>& rows, int order, NameCompare compare = platform::compareLocale);
// The language library's text for the column title of an order; 0 for an
// order out of range.
uint32_t columnTitle(int order);

// The next order when the column header is clicked: 0, 1, 2, 3, 0.
int nextOrder(int order);
// A stored order, clamped into the four offered ones.
int clampOrder(int32_t stored);

} // namespace ref_candidates
