// UTF-16 core text <-> Win32 wide strings. Both are 16-bit on Windows, so
// these are casts, not conversions.
#pragma once
#include "base/text.h"
#include <windows.h>

namespace wide {
static_assert(sizeof(wchar_t) == sizeof(char16_t), "Windows wchar_t is UTF-16");

inline const wchar_t* w(const u16& s) { return reinterpret_cast<const wchar_t*>(s.c_str()); }
inline wchar_t* w(char16_t* s) { return reinterpret_cast<wchar_t*>(s); }
inline const wchar_t* w(const char16_t* s) { return reinterpret_cast<const wchar_t*>(s); }
inline u16 u(const wchar_t* s) { return s ? u16(reinterpret_cast<const char16_t*>(s)) : u16(); }
inline u16 u(const wchar_t* s, size_t n) { return u16(reinterpret_cast<const char16_t*>(s), n); }
} // namespace wide
