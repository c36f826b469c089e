#include "mainwindow/shortcuts.h"

#include "base/str.h"
#include "settings/setting.h"
#include "settings/setting_keys.h"
#include "mainwindow/toolbar_table.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

#include <string>

namespace sc = shortcuts;
using namespace ini_keys::shortcut;

namespace {
size_t slotOf(uint32_t command) {
    if (command >= 65000) return sc::CommandSlots + (command - 65000);
    return static_cast<size_t>(toolbar_table::indexOf(command));
}
} // namespace

TEST(ShortcutSlots, ToolbarCommandsThenUserStrings) {
    EXPECT_EQ(sc::SlotCount, 163u);
    const std::pair<size_t, uint32_t> cases[] = {
        {0, 41001}, {9, 41082}, {94, 41079}, {110, 1209}, {112, 41116},
        {113, 65000}, {114, 65001}, {162, 65049}, {163, 0}, {1000, 0},
    };
    for (auto [slot, command] : cases) EXPECT_EQ(sc::commandOfSlot(slot), command) << "slot " << slot;
}

TEST(ShortcutDefaults, TwentyKeysOnTheirCommands) {
    const std::pair<uint32_t, KeyCode> expected[] = {
        {41009, 954}, {41020, 955}, {41025, 840}, {41029, 844}, {41030, 835},
        {41031, 850}, {41040, 851}, {41041, 841}, {41045, 817}, {41046, 818},
        {41051, 819}, {41054, 853}, {41075, 845}, {41079, 583}, {41084, 958},
        {41085, 956}, {41125, 1877}, {41126, 1860}, {41136, 839}, {41137, 816},
    };
    sc::Keys keys = sc::defaultShortcuts();
    size_t bound = 0;
    for (KeyCode k : keys) bound += k != 0;
    EXPECT_EQ(bound, 20u);
    for (auto [command, key] : expected) EXPECT_EQ(keys[slotOf(command)], key) << "command " << command;
}

TEST(ShortcutTable, FirstSlotKeepsASharedKeyAndUnboundSlotsAddNothing) {
    sc::Keys keys{};
    keys[5] = 0x351;                       // 41006
    keys[2] = 0x351;                       // 41003, the lower slot
    keys[113] = 0x231;                     // user string 1
    keys[162] = 0x232;                     // user string 50
    keys[150] = 0x231;                     // loses to the user string 1
    keys[7] = 0x247;
    sc::Table table;
    table[0x999] = 1;                      // a stale entry goes
    sc::buildShortcutTable(table, keys);
    EXPECT_EQ(table, (sc::Table{{0x351, 41003}, {0x231, 65000}, {0x232, 65049}, {0x247, 41097}}));

    EXPECT_EQ(sc::keyOf(table, 41003), 0x351u);
    EXPECT_EQ(sc::keyOf(table, 41006), 0u) << "its key runs another command";
    EXPECT_EQ(sc::keyOf(table, 41001), 0u);
}

namespace {
struct ShortcutSettings : ::testing::Test {
    TempDir dir;
    CSetting settings{dir.path()};
    std::string file() { return dir.read(u"Vexa2.ini"); }
    void store(size_t slot, const char16_t* value) {
        ASSERT_GT(settings.writeString(Section, str::fromInt(static_cast<int64_t>(slot)).c_str(), value), 0u);
    }
};
} // namespace

TEST_F(ShortcutSettings, MissingSectionGivesTheDefaults) {
    EXPECT_EQ(sc::readShortcuts(settings), sc::defaultShortcuts());
}

TEST_F(ShortcutSettings, DefaultsRoundTripWithoutAnySlotStored) {
    settings.writeInt(Section, u"94", 0x351);
    settings.writeInt(Section, u"Stray", 7);
    ASSERT_TRUE(sc::writeShortcuts(settings, sc::defaultShortcuts()));
    EXPECT_EQ(sc::readShortcuts(settings), sc::defaultShortcuts());
    // Only "Status" is left of the section.
    EXPECT_EQ(settings.readInt(Section, Status, -1), 1);
    for (size_t i = 0; i < sc::SlotCount; ++i)
        EXPECT_EQ(settings.readInt(Section, str::fromInt(static_cast<int64_t>(i)).c_str(), -1), -1) << i;
    EXPECT_EQ(settings.readInt(Section, u"Stray", -1), -1);
}

TEST_F(ShortcutSettings, ChangedAndClearedSlotsAreStoredAndReadBack) {
    settings.writeInt(Section, Status, 0);
    settings.writeInt(u"Other", u"Keep", 5);
    sc::Keys keys = sc::defaultShortcuts();
    keys[slotOf(41079)] = 0;               // a default removed
    keys[slotOf(41136)] = 0x351;           // a default changed
    keys[0] = 0x270;                       // a new key
    keys[162] = 0x10D;
    ASSERT_TRUE(sc::writeShortcuts(settings, keys));

    EXPECT_EQ(sc::readShortcuts(settings), keys);
    EXPECT_EQ(settings.readInt(Section, u"94", -1), 0) << "cleared default stored as 0";
    EXPECT_EQ(settings.readInt(Section, u"95", -1), 0x351);
    EXPECT_EQ(settings.readInt(Section, u"0", -1), 0x270);
    EXPECT_EQ(settings.readInt(Section, u"162", -1), 0x10D);
    EXPECT_EQ(settings.readInt(Section, u"1", -1), -1);
    EXPECT_EQ(settings.readInt(Section, Status, -1), 0) << "status kept";
    EXPECT_EQ(settings.readInt(u"Other", u"Keep", -1), 5);

    // Set back to the default: the entry goes.
    keys[slotOf(41136)] = 839;
    ASSERT_TRUE(sc::writeShortcuts(settings, keys));
    EXPECT_EQ(settings.readInt(Section, u"95", -1), -1);
}

TEST_F(ShortcutSettings, HandEditedValuesGiveAClearOutcome) {
    store(0, u"abc");            // not a number: no key
    store(1, u"-5");             // negative: no key
    store(2, u"99999999999");    // beyond the key bits: no key
    store(3, u"849");
    store(4, u"2048");
    sc::Keys keys = sc::readShortcuts(settings);
    EXPECT_EQ(keys[0], 0u);
    EXPECT_EQ(keys[1], 0u);
    EXPECT_EQ(keys[2], 0u);
    EXPECT_EQ(keys[4], 0u);
    EXPECT_EQ(keys[3], 849u);
    sc::Table table;
    sc::buildShortcutTable(table, settings);
    EXPECT_EQ(table.at(849), 41004u);
    EXPECT_EQ(table.at(583), 41079u) << "defaults of slots not stored";
}
