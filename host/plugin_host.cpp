#include "host/plugin_host.h"

bool PluginHost::load(const std::wstring& path) {
    path_ = loader_.load(path) ? path : std::wstring();
    return loaded();
}

std::wstring PluginHost::menuText() const {
    if (!loaded()) return L"Plug-in";
    wchar_t text[128] = {};
    if (LoadStringW(loader_.module(), loader_.getMenuTextID(), text, 128) > 0) return text;
    return L"Plug-in";
}

void PluginHost::started(HWND editor) {
    if (loaded()) loader_.onEvents(editor, plugin_event::PluginIndex, MAKELPARAM(index(), 0));
}

void PluginHost::activated(HWND editor) {
    if (loaded()) loader_.onEvents(editor, plugin_event::Activated, 0);
}

void PluginHost::closing(HWND editor) {
    if (loaded()) loader_.onEvents(editor, plugin_event::Closing, 0);
}

void PluginHost::documentClosed(HWND editor, int32_t handle) {
    if (loaded()) loader_.onEvents(editor, plugin_event::DocumentClosed, handle);
}

LRESULT PluginHost::command(HWND editor) { return loaded() ? loader_.onCommand(editor) : 0; }

bool PluginHost::checked(HWND editor) {
    if (!loaded()) return false;
    BOOL on = FALSE;
    loader_.queryStatus(editor, &on);
    return on == 1;
}

std::wstring executableFolder() {
    wchar_t path[MAX_PATH * 2] = {};
    DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH * 2);
    std::wstring s(path, n);
    size_t slash = s.find_last_of(L"\\/");
    return slash == std::wstring::npos ? std::wstring() : s.substr(0, slash + 1);
}
