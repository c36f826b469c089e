#include "support/easy_support_dictionary.h"

#include "support/dictionary_order.h"
#include "support/dictionary_search.h"
#include "support/dictionary_store.h"

#include <algorithm>

CEditorSupportDic::CEditorSupportDic(DictionaryStore* store) : store_(store) {
    if (store_) store_->loadEasySupport(entries_);
}

CEditorSupportDic::~CEditorSupportDic() {
    if (modified_ && store_) store_->saveEasySupport(entries_);
}

bool CEditorSupportDic::isValid(const EasySupportEntry& entry) {
    return entry.key[0] == u':' && entry.key[1] != 0 && entry.text[0] != 0;
}

void CEditorSupportDic::sortEntries() {
    std::stable_sort(entries_.begin(), entries_.end(), [](const EasySupportEntry& a, const EasySupportEntry& b) {
        return dict_order::before(record::field(a.key), record::field(b.key));
    });
}

bool CEditorSupportDic::get(int i, EasySupportEntry& out) const {
    if (i < 0 || i >= count()) return false;
    out = entries_[i];
    return true;
}

bool CEditorSupportDic::put(int i, const EasySupportEntry& entry) {
    if (!isValid(entry) || i >= count()) return false;
    if (i < 0) entries_.push_back(entry);
    else entries_[i] = entry;
    sortEntries();
    modified_ = true;
    return true;
}

void CEditorSupportDic::putAll(std::vector<EasySupportEntry> entries) {
    entries_ = std::move(entries);
    sortEntries();
    modified_ = true;
}

bool CEditorSupportDic::remove(int i) {
    if (i < 0 || i >= count()) return false;
    entries_.erase(entries_.begin() + i);
    modified_ = true;
    return true;
}

void CEditorSupportDic::sort() {
    sortEntries();
    modified_ = true;
}

int CEditorSupportDic::find(u16view key) const {
    key = key.substr(0, MaxFieldLength);
    if (key.empty()) return -1;
    return dict_search::equalTo(count(), [&](int i) { return dict_order::compare(key, entries_[i].key); });
}
