// The binary cache "Vexa2.dic": a 60-byte header, then five arrays of whole
// records (commands, suffix entries, environments, easy-support entries,
// paper sizes). The header's counts are never trusted on their own: a cache
// is only read when its size is exactly what the counts say.
#pragma once
#include "support/dictionary_records.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace dict_cache {

inline constexpr const char16_t* FileName = u"Vexa2.dic";

// The four sources, in the order of the header's times.
enum Source { Commands = 0, Environments = 1, EasySupport = 2, PaperSizes = 3, SourceCount = 4 };
// The five arrays, in file order.
enum Array { CommandArray = 0, SuffixArray = 1, EnvironmentArray = 2, EasySupportArray = 3, PaperSizeArray = 4,
             ArrayCount = 5 };

inline constexpr std::array<size_t, ArrayCount> RecordSize = {sizeof(CommandEntry), sizeof(SuffixEntry),
                                                              sizeof(EnvironmentEntry), sizeof(EasySupportEntry),
                                                              sizeof(PaperSizeEntry)};

// Windows file time as stored: low 32 bits, then high 32 bits.
struct FileTime {
    uint32_t low = 0;
    uint32_t high = 0;
    static FileTime of(uint64_t t) { return {static_cast<uint32_t>(t), static_cast<uint32_t>(t >> 32)}; }
    uint64_t value() const { return (static_cast<uint64_t>(high) << 32) | low; }
};

struct Header {
    uint32_t reserved[2];
    uint32_t counts[ArrayCount];
    FileTime times[SourceCount];
};
static_assert(sizeof(Header) == 60);
static_assert(offsetof(Header, counts) == 8);
static_assert(offsetof(Header, times) == 28);

// No source under the size limit holds more records: every kept line has at
// least one unit and a line end (two bytes each).
inline constexpr uint32_t MaxRecords = 0xFFFFFF / 4 + 1;

// True when the header can describe a cache of fileSize bytes: reserved
// words 0, counts within MaxRecords (suffix entries no more than commands)
// and a size of exactly 60 + the sum of count x record size.
bool consistent(const Header& header, uint64_t fileSize);

// Offset of an array in the file.
uint64_t arrayOffset(const Header& header, Array array);

// The whole file: header and the five arrays (their counts are set from
// the arrays; the times are taken from header).
std::string build(Header header, std::span<const CommandEntry> commands, std::span<const SuffixEntry> suffixes,
                  std::span<const EnvironmentEntry> environments, std::span<const EasySupportEntry> easySupport,
                  std::span<const PaperSizeEntry> paperSizes);

} // namespace dict_cache
