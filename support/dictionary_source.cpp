#include "support/dictionary_source.h"

#include "support/dictionary_order.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace dict_source {

namespace {

constexpr size_t MaxFields = 3;

struct Line {
    std::array<u16view, MaxFields> fields;
    size_t fieldCount = 0;   // fields present, at most MaxFields
};

u16 decode(std::string_view bytes) {
    u16 text(bytes.size() / 2, u'\0');   // a trailing odd byte is no unit
    if (!text.empty()) std::memcpy(text.data(), bytes.data(), text.size() * 2);
    return text;
}

// A field ends at its first NUL, as the fixed arrays will hold it, so the
// keep rules judge what is stored; then it is cut to the field's length.
u16view cutField(u16view f) {
    size_t nul = f.find(u'\0');
    if (nul != u16view::npos) f = f.substr(0, nul);
    return f.substr(0, MaxFieldLength);
}

Line split(u16view line) {
    Line out;
    size_t start = 0;
    while (out.fieldCount < MaxFields) {
        size_t tab = line.find(u'\t', start);
        out.fields[out.fieldCount++] = cutField(line.substr(start, tab == u16view::npos ? u16view::npos : tab - start));
        if (tab == u16view::npos) break;
        start = tab + 1;
    }
    return out;
}

// Calls onLine for every non-empty line; lines end with CR LF, CR or LF.
template <typename OnLine> void forEachLine(std::string_view bytes, OnLine&& onLine) {
    u16 text = decode(bytes);
    u16view all(text);
    size_t pos = 0;
    while (pos < all.size()) {
        size_t end = pos;
        while (end < all.size() && all[end] != u'\r' && all[end] != u'\n') ++end;
        if (end > pos) onLine(split(all.substr(pos, end - pos)));
        pos = end;
        if (pos < all.size() && all[pos] == u'\r') ++pos;
        if (pos < all.size() && all[pos] == u'\n') ++pos;
    }
}

u16view fieldOf(const Line& l, size_t i) { return i < l.fieldCount ? l.fields[i] : u16view(); }

// Tabs and line ends inside a field would split the line when it is read
// back, so they are written as spaces.
void appendField(u16& out, u16view f) {
    for (char16_t c : f) out.push_back(c == u'\t' || c == u'\r' || c == u'\n' ? u' ' : c);
}

std::string encode(const u16& text) {
    std::string bytes(text.size() * 2, '\0');
    if (!text.empty()) std::memcpy(bytes.data(), text.data(), bytes.size());
    return bytes;
}

// Joins the fields of each entry, skipping an entry whose key equals the
// previous entry's key. Equality is exact: a case-sensitive comparison of
// the user's locale only calls identical keys equal.
template <typename Entry, typename KeyOf, typename FieldsOf>
std::string format(std::span<const Entry> entries, KeyOf&& keyOf, FieldsOf&& fieldsOf) {
    u16 out;
    const Entry* previous = nullptr;
    for (const Entry& e : entries) {
        if (previous && keyOf(*previous) == keyOf(e)) {
            previous = &e;
            continue;
        }
        previous = &e;
        bool first = true;
        for (u16view f : fieldsOf(e)) {
            if (!first) out.push_back(u'\t');
            first = false;
            appendField(out, f);
        }
        out += u"\r\n";
    }
    return encode(out);
}

} // namespace

std::vector<SuffixEntry> buildSuffixes(std::span<const CommandEntry> commands) {
    std::vector<SuffixEntry> suffixes;
    for (size_t i = 0; i < commands.size(); ++i) {
        u16 letters = dict_order::suffixLetters(record::field(commands[i].text));
        if (letters.empty()) continue;
        SuffixEntry s{};
        record::setField(s.letters, letters);
        s.commandIndex = static_cast<int32_t>(i);
        suffixes.push_back(s);
    }
    std::sort(suffixes.begin(), suffixes.end(), [](const SuffixEntry& a, const SuffixEntry& b) {
        int c = dict_order::compare(record::field(a.letters), record::field(b.letters));
        return c != 0 ? c < 0 : a.commandIndex < b.commandIndex;
    });
    return suffixes;
}

void parseCommands(std::string_view bytes, std::vector<CommandEntry>& commands, std::vector<SuffixEntry>& suffixes) {
    commands.clear();
    forEachLine(bytes, [&](const Line& l) {
        if (fieldOf(l, 0).empty()) return;
        commands.push_back(record::makeCommand(fieldOf(l, 0), fieldOf(l, 1), fieldOf(l, 2),
                                               static_cast<int32_t>(commands.size())));
    });
    suffixes = buildSuffixes(commands);
}

std::vector<EnvironmentEntry> parseEnvironments(std::string_view bytes) {
    std::vector<EnvironmentEntry> out;
    forEachLine(bytes, [&](const Line& l) {
        if (fieldOf(l, 0).empty() || fieldOf(l, 1).empty()) return;
        out.push_back(record::makeEnvironment(fieldOf(l, 0), fieldOf(l, 1), fieldOf(l, 2)));
    });
    return out;
}

std::vector<EasySupportEntry> parseEasySupport(std::string_view bytes) {
    std::vector<EasySupportEntry> out;
    forEachLine(bytes, [&](const Line& l) {
        if (fieldOf(l, 0).empty() || fieldOf(l, 1).empty()) return;
        out.push_back(record::makeEasySupport(fieldOf(l, 0), fieldOf(l, 1)));
    });
    return out;
}

std::vector<PaperSizeEntry> parsePaperSizes(std::string_view bytes) {
    std::vector<PaperSizeEntry> out;
    forEachLine(bytes, [&](const Line& l) {
        if (l.fieldCount < 2) return;
        out.push_back(record::makePaperSize(fieldOf(l, 0), fieldOf(l, 1)));
    });
    return out;
}

std::string formatCommands(std::span<const CommandEntry> commands) {
    return format(
        commands, [](const CommandEntry& e) { return record::field(e.text); },
        [](const CommandEntry& e) {
            return std::array<u16view, 3>{record::field(e.name), record::field(e.arguments),
                                          record::field(e.description)};
        });
}

std::string formatEnvironments(std::span<const EnvironmentEntry> entries) {
    return format(
        entries, [](const EnvironmentEntry& e) { return record::field(e.name); },
        [](const EnvironmentEntry& e) {
            return std::array<u16view, 3>{record::field(e.name), record::field(e.arguments),
                                          record::field(e.description)};
        });
}

std::string formatEasySupport(std::span<const EasySupportEntry> entries) {
    return format(
        entries, [](const EasySupportEntry& e) { return record::field(e.key); },
        [](const EasySupportEntry& e) { return std::array<u16view, 2>{record::field(e.key), record::field(e.text)}; });
}

std::string formatPaperSizes(std::span<const PaperSizeEntry> entries) {
    return format(
        entries, [](const PaperSizeEntry& e) { return record::field(e.key); },
        [](const PaperSizeEntry& e) { return std::array<u16view, 2>{record::field(e.key), record::field(e.value)}; });
}

} // namespace dict_source
