// The toolbar's buttons as data. A button's index is both its image in the
// toolbar bitmap and the index of its text, and it is what the saved
// layout stores; the command identifier is what the button sends.
#pragma once
#include <cstdint>

namespace toolbar_table {

constexpr int32_t ButtonCount = 113;

// The command of button index; 0 for an index outside the table.
uint32_t commandAt(int32_t index);
// The button index of command; -1 when no button sends it.
int32_t indexOf(uint32_t command);

// Buttons with a drop-down arrow (paper-size menu, root-file menu,
// highlight menu).
bool hasDropDown(uint32_t command);
// Buttons that open a palette or list sub-window; pressed while it shows.
bool opensSubWindow(uint32_t command);
// Typesetting buttons; right-clicking runs their variant with Swap inverted.
bool isTypesetting(uint32_t command);
// The typesetting variant 1-9 of a typesetting button, 0 for the others.
int32_t typesetVariant(uint32_t command);
// Buttons over which the pointer shows the plug-in's own cursor: they open
// a window or a menu of their own.
bool showsOwnCursor(uint32_t command);
// Buttons whose pressed state mirrors a toggle shared by all windows.
bool isSharedToggle(uint32_t command);
// Right-click on these opens the root file in a new host instance.
bool rightClickOpensRoot(uint32_t command);

// What the tool tip and the status line add after a button's own text.
enum class Addition {
    None,
    SubWindow,      // "opens a window"
    Typesetting,    // Swap state, then Root lock state
    Outline,        // Root lock state (status line only)
    RootFile,       // root-file dialog hint
    RootLock,       // the locked file's path when on
    Highlight,      // the current pattern when on
    Swap,           // Swap state
};
Addition additionOf(uint32_t command);

// The layout a fresh installation gets, and the customization's reset.
extern const char16_t DefaultLayout[];

} // namespace toolbar_table
