#include "palette/palette_tabs.h"

#include <gtest/gtest.h>

namespace pt = palette_tabs;
using V = std::vector<uint32_t>;

TEST(PaletteTabs, AddAllSplitsTheMasksInCategoryOrder) {
    struct Case {
        uint32_t window, sep, detachedNow;
        V tabs, detach;
    } cases[] = {
        {0x5, 0x2, 0, {41009, 41011}, {41010}},
        // A category in both masks goes on a tab only.
        {0x5, 0x7, 0, {41009, 41011}, {41010}},
        // An open detached window is left as it is.
        {0x5, 0x2, 0x2, {41009, 41011}, {}},
        // The default -1 means every category; bits above them are ignored.
        {0xFFFFFFFF, 0, 0, pt::commandsOf(0x1FFFF), {}},
        {0, 0x18000, 0, {}, {41019, 41081}},
        {0x200 | 0x10000, 0x4000, 0, {41092, 41081}, {41099}},
    };
    for (const Case& c : cases) {
        pt::AddAll plan = pt::addAll(c.window, c.sep, c.detachedNow);
        EXPECT_EQ(plan.tabs, c.tabs) << std::hex << c.window << " " << c.sep;
        EXPECT_EQ(plan.detach, c.detach) << std::hex << c.window << " " << c.sep;
    }
    EXPECT_EQ(pt::commandsOf(0x1FFFF).size(), 17u);
    EXPECT_EQ(pt::commandsOf(0x1FFFF).back(), 41081u);
}

TEST(PaletteTabs, CompleteWhenEveryWantedCategoryIsInItsPlace) {
    struct Case {
        uint32_t window, sep, tabs, detached;
        bool complete;
    } cases[] = {
        {0x5, 0x2, 0x5, 0x2, true},
        {0x5, 0x2, 0x5, 0x0, false},
        {0x5, 0x2, 0x1, 0x2, false},
        {0x5, 0x2, 0x5 | 0x8, 0x2 | 0x10, true},   // more than wanted is still complete
        {0x5, 0x7, 0x5, 0x2, true},                 // 0x4 is wanted on a tab, not detached
        {0xFFFFFFFF, 0, 0x1FFFF, 0, true},
        {0xFFFFFFFF, 0, 0x0FFFF, 0, false},
        {0, 0, 0, 0, true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(pt::complete(c.window, c.sep, c.tabs, c.detached), c.complete)
            << std::hex << c.window << " " << c.sep << " " << c.tabs << " " << c.detached;
}

TEST(PaletteTabs, MaskOfCommands) {
    EXPECT_EQ(pt::maskOf(41009u), 0x1u);
    EXPECT_EQ(pt::maskOf(41081u), 0x10000u);
    EXPECT_EQ(pt::maskOf(41020u), 0u);
    EXPECT_EQ(pt::maskOf(41018u), 0u);
    V both{41010, 41099, 41020};
    EXPECT_EQ(pt::maskOf(both), 0x4002u);
}

TEST(PaletteTabs, TabStepsWrapAround) {
    struct Case {
        int current, count;
        bool forward;
        int next;
    } cases[] = {
        {0, 3, true, 1}, {2, 3, true, 0}, {0, 3, false, 2}, {1, 3, false, 0},
        {0, 1, true, 0}, {0, 0, true, -1}, {-1, 3, true, 0},
    };
    for (const Case& c : cases) EXPECT_EQ(pt::stepTab(c.current, c.count, c.forward), c.next) << c.current;
}

TEST(PaletteTabs, ArrowKeysGoToTheNearestCellThatWay) {
    // Three columns of 40 pixels, a short last row:  0 1 2 / 3 4 5 / 6
    std::vector<pt::CellPos> grid;
    for (int i = 0; i < 7; ++i) grid.push_back({(i % 3) * 40, (i / 3) * 40});
    using D = pt::Direction;
    struct Case {
        int from;
        D d;
        int to;
    } cases[] = {
        {0, D::Right, 1}, {2, D::Right, -1}, {3, D::Left, -1}, {4, D::Left, 3},
        {1, D::Down, 4},  {4, D::Up, 1},     {0, D::Up, -1},   {6, D::Down, -1},
        {5, D::Down, 6},  // the short last row: its nearest cell
        {3, D::Down, 6},
        {6, D::Right, -1},
        {9, D::Right, -1},  // not a cell
    };
    for (const Case& c : cases)
        EXPECT_EQ(pt::nearestCell(grid, c.from, c.d), c.to) << c.from << " " << static_cast<int>(c.d);
}
