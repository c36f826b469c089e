#include "outline/bib_item_rows.h"

#include <algorithm>

namespace bib_item_rows {

std::vector<BibItemRow> rows(const BibEntry& entry, u16view typeCaption) {
    std::vector<BibItemRow> out;
    out.reserve(entry.fields.size() + 1);
    out.push_back({u16(typeCaption), entry.type});
    // Filled fields matter most; empty ones are listed last so that they
    // do not push the useful ones out of a small window.
    for (const BibField& f : entry.fields)
        if (!f.value.empty()) out.push_back({f.name, f.value});
    for (const BibField& f : entry.fields)
        if (f.value.empty()) out.push_back({f.name, f.value});
    return out;
}

int32_t valueColumnWidth(int32_t clientWidth) {
    if (clientWidth <= 0) return FallbackValueWidth;
    return std::max<int32_t>(clientWidth - NameColumnWidth, 0);
}

} // namespace bib_item_rows
