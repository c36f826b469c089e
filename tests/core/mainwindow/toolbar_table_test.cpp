#include "mainwindow/toolbar_table.h"

#include "mainwindow/toolbar_layout.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

namespace tt = toolbar_table;

namespace {
std::vector<uint32_t> commandsWhere(bool (*pred)(uint32_t)) {
    std::vector<uint32_t> out;
    for (int32_t i = 0; i < tt::ButtonCount; ++i)
        if (pred(tt::commandAt(i))) out.push_back(tt::commandAt(i));
    return out;
}
} // namespace

TEST(ToolbarTable, SampleOfIndicesAndTheirCommands) {
    // Run starts, run ends and single entries, copied from the button list.
    const std::pair<int32_t, uint32_t> sample[] = {
        {0, 41001},   {6, 41007},   {7, 41097},   {8, 41098},   {9, 41082},   {10, 41008},
        {19, 41017},  {20, 41092},  {25, 41099},  {26, 41018},  {28, 41081},  {29, 41020},
        {34, 41132},  {36, 41134},  {37, 41091},  {44, 41107},  {45, 41025},  {47, 41126},
        {53, 41114},  {58, 41083},  {61, 41090},  {71, 41122},  {76, 41075},  {79, 41110},
        {80, 41041},  {81, 41040},  {85, 41131},  {86, 41127},  {90, 41087},  {92, 41115},
        {93, 41123},  {94, 41079},  {95, 41136},  {96, 41042},  {97, 41124},  {100, 41047},
        {101, 41049}, {102, 41100}, {103, 41051}, {105, 41053}, {106, 41086}, {107, 41137},
        {108, 41055}, {109, 41054}, {110, 1209},  {111, 41414}, {112, 41116},
    };
    for (auto [index, command] : sample) {
        EXPECT_EQ(tt::commandAt(index), command) << "index " << index;
        EXPECT_EQ(tt::indexOf(command), index) << "command " << command;
    }
}

TEST(ToolbarTable, OutsideTheTableThereIsNoButton) {
    EXPECT_EQ(tt::commandAt(-1), 0u);
    EXPECT_EQ(tt::commandAt(113), 0u);
    EXPECT_EQ(tt::commandAt(200), 0u);
    EXPECT_EQ(tt::indexOf(0), -1);
    EXPECT_EQ(tt::indexOf(41048), -1);   // gaps in the toolbar range
    EXPECT_EQ(tt::indexOf(41050), -1);
    EXPECT_EQ(tt::indexOf(41145), -1);   // a popup-menu command
}

TEST(ToolbarTable, ReverseMappingIsTheInverse) {
    std::set<uint32_t> seen;
    for (int32_t i = 0; i < tt::ButtonCount; ++i) {
        uint32_t c = tt::commandAt(i);
        EXPECT_TRUE(seen.insert(c).second) << "command twice: " << c;
        EXPECT_EQ(tt::indexOf(c), i);
    }
}

TEST(ToolbarTable, ButtonAttributes) {
    EXPECT_EQ(commandsWhere(tt::hasDropDown), (std::vector<uint32_t>{41123, 41124, 41051}));
    EXPECT_EQ(commandsWhere(tt::isSharedToggle), (std::vector<uint32_t>{41123, 41124, 41137}));
    EXPECT_EQ(commandsWhere(tt::rightClickOpensRoot), (std::vector<uint32_t>{41115, 41123}));

    // Buttons 11-28 without 26, in button order.
    EXPECT_EQ(commandsWhere(tt::opensSubWindow),
              (std::vector<uint32_t>{41009, 41010, 41011, 41012, 41013, 41014, 41015, 41016, 41017, 41092, 41093,
                                     41094, 41095, 41096, 41099, 41019, 41081}));
    EXPECT_FALSE(tt::opensSubWindow(41018));
    EXPECT_FALSE(tt::opensSubWindow(41020));

    const std::pair<uint32_t, int32_t> variants[] = {{41045, 1}, {41046, 2}, {41047, 3}, {41049, 4}, {41100, 5},
                                                     {41051, 6}, {41052, 7}, {41053, 8}, {41055, 9}};
    for (auto [command, variant] : variants) {
        EXPECT_EQ(tt::typesetVariant(command), variant);
        EXPECT_TRUE(tt::isTypesetting(command));
    }
    EXPECT_EQ(commandsWhere(tt::isTypesetting).size(), 9u);
    EXPECT_EQ(tt::typesetVariant(41048), 0);

    // The own cursor: every window opener, every typesetting button, and
    // the root-file dialog and lock; not the highlight drop-down.
    for (uint32_t c : commandsWhere(tt::opensSubWindow)) EXPECT_TRUE(tt::showsOwnCursor(c)) << c;
    for (uint32_t c : commandsWhere(tt::isTypesetting)) EXPECT_TRUE(tt::showsOwnCursor(c)) << c;
    EXPECT_EQ(commandsWhere(tt::showsOwnCursor).size(), 17u + 9u + 2u);
    EXPECT_TRUE(tt::showsOwnCursor(41115));
    EXPECT_TRUE(tt::showsOwnCursor(41123));
    EXPECT_FALSE(tt::showsOwnCursor(41124));
    EXPECT_FALSE(tt::showsOwnCursor(41001));
}

TEST(ToolbarTable, TextAdditions) {
    using A = tt::Addition;
    EXPECT_EQ(tt::additionOf(41009), A::SubWindow);
    EXPECT_EQ(tt::additionOf(41081), A::SubWindow);
    EXPECT_EQ(tt::additionOf(41100), A::Typesetting);
    EXPECT_EQ(tt::additionOf(41051), A::Typesetting);   // drop-down, yet a typesetting button
    EXPECT_EQ(tt::additionOf(41042), A::Outline);
    EXPECT_EQ(tt::additionOf(41115), A::RootFile);
    EXPECT_EQ(tt::additionOf(41123), A::RootLock);
    EXPECT_EQ(tt::additionOf(41124), A::Highlight);
    EXPECT_EQ(tt::additionOf(41137), A::Swap);
    EXPECT_EQ(tt::additionOf(41001), A::None);
    EXPECT_EQ(tt::additionOf(41020), A::None);
}

TEST(ToolbarTable, DefaultLayoutIsUsableAsItStands) {
    // Nothing in it is dropped: 53 buttons and 10 separators.
    auto items = toolbar_layout::defaultItems();
    size_t separators = 0;
    for (int32_t i : items) separators += i == toolbar_layout::Separator;
    EXPECT_EQ(separators, 10u);
    EXPECT_EQ(items.size() - separators, 53u);
    EXPECT_EQ(toolbar_layout::format(items), tt::DefaultLayout);
    EXPECT_EQ(items.front(), 0);
    EXPECT_EQ(items.back(), 112);
}
