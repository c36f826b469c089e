// The paper menu of the typesetting button in the stand-in host: it opens
// on the button's drop-down, shows the settings' choice, and a choice lands
// in the settings; the user paper dialog adds a paper (asking before it
// replaces one of the same name) and the menu deletes it again.
#include "tests/wine/mainwindow_test_support.h"

#include <future>
#include <thread>

namespace {
using namespace mainwindow_test;

class PaperMenu : public MainWindowTest {
protected:
    // Drops the menu down as the toolbar does, on a thread of its own,
    // because the menu and whatever it opens run until they are closed.
    std::future<void> dropDown(EditorThread& e) {
        HWND main = mainWindow(e);
        HWND toolbar = pluginToolbar(e);
        EXPECT_NE(toolbar, nullptr);
        return std::async(std::launch::async, [main, toolbar] {
            NMTOOLBARW nm{};
            nm.hdr.hwndFrom = toolbar;
            nm.hdr.idFrom = GetDlgCtrlID(toolbar);
            nm.hdr.code = TBN_DROPDOWN;
            nm.iItem = 41051;
            SendMessageW(toolbar, TB_GETRECT, 41051, reinterpret_cast<LPARAM>(&nm.rcButton));
            SendMessageW(main, WM_NOTIFY, nm.hdr.idFrom, reinterpret_cast<LPARAM>(&nm));
        });
    }
    // A visible top-level window of the editor thread with that class and,
    // when given, that title.
    static HWND threadWindow(EditorThread& e, const wchar_t* cls, const wchar_t* title = nullptr) {
        HWND found = nullptr;
        host_test::waitFor([&] {
            struct Find {
                const wchar_t* cls;
                const wchar_t* title;
                HWND hit = nullptr;
                static BOOL CALLBACK visit(HWND w, LPARAM self) {
                    auto* f = reinterpret_cast<Find*>(self);
                    wchar_t c[64] = {}, t[128] = {};
                    GetClassNameW(w, c, 64);
                    GetWindowTextW(w, t, 128);
                    if (!IsWindowVisible(w) || std::wstring(c) != f->cls) return TRUE;
                    if (f->title && std::wstring(t) != f->title) return TRUE;
                    f->hit = w;
                    return FALSE;
                }
            } f{cls, title};
            EnumThreadWindows(e.threadId(), &Find::visit, reinterpret_cast<LPARAM>(&f));
            found = f.hit;
            return found != nullptr;
        }, 5000);
        return found;
    }
    static HMENU menuOf(HWND menuWindow) {
        return reinterpret_cast<HMENU>(SendMessageW(menuWindow, MN_GETHMENU, 0, 0));
    }
    static std::wstring itemText(HMENU menu, UINT id) {
        wchar_t buf[256] = {};
        GetMenuStringW(menu, id, buf, 256, MF_BYCOMMAND);
        return buf;
    }
    static bool isChecked(HMENU menu, UINT id) { return GetMenuState(menu, id, MF_BYCOMMAND) & MF_CHECKED; }
    static bool isGrayed(HMENU menu, UINT id) { return GetMenuState(menu, id, MF_BYCOMMAND) & MF_GRAYED; }
    // Chooses an item with the keyboard: down to it, skipping separators,
    // then Enter.
    static void pick(HWND menuWindow, UINT id) {
        HMENU menu = menuOf(menuWindow);
        int steps = 0;
        for (int i = 0, n = GetMenuItemCount(menu); i < n; ++i) {
            if (GetMenuState(menu, i, MF_BYPOSITION) & MF_SEPARATOR) continue;
            ++steps;
            if (GetMenuItemID(menu, i) == id) break;
        }
        for (int i = 0; i < steps; ++i) PostMessageW(menuWindow, WM_KEYDOWN, VK_DOWN, 0);
        PostMessageW(menuWindow, WM_KEYDOWN, VK_RETURN, 0);
    }
    static void type(HWND dialog, int id, const wchar_t* text) {
        SendMessageW(GetDlgItem(dialog, id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
    }
    static void press(HWND dialog, int id) {
        SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
    }
    static std::wstring text(HWND dialog, int id) {
        wchar_t buf[256] = {};
        GetDlgItemTextW(dialog, id, buf, 256);
        return buf;
    }
    static bool finished(std::future<void>& f) {
        return f.wait_for(std::chrono::seconds(5)) == std::future_status::ready;
    }
};

TEST_F(PaperMenu, DropDownShowsTheChoiceAndAChoiceLandsInTheSettings) {
    setting(L"DVIOUT", L"PaperSize", L"2");
    load();
    EditorThread& e = editor();
    command(e);
    auto done = dropDown(e);
    HWND popup = threadWindow(e, L"#32768");
    ASSERT_NE(popup, nullptr) << "the menu opened";
    HMENU menu = menuOf(popup);
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(itemText(menu, 2), L"(&2)\tA4");
    EXPECT_EQ(itemText(menu, 9), L"(&9)\tA4 (landscape)");
    EXPECT_TRUE(isChecked(menu, 2));
    EXPECT_FALSE(isChecked(menu, 9));
    EXPECT_TRUE(isChecked(menu, 204)) << "from the source, on by default";
    EXPECT_TRUE(isGrayed(menu, 201)) << "edit needs a user paper";
    EXPECT_TRUE(isGrayed(menu, 206)) << "nothing to clear";
    EXPECT_FALSE(isGrayed(menu, 41051));
    pick(popup, 9);
    ASSERT_TRUE(finished(done));
    EXPECT_EQ(readSetting(L"DVIOUT", L"PaperSize"), L"9");

    done = dropDown(e);
    popup = threadWindow(e, L"#32768");
    ASSERT_NE(popup, nullptr);
    EXPECT_TRUE(isChecked(menuOf(popup), 9));
    pick(popup, 204);
    ASSERT_TRUE(finished(done));
    EXPECT_EQ(readSetting(L"DVIOUT", L"PaperSizefromSrc"), L"0");
    command(e);
}

TEST_F(PaperMenu, DialogAddsAUserPaperAndTheMenuDeletesIt) {
    setting(L"DVIOUT", L"0", L"Mine\tF1:1");
    load();
    EditorThread& e = editor();
    command(e);

    auto done = dropDown(e);
    HWND popup = threadWindow(e, L"#32768");
    ASSERT_NE(popup, nullptr);
    EXPECT_EQ(itemText(menuOf(popup), 100), L"(&E)\tMine");
    pick(popup, 41051);
    HWND dialog = threadWindow(e, L"#32770", L"User Paper");
    ASSERT_NE(dialog, nullptr) << "the add dialog opened";
    for (int id : {1302, 1204, 1441, 1442, 1443, IDOK, IDCANCEL, 1493})
        EXPECT_TRUE(IsWindowVisible(GetDlgItem(dialog, id))) << "control " << id;
    GUITHREADINFO gui{};
    gui.cbSize = sizeof(gui);
    ASSERT_TRUE(GetGUIThreadInfo(e.threadId(), &gui));
    EXPECT_EQ(gui.hwndFocus, GetDlgItem(dialog, 1302)) << "the focus starts on the name";
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog, IDOK)));
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog, 1443)));
    type(dialog, 1302, L"Postcard");
    type(dialog, 1441, L"10");
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog, 1443))) << "height still empty";
    type(dialog, 1442, L"148");
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(dialog, 1443)));
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog, IDOK))) << "value still empty";
    press(dialog, 1443);
    EXPECT_EQ(text(dialog, 1204), L"F10:148");
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(dialog, IDOK)));
    press(dialog, IDOK);
    ASSERT_TRUE(finished(done));
    EXPECT_EQ(readSetting(L"DVIOUT", L"0"), L"Postcard\tF10:148");
    EXPECT_EQ(readSetting(L"DVIOUT", L"1"), L"Mine\tF1:1");
    EXPECT_EQ(readSetting(L"DVIOUT", L"PaperSize"), L"100");

    // The same name again: asked first; No keeps the dialog and the list.
    done = dropDown(e);
    popup = threadWindow(e, L"#32768");
    ASSERT_NE(popup, nullptr);
    pick(popup, 41051);
    dialog = threadWindow(e, L"#32770", L"User Paper");
    ASSERT_NE(dialog, nullptr);
    type(dialog, 1302, L"MINE");
    type(dialog, 1204, L"F2:2");
    std::thread ok([&] { press(dialog, IDOK); });
    HWND question = threadWindow(e, L"#32770", L"Vexa 2");
    ASSERT_NE(question, nullptr) << "asked before replacing";
    SendMessageW(question, WM_COMMAND, IDNO, 0);
    ok.join();
    EXPECT_TRUE(IsWindow(dialog)) << "No keeps the dialog open";
    press(dialog, IDCANCEL);
    ASSERT_TRUE(finished(done));
    EXPECT_EQ(readSetting(L"DVIOUT", L"1"), L"Mine\tF1:1");

    // Delete the current one (Postcard, 100) after saying Yes.
    done = dropDown(e);
    popup = threadWindow(e, L"#32768");
    ASSERT_NE(popup, nullptr);
    EXPECT_TRUE(isChecked(menuOf(popup), 100));
    EXPECT_FALSE(isGrayed(menuOf(popup), 202));
    pick(popup, 202);
    question = threadWindow(e, L"#32770", L"Vexa 2");
    ASSERT_NE(question, nullptr) << "asked before deleting";
    SendMessageW(question, WM_COMMAND, IDYES, 0);
    ASSERT_TRUE(finished(done));
    EXPECT_EQ(readSetting(L"DVIOUT", L"0"), L"Mine\tF1:1");
    EXPECT_EQ(readSetting(L"DVIOUT", L"1"), L"");
    EXPECT_EQ(readSetting(L"DVIOUT", L"PaperSize"), L"0");
    command(e);
}

} // namespace
