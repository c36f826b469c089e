#include "dialogs/date_format.h"

#include "base/str.h"

#include <clocale>
#include <gtest/gtest.h>

namespace {

std::tm may3At(int hour, int minute) {
    std::tm now{};
    now.tm_year = 99;   // the day the user picks replaces these
    now.tm_mon = 0;
    now.tm_mday = 1;
    now.tm_hour = hour;
    now.tm_min = minute;
    return date_format::combine(2024, 5, 3, now);
}

} // namespace

TEST(DateFormat, ExpandsTheChosenDayWithTodaysTime) {
    struct Case {
        const char16_t* format;
        const char16_t* text;
    } cases[] = {
        {u"%Y/%m/%d", u"2024/05/03"},
        {u"%d.%m.%y %H:%M", u"03.05.24 14:07"},
        {u"%A %B %j", u"Friday May 124"},   // weekday and day of year come from the conversion
        {u"100%% done %Y", u"100% done 2024"},
        {u"\u5e74 %Y", u"\u5e74 2024"},
        {u"plain text", u"plain text"},
    };
    std::tm t = may3At(14, 7);
    for (const Case& c : cases) EXPECT_EQ(date_format::expand(c.format, t), c.text) << static_cast<int>(&c - cases);
}

TEST(DateFormat, RefusesWhatTheRuntimeWouldStopOn) {
    // Each of these would reach the Windows runtime's invalid-parameter
    // handler, which ends the host; they give nothing instead.
    const char16_t* refused[] = {u"%", u"%Y/%", u"%Q", u"%E", u"%e", u"%F", u"%#", u"%#Q", u"%5d", u"%%%", u""};
    std::tm t = may3At(9, 0);
    for (const char16_t* f : refused) {
        SCOPED_TRACE(str::toUtf8(f));
        EXPECT_FALSE(date_format::valid(f) && *f);
        EXPECT_EQ(date_format::expand(f, t), u"");
    }
    EXPECT_TRUE(date_format::valid(u"%#d/%#m %%Q"));
}

TEST(DateFormat, LongResultsAreRefusedWhole) {
    std::tm t = may3At(9, 0);
    u16 format;
    for (int i = 0; i < 205; ++i) format += u"%Y/%m/%d";   // 10 characters each
    EXPECT_EQ(date_format::expand(format, t), u"");
    format.resize(204 * 8);
    EXPECT_EQ(date_format::expand(format, t).size(), 2040u);
}

TEST(DateFormat, LocaleIsRestoredAtItsEnd) {
    std::string before = std::setlocale(LC_CTYPE, nullptr);
    {
        Locale l(u"C");
        EXPECT_TRUE(l.applied());
    }
    EXPECT_EQ(std::setlocale(LC_CTYPE, nullptr), before);
    {
        Locale unknown(u"No_Such_Locale.0");
        EXPECT_FALSE(unknown.applied());
        EXPECT_EQ(std::setlocale(LC_CTYPE, nullptr), before);
    }
    EXPECT_EQ(std::setlocale(LC_CTYPE, nullptr), before);
}
