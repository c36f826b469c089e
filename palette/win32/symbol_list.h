// The list control that shows one category's cells: filled from the
// symbol table with the category's picture strip from the plug-in's own
// resources, and read back (which cell has the focus, where each cell is).
#pragma once
#include "palette/palette_tabs.h"
#include "palette/symbol_table.h"

#include <string>
#include <windows.h>

namespace symbol_list {

// Sets the list up once: the cells' tool tips come from the owner.
void prepare(HWND list);

// Empties the list, titles its column with the category's title, replaces
// its image list with the category's strip (the old one is destroyed), adds
// the entries in order and selects and focuses the first cell. False for
// an unknown command or a list that is no window. A strip that cannot be
// loaded leaves the cells without pictures.
bool fill(HWND list, uint32_t command, HINSTANCE plugin);

// Destroys the list's image list; the list shares it and never does.
void releaseImages(HWND list);

// The column's title; empty when it cannot be read.
std::wstring columnTitle(HWND list);

// The cell with the focus, -1 for none.
int focusedCell(HWND list);
// Selects and focuses the nearest cell that way and scrolls it into view;
// false at an edge.
bool moveFocus(HWND list, palette_tabs::Direction direction);

// Where the size menu of a cell opens: one pixel below its label's bottom
// at the label's left edge, in screen coordinates, moved right (by at most
// 100 pixels) until a window lies under it.
POINT menuPoint(HWND list, int cell);

} // namespace symbol_list
