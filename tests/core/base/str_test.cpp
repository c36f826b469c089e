#include "base/str.h"
#include "base/platform.h"

#include <gtest/gtest.h>

TEST(StrToInt, ReadsLeadingDecimalLikeAtoi) {
    EXPECT_EQ(str::toInt(u"12x"), 12);
    EXPECT_EQ(str::toInt(u"-7"), -7);
    EXPECT_EQ(str::toInt(u"+5"), 5);
    EXPECT_EQ(str::toInt(u"x"), 0);
    EXPECT_EQ(str::toInt(u""), 0);
    EXPECT_EQ(str::toInt(u"0x10"), 0);
    EXPECT_EQ(str::toInt(u"99999999999"), INT32_MAX);
    EXPECT_EQ(str::toInt(u"-99999999999"), INT32_MIN);
    EXPECT_EQ(str::toInt(u"-2147483648"), INT32_MIN);
}

TEST(StrUtf8, RoundTripsBmpAndSurrogates) {
    u16 s = u"a\u00e9\u65e5\U0001F600";
    EXPECT_EQ(str::fromUtf8(str::toUtf8(s)), s);
    EXPECT_EQ(str::fromUtf8("\xff"), u"\ufffd");
    EXPECT_EQ(str::fromUtf8("\xe6\x97"), u"\ufffd"); // truncated sequence
}

TEST(StrCopyTo, TruncatesAndTerminates) {
    char16_t buf[4] = {u'z', u'z', u'z', u'z'};
    EXPECT_EQ(str::copyTo(u"abcdef", buf, 4), 3u);
    EXPECT_EQ(u16(buf), u"abc");
    EXPECT_EQ(str::copyTo(u"abc", buf, 0), 0u);
    EXPECT_EQ(str::copyTo(u"abc", nullptr, 4), 0u);
}

TEST(StrNoCase, IgnoresAsciiCase) {
    EXPECT_TRUE(str::equalsNoCase(u"BasicSettings", u"basicsettings"));
    EXPECT_FALSE(str::equalsNoCase(u"Basic", u"BasicX"));
    EXPECT_LT(str::compareNoCase(u"abc", u"ABD"), 0);
    EXPECT_GT(str::compareNoCase(u"b", u"A"), 0);
}

// Names in lists are ordered as the user reads them: letters without
// regard to case first, lower case before upper case only on a tie.
TEST(PlatformCompareLocale, OrdersLettersBeforeCase) {
    struct Case { const char16_t* a; const char16_t* b; int sign; };
    const Case cases[] = {
        {u"a", u"B", -1}, {u"B", u"a", 1}, {u"a", u"A", -1}, {u"Ab", u"ab", 1},
        {u"eq:b", u"fig:a", -1}, {u"ab", u"abc", -1}, {u"same", u"same", 0},
    };
    for (const Case& c : cases) {
        int r = platform::compareLocale(c.a, c.b);
        EXPECT_EQ((r > 0) - (r < 0), c.sign) << str::toUtf8(c.a) << " vs " << str::toUtf8(c.b);
    }
}
