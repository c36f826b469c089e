// The history file "Vexa2.hst": one record per command of the dictionary,
// in dictionary position order, no header.
#pragma once
#include "base/text.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

struct HistoryRecord {
    int32_t commandIndex;
    int32_t useCount;
};
static_assert(sizeof(HistoryRecord) == 8);

namespace history_file {

inline constexpr const char16_t* FileName = u"Vexa2.hst";

// count records: a missing file gives (i, 0) for record i; records beyond
// the end of a shorter file are (0, 0). Only the records asked for are
// read, so a huge file costs nothing.
std::vector<HistoryRecord> read(u16view path, size_t count);
bool write(u16view path, std::span<const HistoryRecord> records);

} // namespace history_file
