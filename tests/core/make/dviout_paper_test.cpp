#include "make/dviout_paper.h"

#include "base/str.h"
#include "settings/setting.h"
#include "settings/setting_keys.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

namespace {

namespace keys = ini_keys::dviout;

PaperEntry entry(std::string_view text, std::string_view value) { return {str::fromUtf8(text), str::fromUtf8(value)}; }

std::vector<u16> stored(CSetting& s) { return s.readStringList(keys::Section, {}); }

TEST(DVIOUTPaper, BuiltInPapersArePortraitThenLandscape) {
    TempDir dir;
    CSetting settings(dir.path());
    DVIOUTPaper papers(settings, u" (landscape)");
    PaperEntry e;
    ASSERT_TRUE(papers.GetPaper(1, e));
    EXPECT_EQ(e, entry("A3", "A3P"));
    ASSERT_TRUE(papers.GetPaper(7, e));
    EXPECT_EQ(e, entry("Letter", "LetterP"));
    ASSERT_TRUE(papers.GetPaper(9, e));
    EXPECT_EQ(e, entry("A4 (landscape)", "A4L"));
    ASSERT_TRUE(papers.GetPaper(13, e));
    EXPECT_EQ(e, entry("B5 (landscape)", "B5L"));
    ASSERT_TRUE(papers.GetPaper(14, e));
    EXPECT_EQ(e, entry("Letter (landscape)", "LetterL"));
    for (int32_t n : {0, -1, 15, 99, 100, 1000}) {
        EXPECT_FALSE(papers.GetPaper(n, e)) << n;
        EXPECT_EQ(e, PaperEntry{});
    }
    EXPECT_EQ(DVIOUTPaper::builtInValue(12), u"B4L");
    EXPECT_EQ(DVIOUTPaper::builtInValue(15), u"");
}

TEST(DVIOUTPaper, StoredTextsSplitAtTheFirstTabAndEndAtASecond) {
    EXPECT_EQ(DVIOUTPaper::parse(u"Mine\tF100:200"), entry("Mine", "F100:200"));
    EXPECT_EQ(DVIOUTPaper::parse(u"Mine\tF100:200\tjunk"), entry("Mine", "F100:200"));
    EXPECT_EQ(DVIOUTPaper::parse(u"NoTab"), entry("NoTab", ""));
    EXPECT_EQ(DVIOUTPaper::parse(u"\t"), entry("", ""));
    EXPECT_EQ(DVIOUTPaper::parse(u""), entry("", ""));
    EXPECT_EQ(DVIOUTPaper::format(entry("Mine", "F1:2")), u"Mine\tF1:2");
}

TEST(DVIOUTPaper, StoreEntryPromotesIgnoringCaseAndKeepsTen) {
    TempDir dir;
    CSetting settings(dir.path());
    {
        DVIOUTPaper papers(settings, u"");
        EXPECT_FALSE(papers.changed());
        for (int i = 0; i < 11; ++i) papers.StoreEntry({u"P" + str::fromInt(i), u"F" + str::fromInt(i)});
        ASSERT_EQ(papers.entries().size(), 10u) << "the 11th drops the oldest";
        EXPECT_EQ(papers.entries().back(), entry("P1", "F1"));
        papers.StoreEntry(entry("p5", "new"));
        ASSERT_EQ(papers.entries().size(), 10u);
        EXPECT_EQ(papers.entries().front(), entry("p5", "new"));
        PaperEntry e;
        ASSERT_TRUE(papers.GetPaper(100, e));
        EXPECT_EQ(e, entry("p5", "new"));
        ASSERT_TRUE(papers.GetPaper(109, e));
        EXPECT_FALSE(papers.GetPaper(110, e));
        EXPECT_TRUE(papers.changed());
    } // saved here
    std::vector<u16> list = stored(settings);
    ASSERT_EQ(list.size(), 10u);
    EXPECT_EQ(list[0], u"p5\tnew");
    EXPECT_EQ(list[1], u"P10\tF10");
    DVIOUTPaper again(settings, u"");
    EXPECT_EQ(again.entries().size(), 10u);
    EXPECT_FALSE(again.changed());
}

TEST(DVIOUTPaper, AddEntryAsksOnceBeforeReplacingASameNamedPaper) {
    TempDir dir;
    CSetting settings(dir.path());
    DVIOUTPaper papers(settings, u"");
    int asked = 0;
    PaperEntry seenOld, seenNew;
    bool answer = false;
    auto confirm = [&](const PaperEntry& o, const PaperEntry& n) {
        ++asked;
        seenOld = o;
        seenNew = n;
        return answer;
    };
    EXPECT_TRUE(papers.AddEntry(entry("Mine", "F1:2"), confirm));
    EXPECT_TRUE(papers.AddEntry(entry("Other", "F3:4"), confirm));
    EXPECT_EQ(asked, 0);
    EXPECT_FALSE(papers.AddEntry(entry("MINE", "F5:6"), confirm));
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(seenOld, entry("Mine", "F1:2"));
    EXPECT_EQ(seenNew, entry("MINE", "F5:6"));
    ASSERT_EQ(papers.entries().size(), 2u);
    EXPECT_EQ(papers.entries()[1], entry("Mine", "F1:2")) << "a No changes nothing";
    answer = true;
    EXPECT_TRUE(papers.AddEntry(entry("MINE", "F5:6"), confirm));
    ASSERT_EQ(papers.entries().size(), 2u);
    EXPECT_EQ(papers.entries()[0], entry("MINE", "F5:6"));
    EXPECT_FALSE(papers.AddEntry(entry("other", "x"), nullptr)) << "no one to ask is a No";
}

TEST(DVIOUTPaper, RemoveAndClear) {
    TempDir dir;
    CSetting settings(dir.path());
    settings.writeInt(keys::Section, keys::PaperSize, 101);
    settings.writeInt(keys::Section, keys::PaperSizeFromSource, 0);
    settings.writeStringList(keys::Section, std::vector<u16>{u"A\ta", u"B\tb", u"C\tc"});
    {
        DVIOUTPaper papers(settings, u"");
        ASSERT_EQ(papers.entries().size(), 3u);
        EXPECT_FALSE(papers.RemoveEntry(99));
        EXPECT_FALSE(papers.RemoveEntry(103));
        EXPECT_FALSE(papers.changed());
        EXPECT_TRUE(papers.RemoveEntry(101));
        ASSERT_EQ(papers.entries().size(), 2u);
        EXPECT_EQ(papers.entries()[1], entry("C", "c"));
    }
    EXPECT_EQ(stored(settings), (std::vector<u16>{u"A\ta", u"C\tc"})) << "the shorter list ends the old one";
    {
        DVIOUTPaper papers(settings, u"");
        papers.StoreEntry(entry("D", "d"));
        papers.ClearEntries();
        EXPECT_TRUE(papers.entries().empty());
    } // nothing written back over the cleared section
    EXPECT_TRUE(stored(settings).empty());
    EXPECT_EQ(settings.readInt(keys::Section, keys::PaperSize, -7), -7);
    EXPECT_EQ(settings.readInt(keys::Section, keys::PaperSizeFromSource, 1), 0) << "kept";
}

TEST(DVIOUTPaper, MalformedSettingsLoadWhatCanBeUsed) {
    TempDir dir;
    CSetting settings(dir.path());
    std::vector<u16> many;
    for (int i = 0; i < 14; ++i) many.push_back(u"P" + str::fromInt(i) + u"\tv");
    many[3] = u"bare";
    settings.writeStringList(keys::Section, many);
    DVIOUTPaper papers(settings, u"");
    ASSERT_EQ(papers.entries().size(), 10u);
    EXPECT_EQ(papers.entries()[3], entry("bare", ""));
    EXPECT_FALSE(papers.changed()) << "reading alone writes nothing";
}

} // namespace
