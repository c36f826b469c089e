#include "support/support_settings_page.h"

#include "frame/message_ids.h"
#include "settings/setting.h"
#include "settings/setting_keys.h"

namespace support_page {
namespace {

namespace keys = ini_keys::support;

constexpr uint32_t SupportGroup = 0x7F;     // the support window's seven keys
constexpr uint32_t EasyGroup = 0x180;       // EasySupportKey, ItemBibitemKey

constexpr KeyInfo Keys[KeyCount] = {
    {keys::InsertKey, 1, SupportGroup, msgid::SupportKeyUsedByInsert, 13},
    {keys::ComplementKey, 2, SupportGroup, msgid::SupportKeyUsedByComplement, 9},
    {keys::ComplementInsertKey, 4, SupportGroup, msgid::SupportKeyUsedByComplementInsert, 269},
    {keys::InsertCandidateKey, 8, SupportGroup, msgid::SupportKeyUsedByInsertCandidate, 288},
    {keys::PreviousCandidateKey, 16, SupportGroup, msgid::SupportKeyUsedByPreviousCandidate, 265},
    {keys::RSearchKey, 32, SupportGroup, msgid::SupportKeyUsedByRSearch, 521},
    {keys::HistoryKey, 64, SupportGroup, msgid::SupportKeyUsedByHistory, 544},
    {keys::EasySupportKey, 128, EasyGroup, msgid::SupportKeyUsedByEasySupport, 288},
    {keys::ItemBibitemKey, 256, EasyGroup, msgid::SupportKeyUsedByItemBibitem, 269},
};

// Every code a key can have: a virtual-key code with Shift, Ctrl and Alt.
constexpr int32_t LargestKeyCode = 0x7FF;

// value when it is one of 0 .. last, else def.
int choice(int32_t value, int last, int def) { return value >= 0 && value <= last ? value : def; }

} // namespace

const KeyInfo& keyInfo(size_t slot) { return Keys[slot < KeyCount ? slot : 0]; }

uint32_t conflictWarning(const std::array<KeyCode, KeyCount>& keys, size_t slot, KeyCode code) {
    if (code == 0 || slot >= KeyCount) return 0;
    for (size_t other = 0; other < KeyCount; ++other) {
        if (other == slot || (Keys[other].bit & Keys[slot].groupBits) == 0) continue;
        if (keys[other] == code) return Keys[other].warningId;
    }
    return 0;
}

Values defaults() {
    Values v;
    for (size_t i = 0; i < KeyCount; ++i) v.keys[i] = Keys[i].defaultKey;
    return v;
}

Values read(CSetting& settings) {
    const Values d = defaults();
    Values v;
    settings.beginBatch();
    auto get = [&](const char16_t* key, int32_t def) { return settings.readInt(keys::Section, key, def); };
    v.support = get(keys::Support, 1) != 0;
    v.easySupport = get(keys::EasySupport, 1) != 0;
    v.insertAfterComplete = get(keys::InsertAfterCompliment, 1) != 0;
    v.afterHistory = choice(get(keys::AfterHistory, d.afterHistory), 2, d.afterHistory);
    v.showHistory = choice(get(keys::ShowHistory, d.showHistory), 2, d.showHistory);
    v.historyList = choice(get(keys::HistoryList, d.historyList), 1, d.historyList);
    v.historyWords = choice(get(keys::HistoryWords, d.historyWords), 1, d.historyWords);
    int32_t shown = get(keys::ShowSupportKey, 3);
    v.backslashKey220 = (shown & 1) != 0;
    v.backslashKey226 = (shown & 2) != 0;
    for (size_t i = 0; i < KeyCount; ++i) {
        int32_t code = get(Keys[i].settingKey, static_cast<int32_t>(Keys[i].defaultKey));
        v.keys[i] = code >= 0 && code <= LargestKeyCode ? static_cast<KeyCode>(code) : Keys[i].defaultKey;
    }
    settings.endBatch();
    return v;
}

bool write(CSetting& settings, const Values& v) {
    settings.beginBatch();
    // The section goes first so that keys of older versions leave with it.
    settings.deleteSection(keys::Section);
    auto put = [&](const char16_t* key, int32_t value) { settings.writeInt(keys::Section, key, value); };
    put(keys::Support, v.support ? 1 : 0);
    put(keys::EasySupport, v.easySupport ? 1 : 0);
    put(keys::InsertAfterCompliment, v.insertAfterComplete ? 1 : 0);
    put(keys::AfterHistory, v.afterHistory);
    put(keys::ShowHistory, v.showHistory);
    put(keys::HistoryList, v.historyList);
    put(keys::HistoryWords, v.historyWords);
    for (size_t i = 0; i < KeyCount; ++i) put(Keys[i].settingKey, static_cast<int32_t>(v.keys[i]));
    put(keys::ShowSupportKey, (v.backslashKey220 ? 1 : 0) + (v.backslashKey226 ? 2 : 0));
    return settings.endBatch();
}

} // namespace support_page
