#include "outline/file_source.h"
#include "base/platform.h"
#include "base/text_file.h"

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

TEST(DiskFiles, ReadsEveryByteShapeAsTheLengthTestDecodesIt) {
    // Plain 7-bit text takes a shortcut past the code-page converter; these
    // shapes sit on both sides of it and must decode exactly as the rule says.
    const std::string shapes[] = {
        std::string("a"),                       // one byte: a UTF-16 unit by the rule
        std::string("ab"),
        std::string("\\section{A}\r\n% 50\\%\n"),
        std::string("ab\0cd", 5),               // a zero byte: UTF-16 by the rule
        std::string("abc\0\0\0xyz", 9),         // stops at the zero byte
        std::string("x\x7F\x80y"),              // DEL is 7-bit, 0x80 is not
        std::string("Caf\xE9 na\xEFve"),
    };
    TempDir dir;
    ASSERT_TRUE(dir.ok());
    for (const std::string& bytes : shapes) {
        ASSERT_TRUE(dir.write(u"shape.tex", bytes));
        u16 text;
        ASSERT_TRUE(diskFiles().read(dir.file(u"shape.tex"), 0, text));
        EXPECT_EQ(text, text_file::decode(bytes)) << "bytes: " << bytes.size();
    }
}
