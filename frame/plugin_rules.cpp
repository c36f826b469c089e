#include "frame/plugin_rules.h"

namespace plugin_rules {

namespace {
char16_t lower(char16_t c) { return c >= u'A' && c <= u'Z' ? char16_t(c - u'A' + u'a') : c; }
} // namespace

bool isTexFileName(u16view path) {
    if (path.size() <= 4) return false;
    u16view ext = path.substr(path.size() - 4);
    const char16_t* want = u".tex";
    for (size_t i = 0; i < 4; ++i)
        if (lower(ext[i]) != want[i]) return false;
    size_t slash = path.find_last_of(u"\\/");
    u16view name = slash == u16view::npos ? path : path.substr(slash + 1);
    return name.find(u' ') == u16view::npos;
}

uint32_t bitmapFor(uint32_t flags) {
    // The low nibble picks the size (1: large), the state bits the look.
    bool pressed = (flags & 0xF00 & 0x100) != 0;
    bool hot = (flags & 0xF00 & 0x200) != 0;
    if ((flags & 0xF) == 1) return pressed ? 106 : hot ? 104 : 105;
    return pressed ? 103 : hot ? 102 : 101;
}

int32_t capability(uint32_t what) {
    switch (what) {
    case 1: case 4: case 5: case 6: return 1;
    case 3: return 5000;
    default: return 0;
    }
}

Upgrade upgradeFor(int32_t storedVersion) {
    return storedVersion >= CurrentVersion ? Upgrade::None : Upgrade::NotConverted;
}

int32_t toggled(int32_t current, ToggleRequest request) {
    int32_t on = current != 0 ? 1 : 0;
    switch (request) {
    case ToggleRequest::On: return 1;
    case ToggleRequest::Off: return 0;
    case ToggleRequest::Toggle: return 1 - on;
    default: return on;
    }
}

} // namespace plugin_rules
