// How the floating tool windows go along with the host: they move when the
// host frame moves and hide while another program or thread is in front.
// The main window applies these to every window it keeps (itself while it
// floats, the outline and the palettes); nothing else moves or hides them.
#pragma once
#include <span>
#include <windows.h>

namespace subwindow_host {

// Moves window by dx, dy, keeping its size and z-order and without
// activating it. Null or destroyed windows are skipped.
void moveBy(HWND window, int dx, int dy);
void moveBy(std::span<const HWND> windows, int dx, int dy);

// show false: hides each visible window (the host went to the back).
// show true: shows each hidden one without activating it, so the focus
// stays where the user put it. Null or destroyed windows are skipped;
// returns how many windows changed.
int showWithHost(std::span<const HWND> windows, bool show);

} // namespace subwindow_host
