#include "support/support_history.h"

#include "dictionary_test_util.h"
#include "support/tex_dictionary.h"

#include <gtest/gtest.h>

namespace sh = support_history;

namespace {
std::vector<HistoryRecord> counts(std::initializer_list<int32_t> useCounts) {
    std::vector<HistoryRecord> records;
    for (int32_t c : useCounts) records.push_back({static_cast<int32_t>(records.size()), c});
    return records;
}
std::vector<int32_t> slots(std::initializer_list<int32_t> first) {
    std::vector<int32_t> s(first);
    s.resize(history_positions::ListSlots, -1);
    return s;
}
} // namespace

TEST(SupportHistory, MostUsedByCountThenPosition) {
    EXPECT_EQ(sh::mostUsed(counts({0, 5, 2, 5})), slots({1, 3, 2, 0}));
    EXPECT_EQ(sh::mostUsed({}), slots({}));
    auto many = sh::mostUsed(counts({1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 9}));
    EXPECT_EQ(many, (std::vector<int32_t>{14, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}));
}

TEST(SupportHistory, MovingToFrontShiftsOnlyWhatWasBefore) {
    auto list = slots({4, 7, 9, 2});
    sh::moveToFront(list, 9);
    EXPECT_EQ(list, slots({9, 4, 7, 2}));
    std::vector<int32_t> full{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
    sh::moveToFront(full, 20);
    EXPECT_EQ(full, (std::vector<int32_t>{20, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}));
}

TEST(SupportHistory, SlotKeysAreCtrlDigitsAndAToC) {
    struct Case { int32_t key; int slot; };
    const Case cases[] = {
        {0x231, 0}, {0x239, 8}, {0x230, 9}, {0x241, 10}, {0x243, 12},   // Ctrl+1, 9, 0, A, C
        {0x261, 0}, {0x260, 9},                                          // Ctrl+keypad 1, 0
        {0x031, -1}, {0x331, -1}, {0x244, -1}, {0x2BC, -1},              // no Ctrl, Ctrl+Shift, Ctrl+D, Ctrl+comma
    };
    for (const Case& c : cases) EXPECT_EQ(sh::slotOfKey(c.key), c.slot) << std::hex << c.key;
}

TEST(SupportHistory, LetterEntriesAreTheMostUsedOfEachInitial) {
    dict_test::Folder f;
    f.writeAllSources("\\alpha\n\\Alpha\n\\begin\n\\beta\n\\section\n\\section*\n\\subsection\n\\textbf\n");
    DictionaryStore store(f.paths());
    CTeXDictionary d(&store, nullptr);
    ASSERT_EQ(d.count(), 8);
    //                          a  A  b  b  s  s  s  t
    auto words = sh::mostUsedPerLetter(d, counts({0, 2, 1, 3, 0, 4, 4, 0}));
    auto at = [&](char16_t c) { return words[dict_order::bucketOf(c)]; };
    EXPECT_EQ(at(u'a'), 0);   // nothing used: the first of the letter
    EXPECT_EQ(at(u'A'), 1);
    EXPECT_EQ(at(u'b'), 3);
    EXPECT_EQ(at(u's'), 5);   // a tie: the first
    EXPECT_EQ(at(u't'), 7);
    EXPECT_EQ(at(u'c'), -1);  // no command
}
