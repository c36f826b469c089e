// CPaperSizeData: document classes and class options mapped to the
// previewer's paper names, looked up when a \documentclass line is read.
#pragma once
#include "base/text.h"
#include "support/dictionary_records.h"

#include <vector>

class DictionaryStore;

class CPaperSizeData {
public:
    // store may be null (an empty list); not owned.
    explicit CPaperSizeData(const DictionaryStore* store);

    int count() const { return static_cast<int>(entries_.size()); }
    // The record whose key equals key (cut to 63 characters); -1 for an
    // empty key or no match.
    int FindKey(u16view key) const;
    // False when index is out of range.
    bool GetRecord(int index, PaperSizeEntry& out) const;
    // The value for a key, empty when there is none.
    u16 valueOf(u16view key) const;

private:
    std::vector<PaperSizeEntry> entries_;   // dictionary order of key
};
