// Finding the next of a few given UTF-16 units in a text. The outline scan
// and the .bib reader spend most of their time skipping characters that
// cannot change their state; this is that skip, one table look-up and one
// well-predicted branch per character.
#pragma once
#include <array>
#include <cstddef>

namespace find_units {

// The first position from i on holding one of Cs (all below 128), or n
// when there is none (also when i >= n).
template <char16_t... Cs> size_t any(const char16_t* t, size_t i, size_t n) {
    static_assert(((Cs < 128) && ...), "the table covers 7-bit units");
    static constexpr std::array<bool, 128> Stop = [] {
        std::array<bool, 128> s{};
        ((s[Cs] = true), ...);
        return s;
    }();
    for (; i < n; ++i) {
        const char16_t c = t[i];
        if (c < 128 && Stop[c]) return i;
    }
    return n;
}

} // namespace find_units
