#include "support/dictionary_order.h"

#include "base/str.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {
int cmp(u16view a, u16view b) { return dict_order::compare(a, b); }
} // namespace

TEST(DictionaryOrder, CaseGroupsLettersLowerFirst) {
    EXPECT_LT(cmp(u"\\alpha", u"\\Alpha"), 0);
    EXPECT_LT(cmp(u"\\Alpha", u"\\beta"), 0);
    EXPECT_LT(cmp(u"\\alpha", u"\\beta"), 0);
    EXPECT_LT(cmp(u"a", u"A"), 0);
    EXPECT_LT(cmp(u"A", u"b"), 0);
    EXPECT_GT(cmp(u"Z", u"z"), 0);
    // The first difference decides, case does not wait for the end.
    EXPECT_LT(cmp(u"aB", u"Ab"), 0);
}

TEST(DictionaryOrder, BracesAndStarSortBetweenPunctuationAndLetters) {
    EXPECT_LT(cmp(u"\\section", u"\\section*"), 0);
    EXPECT_LT(cmp(u"\\section*", u"\\sectionmark"), 0);
    EXPECT_LT(cmp(u"\\section{}", u"\\section*"), 0);
    EXPECT_LT(cmp(u"{", u"}"), 0);
    EXPECT_LT(cmp(u"}", u"*"), 0);
    EXPECT_LT(cmp(u"9", u"{"), 0);
    EXPECT_LT(cmp(u"[", u"{"), 0);
    EXPECT_LT(cmp(u"*", u"a"), 0);
    // Non-ASCII text sorts after every letter.
    EXPECT_GT(cmp(u"\u4e00", u"Z"), 0);
    EXPECT_GT(cmp(u"\u0234", u"Z"), 0);
    EXPECT_LT(cmp(u"\u00e9", u"a"), 0);   // Latin-1 weighs its own code, below the letters
}

TEST(DictionaryOrder, LengthDecidesOnlyAfterACommonBeginning) {
    EXPECT_EQ(cmp(u"", u""), 0);
    EXPECT_LT(cmp(u"", u"a"), 0);
    EXPECT_EQ(cmp(u"\\x", u"\\x"), 0);
    EXPECT_LT(cmp(u"\\ab", u"\\abc"), 0);
    EXPECT_GT(cmp(u"\\b", u"\\abc"), 0);
}

TEST(DictionaryOrder, SortsAListTheWayTheExamplesSay) {
    std::vector<u16> list = {u"\\sectionmark", u"\\beta", u"\\section*", u"\\Alpha", u"\\section{}", u"\\alpha",
                             u"\\section"};
    std::sort(list.begin(), list.end(), [](const u16& a, const u16& b) { return dict_order::before(a, b); });
    std::vector<u16> want = {u"\\alpha", u"\\Alpha", u"\\beta", u"\\section", u"\\section{}", u"\\section*",
                             u"\\sectionmark"};
    EXPECT_EQ(list, want);
}

TEST(LetterBuckets, NumberLettersLowerThenUpper) {
    EXPECT_EQ(dict_order::bucketOf(u'a'), 0);
    EXPECT_EQ(dict_order::bucketOf(u'A'), 1);
    EXPECT_EQ(dict_order::bucketOf(u'b'), 2);
    EXPECT_EQ(dict_order::bucketOf(u'z'), 50);
    EXPECT_EQ(dict_order::bucketOf(u'Z'), 51);
    EXPECT_EQ(dict_order::bucketOf(u'\\'), -1);
    EXPECT_EQ(dict_order::bucketOf(u'1'), -1);
    EXPECT_EQ(dict_order::bucketOf(u'\u00e4'), -1);
}

TEST(SuffixLetters, TakesAsciiLettersFromTheEnd) {
    EXPECT_EQ(dict_order::suffixLetters(u"\\subsection{}"), u"noitcesbus");
    EXPECT_EQ(dict_order::suffixLetters(u"\\\\[2pt]"), u"tp");
    EXPECT_EQ(dict_order::suffixLetters(u"\\,"), u"");
    EXPECT_EQ(dict_order::suffixLetters(u""), u"");
    // At most 63, the ones nearest the end.
    u16 longText(40, u'a');
    longText += u16(40, u'B');
    u16 letters = dict_order::suffixLetters(longText);
    ASSERT_EQ(letters.size(), 63u);
    EXPECT_EQ(letters.substr(0, 40), u16(40, u'B'));
    EXPECT_EQ(letters.substr(40), u16(23, u'a'));
}

TEST(DictionaryOrder, ComparingWithARecordFieldAgreesWithComparingTexts) {
    char16_t field[8] = {u'\\', u's', u'e', u'c', 0, 0, 0, 0};
    char16_t full[4] = {u'\\', u'a', u'b', u'c'};   // a damaged field without terminator
    for (u16view key : {u"", u"\\", u"\\se", u"\\sec", u"\\sec*", u"\\Sec", u"\\secx", u"\\abc", u"\\abcd", u"\\ab"}) {
        EXPECT_EQ(dict_order::compare(key, field), dict_order::compare(key, u"\\sec")) << str::toUtf8(key);
        EXPECT_EQ(dict_order::compare(key, full), dict_order::compare(key, u"\\abc")) << str::toUtf8(key);
    }
}
