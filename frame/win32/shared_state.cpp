#include "frame/win32/shared_state.h"
#include "frame/win32/plugin_app.h"

#include <windows.h>

namespace {
// Initialized data (never .bss), so the loader maps it from the file and
// the section's shared flag makes all processes see the same page.
__attribute__((section(".smVexa2"), shared)) SharedState g_shared = initialSharedState();

volatile LONG* asLong(const int32_t& field) {
    static_assert(sizeof(LONG) == sizeof(int32_t));
    return reinterpret_cast<volatile LONG*>(const_cast<int32_t*>(&field));
}
} // namespace

namespace shared {

SharedState& state() { return g_shared; }

int32_t read(const int32_t& field) { return InterlockedCompareExchange(asLong(field), 0, 0); }
void write(int32_t& field, int32_t value) { InterlockedExchange(asLong(field), value); }
int32_t increment(int32_t& field) { return InterlockedIncrement(asLong(field)); }

void windowOpened() {
    platform::MutexLock lock(app::mutex(AppMutex::InstanceCount));
    ++g_shared.openWindowCount;
}

void windowClosed() {
    platform::MutexLock lock(app::mutex(AppMutex::InstanceCount));
    if (g_shared.openWindowCount > 0) --g_shared.openWindowCount;
}

int32_t openWindows() {
    platform::MutexLock lock(app::mutex(AppMutex::InstanceCount));
    return g_shared.openWindowCount;
}

} // namespace shared
