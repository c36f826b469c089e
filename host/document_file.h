// Reading and writing the editor's documents. A file is UTF-8 with a BOM,
// UTF-16LE with a BOM, or else ANSI text of the system code page; it is
// saved in the encoding it was read with, unless that would lose characters.
#pragma once
#include "base/text.h"

#include <string>

namespace document_file {

enum class Encoding { Ansi, Utf8Bom, Utf16LeBom };

// Files larger than this are refused rather than read into memory.
constexpr size_t MaxBytes = 64u << 20;

enum class LoadResult { Ok, Unreadable, TooLarge };

LoadResult load(const std::wstring& path, u16& text, Encoding& encoding);
u16 decode(std::string_view bytes, Encoding& encoding);

// Encodes text; an ANSI document holding characters the code page lacks is
// written as UTF-8 with a BOM instead, and encoding says so afterwards.
std::string encode(u16view text, Encoding& encoding);
bool save(const std::wstring& path, u16view text, Encoding& encoding);

} // namespace document_file
