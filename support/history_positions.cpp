#include "support/history_positions.h"

#include "base/str.h"
#include "settings/setting.h"
#include "settings/setting_keys.h"

#include <array>

namespace history_positions {

std::vector<int32_t> parse(u16view text, size_t count) {
    std::vector<int32_t> values(count, -1);
    size_t start = 0;
    for (size_t i = 0; i < count && start <= text.size(); ++i) {
        size_t tab = text.find(u'\t', start);
        u16view piece = text.substr(start, tab == u16view::npos ? u16view::npos : tab - start);
        if (!piece.empty()) values[i] = str::toInt(piece);
        if (tab == u16view::npos) break;
        start = tab + 1;
    }
    return values;
}

u16 format(std::span<const int32_t> values) {
    u16 out;
    for (size_t i = 0; i < values.size(); ++i) {
        if (i) out.push_back(u'\t');
        out += str::fromInt(values[i]);
    }
    return out;
}

int32_t translate(int32_t v, std::span<const CommandEntry> commands) {
    for (size_t i = 0; i < commands.size(); ++i)
        if (commands[i].loadIndex == v) return static_cast<int32_t>(i);
    return v;
}

void translateSettings(CSetting& settings, std::span<const CommandEntry> commands) {
    namespace keys = ini_keys::settings;
    auto map = [&](int32_t v) { return v < 0 ? v : translate(v, commands); };

    settings.beginBatch();
    settings.writeInt(keys::Section, keys::SupportHistory, map(settings.readInt(keys::Section, keys::SupportHistory, 0)));

    std::array<char16_t, 101> listText{};
    settings.readString(keys::Section, keys::SupportHistoryList, u"", listText.data(), listText.size());
    auto list = parse(listText.data(), ListSlots);
    for (int32_t& v : list) v = map(v);
    settings.writeString(keys::Section, keys::SupportHistoryList, format(list).c_str());

    std::array<char16_t, 1025> wordsText{};
    settings.readString(keys::Section, keys::SupportHistoryWords, u"", wordsText.data(), wordsText.size());
    auto words = parse(wordsText.data(), WordSlots);
    for (int32_t& v : words) v = map(v);
    settings.writeString(keys::Section, keys::SupportHistoryWords, format(words).c_str());
    settings.endBatch();
}

} // namespace history_positions
