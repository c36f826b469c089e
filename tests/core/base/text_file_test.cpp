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

TEST(TextFileSource, Utf8IsTakenOnlyWhenWellFormedWithAMultiByteSequenceOrMarked) {
    struct Case {
        const char* what;
        std::string bytes;
        bool utf8;      // looksUtf8
        u16 expected;   // decodeSource; empty: as decode gives it
    };
    const std::string sjis = "\\section{\x93\xFA\x96\x7B\x8C\xEA}\\label{sec:ja}"; // 日本語 in Shift_JIS
    const Case cases[] = {
        {"Shift_JIS", sjis, false, u""},
        {"UTF-8", "\\section{\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E}\\label{sec:ja}", true,
         u"\\section{\u65E5\u672C\u8A9E}\\label{sec:ja}"},
        {"UTF-8 with BOM", "\xEF\xBB\xBF\\section{\xE6\x97\xA5}", true, u"\\section{\u65E5}"},
        {"BOM on 7-bit text", "\xEF\xBB\xBF\\input{a}", true, u"\\input{a}"},
        {"BOM then a malformed byte", "\xEF\xBB\xBF" "a\xFF}", false, u"a\uFFFD}"},
        {"4-byte sequence", "x\xF0\x9F\x98\x80y", true, u"x\U0001F600y"},
        {"2-byte sequence", "Caf\xC3\xA9", true, u"Caf\u00E9"},
        {"pure ASCII", "\\section{A}\r\n", false, u"\\section{A}\r\n"},
        {"Latin-1", "Caf\xE9 na\xEFve", false, u""},
        {"overlong", "a\xC0\xAF" "b\xC3\xA9", false, u""},
        {"surrogate", "a\xED\xA0\x80" "b\xC3\xA9", false, u""},
        {"past U+10FFFF", "a\xF4\x90\x80\x80" "b\xC3\xA9", false, u""},
        {"truncated at the end", "\xC3\xA9 a\xE6\x97", false, u""},
        {"lone continuation", "\xC3\xA9\x80", false, u""},
        {"continuation missing", "\xE6\x97" "a\xC3\xA9", false, u""},
    };
    for (const Case& c : cases) {
        std::string_view bytes = c.bytes;
        if (!bytes.starts_with("\xEF\xBB\xBF")) {
            EXPECT_EQ(text_file::looksUtf8(bytes), c.utf8) << c.what;
        }
        const u16 expected = c.expected.empty() ? text_file::decode(c.bytes) : c.expected;
        EXPECT_EQ(text_file::decodeSource(c.bytes), expected) << c.what;
    }
}

TEST(TextFileSource, Utf16AndTheNulRuleAreKeptForSources) {
    const std::string wide = utf16le(u"\uFEFF\\section{\u65E5}");
    EXPECT_EQ(text_file::decodeSource(wide), text_file::decode(wide));
    EXPECT_EQ(text_file::decodeSource(wide), u"\uFEFF\\section{\u65E5}");
    // A NUL ends the text before the UTF-8 test looks at the rest.
    EXPECT_EQ(text_file::decodeSource(std::string("\xC3\xA9xyz\0\xFF", 6)), u"\u00E9xyz");
    EXPECT_EQ(text_file::decodeSource(""), u"");
}
