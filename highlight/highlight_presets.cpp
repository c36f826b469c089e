#include "highlight/highlight_presets.h"

#include <iterator>

namespace highlight_presets {
namespace {

constexpr Preset Presets[] = {
    {1, 0x1110005, u"\\\\part"},
    {2, 0x1110006, u"\\\\chapter"},
    {3, 0x1110007, u"\\\\section"},
    {4, 0x1110008, u"\\\\subsection"},
    {5, 0x1110009, u"\\\\subsubsection"},
    {6, 0x111000A, u"\\\\paragraph"},
    {7, 0x111000B, u"\\\\subparagraph"},
    {8, 0x111000C,
     u"\\\\part|\\\\chapter|\\\\section|\\\\subsection|\\\\subsubsection|\\\\paragraph|\\\\subparagraph"},
    {9, 0x111000D, u"\\\\label"},
    {10, 0x111000E, u"\\\\ref|\\\\pageref|\\\\eqref"},
    {11, 0x111000F, u"\\\\bibitem"},
    {12, 0x1110010, u"\\\\cite"},
};
static_assert(std::size(Presets) == LastId - FirstId + 1);

} // namespace

std::span<const Preset> all() { return Presets; }

const Preset* find(int32_t id) {
    if (id < FirstId || id > LastId) return nullptr;
    return &Presets[id - FirstId];
}

} // namespace highlight_presets
