// The character palette's symbols: seventeen categories, each with its
// entries in display order and a picture strip in the plug-in's own
// resources. The palette windows only ever pass a category command and a
// cell position; everything else comes from here.
#pragma once
#include "base/text.h"

#include <cstdint>
#include <span>

namespace palette {

// Bits of SymbolEntry::flags. Space, Optional and Argument decide the
// inserted text (symbol_text.h); the note class picks the tool tip.
namespace flag {
constexpr uint32_t Space = 0x1;           // one space follows the command
constexpr uint32_t Argument = 0x2;        // a braced argument follows
constexpr uint32_t Optional = 0x4;        // an optional [argument] comes first
constexpr uint32_t SecondArgument = 0x8;  // a second braced argument follows
constexpr uint32_t Delimiter = 0x10;      // a size modifier may precede it
constexpr uint32_t NoteMask = 0xFF00;     // note class 1-4, times 0x100
} // namespace flag

struct SymbolEntry {
    u16view text;      // exactly as inserted; static storage, at most 99 characters
    int32_t image;     // its position in the category, = its cell in the strip
    uint32_t flags;    // flag:: bits
};

struct Category {
    u16view name;            // placement name of the detached window
    uint32_t command;        // menu/toolbar command that shows the category
    uint32_t mask;           // one bit of the "Char" settings "Window"/"WindowSep"
    uint32_t titleMessage;   // language library text: tab and column title
    int32_t bitmap;          // the plug-in's bitmap resource with the strip
    int32_t cellWidth;       // pixels; cells are CellHeight high
    std::span<const SymbolEntry> entries;
};

constexpr int32_t CellHeight = 32;
// Shows every category the settings ask for (tabs and detached windows).
constexpr uint32_t AllCategoriesCommand = 41020;
constexpr uint32_t AllCategoriesMask = 0x1FFFF;

// All seventeen, in mask-bit order (the order tabs are added in).
std::span<const Category> categories();

// nullptr for a command that names no category (41020 included).
const Category* categoryOfCommand(uint32_t command);
// nullptr unless maskBit is exactly one category's bit.
const Category* categoryOfMask(uint32_t maskBit);
// nullptr for an unknown command or a position outside the category.
const SymbolEntry* entryAt(uint32_t command, int32_t position);

// Width of the category's strip: one cell per entry.
constexpr int32_t stripWidth(const Category& category) {
    return category.cellWidth * static_cast<int32_t>(category.entries.size());
}

} // namespace palette
