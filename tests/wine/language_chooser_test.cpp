// The language chooser: which libraries it lists, which row it selects,
// the automatic choice of a single candidate, OK/Cancel and saving.
#include "frame/win32/dialog_language.h"
#include "frame/win32/language_chooser_res.h"
#include "tests/wine/language_test_support.h"

#include <gtest/gtest.h>

#include <vector>

using lang_test::PluginFolder;
using lang_test::Watcher;

namespace {
const wchar_t kCaption[] = L"Choose a Language (Vexa 2)";

struct Row {
    std::wstring file, language;
    bool operator==(const Row&) const = default;
};

std::wstring cell(HWND list, int row, int column) {
    wchar_t buffer[MAX_PATH] = {};
    LVITEMW item = {};
    item.iSubItem = column;
    item.pszText = buffer;
    item.cchTextMax = MAX_PATH;
    SendMessageW(list, LVM_GETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item));
    return buffer;
}

// What the chooser shows, read from its window by the watcher thread.
struct Seen {
    std::vector<Row> rows;
    int selected = -2;
    bool okEnabled = false;
    LONG_PTR style = 0;
};

Seen look(HWND dialog) {
    Seen s;
    HWND list = GetDlgItem(dialog, IDC_LANGUAGE_LIST);
    int n = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
    for (int i = 0; i < n; ++i) s.rows.push_back({cell(list, i, 0), cell(list, i, 1)});
    s.selected = static_cast<int>(SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
    s.okEnabled = IsWindowEnabled(GetDlgItem(dialog, IDOK)) != FALSE;
    s.style = GetWindowLongPtrW(dialog, GWL_STYLE);
    return s;
}

// A folder with two acceptable libraries and three that must not be listed.
void addCandidates(const PluginFolder& f) {
    f.addLibrary(L"Vexa2Lang\\Vexa2EN.dll", u"Vexa2EN.dll");
    f.addLibrary(L"langtest\\Vexa2Test.dll", u"Vexa2Test.dll");
    f.addLibrary(L"langtest\\Vexa2Old.dll", u"Vexa2Old.dll");
    f.addLibrary(L"langtest\\Vexa2Unnamed.dll", u"Vexa2Unnamed.dll");
    f.dir().makeFolder(u"Vexa2Lang\\Folder.dll");
}
} // namespace

TEST(LanguageChooser, SingleCandidateIsTakenAtOnceAndSaved) {
    PluginFolder f;
    f.addLibrary(L"Vexa2Lang\\Vexa2EN.dll", u"Vexa2EN.dll");
    f.addLibrary(L"langtest\\Vexa2Old.dll", u"Vexa2Old.dll");          // refused: not a candidate
    f.addLibrary(L"langtest\\Vexa2Unnamed.dll", u"Vexa2Unnamed.dll");  // names no language
    f.dir().makeFolder(u"Vexa2Lang\\Folder.dll");
    // Should the dialog show after all, cancel it so the test ends.
    Watcher guard(kCaption, [](HWND d) { lang_test::pressButton(d, IDCANCEL); }, 3000);
    DialogLanguage chooser(f.plugin(), nullptr, true, true, false, L"");
    guard.stop();
    guard.join();
    EXPECT_FALSE(guard.found());
    EXPECT_TRUE(chooser.accepted());
    EXPECT_EQ(chooser.chosen(), L"Vexa2EN.dll");
    EXPECT_EQ(lang::configuredName(f.plugin()), L"Vexa2EN.dll");
    EXPECT_EQ(chooser.handle(), nullptr);
}

TEST(LanguageChooser, DoNotSaveLeavesTheSettingAlone) {
    PluginFolder f;
    f.addLibrary(L"Vexa2Lang\\Vexa2EN.dll", u"Vexa2EN.dll");
    ASSERT_TRUE(f.dir().write(u"Vexa2Lang\\Vexa2Lang.ini", "[Language]\r\nDLL=Other.dll\r\n"));
    DialogLanguage chooser(f.plugin(), nullptr, true, true, true, L"");
    EXPECT_TRUE(chooser.accepted());
    EXPECT_EQ(chooser.chosen(), L"Vexa2EN.dll");
    EXPECT_EQ(f.languageIni(), "[Language]\r\nDLL=Other.dll\r\n");
}

TEST(LanguageChooser, ListsAcceptedLibrariesAndSelectsThePreselectedOne) {
    PluginFolder f;
    addCandidates(f);
    Seen seen;
    Watcher w(kCaption, [&](HWND d) {
        seen = look(d);
        lang_test::pressButton(d, IDOK);
    });
    DialogLanguage chooser(f.plugin(), nullptr, true, true, false, L"vexa2test.DLL");
    w.join();
    ASSERT_TRUE(w.found());
    std::vector<Row> expected{{L"Vexa2EN.dll", L"English"}, {L"Vexa2Test.dll", L"Testish"}};
    EXPECT_EQ(seen.rows, expected);
    EXPECT_EQ(seen.selected, 1);
    EXPECT_TRUE(seen.okEnabled);
    EXPECT_TRUE(seen.style & WS_SYSMENU);
    EXPECT_TRUE(chooser.accepted());
    EXPECT_EQ(chooser.chosen(), L"Vexa2Test.dll");
    EXPECT_EQ(lang::configuredName(f.plugin()), L"Vexa2Test.dll");
}

TEST(LanguageChooser, WithoutPreselectionTheConfiguredNameIsSelectedAndCancelKeepsIt) {
    PluginFolder f;
    addCandidates(f);
    const std::string ini = "[Language]\r\nDLL=VEXA2EN.DLL\r\n";
    ASSERT_TRUE(f.dir().write(u"Vexa2Lang\\Vexa2Lang.ini", ini));
    Seen seen;
    Watcher w(kCaption, [&](HWND d) {
        seen = look(d);
        lang_test::pressButton(d, IDCANCEL);
    });
    DialogLanguage chooser(f.plugin(), nullptr, true, false, false, L"");
    w.join();
    ASSERT_TRUE(w.found());
    EXPECT_EQ(seen.selected, 0);
    EXPECT_FALSE(chooser.accepted());
    EXPECT_EQ(chooser.chosen(), L"");
    EXPECT_EQ(f.languageIni(), ini);
}

TEST(LanguageChooser, OkWaitsForASelection) {
    PluginFolder f;
    addCandidates(f);   // no setting, and the default name is not among them
    Seen before, after;
    Watcher w(kCaption, [&](HWND d) {
        before = look(d);
        lang_test::pressButton(d, IDOK);   // nothing selected: ignored
        HWND list = GetDlgItem(d, IDC_LANGUAGE_LIST);
        LVITEMW state = {};
        state.stateMask = state.state = LVIS_SELECTED;
        SendMessageW(list, LVM_SETITEMSTATE, 0, reinterpret_cast<LPARAM>(&state));
        after = look(d);
        lang_test::pressButton(d, IDOK);
    });
    DialogLanguage chooser(f.plugin(), nullptr, true, false, true, L"");
    w.join();
    ASSERT_TRUE(w.found());
    EXPECT_EQ(before.selected, -1);
    EXPECT_FALSE(before.okEnabled);
    EXPECT_TRUE(after.okEnabled);
    EXPECT_TRUE(chooser.accepted());
    EXPECT_EQ(chooser.chosen(), L"Vexa2EN.dll");
    EXPECT_EQ(f.languageIni(), "");   // saving was turned off
}

TEST(LanguageChooser, WhenCancelIsNotAllowedThereIsNoSystemMenuAndCancelDoesNothing) {
    PluginFolder f;
    addCandidates(f);
    Seen seen;
    bool openAfterCancel = false, openAfterClose = false;
    Watcher w(kCaption, [&](HWND d) {
        seen = look(d);
        lang_test::pressButton(d, IDCANCEL);
        openAfterCancel = IsWindow(d) && IsWindowVisible(d);
        SendMessageW(d, WM_CLOSE, 0, 0);   // the dialog turns it into Cancel
        openAfterClose = IsWindow(d) && IsWindowVisible(d);
        lang_test::pressButton(d, IDOK);
    });
    DialogLanguage chooser(f.plugin(), nullptr, false, true, false, L"Vexa2EN.dll");
    w.join();
    ASSERT_TRUE(w.found());
    EXPECT_FALSE(seen.style & WS_SYSMENU);
    EXPECT_TRUE(openAfterCancel);
    EXPECT_TRUE(openAfterClose);
    EXPECT_TRUE(chooser.accepted());
    EXPECT_EQ(chooser.chosen(), L"Vexa2EN.dll");
}

TEST(LanguageChooser, MissingLanguageFolderShowsAnEmptyList) {
    PluginFolder f(false);
    Seen seen;
    Watcher w(kCaption, [&](HWND d) {
        seen = look(d);
        lang_test::pressButton(d, IDCANCEL);
    });
    DialogLanguage chooser(f.plugin(), nullptr, true, true, false, L"");
    w.join();
    ASSERT_TRUE(w.found());
    EXPECT_TRUE(seen.rows.empty());
    EXPECT_FALSE(seen.okEnabled);
    EXPECT_FALSE(chooser.accepted());
    EXPECT_FALSE(f.dir().exists(u"Vexa2Lang"));
}

// The shipped libraries, as installed: both are offered, each under its own
// language's name, and with no choice saved the default (Japanese) row is
// the one selected.
TEST(LanguageChooser, OffersBothShippedLibrariesWithJapaneseSelected) {
    PluginFolder f;
    ASSERT_TRUE(f.addLibrary(L"Vexa2Lang\\Vexa2EN.dll", u"Vexa2EN.dll"));
    ASSERT_TRUE(f.addLibrary(L"Vexa2Lang\\Vexa2JP.dll", u"Vexa2JP.dll"));
    Seen seen;
    Watcher w(kCaption, [&](HWND d) {
        seen = look(d);
        lang_test::pressButton(d, IDCANCEL);
    });
    DialogLanguage chooser(f.plugin(), nullptr, true, false, false, L"");
    w.join();
    ASSERT_TRUE(w.found());
    const Row japanese{L"Vexa2JP.dll", L"\u65E5\u672C\u8A9E"};
    ASSERT_EQ(seen.rows.size(), 2u);
    EXPECT_TRUE(seen.rows[0] == japanese || seen.rows[1] == japanese);
    EXPECT_TRUE(seen.rows[0] == (Row{L"Vexa2EN.dll", L"English"}) || seen.rows[1] == (Row{L"Vexa2EN.dll", L"English"}));
    ASSERT_GE(seen.selected, 0);
    EXPECT_EQ(seen.rows[seen.selected], japanese);
    EXPECT_FALSE(chooser.accepted());
    EXPECT_EQ(f.languageIni(), "") << "cancel writes no choice";
}
