#include "frame/win32/module.h"

namespace {
HINSTANCE g_instance = nullptr;   // set once at attach, read by every thread
} // namespace

HINSTANCE pluginInstance() { return g_instance; }
void setPluginInstance(HINSTANCE instance) { g_instance = instance; }
