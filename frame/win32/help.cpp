#include "frame/win32/help.h"

#include "base/win32/wide.h"
#include "frame/help_topic.h"
#include "frame/message_ids.h"
#include "frame/win32/language.h"
#include "frame/win32/module.h"

namespace {
// Commands of the HTML Help control.
constexpr UINT kDisplayTopic = 0x0000;
constexpr UINT kCloseAll = 0x0012;
constexpr UINT kGetWindowType = 0x0015;

HelpControl& processControl() {
    static HelpControl control(L"hhctrl.ocx");
    return control;
}
} // namespace

HelpControl::HelpControl(const wchar_t* dllName) : dllName_(dllName ? dllName : L"") {}

bool HelpControl::ensureLoaded() {
    if (tried_) return htmlHelp_ != nullptr;
    tried_ = true;
    HMODULE module = LoadLibraryW(dllName_.c_str());
    if (!module) return false;
    htmlHelp_ = reinterpret_cast<HtmlHelpFn>(reinterpret_cast<void*>(GetProcAddress(module, "HtmlHelpW")));
    if (!htmlHelp_) FreeLibrary(module);
    return htmlHelp_ != nullptr;
}

bool HelpControl::show(const std::wstring& file, const std::wstring& topic) {
    // Checked first: the control would report a missing file in a box of
    // its own, naming a path the user never chose.
    if (file.empty() || GetFileAttributesW(file.c_str()) == INVALID_FILE_ATTRIBUTES) return false;
    if (!ensureLoaded()) return false;
    u16 command = help::topicCommand(wide::u(file.c_str()), wide::u(topic.c_str()));
    return htmlHelp_(GetDesktopWindow(), wide::w(command), kDisplayTopic, 0) != nullptr;
}

void HelpControl::closeAll(const std::wstring& file) {
    if (!htmlHelp_ || file.empty()) return;   // never shown: nothing to close
    u16 typeName = wide::u(file.c_str()) + u">" + help::kWindowType;
    void* type = nullptr;
    HWND open = htmlHelp_(nullptr, wide::w(typeName), kGetWindowType, reinterpret_cast<DWORD_PTR>(&type));
    if (open && open != reinterpret_cast<HWND>(-1)) htmlHelp_(nullptr, nullptr, kCloseAll, 0);
}

std::wstring helpFile(HINSTANCE plugin) {
    u16 path = help::helpFilePath(wide::u(lang::languageFolder(plugin).c_str()), wide::u(lang::config(cfgid::HelpFile)));
    return wide::w(path);
}

bool showHelpTopic(HINSTANCE plugin, uint32_t topicConfigId) {
    std::wstring topic = topicConfigId ? lang::config(topicConfigId) : L"";
    return processControl().show(helpFile(plugin), topic);
}

void closeHelpWindows() { processControl().closeAll(helpFile(pluginInstance())); }
