// The shortcut keys page in the settings sheet, with the English library's
// template: keys changed in the hotkey box are kept per row and stored on
// OK as the differences from the defaults, the check button asks about keys
// given twice, and Cancel stores nothing. A watcher thread plays the user
// while the test's thread runs the sheet.
#include "base/win32/wide.h"
#include "frame/message_ids.h"
#include "frame/win32/language.h"
#include "frame/win32/plugin_app.h"
#include "lang/resource_ids.h"
#include "mainwindow/toolbar_table.h"
#include "settings/win32/settings_sheet.h"
#include "tests/wine/host_test_support.h"
#include "tests/wine/inprocess_plugin.h"
#include "tests/wine/language_test_support.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <set>
#include <string>

namespace {

using lang_test::PluginFolder;
using lang_test::Watcher;

const size_t kUserStringMenuRow = static_cast<size_t>(toolbar_table::indexOf(41054));
const size_t kGotoLineRow = static_cast<size_t>(toolbar_table::indexOf(41079));   // default Ctrl + G
constexpr size_t kFirstUserStringRow = 113;

std::wstring cellText(HWND list, int row, int column) {
    wchar_t buffer[300] = {};
    LVITEMW cell = {};
    cell.iSubItem = column;
    cell.pszText = buffer;
    cell.cchTextMax = 300;
    SendMessageW(list, LVM_GETITEMTEXTW, row, reinterpret_cast<LPARAM>(&cell));
    return buffer;
}

void selectRow(HWND list, size_t row) {
    LVITEMW state = {};
    state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    state.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(list, LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(&state));
}

void setHotkey(HWND hotkey, BYTE key, BYTE modifiers) { SendMessageW(hotkey, HKM_SETHOTKEY, MAKEWORD(key, modifiers), 0); }

// Answers the message box with caption by pressing answer; its text, or
// "<no box>".
std::wstring answerBox(const std::wstring& caption, int answer) {
    HWND box = nullptr;
    host_test::waitFor([&] { return (box = lang_test::findOwnWindow(caption)) != nullptr; }, 15000);
    if (!box) return L"<no box>";
    std::wstring text = lang_test::messageBoxText(box);
    PostMessageW(box, WM_COMMAND, MAKEWPARAM(answer, BN_CLICKED), 0);
    host_test::waitFor([&] { return lang_test::findOwnWindow(caption) == nullptr; }, 15000);
    return text;
}

std::wstring firstLine(const std::wstring& s) { return s.substr(0, s.find_first_of(L"\r\n")); }

class ShortcutSettingsPage : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_NO_FATAL_FAILURE(inprocess::startEnglishPlugin(folder));
        owner = CreateWindowExW(0, L"STATIC", L"owner", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr, nullptr,
                                nullptr, nullptr);
        ASSERT_NE(owner, nullptr);
    }
    void TearDown() override {
        if (owner) DestroyWindow(owner);
        app::stop();
        setPluginInstance(nullptr);
    }

    // Runs the sheet on the shortcut page; script gets the sheet and the page.
    SettingsSheetResult runSheet(std::function<void(HWND sheet, HWND page)> script) {
        Watcher user(lang::message(msgid::SettingsCaption), [&](HWND sheet) {
            HWND page = nullptr;
            host_test::waitFor([&] {
                page = reinterpret_cast<HWND>(SendMessageW(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
                return page && GetDlgItem(page, VEXA_IDC_SHORTCUT_LIST);
            }, 15000);
            if (page) script(sheet, page);
            else PostMessageW(sheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
        }, 30000);
        SettingsSheetResult result = runSettingsSheet(owner, PageShortcut);
        user.join();
        EXPECT_TRUE(user.found()) << "no settings sheet";
        return result;
    }

    // The "ShortCut" section as key=value lines.
    std::set<std::wstring> section() {
        wchar_t buffer[8000] = {};
        GetPrivateProfileSectionW(L"ShortCut", buffer, 8000, wide::w(folder.dir().file(u"Vexa2.ini")));
        std::set<std::wstring> lines;
        for (const wchar_t* p = buffer; *p; p += wcslen(p) + 1) lines.insert(p);
        return lines;
    }

    PluginFolder folder;
    HWND owner = nullptr;
};

TEST_F(ShortcutSettingsPage, OkStoresTheChangedRowsOnly) {
    // A key stored before that the user sets back to its default goes away.
    ASSERT_TRUE(folder.dir().write(u"Vexa2.ini", "[ShortCut]\r\nStatus=1\r\n" + std::to_string(kGotoLineRow) +
                                                     "=600\r\n"));
    int rows = 0;
    std::wstring userStringRow, userMenuKey, firstRowKey, userStringKey;
    bool listOffWithStatus = false;
    SettingsSheetResult result = runSheet([&](HWND sheet, HWND page) {
        HWND list = GetDlgItem(page, VEXA_IDC_SHORTCUT_LIST);
        HWND hotkey = GetDlgItem(page, VEXA_IDC_SHORTCUT_HOTKEY);
        rows = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
        userStringRow = cellText(list, kFirstUserStringRow + 1, 0);
        userMenuKey = cellText(list, kUserStringMenuRow, 1);

        selectRow(list, 0);
        setHotkey(hotkey, 'Q', HOTKEYF_CONTROL | HOTKEYF_ALT);
        selectRow(list, kUserStringMenuRow);
        setHotkey(hotkey, 0, 0);                       // its default key removed
        selectRow(list, kGotoLineRow);
        setHotkey(hotkey, 'G', HOTKEYF_CONTROL);       // back to the default
        selectRow(list, kFirstUserStringRow);
        setHotkey(hotkey, 'A', 0);                     // a key alone
        selectRow(list, 1);                            // stores the user string's key
        firstRowKey = cellText(list, 0, 1);
        userStringKey = cellText(list, kFirstUserStringRow, 1);

        SendMessageW(GetDlgItem(page, VEXA_IDC_SHORTCUT_STATUS), BM_CLICK, 0, 0);
        listOffWithStatus = !IsWindowEnabled(list) && !IsWindowEnabled(hotkey) &&
                            !IsWindowEnabled(GetDlgItem(page, VEXA_IDC_SHORTCUT_CHECK));
        PostMessageW(sheet, PSM_PRESSBUTTON, PSBTN_OK, 0);
    });
    EXPECT_EQ(result.result, 1);
    EXPECT_EQ(rows, 163);
    EXPECT_EQ(userStringRow, L"User string 2");
    EXPECT_EQ(userMenuKey, L"Ctrl + Shift + U");
    EXPECT_EQ(firstRowKey, L"Ctrl + Alt + Q");
    EXPECT_EQ(userStringKey, L"Ctrl + Shift + A");
    EXPECT_TRUE(listOffWithStatus);
    EXPECT_EQ(section(), (std::set<std::wstring>{
                             L"Status=0",
                             L"0=1617",                                           // 0x651
                             std::to_wstring(kUserStringMenuRow) + L"=0",
                             std::to_wstring(kFirstUserStringRow) + L"=833",      // 0x341
                         }));
}

TEST_F(ShortcutSettingsPage, DefaultsPutEveryKeyAndTheSwitchBack) {
    ASSERT_TRUE(folder.dir().write(u"Vexa2.ini", "[ShortCut]\r\nStatus=0\r\n0=1617\r\n" +
                                                     std::to_string(kUserStringMenuRow) + "=0\r\n"));
    std::wstring asked, userMenuKey, firstRowKey;
    bool listOffAtStart = false, listOnAfter = false;
    SettingsSheetResult result = runSheet([&](HWND sheet, HWND page) {
        HWND list = GetDlgItem(page, VEXA_IDC_SHORTCUT_LIST);
        listOffAtStart = !IsWindowEnabled(list);
        PostMessageW(page, WM_COMMAND, MAKEWPARAM(VEXA_IDC_SHORTCUT_DEFAULTS, BN_CLICKED), 0);
        asked = answerBox(lang::message(msgid::CaptionQuestion), IDYES);
        listOnAfter = IsWindowEnabled(list) && IsDlgButtonChecked(page, VEXA_IDC_SHORTCUT_STATUS) == BST_CHECKED;
        userMenuKey = cellText(list, kUserStringMenuRow, 1);
        firstRowKey = cellText(list, 0, 1);
        PostMessageW(sheet, PSM_PRESSBUTTON, PSBTN_OK, 0);
    });
    EXPECT_EQ(result.result, 1);
    EXPECT_TRUE(listOffAtStart);
    EXPECT_EQ(asked, lang::message(msgid::SettingsAskDefaults));
    EXPECT_TRUE(listOnAfter);
    EXPECT_EQ(userMenuKey, L"Ctrl + Shift + U");
    EXPECT_EQ(firstRowKey, L"");
    EXPECT_EQ(section(), (std::set<std::wstring>{L"Status=1"}));
}

TEST_F(ShortcutSettingsPage, CheckAsksAboutASharedKeyAndCancelStoresNothing) {
    std::wstring asked, clear;
    SettingsSheetResult result = runSheet([&](HWND sheet, HWND page) {
        HWND list = GetDlgItem(page, VEXA_IDC_SHORTCUT_LIST);
        HWND hotkey = GetDlgItem(page, VEXA_IDC_SHORTCUT_HOTKEY);
        selectRow(list, 0);
        setHotkey(hotkey, 'U', HOTKEYF_CONTROL | HOTKEYF_SHIFT);   // the user-string menu's key
        PostMessageW(page, WM_COMMAND, MAKEWPARAM(VEXA_IDC_SHORTCUT_CHECK, BN_CLICKED), 0);
        asked = answerBox(lang::message(msgid::CaptionQuestion), IDNO);
        setHotkey(hotkey, 'U', HOTKEYF_CONTROL | HOTKEYF_ALT);
        PostMessageW(page, WM_COMMAND, MAKEWPARAM(VEXA_IDC_SHORTCUT_CHECK, BN_CLICKED), 0);
        clear = answerBox(lang::message(msgid::CaptionQuestion), IDOK);
        PostMessageW(sheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
    });
    EXPECT_EQ(result.result, 0);
    EXPECT_EQ(asked, std::wstring(lang::message(msgid::ShortcutDuplicateIntro)) + L"\r\n\r\n\r\n" +
                         firstLine(lang::message(msgid::commandText(41001))) + L"\r\n\r\n" +
                         firstLine(lang::message(msgid::commandText(41054))) + L"\r\n\r\n\r\n" +
                         lang::message(msgid::ShortcutDuplicateOutro));
    EXPECT_EQ(clear, lang::message(msgid::ShortcutNoDuplicates));
    EXPECT_FALSE(folder.dir().exists(u"Vexa2.ini"));
}

} // namespace
