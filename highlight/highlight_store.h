// Highlight: the user's highlight items, most recently used first, at most
// twenty, beside the twelve presets. Each user of the list builds one,
// works on it as a snapshot and lets it write the list back, only when it
// changed, as it is destroyed. Items are chosen by identifier: 1-12 the
// presets, 100 + i the user's item i.
#pragma once
#include "base/text.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

class CSetting;

struct HighlightItem {
    u16 name;
    u16 pattern;   // a regular expression in the host editor's syntax
    friend bool operator==(const HighlightItem&, const HighlightItem&) = default;
};

class Highlight {
public:
    static constexpr int32_t FirstUser = 100;
    static constexpr size_t MaxUserItems = 20;

    explicit Highlight(CSetting& settings);   // loads
    virtual ~Highlight();                     // saves when modified
    Highlight(const Highlight&) = delete;
    Highlight& operator=(const Highlight&) = delete;

    void Load();
    // The item of an identifier; presetName gives the display name of a
    // preset's text identifier (null: names stay empty). Nothing for 0,
    // numbers past the user list and everything between 13 and 99.
    using NameOf = std::function<u16(uint32_t textId)>;
    std::optional<HighlightItem> GetItem(int32_t id, const NameOf& presetName = nullptr) const;

    // Edit form: every item of that name (ignoring case) goes, the item
    // goes to the front, the 21st drops.
    void PutItem(const HighlightItem& item);
    // Create form: the same, but when an item of that name exists,
    // confirm(existing, added) is asked once first; false (nothing
    // changed) when it declines.
    using Confirm = std::function<bool(const HighlightItem& existing, const HighlightItem& added)>;
    bool PutItem(const HighlightItem& item, const Confirm& confirm);
    // id is 100 + index; false when it names no user item.
    bool DeleteItem(int32_t id);
    // Empties the list and the whole "Highlight" section at once, keeping
    // "Status".
    void Clear();
    // Writes the list now when it changed; false when the write failed.
    bool Save();

    const std::vector<HighlightItem>& items() const { return items_; }
    bool modified() const { return modified_; }
    bool isUserId(int32_t id) const;

    // One stored entry: the name, a tab, the pattern; a further tab ends
    // the pattern.
    static HighlightItem parse(u16view stored);
    static u16 format(const HighlightItem& item);

private:
    CSetting& settings_;                 // not owned: the process-wide settings
    std::vector<HighlightItem> items_;
    bool modified_ = false;
};

namespace highlight {

// The pattern of the active item ("Item", default 8) for the host's
// search highlighting; empty when "Item" names no item.
u16 activePattern(CSetting& settings);

} // namespace highlight
