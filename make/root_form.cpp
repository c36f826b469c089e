#include "make/root_form.h"

#include "base/str.h"
#include "mainwindow/snippet.h"
#include "make/root_file.h"
#include "make/tex_path.h"

#include <vector>

namespace root_form {

namespace {

std::vector<u16> components(u16view path) {
    std::vector<u16> out;
    u16 p = tex_path::backslashed(path);
    size_t start = 0;
    while (start <= p.size()) {
        size_t sep = p.find(u'\\', start);
        if (sep == u16::npos) sep = p.size();
        if (sep > start) out.push_back(p.substr(start, sep - start));
        start = sep + 1;
    }
    return out;
}

// "C:" or "\\server\share": what both paths must share for a relative path.
u16 anchorOf(u16view path) {
    u16 p = tex_path::backslashed(path);
    if (p.size() >= 2 && p[1] == u':') return p.substr(0, 2);
    if (p.starts_with(u"\\\\")) {
        std::vector<u16> c = components(p);
        return c.size() >= 2 ? u"\\\\" + c[0] + u"\\" + c[1] : u16();
    }
    return {};
}

} // namespace

Form fromSetting(int32_t value) {
    if (value == Relative) return Relative;
    if (value == Absolute) return Absolute;
    return NameOnly;
}

u16 relativeTo(u16view from, u16view to) {
    if (from.empty() || to.empty()) return u16(to);
    u16 a = anchorOf(from), b = anchorOf(to);
    if (a.empty() || !str::equalsNoCase(a, b)) return u16(to);
    std::vector<u16> folder = components(tex_path::folderOf(tex_path::backslashed(from)));
    std::vector<u16> target = components(to);
    size_t same = 0;
    while (same < folder.size() && same + 1 < target.size() && str::equalsNoCase(folder[same], target[same])) ++same;
    u16 out;
    for (size_t i = same; i < folder.size(); ++i) out += u"..\\";
    for (size_t i = same; i < target.size(); ++i) {
        out += target[i];
        if (i + 1 < target.size()) out += u'\\';
    }
    return out;
}

u16 render(u16view full, u16view current, Form form) {
    switch (form) {
    case Absolute: return u16(full);
    case Relative:
        if (current.size() >= 4) return relativeTo(current, full);
        return tex_path::fileNameOf(full);
    default: return tex_path::fileNameOf(full);
    }
}

bool writeRootLine(HostEditor& editor, u16view root, bool rootFound) {
    u16 line = root_file::RootLine(root);
    snippet::Target target{editor};
    u16 first = editor.GetLineCount() > 0 ? editor.GetLineText(0) : u16();
    if (rootFound && u16view(first).starts_with(u"%Root ")) {
        Position start = editor.LogicalToViewPos({0, 0});
        Position end = editor.LogicalToViewPos({static_cast<int32_t>(first.size()), 0});
        if (!snippet::canInsert(target)) return false;
        editor.SetSelection(start, end);
        return snippet::insertSnippet(target, line, u"", snippet::Replace);
    }
    return snippet::insertSnippet(target, line + u"\r\n", u"", snippet::DocumentStart);
}

} // namespace root_form
