// CPaperSizeData: document classes and class options mapped to the
// previewer's paper names, looked up when a \documentclass line is read.
#pragma once
#include "base/text.h"
#include "support/dictionary_records.h"

#include <vector>

class DictionaryStore;

class CPaperSizeData {
public:
    // store may be null (an empty list); not owned. A list built this way
    // only looks up.
    explicit CPaperSizeData(const DictionaryStore* store);
    // The dictionary editor's list: it writes its source back through store
    // (not owned) when it is destroyed after a change.
    explicit CPaperSizeData(DictionaryStore& store);
    ~CPaperSizeData();
    CPaperSizeData(const CPaperSizeData&) = delete;
    CPaperSizeData& operator=(const CPaperSizeData&) = delete;

    int count() const { return static_cast<int>(entries_.size()); }
    // The record whose key equals key (cut to 63 characters); -1 for an
    // empty key or no match.
    int FindKey(u16view key) const;
    // False when index is out of range.
    bool GetRecord(int index, PaperSizeEntry& out) const;
    // The value for a key, empty when there is none.
    u16 valueOf(u16view key) const;

    // The key must not be empty (no lookup could find it); i < 0 appends,
    // i >= count gives false. The list is sorted again.
    bool put(int i, const PaperSizeEntry& entry);
    // Many puts at once (an import): entries replace the whole list and are
    // sorted once. The caller has refused empty keys.
    void putAll(std::vector<PaperSizeEntry> entries);
    bool remove(int i);
    // Sorts again and marks the list changed, so that it is written back.
    void sort();
    bool modified() const { return modified_; }

private:
    void sortEntries();

    std::vector<PaperSizeEntry> entries_;   // dictionary order of key
    DictionaryStore* writeBack_ = nullptr;  // not owned; null for a lookup-only list
    bool modified_ = false;
};
