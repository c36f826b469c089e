#include "highlight/highlight_pattern.h"

namespace highlight_pattern {

u16 environment(u16view name) {
    u16 n(name);
    return u"\\\\begin\\{" + n + u"\\}|\\\\end\\{" + n + u"\\}";
}

u16 combine(std::span<const u16> patterns) {
    u16 out;
    for (const u16& p : patterns) {
        if (p.empty()) continue;
        if (!out.empty()) out += u'|';
        out += p;
    }
    return out;
}

u16 escape(u16view text) {
    static constexpr u16view Special = u".|*?+(){}[]^$\\";
    u16 out;
    out.reserve(text.size() * 2);
    for (char16_t c : text) {
        if (Special.find(c) != u16view::npos) out += u'\\';
        out += c;
    }
    return out;
}

} // namespace highlight_pattern
