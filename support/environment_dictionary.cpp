#include "support/environment_dictionary.h"

#include "support/dictionary_order.h"
#include "support/dictionary_search.h"
#include "support/dictionary_store.h"

#include <algorithm>

CTeXEDictionary::CTeXEDictionary(DictionaryStore* store) : store_(store) {
    if (store_) store_->loadEnvironments(entries_);
}

CTeXEDictionary::~CTeXEDictionary() {
    if (modified_ && store_) {
        sortEntries();
        store_->saveEnvironments(entries_);
    }
}

void CTeXEDictionary::sortEntries() {
    std::stable_sort(entries_.begin(), entries_.end(), [](const EnvironmentEntry& a, const EnvironmentEntry& b) {
        return dict_order::before(record::field(a.name), record::field(b.name));
    });
}

bool CTeXEDictionary::get(int i, EnvironmentEntry& out) const {
    if (i < 0 || i >= count()) return false;
    out = entries_[i];
    return true;
}

bool CTeXEDictionary::isValid(const EnvironmentEntry& entry) { return entry.name[0] == u'\\'; }

void CTeXEDictionary::putAll(std::vector<EnvironmentEntry> entries) {
    entries_ = std::move(entries);
    sortEntries();
    modified_ = true;
}

bool CTeXEDictionary::put(int i, const EnvironmentEntry& entry) {
    if (!isValid(entry) || i >= count()) return false;
    if (i < 0) entries_.push_back(entry);
    else entries_[i] = entry;
    sortEntries();
    modified_ = true;
    return true;
}

bool CTeXEDictionary::remove(int i) {
    if (i < 0 || i >= count()) return false;
    entries_.erase(entries_.begin() + i);
    modified_ = true;
    return true;
}

void CTeXEDictionary::sort() {
    sortEntries();
    modified_ = true;
}

int CTeXEDictionary::find(u16view key) const {
    if (key.empty()) return -1;
    return dict_search::atOrBefore(count(), [&](int i) { return dict_order::compare(key, entries_[i].name); });
}
