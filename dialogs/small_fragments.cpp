#include "dialogs/small_fragments.h"

#include "base/str.h"
#include "dialogs/record_fields.h"

namespace minipage {
namespace {

struct AlignTexts {
    const char16_t* open;
    const char16_t* close;
};

AlignTexts alignTexts(Align a) {
    switch (a) {
    case Align::FlushLeft: return {u"\\begin{flushleft}\r\n", u"\r\n\\end{flushleft}"};
    case Align::Center: return {u"\\begin{center}\r\n", u"\r\n\\end{center}"};
    case Align::FlushRight: return {u"\\begin{flushright}\r\n", u"\r\n\\end{flushright}"};
    case Align::None: break;
    }
    return {u"", u""};
}

} // namespace

Choices parse(u16view stored) {
    Choices c;
    if (stored.size() <= 1) return c;
    std::vector<u16> fields = record_fields::split(stored);
    c.width = fields[0];
    int a = record_fields::number(fields, 1, 2);
    c.align = a >= 0 && a <= 3 ? static_cast<Align>(a) : Align::Center;
    return c;
}

u16 compose(const Choices& c) {
    return record_fields::join({c.width, str::fromInt(static_cast<int>(c.align))});
}

Fragment build(const Choices& c) {
    Fragment f{u"\\begin{minipage}{", u""};
    AlignTexts a = alignTexts(c.align);
    if (!c.width.empty()) {
        f.before += c.width;
        f.before += u"}\r\n";
        f.before += a.open;
    } else {
        f.after = u"}\r\n";
        f.after += a.open;
    }
    f.after += a.close;
    f.after += u"\r\n\\end{minipage}";
    return f;
}

} // namespace minipage

namespace index_entry {

u16 text(u16view word, u16view sortKey) {
    if (word.empty()) return {};
    u16 entry = sortKey.empty() ? u16(word) : u16(sortKey) + u"@" + u16(word);
    return u"\\index{" + entry + u"}";
}

} // namespace index_entry
