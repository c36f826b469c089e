// The main window of an editor thread of the stand-in host, made in this
// process: the tool windows registered with it hide while another thread's
// window is in front and come back without taking the focus, follow the
// host frame and close with it; and its dictionary store, whose failure
// refuses the window cleanly.
#include "frame/message_ids.h"
#include "frame/win32/language.h"
#include "frame/win32/module.h"
#include "frame/win32/plugin_app.h"
#include "frame/win32/shared_state.h"
#include "host/editor_thread.h"
#include "settings/setting_keys.h"
#include "support/dictionary_store.h"
#include "tests/wine/inprocess_plugin.h"
#include "tests/wine/language_test_support.h"
#include "tests/wine/plugin_test_support.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>

namespace {
using host_test::waitFor;

class MainWindowSubWindows : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_NO_FATAL_FAILURE(inprocess::startEnglishPlugin(folder));
        settings()->writeInt(ini_keys::basic::Section, ini_keys::basic::Window, 2);
        EditorWindowOptions o;
        o.text = u"one\r\ntwo\r\n";
        o.show = SW_SHOWNOACTIVATE;
        e = std::make_unique<EditorThread>(o);
        ASSERT_TRUE(e->started());
    }
    void TearDown() override {
        if (e && e->started()) {
            run([&](PluginThreadContext& c) {
                c.mainWindow.destroy();
                if (sub) DestroyWindow(sub);
            });
        }
        e.reset();
        app::stop();
        setPluginInstance(nullptr);
    }
    static CSetting* settings() { return app::settings(); }
    void run(const std::function<void(PluginThreadContext&)>& fn) {
        ASSERT_TRUE(e->run([&](EditorView&) {
            PluginThreadContext* ctx = app::context();
            ASSERT_NE(ctx, nullptr);
            ctx->editorWindow = e->editor();
            fn(*ctx);
        }));
    }
    bool open() {
        bool made = false;
        run([&](PluginThreadContext& c) { made = c.mainWindow.create(e->editor()); });
        return made;
    }
    // A plain tool window owned by the main window, registered with it the
    // way the palettes register theirs.
    void openSubWindow() {
        run([&](PluginThreadContext& c) {
            sub = CreateWindowExW(WS_EX_TOOLWINDOW, L"STATIC", L"sub", WS_POPUP | WS_CAPTION | WS_VISIBLE, 50, 60,
                                  200, 150, c.mainWindow.handle(), nullptr, nullptr, nullptr);
            c.mainWindow.registerSubWindow(sub);
            c.mainWindow.registerSubWindow(sub);   // once is enough
        });
        ASSERT_NE(sub, nullptr);
    }
    void hostToFront() {
        run([&](PluginThreadContext&) { SetForegroundWindow(e->frame()); });
    }
    bool visible(HWND w) { return IsWindowVisible(w) != 0; }

    lang_test::PluginFolder folder;
    std::unique_ptr<EditorThread> e;
    HWND sub = nullptr;   // made on the editor thread
};

// A window of the test's own thread, in front while it lives.
class OtherWindow {
public:
    OtherWindow() {
        window_ = CreateWindowW(L"STATIC", L"other", WS_POPUP | WS_VISIBLE, 700, 500, 200, 100, nullptr, nullptr,
                                nullptr, nullptr);
        SetForegroundWindow(window_);
    }
    ~OtherWindow() { DestroyWindow(window_); }
    HWND handle() const { return window_; }

private:
    HWND window_;
};

TEST_F(MainWindowSubWindows, HideWhileAnotherThreadIsInFrontAndComeBackWithoutTheFocus) {
    ASSERT_TRUE(open());
    openSubWindow();
    hostToFront();
    ASSERT_TRUE(waitFor([&] { return GetForegroundWindow() == e->frame(); }, 2000));
    {
        OtherWindow other;
        ASSERT_TRUE(waitFor([&] { return GetForegroundWindow() == other.handle(); }, 2000))
            << "the window manager gave another thread no foreground";
        EXPECT_TRUE(waitFor([&] { return !visible(sub); }, 1000));
        hostToFront();
        EXPECT_TRUE(waitFor([&] { return visible(sub); }, 1000));
    }
    // Shown again without being activated: the host keeps the foreground.
    EXPECT_EQ(GetForegroundWindow(), e->frame());
    bool mine = false;
    run([&](PluginThreadContext& c) { mine = c.mainWindow.foregroundIsMine(); });
    EXPECT_TRUE(mine);
}

TEST_F(MainWindowSubWindows, StayWhenHidingIsSwitchedOff) {
    settings()->writeInt(ini_keys::basic::Section, ini_keys::basic::HideSubWindow, 0);
    ASSERT_TRUE(open());
    openSubWindow();
    OtherWindow other;
    ASSERT_TRUE(waitFor([&] { return GetForegroundWindow() == other.handle(); }, 2000));
    // Several ticks of the timer pass.
    waitFor([] { return false; }, 700);
    EXPECT_TRUE(visible(sub));
}

TEST_F(MainWindowSubWindows, FollowTheHostFrameAndCloseWithTheWindow) {
    settings()->writeInt(ini_keys::basic::Section, ini_keys::basic::AutoMove, 2);
    ASSERT_TRUE(open());
    openSubWindow();
    HWND kept = nullptr;   // unregistered again: its owner closes it
    run([&](PluginThreadContext& c) {
        kept = CreateWindowW(L"STATIC", L"kept", WS_POPUP, 10, 10, 50, 50, nullptr, nullptr, nullptr, nullptr);
        c.mainWindow.registerSubWindow(kept);
        c.mainWindow.unregisterSubWindow(kept);
        c.mainWindow.unregisterSubWindow(nullptr);
    });
    RECT before{}, frame{};
    GetWindowRect(sub, &before);
    GetWindowRect(e->frame(), &frame);
    run([&](PluginThreadContext&) {
        SetWindowPos(e->frame(), nullptr, frame.left + 40, frame.top + 25, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    });
    RECT after{};
    GetWindowRect(sub, &after);
    EXPECT_EQ(after.left - before.left, 40);
    EXPECT_EQ(after.top - before.top, 25);
    EXPECT_EQ(after.right - after.left, before.right - before.left);

    size_t registered = 0;
    run([&](PluginThreadContext& c) {
        registered = c.mainWindow.subWindows().size();
        c.mainWindow.destroy();
    });
    EXPECT_EQ(registered, 1u);
    EXPECT_FALSE(IsWindow(sub));
    sub = nullptr;
    EXPECT_TRUE(IsWindow(kept));
    run([&](PluginThreadContext& c) {
        registered = c.mainWindow.subWindows().size();
        DestroyWindow(kept);
    });
    EXPECT_EQ(registered, 0u);
}

TEST_F(MainWindowSubWindows, DictionaryStoreLivesWithTheWindow) {
    ASSERT_TRUE(open());
    bool usable = false, made = false;
    u16 cache;
    run([&](PluginThreadContext& c) {
        made = c.mainWindow.dictionaries() != nullptr;
        if (made) {
            usable = c.mainWindow.dictionaries()->usable();
            cache = c.mainWindow.dictionaries()->cachePath();
        }
    });
    ASSERT_TRUE(made);
    EXPECT_TRUE(usable);
    // The cache sits in the settings folder, ready for the support window.
    EXPECT_EQ(cache, folder.dir().file(u"Vexa2.dic"));
    EXPECT_TRUE(platform::fileExists(cache));
    run([&](PluginThreadContext& c) {
        c.mainWindow.destroy();
        made = c.mainWindow.dictionaries() != nullptr;
    });
    EXPECT_FALSE(made);
}

TEST_F(MainWindowSubWindows, WithoutASettingsFolderTheWindowIsRefusedCleanly) {
    // Multi-user mode whose profile folder went away: the settings, and so
    // the dictionaries' cache and history, have no place.
    wchar_t saved[1024] = {};
    DWORD had = GetEnvironmentVariableW(L"USERPROFILE", saved, 1024);
    SetEnvironmentVariableW(L"USERPROFILE", (std::wstring(wide::w(folder.dir().path())) + L"\\gone").c_str());
    EXPECT_FALSE(settings()->switchToUserProfile());
    SetEnvironmentVariableW(L"USERPROFILE", had ? saved : nullptr);
    ASSERT_EQ(settings()->settingsFolder(), nullptr);

    int32_t countBefore = shared::openWindows();
    plugin_test::Watcher watcher;
    EXPECT_FALSE(open());
    watcher.stop();
    std::vector<plugin_test::SeenBox> boxes = watcher.seen();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, lang::message(msgid::DictionariesNotCreated));
    EXPECT_EQ(boxes[0].caption, lang::message(msgid::CaptionWarning));
    EXPECT_EQ(shared::openWindows(), countBefore);
    HHOOK hooks[4] = {};
    bool exists = true, hasStore = true;
    run([&](PluginThreadContext& c) {
        hooks[0] = c.getMessageHook;
        hooks[1] = c.callWndProcHook;
        hooks[2] = c.callWndProcRetHook;
        hooks[3] = c.keyboardHook;
        exists = c.mainWindow.exists();
        hasStore = c.mainWindow.dictionaries() != nullptr;
    });
    for (HHOOK h : hooks) EXPECT_EQ(h, nullptr);
    EXPECT_FALSE(exists);
    EXPECT_FALSE(hasStore);
    // Nothing of the window is left on the thread.
    EXPECT_EQ(plugin_test::pluginWindowsOnThread(e->threadId()), 0);
}

} // namespace
