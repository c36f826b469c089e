#include "outline/file_source.h"
#include "base/platform.h"

#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

TEST(DiskFiles, DecodesAnsiOrUtf16ByTheLengthTest) {
    TempDir dir;
    ASSERT_TRUE(dir.ok());
    // ANSI text in whatever the system code page is (1252 or 932 here).
    const u16 ansiText = u"\\section{Caf\u00E9}";
    dir.write(u"ansi.tex", platform::utf16ToAnsi(ansiText));
    dir.write(u"wide.tex", std::string("\\\0s\0", 4));
    u16 text;
    ASSERT_TRUE(diskFiles().read(dir.file(u"ansi.tex"), 0, text));
    EXPECT_EQ(text, platform::ansiToUtf16(platform::utf16ToAnsi(ansiText)));
    EXPECT_EQ(text.substr(0, 12), u"\\section{Caf");
    ASSERT_TRUE(diskFiles().read(dir.file(u"wide.tex"), 0, text));
    EXPECT_EQ(text, u"\\s");
    // A byte-order mark stays in the text.
    dir.write(u"bom.tex", std::string("\xFF\xFE\\\0s\0", 6));
    ASSERT_TRUE(diskFiles().read(dir.file(u"bom.tex"), 0, text));
    EXPECT_EQ(text, u"\uFEFF\\s");
}

TEST(DiskFiles, RefusesOversizedMissingAndFolderPaths) {
    TempDir dir;
    dir.write(u"ten.tex", "0123456789");
    u16 text = u"stale";
    EXPECT_FALSE(diskFiles().read(dir.file(u"ten.tex"), 9, text));
    EXPECT_TRUE(text.empty());
    EXPECT_TRUE(diskFiles().read(dir.file(u"ten.tex"), 10, text));
    EXPECT_EQ(text, u"0123456789");

    dir.write(u"empty.tex", "");
    EXPECT_TRUE(diskFiles().read(dir.file(u"empty.tex"), 1, text));
    EXPECT_TRUE(text.empty());

    dir.makeFolder(u"folder.tex");
    EXPECT_FALSE(diskFiles().read(dir.file(u"folder.tex"), 0, text));
    EXPECT_FALSE(diskFiles().read(dir.file(u"missing.tex"), 0, text));
    EXPECT_FALSE(diskFiles().read(u"", 0, text));
}
