#include "mainwindow/toolbar_layout.h"

#include "settings/setting.h"
#include "settings/setting_keys.h"
#include "mainwindow/toolbar_table.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

#include <vector>

namespace tl = toolbar_layout;
using Items = std::vector<int32_t>;
constexpr int32_t Sep = tl::Separator;

TEST(ToolbarLayoutParse, RepeatsSeparatorsEmptyItemsAndUnknownIndices) {
    EXPECT_EQ(tl::parse(u"5,5,-1,,200"), (Items{5, Sep}));
    EXPECT_EQ(tl::parse(u"5,-1,5,,200,7"), (Items{5, Sep, 7}));
    // Any negative number is a separator, and separators may repeat.
    EXPECT_EQ(tl::parse(u"-7,1,-1,-1,2"), (Items{Sep, 1, Sep, Sep, 2}));
    EXPECT_EQ(tl::parse(u"112,113,0"), (Items{112, 0}));
}

TEST(ToolbarLayoutParse, EmptyAndMalformedText) {
    EXPECT_EQ(tl::parse(u""), Items{});
    EXPECT_EQ(tl::parse(u",,,"), Items{});
    // Hand-edited junk is dropped rather than read as button 0.
    EXPECT_EQ(tl::parse(u"x,-,3x, 4 ,+5,99999999999,\t6"), (Items{4, 5, 6}));
}

TEST(ToolbarLayoutFormat, WritesWhatParseReadsBack) {
    EXPECT_EQ(tl::format(Items{}), u"");
    EXPECT_EQ(tl::format(Items{3, Sep, 0, -5, 112}), u"3,-1,0,-1,112");
    Items all;
    for (int32_t i = toolbar_table::ButtonCount - 1; i >= 0; --i) all.push_back(i);
    EXPECT_EQ(tl::parse(tl::format(all)), all);
}

namespace {
struct LayoutSettings : ::testing::Test {
    TempDir dir;
    CSetting settings{dir.path()};
    void store(const char16_t* text) {
        ASSERT_EQ(settings.writeString(ini_keys::settings::Section, ini_keys::settings::Toolbar, text),
                  u16view(text).size());
    }
};
} // namespace

TEST_F(LayoutSettings, MissingKeyGivesTheDefault) {
    EXPECT_EQ(tl::load(settings), tl::defaultItems());
}

TEST_F(LayoutSettings, EveryButtonRemovedStaysEmpty) {
    ASSERT_TRUE(tl::save(settings, Items{}));
    EXPECT_EQ(tl::load(settings), Items{});
    CSetting again(dir.path());
    EXPECT_EQ(u16(again.readString(ini_keys::settings::Section, ini_keys::settings::Toolbar, u"missing")), u"");
}

TEST_F(LayoutSettings, SavedLayoutComesBack) {
    ASSERT_TRUE(tl::save(settings, Items{110, Sep, 2, 1}));
    EXPECT_EQ(tl::load(settings), (Items{110, Sep, 2, 1}));
    store(u"5,5,-1,,200");
    EXPECT_EQ(tl::load(settings), (Items{5, Sep}));
}

TEST_F(LayoutSettings, OverlongValueIsCutAtTheBuffer) {
    // 600 separators ("-1," each) then button 3: 1128 characters are kept,
    // 376 whole separators, and the 3 is lost.
    u16 text;
    for (int i = 0; i < 600; ++i) text += u"-1,";
    text += u"3";
    store(text.c_str());
    Items items = tl::load(settings);
    EXPECT_EQ(items.size(), 376u);
    EXPECT_EQ(items.back(), Sep);
}

TEST(LayoutSettingsUnusable, SaveReportsFailure) {
    CSetting none(u"");
    EXPECT_FALSE(tl::save(none, Items{1}));
    EXPECT_FALSE(tl::save(none, Items{}));
    EXPECT_EQ(tl::load(none), tl::defaultItems());
}
