// The collation every dictionary and every binary search over one shares:
// letters group without regard to case (lower case first at the first
// difference), '{', '}' and '*' sort after digits and punctuation but before
// letters, non-ASCII text sorts after the letters, and a shorter text sorts
// before a longer one that it begins.
#pragma once
#include "base/text.h"

#include <cstddef>
#include <cstdint>

namespace dict_order {

inline constexpr int BucketCount = 52;

inline uint32_t weight(char16_t c) {
    if (c >= u'a' && c <= u'z') return 2u * c + 318u;   // 512, 514, ... 562
    if (c >= u'A' && c <= u'Z') return 2u * c + 383u;   // 513, 515, ... 563
    if (c == u'{') return 256;
    if (c == u'}') return 257;
    if (c == u'*') return 258;
    return c;
}

// Negative: a before b; 0: equal; positive: a after b.
int compare(u16view a, u16view b);

inline bool before(u16view a, u16view b) { return compare(a, b) < 0; }

// The same against a record's field, read up to its terminator without
// measuring it first (the lookups' inner loop).
template <size_t N> int compare(u16view key, const char16_t (&units)[N]) {
    size_t i = 0;
    for (; i < key.size(); ++i) {
        if (i == N || units[i] == 0) return 1;   // the field ends first
        if (key[i] == units[i]) continue;
        uint32_t x = weight(key[i]), y = weight(units[i]);
        if (x != y) return x < y ? -1 : 1;
    }
    return i == N || units[i] == 0 ? 0 : -1;
}

// Letter bucket: 'a' 0, 'A' 1, 'b' 2, 'B' 3, ... 'z' 50, 'Z' 51; -1 for
// any other character.
inline int bucketOf(char16_t c) {
    if (c >= u'a' && c <= u'z') return 2 * (c - u'a');
    if (c >= u'A' && c <= u'Z') return 2 * (c - u'A') + 1;
    return -1;
}

// The ASCII letters of text taken from its end towards its start, every
// other character dropped, at most 63 (the ones nearest the end).
u16 suffixLetters(u16view text);

} // namespace dict_order
