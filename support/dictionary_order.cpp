#include "support/dictionary_order.h"

#include "support/dictionary_records.h"

namespace dict_order {

int compare(u16view a, u16view b) {
    size_t n = a.size() < b.size() ? a.size() : b.size();
    for (size_t i = 0; i < n; ++i) {
        if (a[i] == b[i]) continue;
        uint32_t x = weight(a[i]), y = weight(b[i]);
        if (x != y) return x < y ? -1 : 1;
    }
    if (a.size() == b.size()) return 0;
    return a.size() < b.size() ? -1 : 1;
}

u16 suffixLetters(u16view text) {
    u16 letters;
    for (size_t i = text.size(); i-- > 0 && letters.size() < MaxFieldLength;) {
        char16_t c = text[i];
        if ((c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z')) letters.push_back(c);
    }
    return letters;
}

} // namespace dict_order
