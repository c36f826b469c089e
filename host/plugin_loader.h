// Loads the plug-in DLL and resolves its seven entry points.
#pragma once
#include "frame/win32/plugin_api.h"

#include <string>

class PluginLoader {
public:
    PluginLoader() = default;
    ~PluginLoader();
    PluginLoader(const PluginLoader&) = delete;
    PluginLoader& operator=(const PluginLoader&) = delete;

    // False (and nothing loaded) unless the DLL loads and has all seven.
    bool load(const std::wstring& path);
    void unload();
    bool loaded() const { return module_ != nullptr; }
    HMODULE module() const { return module_; }

    OnCommandFn onCommand = nullptr;
    QueryStatusFn queryStatus = nullptr;
    OnEventsFn onEvents = nullptr;
    GetMenuTextIDFn getMenuTextID = nullptr;
    GetStatusMessageIDFn getStatusMessageID = nullptr;
    GetBitmapIDFn getBitmapID = nullptr;
    PlugInProcFn plugInProc = nullptr;

private:
    HMODULE module_ = nullptr; // owned
};
