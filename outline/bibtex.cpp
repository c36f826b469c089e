#include "outline/bibtex.h"

#include "outline/outline_path.h"

#include <string>
#include <utility>

namespace bibtex {

namespace {
constexpr size_t None = static_cast<size_t>(-1);

bool isBlank(char16_t c) { return c == u' ' || c == u'\r' || c == u'\n' || c == u'\t'; }
bool leadingJunk(char16_t c) { return isBlank(c) || c == u'"' || c == u'{'; }
bool trailingJunk(char16_t c) { return isBlank(c) || c == u'"' || c == u'}'; }

template <typename Lead, typename Trail>
u16view trimmed(u16view s, Lead lead, Trail trail) {
    size_t b = 0, e = s.size();
    while (b < e && lead(s[b])) ++b;
    while (e > b && trail(s[e - 1])) --e;
    return s.substr(b, e - b);
}

// A piece runs from its start to the first terminator, as a C string does
// in the buffer; the buffer always ends with one.
u16view piece(const u16& text, size_t start) {
    const char16_t* p = text.data() + start;
    return u16view(p, std::char_traits<char16_t>::length(p));
}

struct PendingEntry {
    size_t type = None;
    size_t key = None;
    size_t name = None;
    size_t value = None;
    std::vector<std::pair<size_t, size_t>> pairs; // (name, value) starts

    void storePair() {
        if (name != None && value != None) pairs.emplace_back(name, value);
    }
};

void finish(const u16& text, const PendingEntry& pending, std::vector<BibEntry>& out) {
    if (pending.pairs.empty()) return;
    BibEntry entry;
    entry.type = trimKey(piece(text, pending.type));
    entry.key = trimKey(piece(text, pending.key));
    if (entry.type.empty() || entry.key.empty()) return;
    entry.fields.reserve(pending.pairs.size());
    for (const auto& [name, value] : pending.pairs)
        entry.fields.push_back({trimFieldName(piece(text, name)), cleanValue(piece(text, value))});
    out.push_back(std::move(entry));
}
} // namespace

u16 trimKey(u16view s) { return u16(trimmed(s, leadingJunk, trailingJunk)); }

u16 trimFieldName(u16view s) {
    return u16(trimmed(
        s, [](char16_t c) { return leadingJunk(c) || c == u'='; },
        [](char16_t c) { return trailingJunk(c) || c == u'='; }));
}

u16 cleanValue(u16view s) {
    u16view t = trimmed(s, leadingJunk, trailingJunk);
    u16 out;
    out.reserve(t.size());
    for (char16_t c : t) {
        if (c == u'\r' || c == u'\n' || c == u'\t') continue; // deleted, not replaced
        if (c == u' ' && !out.empty() && out.back() == u' ') continue;
        out.push_back(c);
    }
    return out;
}

std::vector<BibEntry> parse(u16 text) {
    enum class State { Outside, Entry, Quoted, Braced };
    const size_t n = text.size();
    text.push_back(u'\0'); // ends the last piece of a truncated file

    std::vector<BibEntry> entries;
    PendingEntry pending;
    State state = State::Outside;
    int depth = 0;
    for (size_t i = 0; i < n; ++i) {
        const char16_t c = text[i];
        const bool escaped = i > 0 && text[i - 1] == u'\\';
        switch (state) {
        case State::Outside:
            if (c == u'@') {
                pending.type = i + 1;
            } else if (c == u'{' && pending.type != None) {
                text[i] = u'\0';
                pending.key = i + 1;
                pending.name = pending.value = None;
                pending.pairs.clear();
                state = State::Entry;
            }
            break;
        case State::Entry:
            if (c == u'"' && !escaped) {
                state = State::Quoted;
            } else if (c == u'{' && !escaped) {
                state = State::Braced;
                depth = 1;
            } else if (c == u',') {
                text[i] = u'\0';
                pending.storePair();
                pending.name = i + 1;
                pending.value = None;
            } else if (c == u'=') {
                text[i] = u'\0';
                pending.value = i + 1;
            } else if (c == u'}') {
                text[i] = u'\0';
                pending.storePair();
                finish(text, pending, entries);
                pending = PendingEntry{};
                state = State::Outside;
            }
            break;
        case State::Quoted:
            // Braces inside quotes do not matter: the next quote ends it.
            if (c == u'"' && !escaped) state = State::Entry;
            break;
        case State::Braced:
            if (escaped) break;
            if (c == u'{') ++depth;
            else if (c == u'}' && --depth == 0) state = State::Entry;
            break;
        }
    }
    // An entry still open at the end of the file has no closing brace and
    // is not kept.
    return entries;
}

} // namespace bibtex

CBibTeX::CBibTeX(u16view path, uint32_t limit, FileSource& files) : limit_(limit) {
    u16 text;
    if (!files.read(outline_path::withDefaultExtension(path, u".bib"), limit, text)) {
        error_ = true;
        return;
    }
    entries_ = bibtex::parse(std::move(text));
}

bool CBibTeX::entry(int32_t i, BibEntry& out) const {
    if (i < 0 || static_cast<size_t>(i) >= entries_.size()) return false;
    out = entries_[static_cast<size_t>(i)];
    return true;
}
