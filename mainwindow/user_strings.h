// The user strings: named text snippets kept in "Vexa2Usr.dat" in the
// settings folder, UTF-16LE without byte-order mark, each as
//   %Vexa2UserString_Begin%\r\n title \r\n text \r\n%Vexa2UserString_End%\r\n
// The text may hold the caret marker (snippet::CaretMarker).
#pragma once
#include "base/text.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace user_strings {

constexpr size_t MaxStrings = 50;
constexpr uint64_t MaxFileBytes = 16'777'215;
constexpr size_t TextLimit = 10240;  // characters the editor lets a text hold
inline constexpr char16_t FileName[] = u"Vexa2Usr.dat";
inline constexpr char16_t BeginMarker[] = u"%Vexa2UserString_Begin%";
inline constexpr char16_t EndMarker[] = u"%Vexa2UserString_End%";

struct UserString {
    u16 title;
    u16 text;
    bool operator==(const UserString&) const = default;
};

// The strings of decoded file content, at most MaxStrings; a begin marker
// without an end marker, or a pair whose inside lacks the title's line end,
// is skipped.
std::vector<UserString> parse(u16view content);
// The file bytes of strings (the first MaxStrings).
std::string serialize(const std::vector<UserString>& strings);

enum class Status {
    Ok,         // read (a missing file reads as no strings)
    NoFolder,   // no settings folder: nothing can be read or kept
    TooLarge,   // larger than MaxFileBytes: not read
    Damaged,    // not UTF-16LE, or content without a single string
    Unreadable, // exists but cannot be read
};
// True when the strings read under status may be written back: a file that
// was not understood must not be replaced by what was understood of it.
inline bool writable(Status s) { return s == Status::Ok; }

struct ReadResult {
    Status status = Status::Ok;
    std::vector<UserString> strings;
};
// The path of the file in settingsFolder (empty folder: empty path).
u16 pathIn(u16view settingsFolder);
ReadResult read(u16view settingsFolder);
// Replaces the file atomically with strings; false (the old file kept)
// when it cannot be written.
bool write(u16view settingsFolder, const std::vector<UserString>& strings);

} // namespace user_strings
