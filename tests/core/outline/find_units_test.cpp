#include "outline/find_units.h"

#include "base/text.h"

#include <gtest/gtest.h>

TEST(FindUnits, FindsTheFirstOfTheSetFromTheStart) {
    const u16 text = u"ab\\cd%e\r\nf";
    const char16_t* t = text.data();
    const size_t n = text.size();
    EXPECT_EQ((find_units::any<u'\\', u'%'>(t, 0, n)), 2u);
    EXPECT_EQ((find_units::any<u'\\', u'%'>(t, 3, n)), 5u);
    EXPECT_EQ((find_units::any<u'\\', u'%'>(t, 2, n)), 2u); // a hit at the start counts
    EXPECT_EQ((find_units::any<u'\r', u'\n'>(t, 0, n)), 7u);
    EXPECT_EQ((find_units::any<u'\n'>(t, 0, n)), 8u);
}

TEST(FindUnits, GivesTheEndWhenNothingIsLeft) {
    const u16 text = u"plain words";
    EXPECT_EQ((find_units::any<u'\\', u'%'>(text.data(), 0, text.size())), text.size());
    EXPECT_EQ((find_units::any<u'\\'>(text.data(), text.size(), text.size())), text.size());
    EXPECT_EQ((find_units::any<u'\\'>(text.data(), text.size() + 3, text.size())), text.size());
    EXPECT_EQ((find_units::any<u'\\'>(nullptr, 0, 0)), 0u);
    // Stops at n even when a unit of the set lies beyond it.
    const u16 cut = u"abc\\";
    EXPECT_EQ((find_units::any<u'\\'>(cut.data(), 0, 3)), 3u);
}

TEST(FindUnits, UnitsOutsideSevenBitsNeverMatch) {
    // Same low byte as "{" and "\": the look-up must not fold them.
    const u16 text = u"\u017B\u015C\u227B\uFF5C{";
    EXPECT_EQ((find_units::any<u'{', u'\\'>(text.data(), 0, text.size())), 4u);
    // The string terminator is found at the end, as the .bib reader uses it.
    EXPECT_EQ((find_units::any<u'\0'>(text.data(), 0, text.size())), text.size());
}
