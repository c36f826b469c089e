// Help topics: a missing help file or help control gives a plain "no",
// never a crash or a box of the control's own.
#include "frame/win32/help.h"
#include "tests/wine/language_test_support.h"

#include <gtest/gtest.h>

using lang_test::PluginFolder;

TEST(Help, MissingControlIsReportedNotFatal) {
    PluginFolder f;
    ASSERT_TRUE(f.dir().write(u"Vexa2Lang\\Some.chm", "ITSF"));
    HelpControl control(L"vexa2-no-such-control.ocx");
    EXPECT_FALSE(control.show(wide::w(f.languageFile(u"Some.chm")), L"topic.htm"));
    EXPECT_FALSE(control.loaded());
    control.closeAll(wide::w(f.languageFile(u"Some.chm")));
}

TEST(Help, MissingFileDoesNotEvenLoadTheControl) {
    PluginFolder f;
    HelpControl control(L"hhctrl.ocx");
    EXPECT_FALSE(control.show(wide::w(f.languageFile(u"Missing.chm")), L""));
    EXPECT_FALSE(control.loaded());
    EXPECT_FALSE(control.show(L"", L"topic.htm"));
}

TEST(Help, TopicsNeedALibraryThatNamesAnExistingFile) {
    PluginFolder f;
    EXPECT_EQ(helpFile(f.plugin()), L"");                  // no library: no help file
    EXPECT_FALSE(showHelpTopic(f.plugin(), 0x30001));

    ASSERT_TRUE(f.addLibrary(L"langtest\\Vexa2Test.dll", u"Vexa2Test.dll"));
    ASSERT_TRUE(lang::load(f.plugin(), L"Vexa2Test.dll"));
    EXPECT_EQ(wide::u(helpFile(f.plugin()).c_str()), f.languageFile(u"Missing.chm"));
    EXPECT_FALSE(showHelpTopic(f.plugin(), 0x30001));     // the library's file is not there
    EXPECT_FALSE(showHelpTopic(f.plugin(), 0));
    closeHelpWindows();
}
