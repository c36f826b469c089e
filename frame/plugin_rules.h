// Small decisions of the plug-in's entry points that depend on nothing but
// their inputs: which files start the plug-in by themselves, the answers to
// the host's queries, the settings upgrade and the shared toggles.
#pragma once
#include "base/text.h"

#include <cstdint>

namespace plugin_rules {

// Longer than four characters, ending in ".tex" in any letter case, and
// no space in the file-name part (the folders may have spaces).
bool isTexFileName(u16view path);

// The host toolbar bitmap for the host's size and state flags.
uint32_t bitmapFor(uint32_t flags);
// The answer to the host's capability query.
int32_t capability(uint32_t what);

// Settings written by this version; older files are upgraded once.
constexpr int32_t CurrentVersion = 21294;
enum class Upgrade {
    None,         // current or newer: nothing to say
    Converted,    // old layout converted
    NotConverted, // old layout that has no conversion table
};
// No conversion tables are kept, so every older version is NotConverted.
Upgrade upgradeFor(int32_t storedVersion);

// Requests to a shared on/off setting.
enum class ToggleRequest : int32_t { On = 0, Off = 1, Toggle = 2, Show = 3 };
// The value the request asks for, given the current one (0 or 1).
int32_t toggled(int32_t current, ToggleRequest request);

} // namespace plugin_rules
