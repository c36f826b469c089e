#include "dialogs/record_fields.h"

#include "base/str.h"

namespace record_fields {

std::vector<u16> split(u16view record) {
    std::vector<u16> out;
    size_t start = 0;
    for (;;) {
        size_t tab = record.find(u'\t', start);
        if (tab == u16view::npos) {
            out.emplace_back(record.substr(start));
            return out;
        }
        out.emplace_back(record.substr(start, tab - start));
        start = tab + 1;
    }
}

u16 join(const std::vector<u16>& fields) {
    u16 out;
    for (size_t i = 0; i < fields.size(); ++i) {
        if (i) out += u'\t';
        for (char16_t ch : fields[i]) out += ch == u'\t' ? u' ' : ch;
    }
    return out;
}

u16 text(const std::vector<u16>& fields, size_t i, u16view fallback) {
    return i < fields.size() ? fields[i] : u16(fallback);
}

bool flag(const std::vector<u16>& fields, size_t i, bool fallback) {
    return i < fields.size() ? str::toInt(fields[i]) != 0 : fallback;
}

int number(const std::vector<u16>& fields, size_t i, int fallback) {
    return i < fields.size() ? str::toInt(fields[i]) : fallback;
}

} // namespace record_fields
