// The reference / citation dialog's list without the window: which labels
// the filter boxes let through, the eight orders the column header steps
// through, and the text a selection puts into the insert box. The dialog
// shows rows() and hands this object the user's boxes, clicks and
// selection.
#pragma once
#include "support/reference_candidates.h"

#include <array>
#include <cstdint>
#include <vector>

class CSearch;

namespace ref_cite {

// The filter boxes in the dialog's order: headings (every sectioning
// label class), equations, figures, tables, items, other labels.
inline constexpr size_t FilterBoxCount = 6;
inline constexpr std::array<int32_t, FilterBoxCount> FilterMasks{0x3F80, 0x4000, 0x8000, 0x10000, 0x20000, 0x40000};
// The stored "LabelFilter" when there is none: every label class.
inline constexpr int32_t DefaultLabelFilter = 0x7FF80;

using FilterBoxes = std::array<bool, FilterBoxCount>;
int32_t maskOfBoxes(const FilterBoxes& checked);
// A box is checked when any bit of its classes is in the mask.
FilterBoxes boxesOfMask(int32_t mask);

// The dialog offers all eight orders: a stored one is clamped into 0-7,
// and a header click steps 0, 1, ..., 7, 0.
int clampOrder(int32_t stored);
int nextOrder(int order);

} // namespace ref_cite

class RefCiteList {
public:
    // scan is not owned and outlives the list. A citation list holds the
    // bibliography items and database entries at once; a reference list
    // stays empty until the first setMask.
    RefCiteList(const CSearch& scan, bool citation, int32_t storedOrder);

    // Reference mode: the labels of mask, sorted. False (nothing changed)
    // when the mask is the one shown.
    bool setMask(int32_t mask);
    // The rows again from the snapshot with the same mask and order.
    void refill();
    // The column header was clicked.
    void nextOrder();

    const std::vector<ref_candidates::Row>& rows() const { return rows_; }
    bool citation() const { return citation_; }
    int order() const { return order_; }
    int32_t mask() const { return mask_; }
    // The row's item, or null when row is out of range.
    const OutlineItem* item(int row) const;

    // What the insert box gets for these selected rows: a label's name
    // (the first row) or the keys of all rows in document order, joined
    // by commas and cut to 520 characters. Rows out of range are skipped.
    u16 insertText(const std::vector<int>& selected) const;

private:
    void fill();

    const CSearch& scan_;   // not owned
    bool citation_;
    int order_;
    int32_t mask_ = 0;
    std::vector<ref_candidates::Row> rows_;
};
