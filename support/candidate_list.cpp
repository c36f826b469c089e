#include "support/candidate_list.h"

#include "settings/setting.h"
#include "settings/setting_keys.h"

#include <algorithm>

namespace {
namespace ek = ini_keys::easy_support;
constexpr int32_t Backspace = 8, Enter = 13, Escape = 27, Space = 32, Up = 38, Down = 40;
} // namespace

CandidateList::CandidateList(const CSearch& scan, const easy_support::Trigger& trigger, int32_t sortOrder)
    : scan_(scan), trigger_(trigger), order_(ref_candidates::clampOrder(sortOrder)) {}

int32_t CandidateList::storedOrder(CSetting& settings, bool refMode) {
    return ref_candidates::clampOrder(settings.readInt(ek::Section, refMode ? ek::RefSort : ek::CiteSort, 0));
}

CandidateList::Action CandidateList::start() {
    ref_candidates::fillCandidates(rows_, scan_, mask());
    selected_ = -1;
    if (rows_.empty()) return Action::Confirm;
    ref_candidates::sortCandidates(rows_, order_);
    selected_ = 0;
    return rows_.size() == 1 ? Action::Confirm : Action::Used;
}

// After a refill the top row is chosen, so that a letter and Enter insert
// the first label that begins with it.
void CandidateList::selectTop() { selected_ = rows_.empty() ? -1 : 0; }

void CandidateList::select(int row) { selected_ = row >= 0 && row < static_cast<int>(rows_.size()) ? row : -1; }

void CandidateList::nextOrder() {
    const OutlineItem* keep = chosen();
    order_ = ref_candidates::nextOrder(order_);
    ref_candidates::sortCandidates(rows_, order_);
    selected_ = -1;
    for (size_t i = 0; i < rows_.size(); ++i)
        if (rows_[i].item == keep) selected_ = static_cast<int>(i);
}

CandidateList::Action CandidateList::handleKey(int32_t vk) {
    const int last = static_cast<int>(rows_.size()) - 1;
    switch (vk) {
    case Backspace:
        if (!letter_) return Action::Close;
        letter_ = 0;
        ref_candidates::fillCandidates(rows_, scan_, mask());
        selectTop();
        return Action::Used;
    case Escape: return Action::Close;
    case Enter: return Action::Confirm;
    case Space:
    case Down:
        if (last >= 0) selected_ = selected_ < 0 ? 0 : std::min(selected_ + 1, last);
        return Action::Used;
    case Up:
        if (last >= 0) selected_ = selected_ < 0 ? 0 : std::max(selected_ - 1, 0);
        return Action::Used;
    default: break;
    }
    if (vk >= u'A' && vk <= u'Z' && trigger_.refMode) {
        if (static_cast<char16_t>(vk) == letter_) return Action::Used;
        letter_ = static_cast<char16_t>(vk);
        // Filtered rows stand in document order whatever the order.
        ref_candidates::fillCandidatesByLetter(rows_, scan_, mask(), static_cast<char16_t>(vk + 32));
        selectTop();
        return Action::Used;
    }
    return Action::NotUsed;
}

const OutlineItem* CandidateList::chosen() const {
    return selected_ >= 0 && selected_ < static_cast<int>(rows_.size()) ? rows_[selected_].item : nullptr;
}

bool CandidateList::confirm(const snippet::Target& target, CSetting& settings) const {
    settings.writeInt(ek::Section, trigger_.refMode ? ek::RefSort : ek::CiteSort, order_);
    const OutlineItem* item = chosen();
    return item && easy_support::insertChoice(target, trigger_, item->name);
}
