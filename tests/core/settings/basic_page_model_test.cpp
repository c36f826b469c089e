#include "settings/basic_page_model.h"

#include "settings/setting_keys.h"
#include "tests/support/settings_file.h"

#include <gtest/gtest.h>

namespace {

using Fixture = SettingsFile;

} // namespace

TEST(BasicPage, StoredValuesMapToTheControls) {
    struct Case {
        const char* stored;
        int32_t placement;
        basic_page::SubWindowMode subWindow;
        bool mainFollows, subFollows;
    };
    using M = basic_page::SubWindowMode;
    const Case cases[] = {
        {"", 6, M::Relative, true, true},                         // every default
        {"Window=0\r\nSubWindow=1\r\nAutoMove=1\r\n", 0, M::Absolute, true, false},
        {"Window=5\r\nSubWindow=0\r\nAutoMove=2\r\n", 5, M::Default, false, true},
        {"Window=7\r\nSubWindow=3\r\nAutoMove=0\r\n", 6, M::Relative, false, false},   // out of range
        {"Window=-1\r\nSubWindow=-2\r\nAutoMove=7\r\n", 6, M::Relative, true, true},
        {"SubWindow=x\r\n", 6, M::Default, true, true},
        {"Window=x\r\n", 0, M::Relative, true, true},            // no number reads as 0
    };
    for (const Case& c : cases) {
        Fixture f(std::string("[BasicSettings]\r\n") + c.stored + "Lines=4\r\n");
        basic_page::Values v = basic_page::read(f.settings);
        EXPECT_EQ(v.placement, c.placement) << c.stored;
        EXPECT_EQ(v.subWindow, c.subWindow) << c.stored;
        EXPECT_EQ(v.mainFollowsFrame, c.mainFollows) << c.stored;
        EXPECT_EQ(v.subWindowsFollowFrame, c.subFollows) << c.stored;
        EXPECT_EQ(v.lines, 4);
    }
}

TEST(BasicPage, MissingKeysReadAsTheDefaultsTheResetButtonGives) {
    Fixture f("[Other]\r\nx=1\r\n");
    EXPECT_EQ(basic_page::read(f.settings), basic_page::Values{});
}

TEST(BasicPage, ApplyReplacesTheSectionWithExactlyItsKeys) {
    Fixture f("[ini]\r\nVersion=21294\r\n[BasicSettings]\r\nStale=9\r\nWindow=2\r\n[Char]\r\nWindow=5\r\n");
    basic_page::Values v;
    v.placement = 3;
    v.lines = 12;
    v.completeVisible = false;
    v.subWindow = basic_page::SubWindowMode::Absolute;
    v.mainFollowsFrame = false;
    v.subWindowsFollowFrame = true;
    v.limit = 999999;
    v.autoExecute = false;
    v.subCompleteVisible = true;
    v.hideSubWindow = false;
    v.showToolTip = false;
    ASSERT_TRUE(basic_page::write(f.settings, v));
    EXPECT_EQ(f.file(),
              "[ini]\r\nVersion=21294\r\n[BasicSettings]\r\nWindow=3\r\nLines=12\r\n"
              "CompleteVisible=0\r\nSubWindow=1\r\nAutoMove=2\r\nLimit=999999\r\nAutoExecute=0\r\n"
              "SubCompleteVisible=1\r\nHideSubWindow=0\r\nShowToolTip=0\r\n[Char]\r\nWindow=5\r\n");
}

TEST(BasicPage, AnInvalidPlacementIsNotWritten) {
    for (int32_t placement : {-1, 7}) {
        Fixture f;
        basic_page::Values v;
        v.placement = placement;
        ASSERT_TRUE(basic_page::write(f.settings, v));
        EXPECT_EQ(f.file(),
                  "[BasicSettings]\r\nLines=2\r\nCompleteVisible=1\r\nSubWindow=2\r\nAutoMove=3\r\nLimit=0\r\n"
                  "AutoExecute=1\r\nSubCompleteVisible=0\r\nHideSubWindow=1\r\nShowToolTip=1\r\n")
            << placement;
    }
}

TEST(BasicPage, OnlyAnotherLibraryCountsAsALanguageChange) {
    struct Case {
        const char16_t* picked;
        const char16_t* name;
        bool changed;
    };
    const Case cases[] = {
        {u"", u"Vexa2EN.dll", false},              // chooser cancelled
        {u"Vexa2EN.dll", u"Vexa2EN.dll", false},   // the same again
        {u"VEXA2en.DLL", u"Vexa2EN.dll", false},   // the same file
        {u"Vexa2JP.dll", u"Vexa2JP.dll", true},
    };
    for (const Case& c : cases) {
        basic_page::LanguageChoice choice(u"Vexa2EN.dll");
        choice.pick(c.picked);
        EXPECT_EQ(choice.name(), c.name);
        EXPECT_EQ(choice.changed(), c.changed);
    }
    // Going back to the first name still counts: the file was chosen anew.
    basic_page::LanguageChoice choice(u"Vexa2EN.dll");
    choice.pick(u"Vexa2JP.dll");
    choice.pick(u"Vexa2EN.dll");
    EXPECT_EQ(choice.name(), u"Vexa2EN.dll");
    EXPECT_TRUE(choice.changed());
}
