// A resource carrier with the plug-in's chooser template. Tests copy it
// into a folder of their own so that the folder becomes "the plug-in's".
#include <windows.h>

extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID) { return TRUE; }
