// Where the outline scan and the .bib reader get file contents from: the
// disk in the plug-in, a map of texts in tests and fuzzing.
#pragma once
#include "base/text.h"

#include <cstdint>

class FileSource {
public:
    virtual ~FileSource() = default;
    // The file's text, decoded as a LaTeX source (text_file::decodeSource:
    // UTF-8, else ANSI or UTF-16LE by the length test).
    // False, text empty, when it is missing, not a regular file, cannot
    // be read, or limit is non-zero and its size in bytes exceeds limit.
    virtual bool read(u16view path, uint32_t limit, u16& text) = 0;
};

// Files on disk through the platform layer. Stateless, so one instance
// serves every thread.
class DiskFiles final : public FileSource {
public:
    bool read(u16view path, uint32_t limit, u16& text) override;
};

DiskFiles& diskFiles();
