// What the support settings page edits, without its window: the nine input
// support keys with their conflict groups, the other values of section
// "SupportSettings" as the page's controls show them, their defaults, and
// reading and writing them.
#pragma once
#include "mainwindow/key_code.h"

#include <array>
#include <cstddef>
#include <cstdint>

class CSetting;

namespace support_page {

// The keys in bit order: the seven keys of the support window, then the
// two easy-support keys.
enum KeySlot : size_t {
    InsertKey,
    ComplementKey,
    ComplementInsertKey,
    InsertCandidateKey,
    PreviousCandidateKey,
    RSearchKey,
    HistoryKey,
    EasySupportKey,
    ItemBibitemKey,
    KeyCount
};

struct KeyInfo {
    const char16_t* settingKey;
    uint32_t bit;          // 1, 2, 4, ... in slot order
    uint32_t groupBits;    // the bits of the slot's conflict group
    uint32_t warningId;    // "already used by this key"
    KeyCode defaultKey;
};
const KeyInfo& keyInfo(size_t slot);

// The warning for giving slot the key code: the message of the first other
// key of slot's group (bit order) that already has code; 0 when none does
// or code is 0 (no key never conflicts).
uint32_t conflictWarning(const std::array<KeyCode, KeyCount>& keys, size_t slot, KeyCode code);

// The page's values. The radio groups hold the stored numbers (always one
// of the values they offer).
struct Values {
    bool support = true;
    bool easySupport = true;
    bool insertAfterComplete = true;
    int afterHistory = 2;   // 0, 1, 2
    int showHistory = 1;    // 0, 1, 2
    int historyList = 1;    // 0, 1
    int historyWords = 0;   // 0, 1
    bool backslashKey220 = true;   // "ShowSupportKey" bit 1
    bool backslashKey226 = true;   // "ShowSupportKey" bit 2
    std::array<KeyCode, KeyCount> keys{};

    bool operator==(const Values&) const = default;
};

Values defaults();
// A stored number that none of a radio group's buttons stands for selects
// the default's button; a negative or over-wide key code becomes the
// key's default.
Values read(CSetting& settings);
// Removes the whole section and writes every value, in one settings batch.
// False when the file could not be written.
bool write(CSetting& settings, const Values& values);

} // namespace support_page
