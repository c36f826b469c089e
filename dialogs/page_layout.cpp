#include "dialogs/page_layout.h"

#include "frame/host_messages.h"
#include "frame/message_ids.h"
#include "mainwindow/snippet.h"

namespace page_layout {

const std::array<Parameter, ParameterCount> Parameters = {{
    {u"\\paperwidth ", u"1", msgid::LayoutDescriptions},
    {u"\\paperheight ", u"2", msgid::LayoutDescriptions + 1},
    {u"\\voffset ", u"3", msgid::LayoutDescriptions + 2},
    {u"\\hoffset ", u"4", msgid::LayoutDescriptions + 3},
    {u"\\topmargin ", u"5", msgid::LayoutDescriptions + 4},
    {u"\\headheight ", u"6", msgid::LayoutDescriptions + 5},
    {u"\\headsep ", u"7", msgid::LayoutDescriptions + 6},
    {u"\\topskip ", u"8", msgid::LayoutDescriptions + 7},
    {u"\\oddsidemargin ", u"9", msgid::LayoutDescriptions + 8},
    {u"\\evensidemargin ", u"A", msgid::LayoutDescriptions + 9},
    {u"\\textwidth ", u"B", msgid::LayoutDescriptions + 10},
    {u"\\textheight ", u"C", msgid::LayoutDescriptions + 11},
    {u"\\footskip ", u"D", msgid::LayoutDescriptions + 12},
    {u"\\marginparsep ", u"E", msgid::LayoutDescriptions + 13},
    {u"\\marginparwidth ", u"F", msgid::LayoutDescriptions + 14},
    {u"\\marginparpush ", u"G", msgid::LayoutDescriptions + 15},
    {u"\\columnsep ", u"H", msgid::LayoutDescriptions + 16},
    {u"\\columnseprule ", u"I", msgid::LayoutDescriptions + 17},
    {u"\\columnwidth ", u"J", msgid::LayoutDescriptions + 18},
}};

namespace {

constexpr char16_t BeginDocument[] = u"\\begin{document}";

bool startsWith(u16view s, u16view prefix) { return s.substr(0, prefix.size()) == prefix; }

std::vector<u16> splitTabs(u16view s) {
    std::vector<u16> parts;
    size_t from = 0;
    for (;;) {
        size_t tab = s.find(u'\t', from);
        parts.emplace_back(s.substr(from, tab == u16view::npos ? u16view::npos : tab - from));
        if (tab == u16view::npos) return parts;
        from = tab + 1;
    }
}

// Each edit moves the caret itself; the host's pending input is flushed once,
// before the first.
class Edits {
public:
    explicit Edits(HostEditor& editor) : ed_(editor) {}
    bool done() const { return done_; }

    void replace(int32_t line, int32_t length, u16view text) {
        Position from{0, line}, to{length, line};
        ed_.SetCaretPos(PosKind::Logical, from);
        ed_.SetSelection(ed_.LogicalToViewPos(from), ed_.LogicalToViewPos(to));
        put(text, snippet::Replace);
    }
    void removeLine(int32_t line) {
        flushOnce();
        ed_.SetCaretPos(PosKind::Logical, Position{0, line});
        ed_.RunHostCommand(hostmsg::CmdDeleteLine);
    }
    void insertAt(int32_t line, u16view text) {
        ed_.SetCaretPos(PosKind::Logical, Position{0, line});
        put(text, snippet::AtCaret);
    }

private:
    void flushOnce() {
        if (!done_) ed_.FlushInput();
        done_ = true;
    }
    void put(u16view text, int mode) {
        flushOnce();
        snippet::insertSnippet(snippet::Target{ed_, true}, text, u"", mode, false);
    }

    HostEditor& ed_;
    bool done_ = false;
};

} // namespace

bool Scan::any() const {
    for (const Found& f : found)
        if (f.line >= 0) return true;
    return false;
}

u16 valueOf(u16view rest) {
    for (size_t i = 0; i < rest.size(); ++i)
        if (rest[i] == u'%' && (i == 0 || rest[i - 1] != u'\\')) return u16(rest.substr(0, i));
    return u16(rest);
}

int parameterOf(u16view line) {
    for (int i = 0; i < ParameterCount; ++i)
        if (startsWith(line, Parameters[i].prefix)) return i;
    return -1;
}

Scan scan(HostEditor& editor) {
    Scan s;
    bool found = false, begin = false;
    int32_t count = editor.GetLineCount();
    for (int32_t line = 0; line < count && line < ScanLines; ++line) {
        u16 text = editor.GetLineText(line);
        // The host may hand the line with its break; a value never holds one.
        while (!text.empty() && (text.back() == u'\r' || text.back() == u'\n')) text.pop_back();
        int p = parameterOf(text);
        if (p >= 0) {
            size_t prefix = u16view(Parameters[p].prefix).size();
            Scan::Found& f = s.found[p];
            f.value = valueOf(u16view(text).substr(prefix));
            f.line = line;
            f.partLength = static_cast<int32_t>(prefix + f.value.size());
            s.insertLine = line + 1;
            found = true;
        } else if (!found && !begin && startsWith(text, BeginDocument)) {
            // The first one: a later one sits in the body (a verbatim example).
            s.insertLine = line;
            begin = true;
        }
    }
    return s;
}

bool apply(HostEditor& editor, const Scan& found, const Entries& entries, bool comment,
           const std::array<u16, ParameterCount>& descriptions) {
    // A read-only document takes no line removal either: all or nothing.
    if (!snippet::canInsert(snippet::Target{editor, true})) return false;
    Edits edits(editor);
    Scan s = found;
    bool inserted = false;
    for (int i = 0; i < ParameterCount; ++i) {
        const Entry& e = entries[i];
        bool wanted = e.checked && !e.value.empty();
        u16 part = u16(Parameters[i].prefix) + e.value;
        if (s.found[i].line >= 0) {
            int32_t line = s.found[i].line;
            if (wanted) {
                edits.replace(line, s.found[i].partLength, part);
                continue;
            }
            edits.removeLine(line);
            for (Scan::Found& later : s.found)
                if (later.line > line) --later.line;
            if (s.insertLine > line) --s.insertLine;
        } else if (wanted) {
            if (comment) part += u"%" + descriptions[i];
            edits.insertAt(s.insertLine, part + u"\r\n");
            ++s.insertLine;
            inserted = true;
        }
    }
    if (!found.any() && inserted) edits.insertAt(s.insertLine, u"\r\n");
    return edits.done();
}

u16 composeLast(const Entries& entries) {
    u16 out;
    for (int i = 0; i < ParameterCount; ++i) {
        if (i) out += u'\t';
        if (entries[i].checked) out += entries[i].value;
    }
    return out;
}

Values parseValues(u16view tabbed) {
    Values v;
    std::vector<u16> parts = splitTabs(tabbed);
    for (size_t i = 0; i < parts.size() && i < v.size(); ++i) v[i] = parts[i];
    return v;
}

Preset parsePreset(u16view stored) {
    Preset p;
    size_t tab = stored.find(u'\t');
    p.name = u16(stored.substr(0, tab));
    if (tab != u16view::npos) p.values = parseValues(stored.substr(tab + 1));
    return p;
}

u16 composePreset(const Preset& p) {
    u16 out = p.name;
    for (const u16& v : p.values) out += u"\t" + v;
    return out;
}

std::vector<u16> defaultPresets(const std::vector<u16>& configTexts) {
    std::vector<u16> list;
    for (const u16& t : configTexts) {
        if (t.empty()) break;
        list.push_back(t);
    }
    return list;
}

} // namespace page_layout
