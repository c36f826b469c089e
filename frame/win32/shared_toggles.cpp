#include "frame/win32/shared_toggles.h"
#include "frame/win32/plugin_app.h"
#include "frame/win32/shared_state.h"
#include "make/recent_roots.h"
#include "make/root_file.h"
#include "settings/setting_keys.h"

namespace shared_toggles {
namespace {

int32_t& mirror(SharedToggle which) {
    SharedState& s = shared::state();
    switch (which) {
    case SharedToggle::RootLock: return s.rootLockOn;
    case SharedToggle::Highlight: return s.highlightOn;
    default: return s.swapOn;
    }
}

struct Key {
    const char16_t* section;
    const char16_t* key;
};
Key settingOf(SharedToggle which) {
    switch (which) {
    case SharedToggle::RootLock: return {ini_keys::root::Section, ini_keys::root::Status};
    case SharedToggle::Highlight: return {ini_keys::highlight::Section, ini_keys::highlight::Status};
    default: return {ini_keys::make::Section, ini_keys::make::Swap};
    }
}

bool rootLockPossible() {
    CSetting* s = app::settings();
    return s && root_lock::Lockable(*s);
}

} // namespace

int32_t current(SharedToggle which) { return shared::read(mirror(which)) != 0 ? 1 : 0; }

u16 lockedRoot(CSetting* settings) {
    return settings ? root_file::LockedRoot(*settings, current(SharedToggle::RootLock) != 0) : u16();
}

int32_t apply(PluginThreadContext& ctx, SharedToggle which, plugin_rules::ToggleRequest request) {
    int32_t old = current(which);
    int32_t value = plugin_rules::toggled(old, request);
    // Every request for "on" checks again (an entry 0 that became unusable
    // turns the lock off); a request only to show the state does not.
    if (which == SharedToggle::RootLock && value == 1 && request != plugin_rules::ToggleRequest::Show &&
        !rootLockPossible())
        value = 0;
    if (value != old) {
        if (CSetting* s = app::settings()) {
            Key k = settingOf(which);
            s->writeInt(k.section, k.key, value);
        }
        shared::write(mirror(which), value);
        if (which == SharedToggle::Highlight) shared::increment(shared::state().highlightGeneration);
    }
    ctx.mainWindow.setCommandPressed(static_cast<uint32_t>(which), value != 0);
    return value;
}

} // namespace shared_toggles
