#include "host/plugin_loader.h"

PluginLoader::~PluginLoader() { unload(); }

bool PluginLoader::load(const std::wstring& path) {
    unload();
    HMODULE m = LoadLibraryW(path.c_str());
    if (!m) return false;
    auto get = [m](const char* name) { return reinterpret_cast<void*>(GetProcAddress(m, name)); };
    onCommand = reinterpret_cast<OnCommandFn>(get("OnCommand"));
    queryStatus = reinterpret_cast<QueryStatusFn>(get("QueryStatus"));
    onEvents = reinterpret_cast<OnEventsFn>(get("OnEvents"));
    getMenuTextID = reinterpret_cast<GetMenuTextIDFn>(get("GetMenuTextID"));
    getStatusMessageID = reinterpret_cast<GetStatusMessageIDFn>(get("GetStatusMessageID"));
    getBitmapID = reinterpret_cast<GetBitmapIDFn>(get("GetBitmapID"));
    plugInProc = reinterpret_cast<PlugInProcFn>(get("PlugInProc"));
    module_ = m;
    if (!onCommand || !queryStatus || !onEvents || !getMenuTextID || !getStatusMessageID || !getBitmapID ||
        !plugInProc) {
        unload();
        return false;
    }
    return true;
}

void PluginLoader::unload() {
    if (module_) FreeLibrary(module_);
    module_ = nullptr;
    onCommand = nullptr;
    queryStatus = nullptr;
    onEvents = nullptr;
    getMenuTextID = nullptr;
    getStatusMessageID = nullptr;
    getBitmapID = nullptr;
    plugInProc = nullptr;
}
