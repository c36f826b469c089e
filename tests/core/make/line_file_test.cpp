#include "make/line_file.h"

#include "base/platform.h"
#include "base/str.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

namespace {

TEST(LineFile, SplitsAtEveryKindOfLineEnd) {
    EXPECT_EQ(line_file::splitLines(u"a\r\nb\rc\nd"), (std::vector<u16>{u"a", u"b", u"c", u"d"}));
    EXPECT_EQ(line_file::splitLines(u"a\r\n\r\n"), (std::vector<u16>{u"a", u""}));
    EXPECT_TRUE(line_file::splitLines(u"").empty());
}

TEST(LineFile, KeepsEveryLineOfALongFile) {
    TempDir dir;
    std::string text;
    for (int i = 0; i < 2000; ++i) text += "line " + std::to_string(i) + "\r\n";
    dir.write(u"long.bat", text);
    {
        CLine file(dir.file(u"long.bat"));
        ASSERT_EQ(file.LineCount(), 2000u);
        file.SetLine(3, u"changed");
    }
    std::string back = dir.read(u"long.bat");
    EXPECT_NE(back.find("line 1999\r\n"), std::string::npos);
    EXPECT_NE(back.find("line 2\r\nchanged\r\nline 4"), std::string::npos);
    EXPECT_EQ(back.size(), text.size() + 1); // "changed" is one unit longer than "line 3"
}

TEST(LineFile, SettingBeyondTheEndAppendsEmptyLines) {
    TempDir dir;
    dir.write(u"f.bat", "one");
    CLine file(dir.file(u"f.bat"));
    file.SetLine(3, u"four");
    EXPECT_EQ(file.Close(), CLine::SaveResult::Written);
    EXPECT_EQ(dir.read(u"f.bat"), "one\r\n\r\n\r\nfour\r\n");
    EXPECT_EQ(file.Close(), CLine::SaveResult::Unchanged);
}

TEST(LineFile, Utf16IsReadAndWrittenBackAsAnsi) {
    TempDir dir;
    u16 text = u"@echo off\r\nrem cafe\r\n";
    std::string bytes(reinterpret_cast<const char*>(text.data()), text.size() * 2);
    dir.write(u"w.bat", bytes);
    CLine file(dir.file(u"w.bat"));
    ASSERT_EQ(file.LineCount(), 2u);
    EXPECT_EQ(file.Line(1), u"rem cafe");
    file.SetLine(0, u"@echo on");
    ASSERT_EQ(file.Close(), CLine::SaveResult::Written);
    EXPECT_EQ(dir.read(u"w.bat"), "@echo on\r\n" + std::string("rem cafe\r\n"));
}

TEST(LineFile, RefusesToWriteWhatItCouldNotKeep) {
    TempDir dir;
    // Hebrew is in neither code page 1252 nor 932.
    u16 text = u"rem \u05d0\u05d1\r\n";
    ASSERT_NE(platform::ansiToUtf16(platform::utf16ToAnsi(text)), text);
    std::string wide(reinterpret_cast<const char*>(text.data()), text.size() * 2);
    dir.write(u"w.bat", wide);
    {
        CLine file(dir.file(u"w.bat"));
        file.SetLine(1, u"more");
        EXPECT_EQ(file.Close(), CLine::SaveResult::Refused);
    }
    EXPECT_EQ(dir.read(u"w.bat"), wide);

    // A NUL byte stops the decoding; writing would cut the rest off.
    std::string cut("rem a\r\n\0rem b\r\n", 15);
    dir.write(u"n.bat", cut);
    {
        CLine file(dir.file(u"n.bat"));
        file.SetLine(0, u"x");
        EXPECT_EQ(file.Close(), CLine::SaveResult::Refused);
    }
    EXPECT_EQ(dir.read(u"n.bat"), cut);
}

TEST(LineFile, MissingFilesAndFoldersAreInvalidAndNeverWritten) {
    TempDir dir;
    dir.makeFolder(u"sub");
    for (u16 path : {u16(), dir.file(u"missing.bat"), dir.file(u"sub")}) {
        CLine file(path);
        EXPECT_TRUE(file.IsInvalidFile());
        file.SetLine(0, u"x");
        EXPECT_EQ(file.Close(), CLine::SaveResult::Unchanged);
    }
    EXPECT_FALSE(dir.exists(u"missing.bat"));
}

} // namespace
