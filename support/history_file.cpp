#include "support/history_file.h"

#include "base/platform.h"

#include <cstring>
#include <string>

namespace history_file {

std::vector<HistoryRecord> read(u16view path, size_t count) {
    std::vector<HistoryRecord> records(count, HistoryRecord{0, 0});
    platform::FileStamp stamp;
    if (!platform::fileStamp(path, stamp)) {
        for (size_t i = 0; i < count; ++i) records[i].commandIndex = static_cast<int32_t>(i);
        return records;
    }
    size_t stored = static_cast<size_t>(std::min<uint64_t>(stamp.size / sizeof(HistoryRecord), count));
    if (stored > 0 && !platform::readFileRange(path, 0, stored * sizeof(HistoryRecord), records.data()))
        records.assign(count, HistoryRecord{0, 0});   // unreadable: all counts 0
    return records;
}

bool write(u16view path, std::span<const HistoryRecord> records) {
    std::string bytes(records.size_bytes(), '\0');
    if (!records.empty()) std::memcpy(bytes.data(), records.data(), bytes.size());
    return platform::writeFileAtomic(path, bytes);
}

} // namespace history_file
