#include "frame/win32/language.h"
#include "frame/win32/module.h"
#include "frame/message_ids.h"

#include "base/platform.h"
#include "base/win32/wide.h"
#include "settings/ini_store.h"

namespace lang {
namespace {

typedef int(WINAPI* VersionFn)();
typedef const wchar_t*(WINAPI* TextWFn)(uint32_t);

// The exports every library must have; only the first three are called.
const char* const kExports[] = {
    "GetVexa2LanguageDllVersion", "GetVexa2MessageW",  "GetVexa2ConfigW",   "GetVexa2MessageA",
    "GetVexa2ConfigA",            "GetVexa2CTMessageW", "GetVexa2CTMessageA",
};

struct Library {
    HMODULE module = nullptr;      // owned while loaded
    TextWFn message = nullptr;
    TextWFn config = nullptr;
};

Library g_loaded;

// Through void*: a FARPROC cast straight to another function type warns.
template <class Fn> Fn procedure(HMODULE module, const char* name) {
    return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}   // set at attach, read by every thread afterwards

bool isPlainFileName(const std::wstring& name) {
    return !name.empty() && name.find_first_of(L"\\/:") == std::wstring::npos && name != L"." &&
           name != L"..";
}

// Loads path and checks it; on success lib holds the module, else nothing
// stays loaded.
bool open(const std::wstring& path, Library& lib) {
    // A broken or foreign file must not stop the plug-in with a system
    // error box; it is simply not a language library.
    DWORD oldMode = 0;
    SetThreadErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX, &oldMode);
    HMODULE module = LoadLibraryExW(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
    SetThreadErrorMode(oldMode, nullptr);
    if (!module) return false;
    for (const char* name : kExports) {
        if (!GetProcAddress(module, name)) {
            FreeLibrary(module);
            return false;
        }
    }
    auto version = procedure<VersionFn>(module, "GetVexa2LanguageDllVersion");
    if (version() != kInterfaceVersion) {
        FreeLibrary(module);
        return false;
    }
    lib.module = module;
    lib.message = procedure<TextWFn>(module, "GetVexa2MessageW");
    lib.config = procedure<TextWFn>(module, "GetVexa2ConfigW");
    return true;
}

const wchar_t* text(TextWFn fn, uint32_t id) {
    if (!fn) return L"";
    const wchar_t* t = fn(id);
    return t ? t : L"";
}

} // namespace

std::wstring pluginFolder(HINSTANCE plugin) {
    std::wstring path = moduleFileName(plugin);
    size_t slash = path.find_last_of(L"\\/");
    if (slash == std::wstring::npos) return std::wstring();
    path.resize(slash);
    while (!path.empty() && (path.back() == L'\\' || path.back() == L'/')) path.pop_back();
    return path;
}

std::wstring languageFolder(HINSTANCE plugin) {
    std::wstring folder = pluginFolder(plugin);
    return folder.empty() ? folder : folder + L"\\Vexa2Lang";
}

bool load(HINSTANCE plugin, const std::wstring& fileName) {
    std::wstring folder = languageFolder(plugin);
    if (folder.empty() || !isPlainFileName(fileName)) return false;
    Library lib;
    if (!open(folder + L"\\" + fileName, lib)) return false;
    unload();
    g_loaded = lib;
    return true;
}

void unload() {
    if (g_loaded.module) FreeLibrary(g_loaded.module);
    g_loaded = Library();
}

HMODULE module() { return g_loaded.module; }

const wchar_t* message(uint32_t id) { return text(g_loaded.message, id); }
const wchar_t* config(uint32_t id) { return text(g_loaded.config, id); }

int messageBox(HWND owner, uint32_t textId, uint32_t captionId, UINT flags) {
    return MessageBoxW(owner, message(textId), message(captionId), flags);
}

bool ask(HWND owner, const wchar_t* text) {
    return MessageBoxW(owner, text, message(msgid::CaptionQuestion), MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) ==
           IDYES;
}

bool ask(HWND owner, uint32_t textId) { return ask(owner, message(textId)); }

std::wstring settingsPath(HINSTANCE plugin) {
    std::wstring folder = languageFolder(plugin);
    return folder.empty() ? folder : folder + L"\\Vexa2Lang.ini";
}

std::wstring configuredName(HINSTANCE plugin) {
    std::wstring path = settingsPath(plugin);
    if (path.empty()) return std::wstring();
    CIni ini;
    ini.open(wide::u(path.c_str()), nullptr);
    std::wstring name = wide::w(ini.getValue(u"Language", u"DLL", u""));
    ini.close();
    return name;
}

std::wstring defaultName() { return L"Vexa2JP.dll"; }

bool saveConfiguredName(HINSTANCE plugin, const std::wstring& fileName) {
    std::wstring path = settingsPath(plugin);
    if (path.empty() || fileName.empty()) return false;
    CIni ini;
    ini.open(wide::u(path.c_str()), nullptr);
    if (!ini.setValue(u"Language", u"DLL", wide::u(fileName.c_str()).c_str())) {
        ini.close();
        return false;
    }
    return ini.close();
}

Candidate::Candidate(const std::wstring& path) {
    Library lib;
    if (open(path, lib)) module_ = lib.module;
}

Candidate::~Candidate() {
    if (module_) FreeLibrary(module_);
}

std::wstring Candidate::config(uint32_t id) const {
    if (!module_) return std::wstring();
    auto fn = procedure<TextWFn>(module_, "GetVexa2ConfigW");
    return text(fn, id);
}

} // namespace lang
