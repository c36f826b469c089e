#include "support/tex_dictionary.h"

#include "support/dictionary_order.h"
#include "support/dictionary_search.h"
#include "support/dictionary_store.h"
#include "support/history_file.h"
#include "support/history_positions.h"

#include <algorithm>

CTeXDictionary::CTeXDictionary(DictionaryStore* store, CSetting* settings) : store_(store), settings_(settings) {
    if (store_) store_->loadCommands(commands_, suffixes_);
    loadCount_ = count();
    buildBuckets();
}

CTeXDictionary::~CTeXDictionary() {
    if (modified_) save();
}

void CTeXDictionary::buildBuckets() {
    commandBucket_.fill(-1);
    suffixBucket_.fill(-1);
    int last = -1;
    for (int i = 0; i < count(); ++i) {
        int b = dict_order::bucketOf(commands_[i].text[1]);   // the letter after the backslash
        if (b >= 0 && b != last) {
            commandBucket_[b] = i;
            last = b;
        }
    }
    last = -1;
    for (int i = 0; i < suffixCount(); ++i) {
        int b = dict_order::bucketOf(suffixes_[i].letters[0]);
        if (b >= 0 && b != last) {
            suffixBucket_[b] = i;
            last = b;
        }
    }
}

bool CTeXDictionary::get(int i, CommandEntry& out) const {
    const CommandEntry* e = entry(i);
    if (!e) return false;
    out = *e;
    return true;
}

const CommandEntry* CTeXDictionary::entry(int i) const {
    return i >= 0 && i < count() ? &commands_[i] : nullptr;
}

void CTeXDictionary::sortCommands() {
    std::stable_sort(commands_.begin(), commands_.end(), [](const CommandEntry& a, const CommandEntry& b) {
        return dict_order::before(record::field(a.text), record::field(b.text));
    });
}

bool CTeXDictionary::isValid(const CommandEntry& entry) { return entry.name[0] == u'\\'; }

void CTeXDictionary::putAll(std::vector<CommandEntry> entries) {
    commands_ = std::move(entries);
    sortCommands();
    modified_ = true;
}

bool CTeXDictionary::put(int i, const CommandEntry& entry) {
    if (!isValid(entry) || i >= count()) return false;
    if (i < 0) commands_.push_back(entry);
    else commands_[i] = entry;
    sortCommands();
    modified_ = true;
    return true;
}

bool CTeXDictionary::remove(int i) {
    if (i < 0 || i >= count()) return false;
    commands_.erase(commands_.begin() + i);
    modified_ = true;
    return true;
}

void CTeXDictionary::sort() {
    sortCommands();
    modified_ = true;
}

int CTeXDictionary::find(u16view key) const {
    if (key.empty()) return -1;
    return dict_search::firstNotBefore(count(), [&](int i) { return dict_order::compare(key, commands_[i].text); });
}

int CTeXDictionary::findSuffix(u16view key) const {
    u16 letters = dict_order::suffixLetters(key);
    if (letters.empty()) return -1;
    int start = suffixBucket_[dict_order::bucketOf(letters[0])];
    if (start < 0) return -1;
    // The index is sorted, so the first entry after the key's letters is an
    // upper bound.
    auto first = suffixes_.begin() + start;
    auto it = std::upper_bound(first, suffixes_.end(), u16view(letters), [](u16view k, const SuffixEntry& s) {
        return dict_order::compare(k, s.letters) < 0;
    });
    return it == suffixes_.end() ? -1 : static_cast<int>(it - suffixes_.begin());
}

int CTeXDictionary::suffixCommand(int p) const {
    return p >= 0 && p < suffixCount() ? suffixes_[p].commandIndex : -1;
}

int CTeXDictionary::bucketStart(int b) const {
    return b >= 0 && b < dict_order::BucketCount ? commandBucket_[b] : -1;
}

int CTeXDictionary::nextBucket(int& b) const {
    for (int next = b < 0 ? 0 : b + 1; next < dict_order::BucketCount; ++next) {
        if (commandBucket_[next] >= 0) {
            b = next;
            return commandBucket_[next];
        }
    }
    return -1;
}

std::vector<CommandListItem> CTeXDictionary::listItems() const {
    std::vector<CommandListItem> items;
    items.reserve(commands_.size());
    for (int i = 0; i < count(); ++i) {
        const CommandEntry& e = commands_[i];
        if (e.name[0] == 0) continue;
        u16 text(record::field(e.name));
        if (e.arguments[0] != 0) {
            text += u' ';
            text += record::field(e.arguments);
        }
        items.push_back({std::move(text), i});
    }
    return items;
}

// Sorts, writes the source, then carries the use counts and the remembered
// positions over to the new order. Duplicates are dropped here as the
// source drops them, so that positions match the file as it will be read.
bool CTeXDictionary::save() {
    if (!store_) return false;
    sortCommands();
    commands_.erase(std::unique(commands_.begin(), commands_.end(),
                                [](const CommandEntry& a, const CommandEntry& b) {
                                    return record::field(a.text) == record::field(b.text);
                                }),
                    commands_.end());
    if (!store_->saveCommands(commands_)) return false;   // the changes are lost; history stays as it was
    modified_ = false;

    const u16 historyPath = store_->historyPath();
    auto old = history_file::read(historyPath, static_cast<size_t>(loadCount_));
    std::vector<HistoryRecord> fresh(commands_.size());
    for (size_t i = 0; i < commands_.size(); ++i) {
        int32_t from = commands_[i].loadIndex;
        fresh[i] = {static_cast<int32_t>(i), from >= 0 && from < loadCount_ ? old[from].useCount : 0};
    }
    history_file::write(historyPath, fresh);
    if (settings_) history_positions::translateSettings(*settings_, commands_);
    return true;
}
