// The support settings page in the settings sheet, opened from a test
// window with the English library's templates: a key captured with a real
// modifier held, a conflicting key refused with its warning and the capture
// dialog offered again, what OK stores, clearing the history, and that
// restoring the defaults and cancelling stores nothing. A driver thread
// plays the user while the sheet runs on the test thread; it only records,
// the test thread checks.
#include "base/win32/wide.h"
#include "frame/message_ids.h"
#include "frame/win32/language.h"
#include "frame/win32/plugin_app.h"
#include "lang/resource_ids.h"
#include "settings/setting.h"
#include "settings/setting_keys.h"
#include "settings/win32/settings_sheet.h"
#include "tests/wine/host_test_support.h"
#include "tests/wine/inprocess_plugin.h"
#include "tests/wine/key_input.h"
#include "tests/wine/language_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <thread>

namespace {

using host_test::waitFor;
using lang_test::findOwnWindow;

constexpr DWORD Limit = 20000;
const wchar_t kCaptureCaption[] = L"Choose a Key";

std::wstring textOf(HWND dialog, int id) { return lang_test::windowText(GetDlgItem(dialog, id)); }
bool isChecked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }
bool isEnabled(HWND dialog, int id) { return IsWindowEnabled(GetDlgItem(dialog, id)) != FALSE; }
void click(HWND dialog, int id) { SendMessageW(GetDlgItem(dialog, id), BM_CLICK, 0, 0); }
// For buttons that open a modal window: the driver must not wait in it.
void post(HWND dialog, int id) {
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

HWND waitWindow(const std::wstring& caption) {
    HWND w = nullptr;
    waitFor([&] { return (w = findOwnWindow(caption)) != nullptr; }, Limit);
    return w;
}
bool waitGone(const std::wstring& caption) {
    return waitFor([&] { return findOwnWindow(caption) == nullptr; }, Limit);
}

// Answers the message box with caption; its text, or "<no box>".
std::wstring answer(const std::wstring& caption, int button) {
    HWND box = waitWindow(caption);
    if (!box) return L"<no box>";
    std::wstring text = lang_test::messageBoxText(box);
    PostMessageW(box, WM_COMMAND, button, 0);
    waitGone(caption);
    return text;
}

HWND focusOf(HWND window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    return GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info) ? info.hwndFocus : nullptr;
}

// Presses a button of the capture dialog the way a user does, with Ctrl
// held down on the keyboard: the button is focused and Space pressed.
// False when the dialog never came up or could not be given the keys.
bool captureWithCtrl(int button) {
    HWND capture = waitWindow(kCaptureCaption);
    if (!capture) return false;
    SetForegroundWindow(capture);
    if (!waitFor([&] { return GetForegroundWindow() == capture; }, Limit)) return false;
    HWND target = GetDlgItem(capture, button);
    PostMessageW(capture, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(target), TRUE);
    if (!waitFor([&] { return focusOf(capture) == target; }, Limit)) return false;
    if (!key_input::send(key_input::chord({VK_CONTROL}, VK_SPACE))) return false;
    return waitFor([&] { return !IsWindow(capture); }, Limit);
}

class SupportSettingsPage : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_NO_FATAL_FAILURE(inprocess::startEnglishPlugin(folder));
        owner = CreateWindowExW(0, L"STATIC", L"support page test", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr,
                                nullptr, nullptr, nullptr);
        ASSERT_NE(owner, nullptr);
    }
    void TearDown() override {
        if (owner) DestroyWindow(owner);
        app::stop();
        setPluginInstance(nullptr);
    }

    // Runs the sheet on the support page while user plays on its own
    // thread with the sheet's window and the page's.
    SettingsSheetResult run(const std::function<void(HWND sheet, HWND page)>& user) {
        std::thread driver([&] {
            HWND sheet = waitWindow(lang::message(msgid::SettingsCaption));
            if (!sheet) return;
            HWND page = reinterpret_cast<HWND>(SendMessageW(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
            if (page) user(sheet, page);
            // Whatever happened, the sheet must end for the test to go on.
            if (IsWindow(sheet)) PostMessageW(sheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
        });
        SettingsSheetResult r = runSettingsSheet(owner, PageSupport);
        driver.join();
        return r;
    }
    std::string ini() const { return folder.dir().read(ini_keys::FileName); }

    lang_test::PluginFolder folder;
    HWND owner = nullptr;
};

// The lines of one section of an INI text.
std::string sectionOf(const std::string& ini, const std::string& name) {
    size_t start = ini.find("[" + name + "]");
    if (start == std::string::npos) return {};
    size_t end = ini.find("\n[", start);
    return ini.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

TEST_F(SupportSettingsPage, KeysAreCapturedConflictsRefusedAndOkStoresThePage) {
    ASSERT_TRUE(folder.dir().write(u"Vexa2.hst", std::string(16, '\1')));
    app::settings()->writeInt(ini_keys::settings::Section, ini_keys::settings::SupportHistory, 5);
    app::settings()->writeInt(ini_keys::settings::Section, ini_keys::settings::SupportHistoryStatus, 1);

    std::wstring shownKey, refused, keptKey, newKey, asked;
    bool greyed = false, easyStays = false, historyGoneAtOnce = false, captured = false;
    SettingsSheetResult r = run([&](HWND sheet, HWND page) {
        shownKey = textOf(page, VEXA_IDC_SUPPORT_COMPLEMENT_KEY);
        click(page, VEXA_IDC_SUPPORT_INSERT_AFTER);
        click(page, VEXA_IDC_SUPPORT_SHOW_NEVER);

        // Ctrl+Tab is the suffix search's key: refused, and asked again.
        post(page, VEXA_IDC_SUPPORT_COMPLEMENT_KEY);
        if (!captureWithCtrl(VEXA_IDC_CHANGE_KEY_TAB)) return;
        refused = answer(lang::message(msgid::CaptionWarning), IDOK);
        keptKey = textOf(page, VEXA_IDC_SUPPORT_COMPLEMENT_KEY);
        if (!captureWithCtrl(VEXA_IDC_CHANGE_KEY_ENTER)) return;
        captured = true;
        newKey = textOf(page, VEXA_IDC_SUPPORT_COMPLEMENT_KEY);

        click(page, VEXA_IDC_SUPPORT_ON);   // off: greyed, but still stored
        greyed = !isEnabled(page, VEXA_IDC_SUPPORT_COMPLEMENT_KEY) && !isEnabled(page, VEXA_IDC_SUPPORT_SHOW_LAST) &&
                 !isEnabled(page, 1483);
        easyStays = isEnabled(page, VEXA_IDC_SUPPORT_EASY_KEY);

        post(page, VEXA_IDC_SUPPORT_CLEAR_HISTORY);
        asked = answer(lang::message(msgid::CaptionQuestion), IDYES);
        historyGoneAtOnce = !folder.dir().exists(u"Vexa2.hst");

        PostMessageW(sheet, PSM_PRESSBUTTON, PSBTN_OK, 0);
        waitFor([&] { return !IsWindow(sheet); }, Limit);
    });

    EXPECT_EQ(shownKey, L"Tab");
    ASSERT_TRUE(captured) << "the capture dialog could not be played";
    EXPECT_EQ(refused, lang::message(msgid::SupportKeyUsedByRSearch));
    EXPECT_EQ(keptKey, L"Tab");
    EXPECT_EQ(newKey, L"Ctrl + Enter");
    EXPECT_TRUE(greyed);
    EXPECT_TRUE(easyStays);
    EXPECT_EQ(asked, lang::message(msgid::SupportAskClearHistory));
    EXPECT_TRUE(historyGoneAtOnce);
    EXPECT_EQ(r.result, 1);

    const std::string stored = ini();
    const std::string support = sectionOf(stored, "SupportSettings");
    EXPECT_EQ(std::count(support.begin(), support.end(), '='), 17) << support;
    for (const char* line : {"ComplementKey=525", "ShowHistory=0", "InsertAfterCompliment=0", "Support=0",
                             "HistoryKey=544", "AfterHistory=2", "ShowSupportKey=3"})
        EXPECT_NE(support.find(line), std::string::npos) << line;
    const std::string history = sectionOf(stored, "Settings");
    EXPECT_EQ(history.find("SupportHistory="), std::string::npos);
    EXPECT_NE(history.find("SupportHistoryStatus=1"), std::string::npos);
}

TEST_F(SupportSettingsPage, DefaultsThenCancelStoreNothing) {
    namespace keys = ini_keys::support;
    app::settings()->writeInt(keys::Section, keys::Support, 0);
    app::settings()->writeInt(keys::Section, keys::ComplementKey, 0x231);
    app::settings()->writeInt(keys::Section, keys::AfterHistory, 9);   // no such choice
    const std::string before = ini();

    std::wstring loadedKey, restoredKey;
    bool loadedOff = false, loadedGreyed = false, restoredOn = false, defaultAfter = false, restoredEnabled = false;
    SettingsSheetResult r = run([&](HWND sheet, HWND page) {
        loadedKey = textOf(page, VEXA_IDC_SUPPORT_COMPLEMENT_KEY);
        loadedOff = !isChecked(page, VEXA_IDC_SUPPORT_ON);
        loadedGreyed = !isEnabled(page, VEXA_IDC_SUPPORT_HISTORY_KEY);
        defaultAfter = isChecked(page, VEXA_IDC_SUPPORT_AFTER_INSERT);
        post(page, 1);
        if (answer(lang::message(msgid::CaptionQuestion), IDYES) == L"<no box>") return;
        restoredKey = textOf(page, VEXA_IDC_SUPPORT_COMPLEMENT_KEY);
        restoredOn = isChecked(page, VEXA_IDC_SUPPORT_ON);
        restoredEnabled = isEnabled(page, VEXA_IDC_SUPPORT_HISTORY_KEY);
        PostMessageW(sheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
        waitFor([&] { return !IsWindow(sheet); }, Limit);
    });

    EXPECT_EQ(loadedKey, L"Ctrl + 1");
    EXPECT_TRUE(loadedOff);
    EXPECT_TRUE(loadedGreyed);
    EXPECT_TRUE(defaultAfter);
    EXPECT_EQ(restoredKey, L"Tab");
    EXPECT_TRUE(restoredOn);
    EXPECT_TRUE(restoredEnabled);
    EXPECT_EQ(r.result, 0);
    EXPECT_EQ(ini(), before);
}

} // namespace
