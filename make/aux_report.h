// What the deletion report shows and what is deleted afterwards, by the
// ("Make", "DeleteReport") mode: 0 shows nothing, 1 shows every match,
// 2 shows only the folder-pattern matches and deletes the name matches
// unseen. Cancel spares only the files that were shown.
#pragma once
#include "base/text.h"
#include "make/aux_files.h"

#include <cstdint>
#include <vector>

namespace aux_report {

enum class List { Names, Patterns };
struct Row {
    List list;
    size_t index; // into that list of Found
};

// The rows the report lists, names first.
std::vector<Row> rowsToShow(const aux_files::Found& found, int32_t mode);

// Unchecked rows blank their entry, so collect() skips them.
void blankUnchecked(aux_files::Found& found, const std::vector<Row>& rows, const std::vector<bool>& checked);

// The non-blank entries to delete once the report ended (ok) or was
// cancelled.
std::vector<u16> collect(const aux_files::Found& found, int32_t mode, bool ok);

// One buffer of NUL-terminated paths ending in a second NUL, as the shell's
// file operation takes it. Empty list: empty buffer.
u16 doubleNulList(const std::vector<u16>& paths);

} // namespace aux_report
