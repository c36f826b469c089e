#include "support/paper_size_data.h"

#include "support/dictionary_order.h"
#include "support/dictionary_search.h"
#include "support/dictionary_store.h"

CPaperSizeData::CPaperSizeData(const DictionaryStore* store) {
    if (store) store->loadPaperSizes(entries_);
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
