// The three on/off settings that every window of every process shows the
// same way: each is stored in the settings file and mirrored in the shared
// section, where the main windows' timers pick changes up.
#pragma once
#include "frame/plugin_rules.h"
#include "frame/win32/thread_context.h"
#include "settings/setting.h"

#include <cstdint>

enum class SharedToggle : uint32_t { RootLock = 41123, Highlight = 41124, Swap = 41137 };

namespace shared_toggles {

// Applies the request and sets the toolbar button's pressed state from the
// result, which it returns. The root lock is on only while entry 0 of the
// recent roots names a TeX file: a request for "on" without one leaves it
// (or turns it) off.
int32_t apply(PluginThreadContext& ctx, SharedToggle which, plugin_rules::ToggleRequest request);
// The current value of the shared mirror.
int32_t current(SharedToggle which);
// The root the lock holds now: entry 0 of the recent roots while the lock
// is on; empty while it is off or without settings.
u16 lockedRoot(CSetting* settings);

} // namespace shared_toggles
