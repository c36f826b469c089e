#include "mainwindow/shortcut_page.h"

#include "base/str.h"
#include "frame/message_ids.h"
#include "mainwindow/command_ids.h"
#include "mainwindow/toolbar_table.h"

#include <algorithm>
#include <utility>

namespace shortcut_page {

u16 slotName(size_t slot, const Texts& texts) {
    if (!texts || slot >= shortcuts::SlotCount) return u16();
    if (slot >= shortcuts::CommandSlots)
        return formatNumber(texts(msgid::ShortcutUserString), static_cast<int32_t>(slot - shortcuts::CommandSlots + 1));
    uint32_t id = msgid::commandText(shortcuts::commandOfSlot(slot));
    return id ? texts(id) : u16();
}

u16 rowText(size_t slot, const Texts& texts) {
    u16 s = slotName(slot, texts);
    std::replace_if(s.begin(), s.end(), [](char16_t c) { return c == u'\r' || c == u'\n'; }, u' ');
    return s;
}

int32_t slotImage(size_t slot) {
    if (slot < shortcuts::CommandSlots) return static_cast<int32_t>(slot);
    return toolbar_table::indexOf(cmd::UserStringMenu);
}

u16 formatNumber(u16view pattern, int32_t number) {
    u16 out;
    bool placed = false;
    for (size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == u'%' && i + 1 < pattern.size()) {
            char16_t next = pattern[i + 1];
            if (next == u'%') {
                out += u'%';
                ++i;
                continue;
            }
            if (next == u'd' && !placed) {
                out += str::fromInt(number);
                placed = true;
                ++i;
                continue;
            }
        }
        out += pattern[i];
    }
    return out;
}

u16 firstLine(u16view text) { return u16(text.substr(0, std::min(text.find_first_of(u"\r\n"), text.size()))); }

KeyCode fromHotkey(uint32_t value) {
    // The extended-key flag only tells which of two physical keys was
    // pressed; the key is the same to the dispatcher.
    uint32_t flags = (value >> 8) & 0xFF;
    return key_code::make(value & 0xFF, flags & HotkeyShift, flags & HotkeyCtrl, flags & HotkeyAlt);
}

uint32_t toHotkey(KeyCode key) {
    uint32_t flags = (key & key_code::Shift ? HotkeyShift : 0) | (key & key_code::Ctrl ? HotkeyCtrl : 0) |
                     (key & key_code::Alt ? HotkeyAlt : 0);
    return key_code::virtualKey(key) | flags << 8;
}

KeyCode withModifier(KeyCode key) {
    if (key_code::virtualKey(key) == 0 || key_code::modifiers(key) != 0) return key;
    return key | key_code::Shift | key_code::Ctrl;
}

std::vector<Duplicate> duplicates(const shortcuts::Keys& keys) {
    std::vector<std::pair<KeyCode, size_t>> pairs;
    pairs.reserve(keys.size());
    for (size_t i = 0; i < keys.size(); ++i) pairs.emplace_back(keys[i], i);
    std::sort(pairs.begin(), pairs.end());
    std::vector<Duplicate> out;
    for (size_t i = 1; i < pairs.size(); ++i)
        if (pairs[i].first != 0 && pairs[i].first == pairs[i - 1].first)
            out.push_back({pairs[i - 1].second, pairs[i].second});
    return out;
}

u16 duplicateQuestion(const Duplicate& pair, u16view intro, u16view outro, const Texts& texts) {
    u16 s(intro);
    s += u"\r\n\r\n\r\n";
    s += firstLine(slotName(pair.first, texts));
    s += u"\r\n\r\n";
    s += firstLine(slotName(pair.second, texts));
    s += u"\r\n\r\n\r\n";
    s += outro;
    return s;
}

} // namespace shortcut_page
