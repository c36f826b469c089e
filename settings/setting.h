// CSetting: the process-wide settings object. It knows where "Vexa2.ini"
// is, serializes every access through the "Vexa2MutexIni" named mutex and
// offers typed reads (always with a default) and writes. Each single
// operation re-reads and rewrites the file under the mutex; a batch keeps
// one open store for a run of operations of one thread.
#pragma once
#include "base/platform.h"
#include "base/text.h"
#include "settings/ini_store.h"

#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <thread>
#include <vector>

struct Rect {
    int32_t left = 0, top = 0, right = 0, bottom = 0;
};

struct Pair {
    int32_t first = 0, second = 0;
};

class CSetting {
public:
    // Capacity of the per-thread buffer that readString without a buffer
    // fills, and the size of the fallback for threads without one.
    static constexpr size_t ThreadBufferCapacity = 4097;
    static constexpr size_t FallbackBufferSize = 4098;
    // Longest file path kept (the Windows MAX_PATH limit).
    static constexpr size_t MaxPathLength = 260;
    static constexpr size_t MaxListEntries = 500;

    // Returns the calling thread's buffer (ThreadBufferCapacity characters)
    // or null when the thread has none. Set once by the plug-in frame.
    using ThreadBufferProvider = char16_t* (*)();
    static inline ThreadBufferProvider threadBufferProvider = nullptr;

    // pluginFolder: the folder of the plug-in's own file. Empty, or too
    // long a path, makes the object unusable.
    explicit CSetting(u16view pluginFolder);
    virtual ~CSetting();              // ends an open batch (one write)
    CSetting(const CSetting&) = delete;
    CSetting& operator=(const CSetting&) = delete;

    // Moves the file to the folder named by USERPROFILE. When that is not
    // an existing folder the object becomes unusable and the result false.
    bool switchToUserProfile();
    // Applies (Multiuser, Mode) as read from the current location: switches
    // when it is nonzero. False only when the switch was needed and failed.
    bool applyLocationRule();

    bool isUsable() const { return !unusable_; }
    const u16& iniPath() const { return iniPath_; }
    // The folder of the file (other components keep their files there), or
    // null when unusable.
    const char16_t* settingsFolder() const;

    int32_t readInt(const char16_t* section, const char16_t* key, int32_t def);
    // Writes return 0 when unusable, when the name is refused or when the
    // file could not be saved.
    int writeInt(const char16_t* section, const char16_t* key, int32_t value);

    // Copies at most capacity - 2 characters of the value (or of def) and a
    // terminator; returns the characters copied.
    size_t readString(const char16_t* section, const char16_t* key, const char16_t* def, char16_t* buffer,
                      size_t capacity);
    // The same into the calling thread's buffer; valid until the thread's
    // next such read. Null when unusable.
    const char16_t* readString(const char16_t* section, const char16_t* key, const char16_t* def);
    // The text's length on success (text may be empty: then 0 as well).
    size_t writeString(const char16_t* section, const char16_t* key, const char16_t* text);

    int deleteKey(const char16_t* section, const char16_t* key);
    int deleteSection(const char16_t* section);
    bool deleteFile();

    // "left,top,right,bottom"; false when missing or fewer than four numbers.
    bool readRect(const char16_t* section, const char16_t* key, Rect& rect);
    int writeRect(const char16_t* section, const char16_t* key, const Rect& rect);
    bool readPair(const char16_t* section, const char16_t* key, Pair& pair);
    int writePair(const char16_t* section, const char16_t* key, const Pair& pair);

    // Numbered keys "0", "1", ... of a section.
    std::vector<int32_t> readIntList(const char16_t* section, std::span<const int32_t> defaults, size_t count);
    int writeIntList(const char16_t* section, std::span<const int32_t> values, bool skipNegative);
    // Up to 500 entries: below defaults.size() a missing key gives its
    // default; beyond, reading stops at the first missing key. It always
    // stops at the first empty value.
    std::vector<u16> readStringList(const char16_t* section, std::span<const u16> defaults);
    int writeStringList(const char16_t* section, std::span<const u16> list);

    // Between the two, this thread's operations share one open store and
    // the file is written once, at endBatch; other threads wait. Nested
    // batches join the outer one. endBatch is false when the write failed
    // or the calling thread has no batch.
    void beginBatch();
    bool endBatch();

private:
    // Runs op on the store of this thread's batch, or on a store opened
    // (and closed, saving) just for it. Returns false when saving failed.
    template <typename Op> bool withStore(Op&& op);
    bool ownsBatch() const { return batchOwner_.load() == std::this_thread::get_id(); }
    bool setLocation(u16view folder);
    void dropBatch();

    u16 iniPath_;                                   // folder + "\" + file name
    u16 settingsFolder_;                            // without trailing separator
    std::array<char16_t, FallbackBufferSize> fallbackBuffer_{};
    bool unusable_ = false;
    std::unique_ptr<CIni> batch_;                   // owned; open during a batch
    std::unique_ptr<platform::NamedMutex> mutex_;   // owned handle; may be null
    std::atomic<std::thread::id> batchOwner_{};     // thread of the open batch
    int batchDepth_ = 0;                            // touched by the owner only
};
