#include "support/reference_candidates.h"

#include "frame/message_ids.h"
#include "outline/search.h"

#include <algorithm>

namespace ref_candidates {
namespace {

char16_t lowerAscii(char16_t c) { return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c + 32) : c; }

// The seven sectioning label kinds sort as one group: a label's class says
// where it points, not how deep.
int32_t kindGroup(int32_t kind) {
    return kind >= outline_kind::PartLabel && kind <= outline_kind::SubparagraphLabel ? outline_kind::PartLabel : kind;
}

template <typename Keep> void fill(std::vector<Row>& rows, const CSearch& scan, int32_t mask, Keep&& keep) {
    rows.clear();
    for (const OutlineItem& item : scan.items())
        if ((item.kind & mask) && keep(item)) rows.push_back(Row{&item, scan.imageOf(item)});
}

} // namespace

void fillCandidates(std::vector<Row>& rows, const CSearch& scan, int32_t mask) {
    fill(rows, scan, mask, [](const OutlineItem&) { return true; });
}

void fillCandidatesByLetter(std::vector<Row>& rows, const CSearch& scan, int32_t mask, char16_t letter) {
    letter = lowerAscii(letter);
    fill(rows, scan, mask,
         [&](const OutlineItem& item) { return !item.name.empty() && lowerAscii(item.name[0]) == letter; });
    if (rows.empty()) fillCandidates(rows, scan, mask);
}

bool sortCandidates(std::vector<Row>& rows, int order, NameCompare compare) {
    if (order < 0 || order > MaxOrder) return false;
    const bool grouped = order > 3;
    const int within = order & 3;
    std::stable_sort(rows.begin(), rows.end(), [&](const Row& a, const Row& b) {
        if (grouped) {
            int32_t ga = kindGroup(a.item->kind), gb = kindGroup(b.item->kind);
            if (ga != gb) return ga < gb;
        }
        switch (within) {
        case 0: return a.item->sequence < b.item->sequence;
        case 1: return a.item->sequence > b.item->sequence;
        case 2: return compare(a.item->name, b.item->name) > 0;
        default: return compare(a.item->name, b.item->name) < 0;
        }
    });
    return true;
}

uint32_t columnTitle(int order) {
    return order < 0 || order > MaxOrder ? 0 : msgid::SortTitleFirst + static_cast<uint32_t>(order);
}

int nextOrder(int order) { return (clampOrder(order) + 1) % 4; }

int clampOrder(int32_t stored) { return std::clamp<int32_t>(stored, 0, 3); }

} // namespace ref_candidates
