// Library attach and detach. Attach takes the language library first, so
// every later failure can be told in the user's language; only its own
// failure has a fixed English text.
#include "base/win32/wide.h"
#include "frame/message_ids.h"
#include "frame/win32/dialog_language.h"
#include "frame/win32/language.h"
#include "frame/win32/module.h"
#include "frame/win32/plugin_app.h"

namespace {

// The configured library (the default one while nothing is configured), or
// the one the user picks (a single candidate is taken without asking) when
// that does not load.
bool loadLanguage(HINSTANCE plugin) {
    std::wstring name = lang::configuredName(plugin);
    if (name.empty()) name = lang::defaultName();
    if (lang::load(plugin, name)) return true;
    DialogLanguage chooser(plugin, nullptr, true, true, false, L"");
    name = lang::configuredName(plugin);
    return !name.empty() && lang::load(plugin, name);
}

// The input method library stays for the life of the process. The host's
// windows keep input method state in it; had the plug-in's import held its
// last reference, unloading the plug-in would unload it under those windows
// and the system would load it again inside the plug-in's own detach, which
// leaves the loader's module list broken (a later thread end crashes).
void pinInputMethodLibrary() {
    HMODULE imm = nullptr;
    GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_PIN, L"imm32.dll", &imm);
}

bool attach(HINSTANCE plugin) {
    setPluginInstance(plugin);
    pinInputMethodLibrary();
    if (!loadLanguage(plugin)) {
        MessageBoxW(nullptr, L"Can't Load Language Library", L"Error (Vexa 2)", MB_OK | MB_ICONERROR);
        return false;
    }
    switch (app::start(plugin, wide::u(lang::pluginFolder(plugin).c_str()))) {
    case app::StartResult::Started:
        return true;
    case app::StartResult::NoMutexes:
        lang::messageBox(nullptr, msgid::MutexesNotCreated, msgid::CaptionWarning, MB_OK | MB_ICONWARNING);
        break;
    case app::StartResult::NoProfileFolder:
        lang::messageBox(nullptr, msgid::MultiUserFolderUnusable, msgid::CaptionWarning, MB_OK | MB_ICONWARNING);
        break;
    default:
        break;
    }
    lang::unload();
    return false;
}

void detach() {
    app::stop();
    lang::unload();
}

} // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved) {
    switch (reason) {
    case DLL_PROCESS_ATTACH:
        return attach(instance) ? TRUE : FALSE;
    case DLL_PROCESS_DETACH:
        // A null reserved means the host unloads the plug-in and goes on
        // running: everything it still holds must end now. Otherwise the
        // process is exiting: its other threads are already gone, perhaps
        // holding the thread table's lock, and closing windows or freeing
        // libraries could hang the exit. The system takes back windows,
        // hooks, handles and memory; settings were written when changed.
        if (reserved) app::abandon();
        else detach();
        break;
    case DLL_THREAD_DETACH:
        app::threadEnded();
        break;
    default:
        break;
    }
    return TRUE;
}
