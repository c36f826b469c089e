#include "dialogs/ref_cite_list.h"

#include "dialogs/bib_fragment.h"
#include "outline/search.h"

#include <algorithm>

namespace ref_cite {

int32_t maskOfBoxes(const FilterBoxes& checked) {
    int32_t mask = 0;
    for (size_t i = 0; i < FilterBoxCount; ++i)
        if (checked[i]) mask |= FilterMasks[i];
    return mask;
}

FilterBoxes boxesOfMask(int32_t mask) {
    FilterBoxes boxes{};
    for (size_t i = 0; i < FilterBoxCount; ++i) boxes[i] = (mask & FilterMasks[i]) != 0;
    return boxes;
}

int clampOrder(int32_t stored) { return std::clamp<int32_t>(stored, 0, ref_candidates::MaxOrder); }

int nextOrder(int order) { return clampOrder(order) == ref_candidates::MaxOrder ? 0 : clampOrder(order) + 1; }

} // namespace ref_cite

RefCiteList::RefCiteList(const CSearch& scan, bool citation, int32_t storedOrder)
    : scan_(scan), citation_(citation), order_(ref_cite::clampOrder(storedOrder)) {
    if (citation_) {
        mask_ = ref_candidates::KeyMask;
        fill();
    }
}

bool RefCiteList::setMask(int32_t mask) {
    if (citation_ || mask == mask_) return false;
    mask_ = mask;
    fill();
    return true;
}

void RefCiteList::refill() { fill(); }

void RefCiteList::nextOrder() {
    order_ = ref_cite::nextOrder(order_);
    ref_candidates::sortCandidates(rows_, order_);
}

void RefCiteList::fill() {
    ref_candidates::fillCandidates(rows_, scan_, mask_);
    ref_candidates::sortCandidates(rows_, order_);
}

const OutlineItem* RefCiteList::item(int row) const {
    return row >= 0 && row < static_cast<int>(rows_.size()) ? rows_[static_cast<size_t>(row)].item : nullptr;
}

u16 RefCiteList::insertText(const std::vector<int>& selected) const {
    std::vector<bib::SelectedKey> keys;
    for (int row : selected) {
        const OutlineItem* it = item(row);
        if (!it) continue;
        if (!citation_) return it->name;
        keys.push_back({static_cast<uint32_t>(it->sequence), it->name});
    }
    return citation_ ? bib::joinKeys(std::move(keys)) : u16();
}
