// CLine: a text file as a list of lines, read whole (ANSI or UTF-16LE by
// the length test), edited line by line and written back in the ANSI code
// page when it is closed. Every line of the file is kept, however many.
#pragma once
#include "base/text.h"

#include <cstddef>
#include <vector>

class CLine {
public:
    enum class SaveResult {
        Unchanged, // nothing to write (not modified, or invalid)
        Written,
        Refused,   // writing would lose text (a character the code page
                   // lacks, or a NUL that cut the reading short): the file
                   // is left as it was
        Failed,    // the file could not be replaced
    };

    explicit CLine(u16view path);   // reads
    virtual ~CLine();               // Close()
    CLine(const CLine&) = delete;
    CLine& operator=(const CLine&) = delete;

    // Empty path, a folder or an unreadable file.
    bool IsInvalidFile() const { return invalid_; }
    bool IsModified() const { return modified_; }
    const u16& path() const { return path_; }
    size_t LineCount() const { return lines_.size(); }
    // Empty for a line beyond the end.
    const u16& Line(size_t n) const;
    // Replaces line n, appending empty lines when the file is shorter.
    void SetLine(size_t n, u16view text);
    // Writes when valid and modified (every line + CR LF, atomically);
    // later calls do nothing until the next change.
    SaveResult Close();

protected:
    const std::vector<u16>& lines() const { return lines_; }

private:
    u16 path_;
    std::vector<u16> lines_;
    bool modified_ = false;
    bool invalid_ = false;
    bool cut_ = false;        // the reading stopped at a NUL before the end
};

namespace line_file {
// Splits at CR LF, lone CR and lone LF. A final line end adds no line.
std::vector<u16> splitLines(u16view text);
} // namespace line_file
