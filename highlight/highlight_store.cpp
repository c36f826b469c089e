#include "highlight/highlight_store.h"

#include "base/str.h"
#include "highlight/highlight_presets.h"
#include "settings/setting.h"
#include "settings/setting_keys.h"

namespace keys = ini_keys::highlight;

Highlight::Highlight(CSetting& settings) : settings_(settings) { Load(); }

Highlight::~Highlight() { Save(); }

void Highlight::Load() {
    items_.clear();
    for (const u16& stored : settings_.readStringList(keys::Section, {})) {
        if (items_.size() == MaxUserItems) break;
        items_.push_back(parse(stored));
    }
    modified_ = false;
}

std::optional<HighlightItem> Highlight::GetItem(int32_t id, const NameOf& presetName) const {
    if (const highlight_presets::Preset* p = highlight_presets::find(id))
        return HighlightItem{presetName ? presetName(p->nameId) : u16(), u16(p->pattern)};
    if (!isUserId(id)) return std::nullopt;
    return items_[static_cast<size_t>(id - FirstUser)];
}

bool Highlight::isUserId(int32_t id) const {
    return id >= FirstUser && static_cast<size_t>(id - FirstUser) < items_.size();
}

void Highlight::PutItem(const HighlightItem& item) {
    std::erase_if(items_, [&](const HighlightItem& i) { return str::equalsNoCase(i.name, item.name); });
    items_.insert(items_.begin(), item);
    if (items_.size() > MaxUserItems) items_.resize(MaxUserItems);
    modified_ = true;
}

bool Highlight::PutItem(const HighlightItem& item, const Confirm& confirm) {
    for (const HighlightItem& existing : items_) {
        if (!str::equalsNoCase(existing.name, item.name)) continue;
        if (!confirm || !confirm(existing, item)) return false;
        break;   // asked once, however many share the name
    }
    PutItem(item);
    return true;
}

bool Highlight::DeleteItem(int32_t id) {
    if (!isUserId(id)) return false;
    items_.erase(items_.begin() + (id - FirstUser));
    modified_ = true;
    return true;
}

void Highlight::Clear() {
    items_.clear();
    modified_ = false;
    settings_.beginBatch();
    int32_t status = settings_.readInt(keys::Section, keys::Status, 0);
    settings_.deleteSection(keys::Section);
    settings_.writeInt(keys::Section, keys::Status, status);
    settings_.endBatch();
}

bool Highlight::Save() {
    if (!modified_) return true;
    // An empty value after the last entry ends a longer old list.
    std::vector<u16> out;
    out.reserve(items_.size() + 1);
    for (const HighlightItem& i : items_) out.push_back(format(i));
    out.emplace_back();
    bool ok = settings_.writeStringList(keys::Section, out) != 0;
    if (ok) modified_ = false;
    return ok;
}

HighlightItem Highlight::parse(u16view stored) {
    size_t tab = stored.find(u'\t');
    if (tab == u16view::npos) return {u16(stored), u16()};
    u16view rest = stored.substr(tab + 1);
    return {u16(stored.substr(0, tab)), u16(rest.substr(0, rest.find(u'\t')))};
}

u16 Highlight::format(const HighlightItem& item) { return item.name + u'\t' + item.pattern; }

namespace highlight {

u16 activePattern(CSetting& settings) {
    int32_t id = settings.readInt(keys::Section, keys::Item, highlight_presets::DefaultItem);
    // Presets need no list: the timer of every window asks this.
    if (const highlight_presets::Preset* p = highlight_presets::find(id)) return p->pattern;
    Highlight store(settings);
    std::optional<HighlightItem> item = store.GetItem(id);
    return item ? item->pattern : u16();
}

} // namespace highlight
