#include "palette/char_page_model.h"

#include "settings/setting_keys.h"

namespace char_page {

namespace {
namespace key = ini_keys::char_palette;

uint32_t bitOf(size_t index) { return uint32_t(1) << index; }

uint32_t maskOf(const Values& v, Place wanted) {
    uint32_t mask = 0;
    for (size_t i = 0; i < CategoryCount; ++i)
        if (v.places[i] == wanted) mask |= bitOf(i);
    return mask;
}
} // namespace

Place placeOf(uint32_t bit, uint32_t window, uint32_t windowSep) {
    if (window & bit) return Place::OnTab;
    if (windowSep & bit) return Place::Detached;
    return Place::Hidden;
}

uint32_t windowMask(const Values& v) { return maskOf(v, Place::OnTab); }
uint32_t windowSepMask(const Values& v) { return maskOf(v, Place::Detached); }

Values defaults() {
    Values v;
    v.places.fill(Place::OnTab);
    return v;
}

Values read(CSetting& s) {
    s.beginBatch();
    auto window = static_cast<uint32_t>(s.readInt(key::Section, key::Window, -1));
    auto windowSep = static_cast<uint32_t>(s.readInt(key::Section, key::WindowSep, 0));
    Values v;
    v.autoClose = s.readInt(key::Section, key::AutoClose, 0) == 1;
    v.autoCloseSep = s.readInt(key::Section, key::AutoCloseSep, 0) == 1;
    s.endBatch();
    for (size_t i = 0; i < CategoryCount; ++i) v.places[i] = placeOf(bitOf(i), window, windowSep);
    return v;
}

bool write(CSetting& s, const Values& v) {
    s.beginBatch();
    s.deleteSection(key::Section);
    s.writeInt(key::Section, key::Window, static_cast<int32_t>(windowMask(v)));
    s.writeInt(key::Section, key::WindowSep, static_cast<int32_t>(windowSepMask(v)));
    s.writeInt(key::Section, key::AutoClose, v.autoClose ? 1 : 0);
    s.writeInt(key::Section, key::AutoCloseSep, v.autoCloseSep ? 1 : 0);
    return s.endBatch();
}

} // namespace char_page
