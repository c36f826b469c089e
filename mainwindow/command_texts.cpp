#include "mainwindow/command_texts.h"

#include "frame/message_ids.h"
#include "mainwindow/toolbar_table.h"

namespace command_texts {
namespace {

using toolbar_table::Addition;

u16 ownText(uint32_t command, const Texts& texts) {
    uint32_t id = msgid::commandText(command);
    return id && texts ? texts(id) : u16();
}

u16 oneLine(u16 s) {
    for (char16_t& c : s)
        if (c == u'\r' || c == u'\n') c = u' ';
    return s;
}

bool isHighSurrogate(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }

// Cut to at most limit units without leaving half a surrogate pair.
u16 cut(u16 s, size_t limit) {
    if (s.size() <= limit) return s;
    s.resize(limit);
    if (!s.empty() && isHighSurrogate(s.back())) s.pop_back();
    return s;
}

// A tool tip grows only by whole pieces that still fit.
class Tip {
public:
    explicit Tip(u16 start) : text_(cut(std::move(start), TextLimit)) {}
    bool fits(const u16& piece) const { return text_.size() + piece.size() <= TextLimit; }
    bool add(const u16& piece) {
        if (!fits(piece)) return false;
        text_ += piece;
        return true;
    }
    u16 take() { return std::move(text_); }

private:
    u16 text_;
};

} // namespace

u16 buttonText(uint32_t command, const Texts& texts) { return oneLine(cut(ownText(command, texts), TextLimit)); }

u16 statusText(uint32_t command, const State& state, const Texts& texts) {
    u16 s = oneLine(ownText(command, texts));
    if (s.empty()) return s;   // also without texts
    switch (toolbar_table::additionOf(command)) {
    case Addition::SubWindow: s += texts(msgid::StatusSubWindow); break;
    case Addition::Outline:
        if (state.rootLock) s += texts(msgid::StatusRootLocked);
        break;
    case Addition::Typesetting:
        s += texts(state.swap ? msgid::StatusTypesetSwapOn : msgid::StatusTypesetSwapOff);
        if (state.rootLock) s += texts(msgid::StatusRootLocked);
        break;
    case Addition::RootFile: s += texts(msgid::StatusOpenRoot); break;
    case Addition::RootLock:
        if (state.rootLock && !state.lockedRoot.empty())
            s += texts(msgid::StatusRootPathBefore) + state.lockedRoot + u")";
        s += texts(msgid::StatusOpenRoot);
        break;
    case Addition::Highlight:
        if (state.highlight && !state.pattern.empty())
            s += texts(msgid::StatusPatternBefore) + state.pattern + u")";
        break;
    case Addition::Swap:
        if (state.swap) s += texts(msgid::StatusSwapOn);
        break;
    case Addition::None: break;
    }
    return s;
}

u16 tipText(uint32_t command, const State& state, const Texts& texts) {
    if (!texts) return u16();
    Tip tip(ownText(command, texts));
    if (!state.shortcut.empty()) tip.add(u"\r\n" + state.shortcut);
    switch (toolbar_table::additionOf(command)) {
    case Addition::SubWindow: tip.add(texts(msgid::TipSubWindow)); break;
    case Addition::Typesetting:
        tip.add(texts(state.swap ? msgid::TipTypesetSwapOn : msgid::TipTypesetSwapOff));
        if (state.rootLock) tip.add(texts(msgid::TipRootLocked));
        break;
    case Addition::RootFile: tip.add(texts(msgid::TipOpenRoot)); break;
    case Addition::RootLock:
        if (state.rootLock) {
            // The path stands on a line of its own; a path too long for
            // the tip is left out, and the tip still says the lock is on.
            u16 locked = texts(msgid::TipRootPathAfter);
            if (state.lockedRoot.empty() || !tip.add(u"\r\n" + state.lockedRoot + locked)) tip.add(locked);
        }
        tip.add(texts(msgid::TipOpenRoot));
        break;
    case Addition::Highlight:
        if (state.highlight && !state.pattern.empty())
            tip.add(texts(msgid::TipPatternBefore) + u"\r\n" + state.pattern);
        break;
    case Addition::Swap:
        if (state.swap) tip.add(texts(msgid::TipSwapOn));
        break;
    case Addition::Outline:
    case Addition::None: break;
    }
    return tip.take();
}

} // namespace command_texts
