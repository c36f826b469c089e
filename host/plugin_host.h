// The host's side of the plug-in: one loaded DLL per process, called by
// every editor window's thread with that window's handle, at the moments
// the event bits name.
#pragma once
#include "host/plugin_loader.h"

#include <cstdint>
#include <string>

class PluginHost {
public:
    bool load(const std::wstring& path);
    bool loaded() const { return loader_.loaded(); }
    const std::wstring& path() const { return path_; }
    // The plug-in's display name (its string resource), or a neutral one.
    std::wstring menuText() const;
    int index() const { return 0; } // the only plug-in of this host

    void started(HWND editor);                              // 0x400 with the index
    void activated(HWND editor);                            // 0x8000
    void closing(HWND editor);                              // 0x800
    void documentClosed(HWND editor, int32_t handle);       // 0x100000
    LRESULT command(HWND editor);                           // OnCommand
    bool checked(HWND editor);                              // QueryStatus

private:
    PluginLoader loader_;
    std::wstring path_; // of the loaded DLL
};

// The folder of this program, with a trailing backslash.
std::wstring executableFolder();
