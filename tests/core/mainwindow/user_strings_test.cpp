#include "mainwindow/user_strings.h"

#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

namespace us = user_strings;

namespace {

std::string utf16le(u16view text) {
    std::string out;
    for (char16_t c : text) {
        out += static_cast<char>(c & 0xFF);
        out += static_cast<char>(c >> 8);
    }
    return out;
}

u16 entry(u16view title, u16view text) {
    return u16(u"%Vexa2UserString_Begin%\r\n") + u16(title) + u"\r\n" + u16(text) + u"\r\n%Vexa2UserString_End%\r\n";
}

} // namespace

TEST(UserStringsParse, FileContentAndItsStrings) {
    struct Case {
        u16 content;
        std::vector<us::UserString> strings;
    } cases[] = {
        {entry(u"Center", u"\\begin{center}\r\n%#%#Cursor#%#%\r\n\\end{center}") + entry(u"Empty", u""),
         {{u"Center", u"\\begin{center}\r\n%#%#Cursor#%#%\r\n\\end{center}"}, {u"Empty", u""}}},
        // Text before the first marker and between pairs is ignored.
        {u"junk" + entry(u"A", u"a") + u"more junk" + entry(u"B", u"b\r\n"), {{u"A", u"a"}, {u"B", u"b\r\n"}}},
        // A pair without the title's line end is skipped, the next is read.
        {u"%Vexa2UserString_Begin%\r\nno title%Vexa2UserString_End%" + entry(u"C", u"c"), {{u"C", u"c"}}},
        // A begin marker without an end marker ends reading.
        {entry(u"D", u"d") + u"%Vexa2UserString_Begin%\r\nE\r\ne", {{u"D", u"d"}}},
        {u"", {}},
    };
    for (const Case& c : cases) EXPECT_EQ(us::parse(c.content), c.strings);
}

TEST(UserStringsParse, AtMostFiftyAreReadAndWritten) {
    std::vector<us::UserString> many;
    u16 content;
    for (int i = 0; i < 51; ++i) {
        many.push_back({u"t" + u16(1, static_cast<char16_t>(u'A' + i % 26)), u"x"});
        content += entry(many.back().title, many.back().text);
    }
    EXPECT_EQ(us::parse(content).size(), us::MaxStrings);
    std::string bytes = us::serialize(many);
    EXPECT_EQ(bytes, utf16le(content.substr(0, content.size() / 51 * 50)));
}

TEST(UserStringsFile, WriteThenReadRoundTrips) {
    TempDir dir;
    ASSERT_TRUE(dir.ok());
    EXPECT_EQ(us::read(dir.path()).status, us::Status::Ok);  // missing: no strings
    EXPECT_TRUE(us::read(dir.path()).strings.empty());
    std::vector<us::UserString> strings{{u"日本語", u"a\r\nb"}, {u"Two", u"x%#%#Cursor#%#%y"}};
    ASSERT_TRUE(us::write(dir.path(), strings));
    EXPECT_EQ(dir.read(us::FileName), utf16le(entry(u"日本語", u"a\r\nb") + entry(u"Two", u"x%#%#Cursor#%#%y")));
    us::ReadResult r = us::read(dir.path());
    EXPECT_EQ(r.status, us::Status::Ok);
    EXPECT_EQ(r.strings, strings);
}

TEST(UserStringsFile, FilesThatAreNotUnderstoodAreNotWritable) {
    TempDir dir;
    ASSERT_TRUE(dir.ok());
    struct Case {
        std::string bytes;
        us::Status status;
    } cases[] = {
        {utf16le(entry(u"A", u"a")) + "x", us::Status::Damaged},           // odd length
        {"plain ANSI text without markers\r\n", us::Status::Damaged},
        {std::string(us::MaxFileBytes + 1, ' '), us::Status::TooLarge},
        {utf16le(u" \r\n"), us::Status::Ok},                                 // blank: no strings
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(dir.write(us::FileName, c.bytes));
        us::ReadResult r = us::read(dir.path());
        EXPECT_EQ(r.status, c.status);
        EXPECT_EQ(us::writable(r.status), c.status == us::Status::Ok);
        if (c.status != us::Status::Ok) {
            EXPECT_TRUE(r.strings.empty());
        }
        EXPECT_EQ(dir.read(us::FileName), c.bytes);  // reading never touches the file
    }
    EXPECT_EQ(us::read(dir.file(u"missing-folder")).status, us::Status::NoFolder);
    EXPECT_EQ(us::read(u"").status, us::Status::NoFolder);
}

TEST(UserStringsFile, AFailedWriteKeepsTheOldFile) {
    TempDir dir;
    ASSERT_TRUE(dir.ok());
    ASSERT_TRUE(us::write(dir.path(), {{u"Old", u"kept"}}));
    std::string before = dir.read(us::FileName);
    EXPECT_FALSE(us::write(dir.file(u"no-such-folder"), {{u"New", u"lost"}}));
    EXPECT_FALSE(us::write(u"", {{u"New", u"lost"}}));
    EXPECT_EQ(dir.read(us::FileName), before);
}
