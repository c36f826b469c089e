// The plug-in's process-wide objects: the named mutexes that processes
// share, the settings object and the table of per-thread contexts. Made
// once when the library is attached (after the language library) and
// destroyed when it is detached.
#pragma once
#include "base/platform.h"
#include "base/text.h"
#include "frame/win32/thread_context.h"
#include "settings/setting.h"

#include <windows.h>

enum class AppMutex { Ini, InstanceCount, JumpReturn, Jump };

namespace app {

enum class StartResult {
    Started,
    NoMutexes,       // a named mutex could not be made
    NoSettings,      // the settings object could not be made
    NoProfileFolder, // multi-user mode is on but the profile folder is unusable
    NoThreadTable,
};

// Makes the mutexes, the settings object for pluginFolder (switched to the
// profile folder in multi-user mode) and the thread table. On failure
// everything made so far is released again.
StartResult start(HINSTANCE plugin, u16view pluginFolder);
// Ends every context (see ThreadTable::endAll: the calling thread's
// windows close, other threads' hooks are removed), then destroys the
// table, the settings object and the mutexes. Safe to call twice.
void stop();

// The process is exiting: every object is let go of without being
// destroyed, so that nothing (the runtime's own clean-up at unload
// included) closes windows or waits for locks of threads that are gone.
void abandon();

// Null before start and after stop.
CSetting* settings();
platform::NamedMutex* mutex(AppMutex which);
// The calling thread's context, made on first use; null when the table
// does not exist or memory ran out.
PluginThreadContext* context();
// Closes and destroys the calling thread's context (the thread is
// ending): its main window and hooks go with it.
void threadEnded();
size_t contextCount();

} // namespace app
