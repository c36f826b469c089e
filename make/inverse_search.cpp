#include "make/inverse_search.h"

namespace inverse_search {

u16 Command(u16view hostProgram, u16view param) {
    u16 out = u"\"";
    out += hostProgram;
    out += u"\" ";
    out += param;
    return out;
}

std::optional<u16> Provide(int32_t mode, u16view current, u16view hostProgram, u16view param) {
    if (mode == int32_t(Mode::Leave)) return std::nullopt;
    if (mode != int32_t(Mode::Always) && !current.empty()) return std::nullopt;
    return Command(hostProgram, param);
}

std::optional<u16> RestoredValue(const Saved& saved) {
    if (saved.previous.empty()) return std::nullopt;
    return saved.previous;
}

int32_t CommandSet(bool sourceSpecialsOn, bool inverted) { return sourceSpecialsOn != inverted ? 2 : 1; }

} // namespace inverse_search
