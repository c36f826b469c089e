// The plug-in's entry points. For now they do what the host needs to load,
// list and toggle the plug-in; the application object grows behind them.
#include "frame/win32/plugin_api.h"
#include "frame/host_messages.h"

#define VEXA_EXPORT extern "C" __declspec(dllexport)

namespace {
// Per-thread on/off state of the plug-in's window until the main window
// exists; the host shows its command as checked while it is on.
thread_local bool t_open = false;
thread_local int t_pluginIndex = 0;
} // namespace

VEXA_EXPORT LRESULT WINAPI OnCommand(HWND editor) {
    t_open = !t_open;
    return SendMessageW(editor, hostmsg::RefreshPluginState, t_pluginIndex, 0);
}

VEXA_EXPORT BOOL WINAPI QueryStatus(HWND, BOOL* checked) {
    if (checked) *checked = t_open ? 1 : 0;
    return TRUE;
}

VEXA_EXPORT LRESULT WINAPI OnEvents(HWND, UINT events, LPARAM lParam) {
    if (events & (plugin_event::PluginIndex | plugin_event::PluginIndexAlt)) t_pluginIndex = LOWORD(lParam);
    if (events & (plugin_event::Closing | plugin_event::ClosingAlt)) t_open = false;
    return 0;
}

VEXA_EXPORT UINT WINAPI GetMenuTextID() { return 1; }
VEXA_EXPORT UINT WINAPI GetStatusMessageID() { return 2; }
VEXA_EXPORT UINT WINAPI GetBitmapID() { return 101; }

VEXA_EXPORT LRESULT WINAPI PlugInProc(HWND, UINT code, WPARAM, LPARAM) {
    return code == 2304 || code == 2310 ? 1 : 0;
}

BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID) { return TRUE; }
