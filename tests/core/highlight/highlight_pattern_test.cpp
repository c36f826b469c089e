#include "highlight/highlight_pattern.h"

#include <gtest/gtest.h>

#include <vector>

namespace hp = highlight_pattern;

TEST(HighlightPattern, Escape) {
    // Raw literals: every backslash is one character.
    const struct {
        const char16_t* text;
        const char16_t* escaped;
    } cases[] = {
        {u"a.b", uR"(a\.b)"},
        {uR"(\)", uR"(\\)"},
        {uR"(\\)", uR"(\\\\)"},
        {u".|*?+(){}[]^$", uR"(\.\|\*\?\+\(\)\{\}\[\]\^\$)"},
        {u"plain-text_1 :=,<>", u"plain-text_1 :=,<>"},
        {u"", u""},
        {uR"(\section{x})", uR"(\\section\{x\})"},
        {u"\u00e9.\u3042", u"\u00e9\\.\u3042"},
    };
    for (const auto& c : cases) EXPECT_EQ(hp::escape(c.text), c.escaped);
    // Twice doubles the escaping.
    EXPECT_EQ(hp::escape(hp::escape(u"a.b")), uR"(a\\\.b)");
}

TEST(HighlightPattern, EnvironmentAndCombine) {
    EXPECT_EQ(hp::environment(u"figure"), uR"(\\begin\{figure\}|\\end\{figure\})");
    const struct {
        std::vector<u16> patterns;
        const char16_t* combined;
    } cases[] = {
        {{}, u""},
        {{u"a"}, u"a"},
        {{u"\\\\part", u"\\\\label", u"x|y"}, uR"(\\part|\\label|x|y)"},
        {{u"", u"a", u"", u"b"}, u"a|b"},
    };
    for (const auto& c : cases) EXPECT_EQ(hp::combine(c.patterns), c.combined);
}
