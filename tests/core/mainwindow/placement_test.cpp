#include "mainwindow/placement.h"

#include "settings/setting_keys.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

#include <vector>

namespace pl = placement;

namespace {
bool same(const Rect& a, const Rect& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}
#define EXPECT_RECT(r, l, t, rr, b) EXPECT_TRUE(same((r), Rect{l, t, rr, b}))

// A floating window of 60 buttons 23 x 22 wrapping into its width; the
// caption and frames add 26 pixels of height.
struct WrappingToolbar {
    int32_t column = 23 + 2 * 3;
    std::vector<int32_t> widthsAsked;
    int32_t operator()(int32_t width) {
        widthsAsked.push_back(width);
        int32_t columns = width / column;
        int32_t rows = (60 + columns - 1) / columns;
        return 26 + rows * 22;
    }
};
} // namespace

TEST(Placement, SettingValues) {
    EXPECT_EQ(pl::fromSetting(0), pl::Placement::SavedAbsolute);
    EXPECT_EQ(pl::fromSetting(4), pl::Placement::Left);
    EXPECT_EQ(pl::fromSetting(6), pl::Placement::Docked);
    EXPECT_EQ(pl::fromSetting(7), pl::Placement::Docked);
    EXPECT_EQ(pl::fromSetting(-1), pl::Placement::Docked);
}

TEST(Placement, AboveAndBelowTakeTheFrameWidth) {
    Rect frame{100, 200, 900, 700};
    EXPECT_RECT(pl::above(frame, 48), 100, 152, 900, 200);
    EXPECT_RECT(pl::below(frame, 48), 100, 700, 900, 748);
}

TEST(Placement, SideWidensUntilLowerThanTheFrame) {
    WrappingToolbar toolbar;
    // 1 column: 60 rows; 2: 30 rows (686 px); 3: 20 rows (466 px) < 600.
    int32_t width = pl::sideWidth(toolbar.column, 600, std::ref(toolbar));
    EXPECT_EQ(width, 3 * toolbar.column);
    EXPECT_EQ(toolbar.widthsAsked, (std::vector<int32_t>{29, 58, 87}));

    Rect frame{300, 50, 1000, 650};
    EXPECT_RECT(pl::leftOf(frame, width, 466), 300 - 87, 50, 300, 516);
    EXPECT_RECT(pl::rightOf(frame, width, 466), 1000, 50, 1087, 516);
}

TEST(Placement, SideAgainstAFrameLowerThanOneColumnStopsAfterTenSteps) {
    WrappingToolbar toolbar;
    // Even one row is higher than a 20-pixel frame: the window would grow
    // forever without the limit.
    int32_t width = pl::sideWidth(toolbar.column, 20, std::ref(toolbar));
    EXPECT_EQ(width, 11 * toolbar.column);
    EXPECT_EQ(toolbar.widthsAsked.size(), 10u);
}

TEST(Placement, SideWithoutMeasurementIsOneColumn) {
    EXPECT_EQ(pl::sideWidth(29, 500, nullptr), 29);
    // Exactly as high as the frame still widens.
    int calls = 0;
    EXPECT_EQ(pl::sideWidth(29, 100, [&](int32_t) { return ++calls == 1 ? 100 : 99; }), 58);
}

TEST(PlacementBand, RowsFromLines) {
    auto rows = [](int32_t lines) {
        pl::BandRows r = pl::bandRows(lines);
        return std::pair{r.reset, r.rows};
    };
    EXPECT_EQ(rows(1), std::pair(3, 1));
    EXPECT_EQ(rows(2), std::pair(1, 3));
    EXPECT_EQ(rows(4), std::pair(1, 7));
    EXPECT_EQ(rows(0), std::pair(3, 1));       // malformed: one line
    EXPECT_EQ(rows(-3), std::pair(3, 1));
    EXPECT_EQ(rows(1000), std::pair(1, 113));  // one button per row at most
    EXPECT_EQ(pl::bandChildHeight(50), 53);
}

TEST(PlacementBand, ButtonHeightDrift) {
    EXPECT_FALSE(pl::buttonHeightChanged(22, 24));
    EXPECT_FALSE(pl::buttonHeightChanged(22, 20));
    EXPECT_TRUE(pl::buttonHeightChanged(22, 25));
    EXPECT_TRUE(pl::buttonHeightChanged(22, 19));
}

TEST(PlacementBand, SavedBandPlace) {
    pl::BandInsert none = pl::bandInsert(pl::NoBandPlace);
    EXPECT_EQ(none.kind, pl::BandInsert::Last);
    EXPECT_FALSE(none.width);
    EXPECT_EQ(pl::bandInsert(Rect{10, -1, 300, 26}).kind, pl::BandInsert::Last);

    pl::BandInsert first = pl::bandInsert(Rect{0, 0, 420, 26});
    EXPECT_EQ(first.kind, pl::BandInsert::First);
    EXPECT_EQ(first.width, 420);

    pl::BandInsert at = pl::bandInsert(Rect{40, 28, 300, 54});
    EXPECT_EQ(at.kind, pl::BandInsert::AtPoint);
    EXPECT_EQ(at.x, 40);
    EXPECT_EQ(at.y, 28);
    EXPECT_EQ(at.width, 260);
    EXPECT_FALSE(pl::bandInsert(Rect{40, 28, 30, 54}).width);   // inverted: no width
}

TEST(Placement, SavedPlaceOfTheFloatingWindow) {
    TempDir dir;
    CSetting settings(dir.path());
    Rect frame{100, 100, 900, 700};
    // Nothing saved yet: the frame's bottom-right corner.
    EXPECT_RECT(pl::savedPlace(settings, pl::Placement::SavedAbsolute, frame), 550, 350, 900, 700);

    settings.writeRect(ini_keys::window_pos::Section, u"Main_abs", Rect{10, 20, 200, 70});
    settings.writeRect(ini_keys::window_pos::Section, u"Main_rel", Rect{-150, 0, 40, 50});
    EXPECT_RECT(pl::savedPlace(settings, pl::Placement::SavedAbsolute, frame), 10, 20, 200, 70);
    EXPECT_RECT(pl::savedPlace(settings, pl::Placement::SavedRelative, frame), -50, 100, 140, 150);
}
