#include "outline/bibtex.h"

#include "outline/find_units.h"
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
// in the buffer; the string's own terminator ends the last one.
u16view piece(const u16& text, size_t start) {
    return u16view(text.data() + start, find_units::any<u'\0'>(text.data(), start, text.size()) - start);
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
    // Back to no entry, keeping the pair list's room for the next one.
    void reset() {
        type = key = name = value = None;
        pairs.clear();
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
    // Most values have nothing to delete: copy those whole.
    bool plain = true;
    for (size_t i = 0; i < t.size() && plain; ++i) {
        const char16_t c = t[i];
        if (c > u' ') continue;
        plain = c != u'\r' && c != u'\n' && c != u'\t' && !(c == u' ' && i > 0 && t[i - 1] == u' ');
    }
    if (plain) return u16(t);
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
    // The string's own terminator (data()[size()]) ends the last piece of a
    // truncated file, so the text is parsed where it lies, not copied.
    const size_t n = text.size();
    char16_t* const t = text.data();
    // Only the characters that change the state are looked at one by one;
    // each state skips the rest in a tight loop of its own.
    auto escaped = [t](size_t i) { return i > 0 && t[i - 1] == u'\\'; };

    std::vector<BibEntry> entries;
    PendingEntry pending;
    State state = State::Outside;
    int depth = 0;
    size_t i = 0;
    while (i < n) {
        switch (state) {
        case State::Outside:
            i = find_units::any<u'@', u'{'>(t, i, n);
            if (i == n) break;
            if (t[i] == u'@') {
                pending.type = i + 1;
            } else if (pending.type != None) {
                t[i] = u'\0';
                pending.key = i + 1;
                pending.name = pending.value = None;
                pending.pairs.clear();
                state = State::Entry;
            }
            ++i;
            break;
        case State::Entry: {
            i = find_units::any<u'"', u'{', u',', u'=', u'}'>(t, i, n);
            if (i == n) break;
            const char16_t c = t[i];
            if (c == u'"') {
                if (!escaped(i)) state = State::Quoted;
            } else if (c == u'{') {
                if (!escaped(i)) {
                    state = State::Braced;
                    depth = 1;
                }
            } else if (c == u',') {
                t[i] = u'\0';
                pending.storePair();
                pending.name = i + 1;
                pending.value = None;
            } else if (c == u'=') {
                t[i] = u'\0';
                pending.value = i + 1;
            } else {
                t[i] = u'\0';
                pending.storePair();
                finish(text, pending, entries);
                pending.reset();
                state = State::Outside;
            }
            ++i;
            break;
        }
        case State::Quoted:
            // Braces inside quotes do not matter: the next quote ends it.
            for (i = find_units::any<u'"'>(t, i, n); i < n && escaped(i);) i = find_units::any<u'"'>(t, i + 1, n);
            if (i == n) break;
            state = State::Entry;
            ++i;
            break;
        case State::Braced:
            for (; (i = find_units::any<u'{', u'}'>(t, i, n)) < n; ++i) {
                const char16_t c = t[i];
                if (escaped(i)) continue;
                if (c == u'{') {
                    ++depth;
                } else if (--depth == 0) {
                    state = State::Entry;
                    ++i;
                    break;
                }
            }
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
