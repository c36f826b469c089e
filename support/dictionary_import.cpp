#include "support/dictionary_import.h"

#include "base/platform.h"
#include "support/dictionary_order.h"
#include "support/dictionary_source.h"
#include "support/easy_support_dictionary.h"
#include "support/environment_dictionary.h"
#include "support/paper_size_data.h"
#include "support/tex_dictionary.h"

#include <algorithm>
#include <type_traits>
#include <unordered_map>

namespace dict_import {

namespace {

// The key of each kind and the rule for "importing it changes nothing".
u16view keyOf(const CommandEntry& e) { return record::field(e.text); }
u16view keyOf(const EnvironmentEntry& e) { return record::field(e.name); }
u16view keyOf(const EasySupportEntry& e) { return record::field(e.key); }
u16view keyOf(const PaperSizeEntry& e) { return record::field(e.key); }

bool same(const CommandEntry& a, const CommandEntry& b) {
    return keyOf(a) == keyOf(b) && record::field(a.description) == record::field(b.description);
}
bool same(const EnvironmentEntry& a, const EnvironmentEntry& b) {
    return keyOf(a) == keyOf(b) && record::field(a.arguments) == record::field(b.arguments) &&
           record::field(a.description) == record::field(b.description);
}
bool same(const EasySupportEntry& a, const EasySupportEntry& b) {
    return keyOf(a) == keyOf(b) && record::field(a.text) == record::field(b.text);
}
bool same(const PaperSizeEntry& a, const PaperSizeEntry& b) {
    return keyOf(a) == keyOf(b) && record::field(a.value) == record::field(b.value);
}

// Keys are compared unit for unit, through hash maps. Dictionary order is
// not used for equality: it gives a few non-ASCII units the weights of '{',
// '}', '*' and the letters; nor a binary search: a hand-edited source need
// not be sorted. Neither may make a row replace an entry not its own.
template <typename Entry, typename Get>
std::vector<bool> checksOver(int count, Get get, std::span<const Entry> rows) {
    std::unordered_multimap<u16, int> byKey;
    byKey.reserve(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) byKey.emplace(u16(keyOf(get(i))), i);
    std::vector<bool> checks(rows.size(), true);
    for (size_t r = 0; r < rows.size(); ++r) {
        auto [first, last] = byKey.equal_range(u16(keyOf(rows[r])));
        for (auto it = first; it != last; ++it) {
            if (same(get(it->second), rows[r])) {
                checks[r] = false;
                break;
            }
        }
    }
    return checks;
}

template <typename Entry> Entry entryAt(const auto& d, int i) {
    Entry e{};
    d.get(i, e);
    return e;
}

// The checked rows go into a copy of the dictionary's entries: a row whose
// key is already there replaces that entry (the first with it), any other
// is appended; rows the dictionary would refuse are left out. Then the
// dictionary takes the copy and sorts it once: a put per row would sort the
// whole dictionary for every row (seconds for a thousand rows, hours for a
// file of the largest size).
template <typename Entry, typename Dict>
int mergeInto(Dict& d, std::span<const Entry> rows, const std::vector<bool>& checked) {
    std::vector<Entry> entries;
    entries.reserve(static_cast<size_t>(d.count()) + rows.size());
    std::unordered_map<u16, size_t> byKey;
    for (int i = 0; i < d.count(); ++i) {
        entries.push_back(entryAt<Entry>(d, i));
        byKey.emplace(u16(keyOf(entries.back())), entries.size() - 1);
    }
    int stored = 0;
    for (size_t r = 0; r < rows.size() && r < checked.size(); ++r) {
        if (!checked[r] || !Dict::isValid(rows[r])) continue;
        auto [it, added] = byKey.emplace(u16(keyOf(rows[r])), entries.size());
        if (added) {
            entries.push_back(rows[r]);
        } else {
            Entry& old = entries[it->second];
            Entry row = rows[r];
            if constexpr (std::is_same_v<Entry, CommandEntry>) row.loadIndex = old.loadIndex;
            old = row;
        }
        ++stored;
    }
    if (stored > 0) d.putAll(std::move(entries));
    return stored;
}

} // namespace

ReadResult readFile(u16view path, std::string& bytes) {
    bytes.clear();
    platform::FileStamp stamp;
    if (!platform::fileStamp(path, stamp)) return ReadResult::Unreadable;
    if (stamp.size > dict_source::MaxSourceBytes) return ReadResult::TooLarge;
    std::string read;
    if (!platform::readFile(path, read)) return ReadResult::Unreadable;
    // The file may have grown since it was measured.
    if (read.size() > dict_source::MaxSourceBytes) return ReadResult::TooLarge;
    bytes = std::move(read);
    return ReadResult::Read;
}

std::vector<CommandEntry> commandRows(std::string_view bytes) {
    std::vector<CommandEntry> rows;
    std::vector<SuffixEntry> suffixes;   // the dictionary builds its own
    dict_source::parseCommands(bytes, rows, suffixes);
    for (CommandEntry& e : rows) e.loadIndex = -1;
    return rows;
}

std::vector<EnvironmentEntry> environmentRows(std::string_view bytes) { return dict_source::parseEnvironments(bytes); }
std::vector<EasySupportEntry> easySupportRows(std::string_view bytes) { return dict_source::parseEasySupport(bytes); }
std::vector<PaperSizeEntry> paperSizeRows(std::string_view bytes) { return dict_source::parsePaperSizes(bytes); }

std::vector<u16> cells(const CommandEntry& e) {
    return {u16(record::field(e.name)), u16(record::field(e.arguments)), u16(record::field(e.description))};
}
std::vector<u16> cells(const EnvironmentEntry& e) {
    return {u16(record::field(e.name)), u16(record::field(e.arguments)), u16(record::field(e.description))};
}
std::vector<u16> cells(const EasySupportEntry& e) { return {u16(record::field(e.key)), u16(record::field(e.text))}; }
std::vector<u16> cells(const PaperSizeEntry& e) { return {u16(record::field(e.key)), u16(record::field(e.value))}; }

std::vector<bool> initialChecks(const CTeXDictionary& d, std::span<const CommandEntry> rows) {
    return checksOver<CommandEntry>(d.count(), [&](int i) { return entryAt<CommandEntry>(d, i); }, rows);
}
std::vector<bool> initialChecks(const CTeXEDictionary& d, std::span<const EnvironmentEntry> rows) {
    return checksOver<EnvironmentEntry>(d.count(), [&](int i) { return entryAt<EnvironmentEntry>(d, i); }, rows);
}
std::vector<bool> initialChecks(const CEditorSupportDic& d, std::span<const EasySupportEntry> rows) {
    return checksOver<EasySupportEntry>(d.count(), [&](int i) { return entryAt<EasySupportEntry>(d, i); }, rows);
}
std::vector<bool> initialChecks(const CPaperSizeData& d, std::span<const PaperSizeEntry> rows) {
    return checksOver<PaperSizeEntry>(
        d.count(),
        [&](int i) {
            PaperSizeEntry e{};
            d.GetRecord(i, e);
            return e;
        },
        rows);
}

int merge(CTeXDictionary& d, std::span<const CommandEntry> rows, const std::vector<bool>& checked) {
    return mergeInto<CommandEntry>(d, rows, checked);
}
int merge(CTeXEDictionary& d, std::span<const EnvironmentEntry> rows, const std::vector<bool>& checked) {
    return mergeInto<EnvironmentEntry>(d, rows, checked);
}
int merge(CEditorSupportDic& d, std::span<const EasySupportEntry> rows, const std::vector<bool>& checked) {
    return mergeInto<EasySupportEntry>(d, rows, checked);
}

namespace {
// The paper size list behind the interface the other dictionaries offer.
struct PaperList {
    std::vector<PaperSizeEntry>& list;
    // An empty key could never be looked up.
    static bool isValid(const PaperSizeEntry& e) { return e.key[0] != 0; }
    int count() const { return static_cast<int>(list.size()); }
    bool get(int i, PaperSizeEntry& out) const {
        if (i < 0 || i >= count()) return false;
        out = list[static_cast<size_t>(i)];
        return true;
    }
    void putAll(std::vector<PaperSizeEntry> entries) {
        list = std::move(entries);
        std::stable_sort(list.begin(), list.end(), [](const PaperSizeEntry& a, const PaperSizeEntry& b) {
            return dict_order::before(record::field(a.key), record::field(b.key));
        });
    }
};
} // namespace

int mergePaperSizes(std::vector<PaperSizeEntry>& list, std::span<const PaperSizeEntry> rows,
                    const std::vector<bool>& checked) {
    PaperList adapter{list};
    return mergeInto<PaperSizeEntry>(adapter, rows, checked);
}

} // namespace dict_import
