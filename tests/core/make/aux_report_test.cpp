#include "make/aux_report.h"

#include <gtest/gtest.h>

namespace {

using aux_report::List;

aux_files::Found sample() {
    aux_files::Found f;
    f.names = {u"C:\\d\\main.aux", u"C:\\d\\main.log"};
    f.patterns = {u"C:\\d\\a.bmc", u"C:\\d\\s\\b.pbm"};
    return f;
}

TEST(AuxReport, RowsShownPerMode) {
    aux_files::Found f = sample();
    EXPECT_TRUE(aux_report::rowsToShow(f, 0).empty());
    auto all = aux_report::rowsToShow(f, 1);
    ASSERT_EQ(all.size(), 4u);
    EXPECT_EQ(all[0].list, List::Names);
    EXPECT_EQ(all[2].list, List::Patterns);
    EXPECT_EQ(all[3].index, 1u);
    auto patterns = aux_report::rowsToShow(f, 2);
    ASSERT_EQ(patterns.size(), 2u);
    EXPECT_EQ(patterns[0].list, List::Patterns);
    // No pattern matches with mode 2: nothing to show, so no report.
    f.patterns.clear();
    EXPECT_TRUE(aux_report::rowsToShow(f, 2).empty());
    EXPECT_TRUE(aux_report::rowsToShow(f, 5).empty());
}

TEST(AuxReport, CancelSparesOnlyWhatWasShown) {
    aux_files::Found f = sample();
    EXPECT_EQ(aux_report::collect(f, 0, true).size(), 4u);
    EXPECT_EQ(aux_report::collect(f, 1, true).size(), 4u);
    EXPECT_TRUE(aux_report::collect(f, 1, false).empty());
    EXPECT_EQ(aux_report::collect(f, 2, false), (std::vector<u16>{u"C:\\d\\main.aux", u"C:\\d\\main.log"}));
    EXPECT_EQ(aux_report::collect(f, 2, true).size(), 4u);
}

TEST(AuxReport, UncheckedRowsAreKept) {
    aux_files::Found f = sample();
    auto rows = aux_report::rowsToShow(f, 1);
    aux_report::blankUnchecked(f, rows, {true, false, false, true});
    EXPECT_EQ(aux_report::collect(f, 1, true), (std::vector<u16>{u"C:\\d\\main.aux", u"C:\\d\\s\\b.pbm"}));

    // Mode 2: only patterns are rows; the names go whatever is checked.
    aux_files::Found g = sample();
    auto shown = aux_report::rowsToShow(g, 2);
    aux_report::blankUnchecked(g, shown, {false}); // a short answer keeps the rest too
    EXPECT_EQ(aux_report::collect(g, 2, true), (std::vector<u16>{u"C:\\d\\main.aux", u"C:\\d\\main.log"}));
}

TEST(AuxReport, DoubleNulList) {
    EXPECT_TRUE(aux_report::doubleNulList({}).empty());
    EXPECT_TRUE(aux_report::doubleNulList({u""}).empty());
    u16 two = aux_report::doubleNulList({u"a", u"", u"bc"});
    EXPECT_EQ(two, u16(u"a\0bc\0\0", 6));
}

} // namespace
