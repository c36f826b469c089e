// Jumps, the jump-return ring and the shared toggles, driven in-process on
// real editor windows of the stand-in host (each on its own thread).
#include "frame/win32/jump.h"
#include "frame/win32/module.h"
#include "frame/win32/plugin_app.h"
#include "frame/win32/plugin_entry.h"
#include "frame/win32/shared_state.h"
#include "frame/win32/shared_toggles.h"
#include "host/editor_thread.h"
#include "tests/wine/plugin_test_support.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {
using namespace plugin_test;

u16 lines(int n) {
    u16 t;
    for (int i = 0; i < n; ++i) t += u"a line of some length\r\n";
    return t;
}

class PluginJump : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.ok());
        setPluginInstance(GetModuleHandleW(nullptr));
        ASSERT_EQ(app::start(GetModuleHandleW(nullptr), dir.path()), app::StartResult::Started);
        shared::state() = initialSharedState();
    }
    void TearDown() override {
        editors.clear();
        app::stop();
    }
    EditorThread& editor(int lineCount = 100) {
        EditorWindowOptions o;
        o.text = lines(lineCount);
        o.show = SW_SHOWNOACTIVATE;
        editors.push_back(std::make_unique<EditorThread>(o));
        EXPECT_TRUE(editors.back()->started());
        return *editors.back();
    }
    // Runs fn on the editor's thread with that thread's context bound to it.
    void on(EditorThread& e, const std::function<void(PluginThreadContext&, EditorView&)>& fn) {
        ASSERT_TRUE(e.run([&](EditorView& v) {
            PluginThreadContext* ctx = app::context();
            ASSERT_NE(ctx, nullptr);
            ctx->editorWindow = e.editor();
            fn(*ctx, v);
        }));
    }
    void caretTo(EditorThread& e, Position p) {
        on(e, [&](PluginThreadContext&, EditorView& v) { v.document().model.SetCaretPos(PosKind::Logical, p); });
    }
    Position caret(EditorThread& e) {
        Position p;
        on(e, [&](PluginThreadContext&, EditorView& v) { p = v.document().model.caret(); });
        return p;
    }
    void push(EditorThread& e) {
        on(e, [](PluginThreadContext& c, EditorView&) { jumps::pushReturn(c); });
    }
    bool valid(EditorThread& e) {
        bool r = false;
        on(e, [&](PluginThreadContext& c, EditorView&) { r = jumps::hasValidReturn(c); });
        return r;
    }
    bool backButtonEnabled(EditorThread& e) {
        bool r = false;
        on(e, [&](PluginThreadContext& c, EditorView&) { r = c.mainWindow.commandEnabled(jumps::JumpBackCommand); });
        return r;
    }
    uint32_t id(EditorThread& e) { return static_cast<uint32_t>(reinterpret_cast<uintptr_t>(e.editor())); }

    TempDir dir;
    std::vector<std::unique_ptr<EditorThread>> editors;
};

TEST_F(PluginJump, RingKeepsTheNewest101Places) {
    EditorThread& e = editor(200);
    int32_t handle = 0;
    on(e, [&](PluginThreadContext&, EditorView& v) { handle = v.document().handle; });
    for (int i = 0; i < JumpRingSize + 1; ++i) {
        caretTo(e, Position{i % 7, i});
        push(e);
    }
    SharedState& s = shared::state();
    EXPECT_EQ(s.jumpReturnTop, 0); // the 102nd overwrote the oldest
    EXPECT_EQ(s.jumpReturn[0].y, 101);
    EXPECT_EQ(s.jumpReturn[0].x, 101 % 7);
    EXPECT_EQ(s.jumpReturn[0].window, id(e));
    EXPECT_EQ(s.jumpReturn[0].document, handle);
    EXPECT_EQ(s.jumpReturn[1].y, 1);
    EXPECT_TRUE(backButtonEnabled(e));
    on(e, [](PluginThreadContext& c, EditorView&) { jumps::popReturn(c); });
    EXPECT_EQ(s.jumpReturnTop, 100); // below 0 continues at the last slot
    EXPECT_EQ(s.jumpReturn[0].window, 0u);
    EXPECT_EQ(s.jumpReturn[100].y, 100);
}

TEST_F(PluginJump, RecordsOfClosedWindowsAreSkipped) {
    EditorThread& a = editor();
    EditorThread& b = editor();
    caretTo(a, Position{0, 3});
    push(a);
    caretTo(b, Position{0, 7});
    push(b);
    b.close();
    EXPECT_TRUE(valid(a));
    SharedState& s = shared::state();
    EXPECT_EQ(s.jumpReturnTop, 0);
    EXPECT_EQ(s.jumpReturn[0].y, 3);
    EXPECT_EQ(s.jumpReturn[1].window, 0u); // the stale one was dropped

    on(a, [](PluginThreadContext& ctx, EditorView&) { jumps::popReturn(ctx); }); // a's own record goes
    EditorThread& c = editor();
    push(c);
    push(c);
    c.close();
    on(a, [](PluginThreadContext& ctx, EditorView&) { jumps::refreshReturnButton(ctx); });
    EXPECT_FALSE(backButtonEnabled(a)); // all stale: the button goes off
    EXPECT_FALSE(valid(a));
}

TEST_F(PluginJump, ClosedDocumentsCountOnlyForMultiDocumentHosts) {
    EditorThread& a = editor();
    push(a);
    on(a, [](PluginThreadContext&, EditorView& v) {
        auto doc = std::make_unique<Document>();
        doc->model.setText(u"another\r\n");
        v.replaceDocument(std::move(doc));
    });
    EXPECT_TRUE(valid(a)); // one document per window: the window is enough
    on(a, [](PluginThreadContext&, EditorView& v) { v.document().model.setHostSetting(4342, 1); });
    EXPECT_FALSE(valid(a));
}

TEST_F(PluginJump, JumpBackInTheSameWindow) {
    EditorThread& a = editor();
    caretTo(a, Position{1, 10});
    push(a);
    caretTo(a, Position{0, 80});
    on(a, [](PluginThreadContext& c, EditorView&) { jumps::jumpBack(c); });
    EXPECT_EQ(caret(a), (Position{1, 10}));
    Position scroll;
    on(a, [&](PluginThreadContext&, EditorView& v) { scroll = v.document().model.GetScrollPos(); });
    EXPECT_EQ(scroll.y, 5);
    EXPECT_FALSE(jumps::pending());
    EXPECT_FALSE(backButtonEnabled(a));
    EXPECT_EQ(shared::state().jumpReturn[0].window, 0u);
}

TEST_F(PluginJump, JumpBackToAnotherWindowIsFinishedByItsEvents) {
    EditorThread& a = editor();
    EditorThread& b = editor();
    caretTo(a, Position{2, 40});
    push(a);
    caretTo(a, Position{0, 0});
    on(b, [](PluginThreadContext& c, EditorView&) { jumps::jumpBack(c); });
    EXPECT_TRUE(jumps::pending());
    EXPECT_EQ(caret(a), (Position{0, 0})); // not yet: a finishes it itself
    SharedState& s = shared::state();
    EXPECT_EQ(s.pendingJumpX, 2);
    EXPECT_EQ(s.pendingJumpY, 40);
    EXPECT_EQ(s.pendingJumpRequester, 0u);

    LRESULT r = 0;
    on(a, [&](PluginThreadContext&, EditorView&) { r = entry::onEvents(a.editor(), 0x8000, 0); });
    EXPECT_NE(r, 0);
    EXPECT_EQ(caret(a), (Position{2, 40}));
    EXPECT_FALSE(jumps::pending());
    EXPECT_EQ(s.pendingJumpX, -1);
}

TEST_F(PluginJump, SharedTogglesWriteSettingAndMirror) {
    EditorThread& a = editor(5);
    SharedState& s = shared::state();
    auto ini = [&](const wchar_t* section, const wchar_t* key) {
        return static_cast<int>(GetPrivateProfileIntW(section, key, -1, path(dir, L"Vexa2.ini").c_str()));
    };
    using plugin_rules::ToggleRequest;
    int32_t result = -1;
    bool pressed = false;
    auto apply = [&](SharedToggle t, ToggleRequest r) {
        on(a, [&](PluginThreadContext& c, EditorView&) {
            result = shared_toggles::apply(c, t, r);
            pressed = c.mainWindow.commandPressed(static_cast<uint32_t>(t));
        });
    };

    apply(SharedToggle::Highlight, ToggleRequest::Toggle);
    EXPECT_EQ(result, 1);
    EXPECT_TRUE(pressed);
    EXPECT_EQ(s.highlightOn, 1);
    EXPECT_EQ(s.highlightGeneration, 2);
    EXPECT_EQ(ini(L"Highlight", L"Status"), 1);
    apply(SharedToggle::Highlight, ToggleRequest::Show);
    EXPECT_EQ(result, 1);
    EXPECT_EQ(s.highlightGeneration, 2); // no change, no re-apply
    apply(SharedToggle::Highlight, ToggleRequest::On);
    EXPECT_EQ(s.highlightGeneration, 2);
    apply(SharedToggle::Highlight, ToggleRequest::Off);
    EXPECT_EQ(result, 0);
    EXPECT_FALSE(pressed);
    EXPECT_EQ(s.highlightGeneration, 3);
    EXPECT_EQ(ini(L"Highlight", L"Status"), 0);

    apply(SharedToggle::Swap, ToggleRequest::On);
    EXPECT_EQ(result, 1);
    EXPECT_EQ(s.swapOn, 1);
    EXPECT_EQ(ini(L"Make", L"Swap"), 1);
    EXPECT_EQ(s.highlightGeneration, 3);

    // With no recent root file the lock stays off.
    apply(SharedToggle::RootLock, ToggleRequest::Toggle);
    EXPECT_EQ(result, 0);
    EXPECT_FALSE(pressed);
    EXPECT_EQ(s.rootLockOn, 0);
    EXPECT_EQ(ini(L"Root", L"Status"), -1);
}

TEST_F(PluginJump, ContextsBelongToTheirThreads) {
    EditorThread& a = editor(5);
    EditorThread& b = editor(5);
    PluginThreadContext* ca = nullptr;
    PluginThreadContext* cb = nullptr;
    on(a, [&](PluginThreadContext& c, EditorView&) { ca = &c; });
    on(b, [&](PluginThreadContext& c, EditorView&) { cb = &c; });
    EXPECT_NE(ca, cb);
    EXPECT_EQ(ca->threadId, a.threadId());
    size_t before = app::contextCount();
    // Settings reads without a buffer land in the calling thread's buffer.
    const char16_t* text = nullptr;
    on(a, [&](PluginThreadContext& c, EditorView&) {
        text = app::settings()->readString(u"Nothing", u"Here", u"fallback");
        EXPECT_EQ(text, c.textBuffer.data());
    });
    EXPECT_EQ(u16(text), u"fallback");
    app::threadEnded(); // this (test) thread has one too: made by nothing, removes nothing
    EXPECT_EQ(app::contextCount(), before);
}

} // namespace
