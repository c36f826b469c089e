#include "support/place_beside.h"

#include <gtest/gtest.h>

namespace pb = place_beside;

namespace {
bool same(const Rect& a, const Rect& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}
} // namespace

TEST(PlaceBeside, FirstSideThatFitsElseRight) {
    const Rect area{0, 0, 1000, 800};
    const Rect small{0, 0, 200, 100};   // only its size counts
    struct Case {
        const char* what;
        Rect window, anchor;
        std::span<const pb::Side> sides;
        Rect expected;
    };
    const Case cases[] = {
        {"right", small, {100, 100, 300, 200}, pb::DetailSides, {300, 100, 500, 200}},
        {"below when right passes the edge", small, {850, 100, 1000, 200}, pb::DetailSides, {850, 200, 1050, 300}},
        {"left when below passes the bottom too", small, {850, 750, 1000, 800}, pb::DetailSides, {650, 750, 850, 850}},
        {"above when nothing else fits", {0, 0, 200, 300}, {0, 600, 1000, 800}, pb::DetailSides, {0, 300, 200, 600}},
        {"history tries left before below", small, {850, 100, 1000, 200}, pb::HistorySides, {650, 100, 850, 200}},
        {"right when no side fits", {0, 0, 2000, 2000}, {0, 0, 100, 100}, pb::DetailSides, {100, 0, 2100, 2000}},
    };
    for (const Case& c : cases) {
        Rect got = pb::place(c.window, c.anchor, area, c.sides);
        EXPECT_TRUE(same(got, c.expected)) << c.what << ": " << got.left << "," << got.top << "," << got.right << ","
                                           << got.bottom;
    }
}
