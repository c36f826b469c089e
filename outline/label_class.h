// The eleven label prefixes that sort \label names into classes, and the
// other settings an outline scan reads.
#pragma once
#include "base/text.h"

#include <array>
#include <cstdint>

class CSetting;

// Prefixes in the order in which a label name is tested against them.
struct LabelPrefixes {
    enum Class { Equation, Figure, Table, Item, Part, Chapter, Section, Subsection, Subsubsection,
                 Paragraph, Subparagraph, Count };
    std::array<u16, Count> prefix;

    static LabelPrefixes defaults();
    // The setting key ("Search" section) that holds a class's prefix.
    static const char16_t* settingKey(size_t cls);
    // The kind bit of a label: the first prefix that the name begins with
    // (case-sensitive), else the other-label kind. An empty prefix matches
    // nothing: a cleared setting switches its class off rather than
    // swallowing every label.
    int32_t classify(u16view name) const;
};

struct OutlineSettings {
    LabelPrefixes labels = LabelPrefixes::defaults();
    uint32_t limit = 0; // L: characters of a text and bytes of a file; 0 = none
};

namespace outline_settings {
// L from the "Limit" setting: Limit * 1024 / 2 in unsigned arithmetic.
uint32_t limitFrom(int32_t limitSetting);
// The prefixes (read in one batch) and the limit.
OutlineSettings read(CSetting& settings);
} // namespace outline_settings
