// The plug-in's own module instance: the source of its own resources (the
// language chooser, the About box) and the anchor of its folder.
#pragma once
#include <string>
#include <windows.h>

// Null until the library's entry point (or a test) sets it.
HINSTANCE pluginInstance();
void setPluginInstance(HINSTANCE instance);

// The full path of a module's file; null names the process's program,
// which for the plug-in is the host editor. Empty when it cannot be had.
std::wstring moduleFileName(HMODULE module);
