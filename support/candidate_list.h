// The easy-support popup's list without the window: its rows from the
// outline scan, the selection, the letter filter and the order, and what
// each key does to them. The popup shows rows() and, on Confirm, inserts
// the chosen name with easy_support::insertChoice.
#pragma once
#include "support/easy_support.h"
#include "support/reference_candidates.h"

#include <vector>

class CSearch;
class CSetting;

class CandidateList {
public:
    // scan is not owned and outlives the list; sortOrder as stored
    // ("RefSort" or "CiteSort"), clamped to 0-3.
    CandidateList(const CSearch& scan, const easy_support::Trigger& trigger, int32_t sortOrder);

    // The order stored for this kind of list.
    static int32_t storedOrder(CSetting& settings, bool refMode);

    // The first look: Confirm at once when there is no row (nothing is
    // inserted) or a single one (it is inserted without a choice);
    // otherwise the top row is selected and the user chooses (Used).
    enum class Action { NotUsed, Used, Close, Confirm };
    Action start();

    // A key while the popup is open (the virtual-key code alone).
    Action handleKey(int32_t virtualKey);
    // A click on the column header: the next of the four orders.
    void nextOrder();

    const std::vector<ref_candidates::Row>& rows() const { return rows_; }
    int selected() const { return selected_; }     // -1 none
    void select(int row);                          // out of range: none
    int sortOrder() const { return order_; }
    char16_t filterLetter() const { return letter_; }  // 0 none
    const easy_support::Trigger& trigger() const { return trigger_; }
    int32_t mask() const { return trigger_.refMode ? ref_candidates::LabelMask : ref_candidates::KeyMask; }

    // The chosen row's item, or null.
    const OutlineItem* chosen() const;
    // Confirming: inserts the chosen name (nothing without a choice) and
    // stores the order. False when nothing was inserted.
    bool confirm(const snippet::Target& target, CSetting& settings) const;

private:
    void selectTop();

    const CSearch& scan_;                   // not owned
    easy_support::Trigger trigger_;
    std::vector<ref_candidates::Row> rows_;
    int selected_ = -1;
    int order_ = 0;
    char16_t letter_ = 0;
};
