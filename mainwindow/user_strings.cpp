#include "mainwindow/user_strings.h"

#include "base/platform.h"

namespace user_strings {
namespace {

constexpr u16view LineEnd = u"\r\n";

u16 decodeUtf16Le(std::string_view bytes) {
    u16 out(bytes.size() / 2, u'\0');
    for (size_t i = 0; i < out.size(); ++i)
        out[i] = static_cast<char16_t>(static_cast<unsigned char>(bytes[2 * i]) |
                                       static_cast<unsigned char>(bytes[2 * i + 1]) << 8);
    return out;
}

void appendUtf16Le(std::string& out, u16view text) {
    for (char16_t c : text) {
        out += static_cast<char>(c & 0xFF);
        out += static_cast<char>(c >> 8);
    }
}

bool onlyWhitespace(u16view text) {
    for (char16_t c : text)
        if (c != u' ' && c != u'\t' && c != u'\r' && c != u'\n' && c != u'\0') return false;
    return true;
}

} // namespace

std::vector<UserString> parse(u16view content) {
    std::vector<UserString> out;
    const u16view begin(BeginMarker), end(EndMarker);
    size_t from = 0;
    while (out.size() < MaxStrings) {
        size_t b = content.find(begin, from);
        if (b == u16view::npos) break;
        size_t e = content.find(end, b + begin.size());
        if (e == u16view::npos) break;
        from = e + end.size();
        // Inside: the rest of the marker line, the title line, the text.
        u16view inside = content.substr(b + begin.size(), e - b - begin.size());
        size_t first = inside.find(LineEnd);
        if (first == u16view::npos) continue;
        size_t second = inside.find(LineEnd, first + LineEnd.size());
        if (second == u16view::npos) continue;
        UserString s;
        s.title = u16(inside.substr(first + LineEnd.size(), second - first - LineEnd.size()));
        u16view text = inside.substr(second + LineEnd.size());
        // The line end before the end marker belongs to the format.
        if (text.size() >= LineEnd.size() && text.substr(text.size() - LineEnd.size()) == LineEnd)
            text.remove_suffix(LineEnd.size());
        s.text = u16(text);
        out.push_back(std::move(s));
    }
    return out;
}

std::string serialize(const std::vector<UserString>& strings) {
    std::string out;
    for (size_t i = 0; i < strings.size() && i < MaxStrings; ++i) {
        appendUtf16Le(out, BeginMarker);
        appendUtf16Le(out, LineEnd);
        appendUtf16Le(out, strings[i].title);
        appendUtf16Le(out, LineEnd);
        appendUtf16Le(out, strings[i].text);
        appendUtf16Le(out, LineEnd);
        appendUtf16Le(out, EndMarker);
        appendUtf16Le(out, LineEnd);
    }
    return out;
}

u16 pathIn(u16view settingsFolder) {
    if (settingsFolder.empty()) return u16();
    u16 path(settingsFolder);
    if (path.back() != u'\\' && path.back() != u'/') path += u'\\';
    return path + FileName;
}

ReadResult read(u16view settingsFolder) {
    ReadResult r;
    u16 path = pathIn(settingsFolder);
    if (path.empty() || !platform::isDirectory(settingsFolder)) {
        r.status = Status::NoFolder;
        return r;
    }
    if (!platform::fileExists(path)) return r;
    platform::FileStamp stamp;
    if (platform::fileStamp(path, stamp) && stamp.size > MaxFileBytes) {
        r.status = Status::TooLarge;
        return r;
    }
    std::string bytes;
    if (!platform::readFile(path, bytes)) {
        r.status = Status::Unreadable;
        return r;
    }
    if (bytes.size() > MaxFileBytes) {
        r.status = Status::TooLarge;
        return r;
    }
    u16 content = decodeUtf16Le(bytes);
    r.strings = parse(content);
    // An odd length or text without one string is not a file this program
    // wrote; writing the understood part back would lose the rest.
    if (bytes.size() % 2 != 0 || (r.strings.empty() && !onlyWhitespace(content))) {
        r.strings.clear();
        r.status = Status::Damaged;
    }
    return r;
}

bool write(u16view settingsFolder, const std::vector<UserString>& strings) {
    u16 path = pathIn(settingsFolder);
    if (path.empty()) return false;
    return platform::writeFileAtomic(path, serialize(strings));
}

} // namespace user_strings
