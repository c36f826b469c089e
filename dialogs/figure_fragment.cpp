#include "dialogs/figure_fragment.h"

#include "base/str.h"
#include "dialogs/record_fields.h"

namespace figure {
namespace {

struct AlignTexts {
    const char16_t* open;
    const char16_t* close;
};

AlignTexts alignTexts(Align a) {
    switch (a) {
    case Align::FlushLeft: return {u"\\begin{flushleft}\r\n", u"\r\n\\end{flushleft}\r\n"};
    case Align::Center: return {u"\\begin{center}\r\n", u"\r\n\\end{center}\r\n"};
    case Align::FlushRight: return {u"\\begin{flushright}\r\n", u"\r\n\\end{flushright}\r\n"};
    case Align::None: break;
    }
    return {u"", u"\r\n"};
}

// A caption or label piece: once everything before it is complete it goes
// before the caret, and its closing brace too when its text is given; the
// first empty piece keeps the caret, and pieces after it follow the caret.
void placePiece(Fragment& f, int& done, int needed, u16view opening, u16view text) {
    if (done > needed) {
        f.before += opening;
        f.before += text;
        if (!text.empty()) {
            f.before += u"}\r\n";
            ++done;
        } else {
            f.after += u"}\r\n";
        }
    } else {
        f.after += opening;
        f.after += text;
        f.after += u"}\r\n";
    }
}

Align alignFrom(int v) {
    switch (v) {
    case 0: return Align::None;
    case 1: return Align::FlushLeft;
    case 3: return Align::FlushRight;
    default: return Align::Center;
    }
}

} // namespace

u16 sizeOptions(const Choices& c) {
    if (c.inputCommand || !c.sizeOptions) return {};
    if (c.keyedSize) {
        if (c.width.empty() && c.height.empty()) return {};
        u16 out = u"[";
        if (!c.width.empty()) out += u"width=" + c.width;
        if (!c.width.empty() && !c.height.empty()) out += u",";
        if (!c.height.empty()) out += u"height=" + c.height;
        // The box is the user's way to turn the aspect lock off; without
        // it, giving both sizes could never distort the image.
        if (c.keepAspectRatio) out += u",keepaspectratio=true";
        out += u"]";
        return out;
    }
    if (c.width.empty() && c.height.empty()) return {};
    return u"[" + c.width + u"," + c.height + u"]";
}

Fragment build(const Choices& c, const Texts& t) {
    Fragment f;
    int done = 0;
    u16 end;
    AlignTexts align{u"", u"\r\n"};
    if (c.environment) {
        u16 name = c.starred ? u"figure*" : u"figure";
        f.before = u"\\begin{" + name + u"}";
        if (!c.placement.empty()) f.before += u"[" + c.placement + u"]";
        f.before += u"\r\n";
        end = u"\\end{" + name + u"}";
        align = alignTexts(c.align);
    }
    f.before += align.open;

    u16 line = c.inputCommand ? u"\\input" : u"\\includegraphics";
    line += sizeOptions(c);
    line += u"{";
    if (!t.file.empty()) {
        f.before += line + t.file + u"}" + align.close;
        done = 1;
    } else {
        f.before += line;
        f.after += u"}";
        f.after += align.close;
    }

    if (c.environment) {
        placePiece(f, done, 0, u"\\caption{", t.caption);
        if (c.label)
            placePiece(f, done, 1, u"\\label{", t.label);
        else
            ++done;
    }
    (done >= 3 ? f.before : f.after) += end;
    return f;
}

Choices parse(u16view stored) {
    Choices c;
    if (stored.size() <= 9) return c;
    namespace rf = record_fields;
    auto fields = rf::split(stored);
    c.environment = rf::flag(fields, 0, true);
    c.starred = rf::number(fields, 1, 0) == 1;
    c.placement = rf::text(fields, 2, u"htbp");
    c.label = rf::flag(fields, 3, true);
    c.align = alignFrom(rf::number(fields, 4, 2));
    c.inputCommand = rf::number(fields, 5, 0) == 1;
    c.sizeOptions = rf::flag(fields, 6, true);
    c.width = rf::text(fields, 7, u"0.5\\textwidth");
    c.height = rf::text(fields, 8, u"");
    c.keyedSize = rf::number(fields, 9, 0) == 1;
    c.keepAspectRatio = rf::flag(fields, 10, true);
    return c;
}

u16 compose(const Choices& c) {
    using record_fields::flagText;
    return record_fields::join({flagText(c.environment), flagText(c.starred), c.placement,
                                flagText(c.label), str::fromInt(static_cast<int>(c.align)),
                                flagText(c.inputCommand), flagText(c.sizeOptions), c.width,
                                c.height, flagText(c.keyedSize), flagText(c.keepAspectRatio)});
}

} // namespace figure
