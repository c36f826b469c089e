// Shared by the host's Wine tests: finding the built plug-in, waiting for
// another thread or process without fixed sleeps, reading window texts.
#pragma once
#include "base/win32/wide.h"

#include <functional>
#include <string>
#include <windows.h>
#include <commctrl.h>

namespace host_test {

// dist\vexa2.dll of the source tree: the test runs from build\<x>\bin, so
// the first folder upwards that has it wins. Empty when none has.
inline std::wstring pluginDll() {
    wchar_t buffer[MAX_PATH * 2] = {};
    GetModuleFileNameW(nullptr, buffer, MAX_PATH * 2);
    std::wstring dir = buffer;
    for (;;) {
        size_t slash = dir.find_last_of(L"\\/");
        if (slash == std::wstring::npos) return L"";
        dir.resize(slash);
        std::wstring candidate = dir + L"\\dist\\vexa2.dll";
        if (GetFileAttributesW(candidate.c_str()) != INVALID_FILE_ATTRIBUTES) return candidate;
    }
}

// dist\ of the source tree, with a trailing separator; empty when not built.
inline std::wstring distFolder() {
    std::wstring dll = pluginDll();
    return dll.empty() ? dll : dll.substr(0, dll.find_last_of(L'\\') + 1);
}

// The folder of the running test program (build\<x>\bin\), with a separator.
inline std::wstring binFolder() {
    wchar_t buffer[MAX_PATH * 2] = {};
    GetModuleFileNameW(nullptr, buffer, MAX_PATH * 2);
    std::wstring s = buffer;
    return s.substr(0, s.find_last_of(L"\\/") + 1);
}

// Polls cond, pumping this thread's messages, for up to limitMs; returns
// its last value. Waiting on real events (other threads, processes, the
// input queue) needs slack, never a fixed sleep.
inline bool waitFor(const std::function<bool()>& cond, DWORD limitMs = 10000) {
    DWORD start = GetTickCount();
    for (;;) {
        if (cond()) return true;
        if (GetTickCount() - start > limitMs) return cond();
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
        Sleep(10);
    }
}

// The first top-level window of a thread that match accepts, or null.
inline HWND threadWindow(DWORD threadId, const std::function<bool(HWND)>& match) {
    struct Find {
        const std::function<bool(HWND)>* match;
        HWND found = nullptr;
        static BOOL CALLBACK visit(HWND w, LPARAM self) {
            auto* f = reinterpret_cast<Find*>(self);
            if (!(*f->match)(w)) return TRUE;
            f->found = w;
            return FALSE;
        }
    } find{&match};
    EnumThreadWindows(threadId, &Find::visit, reinterpret_cast<LPARAM>(&find));
    return find.found;
}

inline std::wstring className(HWND w) {
    wchar_t cls[64] = {};
    GetClassNameW(w, cls, 64);
    return cls;
}

inline std::wstring windowCaption(HWND w) {
    wchar_t text[256] = {};
    GetWindowTextW(w, text, 256);
    return text;
}

// The plug-in's main window while it floats (a top-level window of the thread).
inline HWND floatingMainWindow(DWORD threadId) {
    return threadWindow(threadId, [](HWND w) { return className(w) == L"Vexa2"; });
}

// A visible dialog box of the thread with this caption.
inline HWND dialogWithCaption(DWORD threadId, const std::wstring& caption) {
    return threadWindow(threadId, [&](HWND w) {
        return IsWindowVisible(w) && className(w) == L"#32770" && windowCaption(w) == caption;
    });
}

// A visible window of the thread that has a child control with this id: the
// plug-in's dialogs are told apart by a control only they have.
inline HWND windowWithControl(DWORD threadId, int controlId) {
    return threadWindow(threadId, [&](HWND w) { return IsWindowVisible(w) && GetDlgItem(w, controlId); });
}

inline std::wstring statusText(HWND statusBar) {
    wchar_t buffer[512] = {};
    SendMessageW(statusBar, SB_GETTEXTW, 0, reinterpret_cast<LPARAM>(buffer));
    return buffer;
}

} // namespace host_test
