// What the shortcut settings page shows and checks, apart from its window:
// the name, image and key text of each slot, the hotkey control's value as
// a key, and the pairs of slots that share a key.
#pragma once
#include "base/text.h"
#include "mainwindow/key_code.h"
#include "mainwindow/shortcuts.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

namespace shortcut_page {

// A text of the language library by its identifier; empty when missing.
using Texts = std::function<u16(uint32_t id)>;

// The slot's name as the language library gives it: the command's own
// text for a command slot, the numbered user-string label (message with
// "%d" for the number 1-50) for a user-string slot. May hold line breaks.
u16 slotName(size_t slot, const Texts& texts);
// The name on one line, as the list shows it (CR and LF become spaces).
u16 rowText(size_t slot, const Texts& texts);
// The slot's image in the toolbar strip: the button's own image for a
// command, the user-string menu's image for every user string.
int32_t slotImage(size_t slot);

// "%d" in pattern replaced by number (first one only) and "%%" by "%".
// Any other '%' stays as it is: the pattern comes from a translator, and
// nothing in it may be read as a format of more arguments.
u16 formatNumber(u16view pattern, int32_t number);
// The text up to the first CR or LF.
u16 firstLine(u16view text);

// The hotkey control's value: the virtual key in the low byte and its
// modifier flags (Shift 1, Ctrl 2, Alt 4, extended key 8) in the next one.
constexpr uint32_t HotkeyShift = 0x01;
constexpr uint32_t HotkeyCtrl = 0x02;
constexpr uint32_t HotkeyAlt = 0x04;
constexpr uint32_t HotkeyExtended = 0x08;
KeyCode fromHotkey(uint32_t value);
uint32_t toHotkey(KeyCode key);
// A key without any modifier would take the key away from typing in the
// editor: it becomes Ctrl + Shift + the key, as the hotkey control does
// with such a combination. No key and keys with modifiers stay.
KeyCode withModifier(KeyCode key);

// Two slots bound to the same key; first < second.
struct Duplicate {
    size_t first;
    size_t second;
    bool operator==(const Duplicate&) const = default;
};
// Every pair of neighbours, when the (key, slot) pairs are sorted by key
// and then slot, that share a key other than 0. Three slots on one key
// give two pairs (the first with the second, the second with the third).
std::vector<Duplicate> duplicates(const shortcuts::Keys& keys);
// The question asked for one pair: intro, three line breaks, the first
// line of each slot's name (two line breaks between), three line breaks,
// outro.
u16 duplicateQuestion(const Duplicate& pair, u16view intro, u16view outro, const Texts& texts);

} // namespace shortcut_page
