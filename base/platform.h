// The few operating-system services the portable core needs. Implemented
// once for Linux (native tests) in base/posix and once for Windows in
// base/win32. Paths are UTF-16 and may use '\' as separator on both sides.
#pragma once
#include "base/text.h"
#include <ctime>
#include <cstdint>
#include <memory>
#include <string>

namespace platform {

// --- text -----------------------------------------------------------------
// System ANSI code page (932 on Japanese Windows, 1252 on English).
u16 ansiToUtf16(std::string_view bytes);
// Characters the code page lacks become '?'.
std::string utf16ToAnsi(u16view text);
// Case-insensitive three-way compare with the user's default locale.
int compareNoCase(u16view a, u16view b);
// Case-sensitive three-way compare with the user's default locale, as lists
// of names are ordered for the user (not a code-unit order: "a" < "B").
int compareLocale(u16view a, u16view b);

// --- environment ----------------------------------------------------------
// False when the variable is not set.
bool getEnv(u16view name, u16& value);

// --- files ----------------------------------------------------------------
bool isDirectory(u16view path);
bool fileExists(u16view path);
// Whole file into bytes; false (bytes empty) when it cannot be read.
bool readFile(u16view path, std::string& bytes);
// Replaces path with bytes so that readers see either the old or the new
// content, never a mix: a temporary file in the same folder is written,
// flushed and moved over the target. Retries briefly while the target is
// locked by another process. On failure the old file is untouched.
bool writeFileAtomic(u16view path, std::string_view bytes);
bool deleteFile(u16view path);
// Size and last-write time of a regular file; the time counts 100 ns
// intervals since 1601-01-01 UTC (the Windows file time), so stamps
// compare the same way on both sides. False for a folder or a missing file.
struct FileStamp {
    uint64_t size = 0;
    uint64_t writeTime = 0;
};
bool fileStamp(u16view path, FileStamp& stamp);
// Reads exactly size bytes at offset into out (one read, no intermediate
// copy); false when the file is shorter or cannot be read.
bool readFileRange(u16view path, uint64_t offset, size_t size, void* out);
// True when the file exists and could be opened for writing with no other
// handle sharing it (nobody else holds it open).
bool canOpenExclusive(u16view path);

// --- locks ----------------------------------------------------------------
// A mutex named across processes, recursive for its owning thread.
class NamedMutex {
public:
    virtual ~NamedMutex() = default;
    virtual void lock() = 0;
    virtual void unlock() = 0;
};
// Null when it cannot be created.
std::unique_ptr<NamedMutex> createNamedMutex(u16view name);

// Scoped ownership of a NamedMutex; does nothing for a null mutex.
class MutexLock {
public:
    explicit MutexLock(NamedMutex* m) : mutex_(m) { if (mutex_) mutex_->lock(); }
    ~MutexLock() { if (mutex_) mutex_->unlock(); }
    MutexLock(const MutexLock&) = delete;
    MutexLock& operator=(const MutexLock&) = delete;
private:
    NamedMutex* mutex_; // not owned
};

} // namespace platform

namespace platform {

// t written by C's wide strftime rules under the current locale; empty
// when the result is empty or longer than limit. The caller checks the
// format first (see date_format::valid).
u16 formatTime(u16view format, const std::tm& t, size_t limit);

} // namespace platform
