#include "palette/char_page_model.h"

#include "palette/symbol_table.h"
#include "settings/setting_keys.h"
#include "tests/support/settings_file.h"

#include <gtest/gtest.h>

namespace {

using char_page::Place;

using Fixture = SettingsFile;

} // namespace

TEST(CharPage, BoxesFollowTheMasks) {
    struct Case {
        uint32_t bit, window, windowSep;
        Place place;
    };
    const Case cases[] = {
        {0x1, 0x1, 0x0, Place::OnTab},
        {0x1, 0x1, 0x1, Place::OnTab},          // both: adding all puts it on a tab
        {0x2, 0x1, 0x2, Place::Detached},
        {0x4, 0x1, 0x2, Place::Hidden},
        {0x10000, 0xFFFFFFFF, 0, Place::OnTab},  // the default -1 is every category
    };
    for (const Case& c : cases) EXPECT_EQ(char_page::placeOf(c.bit, c.window, c.windowSep), c.place) << c.bit;
}

TEST(CharPage, BoxIndexIsTheCategoryMaskBit) {
    // The page's boxes are laid out by category order; the masks must
    // name the same categories the palette reads them as.
    auto categories = palette::categories();
    ASSERT_EQ(categories.size(), char_page::CategoryCount);
    for (size_t i = 0; i < categories.size(); ++i) {
        char_page::Values v;
        v.places[i] = Place::Detached;
        EXPECT_EQ(char_page::windowSepMask(v), categories[i].mask) << i;
        EXPECT_EQ(char_page::windowMask(v), 0u);
    }
}

TEST(CharPage, ReadingAMissingSectionGivesEveryCategoryOnATab) {
    Fixture f;
    char_page::Values v = char_page::read(f.settings);
    EXPECT_EQ(v, char_page::defaults());
    EXPECT_EQ(char_page::windowMask(v), 0x1FFFFu);
}

TEST(CharPage, ReadThenApplyKeepsTheMeaningAndDropsOtherKeys) {
    Fixture f("[Char]\r\nWindow=5\r\nWindowSep=6\r\nAutoClose=1\r\nAutoCloseSep=2\r\nStale=1\r\n[X]\r\ny=1\r\n");
    char_page::Values v = char_page::read(f.settings);
    EXPECT_EQ(v.places[0], Place::OnTab);
    EXPECT_EQ(v.places[1], Place::Detached);
    EXPECT_EQ(v.places[2], Place::OnTab);     // in both masks
    EXPECT_EQ(v.places[3], Place::Hidden);
    EXPECT_TRUE(v.autoClose);
    EXPECT_FALSE(v.autoCloseSep);             // only 1 closes
    ASSERT_TRUE(char_page::write(f.settings, v));
    // The section keeps its place in the file.
    EXPECT_EQ(f.file(), "[Char]\r\nWindow=5\r\nWindowSep=2\r\nAutoClose=1\r\nAutoCloseSep=0\r\n[X]\r\ny=1\r\n");
}

TEST(CharPage, ApplyWritesEveryBoxState) {
    Fixture f;
    char_page::Values v = char_page::defaults();
    v.places[16] = Place::Detached;   // EChar
    v.places[9] = Place::Hidden;      // AMSSymbol
    v.autoCloseSep = true;
    ASSERT_TRUE(char_page::write(f.settings, v));
    EXPECT_EQ(f.file(), "[Char]\r\nWindow=65023\r\nWindowSep=65536\r\nAutoClose=0\r\nAutoCloseSep=1\r\n");
    EXPECT_EQ(char_page::read(f.settings), v);
}
