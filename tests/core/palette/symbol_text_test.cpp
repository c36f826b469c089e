#include "palette/symbol_text.h"
#include "tests/support/memory_editor.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string narrow(u16view s) { return std::string(s.begin(), s.end()); }

palette::SymbolEntry entry(u16view text, uint32_t flags) { return {text, 0, flags}; }

struct Fixture : ::testing::Test {
    MemoryEditor ed;
    snippet::Target target{ed};
    void expectDoc(const char* text, Position caret) {
        EXPECT_EQ(narrow(ed.text()), text);
        EXPECT_EQ(ed.caret(), caret) << "caret at " << ed.caret().x << "," << ed.caret().y;
    }
};

} // namespace

TEST(SymbolText, EachFlagCombination) {
    struct Case {
        uint32_t flags;
        const char* open;
        const char* close;
    };
    const Case cases[] = {
        {0x0, "\\cmd", ""},
        {0x1, "\\cmd ", ""},
        {0x2, "\\cmd{", "}"},
        {0xA, "\\cmd{", "}{}"},
        {0x8, "\\cmd", ""},          // a second argument alone opens nothing
        {0x4, "\\cmd[", "]"},
        {0x6, "\\cmd[", "]{}"},
        {0xE, "\\cmd[", "]{}"},      // optional first: the second argument is not offered
        {0x5, "\\cmd ", ""},         // space wins over everything
        {0x3, "\\cmd ", ""},
        {0x10, "\\cmd", ""},
        {0x11, "\\cmd ", ""},
        {0x100, "\\cmd", ""},        // note classes change nothing in the text
        {0x102, "\\cmd{", "}"},
        {0x406, "\\cmd[", "]{}"},
        {0x40A, "\\cmd{", "}{}"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.flags);
        palette::SymbolText t = palette::symbolText(entry(u"\\cmd", c.flags));
        EXPECT_EQ(narrow(t.open), c.open);
        EXPECT_EQ(narrow(t.close), c.close);
    }
}

using SymbolInsert = Fixture;

TEST_F(SymbolInsert, PlainTextReplacesTheSelection) {
    ed.setText(u"a xyz b");
    ed.SetSelection({2, 0}, {5, 0});
    EXPECT_TRUE(palette::insertSymbol(target, entry(u"\\alpha", 0x1)));
    expectDoc("a \\alpha  b", {9, 0});
}

TEST_F(SymbolInsert, ArgumentWrapsTheSelection) {
    ed.setText(u"x");
    ed.SetSelection({0, 0}, {1, 0});
    EXPECT_TRUE(palette::insertSymbol(target, entry(u"\\hat", 0x2)));
    expectDoc("\\hat{x}", {7, 0});
}

TEST_F(SymbolInsert, WithoutSelectionTheCaretStaysInside) {
    ed.setText(u"ab");
    ed.SetCaretPos(PosKind::Logical, {1, 0});
    EXPECT_TRUE(palette::insertSymbol(target, entry(u"\\overset", 0x40A)));
    expectDoc("a\\overset{}{}b", {10, 0});

    ed.setText(u"");
    EXPECT_TRUE(palette::insertSymbol(target, entry(u"\\xrightarrow", 0x406)));
    expectDoc("\\xrightarrow[]{}", {13, 0});
}

TEST_F(SymbolInsert, NothingWhenTheDocumentIsReadOnly) {
    ed.setText(u"ab");
    ed.setReadOnly(true);
    EXPECT_FALSE(palette::insertSymbol(target, entry(u"\\alpha", 0x1)));
    EXPECT_EQ(narrow(ed.text()), "ab");
}

TEST(SizeModifier, TheCommandsOfThePopup) {
    EXPECT_EQ(palette::sizeModifier(41056), u16view(u""));
    EXPECT_EQ(palette::sizeModifier(41057), u16view(u"\\left"));
    EXPECT_EQ(palette::sizeModifier(41062), u16view(u"\\Bigg"));
    EXPECT_EQ(palette::sizeModifier(41066), u16view(u"\\Biggm"));
    EXPECT_EQ(palette::sizeModifier(41070), u16view(u"\\Biggl"));
    EXPECT_EQ(palette::sizeModifier(41074), u16view(u"\\Biggr"));
    EXPECT_FALSE(palette::sizeModifier(41055));
    EXPECT_FALSE(palette::sizeModifier(41075));
    EXPECT_FALSE(palette::sizeModifier(0));
}

TEST_F(SymbolInsert, SizedDelimiterGoesInAtTheCaret) {
    ed.setText(u"ab");
    ed.SetCaretPos(PosKind::Logical, {1, 0});
    EXPECT_TRUE(palette::insertSymbolSized(target, entry(u"\\langle", 0x11), 41057));
    expectDoc("a\\left\\langle b", {14, 0});

    ed.setText(u"");
    EXPECT_TRUE(palette::insertSymbolSized(target, entry(u"(", 0x10), 41056));
    expectDoc("(", {1, 0});

    ed.setText(u"");
    EXPECT_TRUE(palette::insertSymbolSized(target, entry(u"\\|", 0x10), 41073));
    expectDoc("\\biggr\\|", {8, 0});
}

TEST_F(SymbolInsert, SizedInsertsNothingForOtherCommandsOrEntries) {
    ed.setText(u"ab");
    EXPECT_FALSE(palette::insertSymbolSized(target, entry(u"(", 0x10), 41075));
    EXPECT_FALSE(palette::insertSymbolSized(target, entry(u"(", 0x10), 2));
    EXPECT_FALSE(palette::insertSymbolSized(target, entry(u"\\alpha", 0x1), 41057));
    EXPECT_EQ(narrow(ed.text()), "ab");
}

TEST(SymbolToolTip, ByNoteClassAndDelimiter) {
    struct Case {
        uint32_t flags;
        uint32_t message;
    };
    const Case cases[] = {
        {0x1, 0},          {0x101, 0x1070017}, {0x201, 0x1070018}, {0x301, 0x1070019},
        {0x401, 0x107001A}, {0x501, 0},        {0xFF02, 0},
        {0x10, 0x1070016}, {0x111, 0x1070012}, {0x210, 0x1070013}, {0x311, 0x1070014},
        {0x411, 0x1070015}, {0x510, 0x1070016}, {0xFF10, 0x1070016},
    };
    for (const Case& c : cases) EXPECT_EQ(palette::toolTipMessage(c.flags), c.message) << std::hex << c.flags;
}
