// Fixed-size records of the dictionaries. They are also the records of the
// binary cache "Vexa2.dic", so their layout is part of the file format:
// UTF-16 units in fixed arrays (NUL-terminated, zero-filled), 32-bit
// integers, little-endian, no padding. The asserts below keep it so.
#pragma once
#include "base/text.h"

#include <bit>
#include <cstddef>
#include <cstdint>
#include <type_traits>

// Longest text a 64-unit field holds (one unit for the terminator).
inline constexpr size_t MaxFieldLength = 63;

struct CommandEntry {
    char16_t name[64];          // begins with a backslash
    char16_t arguments[64];     // inserted after the name
    char16_t text[128];         // name followed by arguments: the sort and lookup key
    char16_t description[64];
    int32_t loadIndex;          // position in the source at parse; -1 when added since
};

struct SuffixEntry {
    char16_t letters[64];       // ASCII letters of a command's text, from its end
    int32_t commandIndex;       // the command's position at parse
};

struct EnvironmentEntry {
    char16_t name[64];
    char16_t arguments[64];
    char16_t description[64];
};

struct EasySupportEntry {
    char16_t key[64];           // ":" and at least one more character
    char16_t text[64];
};

struct PaperSizeEntry {
    char16_t key[64];           // a class name or class option
    char16_t value[64];         // the previewer's paper name
};

static_assert(std::endian::native == std::endian::little, "records are stored as they lie in memory");

static_assert(sizeof(CommandEntry) == 644);
static_assert(offsetof(CommandEntry, name) == 0);
static_assert(offsetof(CommandEntry, arguments) == 128);
static_assert(offsetof(CommandEntry, text) == 256);
static_assert(offsetof(CommandEntry, description) == 512);
static_assert(offsetof(CommandEntry, loadIndex) == 640);

static_assert(sizeof(SuffixEntry) == 132);
static_assert(offsetof(SuffixEntry, commandIndex) == 128);

static_assert(sizeof(EnvironmentEntry) == 384);
static_assert(offsetof(EnvironmentEntry, arguments) == 128);
static_assert(offsetof(EnvironmentEntry, description) == 256);

static_assert(sizeof(EasySupportEntry) == 256);
static_assert(offsetof(EasySupportEntry, text) == 128);

static_assert(sizeof(PaperSizeEntry) == 256);
static_assert(offsetof(PaperSizeEntry, value) == 128);

static_assert(std::is_trivially_copyable_v<CommandEntry> && std::is_trivially_copyable_v<SuffixEntry> &&
              std::is_trivially_copyable_v<EnvironmentEntry> && std::is_trivially_copyable_v<EasySupportEntry> &&
              std::is_trivially_copyable_v<PaperSizeEntry>);

namespace record {

// The text of a field, up to its terminator (or the whole array when a
// damaged record has none).
template <size_t N> u16view field(const char16_t (&units)[N]) {
    size_t n = 0;
    while (n < N && units[n] != 0) ++n;
    return u16view(units, n);
}

// Zero-fills the field and copies at most N - 1 units of value.
template <size_t N> void setField(char16_t (&units)[N], u16view value) {
    size_t n = value.size() < N - 1 ? value.size() : N - 1;
    for (size_t i = 0; i < n; ++i) units[i] = value[i];
    for (size_t i = n; i < N; ++i) units[i] = 0;
}

// Forces the terminator of a field read from disk.
template <size_t N> void terminate(char16_t (&units)[N]) { units[N - 1] = 0; }

// A command entry with text = name + arguments, as parsing and the editor
// build it.
CommandEntry makeCommand(u16view name, u16view arguments, u16view description, int32_t loadIndex);
EnvironmentEntry makeEnvironment(u16view name, u16view arguments, u16view description);
EasySupportEntry makeEasySupport(u16view key, u16view text);
PaperSizeEntry makePaperSize(u16view key, u16view value);

} // namespace record
