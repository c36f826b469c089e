#include "mainwindow/comment_commands.h"
#include "frame/host_messages.h"

namespace comment {
namespace {

constexpr PosKind L = PosKind::Logical;

bool startsWithPercent(u16view s) { return !s.empty() && s.front() == u'%'; }

bool wantsComment(Request request, u16view text) {
    return request == Add || (request == Toggle && !startsWithPercent(text));
}

// Replaces the whole of one line through the snippet path, so the flush and
// the read-only check apply as for every insertion.
void replaceLine(const snippet::Target& target, int32_t y, u16view text) {
    HostEditor& ed = target.editor;
    Position from{0, y}, to{ed.GetLineLength(y), y};
    ed.SetSelection(ed.LogicalToViewPos(from), ed.LogicalToViewPos(to));
    snippet::insertSnippet(target, text, u"", snippet::Replace);
}

Result caretLine(const snippet::Target& target, Request request) {
    HostEditor& ed = target.editor;
    Position caret = ed.GetCaretPos(L);
    u16 line = ed.GetLineText(caret.y);
    if (wantsComment(request, line)) {
        replaceLine(target, caret.y, u"%" + line);
        caret.x += 1;
    } else if (startsWithPercent(line)) {
        if (line.size() < 3) {
            // Replacing with one character or none would insert an empty
            // text, which inserts nothing: delete the "%" instead.
            ed.SetCaretPos(L, Position{0, caret.y});
            ed.RunHostCommand(hostmsg::CmdDeleteForward);
        } else {
            replaceLine(target, caret.y, u16view(line).substr(1));
        }
        if (caret.x > 0) caret.x -= 1;
    }
    ed.SetCaretPos(L, caret);
    return Result::Done;
}

Result selection(const snippet::Target& target, Request request) {
    HostEditor& ed = target.editor;
    Position selStart = ed.GetSelectionStart(L);
    Position selEnd = ed.GetSelectionEnd(L);
    ed.SetSelection(ed.LogicalToViewPos(Position{0, selStart.y}), ed.LogicalToViewPos(selEnd));
    if (ed.GetSelectedTextSize() - 1 > MaxSelection) {
        ed.SetSelection(ed.LogicalToViewPos(selStart), ed.LogicalToViewPos(selEnd));
        return Result::TooLong;
    }
    u16 text = ed.GetSelectedText();
    u16 result;
    if (wantsComment(request, text)) {
        int32_t breaks = selEnd.y - selStart.y;
        if (selEnd.x == 0 && breaks > 0) --breaks;
        result = commented(text, breaks);
    } else {
        result = uncommented(text);
    }
    snippet::insertSnippet(target, result, u"", snippet::Replace);
    return Result::Done;
}

// Index just past the line break that starts at i (CR LF, CR or LF), or i.
size_t pastBreak(u16view s, size_t i) {
    if (s[i] == u'\r') return i + 1 < s.size() && s[i + 1] == u'\n' ? i + 2 : i + 1;
    if (s[i] == u'\n') return i + 1;
    return i;
}

} // namespace

u16 commented(u16view text, int32_t lineBreaks) {
    u16 out = u"%";
    out.reserve(text.size() + 1 + (lineBreaks > 0 ? lineBreaks : 0));
    size_t i = 0;
    while (i < text.size()) {
        size_t next = pastBreak(text, i);
        if (next == i) {
            out += text[i++];
            continue;
        }
        out += text.substr(i, next - i);
        i = next;
        if (lineBreaks > 0) {
            out += u'%';
            --lineBreaks;
        }
    }
    return out;
}

u16 uncommented(u16view text) {
    u16 out;
    out.reserve(text.size());
    size_t i = startsWithPercent(text) ? 1 : 0;
    while (i < text.size()) {
        size_t next = pastBreak(text, i);
        if (next == i) {
            out += text[i++];
            continue;
        }
        out += text.substr(i, next - i);
        i = next;
        if (i < text.size() && text[i] == u'%') ++i;
    }
    return out;
}

Result run(const snippet::Target& target, Request request) {
    if (!snippet::canInsert(target)) return Result::NotAllowed;
    return snippet::hasSelection(target.editor) ? selection(target, request) : caretLine(target, request);
}

} // namespace comment
