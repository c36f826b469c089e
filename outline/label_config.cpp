#include "outline/label_config.h"

#include "settings/setting.h"
#include "settings/setting_keys.h"

#include <algorithm>

namespace label_config {
namespace {
namespace keys = ini_keys::search;
} // namespace

LabelPrefixes read(CSetting& settings) {
    return outline_settings::read(settings).labels;
}

bool complete(const LabelPrefixes& prefixes) {
    return std::none_of(prefixes.prefix.begin(), prefixes.prefix.end(), [](const u16& p) { return p.empty(); });
}

bool write(CSetting& settings, const LabelPrefixes& prefixes) {
    if (!complete(prefixes)) return false;
    // One batch: either every prefix reaches the file or none does.
    settings.beginBatch();
    bool ok = true;
    for (size_t i = 0; i < LabelPrefixes::Count; ++i)
        ok = settings.writeString(keys::Section, LabelPrefixes::settingKey(i), prefixes.prefix[i].c_str()) > 0 && ok;
    return settings.endBatch() && ok;
}

} // namespace label_config
