#include "base/text_file.h"
#include "base/platform.h"

#include <gtest/gtest.h>

namespace {
std::string utf16le(u16view s) {
    std::string b;
    for (char16_t c : s) {
        b.push_back(static_cast<char>(c & 0xFF));
        b.push_back(static_cast<char>(c >> 8));
    }
    return b;
}
} // namespace

TEST(TextFileDetection, TellsAnsiFromUtf16ByLength) {
    EXPECT_FALSE(text_file::looksUtf16("abc"));
    EXPECT_TRUE(text_file::looksUtf16(utf16le(u"abc")));
    EXPECT_TRUE(text_file::looksUtf16(""));          // empty reads as empty either way
    EXPECT_TRUE(text_file::looksUtf16("a"));         // one byte: the unit 'a' with padding
    // UTF-16 without a single zero byte is indistinguishable from ANSI by
    // the length rule and is taken as ANSI; real files have ASCII in them.
    EXPECT_FALSE(text_file::looksUtf16(utf16le(u"\u65e5\u672c")));
    EXPECT_TRUE(text_file::looksUtf16(utf16le(u"[\u65e5]")));
}

TEST(TextFileDecode, DecodesBothForms) {
    EXPECT_EQ(text_file::decode(utf16le(u"[a]\r\nk=v")), u"[a]\r\nk=v");
    EXPECT_EQ(text_file::decode("[a]\r\nk=v"), u"[a]\r\nk=v");
    // An embedded NUL ends the text, as the C-string reading did.
    EXPECT_EQ(text_file::decode(std::string("abcde\0f", 7)), u"abcde");
    EXPECT_EQ(text_file::decode(utf16le(u"x") + std::string(2, '\0') + utf16le(u"y")), u"x");
}
