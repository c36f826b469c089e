// A Japanese user's first start, on Japanese Windows: the plug-in installed
// with both language libraries and no language chosen yet takes the
// Japanese library without asking, and what the user sees first (the
// toolbar's tool tips, a dialog, the help) is in Japanese. Runs in the
// Japanese prefix only.
#include "frame/message_ids.h"
#include "tests/wine/help_test_support.h"
#include "tests/wine/inprocess_plugin.h"
#include "tests/wine/language_test_support.h"
#include "tests/wine/mainwindow_test_support.h"

#include <set>

namespace {
using namespace mainwindow_test;

constexpr uint32_t DateCommand = 41044;
const wchar_t kChooserCaption[] = L"Choose a Language (Vexa 2)";

// Kana or kanji: the text is Japanese, not an untranslated English one.
bool hasJapanese(const std::wstring& text) {
    for (wchar_t c : text)
        if ((c >= 0x3040 && c <= 0x30FF) || (c >= 0x4E00 && c <= 0x9FFF)) return true;
    return false;
}

std::vector<std::wstring> childTexts(HWND dialog) {
    std::vector<std::wstring> texts;
    for (HWND c = GetWindow(dialog, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
        texts.push_back(lang_test::windowText(c));
    return texts;
}

class JapaneseFirstStart : public MainWindowTest {
protected:
    void SetUp() override {
        ASSERT_NO_FATAL_FAILURE(MainWindowTest::SetUp());
        ASSERT_TRUE(install(dir, Language::JapaneseConfigured));
        // No choice made yet: the file the chooser would write is absent.
        ASSERT_TRUE(DeleteFileW(path(dir, L"Vexa2Lang\\Vexa2Lang.ini").c_str()));
        setting(L"BasicSettings", L"Window", L"2");   // floating: the toolbar's parent is the main window
    }
};

TEST_F(JapaneseFirstStart, TakesTheJapaneseLibraryWithoutAsking) {
    // Should the chooser come up after all, it is confirmed so that the
    // test ends and fails: cancelling it would leave the plug-in's
    // "cannot load" message waiting for a user.
    lang_test::Watcher chooser(kChooserCaption, [](HWND d) { lang_test::pressButton(d, IDOK); }, 5000);
    load();
    chooser.stop();
    chooser.join();
    EXPECT_FALSE(chooser.found()) << "the language chooser was shown";
    EXPECT_NE(GetModuleHandleW(L"Vexa2JP.dll"), nullptr);
    EXPECT_EQ(GetModuleHandleW(L"Vexa2EN.dll"), nullptr);
    EXPECT_FALSE(dir.exists(u"Vexa2Lang\\Vexa2Lang.ini")) << "nothing was chosen, so nothing is written";
}

TEST_F(JapaneseFirstStart, ToolTipsAndADialogAreInJapanese) {
    load();
    EditorThread& e = editor();
    command(e);
    HWND main = mainWindow(e);
    ASSERT_NE(main, nullptr);

    // Each button's tip starts with its command text from the Japanese library.
    for (uint32_t button : {41001u, DateCommand, 41116u}) {
        SCOPED_TRACE(button);
        NMTTDISPINFOW tip{};
        tip.hdr.idFrom = button;
        tip.hdr.code = TTN_GETDISPINFOW;
        SendMessageW(main, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&tip));
        ASSERT_NE(tip.lpszText, nullptr);
        std::wstring shown = tip.lpszText;
        std::wstring expected = libraryMessage(L"Vexa2JP.dll", msgid::commandText(button));
        EXPECT_TRUE(hasJapanese(expected)) << "untranslated: " << expected.size();
        EXPECT_EQ(shown.find(expected), 0u);
    }

    // The date dialog: its caption and its labels come from the Japanese templates.
    std::set<HWND> before = help_test::processWindows(L"#32770");
    PostMessageW(main, WM_COMMAND, MAKEWPARAM(DateCommand, 0), 0);
    HWND dialog = nullptr;
    ASSERT_TRUE(host_test::waitFor([&] {
        for (HWND d : help_test::processWindows(L"#32770"))
            if (!before.count(d)) dialog = d;
        return dialog != nullptr;
    })) << "the date dialog did not open";
    EXPECT_TRUE(hasJapanese(lang_test::windowText(dialog)));
    int japanese = 0;
    for (const std::wstring& t : childTexts(dialog)) japanese += hasJapanese(t) ? 1 : 0;
    EXPECT_GE(japanese, 2) << "labels and buttons should be in Japanese";
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    EXPECT_TRUE(host_test::waitFor([&] { return !IsWindow(dialog); }));
    command(e);
}

// The Japanese help file opens from the system menu and closes with the
// main window.
TEST(JapaneseHelp, OpensFromTheSystemMenuAndClosesWithTheMainWindow) {
    lang_test::PluginFolder f;
    ASSERT_NO_FATAL_FAILURE(inprocess::startPlugin(f, L"Vexa2JP.dll"));
    ASSERT_TRUE(f.addLibrary(L"Vexa2Lang\\Vexa2JP.chm", u"Vexa2JP.chm"));
    std::wstring title;
    ASSERT_NO_FATAL_FAILURE(help_test::showHelpThenCloseMainWindow(f.plugin(), true, title));
    app::stop();
    setPluginInstance(nullptr);
}

} // namespace
