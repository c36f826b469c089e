#include "support/paper_size_data.h"

#include "support/dictionary_order.h"
#include "support/dictionary_search.h"
#include "support/dictionary_store.h"

#include <algorithm>

CPaperSizeData::CPaperSizeData(const DictionaryStore* store) {
    if (store) store->loadPaperSizes(entries_);
}

CPaperSizeData::CPaperSizeData(DictionaryStore& store) : writeBack_(&store) { store.loadPaperSizes(entries_); }

CPaperSizeData::~CPaperSizeData() {
    if (modified_ && writeBack_) {
        sortEntries();
        writeBack_->savePaperSizes(entries_);
    }
}

void CPaperSizeData::sortEntries() {
    std::stable_sort(entries_.begin(), entries_.end(), [](const PaperSizeEntry& a, const PaperSizeEntry& b) {
        return dict_order::before(record::field(a.key), record::field(b.key));
    });
}

bool CPaperSizeData::put(int i, const PaperSizeEntry& entry) {
    if (entry.key[0] == 0 || i >= count()) return false;
    if (i < 0) entries_.push_back(entry);
    else entries_[i] = entry;
    sortEntries();
    modified_ = true;
    return true;
}

void CPaperSizeData::putAll(std::vector<PaperSizeEntry> entries) {
    entries_ = std::move(entries);
    sortEntries();
    modified_ = true;
}

bool CPaperSizeData::remove(int i) {
    if (i < 0 || i >= count()) return false;
    entries_.erase(entries_.begin() + i);
    modified_ = true;
    return true;
}

void CPaperSizeData::sort() {
    sortEntries();
    modified_ = true;
}

int CPaperSizeData::FindKey(u16view key) const {
    key = key.substr(0, MaxFieldLength);
    if (key.empty()) return -1;
    return dict_search::equalTo(count(), [&](int i) { return dict_order::compare(key, entries_[i].key); });
}

bool CPaperSizeData::GetRecord(int index, PaperSizeEntry& out) const {
    if (index < 0 || index >= count()) return false;
    out = entries_[index];
    return true;
}

u16 CPaperSizeData::valueOf(u16view key) const {
    int i = FindKey(key);
    return i < 0 ? u16() : u16(record::field(entries_[i].value));
}
