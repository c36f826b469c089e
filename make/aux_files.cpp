#include "make/aux_files.h"

#include "base/str.h"
#include "make/tex_path.h"
#include "settings/setting.h"
#include "settings/setting_keys.h"

#include <algorithm>

namespace aux_files {

namespace {

constexpr u16view SourceExtensions[] = {u".tex", u".ltx", u".sty", u".cls", u".dtx", u".ins", u".bib", u".bst"};

u16 extensionOf(u16view name) {
    size_t dot = name.rfind(u'.');
    return dot == u16view::npos ? u16() : u16(name.substr(dot));
}

u16 joined(u16view folder, u16view name) {
    u16 p(folder);
    if (!p.empty() && p.back() != u'\\' && p.back() != u'/') p += u'\\';
    return p + u16(name);
}

void addNameMatches(u16view path, const DeleteList& list, const FolderSource& files, Found& found) {
    u16 name = tex_path::fileNameOf(path);
    size_t dot = name.rfind(u'.');
    if (dot == u16::npos || dot == 0) return; // no extension, or nothing before it
    u16 base = tex_path::withoutExtension(path);
    for (const u16& ext : list.extensions) {
        if (found.names.size() >= MaxFound) return;
        u16 candidate = base + (ext[0] == u'.' ? ext : u'.' + ext);
        if (files.isFile(candidate)) found.names.push_back(candidate);
    }
}

void walk(u16view folder, int32_t depth, int32_t maxDepth, const DeleteList& list, const FolderSource& files,
          Found& found) {
    for (const FolderSource::Entry& e : files.list(folder)) {
        if (found.patterns.size() >= MaxFound) return;
        if (e.folder) {
            if (e.name == u"." || e.name == u"..") continue;
            if (depth + 1 <= maxDepth) walk(joined(folder, e.name), depth + 1, maxDepth, list, files, found);
            continue;
        }
        u16 ext = extensionOf(e.name);
        for (const u16& pattern : list.patterns) {
            if (ext.size() == pattern.size() && str::equalsNoCase(ext, pattern)) {
                found.patterns.push_back(joined(folder, e.name));
                break;
            }
        }
    }
}

} // namespace

DeleteList SplitDeleteList(u16view list) {
    DeleteList out;
    size_t start = 0;
    while (start <= list.size()) {
        size_t tab = list.find(u'\t', start);
        if (tab == u16view::npos) tab = list.size();
        u16view entry = list.substr(start, tab - start);
        if (entry.starts_with(u"*.")) out.patterns.emplace_back(entry.substr(1));
        else if (!entry.empty()) out.extensions.emplace_back(entry);
        start = tab + 1;
    }
    return out;
}

bool IsProtected(u16view path, u16view document, u16view root) {
    u16 p = tex_path::backslashed(path);
    for (u16view own : {document, root})
        if (!own.empty() && str::equalsNoCase(p, tex_path::backslashed(own))) return true;
    u16 ext = extensionOf(tex_path::fileNameOf(p));
    return std::any_of(std::begin(SourceExtensions), std::end(SourceExtensions),
                       [&](u16view s) { return str::equalsNoCase(ext, s); });
}

Found Search(const SearchInput& input, const FolderSource& files) {
    Found found;
    if (input.document.size() < 5) return found;
    int32_t depth = std::clamp(input.depth, 0, MaxDepth);

    addNameMatches(input.document, input.list, files, found);
    if (!input.root.empty()) addNameMatches(input.root, input.list, files, found);
    if (!input.list.patterns.empty()) {
        u16 start = tex_path::folderOf(input.root.empty() ? input.document : input.root);
        walk(start, 0, depth, input.list, files, found);
    }

    // A list entry such as "TEX" or "*.tex" must not reach the sources.
    auto keep = [&](const u16& p) { return IsProtected(p, input.document, input.root); };
    std::erase_if(found.names, keep);
    std::erase_if(found.patterns, keep);
    return found;
}

SearchInput InputFromSettings(CSetting& settings, u16view document, u16view root) {
    namespace keys = ini_keys::make;
    char16_t buffer[MaxDeleteList + 2] = {};
    settings.readString(keys::Section, keys::DeleteList, DefaultDeleteList, buffer, MaxDeleteList + 2);
    SearchInput in;
    in.document = document;
    in.root = root;
    in.list = SplitDeleteList(buffer);
    in.depth = std::clamp(settings.readInt(keys::Section, keys::SubDirectory, 0), 0, MaxDepth);
    return in;
}

} // namespace aux_files
