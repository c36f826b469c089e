#include "dialogs/input_fragment.h"

#include "mainwindow/snippet.h"

#include <gtest/gtest.h>

TEST(InputFragment, LineAndModeByCommandAndFile) {
    struct Case {
        bool include;
        const char16_t* file;
        const char16_t* before;
        const char16_t* after;
        int mode;
    } cases[] = {
        {false, u"ch1", u"\\input{ch1}", u"", snippet::AtCaret},
        {true, u"sub/ch 2.tex", u"\\include{sub/ch 2.tex}", u"", snippet::AtCaret},
        // No file: the caret waits between the braces.
        {false, u"", u"\\input{", u"}", snippet::Wrap},
        {true, u"", u"\\include{", u"}", snippet::Wrap},
    };
    for (const Case& c : cases) {
        input_fragment::Insertion i = input_fragment::build(c.include, c.file);
        EXPECT_EQ(i.fragment.before, c.before);
        EXPECT_EQ(i.fragment.after, c.after);
        EXPECT_EQ(i.mode, c.mode);
    }
}

TEST(InputFragment, StoredChoiceIsIncludeOnlyForOne) {
    struct Case {
        const char16_t* stored;
        bool include;
    } cases[] = {{u"1", true}, {u"0", false}, {u"", false}, {u"2", false}, {u"x", false}, {u" 1", true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(&c - cases));
        EXPECT_EQ(input_fragment::includeFrom(c.stored), c.include);
    }
    EXPECT_TRUE(input_fragment::includeFrom(input_fragment::compose(true)));
    EXPECT_FALSE(input_fragment::includeFrom(input_fragment::compose(false)));
}
