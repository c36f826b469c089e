#include "make/recent_roots.h"

#include "base/str.h"
#include "make/root_file.h"
#include "settings/setting.h"
#include "settings/setting_keys.h"

namespace keys = ini_keys::root;

CRoot::CRoot(CSetting& settings) : settings_(settings) { Load(); }

CRoot::~CRoot() { Save(); }

void CRoot::Load() {
    roots_ = settings_.readStringList(keys::Section, {});
    if (roots_.size() > MaxEntries) roots_.resize(MaxEntries);
    dirty_ = false;
}

bool CRoot::Get(int32_t index, u16& path) const {
    path.clear();
    if (index < 0 || static_cast<size_t>(index) >= roots_.size()) return false;
    path = roots_[static_cast<size_t>(index)];
    return true;
}

void CRoot::Promote(u16view path) {
    std::erase_if(roots_, [&](const u16& r) { return str::equalsNoCase(r, path); });
    roots_.insert(roots_.begin(), u16(path));
    if (roots_.size() > MaxEntries) roots_.resize(MaxEntries);
    dirty_ = true;
}

void CRoot::RemoveFirst() {
    if (!roots_.empty()) roots_.erase(roots_.begin());
    dirty_ = true;
}

void CRoot::ClearAll() {
    roots_.clear();
    dirty_ = false;
    settings_.beginBatch();
    int32_t type = settings_.readInt(keys::Section, keys::Type, 0);
    settings_.deleteSection(keys::Section);
    settings_.writeInt(keys::Section, keys::Type, type);
    settings_.endBatch();
}

bool CRoot::Save() {
    if (!dirty_) return true;
    // An empty value after the last entry ends a longer old list.
    std::vector<u16> out = roots_;
    out.emplace_back();
    bool ok = settings_.writeStringList(keys::Section, out) != 0;
    if (ok) dirty_ = false;
    return ok;
}

namespace root_lock {

bool Lockable(CSetting& settings) {
    CRoot roots(settings);
    u16 first;
    return roots.Get(0, first) && root_file::IsTexFileName(first);
}

} // namespace root_lock
