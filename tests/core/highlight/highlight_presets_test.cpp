#include "highlight/highlight_presets.h"

#include <gtest/gtest.h>

namespace hp = highlight_presets;

TEST(HighlightPresets, PatternsAndNames) {
    // Raw literals: every backslash here is one character of the pattern.
    const struct {
        int32_t id;
        uint32_t name;
        const char16_t* pattern;
    } expected[] = {
        {1, 0x1110005, uR"(\\part)"},
        {4, 0x1110008, uR"(\\subsection)"},
        {7, 0x111000B, uR"(\\subparagraph)"},
        {8, 0x111000C, uR"(\\part|\\chapter|\\section|\\subsection|\\subsubsection|\\paragraph|\\subparagraph)"},
        {10, 0x111000E, uR"(\\ref|\\pageref|\\eqref)"},
        {11, 0x111000F, uR"(\\bibitem)"},
        {12, 0x1110010, uR"(\\cite)"},
    };
    for (const auto& e : expected) {
        const hp::Preset* p = hp::find(e.id);
        ASSERT_NE(p, nullptr) << e.id;
        EXPECT_EQ(p->id, e.id);
        EXPECT_EQ(p->nameId, e.name) << e.id;
        EXPECT_EQ(u16(p->pattern), u16(e.pattern)) << e.id;
    }
    EXPECT_EQ(u16(hp::find(hp::DefaultItem)->pattern).size(), 82u);
}

TEST(HighlightPresets, TwelveInIdentifierOrder) {
    ASSERT_EQ(hp::all().size(), 12u);
    for (size_t i = 0; i < hp::all().size(); ++i) {
        EXPECT_EQ(hp::all()[i].id, static_cast<int32_t>(i + 1));
        EXPECT_EQ(hp::all()[i].nameId, 0x1110005u + i);
        u16view pattern = hp::all()[i].pattern;
        EXPECT_EQ(pattern.substr(0, 2), u"\\\\") << i;   // a backslash escaped for the search
    }
}

TEST(HighlightPresets, OtherIdentifiersAreNoPreset) {
    EXPECT_EQ(hp::find(0), nullptr);
    EXPECT_EQ(hp::find(13), nullptr);
    EXPECT_EQ(hp::find(100), nullptr);
    EXPECT_EQ(hp::find(-1), nullptr);
}
