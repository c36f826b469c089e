// Dictionaries for the benchmarks: the shipped command source, and
// generated ones of any size with typical argument skeletons.
#pragma once
#include "base/platform.h"
#include "base/str.h"
#include "support/dictionary_order.h"

#include <algorithm>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace bench {

// The shipped sources, found from the working folder or this file's path.
inline u16 shippedFolder() {
    u16 up;
    for (int level = 0; level < 6; ++level) {
        u16 candidate = up + u"data\\Vexa2Lang";
        if (platform::fileExists(candidate + u"\\Vexa2Command.txt")) return candidate;
        up += u"..\\";
    }
    u16 here = str::fromUtf8(__FILE__);
    size_t cut = here.rfind(u"bench");
    return cut == u16::npos ? u16() : here.substr(0, cut) + u"data\\Vexa2Lang";
}

inline std::string toBytes(const u16& text) {
    std::string b;
    for (char16_t c : text) {
        b.push_back(static_cast<char>(c & 0xFF));
        b.push_back(static_cast<char>(c >> 8));
    }
    return b;
}

// count commands of 4 to 14 letters with typical argument skeletons, in
// dictionary order as a saved source is.
inline std::string generatedSource(int count) {
    std::mt19937 rng(7);
    const char16_t* args[] = {u"", u"{}", u"[]{}", u"{}{}", u"*{}"};
    std::vector<u16> texts;
    std::vector<std::pair<u16, u16>> lines;
    while (static_cast<int>(lines.size()) < count) {
        u16 name = u"\\";
        int len = 4 + static_cast<int>(rng() % 11);
        for (int i = 0; i < len; ++i) {
            int r = static_cast<int>(rng() % 52);
            name.push_back(static_cast<char16_t>(r < 26 ? u'a' + r : u'A' + r - 26));
        }
        lines.push_back({name, args[rng() % 5]});
    }
    std::sort(lines.begin(), lines.end(), [](const auto& a, const auto& b) {
        return dict_order::before(a.first + a.second, b.first + b.second);
    });
    u16 text;
    for (const auto& [name, arg] : lines) text += name + u"\t" + arg + u"\tGenerated command for the benchmark\r\n";
    return toBytes(text);
}

} // namespace bench
