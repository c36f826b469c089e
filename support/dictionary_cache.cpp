#include "support/dictionary_cache.h"

#include <cstring>

namespace dict_cache {

bool consistent(const Header& header, uint64_t fileSize) {
    if (header.reserved[0] != 0 || header.reserved[1] != 0) return false;
    for (uint32_t c : header.counts)
        if (c > MaxRecords) return false;
    if (header.counts[SuffixArray] > header.counts[CommandArray]) return false;
    // Fits in 64 bits: five counts of at most 2^22 records of at most 644 bytes.
    uint64_t expected = sizeof(Header);
    for (int a = 0; a < ArrayCount; ++a) expected += static_cast<uint64_t>(header.counts[a]) * RecordSize[a];
    return expected == fileSize;
}

uint64_t arrayOffset(const Header& header, Array array) {
    uint64_t offset = sizeof(Header);
    for (int a = 0; a < array; ++a) offset += static_cast<uint64_t>(header.counts[a]) * RecordSize[a];
    return offset;
}

namespace {
template <typename T> void append(std::string& out, std::span<const T> items) {
    if (items.empty()) return;
    size_t at = out.size();
    out.resize(at + items.size_bytes());
    std::memcpy(out.data() + at, items.data(), items.size_bytes());
}
} // namespace

std::string build(Header header, std::span<const CommandEntry> commands, std::span<const SuffixEntry> suffixes,
                  std::span<const EnvironmentEntry> environments, std::span<const EasySupportEntry> easySupport,
                  std::span<const PaperSizeEntry> paperSizes) {
    header.reserved[0] = header.reserved[1] = 0;
    header.counts[CommandArray] = static_cast<uint32_t>(commands.size());
    header.counts[SuffixArray] = static_cast<uint32_t>(suffixes.size());
    header.counts[EnvironmentArray] = static_cast<uint32_t>(environments.size());
    header.counts[EasySupportArray] = static_cast<uint32_t>(easySupport.size());
    header.counts[PaperSizeArray] = static_cast<uint32_t>(paperSizes.size());
    std::string out(sizeof(Header), '\0');
    std::memcpy(out.data(), &header, sizeof(Header));
    append(out, commands);
    append(out, suffixes);
    append(out, environments);
    append(out, easySupport);
    append(out, paperSizes);
    return out;
}

} // namespace dict_cache
