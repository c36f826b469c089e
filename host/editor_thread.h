// One editor window (frame + editor) on a thread of its own, as the host
// runs each of its windows. The program's main() and the Wine tests both
// open windows this way; tests then drive them with messages and read
// their state back on the window's thread through run().
#pragma once
#include "base/text.h"
#include "host/editor_view.h"
#include "host/plugin_host.h"

#include <functional>
#include <string>
#include <thread>
#include <windows.h>

struct EditorWindowOptions {
    std::wstring path;                  // file to open; empty: untitled with text
    u16 text;
    int caretLine = 0;                  // 0-based line for the caret
    PluginHost* plugin = nullptr;       // not owned; null: no plug-in
    int show = SW_SHOWNORMAL;
};

class EditorThread {
public:
    // Starts the thread and waits until its windows exist (or failed).
    explicit EditorThread(EditorWindowOptions options);
    ~EditorThread();                    // closes quietly
    EditorThread(const EditorThread&) = delete;
    EditorThread& operator=(const EditorThread&) = delete;

    bool started() const { return editor_ != nullptr; }
    HWND frame() const { return frame_; }
    HWND editor() const { return editor_; }
    HWND rebar() const { return rebar_; }
    HWND toolbar() const { return toolbar_; }
    HWND statusBar() const { return status_; }
    DWORD threadId() const { return threadId_; }

    // Runs fn on the window's thread and waits for it; false once closed.
    bool run(const std::function<void(EditorView&)>& fn);
    // Closes without asking about unsaved text and waits for the thread.
    void close();
    // Waits until the user closes the window.
    void wait();

private:
    void main(EditorWindowOptions options, HANDLE ready);

    std::thread thread_;
    HWND frame_ = nullptr, editor_ = nullptr, rebar_ = nullptr, toolbar_ = nullptr, status_ = nullptr;
    DWORD threadId_ = 0;
};
