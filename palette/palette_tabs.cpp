#include "palette/palette_tabs.h"

#include "palette/symbol_table.h"

#include <cstdlib>

namespace palette_tabs {

std::vector<uint32_t> commandsOf(uint32_t mask) {
    std::vector<uint32_t> out;
    for (const palette::Category& c : palette::categories())
        if (mask & c.mask) out.push_back(c.command);
    return out;
}

AddAll addAll(uint32_t window, uint32_t windowSep, uint32_t detachedNow) {
    AddAll plan;
    for (const palette::Category& c : palette::categories()) {
        if (window & c.mask) plan.tabs.push_back(c.command);
        else if ((windowSep & c.mask) && !(detachedNow & c.mask)) plan.detach.push_back(c.command);
    }
    return plan;
}

bool complete(uint32_t window, uint32_t windowSep, uint32_t onTabs, uint32_t detached) {
    const uint32_t wantTabs = window & palette::AllCategoriesMask;
    const uint32_t wantDetached = windowSep & ~window & palette::AllCategoriesMask;
    return (onTabs & wantTabs) == wantTabs && (detached & wantDetached) == wantDetached;
}

uint32_t maskOf(uint32_t command) {
    const palette::Category* c = palette::categoryOfCommand(command);
    return c ? c->mask : 0;
}

uint32_t maskOf(std::span<const uint32_t> commands) {
    uint32_t mask = 0;
    for (uint32_t c : commands) mask |= maskOf(c);
    return mask;
}

int stepTab(int current, int count, bool forward) {
    if (count <= 0) return -1;
    if (current < 0 || current >= count) return 0;
    return forward ? (current + 1) % count : (current + count - 1) % count;
}

int nearestCell(std::span<const CellPos> cells, int from, Direction direction) {
    if (from < 0 || static_cast<size_t>(from) >= cells.size()) return -1;
    const CellPos f = cells[from];
    const bool sideways = direction == Direction::Left || direction == Direction::Right;
    int best = -1;
    long long bestAlong = 0, bestAcross = 0;
    for (size_t i = 0; i < cells.size(); ++i) {
        long long dx = cells[i].x - f.x, dy = cells[i].y - f.y;
        long long along = direction == Direction::Left ? -dx : direction == Direction::Right ? dx
                        : direction == Direction::Up   ? -dy : dy;
        long long across = std::llabs(sideways ? dy : dx);
        if (along <= 0 || (sideways && across != 0)) continue;
        if (best < 0 || along < bestAlong || (along == bestAlong && across < bestAcross)) {
            best = static_cast<int>(i);
            bestAlong = along;
            bestAcross = across;
        }
    }
    return best;
}

} // namespace palette_tabs
