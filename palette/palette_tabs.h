// The bookkeeping of the palette windows that needs no window: which
// categories the all-categories command puts on tabs and which it opens on
// their own, when the palette counts as complete, the wrap-around of the
// tab keys and the cell that an arrow key moves to.
#pragma once
#include <cstdint>
#include <span>
#include <vector>

namespace palette_tabs {

// The category commands whose bits are in mask, in mask-bit order. Bits
// outside the seventeen categories are ignored (the default "Window" is -1).
std::vector<uint32_t> commandsOf(uint32_t mask);

// What the all-categories command does: the categories it puts on tabs
// ("Window") and those it opens as detached windows ("WindowSep" and not
// "Window"), each in mask-bit order. Detached windows already open stay.
struct AddAll {
    std::vector<uint32_t> tabs;
    std::vector<uint32_t> detach;
};
AddAll addAll(uint32_t window, uint32_t windowSep, uint32_t detachedNow);

// Whether the all-categories command would change nothing: every "Window"
// category is on a tab and every other "WindowSep" one is detached. A
// category in both masks counts as wanted on a tab only, since adding all
// never detaches it; otherwise the command could never close the palette.
bool complete(uint32_t window, uint32_t windowSep, uint32_t onTabs, uint32_t detached);

// The mask bit of a category command, 0 for anything else.
uint32_t maskOf(uint32_t command);
// The mask of a list of category commands.
uint32_t maskOf(std::span<const uint32_t> commands);

// The tab after (forward) or before current, wrapping at both ends; -1
// when there are no tabs.
int stepTab(int current, int count, bool forward);

// The arrow keys' move among the cells of an icon list.
enum class Direction { Left, Up, Right, Down };
struct CellPos {
    int x, y;   // the cell's top-left corner in the list
};
// The cell an arrow key moves to from cell from: Left and Right the next
// one on the same row; Up and Down the nearest one in the nearest row that
// way (a short last row still takes Down). -1 at an edge or when from is
// no cell.
int nearestCell(std::span<const CellPos> cells, int from, Direction direction);

} // namespace palette_tabs
