#include "outline/file_source.h"

#include "base/platform.h"
#include "base/text_file.h"

#include <string>

namespace {
// Text of 7-bit characters with no zero byte: the length test takes it as
// ANSI (or, for one byte, as a unit whose high byte is zero), and every
// ANSI code page maps those bytes to the same code points. Widening it
// directly skips the code-page converter, which otherwise costs more than
// the whole outline scan of a large document.
bool isPlainAscii(std::string_view bytes) {
    unsigned char bad = 0;
    for (unsigned char c : bytes) bad |= static_cast<unsigned char>(c - 1) >= 0x7F ? 1 : 0;
    return bad == 0;
}

u16 decode(std::string_view bytes) {
    if (!isPlainAscii(bytes)) return text_file::decode(bytes);
    u16 text(bytes.size(), u'\0');
    for (size_t i = 0; i < bytes.size(); ++i) text[i] = static_cast<unsigned char>(bytes[i]);
    return text;
}
} // namespace

bool DiskFiles::read(u16view path, uint32_t limit, u16& text) {
    text.clear();
    // The size is checked before loading so that an oversized file costs
    // nothing but a look at its directory entry.
    platform::FileStamp stamp;
    if (path.empty() || !platform::fileStamp(path, stamp)) return false;
    if (limit != 0 && stamp.size > limit) return false;
    std::string bytes;
    // Room for the whole file up front, so reading it does not regrow the
    // buffer (readFile keeps the capacity it is given).
    if (stamp.size < (uint64_t{1} << 31)) bytes.reserve(static_cast<size_t>(stamp.size) + 1);
    if (!platform::readFile(path, bytes)) return false;
    if (limit != 0 && bytes.size() > limit) return false; // grew in between
    text = decode(bytes);
    return true;
}

DiskFiles& diskFiles() {
    static DiskFiles files;
    return files;
}
