// Small text helpers shared by the whole core. All accept empty input.
#pragma once
#include "base/text.h"
#include <cstddef>
#include <cstdint>
#include <string>

namespace str {

// UTF-8 <-> UTF-16 (for literals, tests and file names; not ANSI text).
u16 fromUtf8(std::string_view s);
std::string toUtf8(u16view s);

// Case-insensitive equality and three-way compare as the user's locale
// sees it (delegates to the platform).
bool equalsNoCase(u16view a, u16view b);
int compareNoCase(u16view a, u16view b);

// Optional leading sign and decimal digits, as C's atoi reads them:
// "12x" -> 12, "x" -> 0, "0x10" -> 0. Saturates instead of overflowing.
int32_t toInt(u16view s);
u16 fromInt(int64_t v);

// Copies at most capacity - 1 units and a terminator; returns units copied.
// capacity 0 copies nothing.
size_t copyTo(u16view src, char16_t* dst, size_t capacity);

} // namespace str
