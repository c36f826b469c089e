// CIni: one open of the settings file. It is parsed as a whole at open,
// changed in memory and written back as a whole at close, all while the
// cross-process mutex is held, so concurrent writers never lose changes.
#pragma once
#include "base/platform.h"
#include "base/text.h"

#include <cstdint>
#include <optional>
#include <vector>

class CIni {
public:
    CIni() = default;
    virtual ~CIni();                 // closes when still open
    CIni(const CIni&) = delete;
    CIni& operator=(const CIni&) = delete;

    // Waits without limit on mutex (may be null), then reads the file. A
    // missing file is an empty store; an empty path an unusable one. A file
    // that exists but cannot be read is an empty store that is never saved,
    // so the user's file is not replaced by a near-empty one.
    void open(u16view path, platform::NamedMutex* mutex);
    // Writes when modified and usable, then releases the mutex. False when a
    // needed write failed (the old file stays as it was). An empty result is
    // not written and counts as success.
    bool close();

    // Null value deletes the entry (at the next save); null key empties the
    // whole section. 0 for a missing/empty section or key, and for names a
    // line-based file cannot hold back (line breaks, "=" in a key, ...).
    int setValue(const char16_t* section, const char16_t* key, const char16_t* value);
    int setInt(const char16_t* section, const char16_t* key, int32_t number);
    // The stored text (valid until this store changes) or def.
    const char16_t* getValue(const char16_t* section, const char16_t* key, const char16_t* def) const;
    int32_t getInt(const char16_t* section, const char16_t* key, int32_t def) const;

    // Text parsing and building, also used on their own by tests.
    void parse(u16view text);
    u16 build() const;

    bool isModified() const { return modified_; }
    bool isUnusable() const { return unusable_; }
    bool isOpen() const { return open_; }

private:
    struct Entry {
        u16 key;
        std::optional<u16> value;    // none: deleted, not written out
    };
    struct Section {
        u16 name;
        std::vector<Entry> entries;
    };
    Section* findSection(u16view name);
    const Section* findSection(u16view name) const;
    static const Entry* findEntry(const Section& s, u16view key);

    platform::NamedMutex* mutex_ = nullptr;  // not owned; held while open
    std::vector<Section> sections_;
    u16 path_;
    bool open_ = false;
    bool modified_ = false;
    bool unusable_ = false;
    bool readOnly_ = false;          // the file existed but could not be read
};
