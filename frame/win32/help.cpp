#include "frame/win32/help.h"

#include "base/win32/wide.h"
#include "frame/help_topic.h"
#include "frame/message_ids.h"
#include "frame/win32/language.h"
#include "frame/win32/module.h"

#include <cstring>

namespace {
// Commands of the HTML Help control.
constexpr UINT kDisplayTopic = 0x0000;
constexpr UINT kCloseAll = 0x0012;
// Asks for a window type. Controls answer in one of two ways: the open
// window with a pointer to the type's description put into the data, or -1;
// or null, with the description itself (far larger than a pointer) copied
// into the data when a window of the type is open.
constexpr UINT kGetWindowType = 0x0005;
// Room for either answer to the type query.
constexpr size_t kTypeAnswerSize = 512;

HelpControl& processControl() {
    static HelpControl control(L"hhctrl.ocx");
    return control;
}
} // namespace

HelpControl::HelpControl(const wchar_t* dllName) : dllName_(dllName ? dllName : L"") {}

bool HelpControl::ensureLoaded() {
    // Host threads may ask for help at the same moment: one loads, the
    // others wait for its answer instead of taking a half-made one.
    std::call_once(loadOnce_, [this] {
        HMODULE module = LoadLibraryW(dllName_.c_str());
        if (!module) return;
        auto fn = reinterpret_cast<HtmlHelpFn>(reinterpret_cast<void*>(GetProcAddress(module, "HtmlHelpW")));
        if (!fn) {
            FreeLibrary(module);
            return;
        }
        htmlHelp_.store(fn);
    });
    return htmlHelp_.load() != nullptr;
}

bool HelpControl::show(const std::wstring& file, const std::wstring& topic) {
    // Checked first: the control would report a missing file in a box of
    // its own, naming a path the user never chose.
    if (file.empty() || GetFileAttributesW(file.c_str()) == INVALID_FILE_ATTRIBUTES) return false;
    if (!ensureLoaded()) return false;
    u16 command = help::topicCommand(wide::u(file.c_str()), wide::u(topic.c_str()));
    return htmlHelp_.load()(GetDesktopWindow(), wide::w(command), kDisplayTopic, 0) != nullptr;
}

void HelpControl::closeAll(const std::wstring& file) {
    HtmlHelpFn htmlHelp = htmlHelp_.load();
    if (!htmlHelp || file.empty()) return;   // never shown: nothing to close
    u16 typeName = wide::u(file.c_str()) + u">" + help::kWindowType;
    alignas(8) unsigned char answer[kTypeAnswerSize] = {};
    HWND open = htmlHelp(nullptr, wide::w(typeName), kGetWindowType, reinterpret_cast<DWORD_PTR>(answer));
    if (open == reinterpret_cast<HWND>(-1)) return;
    uintptr_t firstWord = 0;   // the pointer, or the description's size field
    std::memcpy(&firstWord, answer, sizeof firstWord);
    // Only while a window of the plug-in's type is open: closing all
    // closes the host's own help windows too.
    if (open || firstWord) htmlHelp(nullptr, nullptr, kCloseAll, 0);
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
