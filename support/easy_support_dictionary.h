// CEditorSupportDic: the ":" abbreviations of easy support. Built for each
// lookup (or by the dictionary editor) from the main window's store.
#pragma once
#include "base/text.h"
#include "support/dictionary_records.h"

#include <vector>

class DictionaryStore;

class CEditorSupportDic {
public:
    // store may be null (an empty dictionary); not owned.
    explicit CEditorSupportDic(DictionaryStore* store);
    ~CEditorSupportDic();    // saves when modified
    CEditorSupportDic(const CEditorSupportDic&) = delete;
    CEditorSupportDic& operator=(const CEditorSupportDic&) = delete;

    // A key of ":" and at least one more character, and a text.
    static bool isValid(const EasySupportEntry& entry);

    int count() const { return static_cast<int>(entries_.size()); }
    bool get(int i, EasySupportEntry& out) const;
    // Refuses invalid entries; i < 0 appends; then sorts by key.
    bool put(int i, const EasySupportEntry& entry);
    // Many puts at once (an import): entries replace the whole dictionary
    // and are sorted once. The caller has checked the new ones with isValid.
    void putAll(std::vector<EasySupportEntry> entries);
    bool remove(int i);
    // Sorts again and marks the dictionary changed, so that it is written
    // back.
    void sort();
    bool modified() const { return modified_; }

    // The entry whose key equals key (cut to 63 characters) in dictionary
    // order; -1 when none or for an empty key.
    int find(u16view key) const;

private:
    void sortEntries();

    DictionaryStore* store_;                  // not owned; may be null
    std::vector<EasySupportEntry> entries_;   // dictionary order of key
    bool modified_ = false;
};
