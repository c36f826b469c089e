// The plug-in's own module instance: the source of its own resources (the
// language chooser, the About box) and the anchor of its folder.
#pragma once
#include <windows.h>

// Null until the library's entry point (or a test) sets it.
HINSTANCE pluginInstance();
void setPluginInstance(HINSTANCE instance);
