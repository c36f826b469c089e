// A Japanese user's first start, on Japanese Windows: the plug-in installed
// with both language libraries and no language chosen yet takes the
// Japanese library without asking, and what the user sees first (the
// toolbar's tool tips, a dialog) is in Japanese. Runs in the Japanese
// prefix only.
#include "frame/message_ids.h"
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

// This process's visible dialog boxes.
std::set<HWND> processDialogs() {
    struct Collect {
        std::set<HWND> found;
        static BOOL CALLBACK visit(HWND w, LPARAM self) {
            DWORD process = 0;
            GetWindowThreadProcessId(w, &process);
            wchar_t cls[16] = {};
            GetClassNameW(w, cls, 16);
            if (process == GetCurrentProcessId() && IsWindowVisible(w) && std::wstring(cls) == L"#32770")
                reinterpret_cast<Collect*>(self)->found.insert(w);
            return TRUE;
        }
    } collect;
    EnumWindows(&Collect::visit, reinterpret_cast<LPARAM>(&collect));
    return collect.found;
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
    // Should the chooser come up after all, it is cancelled so the test ends.
    lang_test::Watcher chooser(kChooserCaption, [](HWND d) { lang_test::pressButton(d, IDCANCEL); }, 5000);
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
    std::set<HWND> before = processDialogs();
    PostMessageW(main, WM_COMMAND, MAKEWPARAM(DateCommand, 0), 0);
    HWND dialog = nullptr;
    ASSERT_TRUE(host_test::waitFor([&] {
        for (HWND d : processDialogs())
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

} // namespace
