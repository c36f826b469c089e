#include "mainwindow/snippet.h"
#include "frame/host_messages.h"

namespace snippet {
namespace {

constexpr PosKind L = PosKind::Logical;

// Inserts texts and flushes the host's input once, before the first
// non-empty one: a pending composed character must land before the
// snippet, not inside it.
class Writer {
public:
    Writer(HostEditor& editor, bool flush) : ed_(editor), flushPending_(flush) {}
    void put(u16view text) {
        if (text.empty()) return;
        if (flushPending_) {
            ed_.FlushInput();
            flushPending_ = false;
        }
        ed_.InsertText(text);
    }
    Position caret() { return ed_.GetCaretPos(L); }
    void caretTo(Position p) { ed_.SetCaretPos(L, p); }
private:
    HostEditor& ed_;    // not owned
    bool flushPending_;
};

// The selection's end after text was inserted at its start: on a single
// line it moves right by what went in before it on that line, and it moves
// down by the lines inserted. extra counts characters put in after mark.
Position shiftedEnd(Position selStart, Position selEnd, Position mark, int32_t extra) {
    if (selStart.y == selEnd.y) selEnd.x += mark.x - selStart.x + extra;
    selEnd.y += mark.y - selStart.y;
    return selEnd;
}

void atCaret(HostEditor& ed, Writer& w, u16view begin, u16view end) {
    w.caretTo(ed.GetCaretPos(L)); // drops the selection where the caret is
    w.put(begin);
    if (!end.empty()) {
        Position mark = w.caret();
        w.put(end);
        w.caretTo(mark);
    }
}

void wrap(HostEditor& ed, Writer& w, u16view begin, u16view end) {
    Position selStart = ed.GetSelectionStart(L);
    Position selEnd = ed.GetSelectionEnd(L);
    // A selection of whole lines ends at column 0 of the next line; the end
    // text belongs after the last selected line, not before the next one.
    if (selEnd.x == 0 && selEnd.y > selStart.y) {
        selEnd.y -= 1;
        selEnd.x = ed.GetLineLength(selEnd.y);
    }
    w.caretTo(selStart);
    w.put(begin);
    Position mark = w.caret();
    w.caretTo(shiftedEnd(selStart, selEnd, mark, 0));
    w.put(end);
}

void group(HostEditor& ed, Writer& w, u16view begin, u16view end) {
    Position selStart = ed.GetSelectionStart(L);
    Position selEnd = ed.GetSelectionEnd(L);
    w.caretTo(selStart);
    w.put(u"{");
    w.put(begin);
    w.caretTo(shiftedEnd(selStart, selEnd, w.caret(), 0));
    w.put(end);
    w.put(u"}");
}

void groupWithArgument(HostEditor& ed, Writer& w, u16view begin, u16view end) {
    Position selStart = ed.GetSelectionStart(L);
    Position selEnd = ed.GetSelectionEnd(L);
    w.caretTo(selStart);
    w.put(u"{");
    w.put(begin);
    Position mark = w.caret();
    w.caretTo(shiftedEnd(selStart, selEnd, mark, 0));
    w.put(u"}");
    w.caretTo(mark);
    if (!end.empty()) {
        w.put(end);
        w.caretTo(mark);
    }
}

void commandWithArgument(HostEditor& ed, Writer& w, u16view begin, u16view end) {
    Position selStart = ed.GetSelectionStart(L);
    Position selEnd = ed.GetSelectionEnd(L);
    w.caretTo(selStart);
    w.put(begin);
    Position mark = w.caret();
    w.put(u"{");
    w.caretTo(shiftedEnd(selStart, selEnd, mark, 1)); // past the "{" as well
    w.put(u"}");
    w.caretTo(mark);
    if (!end.empty()) {
        w.put(end);
        w.caretTo(mark);
    }
}

} // namespace

bool canInsert(const Target& target) {
    return target.ready && target.editor.exists() &&
           target.editor.GetHostSetting(hostmsg::SettingReadOnly) == 0;
}

bool hasSelection(HostEditor& editor) { return editor.GetSelectedTextSize() > 1; }

bool insertSnippet(const Target& target, u16view begin, u16view end, int mode, bool flush) {
    if (!canInsert(target)) return false;
    HostEditor& ed = target.editor;
    Writer w(ed, flush);
    if ((mode == Wrap || mode == GroupWithArgument) && !hasSelection(ed)) mode = AtCaret;
    switch (mode) {
    case AtCaret:
        atCaret(ed, w, begin, end);
        break;
    case DocumentStart:
        w.caretTo(Position{0, 0});
        w.put(begin);
        break;
    case DocumentEnd: {
        Position mark = w.caret();
        ed.RunHostCommand(hostmsg::CmdCaretDocumentEnd);
        w.put(begin);
        w.caretTo(mark);
        break;
    }
    case Replace:
        w.put(begin);
        if (!end.empty()) {
            Position mark = w.caret();
            w.put(end);
            w.caretTo(mark);
        }
        break;
    case Group:
        if (hasSelection(ed)) {
            group(ed, w, begin, end);
        } else {
            w.put(begin);
            w.put(end);
        }
        break;
    case GroupWithArgument:
        groupWithArgument(ed, w, begin, end);
        break;
    case CommandWithArgument:
        commandWithArgument(ed, w, begin, end);
        break;
    default:
        wrap(ed, w, begin, end);
        break;
    }
    return true;
}

bool insertListSnippet(const Target& target, u16view begin, u16view end, u16view itemPrefix) {
    if (!canInsert(target)) return false;
    HostEditor& ed = target.editor;
    Position selStart = ed.GetSelectionStart(L);
    Position selEnd = ed.GetSelectionEnd(L);
    if (!hasSelection(ed) || selStart.y == selEnd.y) {
        u16 head(begin);
        head += itemPrefix;
        return insertSnippet(target, head, end, Wrap);
    }
    int32_t last = selEnd.y;
    if (selEnd.x == 0) last -= 1; // whole lines: the next line is not part of the list
    else selEnd.x += static_cast<int32_t>(itemPrefix.size());
    for (int32_t y = selStart.y; y <= last; ++y) {
        ed.SetCaretPos(L, Position{0, y});
        insertSnippet(target, itemPrefix, u"", AtCaret);
    }
    ed.SetSelection(ed.LogicalToViewPos(selStart), ed.LogicalToViewPos(selEnd));
    return insertSnippet(target, begin, end, Wrap);
}

bool insertUserString(const Target& target, u16view text) {
    const u16view marker(CaretMarker);
    size_t at = text.find(marker);
    if (at == u16view::npos) return insertSnippet(target, text, u"", AtCaret);
    u16 end;
    u16view rest = text.substr(at + marker.size());
    for (size_t next; (next = rest.find(marker)) != u16view::npos; rest = rest.substr(next + marker.size()))
        end += rest.substr(0, next);
    end += rest;
    return insertSnippet(target, text.substr(0, at), end, Wrap);
}

} // namespace snippet
