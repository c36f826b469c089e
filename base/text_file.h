// Text files that the plug-in reads are ANSI (system code page) or UTF-16LE
// without a byte-order mark; which one is decided by a length test.
#pragma once
#include "base/text.h"
#include <string>

namespace text_file {

// True when bytes hold UTF-16LE by the rule: with four zero bytes appended,
// the length in 16-bit units up to the first zero unit is not smaller than
// the length in bytes up to the first zero byte.
bool looksUtf16(std::string_view bytes);

// Decodes bytes as UTF-16LE or as ANSI, whichever looksUtf16 says; the text
// stops at the first NUL as it would in the original C-string handling.
u16 decode(std::string_view bytes);

// Reads and decodes a file; false when it cannot be read.
bool read(u16view path, u16& text);

} // namespace text_file
