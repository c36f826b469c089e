// The floating sub-window frame on a real editor window of the stand-in
// host: where it opens, what it saves when it closes, its system menu and
// minimum size, how the main window moves and hides it with the host, and
// the pending jump it finishes when it gets the focus. The template is the
// plain test dialog of the test language library.
#include "base/str.h"
#include "frame/win32/jump.h"
#include "frame/win32/module.h"
#include "frame/win32/plugin_app.h"
#include "frame/win32/shared_state.h"
#include "host/editor_thread.h"
#include "lang/test/dialogs_res.h"
#include "outline/win32/dialog_sub_common.h"
#include "outline/win32/subwindow_host.h"
#include "settings/setting_keys.h"
#include "tests/wine/language_test_support.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

class TestSubWindow : public DialogSubCommon {
public:
    TestSubWindow() : DialogSubCommon(u"Test") {}
};

std::string text(const RECT& r) {
    return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," +
           std::to_string(r.bottom);
}

class SubWindow : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_NE(folder.plugin(), nullptr);
        ASSERT_TRUE(folder.addLibrary(L"langtest\\Vexa2Test.dll", u"Vexa2Test.dll"));
        ASSERT_TRUE(lang::load(folder.plugin(), L"Vexa2Test.dll"));
        setPluginInstance(folder.plugin());
        ASSERT_EQ(app::start(folder.plugin(), folder.dir().path()), app::StartResult::Started);
        shared::state() = initialSharedState();
        u16 lines;
        for (int i = 0; i < 100; ++i) lines += u"some text on a line\r\n";
        EditorWindowOptions o;
        o.text = lines;
        o.show = SW_SHOWNOACTIVATE;
        e = std::make_unique<EditorThread>(o);
        ASSERT_TRUE(e->started());
        ASSERT_EQ(GetParent(e->editor()), e->frame());
        moveFrame(100, 80);
    }
    void TearDown() override {
        if (e && e->started()) e->run([&](EditorView&) { sub.close(0); });
        e.reset();
        app::stop();
        setPluginInstance(nullptr);
    }
    void run(const std::function<void()>& fn) {
        ASSERT_TRUE(e->run([&](EditorView&) { fn(); }));
    }
    // The frame is 640 by 480 throughout.
    void moveFrame(int x, int y) {
        run([&] { SetWindowPos(e->frame(), nullptr, x, y, 640, 480, SWP_NOZORDER | SWP_NOACTIVATE); });
    }
    bool open() {
        bool ok = false;
        run([&] { ok = sub.create(e->frame(), e->editor(), IDD_TEST_PLAIN); });
        return ok;
    }
    void close() {
        run([&] { SendMessageW(sub.handle(), WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0); });
    }
    RECT rect() {
        RECT r{};
        GetWindowRect(sub.handle(), &r);
        return r;
    }
    void moveSub(int x, int y, int w, int h) {
        run([&] { SetWindowPos(sub.handle(), nullptr, x, y, w, h, SWP_NOZORDER | SWP_NOACTIVATE); });
    }
    std::string saved(const wchar_t* key) {
        wchar_t buffer[128] = {};
        GetPrivateProfileStringW(L"WindowPos", key, L"", buffer, 128, wide::w(folder.dir().file(u"Vexa2.ini")));
        return str::toUtf8(wide::u(buffer));
    }
    void setInt(const char16_t* key, int32_t value) {
        app::settings()->writeInt(ini_keys::basic::Section, key, value);
    }

    lang_test::PluginFolder folder;
    std::unique_ptr<EditorThread> e;
    TestSubWindow sub;   // its window lives on e's thread
};

TEST_F(SubWindow, OpensAtTheFrameCornerThenKeepsItsPlaceRelativeToTheFrame) {
    ASSERT_TRUE(open());
    EXPECT_FALSE(open());   // only one at a time
    EXPECT_EQ(text(rect()), text(RECT{740 - 350, 560 - 350, 740, 560}));

    moveSub(130, 120, 200, 150);
    close();
    EXPECT_EQ(sub.handle(), nullptr);
    EXPECT_EQ(saved(L"Test_abs"), "130,120,330,270");
    EXPECT_EQ(saved(L"Test_rel"), "30,40,230,190");

    // Reopened on the same object after the frame moved: same offset.
    moveFrame(300, 200);
    ASSERT_TRUE(open());
    EXPECT_EQ(text(rect()), "330,240,530,390");
    close();

    // Absolute: the same screen place wherever the frame is.
    setInt(ini_keys::basic::SubWindow, 1);
    moveFrame(50, 60);
    ASSERT_TRUE(open());
    EXPECT_EQ(text(rect()), "330,240,530,390");
    close();
    EXPECT_EQ(saved(L"Test_rel"), "280,180,480,330");

    // Default corner, whatever was saved.
    setInt(ini_keys::basic::SubWindow, 0);
    ASSERT_TRUE(open());
    EXPECT_EQ(text(rect()), text(RECT{690 - 350, 540 - 350, 690, 540}));
}

TEST_F(SubWindow, UnusableSavedPlacesFallBackToTheCorner) {
    WritePrivateProfileStringW(L"WindowPos", L"Test_rel", L"10,20,30", wide::w(folder.dir().file(u"Vexa2.ini")));
    ASSERT_TRUE(open());
    EXPECT_EQ(text(rect()), text(RECT{740 - 350, 560 - 350, 740, 560}));
}

TEST_F(SubWindow, ClosingWhileTheHostIsMinimisedSavesNothing) {
    ASSERT_TRUE(open());
    moveSub(130, 120, 200, 150);
    close();
    ASSERT_EQ(saved(L"Test_abs"), "130,120,330,270");

    ASSERT_TRUE(open());
    moveSub(10, 10, 120, 120);
    run([&] { ShowWindow(e->frame(), SW_MINIMIZE); });
    close();
    EXPECT_EQ(saved(L"Test_abs"), "130,120,330,270");
    EXPECT_EQ(saved(L"Test_rel"), "30,40,230,190");
}

TEST_F(SubWindow, KeptOnScreenWithoutResizing) {
    int width = GetSystemMetrics(SM_CXFULLSCREEN);
    int height = GetSystemMetrics(SM_CYFULLSCREEN) + GetSystemMetrics(SM_CYCAPTION);
    ASSERT_GT(width, 300);
    std::wstring offScreen = std::to_wstring(width - 100) + L"," + std::to_wstring(height - 50) + L"," +
                             std::to_wstring(width + 200) + L"," + std::to_wstring(height + 250);
    WritePrivateProfileStringW(L"WindowPos", L"Test_abs", offScreen.c_str(), wide::w(folder.dir().file(u"Vexa2.ini")));
    setInt(ini_keys::basic::SubWindow, 1);
    setInt(ini_keys::basic::SubCompleteVisible, 1);
    ASSERT_TRUE(open());
    EXPECT_EQ(text(rect()), text(RECT{width - 300, height - 300, width, height}));
}

TEST_F(SubWindow, ShortSystemMenuAndMinimumSize) {
    ASSERT_TRUE(open());
    run([&] {
        HMENU menu = GetSystemMenu(sub.handle(), FALSE);
        ASSERT_NE(menu, nullptr);
        for (UINT gone : {SC_MAXIMIZE, SC_MINIMIZE, SC_RESTORE})
            EXPECT_EQ(GetMenuState(menu, gone, MF_BYCOMMAND), static_cast<UINT>(-1)) << gone;
        for (UINT kept : {SC_MOVE, SC_CLOSE})
            EXPECT_NE(GetMenuState(menu, kept, MF_BYCOMMAND), static_cast<UINT>(-1)) << kept;
        MINMAXINFO info{};
        SendMessageW(sub.handle(), WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
        EXPECT_EQ(info.ptMinTrackSize.x, 100);
        EXPECT_EQ(info.ptMinTrackSize.y, 100);
    });
}

// What the main window does to its sub-windows when the host frame moves
// and when the host goes to the back and comes to the front again.
TEST_F(SubWindow, FollowsAndHidesWithTheHost) {
    ASSERT_TRUE(open());
    run([&] { ShowWindow(sub.handle(), SW_SHOWNOACTIVATE); });
    HWND gone = nullptr;
    run([&] {
        gone = CreateWindowW(L"STATIC", L"gone", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
        DestroyWindow(gone);
    });
    const HWND windows[] = {nullptr, sub.handle(), gone};

    RECT before = rect();
    run([&] { subwindow_host::moveBy(windows, 25, -10); });
    EXPECT_EQ(text(rect()), text(RECT{before.left + 25, before.top - 10, before.right + 25, before.bottom - 10}));

    int first = -1, second = -1;
    run([&] {
        first = subwindow_host::showWithHost(windows, false);
        second = subwindow_host::showWithHost(windows, false);
    });
    EXPECT_EQ(first, 1);
    EXPECT_EQ(second, 0);   // already hidden
    EXPECT_FALSE(IsWindowVisible(sub.handle()));
    HWND active = nullptr;
    run([&] {
        SetActiveWindow(e->frame());
        first = subwindow_host::showWithHost(windows, true);
        second = subwindow_host::showWithHost(windows, true);
        active = GetActiveWindow();
    });
    EXPECT_EQ(first, 1);
    EXPECT_EQ(second, 0);
    EXPECT_TRUE(IsWindowVisible(sub.handle()));
    EXPECT_EQ(active, e->frame());   // shown without taking the activation
    EXPECT_EQ(text(rect()), text(RECT{before.left + 25, before.top - 10, before.right + 25, before.bottom - 10}));
}

TEST_F(SubWindow, FocusFinishesAPendingJumpUnlessItsOwnerAskedForIt) {
    ASSERT_TRUE(open());
    run([&] { ShowWindow(sub.handle(), SW_SHOWNOACTIVATE); });
    auto caret = [&] {
        Position p;
        e->run([&](EditorView& v) { p = v.document().model.caret(); });
        return p;
    };
    auto focusSub = [&] {
        HWND focus = nullptr;
        run([&] {
            SetFocus(e->editor());
            SetFocus(sub.handle());
            focus = GetFocus();
        });
        return focus;
    };
    uint32_t owner = static_cast<uint32_t>(reinterpret_cast<uintptr_t>(e->frame()));

    jumps::setPending(Position{2, 40}, owner);
    HWND focus = focusSub();
    EXPECT_NE(focus, e->editor());
    EXPECT_TRUE(jumps::pending());   // left for another window
    EXPECT_EQ(caret(), (Position{0, 0}));

    jumps::setPending(Position{2, 40}, owner + 4);
    focus = focusSub();
    EXPECT_EQ(focus, e->editor());
    EXPECT_FALSE(jumps::pending());
    EXPECT_EQ(shared::state().pendingJumpY, -1);
    EXPECT_EQ(caret(), (Position{2, 40}));
    int top = -1;
    e->run([&](EditorView& v) { top = v.document().model.GetScrollPos().y; });
    EXPECT_EQ(top, 35);
}

} // namespace
