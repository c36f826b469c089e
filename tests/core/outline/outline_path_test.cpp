#include "outline/outline_path.h"

#include <gtest/gtest.h>

TEST(OutlinePath, RelativeNamesJoinTheRootFolderAndAbsoluteOnesStand) {
    EXPECT_EQ(outline_path::absolute(u"C:\\doc", u"chap1.tex"), u"C:\\doc\\chap1.tex");
    EXPECT_EQ(outline_path::absolute(u"C:\\doc", u"sub/a/../b.tex"), u"C:\\doc\\sub\\b.tex");
    EXPECT_EQ(outline_path::absolute(u"C:\\doc\\x", u"./../y.tex"), u"C:\\doc\\y.tex");
    EXPECT_EQ(outline_path::absolute(u"C:\\doc", u"D:/other/z.tex"), u"D:\\other\\z.tex");
    EXPECT_EQ(outline_path::absolute(u"C:\\doc", u"\\\\server\\share\\z.tex"), u"\\\\server\\share\\z.tex");
    EXPECT_EQ(outline_path::absolute(u"C:", u"a.tex"), u"C:\\a.tex");
}

TEST(OutlinePath, ShortResultsAndMissingFoldersFindNothing) {
    EXPECT_EQ(outline_path::absolute(u"C:\\doc", u"C:/"), u"");          // 3 characters
    EXPECT_EQ(outline_path::absolute(u"C:", u".."), u"");                 // "C:\" after folding
    EXPECT_EQ(outline_path::absolute(u"C:\\doc", u""), u"C:\\doc");       // the folder itself: read fails later
    EXPECT_EQ(outline_path::absolute(u"", u"chap1.tex"), u"");            // no folder for a relative name
    EXPECT_EQ(outline_path::absolute(u"", u"C:\\doc\\a.tex"), u"C:\\doc\\a.tex");
}

TEST(OutlinePath, AnExtensionIsADotInTheLastComponentWithNoSpaceAfterIt) {
    EXPECT_TRUE(outline_path::hasExtension(u"a.tex"));
    EXPECT_TRUE(outline_path::hasExtension(u"C:\\v1.2\\a.b.c"));
    EXPECT_TRUE(outline_path::hasExtension(u".bib"));
    EXPECT_FALSE(outline_path::hasExtension(u"C:\\v1.2\\a"));
    EXPECT_FALSE(outline_path::hasExtension(u"C:/v1.2/a"));
    EXPECT_FALSE(outline_path::hasExtension(u"a. b"));
    EXPECT_FALSE(outline_path::hasExtension(u""));
    EXPECT_EQ(outline_path::withDefaultExtension(u"chap1", u".tex"), u"chap1.tex");
    EXPECT_EQ(outline_path::withDefaultExtension(u"chap1.ltx", u".tex"), u"chap1.ltx");
    EXPECT_EQ(outline_path::withDefaultExtension(u"", u".tex"), u".tex");
}
