#include "support/easy_support.h"

#include "support/easy_support_dictionary.h"

#include <algorithm>

namespace easy_support {
namespace {

constexpr PosKind L = PosKind::Logical;

bool startsWith(u16view text, u16view prefix) { return text.substr(0, prefix.size()) == prefix; }

// Searches back from `from` (inclusive) for one of the wanted characters;
// a "}" closes an argument, so nothing before it belongs to the command at
// the caret.
size_t scanBack(u16view text, size_t from, bool colonToo) {
    for (size_t i = from + 1; i-- > 0;) {
        char16_t c = text[i];
        if (c == u'\\' || (colonToo && c == u':')) return i;
        if (c == u'}') break;
    }
    return u16view::npos;
}

} // namespace

std::optional<Trigger> matchCommand(u16view t) {
    // A case-sensitive comparison of the user's locale calls only identical
    // texts equal, so plain equality is that comparison here.
    for (u16view ref : {u16view(u"\\ref"), u16view(u"\\pageref"), u16view(u"\\eqref")}) {
        if (t == ref) return Trigger{true, false, false};
        if (t.size() == ref.size() + 1 && startsWith(t, ref) && t.back() == u'{') return Trigger{true, true, false};
    }
    for (u16view cite : {u16view(u"\\cite"), u16view(u"\\nocite")}) {
        if (t == cite) return Trigger{false, false, false};
        if (t.size() > cite.size() && startsWith(t, cite) && t[cite.size()] == u'{') {
            // Keys already typed get a separating comma, unless the user
            // has typed it already (a doubled comma cites an empty key).
            bool more = t.size() > cite.size() + 1 && t.back() != u',';
            return Trigger{false, true, more};
        }
    }
    return std::nullopt;
}

std::optional<u16> expansion(const CEditorSupportDic& dictionary, u16view key) {
    EasySupportEntry entry;
    if (!dictionary.get(dictionary.find(key), entry)) return std::nullopt;
    return u16(record::field(entry.text));
}

AbbreviationLookup storeLookup(DictionaryStore* store) {
    return [store](u16view key) {
        CEditorSupportDic dictionary(store);
        return expansion(dictionary, key);
    };
}

Analysis analyze(u16view text, const AbbreviationLookup& lookup) {
    Analysis a;
    if (text.empty()) return a;
    if (text.back() == u'_' || text.back() == u'^') {
        a.kind = Analysis::Braces;
        return a;
    }
    size_t at = scanBack(text, text.size() - 1, true);
    if (at == u16view::npos) return a;
    u16view command = text.substr(at);
    if (text[at] == u':') {
        if (auto found = lookup ? lookup(command) : std::nullopt) {
            a.kind = Analysis::Expand;
            a.replaceLength = command.size();
            a.text = *found;
            return a;
        }
        // An unknown abbreviation may follow a command, as in \ref:zz; the
        // command before it is what counts.
        size_t colon = at;
        at = colon == 0 ? u16view::npos : scanBack(text, colon - 1, false);
        if (at == u16view::npos) return a;
        command = text.substr(at, colon - at);
    }
    a.kind = Analysis::UsedNothing;
    if (auto trigger = matchCommand(command)) {
        a.kind = Analysis::OpenList;
        a.trigger = *trigger;
    }
    return a;
}

bool run(const snippet::Target& target, const AbbreviationLookup& lookup,
         const std::function<void(const Trigger&)>& openList) {
    if (!snippet::canInsert(target)) return false;
    HostEditor& ed = target.editor;
    Position caret = ed.GetCaretPos(L);
    if (caret.x <= 0) return false;

    EditorCursorManual cursor(ed);
    cursor.save();
    Position from{std::max(0, caret.x - LookBehind), caret.y};
    ed.SetSelection(ed.LogicalToViewPos(from), ed.LogicalToViewPos(caret));
    Analysis a = analyze(ed.GetSelectedText(), lookup);

    switch (a.kind) {
    case Analysis::Braces:
        ed.SetCaretPos(L, caret);
        snippet::insertSnippet(target, u"{", u"}", snippet::Wrap);
        return true;
    case Analysis::Expand: {
        Position start{caret.x - static_cast<int32_t>(a.replaceLength), caret.y};
        ed.SetSelection(ed.LogicalToViewPos(start), ed.LogicalToViewPos(caret));
        snippet::insertSnippet(target, a.text, u"", snippet::Replace);
        return true;
    }
    case Analysis::OpenList:
        ed.SetCaretPos(L, caret);
        if (openList) openList(a.trigger);
        return true;
    case Analysis::UsedNothing:
        cursor.restore();
        return true;
    case Analysis::NotUsed:
        break;
    }
    cursor.restore();
    return false;
}

bool insertChoice(const snippet::Target& target, const Trigger& trigger, u16view name) {
    if (!snippet::canInsert(target)) return false;
    bool flush = true; // once, before the first piece
    auto put = [&](u16view begin, u16view end, int mode) {
        snippet::insertSnippet(target, begin, end, mode, flush);
        flush = false;
    };
    if (!trigger.inBraces) put(u"{", u"", snippet::Replace);
    if (trigger.comma) put(u",", u"", snippet::Replace);
    if (trigger.refMode) {
        put(name, u"", snippet::AtCaret);
        if (!trigger.inBraces) put(u"}", u"", snippet::AtCaret);
    } else {
        put(name, trigger.inBraces ? u"" : u"}", snippet::AtCaret);
    }
    return true;
}

} // namespace easy_support
