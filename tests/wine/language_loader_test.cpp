// The language library loader: which libraries are accepted, what the
// lookups return, and the "Vexa2Lang.ini" setting.
#include "frame/message_ids.h"
#include "frame/win32/language.h"
#include "tests/wine/language_test_support.h"

#include <gtest/gtest.h>

using lang_test::PluginFolder;

namespace {
bool isLoaded(const PluginFolder& f, u16view name) {
    return GetModuleHandleW(wide::w(f.languageFile(name))) != nullptr;
}
} // namespace

TEST(LanguageLoader, LookupsAreEmptyWithoutALibrary) {
    lang::unload();
    EXPECT_EQ(lang::module(), nullptr);
    ASSERT_NE(lang::message(msgid::CaptionWarning), nullptr);
    EXPECT_STREQ(lang::message(msgid::CaptionWarning), L"");
    ASSERT_NE(lang::config(cfgid::LanguageName), nullptr);
    EXPECT_STREQ(lang::config(cfgid::LanguageName), L"");
}

TEST(LanguageLoader, AcceptsTheEnglishLibrary) {
    PluginFolder f;
    ASSERT_TRUE(f.plugin());
    ASSERT_TRUE(f.addLibrary(L"Vexa2Lang\\Vexa2EN.dll", u"Vexa2EN.dll"));
    ASSERT_TRUE(lang::load(f.plugin(), L"Vexa2EN.dll"));
    EXPECT_NE(lang::module(), nullptr);
    EXPECT_STREQ(lang::config(cfgid::LanguageName), L"English");
    EXPECT_STREQ(lang::config(cfgid::HelpFile), L"Vexa2EN.chm");
    EXPECT_STREQ(lang::config(cfgid::CommandDictionary), L"Vexa2Command.txt");
    EXPECT_GT(wcslen(lang::message(msgid::CaptionWarning)), 0u);
    EXPECT_GT(wcslen(lang::message(msgid::MutexesNotCreated)), 0u);
    // Messages and configuration texts are separate spaces.
    EXPECT_STREQ(lang::config(msgid::CaptionWarning), L"");
    EXPECT_STREQ(lang::message(cfgid::LanguageName), L"");
    EXPECT_STREQ(lang::message(0x1269999), L"");
}

TEST(LanguageLoader, TextsKeepEveryCharacterOfTheTextFile) {
    PluginFolder f;
    ASSERT_TRUE(f.addLibrary(L"langtest\\Vexa2Test.dll", u"Vexa2Test.dll"));
    ASSERT_TRUE(lang::load(f.plugin(), L"Vexa2Test.dll"));
    EXPECT_STREQ(lang::message(0x1010001), L"a;b [c] d\\e \"f\" \tg\r\nh");
    EXPECT_STREQ(lang::message(0x1010002), L"Gr\u00fc\u00dfe, \u65e5\u672c\u8a9e \u00b1");
    EXPECT_STREQ(lang::message(0x1010003), L"");
    EXPECT_STREQ(lang::config(1), L"Test language library");

    // The narrow exports give the same texts in the system code page.
    using TextA = const char*(WINAPI*)(uint32_t);
    auto messageA = reinterpret_cast<TextA>(reinterpret_cast<void*>(GetProcAddress(lang::module(), "GetVexa2MessageA")));
    ASSERT_NE(messageA, nullptr);
    EXPECT_STREQ(messageA(0x1000002), "Test question");
    EXPECT_STREQ(messageA(0x1269999), "");
    EXPECT_EQ(messageA(0x1000002), messageA(0x1000002));   // kept, not made anew
}

TEST(LanguageLoader, RefusesWhatIsNoVersionFiveLibraryAndKeepsThePreviousOne) {
    PluginFolder f;
    ASSERT_TRUE(f.addLibrary(L"Vexa2Lang\\Vexa2EN.dll", u"Vexa2EN.dll"));
    ASSERT_TRUE(f.addLibrary(L"langtest\\Vexa2Old.dll", u"Vexa2Old.dll"));
    ASSERT_TRUE(f.addLibrary(L"langtest\\Vexa2Partial.dll", u"Vexa2Partial.dll"));
    ASSERT_TRUE(f.dir().write(u"Vexa2Lang\\Garbage.dll", "MZ this is not a library"));
    ASSERT_TRUE(lang::load(f.plugin(), L"Vexa2EN.dll"));
    HMODULE english = lang::module();

    EXPECT_FALSE(lang::load(f.plugin(), L"Vexa2Old.dll"));       // version 4
    EXPECT_FALSE(lang::load(f.plugin(), L"Vexa2Partial.dll"));   // one export short
    EXPECT_FALSE(lang::load(f.plugin(), L"Garbage.dll"));
    EXPECT_FALSE(lang::load(f.plugin(), L"Missing.dll"));
    EXPECT_FALSE(lang::load(f.plugin(), L""));
    EXPECT_FALSE(lang::load(f.plugin(), L"..\\vexa2.dll"));      // names only, no paths

    // Refused libraries do not stay loaded; the accepted one still serves.
    EXPECT_FALSE(isLoaded(f, u"Vexa2Old.dll"));
    EXPECT_FALSE(isLoaded(f, u"Vexa2Partial.dll"));
    EXPECT_EQ(lang::module(), english);
    EXPECT_STREQ(lang::config(cfgid::LanguageName), L"English");
}

TEST(LanguageLoader, AcceptedLibraryReplacesThePreviousOne) {
    PluginFolder f;
    ASSERT_TRUE(f.addLibrary(L"Vexa2Lang\\Vexa2EN.dll", u"Vexa2EN.dll"));
    ASSERT_TRUE(f.addLibrary(L"langtest\\Vexa2Test.dll", u"Vexa2Test.dll"));
    ASSERT_TRUE(lang::load(f.plugin(), L"Vexa2EN.dll"));
    ASSERT_TRUE(lang::load(f.plugin(), L"Vexa2Test.dll"));
    EXPECT_STREQ(lang::config(cfgid::LanguageName), L"Testish");
    EXPECT_FALSE(isLoaded(f, u"Vexa2EN.dll"));
    lang::unload();
    EXPECT_EQ(lang::module(), nullptr);
    EXPECT_FALSE(isLoaded(f, u"Vexa2Test.dll"));
    EXPECT_STREQ(lang::message(msgid::CaptionWarning), L"");
}

TEST(LanguageLoader, FoldersComeFromThePluginsOwnFile) {
    PluginFolder f;
    EXPECT_EQ(wide::u(lang::pluginFolder(f.plugin()).c_str()), f.dir().path());
    EXPECT_EQ(wide::u(lang::languageFolder(f.plugin()).c_str()), f.dir().file(u"Vexa2Lang"));
    EXPECT_EQ(wide::u(lang::settingsPath(f.plugin()).c_str()), f.dir().file(u"Vexa2Lang\\Vexa2Lang.ini"));
}

TEST(LanguageSettings, ConfiguredNameIsReadAndSavedKeepingTheRestOfTheFile) {
    PluginFolder f;
    EXPECT_EQ(lang::configuredName(f.plugin()), L"");      // no file
    EXPECT_EQ(lang::defaultName(), L"Vexa2JP.dll");

    ASSERT_TRUE(f.dir().write(u"Vexa2Lang\\Vexa2Lang.ini", "[other]\r\nkeep=1\r\n[language]\r\ndll=Mine.dll\r\n"));
    EXPECT_EQ(lang::configuredName(f.plugin()), L"Mine.dll");   // names match in any case

    ASSERT_TRUE(lang::saveConfiguredName(f.plugin(), L"Vexa2EN.dll"));
    EXPECT_EQ(lang::configuredName(f.plugin()), L"Vexa2EN.dll");
    std::string ini = f.languageIni();
    EXPECT_NE(ini.find("keep=1"), std::string::npos) << ini;
    EXPECT_EQ(ini.find("Mine.dll"), std::string::npos) << ini;
}

TEST(LanguageSettings, SavingWithoutALanguageFolderFailsAndCreatesNothing) {
    PluginFolder f(false);
    ASSERT_TRUE(f.plugin());
    EXPECT_FALSE(lang::saveConfiguredName(f.plugin(), L"Vexa2EN.dll"));
    EXPECT_FALSE(f.dir().exists(u"Vexa2Lang"));
    EXPECT_EQ(lang::configuredName(f.plugin()), L"");
    EXPECT_FALSE(lang::saveConfiguredName(f.plugin(), L""));
}

TEST(LanguageMessageBox, ShowsTextAndCaptionFromTheLibrary) {
    PluginFolder f;
    ASSERT_TRUE(f.addLibrary(L"langtest\\Vexa2Test.dll", u"Vexa2Test.dll"));
    ASSERT_TRUE(lang::load(f.plugin(), L"Vexa2Test.dll"));
    std::wstring seen;
    lang_test::Watcher watcher(L"Test question", [&](HWND box) {
        seen = lang_test::messageBoxText(box);
        lang_test::pressButton(box, IDNO);
    });
    int answer = lang::messageBox(nullptr, 0x1000001, 0x1000002, MB_YESNO | MB_ICONQUESTION);
    watcher.join();
    EXPECT_TRUE(watcher.found());
    EXPECT_EQ(seen, L"Test warning");
    EXPECT_EQ(answer, IDNO);
}
