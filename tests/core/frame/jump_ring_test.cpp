#include "frame/jump_ring.h"

#include <gtest/gtest.h>
#include <memory>
#include <set>

namespace {

JumpRecord rec(uint32_t window, int32_t y) { return JumpRecord{window, 7, 3, y}; }

bool isEmpty(const JumpRecord& r) {
    return r.window == 0 && r.document == 0 && r.x == -1 && r.y == -1;
}

// The shared state is large; keep it off the test's stack.
std::unique_ptr<SharedState> fresh() { return std::make_unique<SharedState>(initialSharedState()); }

TEST(JumpRing, StartsEmptyAndFillsFromTheFirstSlot) {
    auto s = fresh();
    EXPECT_EQ(jump_ring::top(*s), nullptr);
    for (const JumpRecord& r : s->jumpReturn) EXPECT_TRUE(isEmpty(r));
    jump_ring::push(*s, rec(10, 1));
    EXPECT_EQ(s->jumpReturnTop, 0);
    ASSERT_NE(jump_ring::top(*s), nullptr);
    EXPECT_EQ(jump_ring::top(*s)->window, 10u);
    EXPECT_EQ(jump_ring::top(*s)->y, 1);
}

TEST(JumpRing, TheHundredAndSecondPushOverwritesTheOldest) {
    auto s = fresh();
    for (int i = 0; i < JumpRingSize; ++i) jump_ring::push(*s, rec(100 + i, i));
    EXPECT_EQ(s->jumpReturnTop, 100);
    jump_ring::push(*s, rec(999, 101));
    EXPECT_EQ(s->jumpReturnTop, 0);
    EXPECT_EQ(s->jumpReturn[0].window, 999u);
    EXPECT_EQ(s->jumpReturn[1].window, 101u); // the second oldest survives
}

TEST(JumpRing, PopClearsAndWrapsBelowZero) {
    auto s = fresh();
    for (int i = 0; i < JumpRingSize + 1; ++i) jump_ring::push(*s, rec(100 + i, i)); // top at 0
    jump_ring::pop(*s);
    EXPECT_TRUE(isEmpty(s->jumpReturn[0]));
    EXPECT_EQ(s->jumpReturnTop, 100);
    ASSERT_NE(jump_ring::top(*s), nullptr);
    EXPECT_EQ(jump_ring::top(*s)->window, 200u);
}

TEST(JumpRing, PoppingEverythingLeavesNoRecord) {
    auto s = fresh();
    jump_ring::pop(*s); // before any push: nothing happens
    EXPECT_EQ(s->jumpReturnTop, -1);
    jump_ring::push(*s, rec(1, 0));
    jump_ring::push(*s, rec(2, 0));
    jump_ring::pop(*s);
    jump_ring::pop(*s);
    EXPECT_EQ(jump_ring::top(*s), nullptr);
    EXPECT_EQ(s->jumpReturnTop, 100);
}

TEST(JumpRing, NewestValidSkipsStaleRecords) {
    auto s = fresh();
    jump_ring::push(*s, rec(1, 10));
    jump_ring::push(*s, rec(2, 20));
    jump_ring::push(*s, rec(3, 30));
    std::set<uint32_t> closed{3, 2};
    auto live = [&](const JumpRecord& r) { return closed.count(r.window) == 0; };
    const JumpRecord* r = jump_ring::newestValid(*s, live);
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(r->window, 1u);
    EXPECT_EQ(s->jumpReturnTop, 0); // the two stale ones were popped
    EXPECT_TRUE(isEmpty(s->jumpReturn[1]));
    EXPECT_TRUE(isEmpty(s->jumpReturn[2]));
}

TEST(JumpRing, AllStaleEndsWithNone) {
    auto s = fresh();
    for (int i = 0; i < JumpRingSize + 5; ++i) jump_ring::push(*s, rec(100 + i, i));
    EXPECT_EQ(jump_ring::newestValid(*s, [](const JumpRecord&) { return false; }), nullptr);
    for (const JumpRecord& r : s->jumpReturn) EXPECT_TRUE(isEmpty(r));
}

TEST(JumpRing, CorruptTopIsTreatedAsEmpty) {
    auto s = fresh();
    s->jumpReturnTop = 5000;
    EXPECT_EQ(jump_ring::top(*s), nullptr);
    jump_ring::pop(*s);
    jump_ring::push(*s, rec(4, 4));
    EXPECT_EQ(s->jumpReturnTop, 0);
}

} // namespace
