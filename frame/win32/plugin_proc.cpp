// The host's general-purpose call: descriptions, the yes/no query, the
// toolbar bitmap and capabilities.
#include "frame/message_ids.h"
#include "frame/plugin_rules.h"
#include "frame/win32/language.h"
#include "frame/win32/module.h"
#include "frame/win32/plugin_app.h"
#include "frame/win32/plugin_entry.h"
#include "settings/win32/settings_sheet.h"

#include <cwchar>

namespace {

enum : UINT {
    ProcLoaded = 2304,
    ProcSettings = 2305,
    ProcNone1 = 2306,
    ProcName = 2307,
    ProcNone2 = 2308,
    ProcVersion = 2309,
    ProcReady = 2310,
    ProcAsk = 2311,
    ProcBitmap = 2312,
    ProcNone3 = 2313,
    ProcCapability = 2314,
};

// Copies string resource id into the host's buffer (capacity characters,
// terminator included) and returns its length + 1 either way.
LRESULT copyString(UINT id, WPARAM capacity, LPARAM buffer) {
    wchar_t text[128] = {};
    int n = LoadStringW(pluginInstance(), id, text, 128);
    if (n < 0) n = 0;
    if (buffer && capacity > 0) {
        size_t copy = static_cast<size_t>(n) < capacity ? static_cast<size_t>(n) : capacity - 1;
        wchar_t* out = reinterpret_cast<wchar_t*>(buffer);
        wmemcpy(out, text, copy);
        out[copy] = L'\0';
    }
    return n + 1;
}

} // namespace

LRESULT entry::plugInProc(HWND editor, UINT code, WPARAM wParam, LPARAM lParam) {
    switch (code) {
    case ProcLoaded:
    case ProcReady:
        return 1;
    case ProcSettings:
        // Through the thread's main window, open or not: after OK it must
        // close so that it reopens with the new settings.
        if (PluginThreadContext* ctx = app::context()) ctx->mainWindow.runSettings(editor, PageBasic);
        return 1;
    case ProcName:
        return copyString(1, wParam, lParam);
    case ProcVersion:
        return copyString(4, wParam, lParam);
    case ProcAsk:
        return lang::ask(editor, msgid::AskYesNo) ? 1 : 0;
    case ProcBitmap:
        return plugin_rules::bitmapFor(static_cast<uint32_t>(wParam));
    case ProcCapability:
        return plugin_rules::capability(static_cast<uint32_t>(wParam));
    default:
        return 0;
    }
}
