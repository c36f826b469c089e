#include "base/text_file.h"
#include "base/platform.h"
#include "base/str.h"

namespace text_file {

namespace {
size_t byteLength(std::string_view b) {
    size_t n = 0;
    while (n < b.size() && b[n] != 0) ++n;
    return n;
}
// Bytes past the end read as the appended zero padding.
unsigned char byteAt(std::string_view b, size_t i) {
    return i < b.size() ? static_cast<unsigned char>(b[i]) : 0;
}
// 7-bit text maps to the same code points in every ANSI code page, so it
// is widened directly: the code-page converter would cost more than the
// outline scan of a large document.
bool isAscii(std::string_view b) {
    unsigned char high = 0;
    for (unsigned char c : b) high |= c;
    return high < 0x80;
}
size_t unitLength(std::string_view b) {
    size_t n = 0;
    while (2 * n < b.size() && (byteAt(b, 2 * n) != 0 || byteAt(b, 2 * n + 1) != 0)) ++n;
    return n;
}
} // namespace

bool looksUtf16(std::string_view bytes) {
    // The zero padding of the rule is implicit: both lengths stop at the end.
    return !(unitLength(bytes) < byteLength(bytes));
}

namespace {
u16 decodeUtf16(std::string_view bytes) {
    size_t n = unitLength(bytes);
    u16 out(n, u'\0');
    for (size_t i = 0; i < n; ++i)
        out[i] = static_cast<char16_t>(byteAt(bytes, 2 * i) | (byteAt(bytes, 2 * i + 1) << 8));
    return out;
}
} // namespace

u16 decode(std::string_view bytes) {
    if (looksUtf16(bytes)) return decodeUtf16(bytes);
    std::string_view ansi = bytes.substr(0, byteLength(bytes));
    if (isAscii(ansi)) return u16(ansi.begin(), ansi.end());
    return platform::ansiToUtf16(ansi);
}

namespace {
constexpr std::string_view Utf8Bom = "\xEF\xBB\xBF";

bool isContinuation(unsigned char c) { return (c & 0xC0) == 0x80; }

// Length of the well-formed sequence at b[i], 0 when it is malformed
// (the ranges of the Unicode standard's table of well-formed UTF-8).
size_t sequenceLength(std::string_view b, size_t i) {
    const auto at = [&](size_t k) { return static_cast<unsigned char>(b[k]); };
    const unsigned char c = at(i);
    size_t len;
    unsigned char low = 0x80, high = 0xBF; // range of the second byte
    if (c >= 0xC2 && c <= 0xDF) len = 2;
    else if (c >= 0xE0 && c <= 0xEF) {
        len = 3;
        if (c == 0xE0) low = 0xA0;        // no overlong forms
        else if (c == 0xED) high = 0x9F;  // no surrogates
    } else if (c >= 0xF0 && c <= 0xF4) {
        len = 4;
        if (c == 0xF0) low = 0x90;
        else if (c == 0xF4) high = 0x8F;  // nothing past U+10FFFF
    } else {
        return 0;
    }
    if (i + len > b.size() || at(i + 1) < low || at(i + 1) > high) return 0;
    for (size_t k = 2; k < len; ++k)
        if (!isContinuation(at(i + k))) return 0;
    return len;
}
} // namespace

bool looksUtf8(std::string_view bytes) {
    bool multiByte = false;
    for (size_t i = 0; i < bytes.size();) {
        if (static_cast<unsigned char>(bytes[i]) < 0x80) {
            ++i;
            continue;
        }
        const size_t len = sequenceLength(bytes, i);
        if (len == 0) return false;
        multiByte = true;
        i += len;
    }
    return multiByte;
}

u16 decodeSource(std::string_view bytes) {
    // Each test looks at the bytes once: sources are large and read often.
    if (looksUtf16(bytes)) return decodeUtf16(bytes);
    std::string_view text = bytes.substr(0, byteLength(bytes));
    if (text.starts_with(Utf8Bom)) return str::fromUtf8(text.substr(Utf8Bom.size()));
    if (isAscii(text)) return u16(text.begin(), text.end());
    if (looksUtf8(text)) return str::fromUtf8(text);
    return platform::ansiToUtf16(text);
}

bool read(u16view path, u16& text) {
    std::string bytes;
    text.clear();
    if (!platform::readFile(path, bytes)) return false;
    text = decode(bytes);
    return true;
}

} // namespace text_file
