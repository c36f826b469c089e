// The palette windows in the stand-in host: the all-categories command
// follows the "Char" settings and closes what it opened, a tab double
// click detaches its category, a cell double click inserts its symbol, a
// delimiter's right click offers the size modifiers, and keys move among
// the cells and insert.
#include "base/str.h"
#include "frame/message_ids.h"
#include "tests/wine/host_test_support.h"
#include "tests/wine/mainwindow_test_support.h"

#include <algorithm>
#include <future>

namespace {
using namespace mainwindow_test;

constexpr int TabControl = 1215;
constexpr int ListControl = 1205;
constexpr UINT AllCommand = 41020;

class PaletteWindow : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        // Floating, with the buttons of the first three categories and of
        // all categories on the toolbar, so their check states show.
        setting(L"BasicSettings", L"Window", L"3");
        setting(L"Settings", L"Toolbar", L"11,12,13,19,29");
        // The test's own thread holds the foreground: the windows must not
        // hide for it.
        setting(L"BasicSettings", L"HideSubWindow", L"0");
    }
    EditorThread& open(u16 text = u"") {
        EditorThread& e = editor(std::move(text));
        command(e);
        EXPECT_NE(mainWindow(e), nullptr);
        return e;
    }
    void click(EditorThread& e, UINT id) {
        SendMessageW(mainWindow(e), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(pluginToolbar(e)));
    }
    bool pressed(EditorThread& e, UINT id) {
        return SendMessageW(pluginToolbar(e), TB_ISBUTTONCHECKED, id, 0) != 0;
    }
    // The visible top-level windows of the editor thread that hold a
    // symbol list: the palette (with tabs) and the detached windows.
    static std::vector<HWND> symbolWindows(EditorThread& e, bool withTabs) {
        struct Find {
            bool tabs;
            std::vector<HWND> found;
            static BOOL CALLBACK visit(HWND w, LPARAM self) {
                auto* f = reinterpret_cast<Find*>(self);
                if (!IsWindowVisible(w)) return TRUE;
                HWND tabs = GetDlgItem(w, TabControl);
                if (f->tabs ? tabs != nullptr : (!tabs && GetDlgItem(w, ListControl))) f->found.push_back(w);
                return TRUE;
            }
        } find{withTabs, {}};
        EnumThreadWindows(e.threadId(), &Find::visit, reinterpret_cast<LPARAM>(&find));
        return find.found;
    }
    static HWND palette(EditorThread& e) {
        std::vector<HWND> all = symbolWindows(e, true);
        return all.empty() ? nullptr : all.front();
    }
    static std::vector<std::wstring> detachedCaptions(EditorThread& e) {
        std::vector<std::wstring> out;
        for (HWND w : symbolWindows(e, false)) {
            wchar_t t[128] = {};
            GetWindowTextW(w, t, 128);
            out.push_back(t);
        }
        std::sort(out.begin(), out.end());
        return out;
    }
    static HWND tabs(HWND palette) { return GetDlgItem(palette, TabControl); }
    static HWND list(HWND palette) { return GetDlgItem(tabs(palette), ListControl); }
    static std::vector<std::wstring> tabTexts(HWND palette) {
        std::vector<std::wstring> out;
        HWND t = tabs(palette);
        for (int i = 0, n = TabCtrl_GetItemCount(t); i < n; ++i) {
            wchar_t buf[256] = {};
            TCITEMW item{};
            item.mask = TCIF_TEXT;
            item.pszText = buf;
            item.cchTextMax = 256;
            TabCtrl_GetItem(t, i, &item);
            out.push_back(buf);
        }
        return out;
    }
    static std::wstring title(uint32_t category) { return englishMessage(0x1070000 + category - 41008); }
    u16 text(EditorThread& e) {
        u16 t;
        on(e, [&](EditorView& v) { t = v.document().model.text(); });
        return t;
    }
    // A double click on the cell, as the mouse gives it to the list.
    static void doubleClick(HWND list, int cell) {
        RECT r{};
        ListView_GetItemRect(list, cell, &r, LVIR_ICON);
        LPARAM at = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
        SendMessageW(list, WM_LBUTTONDOWN, MK_LBUTTON, at);
        SendMessageW(list, WM_LBUTTONUP, 0, at);
        SendMessageW(list, WM_LBUTTONDBLCLK, MK_LBUTTON, at);
        SendMessageW(list, WM_LBUTTONUP, 0, at);
    }
    static HWND threadMenu(EditorThread& e) {
        HWND found = nullptr;
        host_test::waitFor([&] {
            struct Find {
                HWND hit = nullptr;
                static BOOL CALLBACK visit(HWND w, LPARAM self) {
                    wchar_t c[16] = {};
                    GetClassNameW(w, c, 16);
                    if (!IsWindowVisible(w) || std::wstring(c) != L"#32768") return TRUE;
                    reinterpret_cast<Find*>(self)->hit = w;
                    return FALSE;
                }
            } f;
            EnumThreadWindows(e.threadId(), &Find::visit, reinterpret_cast<LPARAM>(&f));
            found = f.hit;
            return found != nullptr;
        }, 5000);
        return found;
    }
};

TEST_F(PaletteWindow, AllCategoriesFollowTheSettingsAndCloseAgain) {
    setting(L"Char", L"Window", L"5");
    setting(L"Char", L"WindowSep", L"2");
    load();
    EditorThread& e = open();
    click(e, AllCommand);
    HWND p = palette(e);
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(tabTexts(p), (std::vector<std::wstring>{title(41009), title(41011)}));
    EXPECT_EQ(TabCtrl_GetCurSel(tabs(p)), 0);
    EXPECT_EQ(ListView_GetItemCount(list(p)), 37);
    EXPECT_EQ(detachedCaptions(e), (std::vector<std::wstring>{title(41010)}));
    ASSERT_EQ(symbolWindows(e, false).size(), 1u);
    EXPECT_EQ(ListView_GetItemCount(GetDlgItem(symbolWindows(e, false)[0], ListControl)), 22);
    for (UINT id : {41009u, 41010u, 41011u, AllCommand}) EXPECT_TRUE(pressed(e, id)) << id;
    EXPECT_FALSE(pressed(e, 41017));

    // Removing a tab makes the palette incomplete; the command adds it back.
    click(e, 41011);
    EXPECT_EQ(tabTexts(p), (std::vector<std::wstring>{title(41009)}));
    EXPECT_FALSE(pressed(e, 41011));
    EXPECT_FALSE(pressed(e, AllCommand));
    click(e, AllCommand);
    EXPECT_EQ(tabTexts(p), (std::vector<std::wstring>{title(41009), title(41011)}));
    EXPECT_TRUE(pressed(e, AllCommand));

    // Complete: the command closes the palette and the detached window.
    click(e, AllCommand);
    EXPECT_EQ(palette(e), nullptr);
    EXPECT_FALSE(IsWindow(p));
    EXPECT_TRUE(detachedCaptions(e).empty());
    for (UINT id : {41009u, 41010u, 41011u, AllCommand}) EXPECT_FALSE(pressed(e, id)) << id;
    EXPECT_NE(readSetting(L"WindowPos", L"Char_abs"), L"<none>");
    EXPECT_NE(readSetting(L"WindowPos", L"BGreek_rel"), L"<none>");

    // The toolbar built anew (as after its customization) shows what is open.
    click(e, AllCommand);
    HWND toolbar = pluginToolbar(e);
    SendMessageW(toolbar, TB_DELETEBUTTON, 0, 0);
    NMHDR end{toolbar, static_cast<UINT_PTR>(GetDlgCtrlID(toolbar)), TBN_ENDADJUST};
    SendMessageW(mainWindow(e), WM_NOTIFY, end.idFrom, reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(buttonCount(toolbar), 4) << "the saved layout lost its first button";
    for (UINT id : {41010u, 41011u, AllCommand}) EXPECT_TRUE(pressed(e, id)) << id;

    // Closing the main window closes every palette window.
    command(e);
    EXPECT_EQ(palette(e), nullptr);
    EXPECT_TRUE(detachedCaptions(e).empty());
}

// With no category for tabs the palette never shows, yet the command
// still closes what it opened.
TEST_F(PaletteWindow, AllCategoriesWithoutTabsOnlyOpensDetachedWindows) {
    setting(L"Char", L"Window", L"0");
    setting(L"Char", L"WindowSep", L"2");
    load();
    EditorThread& e = open();
    click(e, AllCommand);
    EXPECT_EQ(palette(e), nullptr);
    EXPECT_EQ(detachedCaptions(e), (std::vector<std::wstring>{title(41010)}));
    EXPECT_TRUE(pressed(e, AllCommand));
    click(e, AllCommand);
    EXPECT_TRUE(detachedCaptions(e).empty());
    EXPECT_FALSE(pressed(e, 41010));
    EXPECT_FALSE(pressed(e, AllCommand));
    command(e);
}

TEST_F(PaletteWindow, DetachingTheOnlyTabClosesThePaletteAndATabTakesItBack) {
    load();
    EditorThread& e = open();
    click(e, 41009);
    HWND p = palette(e);
    ASSERT_NE(p, nullptr);
    EXPECT_TRUE(pressed(e, 41009));
    EXPECT_FALSE(pressed(e, AllCommand)) << "\"Window\" -1 wants every category";
    RECT tab{};
    TabCtrl_GetItemRect(tabs(p), 0, &tab);
    SendMessageW(tabs(p), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM((tab.left + tab.right) / 2, (tab.top + tab.bottom) / 2));
    // The tab control posts the detaching to the palette.
    EXPECT_TRUE(host_test::waitFor([&] { return !IsWindow(p); }, 5000));
    EXPECT_EQ(palette(e), nullptr);
    EXPECT_EQ(detachedCaptions(e), (std::vector<std::wstring>{title(41009)}));
    EXPECT_TRUE(pressed(e, 41009));

    // The command puts the category back on a tab, closing its window.
    click(e, 41009);
    p = palette(e);
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(tabTexts(p), (std::vector<std::wstring>{title(41009)}));
    EXPECT_TRUE(detachedCaptions(e).empty());
    EXPECT_TRUE(pressed(e, 41009));

    // A right click on a category's button toggles its own window.
    NMMOUSE rclick{};
    rclick.hdr.hwndFrom = pluginToolbar(e);
    rclick.hdr.idFrom = GetDlgCtrlID(pluginToolbar(e));
    rclick.hdr.code = NM_RCLICK;
    rclick.dwItemSpec = 41011;
    SendMessageW(mainWindow(e), WM_NOTIFY, rclick.hdr.idFrom, reinterpret_cast<LPARAM>(&rclick));
    EXPECT_EQ(detachedCaptions(e), (std::vector<std::wstring>{title(41011)}));
    EXPECT_TRUE(pressed(e, 41011));
    SendMessageW(mainWindow(e), WM_NOTIFY, rclick.hdr.idFrom, reinterpret_cast<LPARAM>(&rclick));
    EXPECT_TRUE(detachedCaptions(e).empty());
    EXPECT_FALSE(pressed(e, 41011));

    // A right click on a tab removes it; the last one closes the palette.
    SendMessageW(tabs(p), WM_RBUTTONUP, 0, MAKELPARAM((tab.left + tab.right) / 2, (tab.top + tab.bottom) / 2));
    EXPECT_TRUE(host_test::waitFor([&] { return !IsWindow(p); }, 5000));
    EXPECT_FALSE(pressed(e, 41009));
    command(e);
}

TEST_F(PaletteWindow, DoubleClickInsertsTheSymbolAndAutoCloseClosesAfterwards) {
    load();
    EditorThread& e = open();
    click(e, 41009);
    HWND p = palette(e);
    ASSERT_NE(p, nullptr);
    doubleClick(list(p), 0);
    EXPECT_TRUE(host_test::waitFor([&] { return text(e) == u"\\alpha "; }, 5000)) << str::toUtf8(text(e));
    EXPECT_TRUE(IsWindow(p)) << "AutoClose is off by default";

    setting(L"Char", L"AutoClose", L"1");
    doubleClick(list(p), 1);
    EXPECT_TRUE(host_test::waitFor([&] { return text(e) == u"\\alpha \\beta "; }, 5000)) << str::toUtf8(text(e));
    EXPECT_EQ(palette(e), nullptr);
    EXPECT_FALSE(pressed(e, 41009));
    command(e);
}

TEST_F(PaletteWindow, RightClickOnADelimiterOffersTheSizes) {
    setting(L"Char", L"AutoClose", L"1");
    load();
    EditorThread& e = open();
    click(e, 41017);
    HWND p = palette(e);
    ASSERT_NE(p, nullptr);
    HWND cells = list(p);
    auto rightClick = [&](int cell) {
        return std::async(std::launch::async, [p, cells, cell] {
            NMITEMACTIVATE nm{};
            nm.hdr.hwndFrom = cells;
            nm.hdr.idFrom = ListControl;
            nm.hdr.code = NM_RCLICK;
            nm.iItem = cell;
            SendMessageW(p, WM_NOTIFY, ListControl, reinterpret_cast<LPARAM>(&nm));
        });
    };
    // A cell's tool tip is its note, as the list asks for it.
    auto tip = [&](int cell) {
        wchar_t buf[256] = L"untouched";
        NMLVGETINFOTIPW nm{};
        nm.hdr.hwndFrom = cells;
        nm.hdr.idFrom = ListControl;
        nm.hdr.code = LVN_GETINFOTIPW;
        nm.pszText = buf;
        nm.cchTextMax = 256;
        nm.iItem = cell;
        SendMessageW(p, WM_NOTIFY, ListControl, reinterpret_cast<LPARAM>(&nm));
        return std::wstring(buf);
    };
    EXPECT_EQ(tip(0), englishMessage(msgid::PaletteNoteSize));           // "("
    EXPECT_EQ(tip(16), englishMessage(msgid::PaletteNoteSizeClass4));    // "\ulcorner"

    // Dismissed: nothing inserted, and the palette stays although AutoClose is on.
    auto done = rightClick(0);
    HWND menu = threadMenu(e);
    ASSERT_NE(menu, nullptr);
    HMENU items = reinterpret_cast<HMENU>(SendMessageW(menu, MN_GETHMENU, 0, 0));
    for (UINT id = 41056; id <= 41074; ++id) EXPECT_NE(GetMenuState(items, id, MF_BYCOMMAND), 0xFFFFFFFFu) << id;
    PostMessageW(menu, WM_KEYDOWN, VK_ESCAPE, 0);
    ASSERT_EQ(done.wait_for(std::chrono::seconds(5)), std::future_status::ready);
    EXPECT_EQ(text(e), u"");
    EXPECT_TRUE(IsWindow(p));

    // "\left"; "(" takes no space after it.
    done = rightClick(0);
    menu = threadMenu(e);
    ASSERT_NE(menu, nullptr);
    // By its access key: the pointer may rest over another item.
    PostMessageW(menu, WM_CHAR, 'l', 0);
    ASSERT_EQ(done.wait_for(std::chrono::seconds(5)), std::future_status::ready);
    EXPECT_EQ(text(e), u"\\left(") << str::toUtf8(text(e));
    EXPECT_FALSE(IsWindow(p)) << "an insertion closes it with AutoClose";
    command(e);
}

TEST_F(PaletteWindow, KeysMoveAmongCellsAndTabsAndInsert) {
    setting(L"Char", L"Window", L"5");
    load();
    EditorThread& e = open();
    click(e, AllCommand);
    HWND p = palette(e);
    ASSERT_NE(p, nullptr);
    HWND cells = list(p);
    on(e, [&](EditorView&) {
        SetForegroundWindow(p);
        SetFocus(cells);
    });
    ASSERT_TRUE(host_test::waitFor([&] { return GetForegroundWindow() == p; }, 3000));
    auto press = [](std::initializer_list<WORD> keys) {
        std::vector<INPUT> in;
        for (WORD k : keys) {
            INPUT i{};
            i.type = INPUT_KEYBOARD;
            i.ki.wVk = k;
            in.push_back(i);
        }
        for (auto k = std::rbegin(keys); k != std::rend(keys); ++k) {
            INPUT i{};
            i.type = INPUT_KEYBOARD;
            i.ki.wVk = *k;
            i.ki.dwFlags = KEYEVENTF_KEYUP;
            in.push_back(i);
        }
        return SendInput(static_cast<UINT>(in.size()), in.data(), sizeof(INPUT)) == in.size();
    };
    ASSERT_TRUE(press({VK_RIGHT}));
    ASSERT_TRUE(press({VK_RETURN}));
    EXPECT_TRUE(host_test::waitFor([&] { return text(e) == u"\\beta "; }, 5000)) << str::toUtf8(text(e));
    ASSERT_TRUE(press({VK_LEFT}));
    EXPECT_TRUE(host_test::waitFor([&] { return ListView_GetNextItem(cells, -1, LVNI_FOCUSED) == 0; }, 5000));
    ASSERT_TRUE(press({VK_LEFT}));   // an edge: nothing moves, the key is used up
    ASSERT_TRUE(press({VK_TAB}));
    EXPECT_TRUE(host_test::waitFor([&] {
        GUITHREADINFO gui{sizeof gui};
        return GetGUIThreadInfo(e.threadId(), &gui) && gui.hwndFocus == tabs(p);
    }, 5000));
    ASSERT_TRUE(press({VK_LEFT}));   // from the first tab to the last
    EXPECT_TRUE(host_test::waitFor([&] { return TabCtrl_GetCurSel(tabs(p)) == 1; }, 5000));
    EXPECT_TRUE(host_test::waitFor([&] { return ListView_GetItemCount(cells) == 44; }, 5000));
    EXPECT_EQ(text(e), u"\\beta ");
    command(e);
}

} // namespace
