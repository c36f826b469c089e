#include "support/history_positions.h"

#include "base/platform.h"
#include "base/str.h"
#include "settings/setting.h"
#include "settings/setting_keys.h"
#include "support/history_file.h"

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

namespace {
namespace keys = ini_keys::settings;

// The list is read with room for 100 characters, the words with room for
// 1024, as the settings have always been read.
template <size_t Room> std::vector<int32_t> readValues(CSetting& settings, const char16_t* key, size_t count) {
    std::array<char16_t, Room + 1> text{};
    settings.readString(keys::Section, key, u"", text.data(), text.size());
    return parse(text.data(), count);
}
} // namespace

std::vector<int32_t> readList(CSetting& settings) {
    return readValues<100>(settings, keys::SupportHistoryList, ListSlots);
}

std::vector<int32_t> readWords(CSetting& settings) {
    return readValues<1024>(settings, keys::SupportHistoryWords, WordSlots);
}

void writeList(CSetting& settings, std::span<const int32_t> values) {
    settings.writeString(keys::Section, keys::SupportHistoryList, format(values).c_str());
}

void writeWords(CSetting& settings, std::span<const int32_t> values) {
    settings.writeString(keys::Section, keys::SupportHistoryWords, format(values).c_str());
}

void translateSettings(CSetting& settings, std::span<const CommandEntry> commands) {
    auto map = [&](int32_t v) { return v < 0 ? v : translate(v, commands); };

    settings.beginBatch();
    settings.writeInt(keys::Section, keys::SupportHistory, map(settings.readInt(keys::Section, keys::SupportHistory, 0)));
    auto list = readList(settings);
    for (int32_t& v : list) v = map(v);
    writeList(settings, list);
    auto words = readWords(settings);
    for (int32_t& v : words) v = map(v);
    writeWords(settings, words);
    settings.endBatch();
}

bool clearHistory(CSetting& settings, std::span<const char16_t* const> names) {
    bool ok = true;
    settings.beginBatch();
    for (const char16_t* name : names) settings.deleteKey(keys::Section, name);
    ok = settings.endBatch();
    const char16_t* folder = settings.settingsFolder();
    if (!folder) return false;
    u16 path = u16(folder) + u"\\" + history_file::FileName;
    if (platform::fileExists(path)) platform::deleteFile(path);
    return ok && !platform::fileExists(path);
}

std::span<const char16_t* const> settingsPageHistoryKeys() {
    static constexpr const char16_t* Keys[] = {keys::SupportHistory, keys::SupportLastString, keys::SupportHistoryList,
                                               keys::SupportHistoryWords};
    return Keys;
}

} // namespace history_positions
