#include "support/win32/dictionary_paths.h"

#include "base/win32/wide.h"
#include "frame/message_ids.h"
#include "frame/win32/language.h"
#include "frame/win32/plugin_app.h"

namespace dictionary_paths {

bool forPlugin(HINSTANCE plugin, DictionaryPaths& out) {
    CSetting* settings = app::settings();
    const char16_t* settingsFolder = settings ? settings->settingsFolder() : nullptr;
    if (!settingsFolder || !*settingsFolder) return false;
    auto file = [](uint32_t id) { return wide::u(lang::config(id)); };
    out.sourceFolder = wide::u(lang::languageFolder(plugin).c_str());
    out.commandFile = file(cfgid::CommandDictionary);
    out.environmentFile = file(cfgid::EnvironmentDictionary);
    out.easySupportFile = file(cfgid::EasySupportDictionary);
    out.paperSizeFile = file(cfgid::PaperSizeDictionary);
    out.settingsFolder = settingsFolder;
    return true;
}

} // namespace dictionary_paths
