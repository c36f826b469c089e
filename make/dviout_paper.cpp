#include "make/dviout_paper.h"

#include "base/str.h"
#include "settings/setting.h"
#include "settings/setting_keys.h"

#include <algorithm>
#include <array>

namespace keys = ini_keys::dviout;

namespace {
constexpr std::array<const char16_t*, 7> Sizes = {u"A3", u"A4", u"A5", u"B3", u"B4", u"B5", u"Letter"};
} // namespace

DVIOUTPaper::DVIOUTPaper(CSetting& settings, u16view landscapeWord)
    : settings_(settings), landscapeWord_(landscapeWord) {
    for (const u16& stored : settings_.readStringList(keys::Section, {})) {
        if (entries_.size() == MaxUserEntries) break;
        entries_.push_back(parse(stored));
    }
}

DVIOUTPaper::~DVIOUTPaper() { Save(); }

u16 DVIOUTPaper::builtInValue(int32_t number) {
    if (number < 1 || number > BuiltInCount) return {};
    bool landscape = number > static_cast<int32_t>(Sizes.size());
    return u16(Sizes[static_cast<size_t>((number - 1) % Sizes.size())]) + (landscape ? u"L" : u"P");
}

bool DVIOUTPaper::GetPaper(int32_t number, PaperEntry& out) const {
    out = {};
    if (number >= 1 && number <= BuiltInCount) {
        bool landscape = number > static_cast<int32_t>(Sizes.size());
        out.text = Sizes[static_cast<size_t>((number - 1) % Sizes.size())];
        if (landscape) out.text += landscapeWord_;
        out.value = builtInValue(number);
        return true;
    }
    if (!isUserNumber(number)) return false;
    out = entries_[static_cast<size_t>(number - FirstUser)];
    return true;
}

bool DVIOUTPaper::isUserNumber(int32_t number) const {
    return number >= FirstUser && static_cast<size_t>(number - FirstUser) < entries_.size();
}

void DVIOUTPaper::StoreEntry(const PaperEntry& entry) {
    std::erase_if(entries_, [&](const PaperEntry& e) { return str::equalsNoCase(e.text, entry.text); });
    entries_.insert(entries_.begin(), entry);
    if (entries_.size() > MaxUserEntries) entries_.resize(MaxUserEntries);
    changed_ = true;
}

bool DVIOUTPaper::AddEntry(const PaperEntry& entry, const Confirm& confirm) {
    auto same = std::find_if(entries_.begin(), entries_.end(),
                             [&](const PaperEntry& e) { return str::equalsNoCase(e.text, entry.text); });
    if (same != entries_.end() && !(confirm && confirm(*same, entry))) return false;
    StoreEntry(entry);
    return true;
}

bool DVIOUTPaper::RemoveEntry(int32_t number) {
    if (!isUserNumber(number)) return false;
    entries_.erase(entries_.begin() + (number - FirstUser));
    changed_ = true;
    return true;
}

void DVIOUTPaper::ClearEntries() {
    entries_.clear();
    changed_ = false;
    settings_.beginBatch();
    int32_t fromSource = settings_.readInt(keys::Section, keys::PaperSizeFromSource, 1);
    settings_.deleteSection(keys::Section);
    settings_.writeInt(keys::Section, keys::PaperSizeFromSource, fromSource);
    settings_.endBatch();
}

bool DVIOUTPaper::Save() {
    if (!changed_) return true;
    std::vector<u16> out;
    for (const PaperEntry& e : entries_) out.push_back(format(e));
    // An empty value after the last entry ends a longer old list.
    out.emplace_back();
    bool ok = settings_.writeStringList(keys::Section, out) != 0;
    if (ok) changed_ = false;
    return ok;
}

PaperEntry DVIOUTPaper::parse(u16view stored) {
    PaperEntry e;
    size_t tab = stored.find(u'\t');
    e.text = stored.substr(0, tab);
    if (tab == u16view::npos) return e;
    u16view rest = stored.substr(tab + 1);
    e.value = rest.substr(0, rest.find(u'\t'));
    return e;
}

u16 DVIOUTPaper::format(const PaperEntry& entry) { return entry.text + u'\t' + entry.value; }
