// The main window's system menu: the window commands it does not need go,
// the plug-in's own commands come first.
#pragma once
#include <windows.h>

namespace system_menu {

// The plug-in's items, as WM_SYSCOMMAND identifiers.
enum : UINT {
    Settings = 1,
    CustomizeToolbar = 2,
    DeleteSettings = 3,
    DictionaryEditor = 4,
    About = 5,
    Help = 6,
};

// Removes Maximize, Minimize and Restore (docked also Size and Move, and
// Close gets the band's text) and adds the plug-in's items on top.
void edit(HWND window, bool docked);

// Shows the menu at a screen point and returns the chosen command, 0 for
// none.
UINT track(HWND window, POINT screen);

} // namespace system_menu
