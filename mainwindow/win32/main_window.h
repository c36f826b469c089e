// The plug-in's window of one host thread. This first form keeps only what
// the entry points decide on: whether the window is open, which editor
// window it serves and the host's index of the plug-in. The toolbar window
// itself, its sub-windows and the thread's hooks are built on this class
// by the main-window work; the methods marked "seam" are where they attach.
#pragma once
#include <cstdint>
#include <windows.h>

class MainWindow {
public:
    explicit MainWindow(HINSTANCE plugin) : plugin_(plugin) {}
    ~MainWindow();  // closes the window when it is still open
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    bool exists() const { return open_; }
    // Opens the window for editor; counts it among the open windows of all
    // processes. False when it is already open.
    bool create(HWND editor);
    void destroy();
    // Follows the host when it hands the thread another editor window.
    void rebind(HWND editor);
    HWND editor() const { return editor_; }
    HINSTANCE plugin() const { return plugin_; }

    void setPluginIndex(int index) { pluginIndex_ = index; }
    int pluginIndex() const { return pluginIndex_; }

    // Seam: the outline window, which takes the focus after a pending jump.
    HWND outlineWindow() const { return nullptr; }
    // Seam: closes the outline window opened for the document handle.
    void documentClosed(int32_t /*document*/) {}
    // Seam: the toolbar's buttons. Until the toolbar exists the state is
    // only remembered, so the last request can be read back.
    void setCommandEnabled(uint32_t id, bool on);
    void setCommandPressed(uint32_t id, bool on);
    bool commandEnabled(uint32_t id) const;
    bool commandPressed(uint32_t id) const;

private:
    HINSTANCE plugin_;         // not owned: the plug-in's module
    HWND editor_ = nullptr;    // not owned: the host's editor window
    bool open_ = false;
    int pluginIndex_ = 0;
    uint64_t enabled_ = 0;     // one bit per remembered command, see bit()
    uint64_t pressed_ = 0;
};
