// The main window's toolbar at work: its buttons run the commands, the
// timer brings the highlighting and the toggle buttons in line with the
// shared state, and a customization is saved.
#include "highlight/highlight_presets.h"
#include "mainwindow/command_dispatch.h"
#include "mainwindow/toolbar_layout.h"
#include "tests/support/memory_editor.h"
#include "tests/wine/mainwindow_test_support.h"

namespace {
using namespace mainwindow_test;

using MainWindowToolbar = MainWindowTest;

void click(HWND main, HWND toolbar, UINT command) {
    SendMessageW(main, WM_COMMAND, MAKEWPARAM(command, BN_CLICKED), reinterpret_cast<LPARAM>(toolbar));
}

TEST_F(MainWindowToolbar, ButtonsChangeTheDocumentAsTheCommandsSay) {
    setting(L"BasicSettings", L"Window", L"2");
    load();
    const u16 text = u"first line\r\nsecond line";
    EditorThread& e = editor(text);
    command(e);
    HWND main = mainWindow(e);
    HWND toolbar = pluginToolbar(e);
    ASSERT_NE(toolbar, nullptr);
    // Environment, list and font buttons, each on the text as it is then.
    MemoryEditor expected(text);
    int changed = 0;
    for (UINT id : {41108u, 41005u, 41003u, 41030u, 41026u}) {
        SCOPED_TRACE(id);
        u16 before = expected.text();
        command_dispatch::runCommand(id, snippet::Target{expected, true});
        click(main, toolbar, id);
        u16 now;
        on(e, [&](EditorView& v) { now = v.document().model.text(); });
        EXPECT_EQ(wide::w(now), std::wstring(wide::w(expected.text())));
        if (expected.text() != before) ++changed;
    }
    EXPECT_EQ(changed, 5) << "the commands chosen put text in";
    command(e);
}

TEST_F(MainWindowToolbar, TimerAppliesAndClearsTheHighlightPattern) {
    setting(L"BasicSettings", L"Window", L"6");
    load();
    EditorThread& e = editor(u"\\section{One}\r\ntext\r\n");
    command(e);
    HWND main = mainWindow(e);
    HWND toolbar = pluginToolbar(e);
    ASSERT_NE(toolbar, nullptr);
    const highlight_presets::Preset* preset = highlight_presets::find(8);
    ASSERT_NE(preset, nullptr);
    std::wstring want = wide::w(preset->pattern);
    auto pattern = [&] {
        std::wstring p;
        e.run([&](EditorView& v) { p = v.document().highlight.pattern(); });
        return p;
    };
    auto clears = [&] {
        size_t n = 0;
        e.run([&](EditorView& v) {
            for (int32_t c : v.document().model.hostCommands) n += c == 4206 ? 1 : 0;
        });
        return n;
    };
    click(main, toolbar, 41124);
    EXPECT_EQ(shared->highlightOn, 1);
    EXPECT_EQ(readSetting(L"Highlight", L"Status"), L"1");
    EXPECT_TRUE(SendMessageW(toolbar, TB_ISBUTTONCHECKED, 41124, 0));
    EXPECT_TRUE(host_test::waitFor([&] { return pattern() == want; }, 1000)) << "within a second";
    size_t clearsBefore = clears();
    click(main, toolbar, 41124);
    EXPECT_EQ(shared->highlightOn, 0);
    EXPECT_TRUE(host_test::waitFor([&] { return clears() > clearsBefore; }, 1000));
    EXPECT_EQ(pattern(), L"");
    EXPECT_FALSE(SendMessageW(toolbar, TB_ISBUTTONCHECKED, 41124, 0));
    command(e);
}

TEST_F(MainWindowToolbar, ToggleButtonsFollowTheSharedState) {
    setting(L"BasicSettings", L"Window", L"3");
    load();
    EditorThread& e = editor();
    command(e);
    HWND toolbar = pluginToolbar(e);
    ASSERT_NE(toolbar, nullptr);
    EXPECT_FALSE(SendMessageW(toolbar, TB_ISBUTTONCHECKED, 41137, 0));
    // Another window (of any process) switched Swap on.
    shared->swapOn = 1;
    EXPECT_TRUE(host_test::waitFor([&] { return SendMessageW(toolbar, TB_ISBUTTONCHECKED, 41137, 0) != 0; }, 1000));
    shared->swapOn = 0;
    EXPECT_TRUE(host_test::waitFor([&] { return SendMessageW(toolbar, TB_ISBUTTONCHECKED, 41137, 0) == 0; }, 1000));
    // The root lock cannot be switched on without a root file.
    SendMessageW(mainWindow(e), WM_COMMAND, MAKEWPARAM(41123, BN_CLICKED), reinterpret_cast<LPARAM>(toolbar));
    EXPECT_EQ(shared->rootLockOn, 0);
    EXPECT_FALSE(SendMessageW(toolbar, TB_ISBUTTONCHECKED, 41123, 0));
    command(e);
}

TEST_F(MainWindowToolbar, LayoutSettingDecidesTheButtons) {
    setting(L"BasicSettings", L"Window", L"2");
    setting(L"Settings", L"Toolbar", L"5,5,-1,,200,7");
    load();
    EditorThread& e = editor();
    command(e);
    HWND toolbar = pluginToolbar(e);
    ASSERT_NE(toolbar, nullptr);
    EXPECT_EQ(buttons(toolbar), (std::vector<int>{41006, 0, 41097}));
    command(e);
    setting(L"Settings", L"Toolbar", L"");
    command(e);
    toolbar = pluginToolbar(e);
    ASSERT_NE(toolbar, nullptr);
    EXPECT_EQ(buttonCount(toolbar), 0) << "an empty layout is an empty toolbar";
    command(e);
}

TEST_F(MainWindowToolbar, CustomizationIsSaved) {
    setting(L"BasicSettings", L"Window", L"2");
    load();
    EditorThread& e = editor();
    command(e);
    HWND main = mainWindow(e);
    HWND toolbar = pluginToolbar(e);
    ASSERT_NE(toolbar, nullptr);
    // The user takes the first button away and closes the dialog.
    Watcher watcher([&](const SeenBox&) {
        SendMessageW(toolbar, TB_DELETEBUTTON, 0, 0);
        return IDCANCEL;
    });
    PostMessageW(main, WM_SYSCOMMAND, 2, 0);
    std::vector<int32_t> want = toolbar_layout::defaultItems();
    want.erase(want.begin());
    u16 wantText = toolbar_layout::format(want);
    EXPECT_TRUE(host_test::waitFor([&] { return readSetting(L"Settings", L"Toolbar") == wide::w(wantText); }, 10000));
    watcher.stop();
    EXPECT_EQ(watcher.seen().size(), 1u);
    EXPECT_EQ(buttons(toolbar).front(), 41002);
    command(e);
    // The next window starts with the saved layout.
    command(e);
    toolbar = pluginToolbar(e);
    ASSERT_NE(toolbar, nullptr);
    EXPECT_EQ(buttons(toolbar).front(), 41002);
    command(e);
}

} // namespace
