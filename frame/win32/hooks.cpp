#include "frame/win32/hooks.h"

#include "frame/message_ids.h"
#include "frame/plugin_rules.h"
#include "frame/win32/language.h"
#include "frame/win32/plugin_app.h"
#include "frame/win32/shared_toggles.h"
#include "settings/setting_keys.h"

#include <commctrl.h>

namespace hooks {
namespace {

// The hooks of one thread are called only on that thread, so what they
// need lives with the thread rather than behind the thread table's lock.
struct ThreadHooks {
    PluginThreadContext* context = nullptr;   // not owned
    HookSink* sink = nullptr;                 // not owned
    int32_t autoMove = 0;                     // as read at installation
};
thread_local ThreadHooks t_hooks;

int32_t setting(const char16_t* section, const char16_t* key, int32_t def) {
    CSetting* s = app::settings();
    return s ? s->readInt(section, key, def) : def;
}

// The module that holds the hook procedures: the plug-in itself, or a
// test program that links the shell directly.
HINSTANCE hookModule() {
    HMODULE m = nullptr;
    GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCWSTR>(&hookModule), &m);
    return m;
}

bool isPress(UINT message) {
    switch (message) {
    case WM_LBUTTONDOWN: case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN: case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN: case WM_MBUTTONDBLCLK:
    case WM_XBUTTONDOWN: case WM_XBUTTONDBLCLK:
    case WM_NCLBUTTONDOWN: case WM_NCLBUTTONDBLCLK:
    case WM_NCRBUTTONDOWN: case WM_NCRBUTTONDBLCLK:
    case WM_NCMBUTTONDOWN: case WM_NCMBUTTONDBLCLK:
    case WM_NCXBUTTONDOWN: case WM_NCXBUTTONDBLCLK:
        return true;
    default:
        return false;
    }
}

bool isHighlightCommand(WPARAM wParam) {
    WORD id = LOWORD(wParam);
    return id >= FirstHighlightCommand && id <= LastHighlightCommand;
}

HWND hostFrame(const PluginThreadContext& ctx) { return ctx.editorWindow ? GetParent(ctx.editorWindow) : nullptr; }

void highlightOff(PluginThreadContext& ctx) {
    shared_toggles::apply(ctx, SharedToggle::Highlight, plugin_rules::ToggleRequest::Off);
}

// The sink and the context of this thread, when its hooks are installed.
ThreadHooks* active() {
    ThreadHooks& t = t_hooks;
    return t.context && t.sink ? &t : nullptr;
}

// Exceptions must not unwind through the system's message dispatch.
template <class F>
void guarded(F&& f) {
    try {
        f();
    } catch (...) {
    }
}

LRESULT CALLBACK getMessageProc(int code, WPARAM wParam, LPARAM lParam) {
    ThreadHooks* t = active();
    HHOOK self = t ? t->context->getMessageHook : nullptr;
    if (t && code == HC_ACTION && wParam == PM_REMOVE && lParam) {
        auto* msg = reinterpret_cast<MSG*>(lParam);
        guarded([&] {
            if (isPress(msg->message)) {
                t->sink->onClickNotice(msg->hwnd);
            } else if (msg->message == WM_COMMAND) {
                if (isHighlightCommand(msg->wParam) && msg->hwnd && msg->hwnd == hostFrame(*t->context))
                    highlightOff(*t->context);
            } else if (msg->message == WM_MOUSEWHEEL) {
                if (GetFocus() != t->context->editorWindow) {
                    int notches = -GET_WHEEL_DELTA_WPARAM(msg->wParam) / WHEEL_DELTA;
                    if (t->sink->offerWheel(notches * WheelStepsPerNotch))
                        msg->wParam = MAKEWPARAM(LOWORD(msg->wParam), 0);
                }
            }
        });
    }
    return CallNextHookEx(self, code, wParam, lParam);
}

LRESULT CALLBACK callWndProc(int code, WPARAM wParam, LPARAM lParam) {
    ThreadHooks* t = active();
    HHOOK self = t ? t->context->callWndProcHook : nullptr;
    if (t && code == HC_ACTION && lParam) {
        auto* s = reinterpret_cast<CWPSTRUCT*>(lParam);
        guarded([&] {
            switch (s->message) {
            case WM_NOTIFY: {
                auto* header = reinterpret_cast<NMHDR*>(s->lParam);
                if (header && header->code == static_cast<UINT>(RBN_CHILDSIZE)) {
                    auto* size = reinterpret_cast<NMREBARCHILDSIZE*>(s->lParam);
                    HookSink::Band own = t->sink->dockedBand();
                    if (own.rebar && header->hwndFrom == own.rebar && size->wID == own.id)
                        t->sink->onRebarChildSize(size->rcChild.right - size->rcChild.left);
                }
                break;
            }
            case WM_COMMAND: {
                HWND editor = t->context->editorWindow;
                if (!s->hwnd || (s->hwnd != editor && s->hwnd != hostFrame(*t->context))) break;
                t->sink->onClickNotice(s->hwnd);
                if (isHighlightCommand(s->wParam)) highlightOff(*t->context);
                break;
            }
            case WM_SYSCOMMAND:
                t->sink->onClickNotice(s->hwnd);
                break;
            case WM_MENUSELECT:
                // 0xFFFF with no menu means the menu closed.
                if (!(HIWORD(s->wParam) == 0xFFFF && s->lParam == 0)) t->sink->setHostMenuOpen();
                break;
            default:
                break;
            }
        });
    }
    return CallNextHookEx(self, code, wParam, lParam);
}

LRESULT CALLBACK callWndProcRet(int code, WPARAM wParam, LPARAM lParam) {
    ThreadHooks* t = active();
    HHOOK self = t ? t->context->callWndProcRetHook : nullptr;
    if (t && code == HC_ACTION && lParam) {
        auto* s = reinterpret_cast<CWPRETSTRUCT*>(lParam);
        if (s->message == WM_MOVE) {
            HWND frame = hostFrame(*t->context);
            if (frame && s->hwnd == frame && !IsZoomed(frame)) {
                bool mainFollows = (t->autoMove & 1) != 0;
                bool subFollow = (t->autoMove & 2) != 0;
                guarded([&] { t->sink->moveSubWindows(mainFollows, subFollow); });
            }
        }
    }
    return CallNextHookEx(self, code, wParam, lParam);
}

LRESULT CALLBACK keyboardProc(int code, WPARAM wParam, LPARAM lParam) {
    ThreadHooks* t = active();
    HHOOK self = t ? t->context->keyboardHook : nullptr;
    if (t && code == HC_ACTION && (static_cast<DWORD>(lParam) & 0x80000000u) == 0) {
        bool consumed = false;
        guarded([&] { consumed = t->sink->dispatchKey(wParam, lParam); });
        if (consumed) return 1;
    }
    return CallNextHookEx(self, code, wParam, lParam);
}

void report(const PluginThreadContext& ctx, uint32_t messageId) {
    lang::messageBox(ctx.editorWindow, messageId, msgid::CaptionWarning, MB_OK | MB_ICONWARNING);
}

// One hook; a failure is reported and remembered in ok.
void hook(PluginThreadContext& ctx, HHOOK& handle, int kind, HOOKPROC proc, uint32_t failure, bool& ok) {
    handle = SetWindowsHookExW(kind, proc, hookModule(), GetCurrentThreadId());
    if (handle) return;
    report(ctx, failure);
    ok = false;
}

void step(PluginThreadContext& ctx, bool done, uint32_t failure, bool& ok) {
    if (done) return;
    report(ctx, failure);
    ok = false;
}

} // namespace

bool install(PluginThreadContext& ctx, HookSink& sink) {
    remove(ctx);
    using namespace ini_keys;
    // The procedures find the sink from the first call on, so it is set
    // before any hook exists.
    t_hooks = ThreadHooks{&ctx, &sink, setting(basic::Section, basic::AutoMove, 3)};
    bool ok = true;

    hook(ctx, ctx.getMessageHook, WH_GETMESSAGE, getMessageProc, msgid::HookGetMessageFailed, ok);
    hook(ctx, ctx.callWndProcHook, WH_CALLWNDPROC, callWndProc, msgid::HookCallWindowFailed, ok);
    if (t_hooks.autoMove > 0)
        hook(ctx, ctx.callWndProcRetHook, WH_CALLWNDPROCRET, callWndProcRet, msgid::HookMoveFailed, ok);

    bool support = setting(support::Section, support::Support, 1) != 0;
    bool easySupport = setting(support::Section, support::EasySupport, 1) != 0;
    bool shortcuts = setting(shortcut::Section, shortcut::Status, 1) != 0;
    ctx.keys = SupportKeys{};
    if (support) {
        ctx.keys.showSupport = static_cast<uint32_t>(setting(support::Section, support::ShowSupportKey, 3));
        step(ctx, sink.prepareSupportWindow(), msgid::SupportWindowFailed, ok);
    }
    if (easySupport) {
        ctx.keys.easySupport = static_cast<uint32_t>(setting(support::Section, support::EasySupportKey, 288));
        ctx.keys.itemBibitem = static_cast<uint32_t>(setting(support::Section, support::ItemBibitemKey, 269));
        step(ctx, sink.prepareEasySupport(), msgid::EasySupportFailed, ok);
    }
    if (shortcuts) step(ctx, sink.buildShortcutTable(ctx.keys.shortcutTable), msgid::ShortcutTableFailed, ok);
    if (support || easySupport || shortcuts)
        hook(ctx, ctx.keyboardHook, WH_KEYBOARD, keyboardProc, msgid::HookKeyboardFailed, ok);

    if (!ok) remove(ctx);
    return ok;
}

void remove(PluginThreadContext& ctx) {
    for (HHOOK* h : {&ctx.getMessageHook, &ctx.callWndProcHook, &ctx.callWndProcRetHook, &ctx.keyboardHook}) {
        if (*h) UnhookWindowsHookEx(*h);
        *h = nullptr;
    }
    if (t_hooks.context == &ctx) t_hooks = ThreadHooks{};
}

} // namespace hooks
