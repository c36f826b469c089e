// Text files that the plug-in reads are ANSI (system code page) or UTF-16LE
// without a byte-order mark; which one is decided by a length test. LaTeX
// sources and databases may also be UTF-8 (see decodeSource).
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

// True when bytes are well-formed UTF-8 (no overlong forms, surrogates or
// code points past U+10FFFF) holding at least one multi-byte sequence:
// pure 7-bit text is left to the code page, which reads it alike.
bool looksUtf8(std::string_view bytes);

// Decodes a LaTeX source or a .bib database. Since LaTeX reads its input
// as UTF-8 by default, such a file is UTF-8 when it starts with the UTF-8
// byte-order mark (which is dropped; a malformed sequence after it becomes
// U+FFFD) or when looksUtf8 holds for it; otherwise decode decides. Read
// as ANSI, a UTF-8 sequence can swallow the "}" or "\" after it on a
// code-page-932 system. Text stops at the first NUL, as with decode.
u16 decodeSource(std::string_view bytes);

} // namespace text_file
