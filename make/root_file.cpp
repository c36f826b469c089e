#include "make/root_file.h"

#include "base/str.h"
#include "frame/plugin_rules.h"
#include "make/recent_roots.h"
#include "make/tex_path.h"

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
} // namespace

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
