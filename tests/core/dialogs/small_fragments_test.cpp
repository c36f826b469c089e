#include "dialogs/small_fragments.h"

#include <gtest/gtest.h>

TEST(MinipageFragment, WidthDecidesWhereTheCaretAndTheAlignmentGo) {
    using minipage::Align;
    struct Case {
        const char16_t* width;
        Align align;
        const char16_t* before;
        const char16_t* after;
    } cases[] = {
        {u"\\textwidth", Align::Center, u"\\begin{minipage}{\\textwidth}\r\n\\begin{center}\r\n",
         u"\r\n\\end{center}\r\n\\end{minipage}"},
        {u"5cm", Align::None, u"\\begin{minipage}{5cm}\r\n", u"\r\n\\end{minipage}"},
        {u"0.4\\linewidth", Align::FlushRight, u"\\begin{minipage}{0.4\\linewidth}\r\n\\begin{flushright}\r\n",
         u"\r\n\\end{flushright}\r\n\\end{minipage}"},
        // No width: the caret waits between the braces.
        {u"", Align::FlushLeft, u"\\begin{minipage}{",
         u"}\r\n\\begin{flushleft}\r\n\r\n\\end{flushleft}\r\n\\end{minipage}"},
        {u"", Align::None, u"\\begin{minipage}{", u"}\r\n\r\n\\end{minipage}"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(&c - cases));
        Fragment f = minipage::build({c.width, c.align});
        EXPECT_EQ(f.before, c.before);
        EXPECT_EQ(f.after, c.after);
    }
}

TEST(MinipageFragment, StoredChoicesAndTheirFallbacks) {
    using minipage::Align;
    struct Case {
        const char16_t* stored;
        const char16_t* width;
        Align align;
    } cases[] = {
        {u"\\textwidth\t2", u"\\textwidth", Align::Center},
        {u"5cm\t3", u"5cm", Align::FlushRight},
        {u"5cm\t0", u"5cm", Align::None},
        {u"5cm", u"5cm", Align::Center},        // alignment missing
        {u"5cm\t9", u"5cm", Align::Center},     // not an alignment
        {u"\t1", u"", Align::FlushLeft},        // an empty width is a choice
        {u"x", u"\\textwidth", Align::Center},  // too short to be ours
        {u"", u"\\textwidth", Align::Center},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(&c - cases));
        minipage::Choices got = minipage::parse(c.stored);
        EXPECT_EQ(got.width, c.width);
        EXPECT_EQ(got.align, c.align);
    }
    EXPECT_EQ(minipage::compose({u"3cm", Align::FlushLeft}), u"3cm\t1");
}

TEST(IndexEntry, WordWithAndWithoutSortKey) {
    struct Case {
        const char16_t* word;
        const char16_t* key;
        const char16_t* text;
    } cases[] = {
        {u"Graph", u"graph", u"\\index{graph@Graph}"},
        {u"word", u"", u"\\index{word}"},
        {u"", u"key", u""},
    };
    for (const Case& c : cases) EXPECT_EQ(index_entry::text(c.word, c.key), c.text) << static_cast<int>(&c - cases);
}
