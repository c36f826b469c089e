// The language library: the DLL in the "Vexa2Lang" folder beside the
// plug-in that holds every user-visible text, most dialog templates, the
// menus and the toolbar bitmap. One per process.
#pragma once
#include "base/text.h"
#include "base/win32/wide.h"

#include <windows.h>

#include <cstdint>
#include <string>

namespace lang {

// The export set a library must offer to be accepted, and its version.
constexpr int kInterfaceVersion = 5;

// Folder of the plug-in's own file, without trailing separator. Empty when
// the module has no file name.
std::wstring pluginFolder(HINSTANCE plugin);
// pluginFolder + "\Vexa2Lang".
std::wstring languageFolder(HINSTANCE plugin);

// Loads the named library from the language folder and keeps it when it
// has all seven exports and reports version 5; it then replaces the library
// loaded before. On failure the previous library stays loaded. A name that
// is empty or carries a path is refused.
bool load(HINSTANCE plugin, const std::wstring& fileName);
void unload();
// The loaded library (templates, menus, bitmaps come from it), or null.
HMODULE module();

// Texts by identifier; "" (never null) when no library is loaded or it has
// no text. Owned by the library: use at once or copy.
const wchar_t* message(uint32_t id);
const wchar_t* config(uint32_t id);
// A text as the portable core takes it: a copy.
inline u16 text(uint32_t id) { return wide::u(message(id)); }

// MessageBoxW with text and caption from the library.
int messageBox(HWND owner, uint32_t textId, uint32_t captionId, UINT flags);
// A question with Yes and No, No the default; true for Yes.
bool ask(HWND owner, const wchar_t* text);
bool ask(HWND owner, uint32_t textId);

// "Vexa2Lang.ini" in the language folder, section [Language], key DLL.
std::wstring settingsPath(HINSTANCE plugin);
// The configured library's file name; empty when none is configured.
std::wstring configuredName(HINSTANCE plugin);
// The name assumed where a configured name is wanted and none is set.
std::wstring defaultName();
// Writes the name, keeping the file's other content. False when it could
// not be written (the old file is then unchanged).
bool saveConfiguredName(HINSTANCE plugin, const std::wstring& fileName);

// A library checked the same way as load(), kept apart from the loaded
// one: the chooser opens every candidate like this to read its name.
class Candidate {
public:
    explicit Candidate(const std::wstring& path);
    ~Candidate();
    Candidate(const Candidate&) = delete;
    Candidate& operator=(const Candidate&) = delete;

    bool accepted() const { return module_ != nullptr; }
    // "" when not accepted or the library has no such text.
    std::wstring config(uint32_t id) const;

private:
    HMODULE module_ = nullptr;     // owned; freed by the destructor
};

} // namespace lang
