#include "frame/win32/jump.h"
#include "frame/host_messages.h"
#include "frame/jump.h"
#include "frame/jump_ring.h"
#include "frame/win32/plugin_app.h"
#include "frame/win32/shared_state.h"
#include "frame/win32/window_editor.h"

#include <cstdint>

namespace jumps {
namespace {

HWND toWindow(uint32_t w) { return reinterpret_cast<HWND>(static_cast<uintptr_t>(w)); }

// Another window may belong to a thread that waits for the ring's mutex we
// hold, so questions to it time out instead of waiting for ever.
bool ask(HWND window, uint32_t subCode, intptr_t lParam, intptr_t& answer) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(window, hostmsg::GetDocumentInfo, subCode, lParam, SMTO_ABORTIFHUNG, 2000, &result))
        return false;
    answer = static_cast<intptr_t>(result);
    return true;
}

bool documentOpen(HWND window, int32_t document) {
    intptr_t count = 0;
    if (!ask(window, hostmsg::DocCount, 0, count)) return true; // unknown: keep the record
    for (intptr_t i = 0; i < count; ++i) {
        intptr_t handle = 0;
        if (!ask(window, hostmsg::DocHandle, i, handle)) return true;
        if (handle == document) return true;
    }
    return false;
}

// Call with the ring's mutex held.
const JumpRecord* newestValidLocked(PluginThreadContext& ctx) {
    bool multiDocument = false;
    if (ctx.editorWindow && IsWindow(ctx.editorWindow))
        multiDocument = WindowEditor(ctx.editorWindow).GetHostSetting(hostmsg::SettingMultiDocument) != 0;
    return jump_ring::newestValid(shared::state(), [&](const JumpRecord& r) {
        HWND w = toWindow(r.window);
        if (!IsWindow(w)) return false;
        return !multiDocument || documentOpen(w, r.document);
    });
}

void clearPendingLocked() {
    SharedState& s = shared::state();
    s.pendingJumpKind = 0;
    s.pendingJumpX = -1;
    s.pendingJumpY = -1;
    s.pendingJumpRequester = 0;
}

} // namespace

void jumpIn(HWND editor, Position logical, std::optional<int32_t> document) {
    if (!editor || !IsWindow(editor)) return;
    WindowEditor e(editor);
    jump::jumpTo(e, logical, document);
    SetFocus(editor);
}

void pushReturn(PluginThreadContext& ctx) {
    if (ctx.editorWindow && IsWindow(ctx.editorWindow)) {
        WindowEditor e(ctx.editorWindow);
        Position caret = e.GetCaretPos(PosKind::Logical);
        int32_t document = jump::activeDocument(e);
        platform::MutexLock lock(app::mutex(AppMutex::JumpReturn));
        jump_ring::push(shared::state(), JumpRecord{requesterOf(ctx.editorWindow), document, caret.x, caret.y});
    }
    refreshReturnButton(ctx);
}

void popReturn(PluginThreadContext& ctx) {
    {
        platform::MutexLock lock(app::mutex(AppMutex::JumpReturn));
        jump_ring::pop(shared::state());
    }
    refreshReturnButton(ctx);
}

bool hasValidReturn(PluginThreadContext& ctx) {
    platform::MutexLock lock(app::mutex(AppMutex::JumpReturn));
    return newestValidLocked(ctx) != nullptr;
}

void jumpBack(PluginThreadContext& ctx) {
    {
        platform::MutexLock lock(app::mutex(AppMutex::JumpReturn));
        const JumpRecord* found = newestValidLocked(ctx);
        if (found) {
            JumpRecord r = *found;
            HWND target = toWindow(r.window);
            if (target == ctx.editorWindow) {
                jumpIn(target, Position{r.x, r.y}, r.document);
            } else {
                setPending(Position{r.x, r.y}, 0);
                HWND top = GetAncestor(target, GA_ROOT);
                SetForegroundWindow(top ? top : target);
            }
            jump_ring::pop(shared::state());
        }
    }
    refreshReturnButton(ctx);
}

void refreshReturnButton(PluginThreadContext& ctx) {
    ctx.mainWindow.setCommandEnabled(JumpBackCommand, hasValidReturn(ctx));
}

void setPending(Position logical, uint32_t requester) {
    platform::MutexLock lock(app::mutex(AppMutex::Jump));
    SharedState& s = shared::state();
    s.pendingJumpKind = 1;
    s.pendingJumpX = logical.x;
    s.pendingJumpY = logical.y;
    s.pendingJumpRequester = requester;
}

bool pending() {
    platform::MutexLock lock(app::mutex(AppMutex::Jump));
    return shared::state().pendingJumpKind != 0;
}

void clearPending() {
    platform::MutexLock lock(app::mutex(AppMutex::Jump));
    clearPendingLocked();
}

bool takePending(PluginThreadContext& ctx) {
    Position target;
    {
        platform::MutexLock lock(app::mutex(AppMutex::Jump));
        SharedState& s = shared::state();
        if (s.pendingJumpKind == 0) return false;
        target = Position{s.pendingJumpX, s.pendingJumpY};
        clearPendingLocked();
    }
    jumpIn(ctx.editorWindow, target, std::nullopt);
    return true;
}

} // namespace jumps
