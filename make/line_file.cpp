#include "make/line_file.h"

#include "base/platform.h"
#include "base/text_file.h"

namespace line_file {

std::vector<u16> splitLines(u16view text) {
    std::vector<u16> out;
    size_t start = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        char16_t c = text[i];
        if (c != u'\r' && c != u'\n') continue;
        out.emplace_back(text.substr(start, i - start));
        if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') ++i;
        start = i + 1;
    }
    if (start < text.size()) out.emplace_back(text.substr(start));
    return out;
}

} // namespace line_file

CLine::CLine(u16view path) : path_(path) {
    std::string bytes;
    if (path_.empty() || platform::isDirectory(path_) || !platform::readFile(path_, bytes)) {
        invalid_ = true;
        return;
    }
    u16 text = text_file::decode(bytes);
    size_t used = text_file::looksUtf16(bytes) ? text.size() * 2 : text.size();
    size_t end = bytes.find_last_not_of('\0');
    cut_ = end != std::string::npos && used <= end;
    lines_ = line_file::splitLines(text);
}

CLine::~CLine() { Close(); }

const u16& CLine::Line(size_t n) const {
    static const u16 empty;
    return n < lines_.size() ? lines_[n] : empty;
}

void CLine::SetLine(size_t n, u16view text) {
    if (n >= lines_.size()) lines_.resize(n + 1);
    lines_[n] = text;
    modified_ = true;
}

CLine::SaveResult CLine::Close() {
    if (invalid_ || !modified_) return SaveResult::Unchanged;
    if (cut_) return SaveResult::Refused;
    u16 text;
    for (const u16& line : lines_) {
        text += line;
        text += u"\r\n";
    }
    std::string bytes = platform::utf16ToAnsi(text);
    // The code page may lack a character of a UTF-16 file: writing '?'
    // instead would silently change the user's commands.
    if (platform::ansiToUtf16(bytes) != text) return SaveResult::Refused;
    if (bytes.empty()) return SaveResult::Unchanged;
    if (!platform::writeFileAtomic(path_, bytes)) return SaveResult::Failed;
    modified_ = false;
    return SaveResult::Written;
}
