// The seven functions the host editor calls. Each works on the calling
// thread's context; a thread whose context cannot be made gets the answer
// of "no window open" and nothing changes.
#include "frame/host_messages.h"
#include "frame/message_ids.h"
#include "frame/plugin_rules.h"
#include "frame/jump.h"
#include "frame/win32/jump.h"
#include "frame/win32/language.h"
#include "frame/win32/plugin_api.h"
#include "frame/win32/plugin_app.h"
#include "frame/win32/plugin_entry.h"
#include "frame/win32/window_editor.h"
#include "settings/setting_keys.h"

#define VEXA_EXPORT extern "C" __declspec(dllexport)

namespace {

// Settings written by an older version are upgraded once, on the first
// command after the update. No conversion tables are kept, so the old
// toolbar layout and shortcuts are dropped and the user is told so.
void upgradeSettings(HWND editor) {
    CSetting* s = app::settings();
    if (!s) return;
    int32_t stored = s->readInt(ini_keys::ini::Section, ini_keys::ini::Version, plugin_rules::CurrentVersion);
    switch (plugin_rules::upgradeFor(stored)) {
    case plugin_rules::Upgrade::None: break;
    case plugin_rules::Upgrade::Converted:
        lang::messageBox(editor, msgid::UpgradeConverted, msgid::CaptionQuestion, MB_OK | MB_ICONINFORMATION);
        break;
    case plugin_rules::Upgrade::NotConverted:
        lang::messageBox(editor, msgid::UpgradeNotConverted, msgid::CaptionQuestion, MB_OK | MB_ICONWARNING);
        break;
    }
    s->writeInt(ini_keys::ini::Section, ini_keys::ini::Version, plugin_rules::CurrentVersion);
}

void bindEditor(PluginThreadContext& ctx, HWND editor) {
    ctx.editorWindow = editor;
    if (ctx.mainWindow.editor() != editor) ctx.mainWindow.rebind(editor);
}

void storeActiveDocument(PluginThreadContext& ctx, HWND editor) {
    WindowEditor e(editor);
    ctx.activeDocument = jump::activeDocument(e);
}

} // namespace

LRESULT entry::onCommand(HWND editor) {
    PluginThreadContext* ctx = app::context();
    if (!ctx) return 0;
    upgradeSettings(editor);
    bindEditor(*ctx, editor);
    if (ctx->mainWindow.exists()) ctx->mainWindow.destroy();
    else ctx->mainWindow.create(editor);
    return SendMessageW(editor, hostmsg::RefreshPluginState, ctx->mainWindow.pluginIndex(), 0);
}

LRESULT entry::onEvents(HWND editor, UINT events, LPARAM lParam) {
    PluginThreadContext* ctx = app::context();
    if (!ctx) return 0;
    using namespace plugin_event;
    bindEditor(*ctx, editor);
    if (events & (PluginIndex | PluginIndexAlt)) ctx->mainWindow.setPluginIndex(LOWORD(lParam));
    if (events & (Closing | ClosingAlt)) {
        if (ctx->mainWindow.exists()) ctx->mainWindow.destroy();
    }
    if (events & DocumentClosed) ctx->mainWindow.documentClosed(static_cast<int32_t>(lParam));
    if (events & (Idle | Activated)) SendMessageW(editor, hostmsg::RefreshPluginState, ctx->mainWindow.pluginIndex(), 0);
    if (events & Activated) {
        storeActiveDocument(*ctx, editor);
        CSetting* s = app::settings();
        bool autoStart = s && s->readInt(ini_keys::basic::Section, ini_keys::basic::AutoExecute, 1) != 0;
        if (autoStart && !ctx->mainWindow.exists()) {
            u16 path = WindowEditor(editor).GetDocumentPath();
            if (plugin_rules::isTexFileName(path)) onCommand(editor);
        }
    }
    if (events & DocumentSwitched) storeActiveDocument(*ctx, editor);
    LRESULT result = 0;
    if ((events & (Activated | DocumentOpened | DocumentSwitched)) && jumps::takePending(*ctx)) {
        if (HWND outline = ctx->mainWindow.outlineWindow()) PostMessageW(outline, jumps::OutlineJumpDone, 0, 0);
        result = 1;
    }
    return result;
}

VEXA_EXPORT LRESULT WINAPI OnCommand(HWND editor) { return entry::onCommand(editor); }

VEXA_EXPORT BOOL WINAPI QueryStatus(HWND, BOOL* checked) {
    PluginThreadContext* ctx = app::context();
    if (checked) *checked = ctx && ctx->mainWindow.exists() ? 1 : 0;
    return TRUE;
}

VEXA_EXPORT LRESULT WINAPI OnEvents(HWND editor, UINT events, LPARAM lParam) {
    return entry::onEvents(editor, events, lParam);
}

// String resources 1 and 2: the display name and the status-line text.
VEXA_EXPORT UINT WINAPI GetMenuTextID() { return 1; }
VEXA_EXPORT UINT WINAPI GetStatusMessageID() { return 2; }
VEXA_EXPORT UINT WINAPI GetBitmapID() { return 101; }

VEXA_EXPORT LRESULT WINAPI PlugInProc(HWND editor, UINT code, WPARAM wParam, LPARAM lParam) {
    return entry::plugInProc(editor, code, wParam, lParam);
}
