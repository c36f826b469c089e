// CRoot: the recently locked roots, most recent first, at most 10. Each
// user builds one, uses it as a snapshot and lets it save on destruction
// when it changed. The root lock flag itself lives in the shared section;
// Lockable says whether it may be switched on.
#pragma once
#include "base/text.h"

#include <cstdint>
#include <vector>

class CSetting;

class CRoot {
public:
    static constexpr size_t MaxEntries = 10;

    explicit CRoot(CSetting& settings); // loads
    virtual ~CRoot();                   // saves when dirty
    CRoot(const CRoot&) = delete;
    CRoot& operator=(const CRoot&) = delete;

    void Load();
    // False when index is negative or beyond the list (path then empty).
    bool Get(int32_t index, u16& path) const;
    // To the front; case-insensitive duplicates go; the 11th drops.
    void Promote(u16view path);
    void RemoveFirst();
    // Empties the list and the whole section at once, keeping "Type".
    void ClearAll();
    // Writes the list now when it changed; false when the write failed.
    bool Save();

    size_t size() const { return roots_.size(); }
    bool dirty() const { return dirty_; }

private:
    CSetting& settings_;      // not owned: the process-wide settings
    std::vector<u16> roots_;
    bool dirty_ = false;
};

namespace root_lock {

// Requests as the toggle's callers send them.
enum class Mode : int32_t { On = 0, Off = 1, Toggle = 2, Refresh = 3 };

// Whether the lock may be on: it locks entry 0 of the recent roots, which
// must name a TeX file.
bool Lockable(CSetting& settings);

} // namespace root_lock
