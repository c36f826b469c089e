// What ends when a host thread ends or the library is unloaded while main
// windows are open, driven through the library's own entry point on editor
// threads of the stand-in host: windows, hooks and contexts.
#include "frame/win32/module.h"
#include "frame/win32/plugin_app.h"
#include "frame/win32/shared_state.h"
#include "host/editor_thread.h"
#include "tests/wine/inprocess_plugin.h"
#include "tests/wine/language_test_support.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved);

namespace {

struct Opened {
    PluginThreadContext* context = nullptr;
    HWND window = nullptr;
    std::vector<HHOOK> hooks;
};

class Teardown : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_NO_FATAL_FAILURE(inprocess::startEnglishPlugin(folder)); }
    void TearDown() override {
        // Windows the library left open end on their own threads.
        for (size_t i = 0; i < editors.size(); ++i) {
            PluginThreadContext* left = opened.size() > i ? opened[i].context : nullptr;
            editors[i]->run([&](EditorView&) {
                if (app::settings()) app::threadEnded();
                else if (left) left->close();
            });
        }
        editors.clear();
        app::stop();
        setPluginInstance(nullptr);
    }
    EditorThread& editor() {
        EditorWindowOptions o;
        o.show = SW_SHOWNOACTIVATE;
        editors.push_back(std::make_unique<EditorThread>(o));
        EXPECT_TRUE(editors.back()->started());
        return *editors.back();
    }
    // Opens e's main window (docked in its rebar) with every hook in.
    Opened open(EditorThread& e) {
        Opened o;
        EXPECT_TRUE(e.run([&](EditorView&) {
            PluginThreadContext* ctx = app::context();
            if (!ctx) return;
            ctx->editorWindow = e.editor();
            if (!ctx->mainWindow.create(e.editor())) return;
            o.context = ctx;
            o.window = ctx->mainWindow.handle();
            o.hooks = {ctx->getMessageHook, ctx->callWndProcHook, ctx->callWndProcRetHook, ctx->keyboardHook};
        }));
        EXPECT_NE(o.window, nullptr);
        for (HHOOK h : o.hooks) EXPECT_NE(h, nullptr);
        opened.push_back(o);
        return o;
    }
    void onThread(EditorThread& e, DWORD reason, LPVOID reserved = nullptr) {
        ASSERT_TRUE(e.run([&](EditorView&) { DllMain(folder.plugin(), reason, reserved); }));
    }
    // A hook that is gone can no longer be removed.
    static bool hooked(const Opened& o) {
        bool any = false;
        for (HHOOK h : o.hooks)
            if (h && UnhookWindowsHookEx(h)) any = true;
        return any;
    }
    static int bands(EditorThread& e) { return static_cast<int>(SendMessageW(e.rebar(), RB_GETBANDCOUNT, 0, 0)); }

    lang_test::PluginFolder folder;
    std::vector<std::unique_ptr<EditorThread>> editors;
    std::vector<Opened> opened;   // by editor
};

TEST_F(Teardown, ThreadEndClosesTheWindowRemovesTheHooksAndForgetsTheContext) {
    size_t before = app::contextCount();
    EditorThread& e = editor();
    Opened o = open(e);
    ASSERT_EQ(app::contextCount(), before + 1);
    ASSERT_EQ(shared::openWindows(), 1);

    onThread(e, DLL_THREAD_DETACH);
    opened.clear();
    EXPECT_FALSE(IsWindow(o.window));
    EXPECT_FALSE(hooked(o));
    EXPECT_EQ(app::contextCount(), before);   // none made again on the way out
    EXPECT_EQ(shared::openWindows(), 0);
}

TEST_F(Teardown, UnloadClosesTheUnloadingThreadsWindowAndUnhooksEveryThread) {
    EditorThread& a = editor();
    EditorThread& b = editor();
    Opened oa = open(a), ob = open(b);
    ASSERT_EQ(bands(a), 2);

    onThread(a, DLL_PROCESS_DETACH);   // the host's FreeLibrary on a's thread
    opened[0].context = nullptr;       // freed with the library
    EXPECT_FALSE(IsWindow(oa.window));
    EXPECT_EQ(bands(a), 1);
    EXPECT_FALSE(hooked(oa));
    // b's window can only be destroyed by b; its hooks are gone all the same.
    EXPECT_FALSE(hooked(ob));
    EXPECT_EQ(app::settings(), nullptr);
    EXPECT_EQ(app::contextCount(), 0u);
    EXPECT_TRUE(b.run([](EditorView&) {}));
}

// At process exit the other threads are gone already: nothing is torn down,
// no window of another thread is even asked, and nothing is left for the
// runtime's clean-up of the library's objects to tear down afterwards.
TEST_F(Teardown, ProcessExitTouchesNoWindow) {
    EditorThread& e = editor();
    Opened o = open(e);
    ASSERT_EQ(bands(e), 2);
    DllMain(folder.plugin(), DLL_PROCESS_DETACH, reinterpret_cast<LPVOID>(1));
    EXPECT_TRUE(IsWindow(o.window));
    EXPECT_EQ(bands(e), 2);
    EXPECT_EQ(app::contextCount(), 0u);   // let go of, not destroyed
    app::stop();                          // what the runtime's clean-up reaches
    EXPECT_TRUE(IsWindow(o.window));
    EXPECT_EQ(bands(e), 2);
    EXPECT_TRUE(hooked(o));               // the system's to take back
}

} // namespace
