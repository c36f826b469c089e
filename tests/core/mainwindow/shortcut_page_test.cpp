#include "mainwindow/shortcut_page.h"

#include "base/str.h"
#include "frame/message_ids.h"
#include "mainwindow/toolbar_table.h"

#include <gtest/gtest.h>

#include <map>

namespace sp = shortcut_page;
namespace sc = shortcuts;

namespace {

u16 u(const char* s) { return str::fromUtf8(s); }

// A few texts of a language library; every other identifier is missing.
u16 texts(uint32_t id) {
    static const std::map<uint32_t, u16> known = {
        {msgid::commandText(41001), u"Equation\r\n(display)"},
        {msgid::commandText(41054), u"User strings"},
        {msgid::commandText(41009), u"Figure"},
        {msgid::ShortcutUserString, u"User string %d"},
    };
    auto it = known.find(id);
    return it == known.end() ? u16() : it->second;
}

} // namespace

TEST(ShortcutPageRows, NamesAndImagesOfCommandAndUserStringSlots) {
    const size_t userMenuImage = static_cast<size_t>(toolbar_table::indexOf(41054));
    struct Case {
        size_t slot;
        const char* row;
        int32_t image;
    } cases[] = {
        {0, "Equation  (display)", 0},             // both line-break characters become spaces
        {userMenuImage, "User strings", static_cast<int32_t>(userMenuImage)},
        {1, "", 1},                                // a missing text gives an empty row, not a failure
        {113, "User string 1", static_cast<int32_t>(userMenuImage)},
        {162, "User string 50", static_cast<int32_t>(userMenuImage)},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(sp::rowText(c.slot, texts), u(c.row)) << "slot " << c.slot;
        EXPECT_EQ(sp::slotImage(c.slot), c.image) << "slot " << c.slot;
    }
    EXPECT_EQ(sp::slotName(0, texts), u"Equation\r\n(display)");
    EXPECT_EQ(sp::rowText(163, texts), u"");
}

TEST(ShortcutPageRows, NumberFormattingTakesOnlyTheFirstPercentD) {
    const std::pair<const char*, const char*> cases[] = {
        {"User string %d", "User string 7"},
        {"%d. string", "7. string"},
        {"No number", "No number"},
        {"%d and %d", "7 and %d"},       // one number to place
        {"100%% %d", "100% 7"},
        {"%s %n %d", "%s %n 7"},         // nothing else is a format
        {"ends with %", "ends with %"},
    };
    for (auto [pattern, expected] : cases) EXPECT_EQ(sp::formatNumber(u(pattern), 7), u(expected)) << pattern;
}

TEST(ShortcutPageHotkey, ControlValueAndKeyCodeBothWays) {
    constexpr uint32_t Shift = sp::HotkeyShift, Ctrl = sp::HotkeyCtrl, Alt = sp::HotkeyAlt;
    const std::pair<uint32_t, KeyCode> cases[] = {
        {0, 0},
        {'U' | (Shift | Ctrl) << 8, 0x355},
        {'D' | (Shift | Ctrl | Alt) << 8, 0x744},
        {'G' | Ctrl << 8, 0x247},
        {0x74, 0x74},                    // F5 alone
        {0xBA | Shift << 8, 0x1BA},      // ":" with Shift
    };
    for (auto [hotkey, key] : cases) {
        EXPECT_EQ(sp::fromHotkey(hotkey), key) << std::hex << hotkey;
        EXPECT_EQ(sp::toHotkey(key), hotkey) << std::hex << key;
    }
}

TEST(ShortcutPageHotkey, ExtendedFlagAndLoneModifiersAreNoPartOfTheKey) {
    const std::pair<uint32_t, KeyCode> cases[] = {
        {0x2E | (sp::HotkeyCtrl | sp::HotkeyExtended) << 8, 0x22E},   // Ctrl + Delete
        {sp::HotkeyCtrl << 8, 0},                                      // Ctrl held, no key yet
        {0x10 | sp::HotkeyShift << 8, 0},                              // the Shift key itself
        {0x11, 0},                                                     // the Ctrl key itself
    };
    for (auto [hotkey, key] : cases) EXPECT_EQ(sp::fromHotkey(hotkey), key) << std::hex << hotkey;
}

TEST(ShortcutPageHotkey, AKeyAloneGetsCtrlAndShift) {
    const std::pair<KeyCode, KeyCode> cases[] = {
        {0, 0}, {'A', 0x341}, {0x74, 0x374}, {0x141, 0x141}, {0x441, 0x441}, {0x355, 0x355},
    };
    for (auto [in, out] : cases) EXPECT_EQ(sp::withModifier(in), out) << std::hex << in;
}

TEST(ShortcutPageDuplicates, NeighboursWithTheSameKeyInKeyThenSlotOrder) {
    struct Case {
        const char* what;
        std::vector<std::pair<size_t, KeyCode>> set;   // on top of no keys at all
        std::vector<sp::Duplicate> expected;
    } cases[] = {
        {"no keys", {}, {}},
        {"distinct keys", {{3, 0x341}, {4, 0x342}}, {}},
        {"one pair, found in slot order", {{120, 0x341}, {7, 0x341}}, {{7, 120}}},
        {"three on one key: two pairs", {{9, 0x341}, {2, 0x341}, {150, 0x341}}, {{2, 9}, {9, 150}}},
        {"pairs come by key, not by slot", {{1, 0x342}, {5, 0x342}, {3, 0x341}, {8, 0x341}}, {{3, 8}, {1, 5}}},
    };
    for (const Case& c : cases) {
        sc::Keys keys{};
        for (auto [slot, key] : c.set) keys[slot] = key;
        EXPECT_EQ(sp::duplicates(keys), c.expected) << c.what;
    }
    EXPECT_TRUE(sp::duplicates(sc::defaultShortcuts()).empty()) << "the defaults never clash";
}

TEST(ShortcutPageDuplicates, QuestionNamesBothSlotsByTheirFirstLine) {
    EXPECT_EQ(sp::duplicateQuestion({0, 113}, u"Same key:", u"Go on?", texts),
              u"Same key:\r\n\r\n\r\nEquation\r\n\r\nUser string 1\r\n\r\n\r\nGo on?");
    const std::pair<const char*, const char*> lines[] = {
        {"", ""}, {"one", "one"}, {"a\r\nb", "a"}, {"a\nb", "a"}, {"a\rb", "a"}, {"\r\nb", ""},
    };
    for (auto [text, first] : lines) EXPECT_EQ(sp::firstLine(u(text)), u(first)) << text;
}
