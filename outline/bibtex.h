// CBibTeX: the reader of a BibTeX database. One pass over the file's text,
// parsed in place, yields the entries with their type, key and fields.
// Only entries that have a type, a key and at least one complete field
// are kept, so @string, @preamble and @comment blocks drop out naturally.
#pragma once
#include "base/text.h"
#include "outline/file_source.h"
#include "outline/outline_items.h"

#include <cstdint>
#include <vector>

namespace bibtex {

// Parses a whole database text. The text is taken by value because the
// parse writes terminators into it.
std::vector<BibEntry> parse(u16 text);

// The trimming applied when an entry is finished; exposed for the tests
// and for callers that show raw pieces.
u16 trimKey(u16view piece);
u16 trimFieldName(u16view piece);
u16 cleanValue(u16view piece);

} // namespace bibtex

class CBibTeX {
public:
    // Reads and parses at once. ".bib" is appended when the path has no
    // extension. limit (bytes, 0 = none) refuses larger files.
    CBibTeX(u16view path, uint32_t limit, FileSource& files = diskFiles());
    virtual ~CBibTeX() = default;

    // True when the file could not be read (missing, unreadable, a folder,
    // or over the limit); there are no entries then.
    bool error() const { return error_; }
    uint32_t limit() const { return limit_; }
    const std::vector<BibEntry>& entries() const { return entries_; }
    // Copies entry i; false when i is negative or not below the count.
    bool entry(int32_t i, BibEntry& out) const;

private:
    std::vector<BibEntry> entries_;
    bool error_ = false;
    uint32_t limit_ = 0;
};
