#include "dialogs/document_class.h"

#include "base/str.h"
#include "dialogs/record_fields.h"

namespace doc_class {

namespace {

constexpr u16view Command = u"\\documentclass";

// The text from open (a bracket or brace) to its matching closer, nested
// pairs counted; npos when the line ends first.
size_t closing(u16view line, size_t open, char16_t opener, char16_t closer) {
    int depth = 0;
    for (size_t i = open; i < line.size(); ++i) {
        if (line[i] == opener) ++depth;
        else if (line[i] == closer && --depth == 0) return i;
    }
    return u16view::npos;
}

// Sets the group whose word is w; false when no group knows it. Exact,
// case-sensitive: "A4paper" is not "a4paper".
bool setKnown(ClassChoice& c, u16view w) {
    for (int g = 0; g < GroupCount; ++g) {
        std::vector<u16view> list = words(static_cast<Group>(g));
        for (size_t i = 0; i < list.size(); ++i)
            if (list[i] == w) {
                c.options[g] = static_cast<int>(i) + 1;
                return true;
            }
    }
    return false;
}

void readOptions(ClassChoice& c, u16view options) {
    size_t start = 0;
    for (;;) {
        size_t comma = options.find(u',', start);
        u16view w = options.substr(start, comma == u16view::npos ? u16view::npos : comma - start);
        if (!w.empty() && !setKnown(c, w)) {
            if (!c.other.empty()) c.other += u',';
            c.other += w;
        }
        if (comma == u16view::npos) return;
        start = comma + 1;
    }
}

} // namespace

std::vector<u16view> words(Group g) {
    switch (g) {
    case FontSize: return {u"10pt", u"11pt", u"12pt"};
    case Paper: return {u"a4paper", u"a4j", u"a5paper", u"a5j", u"b4paper", u"b4j", u"b5paper", u"b5j"};
    case Landscape: return {u"landscape"};
    case Columns: return {u"onecolumn", u"twocolumn"};
    case Sides: return {u"oneside", u"twoside"};
    case TitlePage: return {u"notitlepage", u"titlepage"};
    case Fleqn: return {u"fleqn"};
    case Leqno: return {u"leqno"};
    case FinalDraft: return {u"final", u"draft"};
    case Tate: return {u"tate"};
    case Openbib: return {u"openbib"};
    case OpenSide: return {u"openright", u"openany"};
    default: return {};
    }
}

u16 classLine(const ClassChoice& c) {
    u16 options;
    auto add = [&](u16view w) {
        if (w.empty()) return;
        if (!options.empty()) options += u',';
        options += w;
    };
    for (int g = 0; g < GroupCount; ++g) {
        std::vector<u16view> list = words(static_cast<Group>(g));
        int v = c.options[g];
        if (v >= 1 && static_cast<size_t>(v) <= list.size()) add(list[v - 1]);
    }
    add(c.other);
    u16 line(Command);
    if (!options.empty()) line += u"[" + options + u"]";
    return line + u"{" + c.name + u"}";
}

std::optional<FoundLine> parseClassLine(u16view line) {
    if (line.substr(0, Command.size()) != Command || line.size() == Command.size()) return std::nullopt;
    char16_t next = line[Command.size()];
    if (next != u'[' && next != u'{') return std::nullopt;
    FoundLine found;
    found.choice.name.clear();
    size_t at = Command.size();
    if (next == u'[') {
        size_t close = closing(line, at, u'[', u']');
        u16view options = line.substr(at + 1, close == u16view::npos ? u16view::npos : close - at - 1);
        readOptions(found.choice, options);
        at = close == u16view::npos ? line.size() : close + 1;
    }
    found.length = line.size();
    size_t brace = line.find(u'{', at);
    if (brace != u16view::npos) {
        size_t close = closing(line, brace, u'{', u'}');
        found.choice.name = line.substr(brace + 1, close == u16view::npos ? u16view::npos : close - brace - 1);
        if (close != u16view::npos) found.length = close + 1;
    }
    return found;
}

u16 compose(const ClassChoice& c) {
    std::vector<u16> fields{c.name};
    for (int v : c.options) fields.push_back(str::fromInt(v));
    fields.push_back(c.other);
    return record_fields::join(fields);
}

ClassChoice parse(u16view record) {
    std::vector<u16> f = record_fields::split(record);
    ClassChoice c;
    c.name = f[0];
    for (int g = 0; g < GroupCount; ++g) {
        int v = record_fields::number(f, 1 + g, 0);
        bool known = v >= 0 && static_cast<size_t>(v) <= words(static_cast<Group>(g)).size();
        c.options[g] = known ? v : 0;
    }
    c.other = record_fields::text(f, 1 + GroupCount, u"");
    return c;
}

u16 composePreset(const Preset& p) {
    u16 name = p.name;
    for (char16_t& ch : name)
        if (ch == u'\t') ch = u' ';
    return name + u"\t" + compose(p.choice);
}

Preset parsePreset(u16view entry) {
    size_t tab = entry.find(u'\t');
    if (tab == u16view::npos) return Preset{u16(entry), parse(u"")};
    return Preset{u16(entry.substr(0, tab)), parse(entry.substr(tab + 1))};
}

std::vector<Preset> presetList(const std::vector<u16>& entries) {
    std::vector<Preset> out;
    for (const u16& e : entries) {
        Preset p = parsePreset(e);
        if (p.name.empty()) break;
        out.push_back(std::move(p));
    }
    return out;
}

Comments commentsFromSetting(int stored) {
    switch (stored) {
    case 2: return Comments::Explained;
    case 1: return Comments::Bare;
    default: return Comments::None;
    }
}

int commentsToSetting(Comments c) {
    switch (c) {
    case Comments::Explained: return 2;
    case Comments::Bare: return 1;
    default: return 0;
    }
}

u16 preamble(const ClassChoice& c, const Skeleton& s, const Explanations& m) {
    const bool explained = s.comments == Comments::Explained;
    const bool bare = s.comments == Comments::Bare;
    const bool t = s.title;
    u16 out = classLine(c) + u"\r\n";

    auto titleLine = [&](u16view command, const u16& text, const u16& note) {
        if (t) out += u"\\" + u16(command) + u"{" + text + u"}" + (explained ? note : u16()) + u"\r\n";
        else if (explained) out += u"%\\" + u16(command) + u"{}\t" + note + u"\r\n";
        else if (bare) out += u"%\\" + u16(command) + u"{}\r\n";
    };
    titleLine(u"title", s.titleText, m.title);
    titleLine(u"author", s.authorText, m.author);
    if (explained) out += (t ? u16(u"%\\date{}") : u16(u"%\\date{}\t")) + m.date + u"\r\n";
    else if (bare) out += u"%\\date{}\r\n";

    out += u"\r\n\\begin{document}\r\n";

    if (t) out += u"\\maketitle" + (explained ? u"\t\t\t\t" + m.maketitle : u16()) + u"\r\n";
    else if (explained) out += u"%\\maketitle\t\t\t\t" + m.maketitleOff + u"\r\n";
    else if (bare) out += u"%\\maketitle\r\n";

    if (s.noPageNumbers) {
        out += u"\\pagestyle{empty}";
        if (t) {
            if (explained) out += u"\t\t" + m.pagestyle + u"\r\n\\thispagestyle{empty}\t" + m.thispagestyle;
            else out += u"\r\n\\thispagestyle{empty}";
        } else if (explained) {
            out += u"\t\t" + m.pagestyle + u"\r\n%\\thispagestyle{empty}\t" + m.thispagestyleOff;
        } else if (bare) {
            out += u"\r\n%\\thispagestyle{empty}";
        }
        out += u"\r\n";
    } else if (explained) {
        out += u"%\\pagestyle{empty}\t\t" + m.pagestyleOff + u"\r\n%\\thispagestyle{empty}\t" + m.thispagestyleOff +
               u"\r\n";
    } else if (bare) {
        out += u"%\\pagestyle{empty}\r\n%\\thispagestyle{empty}\r\n";
    }
    return out;
}

} // namespace doc_class
