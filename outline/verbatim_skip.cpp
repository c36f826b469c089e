#include "outline/verbatim_skip.h"

namespace verbatim_skip {

namespace {
constexpr u16view VerbatimEnvironments[] = {u"verbatim", u"verbatim*", u"lstlisting", u"minted", u"comment"};
// An environment name longer than this is not looked for.
constexpr size_t NameWindow = 32;

bool isLetter(char16_t c) { return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z'); }
bool isBreak(char16_t c) { return c == u'\r' || c == u'\n'; }
bool isBlank(char16_t c) { return c == u' ' || c == u'\t'; }
} // namespace

bool isVerbatimEnvironment(u16view name) {
    for (u16view v : VerbatimEnvironments)
        if (name == v) return true;
    return false;
}

size_t environmentEnd(u16view text, size_t backslash) {
    constexpr u16view Begin = u"\\begin";
    if (text.substr(backslash, Begin.size()) != Begin) return 0;
    size_t i = backslash + Begin.size();
    while (i < text.size() && isBlank(text[i])) ++i;
    if (i >= text.size() || text[i] != u'{') return 0;
    const size_t open = i;
    size_t close = open + 1;
    while (close < text.size() && close - open <= NameWindow && text[close] != u'}' && !isBreak(text[close])) ++close;
    if (close >= text.size() || text[close] != u'}') return 0;
    const u16view name = text.substr(open + 1, close - open - 1);
    if (!isVerbatimEnvironment(name)) return 0;
    const u16 end = u"\\end{" + u16(name) + u"}";
    const size_t found = text.find(end, close + 1);
    return found == u16view::npos ? text.size() : found + end.size();
}

size_t verbEnd(u16view text, size_t backslash) {
    constexpr u16view Verb = u"\\verb";
    if (text.substr(backslash, Verb.size()) != Verb) return 0;
    size_t i = backslash + Verb.size();
    if (i < text.size() && text[i] == u'*') ++i;
    if (i >= text.size()) return 0;
    const char16_t delimiter = text[i];
    // A letter continues the command's name (\verbatim); a line break or a
    // blank cannot delimit \verb.
    if (isLetter(delimiter) || isBreak(delimiter) || isBlank(delimiter)) return 0;
    for (size_t k = i + 1; k < text.size(); ++k) {
        if (text[k] == delimiter) return k + 1;
        if (isBreak(text[k])) return k;
    }
    return text.size();
}

} // namespace verbatim_skip
