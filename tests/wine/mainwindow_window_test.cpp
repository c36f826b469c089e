// The main window opened and closed with the host's command in every
// placement: where it stands around the host frame, what it shows, and
// that closing leaves nothing behind.
#include "tests/wine/mainwindow_test_support.h"

namespace {
using namespace mainwindow_test;

using MainWindowPlacement = MainWindowTest;

TEST_F(MainWindowPlacement, OpensAndClosesInEveryPlacement) {
    // Exactly where each placement puts it, even off the screen.
    setting(L"BasicSettings", L"CompleteVisible", L"0");
    load();
    EditorThread& e = editor();
    HWND frame = e.frame();
    for (int where = 0; where <= 6; ++where) {
        SCOPED_TRACE(where);
        setting(L"BasicSettings", L"Window", std::to_wstring(where));
        int bandsBefore = bandCount(e);
        command(e);
        HWND main = mainWindow(e);
        ASSERT_NE(main, nullptr);
        EXPECT_TRUE(checked(e));
        EXPECT_EQ(openWindows(), 1);
        HWND toolbar = pluginToolbar(e);
        ASSERT_NE(toolbar, nullptr);
        // The default layout: 53 buttons and 10 separators.
        EXPECT_EQ(buttonCount(toolbar), 63);
        EXPECT_EQ(buttons(toolbar).front(), 41001);
        EXPECT_EQ(buttons(toolbar).back(), 41116);
        if (where == 6) {
            EXPECT_EQ(bandCount(e), bandsBefore + 1);
            EXPECT_FALSE(IsWindowVisible(main));
            EXPECT_TRUE(IsWindowVisible(toolbar));
            EXPECT_EQ(GetParent(main), e.rebar());
        } else {
            EXPECT_EQ(bandCount(e), bandsBefore);
            EXPECT_TRUE(IsWindowVisible(main));
            EXPECT_EQ(GetWindow(main, GW_OWNER), GetAncestor(e.editor(), GA_ROOT)) << "owned by the host's window";
            wchar_t title[32] = {};
            GetWindowTextW(main, title, 32);
            EXPECT_STREQ(title, L"Vexa 2");
            EXPECT_TRUE(GetWindowLongW(main, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
        }
        RECT f = windowRect(frame), m = windowRect(main);
        switch (where) {
        case 2: // above, as wide as the frame
            EXPECT_EQ(m.bottom, f.top);
            EXPECT_EQ(m.left, f.left);
            EXPECT_EQ(m.right - m.left, f.right - f.left);
            break;
        case 3:
            EXPECT_EQ(m.top, f.bottom);
            EXPECT_EQ(m.right - m.left, f.right - f.left);
            break;
        case 4: // left of it, top-aligned, and no higher than the frame
            EXPECT_EQ(m.right, f.left);
            EXPECT_EQ(m.top, f.top);
            EXPECT_LT(m.bottom - m.top, f.bottom - f.top);
            break;
        case 5:
            EXPECT_EQ(m.left, f.right);
            EXPECT_EQ(m.top, f.top);
            EXPECT_LT(m.bottom - m.top, f.bottom - f.top);
            break;
        default: break;
        }
        if (where != 6) {
            // The floating window is exactly as high as its rows of buttons.
            RECT client{};
            GetClientRect(main, &client);
            RECT last{};
            SendMessageW(toolbar, TB_GETITEMRECT, buttonCount(toolbar) - 1, reinterpret_cast<LPARAM>(&last));
            EXPECT_EQ(client.bottom, last.bottom);
        }

        command(e);
        EXPECT_EQ(mainWindow(e), nullptr);
        EXPECT_FALSE(IsWindow(toolbar));
        EXPECT_FALSE(checked(e));
        EXPECT_EQ(openWindows(), 0);
        EXPECT_EQ(bandCount(e), bandsBefore);
    }
}

TEST_F(MainWindowPlacement, FloatingWindowKeepsItsHeightAndMinimumWidth) {
    setting(L"BasicSettings", L"Window", L"2");
    load();
    EditorThread& e = editor();
    command(e);
    HWND main = mainWindow(e);
    ASSERT_NE(main, nullptr);
    RECT before = windowRect(main);
    // Narrower than one column and taller: the window keeps one column of
    // width and as many rows as its buttons need.
    MINMAXINFO info{};
    SendMessageW(main, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    EXPECT_EQ(info.ptMinTrackSize.y, before.bottom - before.top);
    EXPECT_EQ(info.ptMaxTrackSize.y, before.bottom - before.top);
    EXPECT_GT(info.ptMinTrackSize.x, 16);
    SetWindowPos(main, nullptr, 0, 0, info.ptMinTrackSize.x, 50, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    RECT narrow = windowRect(main);
    EXPECT_GT(narrow.bottom - narrow.top, before.bottom - before.top) << "one column wraps into more rows";
    command(e);
}

TEST_F(MainWindowPlacement, AWindowOffTheScreenIsMovedOnto) {
    setting(L"BasicSettings", L"Window", L"2");
    load();
    EditorThread& e = editor();
    RECT f = windowRect(e.frame());
    ASSERT_LT(f.top, 40) << "the frame starts near the top, so above it is off the screen";
    command(e);
    HWND main = mainWindow(e);
    ASSERT_NE(main, nullptr);
    RECT m = windowRect(main);
    EXPECT_EQ(m.top, 0);
    EXPECT_EQ(m.left, f.left);
    command(e);
}

TEST_F(MainWindowPlacement, SavedPlaceIsReusedAndCloseCommandCloses) {
    setting(L"BasicSettings", L"Window", L"0");
    setting(L"WindowPos", L"Main_abs", L"120,130,420,230");
    setting(L"BasicSettings", L"CompleteVisible", L"0");
    load();
    EditorThread& e = editor();
    command(e);
    HWND main = mainWindow(e);
    ASSERT_NE(main, nullptr);
    RECT r = windowRect(main);
    EXPECT_EQ(r.left, 120);
    EXPECT_EQ(r.top, 130);
    EXPECT_EQ(r.right, 420);
    // Moved, then closed from its system menu: the new place is saved.
    SetWindowPos(main, nullptr, 200, 210, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessageW(main, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_EQ(mainWindow(e), nullptr);
    EXPECT_EQ(openWindows(), 0);
    EXPECT_EQ(readSetting(L"WindowPos", L"Main_abs").substr(0, 8), L"200,210,");
}

TEST_F(MainWindowPlacement, SystemMenuHasTheCommandsAndNoWindowSizing) {
    setting(L"BasicSettings", L"Window", L"3");
    load();
    EditorThread& e = editor();
    command(e);
    HWND main = mainWindow(e);
    ASSERT_NE(main, nullptr);
    HMENU menu = GetSystemMenu(main, FALSE);
    ASSERT_NE(menu, nullptr);
    std::vector<UINT> ids;
    for (int i = 0, n = GetMenuItemCount(menu); i < n; ++i) ids.push_back(GetMenuItemID(menu, i));
    std::vector<UINT> top(ids.begin(), ids.begin() + 9);
    // Help, -, settings, customize, dictionary editor, -, delete settings, -, version.
    EXPECT_EQ(top, (std::vector<UINT>{6, 0, 1, 2, 4, 0, 3, 0, 5}));
    for (UINT gone : {UINT(SC_MAXIMIZE), UINT(SC_MINIMIZE), UINT(SC_RESTORE)})
        EXPECT_EQ(std::count(ids.begin(), ids.end(), gone), 0) << gone;
    EXPECT_EQ(std::count(ids.begin(), ids.end(), UINT(SC_CLOSE)), 1);
    wchar_t item[128] = {};
    GetMenuStringW(menu, 2, item, 128, MF_BYCOMMAND);
    EXPECT_EQ(item, englishMessage(0x1040005));
    command(e);
}

TEST_F(MainWindowPlacement, StatusLineFollowsTheHotButton) {
    setting(L"BasicSettings", L"Window", L"2");
    load();
    EditorThread& e = editor();
    command(e);
    HWND main = mainWindow(e);
    HWND toolbar = pluginToolbar(e);
    ASSERT_NE(toolbar, nullptr);
    // Hot item 0 is button 41001; the line shows its text.
    SendMessageW(toolbar, TB_SETHOTITEM, 0, 0);
    std::wstring want = englishMessage(0x1050002);
    for (wchar_t& c : want)
        if (c == L'\r' || c == L'\n') c = L' ';
    EXPECT_EQ(host_test::statusText(e.statusBar()), want);
    SendMessageW(toolbar, TB_SETHOTITEM, static_cast<WPARAM>(-1), 0);
    EXPECT_EQ(host_test::statusText(e.statusBar()), L"");
    (void)main;
    command(e);
}

// While the root lock is on, the lock button's status line and tool tip
// name the locked file.
TEST_F(MainWindowPlacement, RootLockTextsNameTheLockedFile) {
    setting(L"BasicSettings", L"Window", L"2");
    setting(L"Root", L"Status", L"1");
    setting(L"Root", L"0", L"C:\\doc\\main.tex");
    load();
    EditorThread& e = editor();
    command(e);
    HWND main = mainWindow(e);
    HWND toolbar = pluginToolbar(e);
    ASSERT_NE(toolbar, nullptr);
    const UINT rootLock = 41123;
    LRESULT index = SendMessageW(toolbar, TB_COMMANDTOINDEX, rootLock, 0);
    ASSERT_GE(index, 0);
    SendMessageW(toolbar, TB_SETHOTITEM, static_cast<WPARAM>(index), 0);
    EXPECT_NE(host_test::statusText(e.statusBar()).find(englishMessage(0x104001F) + L"C:\\doc\\main.tex)"),
              std::wstring::npos)
        << host_test::statusText(e.statusBar());

    NMTTDISPINFOW tip{};
    tip.hdr.hwndFrom = nullptr;
    tip.hdr.idFrom = rootLock;
    tip.hdr.code = TTN_GETDISPINFOW;
    SendMessageW(main, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&tip));
    ASSERT_NE(tip.lpszText, nullptr);
    EXPECT_NE(std::wstring(tip.lpszText).find(L"C:\\doc\\main.tex" + englishMessage(0x1040027)), std::wstring::npos)
        << tip.lpszText;
    command(e);
}

} // namespace
