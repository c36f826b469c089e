// The main window docked as a band of the host frame's rebar, and a host
// frame without one.
#include "tests/wine/mainwindow_test_support.h"

namespace {
using namespace mainwindow_test;

using MainWindowRebar = MainWindowTest;

REBARBANDINFOW bandInfo(HWND rebar, int index) {
    REBARBANDINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = RBBIM_STYLE | RBBIM_CHILD | RBBIM_ID | RBBIM_CHILDSIZE;
    SendMessageW(rebar, RB_GETBANDINFOW, index, reinterpret_cast<LPARAM>(&info));
    return info;
}

TEST_F(MainWindowRebar, BandIsAddedAndTheRebarRestored) {
    setting(L"BasicSettings", L"Window", L"6");
    setting(L"BasicSettings", L"Lines", L"1");
    load();
    EditorThread& e = editor();
    HWND rebar = e.rebar();
    ASSERT_NE(rebar, nullptr);
    // A host rebar whose bands all have one height.
    on(e, [&](EditorView&) { SetWindowLongW(rebar, GWL_STYLE, GetWindowLongW(rebar, GWL_STYLE) & ~RBS_VARHEIGHT); });
    LONG styleBefore = GetWindowLongW(rebar, GWL_STYLE);
    int before = bandCount(e);
    std::vector<UINT> hostIds;
    for (int i = 0; i < before; ++i) hostIds.push_back(bandInfo(rebar, i).wID);

    command(e);
    ASSERT_EQ(bandCount(e), before + 1);
    EXPECT_TRUE(GetWindowLongW(rebar, GWL_STYLE) & RBS_VARHEIGHT);
    EXPECT_NE(GetPropW(rebar, L"Vexa_ER_Rebar_Prop"), nullptr);
    HWND toolbar = pluginToolbar(e);
    ASSERT_NE(toolbar, nullptr);
    EXPECT_NE(GetPropW(toolbar, L"Vexa_ER_Toolbar_Prop"), nullptr);
    // The new band: last (nothing saved), a free identifier, the toolbar
    // as child, on a row of its own, one row of buttons high plus 3.
    REBARBANDINFOW band = bandInfo(rebar, before);
    EXPECT_EQ(band.hwndChild, toolbar);
    EXPECT_TRUE(band.fStyle & RBBS_BREAK);
    for (UINT id : hostIds) EXPECT_NE(band.wID, id);
    EXPECT_GE(band.wID, 1u);
    DWORD size = static_cast<DWORD>(SendMessageW(toolbar, TB_GETBUTTONSIZE, 0, 0));
    EXPECT_EQ(band.cyMinChild, UINT(HIWORD(size) + 3)) << "Lines=1: one row of buttons";
    // Docked, Close has the band's own text and the window cannot be sized.
    HWND main = mainWindow(e);
    HMENU menu = GetSystemMenu(main, FALSE);
    ASSERT_NE(menu, nullptr);
    wchar_t close[128] = {};
    GetMenuStringW(menu, SC_CLOSE, close, 128, MF_BYCOMMAND);
    EXPECT_EQ(close, englishMessage(0x1040009));
    EXPECT_EQ(GetMenuState(menu, SC_SIZE, MF_BYCOMMAND), UINT(-1));
    EXPECT_EQ(GetMenuState(menu, SC_MOVE, MF_BYCOMMAND), UINT(-1));

    command(e);
    EXPECT_EQ(bandCount(e), before);
    EXPECT_EQ(GetWindowLongW(rebar, GWL_STYLE), styleBefore);
    EXPECT_EQ(GetPropW(rebar, L"Vexa_ER_Rebar_Prop"), nullptr);
    EXPECT_EQ(openWindows(), 0);
    // Where the band was is remembered for the next time.
    EXPECT_NE(readSetting(L"WindowPos", L"Rebar"), L"<none>");
}

TEST_F(MainWindowRebar, MoreLinesMakeAHigherBand) {
    setting(L"BasicSettings", L"Window", L"6");
    load();
    EditorThread& e = editor();
    int heights[2] = {};
    for (int lines : {1, 3}) {
        setting(L"BasicSettings", L"Lines", std::to_wstring(lines));
        command(e);
        ASSERT_EQ(bandCount(e), 2);
        heights[lines == 1 ? 0 : 1] = static_cast<int>(bandInfo(e.rebar(), 1).cyMinChild);
        command(e);
    }
    EXPECT_GT(heights[1], heights[0]);
}

TEST_F(MainWindowRebar, SavedPlaceAtTheTopPutsTheBandFirst) {
    setting(L"BasicSettings", L"Window", L"6");
    setting(L"WindowPos", L"Rebar", L"0,0,300,30");
    load();
    EditorThread& e = editor();
    command(e);
    ASSERT_EQ(bandCount(e), 2);
    EXPECT_EQ(bandInfo(e.rebar(), 0).hwndChild, pluginToolbar(e));
    command(e);
    EXPECT_EQ(readSetting(L"WindowPos", L"Rebar").substr(0, 4), L"0,0,");
}

// Every band the rebar lays out reports its child's size to the frame;
// only our band's report may size our toolbar.
TEST_F(MainWindowRebar, TheToolbarKeepsItsOwnBandsWidthWhenOtherBandsAreLaidOut) {
    setting(L"BasicSettings", L"Window", L"6");
    setting(L"WindowPos", L"Rebar", L"0,0,300,30");   // ours first, the host's after it
    load();
    EditorThread& e = editor();
    HWND rebar = e.rebar();
    // A second host band beside the host's toolbar, much narrower than ours.
    on(e, [&](EditorView&) {
        HWND box = CreateWindowExW(0, L"STATIC", L"box", WS_CHILD | WS_VISIBLE, 0, 0, 60, 20, rebar, nullptr,
                                   nullptr, nullptr);
        REBARBANDINFOW band{};
        band.cbSize = sizeof band;
        band.fMask = RBBIM_STYLE | RBBIM_CHILD | RBBIM_CHILDSIZE | RBBIM_SIZE | RBBIM_ID;
        band.fStyle = RBBS_CHILDEDGE;
        band.hwndChild = box;
        band.cxMinChild = 60;
        band.cyMinChild = 20;
        band.cx = 80;
        band.wID = 77;
        SendMessageW(rebar, RB_INSERTBANDW, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&band));
    });
    command(e);
    ASSERT_EQ(bandCount(e), 3);
    HWND toolbar = pluginToolbar(e);
    ASSERT_EQ(bandInfo(rebar, 0).hwndChild, toolbar);

    // The frame narrows and widens again: the rebar lays every band out anew.
    RECT frame = windowRect(e.frame());
    for (int width : {500, 700}) {
        on(e, [&](EditorView&) {
            SetWindowPos(e.frame(), nullptr, 0, 0, width, frame.bottom - frame.top,
                         SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        });
        RECT band{}, borders{};
        on(e, [&](EditorView&) {
            SendMessageW(rebar, RB_GETRECT, 0, reinterpret_cast<LPARAM>(&band));
            SendMessageW(rebar, RB_GETBANDBORDERS, 0, reinterpret_cast<LPARAM>(&borders));
        });
        RECT own = windowRect(toolbar);
        int bandChildWidth = (band.right - band.left) - borders.left - borders.right;
        ASSERT_GT(bandChildWidth, 200) << width;
        EXPECT_EQ(own.right - own.left, bandChildWidth) << "frame width " << width;
    }
    command(e);
    EXPECT_EQ(bandCount(e), 2);
}

TEST_F(MainWindowRebar, AVariableHeightRebarKeepsItsStyle) {
    setting(L"BasicSettings", L"Window", L"6");
    load();
    EditorThread& e = editor();
    on(e, [&](EditorView&) { SetWindowLongW(e.rebar(), GWL_STYLE, GetWindowLongW(e.rebar(), GWL_STYLE) | RBS_VARHEIGHT); });
    command(e);
    command(e);
    EXPECT_TRUE(GetWindowLongW(e.rebar(), GWL_STYLE) & RBS_VARHEIGHT);
}

TEST_F(MainWindowRebar, AFrameWithoutRebarRefusesTheWindowCleanly) {
    setting(L"BasicSettings", L"Window", L"6");
    load();
    EditorThread& e = editor();
    on(e, [&](EditorView&) { DestroyWindow(e.rebar()); });
    ASSERT_FALSE(IsWindow(e.rebar()));
    command(e);
    EXPECT_EQ(mainWindow(e), nullptr);
    EXPECT_FALSE(checked(e));
    EXPECT_EQ(openWindows(), 0);
    // No window of the plug-in is left on the thread, and it can still
    // open floating afterwards.
    EXPECT_EQ(plugin_test::pluginWindowsOnThread(e.threadId()), 0);
    // Nor a hook: a host highlight command would switch the plug-in's
    // highlighting off through them.
    const UINT hostHighlightCommand = 4200;
    shared->highlightOn = 1;
    SendMessageW(e.frame(), WM_COMMAND, hostHighlightCommand, 0);
    EXPECT_EQ(shared->highlightOn, 1);

    setting(L"BasicSettings", L"Window", L"2");
    command(e);
    EXPECT_NE(mainWindow(e), nullptr);
    EXPECT_EQ(openWindows(), 1);
    // With the window open, its hooks do see it.
    SendMessageW(e.frame(), WM_COMMAND, hostHighlightCommand, 0);
    EXPECT_EQ(shared->highlightOn, 0);
    command(e);
    EXPECT_EQ(openWindows(), 0);
}

} // namespace
