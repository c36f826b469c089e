// DVIOUTPaper: the papers the previewer is offered, by paper number:
// 1-14 built in (seven sizes, portrait then landscape), 100 + i the
// user's entry i. The user's entries, most recently used first, live in
// settings section "DVIOUT" as "display text<TAB>value"; they are loaded
// when the object is built and written back when it is destroyed, only
// when they changed.
#pragma once
#include "base/text.h"

#include <cstdint>
#include <functional>
#include <vector>

class CSetting;

struct PaperEntry {
    u16 text;   // shown in the menu
    u16 value;  // handed to the previewer
    friend bool operator==(const PaperEntry&, const PaperEntry&) = default;
};

class DVIOUTPaper {
public:
    static constexpr int32_t BuiltInCount = 14;
    static constexpr int32_t FirstUser = 100;
    static constexpr size_t MaxUserEntries = 10;

    // landscapeWord: appended to the display text of papers 8-14.
    DVIOUTPaper(CSetting& settings, u16view landscapeWord);
    virtual ~DVIOUTPaper();   // saves when changed
    DVIOUTPaper(const DVIOUTPaper&) = delete;
    DVIOUTPaper& operator=(const DVIOUTPaper&) = delete;

    // Display text and value of a paper number; false (both empty) for 0
    // and for numbers that name nothing.
    bool GetPaper(int32_t number, PaperEntry& out) const;
    // The value alone, as the previewer gets it ("A4P", "A4L", ...), or
    // empty; needs no settings.
    static u16 builtInValue(int32_t number);

    // To the front; entries whose display text equals entry's ignoring
    // case go; the 11th drops.
    void StoreEntry(const PaperEntry& entry);
    // The same, but when an entry with that display text exists, confirm
    // (old entry, new entry) decides first; false (nothing changed) when
    // it declines.
    using Confirm = std::function<bool(const PaperEntry& old, const PaperEntry& added)>;
    bool AddEntry(const PaperEntry& entry, const Confirm& confirm);
    // number is 100 + index; false when it names no user entry.
    bool RemoveEntry(int32_t number);
    // Empties the list and the whole "DVIOUT" section at once, keeping
    // "PaperSizefromSrc" (so "PaperSize" is back at its default).
    void ClearEntries();
    // Writes the list now when it changed; false when the write failed.
    bool Save();

    const std::vector<PaperEntry>& entries() const { return entries_; }
    bool changed() const { return changed_; }
    // True for 100 .. 100 + entries - 1.
    bool isUserNumber(int32_t number) const;

    // One stored text: split at the first tab; a second tab ends the value.
    static PaperEntry parse(u16view stored);
    static u16 format(const PaperEntry& entry);

private:
    CSetting& settings_;                 // not owned: the process-wide settings
    u16 landscapeWord_;
    std::vector<PaperEntry> entries_;
    bool changed_ = false;
};
