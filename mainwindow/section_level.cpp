#include "mainwindow/section_level.h"

#include <algorithm>

namespace section_level {
namespace {

// From the top level down.
constexpr u16view Levels[] = {u"\\part", u"\\chapter", u"\\section", u"\\subsection",
                              u"\\subsubsection", u"\\paragraph", u"\\subparagraph"};
constexpr int LevelCount = static_cast<int>(std::size(Levels));

// Characters that may follow the command name; anything else means a
// longer name (\sectionmark) or a command of its own.
bool endsName(char16_t c) {
    return c == u'{' || c == u'*' || c == u' ' || c == u'\r' || c == u'\n' || c == u'\t' || c == u'}' ||
           c == u'(' || c == u')' || c == u'[' || c == u']';
}

} // namespace

std::optional<u16> shifted(u16view text, Direction direction) {
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != u'\\') continue;
        for (int level = 0; level < LevelCount; ++level) {
            u16view name = Levels[level];
            size_t after = i + name.size();
            if (after >= text.size() || text.compare(i, name.size(), name) != 0 || !endsName(text[after]))
                continue;
            int to = std::clamp(level - direction, 0, LevelCount - 1);
            u16 out(text.substr(0, i));
            out += Levels[to];
            out += text.substr(after);
            return out;
        }
    }
    return std::nullopt;
}

bool run(const snippet::Target& target, Direction direction) {
    if (!snippet::canInsert(target)) return false;
    HostEditor& ed = target.editor;
    {
        EditorCursor keep(ed);
        Position caret = ed.GetCaretPos(PosKind::Logical);
        Position from{std::max(0, caret.x - Reach), caret.y};
        Position to{std::min(ed.GetLineLength(caret.y), caret.x + Reach), caret.y};
        ed.SetSelection(ed.LogicalToViewPos(from), ed.LogicalToViewPos(to));
        u16 text = ed.GetSelectedText();
        if (std::optional<u16> out = shifted(text, direction)) {
            if (*out != text) snippet::insertSnippet(target, *out, u"", snippet::Replace);
            return true;
        }
    }
    // Only after the caret and selection are back: the fallback wraps them.
    return snippet::insertSnippet(target, u"\\section{", u"}", snippet::Wrap);
}

} // namespace section_level
