#include "make/paper_size.h"

#include "base/platform.h"
#include "base/text_file.h"
#include "make/dviout_paper.h"
#include "make/line_file.h"
#include "settings/setting.h"
#include "settings/setting_keys.h"
#include "support/paper_size_data.h"

namespace paper_size {

namespace {
constexpr u16view Command = u"\\documentclass";

// The text between the first open and its matching close, both within
// GroupReach characters of from; false when there is none.
bool group(u16view line, size_t from, char16_t open, char16_t close, u16view& text) {
    size_t end = std::min(line.size(), from + GroupReach);
    size_t start = line.find(open, from);
    if (start == u16view::npos || start >= end) return false;
    int depth = 0;
    for (size_t i = start; i < end; ++i) {
        if (line[i] == open) ++depth;
        else if (line[i] == close && --depth == 0) {
            text = line.substr(start + 1, i - start - 1);
            return true;
        }
    }
    return false;
}

bool lookUp(const CPaperSizeData& list, u16view key, u16& value) {
    int index = list.FindKey(key);
    if (index < 0) return false;
    value = list.valueOf(key);
    return true;
}
} // namespace

bool ParseDocumentClass(u16view line, const CPaperSizeData& list, u16& value) {
    value.clear();
    if (!line.starts_with(Command)) return false;
    if (line.size() == Command.size() || (line[Command.size()] != u'[' && line[Command.size()] != u'{'))
        return false;
    const size_t from = Command.size();

    u16 result;
    u16view text;
    if (group(line, from, u'{', u'}', text)) lookUp(list, text, result);

    if (!group(line, from, u'[', u']', text) || text.empty()) {
        value = result;
        return true;
    }
    bool landscape = false;
    // Parts are not trimmed: " landscape" after a comma is not landscape.
    size_t start = 0;
    while (start <= text.size()) {
        size_t comma = text.find(u',', start);
        u16view part = text.substr(start, comma == u16view::npos ? u16view::npos : comma - start);
        if (!part.empty() && !lookUp(list, part, result) && part == u"landscape") landscape = true;
        if (comma == u16view::npos) break;
        start = comma + 1;
    }
    if (result.empty()) return false;
    value = result + (landscape ? u"L" : u"P");
    return true;
}

bool FromText(u16view text, const CPaperSizeData& list, u16& value) {
    for (const u16& line : line_file::splitLines(text))
        if (ParseDocumentClass(line, list, value)) return true;
    value.clear();
    return false;
}

bool FromEditor(HostEditor& editor, const CPaperSizeData& list, u16& value) {
    int32_t count = editor.GetLineCount();
    for (int32_t line = 0; line < EditorLines && line < count; ++line)
        if (ParseDocumentClass(editor.GetLineText(line), list, value)) return true;
    value.clear();
    return false;
}

bool FromFile(u16view path, uint64_t limitBytes, const CPaperSizeData& list, u16& value) {
    value.clear();
    platform::FileStamp stamp;
    if (!platform::fileStamp(path, stamp)) return false;
    if (limitBytes != 0 && stamp.size > limitBytes) return false;
    std::string bytes;
    if (!platform::readFile(path, bytes)) return false;
    if (limitBytes != 0 && bytes.size() > limitBytes) return false; // grew in between
    return FromText(text_file::decodeSource(bytes), list, value);
}

u16 DeterminePaperSize(HostEditor& editor, u16view root, CSetting& settings, const CPaperSizeData& list) {
    namespace keys = ini_keys::dviout;
    u16 value;
    if (settings.readInt(keys::Section, keys::PaperSizeFromSource, 1) != 0) {
        bool found = false;
        if (!root.empty()) {
            int32_t limit = settings.readInt(ini_keys::basic::Section, ini_keys::basic::Limit, 0);
            uint64_t bytes = limit > 0 ? static_cast<uint64_t>(limit) * LimitUnit : 0;
            found = FromFile(root, bytes, list, value);
        } else {
            found = FromEditor(editor, list, value);
        }
        if (found) return value;
    }
    // Only the number is read here, so the landscape word does not matter.
    DVIOUTPaper papers(settings, u"");
    PaperEntry paper;
    if (papers.GetPaper(settings.readInt(keys::Section, keys::PaperSize, 0), paper)) return paper.value;
    return {};
}

} // namespace paper_size
