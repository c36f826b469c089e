#include "mainwindow/toolbar_layout.h"

#include "base/str.h"
#include "mainwindow/toolbar_table.h"
#include "settings/setting.h"
#include "settings/setting_keys.h"

#include <array>

namespace toolbar_layout {
namespace {

u16view trimmed(u16view s) {
    while (!s.empty() && (s.front() == u' ' || s.front() == u'\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == u' ' || s.back() == u'\t')) s.remove_suffix(1);
    return s;
}

// A hand-edited "x" or "-" must not become button 0.
bool isNumber(u16view s) {
    if (!s.empty() && (s.front() == u'-' || s.front() == u'+')) s.remove_prefix(1);
    if (s.empty()) return false;
    for (char16_t c : s)
        if (c < u'0' || c > u'9') return false;
    return true;
}

} // namespace

std::vector<int32_t> parse(u16view text) {
    std::vector<int32_t> out;
    std::array<bool, toolbar_table::ButtonCount> taken{};
    while (true) {
        size_t comma = text.find(u',');
        u16view item = trimmed(text.substr(0, comma));
        if (isNumber(item)) {
            int32_t n = str::toInt(item);
            if (n < 0) {
                out.push_back(Separator);
            } else if (toolbar_table::commandAt(n) != 0 && !taken[static_cast<size_t>(n)]) {
                taken[static_cast<size_t>(n)] = true;
                out.push_back(n);
            }
        }
        if (comma == u16view::npos) break;
        text.remove_prefix(comma + 1);
    }
    return out;
}

u16 format(std::span<const int32_t> items) {
    u16 out;
    for (int32_t item : items) {
        if (!out.empty()) out += u',';
        out += str::fromInt(item < 0 ? Separator : item);
    }
    return out;
}

std::vector<int32_t> defaultItems() { return parse(toolbar_table::DefaultLayout); }

std::vector<int32_t> load(CSetting& settings) {
    std::array<char16_t, ReadCapacity> buffer{};
    settings.readString(ini_keys::settings::Section, ini_keys::settings::Toolbar, toolbar_table::DefaultLayout,
                        buffer.data(), buffer.size());
    return parse(buffer.data());
}

bool save(CSetting& settings, std::span<const int32_t> items) {
    u16 text = format(items);
    if (text.empty()) {
        // writeString reports 0 characters for an empty text either way;
        // read back to tell a stored empty layout from a failed write.
        settings.writeString(ini_keys::settings::Section, ini_keys::settings::Toolbar, u"");
        std::array<char16_t, 3> probe{};
        settings.readString(ini_keys::settings::Section, ini_keys::settings::Toolbar, u"x", probe.data(),
                            probe.size());
        return probe[0] == 0;
    }
    return settings.writeString(ini_keys::settings::Section, ini_keys::settings::Toolbar, text.c_str()) ==
           text.size();
}

} // namespace toolbar_layout
