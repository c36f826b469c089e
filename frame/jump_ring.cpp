#include "frame/jump_ring.h"

namespace jump_ring {

void push(SharedState& s, const JumpRecord& r) {
    int32_t next = s.jumpReturnTop + 1;
    if (next < 0 || next >= JumpRingSize) next = 0;
    s.jumpReturnTop = next;
    s.jumpReturn[next] = r;
}

void pop(SharedState& s) {
    int32_t top = s.jumpReturnTop;
    if (top < 0 || top >= JumpRingSize) return;
    s.jumpReturn[top] = EmptyJumpRecord;
    s.jumpReturnTop = top == 0 ? JumpRingSize - 1 : top - 1;
}

const JumpRecord* top(const SharedState& s) {
    int32_t t = s.jumpReturnTop;
    if (t < 0 || t >= JumpRingSize) return nullptr;
    return s.jumpReturn[t].window == 0 ? nullptr : &s.jumpReturn[t];
}

const JumpRecord* newestValid(SharedState& s, const std::function<bool(const JumpRecord&)>& isLive) {
    // Each pop empties a slot, so after one round every record is either
    // live or cleared; the bound only guards against a corrupt index.
    for (int32_t i = 0; i <= JumpRingSize; ++i) {
        const JumpRecord* r = top(s);
        if (!r) return nullptr;
        if (!isLive || isLive(*r)) return r;
        pop(s);
    }
    return nullptr;
}

} // namespace jump_ring
