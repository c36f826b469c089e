#include "palette/symbol_table.h"

namespace palette {

const Category* categoryOfCommand(uint32_t command) {
    for (const Category& c : categories())
        if (c.command == command) return &c;
    return nullptr;
}

const Category* categoryOfMask(uint32_t maskBit) {
    for (const Category& c : categories())
        if (c.mask == maskBit) return &c;
    return nullptr;
}

const SymbolEntry* entryAt(uint32_t command, int32_t position) {
    const Category* c = categoryOfCommand(command);
    if (!c || position < 0 || static_cast<size_t>(position) >= c->entries.size()) return nullptr;
    return &c->entries[static_cast<size_t>(position)];
}

} // namespace palette
