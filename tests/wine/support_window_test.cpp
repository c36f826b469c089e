// The support window in the stand-in host, driven by real key presses: a
// typed backslash opens it at the caret, typing moves its selection, keys
// insert into the document and count the use in the history file, Ctrl
// with a digit inserts a history slot, and while it is open no key
// reaches the shortcut table.
#include "base/str.h"
#include "support/history_file.h"
#include "tests/wine/mainwindow_test_support.h"
#include "tests/wine/support_window_input.h"

#include <commctrl.h>

namespace {
using namespace mainwindow_test;
using host_test::waitFor;
namespace in = support_input;

class SupportWindow : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        ASSERT_TRUE(in::installDictionaries(distFolder(), dir));
        setting(L"BasicSettings", L"Window", L"2");
    }
    // A document window with the toolbar open and the editor holding the
    // keyboard, its caret at the end of the text.
    EditorThread& open(u16 text) {
        EditorThread& e = editor(std::move(text));
        command(e);
        EXPECT_NE(mainWindow(e), nullptr);
        on(e, [&](EditorView& v) {
            SetForegroundWindow(e.frame());
            SetFocus(e.editor());
            MemoryEditor& m = v.document().model;
            int last = m.GetLineCount() - 1;
            m.SetCaretPos(PosKind::Logical, Position{static_cast<int>(m.lines()[last].size()), last});
            v.refresh();
        });
        EXPECT_TRUE(waitFor([&] { return GetForegroundWindow() == e.frame(); }));
        return e;
    }
    // Types a backslash and waits for the window to show.
    HWND openSupport(EditorThread& e) {
        EXPECT_TRUE(in::send(in::backslash()));
        HWND w = nullptr;
        EXPECT_TRUE(waitFor([&] {
            w = in::supportWindow(e.threadId());
            return w && IsWindowVisible(w);
        }));
        return w;
    }
    bool closed(EditorThread& e) {
        return waitFor([&] {
            HWND w = in::supportWindow(e.threadId());
            return !w || !IsWindowVisible(w);
        });
    }
    u16 text(EditorThread& e) {
        u16 t;
        on(e, [&](EditorView& v) { t = v.document().model.text(); });
        return t;
    }
    Position caret(EditorThread& e) {
        Position p;
        on(e, [&](EditorView& v) { p = v.document().model.caret(); });
        return p;
    }
    std::wstring tip(EditorThread& e, uint32_t command) {
        NMTTDISPINFOW info{};
        info.hdr.hwndFrom = pluginToolbar(e);
        info.hdr.idFrom = command;
        info.hdr.code = TTN_GETDISPINFOW;
        on(e, [&](EditorView&) { SendMessageW(mainWindow(e), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&info)); });
        return info.lpszText ? std::wstring(info.lpszText) : std::wstring();
    }
    static int selectedPosition(HWND list) {
        LVITEMW item{};
        item.mask = LVIF_PARAM;
        item.iItem = in::selectedRow(list);
        if (item.iItem < 0 || !SendMessageW(list, LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item))) return -1;
        return static_cast<int>(item.lParam);
    }
};

TEST_F(SupportWindow, BackslashOpensAtTheCaretAndTypingSelectsTheFirstMatch) {
    load();
    EditorThread& e = open(u"Some text\r\nmore ");
    POINT expected{};
    on(e, [&](EditorView&) {
        GetCaretPos(&expected);
        ClientToScreen(e.editor(), &expected);
    });
    HWND w = openSupport(e);
    ASSERT_NE(w, nullptr);
    RECT r{};
    GetWindowRect(w, &r);
    EXPECT_EQ(r.left, expected.x);
    EXPECT_EQ(r.top, expected.y);
    EXPECT_TRUE(in::text(GetDlgItem(w, 1201)).starts_with(L"\\")) << "the box starts with the backslash";
    EXPECT_GT(in::rowCount(GetDlgItem(w, 1205)), 100) << "every command of the shipped dictionary";
    EXPECT_EQ(tip(e, 41003), L"") << "no tool tip while the window is open";

    ASSERT_TRUE(in::send(in::letters("sec")));
    HWND list = GetDlgItem(w, 1205);
    int row = -1;
    EXPECT_TRUE(waitFor([&] {
        row = in::selectedRow(list);
        return in::text(GetDlgItem(w, 1201)) == L"\\sec" && row >= 0 && in::rowText(list, row).starts_with(L"\\sec");
    })) << str::toUtf8(wide::u(in::text(GetDlgItem(w, 1201)).c_str()));
    ASSERT_GT(row, 0);
    EXPECT_FALSE(in::rowText(list, row - 1).starts_with(L"\\sec")) << "the first one, not any one";
    EXPECT_EQ(text(e), u"Some text\r\nmore ") << "typing stays in the box";
}

TEST_F(SupportWindow, TabCompletesEnterInsertsAndCountsTheUse) {
    load();
    EditorThread& e = open(u"");
    HWND w = openSupport(e);
    ASSERT_NE(w, nullptr);
    ASSERT_TRUE(in::send(in::letters("textbf")));
    HWND box = GetDlgItem(w, 1201);
    ASSERT_TRUE(waitFor([&] { return in::text(box) == L"\\textbf"; }));
    ASSERT_TRUE(in::send(in::chord({}, VK_TAB)));
    ASSERT_TRUE(waitFor([&] { return in::text(box) == L"\\textbf{}"; })) << "the candidate's text";
    int position = selectedPosition(GetDlgItem(w, 1205));
    ASSERT_GE(position, 0);

    ASSERT_TRUE(in::send(in::chord({}, VK_RETURN)));
    EXPECT_TRUE(closed(e));
    u16 now;
    EXPECT_TRUE(waitFor([&] { return (now = text(e)) == u"\\textbf{}"; })) << str::toUtf8(now);
    EXPECT_EQ(caret(e), (Position{7, 0})) << "where the box had its caret, after the name";
    EXPECT_EQ(GetFocus(), nullptr) << "the test thread holds no focus";
    on(e, [&](EditorView&) { EXPECT_EQ(GetFocus(), e.editor()) << "the editor has the keyboard again"; });

    auto records = history_file::read(dir.path() + u"\\Vexa2.hst", static_cast<size_t>(position) + 1);
    ASSERT_EQ(records.size(), static_cast<size_t>(position) + 1);
    EXPECT_EQ(records[position].useCount, 1);
    EXPECT_EQ(readSetting(L"Settings", L"SupportLastString"), L"\\textbf{}");
}

TEST_F(SupportWindow, CtrlOneInsertsTheMostUsedCommand) {
    load();
    EditorThread& e = open(u"x");
    // Learn how many commands there are and pick one with a plain text.
    HWND w = openSupport(e);
    ASSERT_NE(w, nullptr);
    HWND list = GetDlgItem(w, 1205);
    int count = in::rowCount(list), row = -1;
    for (int i = 0; i < count && row < 0; ++i) {
        std::wstring t = in::rowText(list, i);
        if (t.starts_with(L"\\alpha")) row = i;
    }
    ASSERT_GE(row, 0) << "the shipped dictionary has \\alpha";
    ASSERT_TRUE(in::send(in::chord({}, VK_ESCAPE)));
    ASSERT_TRUE(closed(e));
    EXPECT_EQ(text(e), u"x") << "Esc inserts nothing";

    // Slot 0 is the most used command.
    std::vector<HistoryRecord> records(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) records[i] = HistoryRecord{i, i == row ? 7 : (i % 3)};
    ASSERT_TRUE(history_file::write(dir.path() + u"\\Vexa2.hst", records));
    on(e, [&](EditorView&) { SetFocus(e.editor()); });
    w = openSupport(e);
    ASSERT_NE(w, nullptr);
    HWND history = in::historyWindow(e.threadId());
    ASSERT_NE(history, nullptr);
    EXPECT_EQ(in::rowText(GetDlgItem(history, 1205), 0, 1), L"\\alpha") << "slot 0 is shown as (1)";
    ASSERT_TRUE(in::send(in::chord({VK_CONTROL}, '1')));
    EXPECT_TRUE(closed(e));
    u16 now;
    EXPECT_TRUE(waitFor([&] { return (now = text(e)) == u"x\\alpha"; })) << str::toUtf8(now);
    records = history_file::read(dir.path() + u"\\Vexa2.hst", static_cast<size_t>(count));
    EXPECT_EQ(records[row].useCount, 8) << "the history pick counts too";
}

TEST_F(SupportWindow, KeysWhileOpenNeverReachTheShortcutTable) {
    // Slot 2 is the inline-formula command, here on Shift+Q.
    setting(L"ShortCut", L"2", std::to_wstring(0x100 | 'Q'));
    load();
    EditorThread& e = open(u"");
    HWND w = openSupport(e);
    ASSERT_NE(w, nullptr);
    ASSERT_TRUE(in::send(in::chord({VK_SHIFT}, 'Q')));
    HWND box = GetDlgItem(w, 1201);
    EXPECT_TRUE(waitFor([&] { return in::text(box) == L"\\Q"; })) << "the box took the key";
    ASSERT_TRUE(in::send(in::chord({}, VK_ESCAPE)));
    EXPECT_TRUE(closed(e));
    EXPECT_EQ(text(e), u"") << "no formula was inserted";

    // Closed, the same key runs its command again.
    ASSERT_TRUE(in::send(in::chord({VK_SHIFT}, 'Q')));
    u16 now;
    EXPECT_TRUE(waitFor([&] { return (now = text(e)) == u"$$"; })) << str::toUtf8(now);
}

TEST_F(SupportWindow, AClickElsewhereClosesIt) {
    load();
    EditorThread& e = open(u"one\r\ntwo");
    HWND w = openSupport(e);
    ASSERT_NE(w, nullptr);
    RECT frame{};
    GetWindowRect(e.editor(), &frame);
    RECT support{};
    GetWindowRect(w, &support);
    // A point of the editor well away from the window.
    POINT at{frame.left + 10, frame.bottom - 10};
    if (at.y >= support.top && at.y < support.bottom) at.y = frame.top + 5;
    SetCursorPos(at.x, at.y);
    INPUT click[2] = {};
    click[0].type = click[1].type = INPUT_MOUSE;
    click[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    click[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    ASSERT_EQ(SendInput(2, click, sizeof(INPUT)), 2u);
    EXPECT_TRUE(closed(e));
    EXPECT_EQ(text(e), u"one\r\ntwo");
}

} // namespace

namespace {

TEST_F(SupportWindow, ASecondBackslashAtOnceInsertsTwo) {
    load();
    EditorThread& e = open(u"a");
    ASSERT_NE(openSupport(e), nullptr);
    ASSERT_TRUE(in::send(in::backslash()));
    EXPECT_TRUE(closed(e));
    u16 now;
    EXPECT_TRUE(waitFor([&] { return (now = text(e)) == u"a\\\\"; })) << str::toUtf8(now);
}

TEST_F(SupportWindow, TheWheelScrollsTheCandidates) {
    load();
    EditorThread& e = open(u"");
    HWND w = openSupport(e);
    ASSERT_NE(w, nullptr);
    HWND list = GetDlgItem(w, 1205);
    int top = static_cast<int>(SendMessageW(list, LVM_GETTOPINDEX, 0, 0));
    RECT r{};
    GetWindowRect(list, &r);
    SetCursorPos((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    INPUT wheel{};
    wheel.type = INPUT_MOUSE;
    wheel.mi.dwFlags = MOUSEEVENTF_WHEEL;
    wheel.mi.mouseData = static_cast<DWORD>(-WHEEL_DELTA * 3);   // three notches towards the user
    ASSERT_EQ(SendInput(1, &wheel, sizeof wheel), 1u);
    EXPECT_TRUE(waitFor([&] { return SendMessageW(list, LVM_GETTOPINDEX, 0, 0) > top; })) << "top row " << top;
    EXPECT_TRUE(IsWindowVisible(w)) << "scrolling keeps it open";
}

TEST_F(SupportWindow, ADoubleClickOnAHistoryRowShowsItsCommand) {
    load();
    EditorThread& e = open(u"");
    HWND w = openSupport(e);
    ASSERT_NE(w, nullptr);
    HWND history = in::historyWindow(e.threadId());
    ASSERT_TRUE(history && IsWindowVisible(history));
    HWND rows = GetDlgItem(history, 1205);
    std::wstring command = in::rowText(rows, 2, 1);
    ASSERT_FALSE(command.empty());
    RECT row{LVIR_BOUNDS, 0, 0, 0};
    ASSERT_TRUE(SendMessageW(rows, LVM_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&row)));
    POINT at{(row.left + row.right) / 2, (row.top + row.bottom) / 2};
    ClientToScreen(rows, &at);
    SetCursorPos(at.x, at.y);
    INPUT clicks[4] = {};
    for (int i = 0; i < 4; ++i) {
        clicks[i].type = INPUT_MOUSE;
        clicks[i].mi.dwFlags = i % 2 ? MOUSEEVENTF_LEFTUP : MOUSEEVENTF_LEFTDOWN;
    }
    ASSERT_EQ(SendInput(4, clicks, sizeof(INPUT)), 4u);
    HWND box = GetDlgItem(w, 1201);
    EXPECT_TRUE(waitFor([&] { return in::text(box) == command; })) << str::toUtf8(wide::u(in::text(box).c_str()));
    EXPECT_TRUE(IsWindowVisible(w)) << "a click on the history keeps the window open";
    EXPECT_EQ(text(e), u"") << "nothing inserted";
}

TEST_F(SupportWindow, ClosingTheToolbarWhileOpenLeavesTheEditorWorking) {
    load();
    EditorThread& e = open(u"");
    HWND w = openSupport(e);
    ASSERT_NE(w, nullptr);
    command(e);   // the host's command closes the main window, and the support window with it
    EXPECT_EQ(mainWindow(e), nullptr);
    EXPECT_TRUE(waitFor([&] { return !IsWindow(w); }));
    on(e, [&](EditorView&) { SetFocus(e.editor()); });
    ASSERT_TRUE(in::send(in::backslash()));
    u16 now;
    EXPECT_TRUE(waitFor([&] { return (now = text(e)) == u"\\"; })) << str::toUtf8(now);
}

} // namespace

namespace {

TEST_F(SupportWindow, WithoutAnInsertKeyTheBackslashIsTheEditors) {
    setting(L"SupportSettings", L"InsertKey", L"0");
    load();
    EditorThread& e = open(u"");
    ASSERT_TRUE(in::send(in::backslash()));
    u16 now;
    EXPECT_TRUE(waitFor([&] { return (now = text(e)) == u"\\"; })) << str::toUtf8(now);
    EXPECT_EQ(in::supportWindow(e.threadId()), nullptr);
    EXPECT_TRUE(IsWindow(mainWindow(e))) << "the toolbar still opened";
}

} // namespace
