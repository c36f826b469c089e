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
    return platform::ansiToUtf16(bytes.substr(0, byteLength(bytes)));
}

bool read(u16view path, u16& text) {
    std::string bytes;
    text.clear();
    if (!platform::readFile(path, bytes)) return false;
    text = decode(bytes);
    return true;
}

} // namespace text_file
