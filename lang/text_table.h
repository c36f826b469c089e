// The table a language library is built around: every text of one
// language, sorted by identifier. Generated from the language's text file.
#pragma once
#include <cstdint>

struct TextEntry {
    uint32_t id;
    const wchar_t* text;
};

extern const TextEntry kTexts[];
extern const unsigned kTextCount;
