#include "frame/win32/thread_context.h"

#include "frame/win32/hooks.h"

void PluginThreadContext::close() {
    mainWindow.destroy();
    // The window's own teardown removes the hooks; a creation that failed
    // half-way may have left some behind.
    hooks::remove(*this);
}

void PluginThreadContext::unhook() { hooks::remove(*this); }
