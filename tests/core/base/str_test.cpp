#include "base/str.h"

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
