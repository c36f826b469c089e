#include "mainwindow/shortcuts.h"

#include "base/str.h"
#include "mainwindow/command_ids.h"
#include "mainwindow/toolbar_table.h"
#include "settings/setting.h"
#include "settings/setting_keys.h"

static_assert(shortcuts::CommandSlots == static_cast<size_t>(toolbar_table::ButtonCount),
              "a shortcut slot for every toolbar command");

namespace shortcuts {
namespace {

struct Default {
    uint32_t command;
    KeyCode key;
};
constexpr Default Defaults[] = {
    {41009, 0x3BA}, {41020, 0x3BB}, {41025, 0x348}, {41029, 0x34C}, {41030, 0x343},
    {41031, 0x352}, {41040, 0x353}, {41041, 0x349}, {41045, 0x331}, {41046, 0x332},
    {41051, 0x333}, {41054, 0x355}, {41075, 0x34D}, {41079, 0x247}, {41084, 0x3BE},
    {41085, 0x3BC}, {41125, 0x755}, {41126, 0x744}, {41136, 0x347}, {41137, 0x330},
};

using namespace ini_keys::shortcut;

constexpr KeyCode MaxKey = 0xFF | key_code::Modifiers;

} // namespace

uint32_t commandOfSlot(size_t slot) {
    if (slot < CommandSlots) return toolbar_table::commandAt(static_cast<int32_t>(slot));
    if (slot < SlotCount) return cmd::FirstUserString + static_cast<uint32_t>(slot - CommandSlots);
    return 0;
}

Keys defaultShortcuts() {
    Keys keys{};
    for (const Default& d : Defaults) {
        int32_t index = toolbar_table::indexOf(d.command);
        if (index >= 0) keys[static_cast<size_t>(index)] = d.key;
    }
    return keys;
}

Keys readShortcuts(CSetting& settings) {
    Keys defaults = defaultShortcuts();
    std::array<int32_t, SlotCount> asInts{};
    for (size_t i = 0; i < SlotCount; ++i) asInts[i] = static_cast<int32_t>(defaults[i]);
    std::vector<int32_t> stored = settings.readIntList(Section, asInts, SlotCount);
    Keys keys{};
    for (size_t i = 0; i < SlotCount && i < stored.size(); ++i) {
        // A hand-edited number outside the key bits is no key the
        // dispatcher could ever build: it stands for none.
        keys[i] = stored[i] > 0 && stored[i] <= static_cast<int32_t>(MaxKey) ? static_cast<KeyCode>(stored[i]) : 0;
    }
    return keys;
}

bool writeShortcuts(CSetting& settings, const Keys& keys) {
    Keys defaults = defaultShortcuts();
    settings.beginBatch();
    int32_t status = settings.readInt(Section, Status, 1);
    bool ok = settings.deleteSection(Section) != 0;
    ok = settings.writeInt(Section, Status, status ? 1 : 0) != 0 && ok;
    for (size_t i = 0; i < SlotCount; ++i) {
        if (keys[i] == defaults[i]) continue;
        ok = settings.writeInt(Section, str::fromInt(static_cast<int64_t>(i)).c_str(),
                               static_cast<int32_t>(keys[i])) != 0 && ok;
    }
    return settings.endBatch() && ok;
}

void buildShortcutTable(Table& table, const Keys& keys) {
    table.clear();
    for (size_t i = 0; i < SlotCount; ++i) {
        uint32_t command = commandOfSlot(i);
        if (keys[i] != 0 && command > 0) table.emplace(keys[i], command);   // the first slot keeps a key
    }
}

void buildShortcutTable(Table& table, CSetting& settings) { buildShortcutTable(table, readShortcuts(settings)); }

KeyCode keyOf(const Table& table, uint32_t command) {
    for (const auto& [key, bound] : table)
        if (bound == command) return key;
    return 0;
}

} // namespace shortcuts
