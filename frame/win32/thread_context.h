// The plug-in's state of one host thread (the host runs each editor window
// on a thread of its own). Made on the thread's first call, destroyed when
// the thread ends or the library is unloaded.
#pragma once
#include "mainwindow/key_dispatch.h"
#include "mainwindow/win32/main_window.h"
#include "settings/setting.h"

#include <array>
#include <cstdint>
#include <windows.h>

class PluginThreadContext {
public:
    PluginThreadContext(DWORD thread, HINSTANCE plugin) : threadId(thread), mainWindow(plugin, this) {}
    PluginThreadContext(const PluginThreadContext&) = delete;
    PluginThreadContext& operator=(const PluginThreadContext&) = delete;

    // Ends what the context runs: the main window (and with it every
    // window it owns) and the thread's hooks. Only on the owning thread:
    // no other thread can destroy its windows. The context stays usable.
    void close();
    // Removes the hooks only. Any thread may do this; it is all that can
    // safely be done for another thread's context when the library goes.
    void unhook();

    DWORD threadId;
    HWND editorWindow = nullptr;   // not owned: last editor window passed in
    int32_t activeDocument = 0;    // host handle of its active document
    MainWindow mainWindow;         // owned (embedded)
    // Owned hook handles, null when not installed.
    HHOOK callWndProcRetHook = nullptr;
    HHOOK keyboardHook = nullptr;
    HHOOK getMessageHook = nullptr;
    HHOOK callWndProcHook = nullptr;
    SupportKeys keys;              // read when the keyboard hook goes in
    // What the settings object's buffer-less string reads return on this thread.
    std::array<char16_t, CSetting::ThreadBufferCapacity> textBuffer{};
};
