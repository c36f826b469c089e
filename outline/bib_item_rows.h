// What the entry view lists for one bibliography database entry: the
// rows of its two-column list and the width of the value column. Kept
// apart from the window so the order rules are tested natively.
#pragma once
#include "base/text.h"
#include "outline/outline_items.h"

#include <cstdint>
#include <vector>

struct BibItemRow {
    u16 name;
    u16 value;
    friend bool operator==(const BibItemRow&, const BibItemRow&) = default;
};

namespace bib_item_rows {

// Width of the name column, in pixels.
constexpr int32_t NameColumnWidth = 60;
// Value column width when the list's client width is not known.
constexpr int32_t FallbackValueWidth = 200;

// First the type row (typeCaption, entry type), then every field with a
// value in the entry's order, then every field without one, also in order.
// The key is not a row: the owner already shows it in its candidate list.
std::vector<BibItemRow> rows(const BibEntry& entry, u16view typeCaption);

// The value column takes what the name column leaves of clientWidth; an
// unknown (not positive) width gives the fallback. Never negative.
int32_t valueColumnWidth(int32_t clientWidth);

} // namespace bib_item_rows
