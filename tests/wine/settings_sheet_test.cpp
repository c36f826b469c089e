// The settings sheet as the host opens it (PlugInProc 2305) and as the
// main window's system menu does: what OK stores, that Cancel stores
// nothing, the multi-user choice on a file that cannot be written, and the
// restart notice after a language or multi-user change.
//
// A thread of the test plays the user while the editor's thread runs the
// sheet: it finds the sheet, goes to pages by their titles, sets controls
// and presses OK or Cancel, then answers the message boxes that follow
// until the host's call returns. New pages add their cases with the same
// helpers (SheetScript and the free functions below).
#include "base/str.h"
#include "frame/message_ids.h"
#include "frame/win32/module.h"
#include "frame/win32/plugin_app.h"
#include "host/editor_thread.h"
#include "lang/resource_ids.h"
#include "tests/wine/inprocess_plugin.h"
#include "tests/wine/loaded_plugin_test.h"
#include "tests/wine/plugin_test_support.h"

#include <gtest/gtest.h>

#include <commctrl.h>
#include <prsht.h>

#include <atomic>
#include <functional>
#include <memory>
#include <set>
#include <thread>
#include <vector>

namespace {
using namespace plugin_test;

constexpr DWORD LongWait = 30000;
constexpr UINT SettingsCode = 2305;
constexpr WPARAM SettingsSystemCommand = 1;

// Own-process dialogs the predicate accepts (visible, class #32770).
HWND ownDialog(const std::function<bool(HWND)>& match) {
    struct Find {
        const std::function<bool(HWND)>* match;
        HWND found = nullptr;
        static BOOL CALLBACK visit(HWND w, LPARAM self) {
            auto* f = reinterpret_cast<Find*>(self);
            DWORD pid = 0;
            GetWindowThreadProcessId(w, &pid);
            if (pid != GetCurrentProcessId() || !IsWindowVisible(w) || host_test::className(w) != L"#32770")
                return TRUE;
            if (!(*f->match)(w)) return TRUE;
            f->found = w;
            return FALSE;
        }
    } find{&match};
    EnumWindows(&Find::visit, reinterpret_cast<LPARAM>(&find));
    return find.found;
}

// Polls without pumping: the windows belong to the editor's thread.
HWND waitForDialog(const std::function<bool(HWND)>& match, DWORD limitMs = LongWait) {
    DWORD start = GetTickCount();
    for (;;) {
        if (HWND w = ownDialog(match)) return w;
        if (GetTickCount() - start > limitMs) return nullptr;
        Sleep(10);
    }
}

// The page acts on an answer after its box is gone: poll for the effect.
bool eventually(const std::function<bool()>& cond, DWORD limitMs = 10000) {
    DWORD start = GetTickCount();
    while (!cond()) {
        if (GetTickCount() - start > limitMs) return false;
        Sleep(10);
    }
    return true;
}

bool waitGone(HWND w, DWORD limitMs = LongWait) {
    DWORD start = GetTickCount();
    while (IsWindow(w) && IsWindowVisible(w)) {
        if (GetTickCount() - start > limitMs) return false;
        Sleep(10);
    }
    return true;
}

// --- the sheet ---------------------------------------------------------------

std::wstring sheetCaption() { return englishMessage(0x11F0001); }

HWND currentPage(HWND sheet) { return reinterpret_cast<HWND>(SendMessageW(sheet, PSM_GETCURRENTPAGEHWND, 0, 0)); }

int pageCount(HWND sheet) {
    HWND tabs = reinterpret_cast<HWND>(SendMessageW(sheet, PSM_GETTABCONTROL, 0, 0));
    return tabs ? static_cast<int>(SendMessageW(tabs, TCM_GETITEMCOUNT, 0, 0)) : 0;
}

std::wstring pageTitle(HWND sheet, int index) {
    HWND tabs = reinterpret_cast<HWND>(SendMessageW(sheet, PSM_GETTABCONTROL, 0, 0));
    wchar_t text[128] = {};
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = text;
    item.cchTextMax = 128;
    if (!tabs || !SendMessageW(tabs, TCM_GETITEMW, index, reinterpret_cast<LPARAM>(&item))) return L"";
    return text;
}

// Goes to a page by position among the shown pages; its window.
HWND showPage(HWND sheet, int index) {
    SendMessageW(sheet, PSM_SETCURSEL, index, 0);
    return currentPage(sheet);
}

// Goes to the page with this title (the sheet shows only the pages the
// language library has templates for, so positions may shift); null when
// no page has it.
HWND showPage(HWND sheet, const std::wstring& title) {
    for (int i = 0; i < pageCount(sheet); ++i)
        if (pageTitle(sheet, i) == title) return showPage(sheet, i);
    return nullptr;
}

void pressOk(HWND sheet) { PostMessageW(sheet, PSM_PRESSBUTTON, PSBTN_OK, 0); }
void pressCancel(HWND sheet) { PostMessageW(sheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0); }

// --- controls on a page --------------------------------------------------------

void setCheck(HWND page, int id, UINT state) { SendDlgItemMessageW(page, id, BM_SETCHECK, state, 0); }
UINT checkState(HWND page, int id) { return static_cast<UINT>(SendDlgItemMessageW(page, id, BM_GETCHECK, 0, 0)); }
bool enabled(HWND page, int id) { return IsWindowEnabled(GetDlgItem(page, id)) != FALSE; }
void setText(HWND page, int id, const wchar_t* text) { SetDlgItemTextW(page, id, text); }
void choose(HWND page, int id, int index) {
    SendDlgItemMessageW(page, id, CB_SETCURSEL, index, 0);
    SendMessageW(page, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(GetDlgItem(page, id)));
}
// For buttons that open a dialog of their own: posted, so that this thread
// is free to play that dialog.
void postClick(HWND page, int id) {
    PostMessageW(page, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(page, id)));
}

// The tools of the page's tip window, told by the controls its tools
// cover (Windows gives a popup the page's top-level window as owner);
// -1 when the page has none.
int tipCount(HWND page) {
    struct Find {
        HWND page;
        int count = -1;
        static BOOL CALLBACK visit(HWND w, LPARAM self) {
            auto* f = reinterpret_cast<Find*>(self);
            if (host_test::className(w) != TOOLTIPS_CLASSW) return TRUE;
            TTTOOLINFOW tool{};
            tool.cbSize = sizeof tool;
            if (!SendMessageW(w, TTM_ENUMTOOLSW, 0, reinterpret_cast<LPARAM>(&tool)) || GetParent(tool.hwnd) != f->page)
                return TRUE;
            f->count = static_cast<int>(SendMessageW(w, TTM_GETTOOLCOUNT, 0, 0));
            return FALSE;
        }
    } find{page};
    EnumThreadWindows(GetWindowThreadProcessId(page, nullptr), &Find::visit, reinterpret_cast<LPARAM>(&find));
    return find.count;
}

// --- the language chooser --------------------------------------------------------

constexpr int ChooserList = 131;

HWND waitForChooser() {
    return waitForDialog([](HWND w) { return GetDlgItem(w, ChooserList) != nullptr; });
}

std::wstring selectedLibrary(HWND chooser) {
    HWND list = GetDlgItem(chooser, ChooserList);
    int row = static_cast<int>(SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
    if (row < 0) return L"";
    wchar_t text[MAX_PATH] = {};
    LVITEMW item{};
    item.pszText = text;
    item.cchTextMax = MAX_PATH;
    SendMessageW(list, LVM_GETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item));
    return text;
}

void selectLibrary(HWND chooser, const wchar_t* name) {
    HWND list = GetDlgItem(chooser, ChooserList);
    LVFINDINFOW find{};
    find.flags = LVFI_STRING;
    find.psz = name;
    int row = static_cast<int>(SendMessageW(list, LVM_FINDITEMW, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&find)));
    LVITEMW state{};
    state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    state.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(list, LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(&state));
}

// Presses a page's defaults button and answers its question with Yes; the
// question's text, or "<no question>".
std::wstring restoreDefaults(HWND page) {
    postClick(page, VEXA_IDC_PAGE_DEFAULTS);
    HWND box = waitForDialog([](HWND w) { return GetDlgItem(w, 0xFFFF) != nullptr; });
    if (!box) return L"<no question>";
    std::wstring text = host_test::windowCaption(GetDlgItem(box, 0xFFFF));
    PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDYES, BN_CLICKED), 0);
    waitGone(box);
    return text;
}

// --- a run of the sheet ------------------------------------------------------------

// What the user saw: whether the sheet opened, and the message boxes that
// came after it (their texts).
struct SheetRun {
    bool opened = false;
    bool closed = false;
    std::vector<std::wstring> boxes;
};

using SheetScript = std::function<void(HWND sheet)>;

// Runs open on the editor's thread while script plays the sheet on this
// one; a script that does not end the sheet gets it cancelled, so a failed
// check never hangs the test. Message boxes after the sheet are answered
// with OK until open returns.
SheetRun runSheet(EditorThread& e, const SheetScript& script, const std::function<void()>& open) {
    SheetRun out;
    std::atomic<bool> returned{false};
    std::thread user([&] {
        std::wstring caption = sheetCaption();
        HWND sheet = waitForDialog([&](HWND w) { return host_test::windowCaption(w) == caption; });
        if (!sheet) return;
        out.opened = true;
        script(sheet);
        if (!waitGone(sheet, 10000)) pressCancel(sheet);
        out.closed = waitGone(sheet);
        std::set<HWND> answered;
        while (!returned) {
            HWND box = ownDialog([&](HWND w) { return GetDlgItem(w, 0xFFFF) && !answered.count(w); });
            if (box) {
                answered.insert(box);
                out.boxes.push_back(host_test::windowCaption(GetDlgItem(box, 0xFFFF)));
                PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
            }
            Sleep(10);
        }
    });
    EXPECT_TRUE(e.run([&](EditorView&) { open(); }));
    returned = true;
    user.join();
    return out;
}

class SettingsSheet : public LoadedPluginTest {
protected:
    void SetUp() override {
        LoadedPluginTest::SetUp();
        // Settings that already exist, in the form the plug-in writes them.
        ASSERT_TRUE(dir.write(u"Vexa2.ini", kStartFile));
    }
    static constexpr const char* kStartFile =
        "[ini]\r\nVersion=21294\r\n[BasicSettings]\r\nStale=1\r\nWindow=2\r\n[Char]\r\nWindow=5\r\n"
        "[Multiuser]\r\nMode=0\r\n[Make]\r\nAutoDelete=0\r\n";

    EditorThread& editor() {
        if (editors.empty()) {
            EditorWindowOptions o;
            o.text = u"x";
            o.show = SW_SHOWNOACTIVATE;
            editors.push_back(std::make_unique<EditorThread>(o));
            EXPECT_TRUE(editors.back()->started());
        }
        return *editors.back();
    }

    // The host's settings call, unless open says otherwise.
    SheetRun run(const SheetScript& script, const std::function<void(EditorThread&)>& open = nullptr) {
        EditorThread& e = editor();
        return runSheet(e, script, [&] {
            if (open) open(e);
            else EXPECT_EQ(loader.plugInProc(e.editor(), SettingsCode, 0, 0), 1);
        });
    }

    std::string file() { return dir.read(u"Vexa2.ini"); }
};

TEST_F(SettingsSheet, OkStoresExactlyTheKeysOfEachPage) {
    load();
    bool rowsOffWhenFloating = false, floatingChoicesOn = false;
    SheetRun r = run([&](HWND sheet) {
        HWND basic = showPage(sheet, englishMessage(0x1200001));
        EXPECT_NE(basic, nullptr);
        EXPECT_EQ(SendDlgItemMessageW(basic, VEXA_IDC_BASIC_PLACEMENT, CB_GETCURSEL, 0, 0), 2);
        choose(basic, VEXA_IDC_BASIC_PLACEMENT, 4);
        rowsOffWhenFloating = !enabled(basic, VEXA_IDC_BASIC_LINES) && !enabled(basic, VEXA_IDC_BASIC_LINES_LABEL);
        floatingChoicesOn = enabled(basic, VEXA_IDC_BASIC_COMPLETE_VISIBLE) && enabled(basic, VEXA_IDC_BASIC_MOVE_MAIN);
        setText(basic, VEXA_IDC_BASIC_LINES, L"3");
        setText(basic, VEXA_IDC_BASIC_LIMIT, L"100");
        setCheck(basic, VEXA_IDC_BASIC_AUTO_EXECUTE, BST_UNCHECKED);
        setCheck(basic, VEXA_IDC_BASIC_SUB_RELATIVE, BST_UNCHECKED);
        setCheck(basic, VEXA_IDC_BASIC_SUB_ABSOLUTE, BST_CHECKED);
        setCheck(basic, VEXA_IDC_BASIC_MOVE_MAIN, BST_UNCHECKED);

        HWND palette = showPage(sheet, englishMessage(0x1230001));
        EXPECT_NE(palette, nullptr);
        // Window=5 on file: the first and third category on tabs.
        EXPECT_EQ(checkState(palette, VEXA_IDC_CHAR_SGREEK), UINT(BST_CHECKED));
        EXPECT_EQ(checkState(palette, VEXA_IDC_CHAR_BGREEK), UINT(BST_UNCHECKED));
        EXPECT_EQ(checkState(palette, VEXA_IDC_CHAR_MATH), UINT(BST_CHECKED));
        setCheck(palette, VEXA_IDC_CHAR_SGREEK, BST_INDETERMINATE);
        setCheck(palette, VEXA_IDC_CHAR_ECHAR, BST_CHECKED);
        setCheck(palette, VEXA_IDC_CHAR_AUTO_CLOSE, BST_CHECKED);

        HWND multi = showPage(sheet, englishMessage(0x1240001));
        EXPECT_NE(multi, nullptr);
        EXPECT_EQ(checkState(multi, VEXA_IDC_MULTIUSER_SINGLE), UINT(BST_CHECKED));
        setCheck(multi, VEXA_IDC_MULTIUSER_SINGLE, BST_UNCHECKED);
        setCheck(multi, VEXA_IDC_MULTIUSER_MULTI, BST_CHECKED);
        pressOk(sheet);
    });
    ASSERT_TRUE(r.opened);
    EXPECT_TRUE(r.closed);
    EXPECT_TRUE(rowsOffWhenFloating);
    EXPECT_TRUE(floatingChoicesOn);
    // Each page's section in its place, with its keys alone; the others as they were.
    EXPECT_EQ(file(),
              "[ini]\r\nVersion=21294\r\n"
              "[BasicSettings]\r\nWindow=4\r\nLines=3\r\nCompleteVisible=1\r\nSubWindow=1\r\nAutoMove=2\r\n"
              "Limit=100\r\nAutoExecute=0\r\nSubCompleteVisible=0\r\nHideSubWindow=1\r\nShowToolTip=1\r\n"
              "[Char]\r\nWindow=65540\r\nWindowSep=1\r\nAutoClose=1\r\nAutoCloseSep=0\r\n"
              "[Multiuser]\r\nMode=1\r\n[Make]\r\nAutoDelete=0\r\n");
    // The other file is only used from the next start: the user is told.
    ASSERT_EQ(r.boxes.size(), 1u);
    EXPECT_EQ(r.boxes[0], englishMessage(0x11F0003));
}

TEST_F(SettingsSheet, DefaultsOnEveryPageThenOkStoreTheDefaults) {
    ASSERT_TRUE(dir.write(u"Vexa2.ini",
                          "[BasicSettings]\r\nWindow=1\r\nLines=5\r\nSubWindow=0\r\nAutoMove=0\r\nLimit=7\r\n"
                          "ShowToolTip=0\r\n[Char]\r\nWindow=0\r\nWindowSep=3\r\nAutoClose=1\r\nAutoCloseSep=1\r\n"
                          "[Multiuser]\r\nMode=0\r\n"));
    load();
    std::vector<std::wstring> questions;
    bool rowsOnWhenDocked = false;
    SheetRun r = run([&](HWND sheet) {
        for (uint32_t title : {0x1200001u, 0x1230001u, 0x1240001u}) {
            HWND page = showPage(sheet, englishMessage(title));
            if (title == 0x1240001u) {
                setCheck(page, VEXA_IDC_MULTIUSER_SINGLE, BST_UNCHECKED);
                setCheck(page, VEXA_IDC_MULTIUSER_MULTI, BST_CHECKED);
            }
            questions.push_back(restoreDefaults(page));
            if (title == 0x1200001u)
                rowsOnWhenDocked = eventually([&] { return enabled(page, VEXA_IDC_BASIC_LINES); });
            if (title == 0x1240001u)
                eventually([&] { return checkState(page, VEXA_IDC_MULTIUSER_SINGLE) == BST_CHECKED; });
        }
        pressOk(sheet);
    });
    ASSERT_TRUE(r.opened);
    for (const std::wstring& q : questions) EXPECT_EQ(q, englishMessage(0x11F0004));
    EXPECT_EQ(questions.size(), 3u);
    EXPECT_TRUE(rowsOnWhenDocked);
    EXPECT_EQ(file(),
              "[BasicSettings]\r\nWindow=6\r\nLines=2\r\nCompleteVisible=1\r\nSubWindow=2\r\nAutoMove=3\r\n"
              "Limit=0\r\nAutoExecute=1\r\nSubCompleteVisible=0\r\nHideSubWindow=1\r\nShowToolTip=1\r\n"
              "[Char]\r\nWindow=131071\r\nWindowSep=0\r\nAutoClose=0\r\nAutoCloseSep=0\r\n[Multiuser]\r\nMode=0\r\n");
    // The default language library is not installed here, so the language
    // stays as it is, and nothing else needs a restart.
    EXPECT_TRUE(r.boxes.empty());
    EXPECT_EQ(dir.read(u"Vexa2Lang\\Vexa2Lang.ini"), "[Language]\r\nDLL=Vexa2EN.dll\r\n");
}

TEST_F(SettingsSheet, EveryControlHasItsTipUnlessTipsAreOff) {
    load();
    for (bool tips : {true, false}) {
        if (!tips)
            WritePrivateProfileStringW(L"BasicSettings", L"ShowToolTip", L"0", path(dir, L"Vexa2.ini").c_str());
        std::vector<int> counts;
        SheetRun r = run([&](HWND sheet) {
            for (uint32_t title : {0x1200001u, 0x1230001u, 0x1240001u})
                counts.push_back(tipCount(showPage(sheet, englishMessage(title))));
            pressCancel(sheet);
        });
        ASSERT_TRUE(r.opened);
        // Basic: 14 controls; palette: 17 categories and 2 boxes; multi-user:
        // 2 choices; each with the defaults button.
        std::vector<int> want = tips ? std::vector<int>{15, 20, 3} : std::vector<int>{-1, -1, -1};
        EXPECT_EQ(counts, want) << tips;
    }
}

TEST_F(SettingsSheet, CancelAfterVisitingEveryPageLeavesTheFileAlone) {
    // The typesetting page reads the shipped command file; it must come
    // through untouched as well.
    ASSERT_TRUE(CopyFileW((distFolder() + L"Vexa2cmd.bat").c_str(), path(dir, L"Vexa2cmd.bat").c_str(), FALSE));
    const std::string commands = dir.read(u"Vexa2cmd.bat");
    load();
    int pages = 0;
    std::vector<int> pagesWithoutDefaults;
    SheetRun r = run([&](HWND sheet) {
        pages = pageCount(sheet);
        for (int i = 0; i < pages; ++i) {
            HWND page = showPage(sheet, i);
            // Every page can be set back to its defaults.
            if (!GetDlgItem(page, VEXA_IDC_PAGE_DEFAULTS)) pagesWithoutDefaults.push_back(i);
            // A change on every page.
            setCheck(page, VEXA_IDC_BASIC_AUTO_EXECUTE, BST_UNCHECKED);
            setCheck(page, VEXA_IDC_CHAR_AUTO_CLOSE, BST_CHECKED);
            setCheck(page, VEXA_IDC_MULTIUSER_MULTI, BST_CHECKED);
        }
        pressCancel(sheet);
    });
    ASSERT_TRUE(r.opened);
    EXPECT_TRUE(r.closed);
    EXPECT_EQ(pages, 6);
    EXPECT_EQ(pagesWithoutDefaults, std::vector<int>{});
    EXPECT_EQ(file(), kStartFile);
    EXPECT_EQ(dir.read(u"Vexa2cmd.bat"), commands);
    EXPECT_TRUE(r.boxes.empty());
}

TEST_F(SettingsSheet, AFileThatCannotBeWrittenMakesTheMultiUserChoiceReadOnly) {
    load();
    // Held open by another program that lets others read it, not replace it.
    HANDLE held = CreateFileW(path(dir, L"Vexa2.ini").c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    bool single = false, multi = true, defaults = true, multiChecked = true;
    SheetRun r = run([&](HWND sheet) {
        HWND page = showPage(sheet, englishMessage(0x1240001));
        single = enabled(page, VEXA_IDC_MULTIUSER_SINGLE);
        multi = enabled(page, VEXA_IDC_MULTIUSER_MULTI);
        defaults = enabled(page, VEXA_IDC_PAGE_DEFAULTS);
        multiChecked = checkState(page, VEXA_IDC_MULTIUSER_MULTI) == BST_CHECKED;
        pressOk(sheet);
    });
    CloseHandle(held);
    ASSERT_TRUE(r.opened);
    EXPECT_FALSE(single);
    EXPECT_FALSE(multi);
    EXPECT_FALSE(defaults);
    EXPECT_FALSE(multiChecked);   // Mode=0 is still read
    EXPECT_EQ(file(), kStartFile);
    EXPECT_TRUE(r.boxes.empty());
}

TEST_F(SettingsSheet, OnlyAnotherLanguageAsksForARestart) {
    // A second library to choose: the English one under another name.
    ASSERT_TRUE(CopyFileW(path(dir, L"Vexa2Lang\\Vexa2EN.dll").c_str(), path(dir, L"Vexa2Lang\\Vexa2XX.dll").c_str(),
                          FALSE));
    load();
    const std::string languageFile = dir.read(u"Vexa2Lang\\Vexa2Lang.ini");

    std::wstring preselected;
    SheetRun same = run([&](HWND sheet) {
        HWND basic = showPage(sheet, englishMessage(0x1200001));
        postClick(basic, VEXA_IDC_BASIC_LANGUAGE);
        HWND chooser = waitForChooser();
        if (chooser) {
            preselected = selectedLibrary(chooser);
            PostMessageW(chooser, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
            waitGone(chooser);
        }
        pressOk(sheet);
    });
    ASSERT_TRUE(same.opened);
    EXPECT_EQ(preselected, L"Vexa2EN.dll");
    EXPECT_TRUE(same.boxes.empty());
    EXPECT_EQ(dir.read(u"Vexa2Lang\\Vexa2Lang.ini"), languageFile);

    SheetRun other = run([&](HWND sheet) {
        HWND basic = showPage(sheet, englishMessage(0x1200001));
        postClick(basic, VEXA_IDC_BASIC_LANGUAGE);
        HWND chooser = waitForChooser();
        if (chooser) {
            selectLibrary(chooser, L"Vexa2XX.dll");
            PostMessageW(chooser, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
            waitGone(chooser);
        }
        pressOk(sheet);
    });
    ASSERT_TRUE(other.opened);
    ASSERT_EQ(other.boxes.size(), 1u);
    EXPECT_EQ(other.boxes[0], englishMessage(0x11F0003));
    wchar_t name[MAX_PATH] = {};
    GetPrivateProfileStringW(L"Language", L"DLL", L"", name, MAX_PATH, path(dir, L"Vexa2Lang\\Vexa2Lang.ini").c_str());
    EXPECT_STREQ(name, L"Vexa2XX.dll");
}

TEST_F(SettingsSheet, FromTheSystemMenuOkClosesTheWindowAndCancelKeepsIt) {
    load();
    EditorThread& e = editor();
    ASSERT_TRUE(e.run([&](EditorView&) { loader.onCommand(e.editor()); }));
    HWND main = host_test::floatingMainWindow(e.threadId());
    ASSERT_NE(main, nullptr);
    auto fromMenu = [&](EditorThread&) { SendMessageW(main, WM_SYSCOMMAND, SettingsSystemCommand, 0); };

    SheetRun cancelled = run([&](HWND sheet) { pressCancel(sheet); }, fromMenu);
    ASSERT_TRUE(cancelled.opened);
    EXPECT_TRUE(IsWindow(main));
    EXPECT_EQ(openWindows(), 1);
    EXPECT_EQ(file(), kStartFile);

    SheetRun confirmed = run([&](HWND sheet) { pressOk(sheet); }, fromMenu);
    ASSERT_TRUE(confirmed.opened);
    EXPECT_FALSE(IsWindow(main));   // it reopens with the new settings
    EXPECT_EQ(openWindows(), 0);
    EXPECT_TRUE(confirmed.boxes.empty());   // nothing needs a restart, no window is open
}

// The hook handles and the idle flag lie behind the library's boundary:
// this case runs the plug-in's code in the test process.
class SettingsSheetInProcess : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder.dir().write(u"Vexa2.ini", "[BasicSettings]\r\nWindow=2\r\n[Make]\r\nAutoDelete=0\r\n"));
        ASSERT_NO_FATAL_FAILURE(inprocess::startEnglishPlugin(folder));
    }
    void TearDown() override {
        editor.reset();
        app::stop();
        setPluginInstance(nullptr);
    }
    lang_test::PluginFolder folder;
    std::unique_ptr<EditorThread> editor;
};

TEST_F(SettingsSheetInProcess, TheHooksAreOutAndTheWindowBusyWhileTheSheetRuns) {
    EditorWindowOptions o;
    o.text = u"x";
    o.show = SW_SHOWNOACTIVATE;
    editor = std::make_unique<EditorThread>(o);
    ASSERT_TRUE(editor->started());
    PluginThreadContext* ctx = nullptr;
    ASSERT_TRUE(editor->run([&](EditorView&) {
        ctx = app::context();
        if (!ctx) return;
        ctx->editorWindow = editor->editor();
        ctx->mainWindow.create(editor->editor());
    }));
    ASSERT_NE(ctx, nullptr);
    ASSERT_TRUE(ctx->mainWindow.exists());
    ASSERT_NE(ctx->getMessageHook, nullptr);
    HWND main = host_test::floatingMainWindow(editor->threadId());
    ASSERT_NE(main, nullptr);

    // Read while the editor's thread waits in the sheet's loop.
    bool hooksOut = false, busy = false;
    SheetRun r = runSheet(
        *editor,
        [&](HWND sheet) {
            hooksOut = !ctx->getMessageHook && !ctx->callWndProcHook && !ctx->keyboardHook;
            busy = !ctx->mainWindow.idle();
            pressCancel(sheet);
        },
        [&] { SendMessageW(main, WM_SYSCOMMAND, SettingsSystemCommand, 0); });
    ASSERT_TRUE(r.opened);
    EXPECT_TRUE(hooksOut);
    EXPECT_TRUE(busy);
    EXPECT_TRUE(ctx->mainWindow.exists());
    EXPECT_NE(ctx->getMessageHook, nullptr);   // back after Cancel
    EXPECT_NE(ctx->callWndProcHook, nullptr);
    EXPECT_TRUE(ctx->mainWindow.idle());
    ASSERT_TRUE(editor->run([&](EditorView&) { ctx->mainWindow.destroy(); }));
}

} // namespace
