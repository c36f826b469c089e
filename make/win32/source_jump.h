// Source specials: the shared mode that picks the command set with source
// positions, the "TEXEDIT" command a run hands to the previewer for the
// jump back, and the previewer's own registry value "src".
#pragma once
#include "base/text.h"
#include "frame/plugin_rules.h"
#include "make/inverse_search.h"

#include <cstdint>

class CSetting;
class PluginThreadContext;

namespace source_jump {

// The Swap toggle (button 41137) of every window in every process; the
// result is the mode after the request (1 on).
int32_t SetSourceSpecialMode(PluginThreadContext& ctx, plugin_rules::ToggleRequest request);
bool IsSourceSpecialMode();

// Sets "TEXEDIT" in this process's environment as ("Make", "TEXEDIT")
// asks and returns what Restore needs to undo it.
inverse_search::Saved ProvideInverseSearchCommand(CSetting& settings);
// Puts the variable back as it was, when Provide changed it.
void RestoreInverseSearchCommand(const inverse_search::Saved& saved);

// The previewer's settings key below HKEY_CURRENT_USER and its value.
constexpr const wchar_t* PreviewerKey = L"Software\\TeX\\DVIOUT\\Settings";
constexpr const wchar_t* PreviewerSourceValue = L"src";
// False when the key or the value is missing (value then empty).
bool ReadPreviewerSource(u16& value);
// Creates the key when missing; false when the registry refused.
bool WritePreviewerSource(u16view value);

} // namespace source_jump
