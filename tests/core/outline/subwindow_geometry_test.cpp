#include "outline/subwindow_geometry.h"

#include "settings/setting_keys.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

namespace sg = subwindow_geometry;
using sg::Mode;

namespace {
bool same(const Rect& a, const Rect& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}
#define EXPECT_RECT(r, l, t, rr, b) EXPECT_TRUE(same((r), Rect{l, t, rr, b}))

const char16_t* const Pos = ini_keys::window_pos::Section;

struct SubWindowSettings : ::testing::Test {
    TempDir dir;
    CSetting settings{dir.path()};
    sg::ScreenArea screen{1280, 1024};
    void mode(int32_t m) { settings.writeInt(ini_keys::basic::Section, ini_keys::basic::SubWindow, m); }
    void completeVisible(int32_t on) {
        settings.writeInt(ini_keys::basic::Section, ini_keys::basic::SubCompleteVisible, on);
    }
};
} // namespace

TEST(SubWindowMode, SettingValues) {
    EXPECT_EQ(sg::modeFromSetting(0), Mode::DefaultCorner);
    EXPECT_EQ(sg::modeFromSetting(1), Mode::SavedAbsolute);
    EXPECT_EQ(sg::modeFromSetting(2), Mode::SavedRelative);
    EXPECT_EQ(sg::modeFromSetting(9), Mode::SavedRelative);
    EXPECT_EQ(sg::modeFromSetting(-1), Mode::SavedRelative);
}

TEST(SubWindowPlace, EachModeAndItsFallback) {
    Rect frame{100, 50, 900, 650};
    EXPECT_RECT(sg::place(Mode::DefaultCorner, frame, Rect{1, 2, 3, 4}), 550, 300, 900, 650);
    EXPECT_RECT(sg::place(Mode::SavedAbsolute, frame, Rect{10, 20, 210, 420}), 10, 20, 210, 420);
    EXPECT_RECT(sg::place(Mode::SavedRelative, frame, Rect{10, 20, 210, 420}), 110, 70, 310, 470);
    // Absent, empty or inverted: the default corner in every mode.
    for (Mode m : {Mode::SavedAbsolute, Mode::SavedRelative}) {
        EXPECT_RECT(sg::place(m, frame, std::nullopt), 550, 300, 900, 650);
        EXPECT_RECT(sg::place(m, frame, Rect{10, 20, 10, 420}), 550, 300, 900, 650);
        EXPECT_RECT(sg::place(m, frame, Rect{10, 20, 210, 0}), 550, 300, 900, 650);
    }
}

TEST(SubWindowKeepOnScreen, MovesWithoutResizing) {
    // Partly off the bottom-right.
    EXPECT_RECT(sg::keepOnScreen(Rect{1100, 900, 1450, 1250}, 1280, 1024), 930, 674, 1280, 1024);
    // Partly off the top-left.
    EXPECT_RECT(sg::keepOnScreen(Rect{-50, -20, 300, 330}, 1280, 1024), 0, 0, 350, 350);
    // Already inside: unchanged.
    EXPECT_RECT(sg::keepOnScreen(Rect{10, 10, 360, 360}, 1280, 1024), 10, 10, 360, 360);
    // Larger than the screen: the top-left corner wins.
    EXPECT_RECT(sg::keepOnScreen(Rect{500, 400, 2000, 1600}, 1280, 1024), 0, 0, 1500, 1200);
    // No usable screen area: left alone.
    EXPECT_RECT(sg::keepOnScreen(Rect{5000, 5000, 5350, 5350}, 0, 1024), 5000, 5000, 5350, 5350);
    EXPECT_RECT(sg::keepOnScreen(Rect{5000, 5000, 5350, 5350}, 1280, -1), 5000, 5000, 5350, 5350);

    sg::ScreenArea area = sg::screenArea(1280, 994, 22);
    EXPECT_EQ(area.width, 1280);
    EXPECT_EQ(area.height, 1016);
}

TEST_F(SubWindowSettings, FirstOpeningIsTheDefaultCorner) {
    Rect frame{200, 100, 1000, 700};
    EXPECT_RECT(sg::placeFromSettings(settings, u"Search", frame, screen), 650, 350, 1000, 700);
    mode(1);
    EXPECT_RECT(sg::placeFromSettings(settings, u"Search", frame, screen), 650, 350, 1000, 700);
    mode(0);
    EXPECT_RECT(sg::placeFromSettings(settings, u"Search", frame, screen), 650, 350, 1000, 700);
}

TEST_F(SubWindowSettings, ReopeningAfterTheFrameMoved) {
    Rect frame{200, 100, 1000, 700};
    ASSERT_TRUE(sg::savePlace(settings, u"Char", Rect{1010, 120, 1210, 420}, frame, false));
    Rect movedFrame{50, 300, 850, 900};
    // Relative: the same offset from the frame.
    EXPECT_RECT(sg::placeFromSettings(settings, u"Char", movedFrame, screen), 860, 320, 1060, 620);
    // Absolute: the same screen place.
    mode(1);
    EXPECT_RECT(sg::placeFromSettings(settings, u"Char", movedFrame, screen), 1010, 120, 1210, 420);
    // Another window's place is its own.
    EXPECT_RECT(sg::placeFromSettings(settings, u"Search", movedFrame, screen), 500, 550, 850, 900);
}

TEST_F(SubWindowSettings, SavesBothRectanglesButNotWhileMinimised) {
    Rect frame{200, 100, 1000, 700};
    ASSERT_TRUE(sg::savePlace(settings, u"SGreek", Rect{10, 20, 310, 220}, frame, false));
    Rect abs, rel;
    ASSERT_TRUE(settings.readRect(Pos, u"SGreek_abs", abs));
    ASSERT_TRUE(settings.readRect(Pos, u"SGreek_rel", rel));
    EXPECT_RECT(abs, 10, 20, 310, 220);
    EXPECT_RECT(rel, -190, -80, 110, 120);

    // A minimised host reports its frame far off-screen.
    EXPECT_FALSE(sg::savePlace(settings, u"SGreek", Rect{-32000, -32000, -31700, -31800},
                               Rect{-32000, -32000, -31840, -31970}, true));
    ASSERT_TRUE(settings.readRect(Pos, u"SGreek_abs", abs));
    ASSERT_TRUE(settings.readRect(Pos, u"SGreek_rel", rel));
    EXPECT_RECT(abs, 10, 20, 310, 220);
    EXPECT_RECT(rel, -190, -80, 110, 120);
}

TEST_F(SubWindowSettings, MalformedSavedRectanglesFallBack) {
    Rect frame{0, 0, 800, 600};
    settings.writeString(Pos, u"Search_rel", u"1,2,3");
    EXPECT_RECT(sg::placeFromSettings(settings, u"Search", frame, screen), 450, 250, 800, 600);
    settings.writeString(Pos, u"Search_rel", u"junk");
    EXPECT_RECT(sg::placeFromSettings(settings, u"Search", frame, screen), 450, 250, 800, 600);
    settings.writeString(Pos, u"Search_rel", u"300,300,100,100");
    EXPECT_RECT(sg::placeFromSettings(settings, u"Search", frame, screen), 450, 250, 800, 600);
    // Edited to the ends of the number range, then pulled on-screen.
    completeVisible(1);
    settings.writeString(Pos, u"Search_rel", u"-2147483648,-2147483648,2147483647,2147483647");
    EXPECT_RECT(sg::placeFromSettings(settings, u"Search", frame, screen), 450, 250, 800, 600);
    EXPECT_FALSE(sg::readSaved(settings, u"Search", Mode::SavedRelative));
    EXPECT_FALSE(sg::readSaved(settings, u"Search", Mode::DefaultCorner));
}

TEST_F(SubWindowSettings, CompleteVisibleMovesASavedPlaceOntoTheScreen) {
    Rect frame{0, 0, 800, 600};
    settings.writeRect(Pos, u"Char_abs", Rect{1200, 900, 1500, 1300});
    mode(1);
    EXPECT_RECT(sg::placeFromSettings(settings, u"Char", frame, screen), 1200, 900, 1500, 1300);
    completeVisible(1);
    EXPECT_RECT(sg::placeFromSettings(settings, u"Char", frame, screen), 980, 624, 1280, 1024);
    completeVisible(2);   // only 1 switches it on
    EXPECT_RECT(sg::placeFromSettings(settings, u"Char", frame, screen), 1200, 900, 1500, 1300);
}

TEST(SubWindowFollow, OffsetsOfFrameMoves) {
    sg::FrameFollower f;
    EXPECT_FALSE(f.frameMoved(10, 10, false));   // nothing remembered: only recorded
    auto by = f.frameMoved(40, -5, false);
    ASSERT_TRUE(by);
    EXPECT_EQ(by->dx, 30);
    EXPECT_EQ(by->dy, -15);

    // Maximised: not followed, and the corner stays the old one.
    EXPECT_FALSE(f.frameMoved(-4, -4, true));
    by = f.frameMoved(50, 0, false);
    ASSERT_TRUE(by);
    EXPECT_EQ(by->dx, 10);
    EXPECT_EQ(by->dy, 5);

    // Rebinding records the new corner without an offset.
    f.remember(500, 500);
    by = f.frameMoved(510, 490, false);
    ASSERT_TRUE(by);
    EXPECT_EQ(by->dx, 10);
    EXPECT_EQ(by->dy, -10);
    EXPECT_RECT(sg::moved(Rect{1, 2, 3, 4}, *by), 11, -8, 13, -6);
}
