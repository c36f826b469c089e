#include "dialogs/bib_fragment.h"

#include "base/str.h"
#include "dialogs/record_fields.h"

#include <algorithm>

namespace bib {

bool countAccepted(u16view countText) { return str::toInt(countText) <= 9999; }

Fragment buildSkeleton(const Choices& c) {
    Fragment f;
    if (c.environment) f.before = u"\\begin{thebibliography}{" + c.widestLabel + u"}\r\n";
    int n = str::toInt(c.count);
    if (n > 0) {
        f.before += c.keyOnly ? u"\\bibitem{" : u"\\bibitem[";
        f.after = c.keyOnly ? u"}" : u"]{}";
        const char16_t* more = c.keyOnly ? u"\r\n\\bibitem{}" : u"\r\n\\bibitem[]{}";
        for (int i = 1; i < n; ++i) f.after += more;
    }
    if (c.environment) f.after += u"\r\n\\end{thebibliography}";
    return f;
}

Choices parse(u16view stored) {
    Choices c;
    if (stored.size() <= 3) return c;
    namespace rf = record_fields;
    auto fields = rf::split(stored);
    c.environment = rf::flag(fields, 0, true);
    c.widestLabel = rf::text(fields, 1, u"3");
    c.count = rf::text(fields, 2, u"3");
    c.keyOnly = rf::flag(fields, 3, true);
    return c;
}

u16 compose(const Choices& c) {
    using record_fields::flagText;
    return record_fields::join({flagText(c.environment), c.widestLabel, c.count, flagText(c.keyOnly)});
}

u16 opening(bool citation, RefKind kind) {
    if (citation) return u"\\cite{";
    switch (kind) {
    case RefKind::PageRef: return u"\\pageref{";
    case RefKind::EqRef: return u"\\eqref{";
    case RefKind::Ref: break;
    }
    return u"\\ref{";
}

u16 joinKeys(std::vector<SelectedKey> keys) {
    std::stable_sort(keys.begin(), keys.end(),
                     [](const SelectedKey& a, const SelectedKey& b) { return a.sequence < b.sequence; });
    u16 out;
    for (size_t i = 0; i < keys.size(); ++i) {
        if (i) out += u',';
        out += keys[i].name;
    }
    constexpr size_t limit = 520;
    if (out.size() > limit) {
        size_t cut = limit;
        if (out[cut - 1] >= 0xD800 && out[cut - 1] < 0xDC00) --cut;
        out.resize(cut);
    }
    return out;
}

bool insertTextTooLong(u16view text) { return text.size() >= 262; }

Insertion refInsertion(bool citation, RefKind kind, u16view text) {
    u16 open = opening(citation, kind);
    if (text.empty()) return {{open, u"}"}, false};
    return {{open + u16(text) + u"}", u""}, true};
}

} // namespace bib
