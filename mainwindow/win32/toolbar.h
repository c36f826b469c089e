// The main window's toolbar control: its images and texts from the
// language library, its buttons from a layout, and the pointer shape over
// buttons that open a window or a menu of their own.
#pragma once
#include <cstdint>
#include <span>
#include <vector>
#include <windows.h>
#include <commctrl.h>

namespace toolbar {

constexpr int ControlId = 1;

// Creates the (empty) toolbar as a child of parent with the strip images
// and texts; wrappable unless docked. Null on failure. The image list
// belongs to the toolbar and goes with destroy().
HWND create(HWND parent, bool docked);
void destroy(HWND toolbar);

// The language library's image strip (buttons, then the user menu's title
// and separator images) as a new image list owned by the caller; null when
// the library has none.
HIMAGELIST loadImages();

// Replaces every button by the layout's items (button index or negative
// for a separator). Returns the command of the last button added, 0 when
// there was none.
uint32_t build(HWND toolbar, std::span<const int32_t> items);
// The layout the buttons form now (after the user customized them).
std::vector<int32_t> items(HWND toolbar);
// The button as the customization offers it: index 0-112; false beyond.
bool describe(int32_t index, TBBUTTON& button);

void setPressed(HWND toolbar, uint32_t command, bool on);
void setEnabled(HWND toolbar, uint32_t command, bool on);
bool pressed(HWND toolbar, uint32_t command);
bool enabled(HWND toolbar, uint32_t command);
// The command of the button under a client point, 0 over none.
uint32_t commandAt(HWND toolbar, POINT client);

// Subclasses the toolbar (property "Vexa_Toolbar_Prop") so that the
// pointer shows the plug-in's cursor over buttons that open a window or
// menu, unless *hostMenuOpen; the subclass removes itself when the
// toolbar is destroyed. hostMenuOpen must outlive the toolbar.
enum class SubclassResult { Done, NoProperty, NoSubclass };
SubclassResult subclass(HWND toolbar, HINSTANCE plugin, const bool* hostMenuOpen);
void unsubclass(HWND toolbar);

} // namespace toolbar
