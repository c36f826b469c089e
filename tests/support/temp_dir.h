// A fresh, empty folder for one test, removed with its content when the
// object dies. Works natively and under Wine: paths are the platform's own
// form (backslashes on Windows) as UTF-16.
#pragma once
#include "base/text.h"

#include <string>

class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    bool ok() const { return !path_.empty(); }
    const u16& path() const { return path_; }       // no trailing separator
    u16 file(u16view name) const;                   // path + separator + name

    // Whole-file helpers for test set-up and checks (bytes as stored).
    bool write(u16view name, std::string_view bytes) const;
    std::string read(u16view name) const;           // empty when missing
    bool exists(u16view name) const;
    bool makeFolder(u16view name) const;

private:
    u16 path_;
};
