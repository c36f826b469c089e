#include "mainwindow/jump_target.h"
#include "frame/host_messages.h"

#include <algorithm>

namespace jump_target {
namespace {

// A first line that starts with this names the document's root file.
constexpr u16view RootMarker = u"%Root ";

bool isLetter(char16_t c) { return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z'); }
bool isBlank(char16_t c) { return c == u' ' || c == u'\t'; }
bool isBreak(char16_t c) { return c == u'\r' || c == u'\n'; }

bool endsName(char16_t c) {
    return c == u'{' || c == u'*' || c == u' ' || c == u'\r' || c == u'\n' || c == u'\t' || c == u'}' ||
           c == u'(' || c == u')' || c == u'[' || c == u']';
}

bool before(Position a, Position b) { return a.y < b.y || (a.y == b.y && a.x < b.x); }

// The braced argument that starts at or after i, past a star, blanks and
// optional [..] arguments; nothing when there is none on these lines.
std::optional<u16> bracedArgument(u16view text, size_t i) {
    while (i < text.size()) {
        char16_t c = text[i];
        if (c == u'*' || isBlank(c) || isBreak(c)) {
            ++i;
        } else if (c == u'[') {
            size_t close = text.find(u']', i);
            if (close == u16view::npos) return std::nullopt;
            i = close + 1;
        } else {
            break;
        }
    }
    if (i >= text.size() || text[i] != u'{') return std::nullopt;
    size_t close = text.find(u'}', i + 1);
    if (close == u16view::npos) return std::nullopt;
    u16view arg = text.substr(i + 1, close - i - 1);
    for (char16_t c : arg)
        if (isBreak(c)) return std::nullopt;
    return u16(arg);
}

u16 readDocument(HostEditor& ed) {
    EditorCursor keep(ed);
    ed.RunHostCommand(hostmsg::CmdSelectAll);
    return ed.GetSelectedText();
}

} // namespace

std::optional<Named> commandAt(u16view text, int32_t caret) {
    size_t lineEnd = 0;
    while (lineEnd < text.size() && !isBreak(text[lineEnd])) ++lineEnd;
    if (caret < 0) return std::nullopt;
    size_t at = static_cast<size_t>(caret);
    size_t start;
    if (at < lineEnd && text[at] == u'\\') {
        start = at; // the caret stands just before the command
    } else {
        size_t i = std::min(at, lineEnd);
        for (;;) {
            if (i == 0) return std::nullopt;
            char16_t c = text[--i];
            if (c == u'\\') break;
            if (isBlank(c)) return std::nullopt;
        }
        start = i;
    }
    size_t end = start + 1;
    while (end < text.size() && isLetter(text[end])) ++end;
    if (end == start + 1) return std::nullopt;
    if (end < text.size() && !endsName(text[end])) return std::nullopt;
    Named named;
    named.command = u16(text.substr(start + 1, end - start - 1));
    named.column = static_cast<int32_t>(start);
    if (std::optional<u16> arg = bracedArgument(text, end)) named.argument = std::move(*arg);
    return named;
}

std::vector<EnvironmentMark> environmentMarks(u16view doc) {
    std::vector<EnvironmentMark> marks;
    Position pos;
    size_t i = 0;
    auto advance = [&](size_t to) { // within one line
        pos.x += static_cast<int32_t>(to - i);
        i = to;
    };
    while (i < doc.size()) {
        char16_t c = doc[i];
        if (isBreak(c)) {
            i += (c == u'\r' && i + 1 < doc.size() && doc[i + 1] == u'\n') ? 2 : 1;
            pos = Position{0, pos.y + 1};
        } else if (c == u'%') {
            size_t to = i;
            while (to < doc.size() && !isBreak(doc[to])) ++to;
            advance(to);
        } else if (c == u'\\') {
            size_t end = i + 1;
            while (end < doc.size() && isLetter(doc[end])) ++end;
            if (end == i + 1) { // an escaped character such as \% or \\ .
                bool escapes = end < doc.size() && !isBreak(doc[end]);
                advance(escapes ? end + 1 : end);
                continue;
            }
            u16view name = doc.substr(i + 1, end - i - 1);
            if (name == u"begin" || name == u"end") {
                size_t brace = end;
                while (brace < doc.size() && isBlank(doc[brace])) ++brace;
                if (brace < doc.size() && doc[brace] == u'{') {
                    size_t close = brace + 1;
                    while (close < doc.size() && doc[close] != u'}' && !isBreak(doc[close])) ++close;
                    if (close < doc.size() && doc[close] == u'}')
                        marks.push_back({name == u"begin", u16(doc.substr(brace + 1, close - brace - 1)), pos});
                }
            }
            advance(end);
        } else {
            advance(i + 1);
        }
    }
    return marks;
}

std::optional<Position> partner(const std::vector<EnvironmentMark>& marks, Position at) {
    size_t k = 0;
    while (k < marks.size() && marks[k].at != at) ++k;
    if (k == marks.size()) return std::nullopt;
    const EnvironmentMark& from = marks[k];
    int32_t depth = 0;
    if (from.begin) {
        for (size_t j = k; j < marks.size(); ++j) {
            if (marks[j].name != from.name) continue;
            depth += marks[j].begin ? 1 : -1;
            if (depth == 0) return marks[j].at;
        }
    } else {
        for (size_t j = k + 1; j-- > 0;) {
            if (marks[j].name != from.name) continue;
            depth += marks[j].begin ? -1 : 1;
            if (depth == 0) return marks[j].at;
        }
    }
    return std::nullopt;
}

std::optional<Position> lastBeginBefore(const std::vector<EnvironmentMark>& marks, Position caret) {
    std::optional<Position> found;
    for (const EnvironmentMark& m : marks)
        if (m.begin && before(m.at, caret)) found = m.at;
    return found;
}

u16 withTexExtension(u16view name) {
    size_t slash = name.find_last_of(u"\\/");
    size_t dot = name.rfind(u'.');
    bool hasExtension = dot != u16view::npos && (slash == u16view::npos || dot > slash);
    u16 out(name);
    if (!hasExtension) out += u".tex";
    return out;
}

Decision decide(HostEditor& ed) {
    using K = Decision::Kind;
    Position caret = ed.GetCaretPos(PosKind::Logical);
    u16 line = ed.GetLineText(caret.y);
    Decision d;
    if (caret.y == 0 && u16view(line).substr(0, RootMarker.size()) == RootMarker) {
        d.kind = K::OpenRootFile;
        d.name = line.substr(RootMarker.size());
        return d;
    }
    u16 text = line;
    if (caret.y + 1 < ed.GetLineCount()) text += u"\r\n" + ed.GetLineText(caret.y + 1);

    std::optional<Named> named = commandAt(text, caret.x);
    if (named && !named->argument.empty()) {
        const u16& c = named->command;
        d.name = named->argument;
        if (c == u"begin" || c == u"end") {
            if (std::optional<Position> to = partner(environmentMarks(readDocument(ed)), {named->column, caret.y})) {
                d.kind = K::MoveCaret;
                d.position = *to;
            }
            return d; // a named environment without a partner: nowhere to go
        }
        if (c == u"input" || c == u"include") {
            d.kind = K::OpenInHost;
            d.name = withTexExtension(named->argument);
            return d;
        }
        if (c == u"includegraphics") {
            d.kind = K::OpenWithAssociation;
            return d;
        }
        if (c == u"ref" || c == u"pageref" || c == u"eqref") {
            d.kind = K::Label;
            return d;
        }
        if (c == u"cite") {
            d.kind = K::Citation;
            return d;
        }
    }
    d.name.clear();
    if (std::optional<Position> to = lastBeginBefore(environmentMarks(readDocument(ed)), caret)) {
        d.kind = K::MoveCaret;
        d.position = *to;
    }
    return d;
}

} // namespace jump_target
