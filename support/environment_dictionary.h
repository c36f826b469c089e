// CTeXEDictionary: the environment dictionary. Looked up the other way round
// from commands: for the text typed so far it gives the entry at or just
// before it, so that an entry that begins the typed text stands ready.
#pragma once
#include "base/text.h"
#include "support/dictionary_records.h"

#include <vector>

class DictionaryStore;

class CTeXEDictionary {
public:
    // store may be null (an empty dictionary); not owned.
    explicit CTeXEDictionary(DictionaryStore* store);
    ~CTeXEDictionary();    // sorts and saves when modified
    CTeXEDictionary(const CTeXEDictionary&) = delete;
    CTeXEDictionary& operator=(const CTeXEDictionary&) = delete;

    int count() const { return static_cast<int>(entries_.size()); }
    bool get(int i, EnvironmentEntry& out) const;
    // entry.name must begin with a backslash; i < 0 appends.
    bool put(int i, const EnvironmentEntry& entry);
    // What put accepts: a name beginning with a backslash.
    static bool isValid(const EnvironmentEntry& entry);
    // Many puts at once (an import): entries replace the whole dictionary
    // and are sorted once. The caller has checked the new ones with isValid.
    void putAll(std::vector<EnvironmentEntry> entries);
    bool remove(int i);
    // Sorts again and marks the dictionary changed, so that it is written
    // back.
    void sort();
    bool modified() const { return modified_; }

    // The last entry whose name does not sort after key (0 when every name
    // does); -1 for an empty key or an empty dictionary.
    int find(u16view key) const;

private:
    void sortEntries();

    DictionaryStore* store_;                  // not owned; may be null
    std::vector<EnvironmentEntry> entries_;   // dictionary order of name
    bool modified_ = false;
};
