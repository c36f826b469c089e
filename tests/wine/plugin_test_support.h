// Shared by the plug-in's Wine tests: installing the built plug-in into a
// test folder (settings are written beside the DLL, so never into dist/),
// calling its exports on editor threads, reading its shared section and
// answering the message boxes and dialogs it shows.
#pragma once
#include "base/win32/wide.h"
#include "frame/shared_layout.h"
#include "host/plugin_loader.h"
#include "tests/support/temp_dir.h"
#include "tests/wine/host_test_support.h"

#include <atomic>
#include <cstring>
#include <functional>
#include <mutex>
#include <set>
#include <string>
#include <thread>
#include <vector>
#include <windows.h>

namespace plugin_test {

using host_test::distFolder;

inline std::wstring path(const TempDir& dir, const wchar_t* name) {
    return std::wstring(wide::w(dir.path())) + L"\\" + name;
}

enum class Language { None, EnglishOnly, EnglishConfigured, JapaneseConfigured };

// Copies vexa2.dll (and the English library, with or without a
// Vexa2Lang.ini naming it; or both libraries with the Japanese one named)
// into dir. False when dist/ is incomplete.
inline bool install(const TempDir& dir, Language language) {
    std::wstring dist = distFolder();
    if (dist.empty() || !dir.ok()) return false;
    if (!CopyFileW((dist + L"vexa2.dll").c_str(), path(dir, L"vexa2.dll").c_str(), FALSE)) return false;
    if (language == Language::None) return true;
    if (!dir.makeFolder(u"Vexa2Lang") && !dir.exists(u"Vexa2Lang")) return false;   // a second install keeps it
    if (!CopyFileW((dist + L"Vexa2Lang\\Vexa2EN.dll").c_str(), path(dir, L"Vexa2Lang\\Vexa2EN.dll").c_str(), FALSE))
        return false;
    if (language == Language::EnglishConfigured)
        return dir.write(u"Vexa2Lang\\Vexa2Lang.ini", "[Language]\r\nDLL=Vexa2EN.dll\r\n");
    if (language == Language::JapaneseConfigured)
        return CopyFileW((dist + L"Vexa2Lang\\Vexa2JP.dll").c_str(), path(dir, L"Vexa2Lang\\Vexa2JP.dll").c_str(),
                         FALSE) &&
               dir.write(u"Vexa2Lang\\Vexa2Lang.ini", "[Language]\r\nDLL=Vexa2JP.dll\r\n");
    return true;
}

// The library benchmarks and screenshots install: Japanese when the
// environment has VEXA_LANGUAGE=ja, else English.
inline Language languageFromEnvironment() {
    wchar_t value[8] = {};
    DWORD n = GetEnvironmentVariableW(L"VEXA_LANGUAGE", value, 8);
    return n == 2 && value[0] == L'j' && value[1] == L'a' ? Language::JapaneseConfigured
                                                          : Language::EnglishConfigured;
}

// A text of a shipped library, read from it directly, so tests compare
// with what users read without repeating it.
inline std::wstring libraryMessage(const wchar_t* library, uint32_t id) {
    HMODULE m = LoadLibraryW((distFolder() + L"Vexa2Lang\\" + library).c_str());
    if (!m) return std::wstring(L"<no library ") + library + L">";
    using Fn = const wchar_t*(WINAPI*)(uint32_t);
    auto fn = reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(m, "GetVexa2MessageW")));
    std::wstring text = fn && fn(id) ? fn(id) : L"";
    FreeLibrary(m);
    return text;
}
inline std::wstring englishMessage(uint32_t id) { return libraryMessage(L"Vexa2EN.dll", id); }
// A text of the library that languageFromEnvironment() installs.
inline std::wstring installedMessage(uint32_t id) {
    return libraryMessage(languageFromEnvironment() == Language::JapaneseConfigured ? L"Vexa2JP.dll" : L"Vexa2EN.dll",
                          id);
}

// The ".smVexa2" section of a loaded module, found through its section
// table: what every process that loads that file shares.
inline SharedState* sharedSection(HMODULE module) {
    if (!module) return nullptr;
    auto base = reinterpret_cast<BYTE*>(module);
    auto dos = reinterpret_cast<IMAGE_DOS_HEADER*>(base);
    auto nt = reinterpret_cast<IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    IMAGE_SECTION_HEADER* sec = IMAGE_FIRST_SECTION(nt);
    for (WORD i = 0; i < nt->FileHeader.NumberOfSections; ++i, ++sec) {
        if (std::memcmp(sec->Name, ".smVexa2", 8) == 0 && sec->Misc.VirtualSize >= sizeof(SharedState))
            return reinterpret_cast<SharedState*>(base + sec->VirtualAddress);
    }
    return nullptr;
}

// A dialog box that appeared while a Watcher ran.
struct SeenBox {
    std::wstring caption;
    std::wstring text;       // a message box's text
    bool chooser = false;    // the language chooser (it has the list 131)
    bool hasSystemMenu = false;
    int defaultButton = 0;   // the button Enter presses
};

// Watches this process's dialog boxes from a thread of its own and closes
// each with the command that answer() picks. Start it before the call that
// shows them: a library being attached holds the loader lock, and no new
// thread starts until it ends.
class Watcher {
public:
    using Answer = std::function<int(const SeenBox&)>;
    explicit Watcher(Answer answer = [](const SeenBox&) { return IDOK; })
        : answer_(std::move(answer)), thread_([this] { run(); }) {
        // The library under test is attached under the loader lock: a
        // thread that has not begun yet, or whose first window call still
        // has to load the display driver, would wait for it. So both this
        // thread and the watcher make a window once before going on.
        initUser();
        while (!running_) Sleep(1);
    }
    ~Watcher() { stop(); }
    void stop() {
        stop_ = true;
        if (thread_.joinable()) thread_.join();
    }
    std::vector<SeenBox> seen() {
        std::lock_guard<std::mutex> lock(mutex_);
        return seen_;
    }

private:
    static std::wstring textOf(HWND w) {
        wchar_t buf[1024] = {};
        GetWindowTextW(w, buf, 1024);
        return buf;
    }
    static BOOL CALLBACK visit(HWND w, LPARAM self) {
        reinterpret_cast<Watcher*>(self)->check(w);
        return TRUE;
    }
    void check(HWND w) {
        DWORD pid = 0;
        GetWindowThreadProcessId(w, &pid);
        wchar_t cls[64] = {};
        GetClassNameW(w, cls, 64);
        if (pid != GetCurrentProcessId() || std::wstring(cls) != L"#32770" || !IsWindowVisible(w)) return;
        if (handled_.count(w)) return;
        handled_.insert(w);
        SeenBox box;
        box.caption = textOf(w);
        box.chooser = GetDlgItem(w, 131) != nullptr;
        box.hasSystemMenu = (GetWindowLongW(w, GWL_STYLE) & WS_SYSMENU) != 0;
        if (HWND text = GetDlgItem(w, 0xFFFF)) box.text = textOf(text);
        for (int id : {IDOK, IDCANCEL, IDYES, IDNO}) {
            HWND b = GetDlgItem(w, id);
            if (b && (GetWindowLongW(b, GWL_STYLE) & 0xF) == BS_DEFPUSHBUTTON) box.defaultButton = id;
        }
        int command = answer_(box);
        {
            std::lock_guard<std::mutex> lock(mutex_);
            seen_.push_back(box);
        }
        PostMessageW(w, WM_COMMAND, MAKEWPARAM(command, BN_CLICKED), 0);
    }
    static void initUser() {
        HWND w = CreateWindowW(L"STATIC", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
        if (w) DestroyWindow(w);
    }
    void run() {
        initUser();
        EnumWindows(&Watcher::visit, reinterpret_cast<LPARAM>(this));
        running_ = true;
        while (!stop_) {
            EnumWindows(&Watcher::visit, reinterpret_cast<LPARAM>(this));
            Sleep(20);
        }
    }

    Answer answer_;
    std::atomic<bool> stop_{false};
    std::atomic<bool> running_{false};
    std::mutex mutex_;
    std::vector<SeenBox> seen_;   // guarded by mutex_
    std::set<HWND> handled_;      // the watcher thread's own
    std::thread thread_;          // last: starts after the members above exist
};

// Top-level windows of a thread that belong to the plug-in's main window:
// the window itself or its toolbar. Zero once it is gone for good.
inline int pluginWindowsOnThread(DWORD threadId) {
    struct Count {
        int n = 0;
        static BOOL CALLBACK visit(HWND w, LPARAM self) {
            wchar_t cls[32] = {};
            GetClassNameW(w, cls, 32);
            if (std::wstring(cls) == L"Vexa2" || GetPropW(w, L"Vexa_Toolbar_Prop")) ++reinterpret_cast<Count*>(self)->n;
            return TRUE;
        }
    } count;
    EnumThreadWindows(threadId, &Count::visit, reinterpret_cast<LPARAM>(&count));
    return count.n;
}

} // namespace plugin_test
