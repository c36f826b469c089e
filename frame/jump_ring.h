// The jump-return ring: the last 101 places jumps started from, newest on
// top. Pure arithmetic over the shared records; callers hold the ring's
// mutex around every call.
#pragma once
#include "frame/shared_layout.h"

#include <functional>

namespace jump_ring {

// Advances the top (past the last slot it wraps to the first, overwriting
// the oldest record) and stores r there.
void push(SharedState& s, const JumpRecord& r);
// Clears the top record and moves the top back (below the first slot it
// wraps to the last). Does nothing before the first push.
void pop(SharedState& s);
// The top record, or null when it is empty.
const JumpRecord* top(const SharedState& s);
// Pops records that isLive rejects (their window or document is gone) until
// a live one is on top; returns it, or null when none is left.
const JumpRecord* newestValid(SharedState& s, const std::function<bool(const JumpRecord&)>& isLive);

} // namespace jump_ring
