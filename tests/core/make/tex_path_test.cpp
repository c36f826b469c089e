#include "make/tex_path.h"

#include <gtest/gtest.h>

namespace {

TEST(TexPath, PiecesOfAPath) {
    EXPECT_EQ(tex_path::folderOf(u"C:\\doc\\ch1.tex"), u"C:\\doc");
    EXPECT_EQ(tex_path::folderOf(u"C:\\ch1.tex"), u"C:\\");
    EXPECT_EQ(tex_path::folderOf(u"ch1.tex"), u"");
    EXPECT_EQ(tex_path::fileNameOf(u"C:/doc/ch1.tex"), u"ch1.tex");
    EXPECT_EQ(tex_path::fileNameOf(u"C:ch1.tex"), u"ch1.tex");
    EXPECT_EQ(tex_path::stemOf(u"C:\\d.x\\a.b.tex"), u"a.b");
    EXPECT_EQ(tex_path::stemOf(u"C:\\d.x\\README"), u"README");
    EXPECT_EQ(tex_path::withoutExtension(u"C:\\d.x\\main.tex"), u"C:\\d.x\\main");
    EXPECT_EQ(tex_path::withoutExtension(u"C:\\d.x\\README"), u"C:\\d.x\\README");
    EXPECT_EQ(tex_path::withoutExtension(u"C:\\d\\.latexmkrc"), u"C:\\d\\.latexmkrc");
    EXPECT_EQ(tex_path::stemOf(u""), u"");
}

TEST(TexPath, RelativeAndCombined) {
    EXPECT_TRUE(tex_path::isRelative(u"sub/main.tex"));
    EXPECT_TRUE(tex_path::isRelative(u"..\\main.tex"));
    EXPECT_FALSE(tex_path::isRelative(u"C:main.tex"));
    EXPECT_FALSE(tex_path::isRelative(u"\\main.tex"));
    EXPECT_FALSE(tex_path::isRelative(u"\\\\server\\share\\main.tex"));

    EXPECT_EQ(tex_path::combine(u"C:\\doc", u"sub/main.TEX"), u"C:\\doc\\sub\\main.TEX");
    EXPECT_EQ(tex_path::combine(u"C:\\doc\\", u"./a/../main.tex"), u"C:\\doc\\main.tex");
    EXPECT_EQ(tex_path::combine(u"C:\\doc", u"..\\..\\..\\main.tex"), u"C:\\main.tex");
    EXPECT_EQ(tex_path::combine(u"C:\\doc", u"\\top\\main.tex"), u"C:\\top\\main.tex");
    EXPECT_EQ(tex_path::combine(u"C:\\doc", u"D:\\x\\main.tex"), u"D:\\x\\main.tex");
    EXPECT_EQ(tex_path::combine(u"\\\\srv\\share\\doc", u"..\\..\\main.tex"), u"\\\\srv\\share\\main.tex");
    EXPECT_EQ(tex_path::combine(u"", u"main.tex"), u"main.tex");
}

} // namespace
