// The ".smVexa2" section of this module: one copy for every process that
// loads the plug-in. Fields guarded by a named mutex are used through the
// ring and jump code under that mutex; the lock-free ones through read()
// and write(), which are atomic across processes.
#pragma once
#include "frame/shared_layout.h"

namespace shared {

SharedState& state();

int32_t read(const int32_t& field);
void write(int32_t& field, int32_t value);
int32_t increment(int32_t& field);

// The open-window count, under "Vexa2MutexInstanceCount"; never below 0.
void windowOpened();
void windowClosed();
int32_t openWindows();

} // namespace shared
