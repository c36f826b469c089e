#include "support/command_insertion.h"

#include <algorithm>

namespace command_insertion {
namespace {

constexpr PosKind L = PosKind::Logical;

// Where the caret is after text was inserted at from.
Position after(Position from, u16view text) {
    for (size_t i = 0; i < text.size(); ++i) {
        char16_t c = text[i];
        if (c == u'\r' || c == u'\n') {
            if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') ++i;
            from = Position{0, from.y + 1};
        } else {
            ++from.x;
        }
    }
    return from;
}

// Replaces the selection with before + selection + rest and puts the
// caret caretAt characters into that text.
void around(const snippet::Target& target, u16view before, u16view rest, size_t caretAt) {
    HostEditor& ed = target.editor;
    u16 selection = snippet::hasSelection(ed) ? ed.GetSelectedText() : u16();
    Position start = ed.GetSelectionStart(L);
    u16 whole(before);
    whole += selection;
    whole += rest;
    snippet::insertSnippet(target, whole, u"", snippet::Replace);
    ed.SetCaretPos(L, after(start, u16view(whole).substr(0, caretAt)));
}

bool bracket(char16_t c) { return c == u'[' || c == u']' || c == u'{' || c == u'}'; }

} // namespace

Marked mark(u16view text) {
    Marked m;
    m.text = u16(text);
    size_t pairs = 0, last = 0;
    for (size_t i = 0; i + 1 < m.text.size(); ++i) {
        if (m.text[i] != u'.' || m.text[i + 1] != u'.') continue;
        m.text[i] = u'\r';
        m.text[i + 1] = u'\n';
        ++pairs;
        last = i;
        ++i;
    }
    if (pairs == 1) m.marker = last + 2;
    else if (pairs > 1) m.marker = last;
    return m;
}

bool insert(const snippet::Target& target, u16view input, size_t caret) {
    if (!snippet::canInsert(target)) return false;
    const Marked m = mark(input);
    const u16view t = m.text;
    size_t c = std::min(caret, t.size());
    if (c < t.size() && t[c] == u'\n') ++c; // never between CR and LF
    const size_t selectionLength = snippet::hasSelection(target.editor)
                                       ? target.editor.GetSelectedText().size()
                                       : 0;

    if (m.marker != u16view::npos && m.marker > c) {
        around(target, t.substr(0, m.marker), t.substr(m.marker), c);
    } else if (m.marker != u16view::npos && m.marker < c) {
        size_t at = selectionLength ? c + selectionLength : m.marker;
        around(target, t.substr(0, m.marker), t.substr(m.marker), at);
    } else if (m.marker == c) {
        snippet::insertSnippet(target, t.substr(0, c), t.substr(c), snippet::Wrap);
    } else if (size_t brace = t.find(u'{', c); brace != u16view::npos) {
        around(target, t.substr(0, brace + 1), t.substr(brace + 1), c);
    } else {
        int mode = !t.empty() && bracket(t.back()) ? snippet::Wrap : snippet::Replace;
        snippet::insertSnippet(target, t.substr(0, c), t.substr(c), mode);
    }
    return true;
}

} // namespace command_insertion
