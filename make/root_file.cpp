#include "make/root_file.h"

#include "base/str.h"
#include "frame/plugin_rules.h"
#include "make/recent_roots.h"
#include "make/tex_path.h"

#include <algorithm>

namespace root_file {

namespace {
constexpr u16view BeginDocument = u"\\begin{document}";
constexpr u16view RootPrefix = u"%Root ";

bool isSelfRoot(HostEditor& editor) {
    int32_t count = editor.GetLineCount();
    for (int32_t line = 0; line < SelfRootLines; ++line) {
        if (line >= count) continue; // missing lines are skipped, as said
        u16 text = editor.GetLineText(line);
        size_t i = 0;
        while (i < text.size() && (text[i] == u' ' || text[i] == u'\t')) ++i;
        if (u16view(text).substr(i).starts_with(BeginDocument)) return true;
    }
    return false;
}

bool isBlank(char16_t c) { return c == u' ' || c == u'\t'; }

char16_t lower(char16_t c) { return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c - u'A' + u'a') : c; }

// Consumes word at text[i], ignoring the letter case of the text.
bool takeWordNoCase(u16view text, size_t& i, u16view word) {
    if (text.size() - i < word.size()) return false;
    for (size_t k = 0; k < word.size(); ++k)
        if (lower(text[i + k]) != word[k]) return false;
    i += word.size();
    return true;
}

void skipBlanks(u16view text, size_t& i) {
    while (i < text.size() && isBlank(text[i])) ++i;
}
} // namespace

u16 MagicRootPath(u16view line) {
    size_t i = 0;
    skipBlanks(line, i);
    if (i == line.size() || line[i] != u'%') return {};
    ++i;
    skipBlanks(line, i);
    if (!takeWordNoCase(line, i, u"!tex")) return {};
    const size_t word = i;
    skipBlanks(line, i);
    if (i == word || !takeWordNoCase(line, i, u"root")) return {};
    skipBlanks(line, i);
    if (i == line.size() || line[i] != u'=') return {};
    ++i;
    skipBlanks(line, i);
    size_t end = line.size();
    while (end > i && isBlank(line[end - 1])) --end;
    return u16(line.substr(i, end - i));
}

u16 MagicRoot(HostEditor& editor) {
    const int32_t count = std::min(editor.GetLineCount(), MagicRootLines);
    for (int32_t line = 0; line < count; ++line) {
        u16 path = MagicRootPath(editor.GetLineText(line));
        if (!path.empty()) return path;
    }
    return {};
}

bool IsTexFileName(u16view path) { return plugin_rules::isTexFileName(path); }

u16 RootLine(u16view root) { return u16(RootPrefix) + u16(root); }

u16 LockedRoot(CSetting& settings, bool lockOn) {
    if (!lockOn) return {};
    CRoot roots(settings);
    u16 first;
    roots.Get(0, first);
    return first;
}

bool ResolveRoot(HostEditor& editor, u16& path, bool forMake, u16view lockedRoot) {
    path.clear();
    if (isSelfRoot(editor)) return false;

    u16 candidate(lockedRoot);
    if (candidate.empty() || !IsTexFileName(candidate)) {
        candidate.clear();
        if (editor.GetLineCount() > 0) {
            u16 first = editor.GetLineText(0);
            if (u16view(first).starts_with(RootPrefix)) candidate = first.substr(RootPrefix.size());
        }
    }
    if (candidate.empty() || !IsTexFileName(candidate)) candidate = MagicRoot(editor);
    if (candidate.empty() || !IsTexFileName(candidate)) return false;
    if (!forMake) {
        path = candidate;
        return true;
    }

    u16 document = tex_path::backslashed(editor.GetDocumentPath());
    u16 folder = tex_path::folderOf(document);
    candidate = tex_path::backslashed(candidate);
    if (tex_path::isRelative(candidate)) {
        candidate = tex_path::combine(folder, candidate);
        if (candidate.size() <= 3 || candidate.size() > MaxCombinedPath) return false;
    }
    if (str::equalsNoCase(document, candidate)) return false;
    path = candidate;
    return true;
}

} // namespace root_file
