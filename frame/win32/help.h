// Help topics in the language library's compiled help file, shown by the
// HTML Help control, which is loaded only when help is first asked for.
#pragma once
#include <windows.h>

#include <atomic>
#include <cstdint>
#include <mutex>
#include <string>

// One loaded help control. The process uses one for "hhctrl.ocx"; tests
// make their own to see how a missing control is handled.
class HelpControl {
public:
    explicit HelpControl(const wchar_t* dllName);
    ~HelpControl() = default;      // the control stays loaded: its windows may outlive us
    HelpControl(const HelpControl&) = delete;
    HelpControl& operator=(const HelpControl&) = delete;

    // Opens topic (may be empty) of helpFile in the plug-in's help window
    // type. False, with nothing shown, when the file or the control is
    // missing.
    bool show(const std::wstring& helpFile, const std::wstring& topic);
    // Closes every help window when one of the plug-in's type is open.
    void closeAll(const std::wstring& helpFile);
    bool loaded() const { return htmlHelp_.load() != nullptr; }
    // Loads the control on first use (once, whichever thread asks first);
    // false when it is missing.
    bool ensureLoaded();

private:
    typedef HWND(WINAPI* HtmlHelpFn)(HWND, const wchar_t*, UINT, DWORD_PTR);

    const std::wstring dllName_;
    std::once_flag loadOnce_;
    std::atomic<HtmlHelpFn> htmlHelp_{nullptr};   // inside the control's module, never freed
};

// The help file named by the language library (configuration 0x10005) in
// the language folder; empty when the library names none.
std::wstring helpFile(HINSTANCE plugin);
// Shows the topic named by configuration text topicConfigId (0: the file's
// default page). False when nothing could be shown.
bool showHelpTopic(HINSTANCE plugin, uint32_t topicConfigId);
// Closes the plug-in's help windows, if help was ever shown.
void closeHelpWindows();
