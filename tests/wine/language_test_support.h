// Shared by the language and dialog Wine tests: test folders laid out like
// an installed plug-in, and a watcher thread that finds this process's
// dialogs and message boxes and acts on them while the test's own thread
// is inside a modal loop.
#pragma once
#include "base/platform.h"
#include "base/win32/wide.h"
#include "frame/win32/language.h"
#include "tests/support/temp_dir.h"
#include "tests/wine/host_test_support.h"

#include <atomic>
#include <functional>
#include <string>
#include <thread>
#include <windows.h>

namespace lang_test {

inline std::wstring builtFile(const std::wstring& relative) { return host_test::binFolder() + relative; }

inline bool copyFile(const std::wstring& from, const u16& to) {
    std::string bytes;
    return platform::readFile(wide::u(from.c_str()), bytes) && platform::writeFileAtomic(to, bytes);
}

// A folder holding a stand-in plug-in DLL (with the chooser's template) and
// its "Vexa2Lang" folder. The stand-in is loaded for the folder's life.
class PluginFolder {
public:
    explicit PluginFolder(bool withLanguageFolder = true) {
        if (!dir_.ok()) return;
        if (withLanguageFolder) dir_.makeFolder(u"Vexa2Lang");
        if (!copyFile(builtFile(L"langtest\\Vexa2TestPlugin.dll"), dir_.file(u"vexa2.dll"))) return;
        module_ = LoadLibraryW(wide::w(dir_.file(u"vexa2.dll")));
    }
    ~PluginFolder() {
        lang::unload();
        if (module_) FreeLibrary(module_);
    }
    PluginFolder(const PluginFolder&) = delete;
    PluginFolder& operator=(const PluginFolder&) = delete;

    HINSTANCE plugin() const { return module_; }
    const TempDir& dir() const { return dir_; }
    u16 languageFile(u16view name) const { return dir_.file(u"Vexa2Lang\\" + u16(name)); }
    // Copies a built library (path below bin\) into Vexa2Lang under name.
    bool addLibrary(const std::wstring& built, u16view name) const {
        return copyFile(builtFile(built), languageFile(name));
    }
    std::string languageIni() const { return dir_.read(u"Vexa2Lang\\Vexa2Lang.ini"); }

private:
    TempDir dir_;
    HMODULE module_ = nullptr;   // owned
};

inline std::wstring windowText(HWND window) {
    wchar_t buffer[1024] = {};
    GetWindowTextW(window, buffer, 1024);
    return buffer;
}

struct WindowSearch {
    const std::wstring* caption;
    HWND found;
};

inline BOOL CALLBACK matchOwnWindow(HWND w, LPARAM p) {
    auto* s = reinterpret_cast<WindowSearch*>(p);
    DWORD pid = 0;
    GetWindowThreadProcessId(w, &pid);
    if (pid != GetCurrentProcessId() || !IsWindowVisible(w)) return TRUE;
    if (windowText(w) != *s->caption) return TRUE;
    s->found = w;
    return FALSE;
}

// A visible top-level window of this process with this caption, or null.
inline HWND findOwnWindow(const std::wstring& caption) {
    WindowSearch search{&caption, nullptr};
    EnumWindows(matchOwnWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// Runs script on its own thread as soon as a window with caption shows up
// (or gives up after limitMs). join() waits for it; found() tells whether
// the window appeared.
class Watcher {
public:
    Watcher(std::wstring caption, std::function<void(HWND)> script, DWORD limitMs = 15000)
        : thread_([this, caption, script, limitMs] {
              DWORD start = GetTickCount();
              while (!stop_ && GetTickCount() - start < limitMs) {
                  if (HWND w = findOwnWindow(caption)) {
                      found_ = true;
                      script(w);
                      return;
                  }
                  Sleep(20);
              }
          }) {}
    ~Watcher() { join(); }
    void stop() { stop_ = true; }
    void join() {
        if (thread_.joinable()) thread_.join();
    }
    bool found() const { return found_; }

private:
    std::atomic<bool> stop_{false};
    std::atomic<bool> found_{false};
    std::thread thread_;
};

// The text of a message box (its static control).
inline std::wstring messageBoxText(HWND box) {
    HWND text = GetDlgItem(box, 0xFFFF);
    return text ? windowText(text) : std::wstring();
}

inline void pressButton(HWND dialog, int id) { SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0); }

} // namespace lang_test
