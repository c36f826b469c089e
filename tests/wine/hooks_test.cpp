// The thread hooks on real editor windows of the stand-in host, each on its
// own thread: what is installed under which settings, what reaches the
// sink, the host commands that switch highlighting off, typed keys, and
// the all-or-nothing rule when a step fails.
#include "base/str.h"
#include "frame/message_ids.h"
#include "frame/win32/hooks.h"
#include "frame/win32/language.h"
#include "frame/win32/module.h"
#include "frame/win32/plugin_app.h"
#include "frame/win32/shared_state.h"
#include "frame/win32/shared_toggles.h"
#include "host/editor_thread.h"
#include "settings/setting_keys.h"
#include "tests/wine/inprocess_plugin.h"
#include "tests/wine/language_test_support.h"
#include "tests/wine/plugin_test_support.h"

#include <gtest/gtest.h>

#include <atomic>
#include <commctrl.h>
#include <memory>
#include <mutex>
#include <vector>

namespace {
using host_test::waitFor;

// Records what the hooks hand on; the answers to offers are set by the test.
class RecordingSink : public HookSink {
public:
    void onClickNotice(HWND window) override {
        std::lock_guard<std::mutex> lock(mutex_);
        clicked_.push_back(window);
    }
    Band dockedBand() const override { return band; }
    void onRebarChildSize(int width) override { childWidth = width; }
    void setHostMenuOpen() override { ++menuOpen; }
    void moveSubWindows(bool mainFollows, bool subFollow) override {
        ++moves;
        lastMain = mainFollows;
        lastSub = subFollow;
    }
    bool offerWheel(int steps) override {
        ++wheelOffers;
        wheelSteps = steps;
        return takeWheel;
    }
    bool dispatchKey(WPARAM key, LPARAM) override {
        std::lock_guard<std::mutex> lock(mutex_);
        keys_.push_back(key);
        return key == consumedKey;
    }
    bool prepareSupportWindow() override { return !failSupport; }
    bool prepareEasySupport() override { return !failEasySupport; }
    bool buildShortcutTable(shortcuts::Table& table) override {
        ++shortcutBuilds;
        table[0x247] = 41079;
        return true;
    }

    std::vector<HWND> clicked() {
        std::lock_guard<std::mutex> lock(mutex_);
        return clicked_;
    }
    std::vector<WPARAM> keys() {
        std::lock_guard<std::mutex> lock(mutex_);
        return keys_;
    }

    Band band;   // set before the hooks go in
    std::atomic<int> childWidth{-1}, menuOpen{0}, moves{0}, wheelOffers{0}, wheelSteps{0}, shortcutBuilds{0};
    std::atomic<bool> lastMain{false}, lastSub{false}, takeWheel{false};
    std::atomic<bool> failSupport{false}, failEasySupport{false};
    WPARAM consumedKey = 0;

private:
    std::mutex mutex_;
    std::vector<HWND> clicked_;   // guarded by mutex_
    std::vector<WPARAM> keys_;    // guarded by mutex_
};

struct Handles {
    HHOOK getMessage, callWndProc, callWndProcRet, keyboard;
    SupportKeys keys;
};

INPUT key(WORD vk, bool up) {
    INPUT in{};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = vk;
    in.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    return in;
}

class Hooks : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_NO_FATAL_FAILURE(inprocess::startEnglishPlugin(folder));
    }
    void TearDown() override {
        for (auto& e : editors) {
            if (e->started()) on(*e, [](PluginThreadContext& c) { hooks::remove(c); });
        }
        editors.clear();
        app::stop();
        setPluginInstance(nullptr);
    }
    EditorThread& editor(u16 text = u"") {
        EditorWindowOptions o;
        o.text = std::move(text);
        o.show = SW_SHOWNOACTIVATE;
        editors.push_back(std::make_unique<EditorThread>(o));
        EXPECT_TRUE(editors.back()->started());
        return *editors.back();
    }
    void on(EditorThread& e, const std::function<void(PluginThreadContext&)>& fn) {
        ASSERT_TRUE(e.run([&](EditorView&) {
            PluginThreadContext* ctx = app::context();
            ASSERT_NE(ctx, nullptr);
            ctx->editorWindow = e.editor();
            fn(*ctx);
        }));
    }
    bool install(EditorThread& e, RecordingSink& sink) {
        bool ok = false;
        on(e, [&](PluginThreadContext& c) { ok = hooks::install(c, sink); });
        return ok;
    }
    Handles handles(EditorThread& e) {
        Handles h{};
        on(e, [&](PluginThreadContext& c) {
            h = Handles{c.getMessageHook, c.callWndProcHook, c.callWndProcRetHook, c.keyboardHook, c.keys};
        });
        return h;
    }
    // Returns once the editor thread has taken every message posted to it
    // before: the marker is posted too, so it queues behind them.
    void flush(EditorThread& e) {
        std::atomic<bool> done{false};
        std::function<void(EditorView&)> marker = [&](EditorView&) { done = true; };
        ASSERT_TRUE(PostMessageW(e.editor(), EditorView::RunOnThread, 0, reinterpret_cast<LPARAM>(&marker)));
        ASSERT_TRUE(waitFor([&] { return done.load(); }));
    }
    void setInt(const char16_t* section, const char16_t* key, int32_t value) {
        app::settings()->writeInt(section, key, value);
    }
    int iniInt(const wchar_t* section, const wchar_t* key) {
        return static_cast<int>(
            GetPrivateProfileIntW(section, key, -1, wide::w(folder.dir().file(u"Vexa2.ini"))));
    }
    void highlightOn(EditorThread& e) {
        on(e, [](PluginThreadContext& c) {
            shared_toggles::apply(c, SharedToggle::Highlight, plugin_rules::ToggleRequest::On);
        });
        ASSERT_EQ(shared::state().highlightOn, 1);
    }
    bool highlightButtonPressed(EditorThread& e) {
        bool pressed = true;
        on(e, [&](PluginThreadContext& c) { pressed = c.mainWindow.commandPressed(41124); });
        return pressed;
    }

    lang_test::PluginFolder folder;
    std::vector<std::unique_ptr<EditorThread>> editors;
};

TEST_F(Hooks, InstalledPerThreadAsTheSettingsAskAndRemoved) {
    EditorThread& a = editor();
    EditorThread& b = editor();
    RecordingSink sa, sb;
    ASSERT_TRUE(install(a, sa));
    ASSERT_TRUE(install(b, sb));
    Handles ha = handles(a), hb = handles(b);
    for (HHOOK h : {ha.getMessage, ha.callWndProc, ha.callWndProcRet, ha.keyboard}) EXPECT_NE(h, nullptr);
    EXPECT_NE(ha.getMessage, hb.getMessage);
    EXPECT_NE(ha.keyboard, hb.keyboard);
    // The default keys are read before the keyboard hook goes in.
    EXPECT_EQ(ha.keys.showSupport, 3u);
    EXPECT_EQ(ha.keys.easySupport, 288u);
    EXPECT_EQ(ha.keys.itemBibitem, 269u);
    EXPECT_EQ(ha.keys.shortcutTable, (shortcuts::Table{{0x247, 41079}}));

    on(a, [](PluginThreadContext& c) { hooks::remove(c); });
    ha = handles(a);
    for (HHOOK h : {ha.getMessage, ha.callWndProc, ha.callWndProcRet, ha.keyboard}) EXPECT_EQ(h, nullptr);
    EXPECT_NE(handles(b).keyboard, nullptr);   // the other thread keeps its own

    // Nothing asks for keys and nothing follows the frame.
    using namespace ini_keys;
    setInt(basic::Section, basic::AutoMove, 0);
    setInt(support::Section, support::Support, 0);
    setInt(support::Section, support::EasySupport, 0);
    setInt(shortcut::Section, shortcut::Status, 0);
    ASSERT_TRUE(install(a, sa));
    ha = handles(a);
    EXPECT_NE(ha.getMessage, nullptr);
    EXPECT_NE(ha.callWndProc, nullptr);
    EXPECT_EQ(ha.callWndProcRet, nullptr);
    EXPECT_EQ(ha.keyboard, nullptr);
    EXPECT_EQ(ha.keys.showSupport, 0u);
    EXPECT_EQ(ha.keys.easySupport, 0u);

    // Support alone: its own key, and the keyboard hook.
    setInt(support::Section, support::Support, 1);
    setInt(support::Section, support::ShowSupportKey, 0x220);
    ASSERT_TRUE(install(a, sa));
    ha = handles(a);
    EXPECT_NE(ha.keyboard, nullptr);
    EXPECT_EQ(ha.keys.showSupport, 0x220u);
    EXPECT_EQ(ha.keys.easySupport, 0u);
    EXPECT_TRUE(ha.keys.shortcutTable.empty()) << "built only when shortcut keys are on";
}

TEST_F(Hooks, HostHighlightCommandsSwitchHighlightingOff) {
    EditorThread& e = editor();
    RecordingSink sink;
    ASSERT_TRUE(install(e, sink));
    highlightOn(e);

    // A command outside the range, and one to another window, change nothing.
    PostMessageW(e.frame(), WM_COMMAND, 4207, 0);
    PostMessageW(e.editor(), WM_COMMAND, 4201, 0);
    flush(e);
    EXPECT_EQ(shared::state().highlightOn, 1);

    // Posted to the frame: seen as it leaves the queue.
    int generation = shared::state().highlightGeneration;
    PostMessageW(e.frame(), WM_COMMAND, 4201, 0);
    flush(e);
    EXPECT_EQ(shared::state().highlightOn, 0);
    EXPECT_EQ(shared::state().highlightGeneration, generation + 1);
    EXPECT_EQ(iniInt(L"Highlight", L"Status"), 0);
    EXPECT_FALSE(highlightButtonPressed(e));

    // Sent to the frame on its thread: seen as it is delivered, with a
    // click notice for the frame.
    highlightOn(e);
    on(e, [&](PluginThreadContext&) { SendMessageW(e.frame(), WM_COMMAND, 4206, 0); });
    EXPECT_EQ(shared::state().highlightOn, 0);
    std::vector<HWND> clicked = sink.clicked();
    ASSERT_FALSE(clicked.empty());
    EXPECT_EQ(clicked.back(), e.frame());
}

TEST_F(Hooks, ClicksMenusAndRebarSizesReachTheSink) {
    EditorThread& e = editor();
    RecordingSink sink;
    const UINT ownBand = 9;
    sink.band = HookSink::Band{e.rebar(), ownBand};
    ASSERT_TRUE(install(e, sink));

    PostMessageW(e.editor(), WM_RBUTTONDBLCLK, 0, MAKELPARAM(5, 5));
    PostMessageW(e.frame(), WM_NCLBUTTONDOWN, HTNOWHERE, 0);
    PostMessageW(e.editor(), WM_MOUSEMOVE, 0, MAKELPARAM(6, 6));   // not a press
    flush(e);
    EXPECT_EQ(sink.clicked(), (std::vector<HWND>{e.editor(), e.frame()}));

    on(e, [&](PluginThreadContext&) {
        // A closing menu reports 0xFFFF without a menu.
        SendMessageW(e.frame(), WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0);
        EXPECT_EQ(sink.menuOpen.load(), 0);
        HMENU menu = CreatePopupMenu();
        SendMessageW(e.frame(), WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), reinterpret_cast<LPARAM>(menu));
        SendMessageW(e.frame(), WM_MENUSELECT, MAKEWPARAM(1, MF_POPUP), reinterpret_cast<LPARAM>(menu));
        DestroyMenu(menu);
        EXPECT_EQ(sink.menuOpen.load(), 2);

        // Child sizes: only our band's, from our rebar, is taken.
        struct Case {
            HWND from;
            UINT code, band;
            int width;   // what the sink holds afterwards
        };
        HWND otherRebar = e.toolbar();   // any other window
        const Case cases[] = {
            {e.rebar(), static_cast<UINT>(NM_CLICK), ownBand, -1},
            {e.rebar(), static_cast<UINT>(RBN_CHILDSIZE), 1, -1},     // the host's band
            {otherRebar, static_cast<UINT>(RBN_CHILDSIZE), ownBand, -1},
            {e.rebar(), static_cast<UINT>(RBN_CHILDSIZE), ownBand, 238},
        };
        for (const Case& c : cases) {
            NMREBARCHILDSIZE size{};
            size.hdr.hwndFrom = c.from;
            size.hdr.code = c.code;
            size.uBand = 0;
            size.wID = c.band;
            size.rcChild = RECT{12, 2, 250, 30};
            SendMessageW(e.frame(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&size));
            EXPECT_EQ(sink.childWidth.load(), c.width) << "band " << c.band << " code " << static_cast<int>(c.code);
        }

        // While floating nothing is taken, not even a band with our old id.
        sink.childWidth = -1;
        sink.band = HookSink::Band{};
        NMREBARCHILDSIZE size{};
        size.hdr.hwndFrom = e.rebar();
        size.hdr.code = static_cast<UINT>(RBN_CHILDSIZE);
        size.rcChild = RECT{0, 0, 100, 30};
        SendMessageW(e.frame(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&size));
        EXPECT_EQ(sink.childWidth.load(), -1);
    });
}

TEST_F(Hooks, WheelIsOfferedWhileTheEditorLacksTheFocus) {
    u16 text;
    for (int i = 0; i < 200; ++i) text += u"line\r\n";
    EditorThread& e = editor(text);
    RecordingSink sink;
    ASSERT_TRUE(install(e, sink));
    auto scroll = [&] {
        int y = -1;
        e.run([&](EditorView& v) { y = v.document().model.GetScrollPos().y; });
        return y;
    };
    auto turnDown = [&] {
        PostMessageW(e.editor(), WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-2 * WHEEL_DELTA)), 0);
        flush(e);
    };
    HWND focus = nullptr;
    on(e, [&](PluginThreadContext&) {
        SetFocus(nullptr);   // the frame would pass it on to the editor
        focus = GetFocus();
    });
    ASSERT_NE(focus, e.editor());

    sink.takeWheel = true;
    turnDown();
    EXPECT_EQ(sink.wheelOffers.load(), 1);
    EXPECT_EQ(sink.wheelSteps.load(), 64);
    EXPECT_EQ(scroll(), 0);   // taken: the editor saw a turn of zero

    sink.takeWheel = false;
    turnDown();
    EXPECT_EQ(sink.wheelOffers.load(), 2);
    EXPECT_EQ(scroll(), 6);

    on(e, [&](PluginThreadContext&) {
        SetFocus(e.editor());
        focus = GetFocus();
    });
    ASSERT_EQ(focus, e.editor());
    sink.takeWheel = true;
    turnDown();
    EXPECT_EQ(sink.wheelOffers.load(), 2);   // the editor has it: not offered
    EXPECT_EQ(scroll(), 12);
}

TEST_F(Hooks, FrameMovesAreFollowedAsAutoMoveSays) {
    EditorThread& e = editor();
    RecordingSink sink;
    auto moveFrame = [&](int x, int y) {
        on(e, [&](PluginThreadContext&) {
            SetWindowPos(e.frame(), nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        });
    };
    using namespace ini_keys;
    setInt(basic::Section, basic::AutoMove, 2);
    ASSERT_TRUE(install(e, sink));
    moveFrame(40, 50);
    EXPECT_EQ(sink.moves.load(), 1);
    EXPECT_FALSE(sink.lastMain.load());
    EXPECT_TRUE(sink.lastSub.load());

    // The editor moving inside the frame is no frame move.
    on(e, [&](PluginThreadContext&) {
        SetWindowPos(e.editor(), nullptr, 3, 3, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    });
    EXPECT_EQ(sink.moves.load(), 1);

    // A maximized frame is not followed.
    on(e, [&](PluginThreadContext&) { ShowWindow(e.frame(), SW_MAXIMIZE); });
    int afterMaximize = sink.moves.load();
    on(e, [&](PluginThreadContext&) {
        if (IsZoomed(e.frame())) SendMessageW(e.frame(), WM_MOVE, 0, MAKELPARAM(1, 1));
    });
    EXPECT_EQ(sink.moves.load(), afterMaximize);
    on(e, [&](PluginThreadContext&) { ShowWindow(e.frame(), SW_RESTORE); });

    setInt(basic::Section, basic::AutoMove, 1);
    ASSERT_TRUE(install(e, sink));
    int before = sink.moves.load();
    moveFrame(70, 80);
    EXPECT_EQ(sink.moves.load(), before + 1);
    EXPECT_TRUE(sink.lastMain.load());
    EXPECT_FALSE(sink.lastSub.load());

    setInt(basic::Section, basic::AutoMove, 0);
    ASSERT_TRUE(install(e, sink));
    before = sink.moves.load();
    moveFrame(90, 100);
    EXPECT_EQ(sink.moves.load(), before);
}

TEST_F(Hooks, TypedKeysGoToTheKeyboardSinkWhichMayConsumeThem) {
    EditorThread& e = editor();
    RecordingSink sink;
    sink.consumedKey = 'A';
    ASSERT_TRUE(install(e, sink));
    on(e, [&](PluginThreadContext&) {
        SetForegroundWindow(e.frame());
        SetFocus(e.editor());
    });
    ASSERT_TRUE(waitFor([&] { return GetForegroundWindow() == e.frame(); }));

    std::vector<INPUT> inputs = {key('A', false), key('A', true), key('B', false), key('B', true)};
    ASSERT_EQ(SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT)), inputs.size());
    u16 text;
    EXPECT_TRUE(waitFor([&] {
        e.run([&](EditorView& v) { text = v.document().model.text(); });
        return text == u"b";
    })) << "got: " << str::toUtf8(text);
    // Key-downs only; the consumed A never reached the editor.
    EXPECT_EQ(sink.keys(), (std::vector<WPARAM>{'A', 'B'}));
}

TEST_F(Hooks, AFailedStepIsReportedAndLeavesNoHook) {
    EditorThread& e = editor();
    RecordingSink sink;
    sink.failEasySupport = true;
    plugin_test::Watcher boxes;
    EXPECT_FALSE(install(e, sink));
    boxes.stop();

    std::vector<plugin_test::SeenBox> seen = boxes.seen();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].text, lang::message(msgid::EasySupportFailed));
    EXPECT_EQ(seen[0].caption, lang::message(msgid::CaptionWarning));
    EXPECT_FALSE(seen[0].text.empty());
    EXPECT_EQ(sink.shortcutBuilds.load(), 1);   // the later steps still ran

    Handles h = handles(e);
    for (HHOOK x : {h.getMessage, h.callWndProc, h.callWndProcRet, h.keyboard}) EXPECT_EQ(x, nullptr);
    PostMessageW(e.editor(), WM_LBUTTONDOWN, 0, 0);
    flush(e);
    EXPECT_TRUE(sink.clicked().empty());
}

} // namespace
