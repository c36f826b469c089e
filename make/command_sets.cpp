#include "make/command_sets.h"

#include "base/platform.h"
#include "base/str.h"
#include "make/line_file.h"

#include <algorithm>

namespace command_sets {

namespace {

bool isBlank(char16_t c) { return c == u' ' || c == u'\t'; }

u16view trim(u16view text) {
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    return text;
}

// "rem" + blank + "Name:" + the name; nothing for any other line.
std::optional<u16view> nameOf(u16view line) {
    constexpr u16view rem = u"rem", key = u"name:";
    line = trim(line);
    if (!command_file::HasPrefixNoCase(line, rem) || line.size() == rem.size() || !isBlank(line[rem.size()]))
        return std::nullopt;
    line = trim(line.substr(rem.size()));
    if (!command_file::HasPrefixNoCase(line, key)) return std::nullopt;
    return trim(line.substr(key.size()));
}

bool smallEnough(u16view path) {
    platform::FileStamp stamp;
    return platform::fileStamp(path, stamp) && stamp.size <= MaxFileSize;
}

u16 inFolder(u16view folder, u16view name) {
    u16 path(folder);
    if (!path.empty() && path.back() != u'\\' && path.back() != u'/') path += u'\\';
    return path + u16(name);
}

} // namespace

u16 Folder(u16view pluginFolder) { return inFolder(pluginFolder, FolderName); }

bool IsSetFile(const aux_files::FolderSource::Entry& entry) {
    u16view name = entry.name;
    if (entry.folder || name.size() <= Extension.size()) return false;
    return command_file::HasPrefixNoCase(name.substr(name.size() - Extension.size()), Extension);
}

u16 DisplayName(const std::vector<u16>& firstLines, u16view fileName) {
    size_t count = std::min(firstLines.size(), NameLineLimit);
    for (size_t n = 0; n < count; ++n) {
        std::optional<u16view> name = nameOf(firstLines[n]);
        if (name && !name->empty()) return u16(trim(name->substr(0, MaxNameLength)));
    }
    size_t dot = fileName.rfind(u'.');
    return u16(dot == 0 || dot == u16view::npos ? fileName : fileName.substr(0, dot));
}

std::vector<Entry> List(u16view folder, const aux_files::FolderSource& files) {
    std::vector<Entry> sets;
    if (folder.empty()) return sets;
    for (const aux_files::FolderSource::Entry& e : files.list(folder)) {
        if (!IsSetFile(e)) continue;
        u16 path = inFolder(folder, e.name);
        std::vector<u16> firstLines;
        if (smallEnough(path)) {
            CLine file(path);
            for (size_t n = 0; n < std::min(file.LineCount(), NameLineLimit); ++n) firstLines.push_back(file.Line(n));
        }
        sets.push_back({DisplayName(firstLines, e.name), std::move(path)});
    }
    // File-system order differs between machines; the user sees names.
    std::sort(sets.begin(), sets.end(), [](const Entry& a, const Entry& b) {
        int byName = platform::compareLocale(a.name, b.name);
        return byName != 0 ? byName < 0 : a.path < b.path;
    });
    if (sets.size() > MaxSets) sets.resize(MaxSets);
    return sets;
}

u16 MenuText(u16view name) {
    u16 text;
    for (char16_t c : name) {
        if (c == u'&') text += u'&';
        text += c;
    }
    return text;
}

std::optional<Steps> Read(u16view path) {
    if (!smallEnough(path)) return std::nullopt;
    // Never modified, so never written back when it goes out of scope.
    const CommandFile file(path);
    if (file.IsInvalid()) return std::nullopt;
    Steps steps;
    for (size_t k = 0; k < command_file::SectionCount; ++k)
        if (!file.ReadStep(k, steps[k])) return std::nullopt;
    return steps;
}

} // namespace command_sets
