#include "outline/outline_items.h"

namespace outline_kind {

int32_t imageIndex(int32_t kind, bool flag) {
    // Each sectioning level and label class has a pair of images in bit
    // order: other file first, current document second.
    int32_t first = 48; // file image, also for values that are not one known bit
    if (kind == DatabaseEntry) return 45;
    if (kind == BibItem) first = 45;
    for (int bit = 0; bit <= 18; ++bit) {
        if (kind != (1 << bit)) continue;
        first = bit <= 6 ? 2 * bit + 2 : 18 + 2 * (bit - 7);
        break;
    }
    return flag ? first - 1 : first;
}

} // namespace outline_kind
