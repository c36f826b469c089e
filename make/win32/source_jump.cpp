#include "make/win32/source_jump.h"

#include "base/platform.h"
#include "base/win32/wide.h"
#include "frame/win32/module.h"
#include "frame/win32/shared_toggles.h"
#include "make/batch_env.h"
#include "settings/setting.h"
#include "settings/setting_keys.h"

#include <windows.h>

#include <vector>

namespace source_jump {
int32_t SetSourceSpecialMode(PluginThreadContext& ctx, plugin_rules::ToggleRequest request) {
    return shared_toggles::apply(ctx, SharedToggle::Swap, request);
}

bool IsSourceSpecialMode() { return shared_toggles::current(SharedToggle::Swap) != 0; }

inverse_search::Saved ProvideInverseSearchCommand(CSetting& settings) {
    namespace keys = ini_keys::make;
    inverse_search::Saved saved;
    int32_t mode = settings.readInt(keys::Section, keys::TeXEdit, inverse_search::DefaultMode);
    if (mode == int32_t(inverse_search::Mode::Leave)) return saved;
    // Absent and empty are the same to the batch files.
    platform::getEnv(batch_env::InverseSearch, saved.previous);
    char16_t buffer[1024] = {};
    size_t n = settings.readString(keys::Section, keys::TeXEditParam, inverse_search::DefaultParam, buffer, 1024);
    u16 param(buffer, n);
    u16 program = wide::u(moduleFileName(nullptr).c_str());
    std::optional<u16> value = inverse_search::Provide(mode, saved.previous, program, param);
    if (!value || program.empty()) return saved;
    saved.changed = SetEnvironmentVariableW(wide::w(batch_env::InverseSearch), wide::w(*value)) != 0;
    return saved;
}

void RestoreInverseSearchCommand(const inverse_search::Saved& saved) {
    if (!saved.changed) return;
    std::optional<u16> value = inverse_search::RestoredValue(saved);
    SetEnvironmentVariableW(wide::w(batch_env::InverseSearch), value ? wide::w(*value) : nullptr);
}

bool ReadPreviewerSource(u16& value) {
    value.clear();
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, PreviewerKey, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) return false;
    DWORD type = 0, bytes = 0;
    bool ok = RegQueryValueExW(key, PreviewerSourceValue, nullptr, &type, nullptr, &bytes) == ERROR_SUCCESS &&
              type == REG_SZ;
    if (ok) {
        std::vector<wchar_t> buf(bytes / sizeof(wchar_t) + 1, L'\0');
        DWORD size = DWORD((buf.size() - 1) * sizeof(wchar_t));
        ok = RegQueryValueExW(key, PreviewerSourceValue, nullptr, &type, reinterpret_cast<BYTE*>(buf.data()), &size) ==
             ERROR_SUCCESS;
        // The stored text may or may not end with its terminator.
        if (ok) value = wide::u(buf.data());
    }
    RegCloseKey(key);
    return ok;
}

bool WritePreviewerSource(u16view value) {
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, PreviewerKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr) !=
        ERROR_SUCCESS)
        return false;
    u16 text(value);
    bool ok = RegSetValueExW(key, PreviewerSourceValue, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                             DWORD((text.size() + 1) * sizeof(char16_t))) == ERROR_SUCCESS;
    RegCloseKey(key);
    return ok;
}

} // namespace source_jump
