#include "mainwindow/toolbar_table.h"

#include "mainwindow/command_ids.h"

#include <array>
#include <cstddef>

namespace toolbar_table {
namespace {

// Runs of consecutive identifiers, in index order; index 0 starts the first.
struct Run {
    uint32_t first;
    uint32_t last;
};
constexpr Run Runs[] = {
    {41001, 41007}, {41097, 41098}, {41082, 41082}, {41008, 41017}, {41092, 41096},
    {41099, 41099}, {41018, 41019}, {41081, 41081}, {41020, 41024}, {41132, 41134},
    {41091, 41091}, {41101, 41107}, {41025, 41025}, {41125, 41126}, {41026, 41027},
    {41111, 41114}, {41028, 41031}, {41083, 41083}, {41088, 41090}, {41032, 41035},
    {41117, 41122}, {41036, 41039}, {41075, 41075}, {41108, 41110}, {41041, 41041},
    {41040, 41040}, {41128, 41131}, {41127, 41127}, {41043, 41043}, {41084, 41085},
    {41087, 41087}, {41044, 41044}, {41115, 41115}, {41123, 41123}, {41079, 41079},
    {41136, 41136}, {41042, 41042}, {41124, 41124}, {41045, 41047}, {41049, 41049},
    {41100, 41100}, {41051, 41053}, {41086, 41086}, {41137, 41137}, {41055, 41055},
    {41054, 41054}, {1209, 1209},   {41414, 41414}, {41116, 41116},
};

constexpr std::array<uint32_t, ButtonCount> expand() {
    std::array<uint32_t, ButtonCount> out{};
    std::size_t i = 0;
    for (const Run& r : Runs)
        for (uint32_t id = r.first; id <= r.last; ++id) out[i++] = id;
    return out;
}
constexpr auto Commands = expand();

// Every index gets exactly one command, with no repeats: a miscounted run
// would shift every later button.
constexpr bool complete() {
    std::size_t n = 0;
    for (const Run& r : Runs) n += r.last - r.first + 1;
    if (n != static_cast<std::size_t>(ButtonCount)) return false;
    for (std::size_t i = 0; i < Commands.size(); ++i)
        for (std::size_t j = i + 1; j < Commands.size(); ++j)
            if (Commands[i] == Commands[j]) return false;
    return true;
}
static_assert(complete(), "the toolbar table must give 113 distinct commands");

bool inRange(uint32_t c, uint32_t first, uint32_t last) { return c >= first && c <= last; }

} // namespace

const char16_t DefaultLayout[] =
    u"0,1,-1,2,3,4,5,6,7,8,9,-1,10,26,29,-1,30,31,32,33,34,-1,45,58,81,86,-1,62,63,64,65,71,-1,"
    u"72,73,74,75,76,87,91,-1,92,93,94,95,96,97,-1,98,99,100,101,103,104,105,107,-1,108,109,-1,"
    u"110,111,112";

uint32_t commandAt(int32_t index) {
    return index >= 0 && index < ButtonCount ? Commands[static_cast<std::size_t>(index)] : 0;
}

int32_t indexOf(uint32_t command) {
    if (command == 0) return -1;
    for (std::size_t i = 0; i < Commands.size(); ++i)
        if (Commands[i] == command) return static_cast<int32_t>(i);
    return -1;
}

bool hasDropDown(uint32_t command) {
    return command == cmd::TypesetPaperMenu || command == cmd::RootLock || command == cmd::Highlight;
}

bool opensSubWindow(uint32_t command) {
    // Buttons 11-28 except 26, which is not a window.
    int32_t i = indexOf(command);
    return i >= 11 && i <= 28 && i != 26;
}

int32_t typesetVariant(uint32_t command) {
    switch (command) {
    case 41045: return 1;
    case 41046: return 2;
    case 41047: return 3;
    case 41049: return 4;
    case 41100: return 5;
    case 41051: return 6;
    case 41052: return 7;
    case 41053: return 8;
    case 41055: return 9;
    default: return 0;
    }
}

bool isTypesetting(uint32_t command) { return typesetVariant(command) != 0; }

bool showsOwnCursor(uint32_t command) {
    return inRange(command, 41009, 41017) || command == 41019 || isTypesetting(command) ||
           command == 41081 || inRange(command, 41092, 41096) || command == 41099 ||
           command == cmd::RootFileDialog || command == cmd::RootLock;
}

bool isSharedToggle(uint32_t command) {
    return command == cmd::RootLock || command == cmd::Highlight || command == cmd::Swap;
}

bool rightClickOpensRoot(uint32_t command) {
    return command == cmd::RootFileDialog || command == cmd::RootLock;
}

Addition additionOf(uint32_t command) {
    if (opensSubWindow(command)) return Addition::SubWindow;
    if (isTypesetting(command)) return Addition::Typesetting;
    switch (command) {
    case cmd::OutlineWindow: return Addition::Outline;
    case cmd::RootFileDialog: return Addition::RootFile;
    case cmd::RootLock: return Addition::RootLock;
    case cmd::Highlight: return Addition::Highlight;
    case cmd::Swap: return Addition::Swap;
    default: return Addition::None;
    }
}

} // namespace toolbar_table
