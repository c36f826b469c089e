// The three binary searches of the dictionaries, over any sorted sequence;
// keyVs(i) gives the dictionary-order comparison of the searched key with
// entry i (negative: the key sorts before it). Positions are ints because
// the dictionaries' interfaces use -1 for "none".
#pragma once

namespace dict_search {

// The first entry that does not sort before the key (the completion of a typed
// prefix): a key before every entry gives 0, after every entry the last
// position. -1 only when count is 0.
template <typename KeyVs> int firstNotBefore(int count, KeyVs&& keyVs) {
    if (count <= 0) return -1;
    int low = 0, high = count - 1;
    for (;;) {
        int m = low + (high - low) / 2;
        int c = keyVs(m);
        if (c == 0) return m;
        if (c < 0) {
            if (m > 0 && keyVs(m - 1) > 0) return m;
            if (low > m - 1) return m;
            high = m - 1;
        } else {
            if (m + 1 < count && keyVs(m + 1) < 0) return m + 1;
            if (m + 1 > high) return m;
            low = m + 1;
        }
    }
}

// The last entry that does not sort after the key, so that an entry that begins
// the typed text stands ready; a key before every entry gives 0. -1 only
// when count is 0.
template <typename KeyVs> int atOrBefore(int count, KeyVs&& keyVs) {
    if (count <= 0) return -1;
    int low = 0, high = count - 1;
    for (;;) {
        int m = low + (high - low) / 2;
        int c = keyVs(m);
        if (c == 0) return m;
        if (c < 0) {
            if (m > 0 && keyVs(m - 1) > 0) return m - 1;
            if (low > m - 1) return m - 1 < 0 ? 0 : m - 1;
            high = m - 1;
        } else {
            if (m + 1 < count && keyVs(m + 1) < 0) return m;
            if (m + 1 > high) return m;
            low = m + 1;
        }
    }
}

// An entry equal to the key in dictionary order, or -1.
template <typename KeyVs> int equalTo(int count, KeyVs&& keyVs) {
    int low = 0, high = count - 1;
    while (low <= high) {
        int m = low + (high - low) / 2;
        int c = keyVs(m);
        if (c == 0) return m;
        if (c < 0) high = m - 1;
        else low = m + 1;
    }
    return -1;
}

} // namespace dict_search
