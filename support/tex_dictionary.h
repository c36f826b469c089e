// CTeXDictionary: the command dictionary of input support. Each window that
// needs one builds its own from the main window's store, uses it as a
// snapshot and, when it was changed, writes the source back as it dies.
#pragma once
#include "base/text.h"
#include "support/dictionary_order.h"
#include "support/dictionary_records.h"

#include <array>
#include <vector>

class CSetting;
class DictionaryStore;

// One row of the candidate list: what the row shows and the command it
// stands for (the list-view fill of the support window is built on this).
struct CommandListItem {
    u16 text;        // name, and " " + arguments when there are any
    int position;    // the command's position in the dictionary
};

class CTeXDictionary {
public:
    // store and settings may be null (then nothing is loaded, or the
    // remembered positions are not translated on save); neither is owned.
    CTeXDictionary(DictionaryStore* store, CSetting* settings);
    ~CTeXDictionary();    // saves when modified
    CTeXDictionary(const CTeXDictionary&) = delete;
    CTeXDictionary& operator=(const CTeXDictionary&) = delete;

    int count() const { return static_cast<int>(commands_.size()); }
    bool get(int i, CommandEntry& out) const;
    // Entry i, or null; valid until the next put or remove.
    const CommandEntry* entry(int i) const;

    // entry.name must begin with a backslash; the caller fills text (name
    // followed by arguments) and, for a new entry, loadIndex -1. i < 0
    // appends. The commands are sorted again.
    bool put(int i, const CommandEntry& entry);
    // What put accepts: a name beginning with a backslash.
    static bool isValid(const CommandEntry& entry);
    // Many puts at once (an import): entries replace the whole dictionary
    // and are sorted once. The caller has checked the new ones with isValid.
    void putAll(std::vector<CommandEntry> entries);
    bool remove(int i);
    // Sorts again and marks the dictionary changed, so that it is written
    // back (the dictionary editor's "sort" command).
    void sort();
    bool modified() const { return modified_; }

    // The first command whose text does not sort before key; -1 for an
    // empty key or an empty dictionary.
    int find(u16view key) const;
    // The first suffix entry after the key's letters (within the bucket of
    // its last letter onwards); -1 when none.
    int findSuffix(u16view key) const;
    int suffixCommand(int p) const;
    int suffixCount() const { return static_cast<int>(suffixes_.size()); }

    int bucketStart(int b) const;
    // The next bucket after b (from 0 when b < 0) that has commands: stores
    // it in b and returns its start; -1 when none is left.
    int nextBucket(int& b) const;

    // Every command with a name, in order.
    std::vector<CommandListItem> listItems() const;

private:
    void buildBuckets();
    void sortCommands();
    bool save();

    DictionaryStore* store_;                       // not owned; may be null
    CSetting* settings_;                           // not owned; may be null
    std::vector<CommandEntry> commands_;           // dictionary order of text
    std::vector<SuffixEntry> suffixes_;            // as loaded; not changed by put/remove
    std::array<int, dict_order::BucketCount> commandBucket_;
    std::array<int, dict_order::BucketCount> suffixBucket_;
    int loadCount_ = 0;
    bool modified_ = false;
};
