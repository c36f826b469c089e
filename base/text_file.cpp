#include "base/text_file.h"
#include "base/platform.h"

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

u16 decode(std::string_view bytes) {
    if (looksUtf16(bytes)) {
        size_t n = unitLength(bytes);
        u16 out(n, u'\0');
        for (size_t i = 0; i < n; ++i)
            out[i] = static_cast<char16_t>(byteAt(bytes, 2 * i) | (byteAt(bytes, 2 * i + 1) << 8));
        return out;
    }
    std::string_view ansi = bytes.substr(0, byteLength(bytes));
    if (isAscii(ansi)) return u16(ansi.begin(), ansi.end());
    return platform::ansiToUtf16(ansi);
}

bool read(u16view path, u16& text) {
    std::string bytes;
    text.clear();
    if (!platform::readFile(path, bytes)) return false;
    text = decode(bytes);
    return true;
}

} // namespace text_file
