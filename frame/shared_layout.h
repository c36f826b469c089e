// The layout of the data that every process loading the plug-in shares
// (the ".smVexa2" section). Other builds of the plug-in map the same bytes,
// so every field sits at a fixed offset, checked below at compile time.
#pragma once
#include <cstddef>
#include <cstdint>

// One entry of the jump-return ring. The window is a 32-bit window handle:
// the plug-in is a 32-bit library, and the ring must not change size on
// a 64-bit build of the core either.
struct JumpRecord {
    uint32_t window;   // editor window the jump started from; 0 = empty
    int32_t document;  // host handle of that window's document
    int32_t x;         // logical caret position there
    int32_t y;
};

constexpr int32_t JumpRingSize = 101;

struct SharedState {
    int32_t openWindowCount;       // under "Vexa2MutexInstanceCount"
    int32_t pendingJumpKind;       // 0 none, 1 pending; under "Vexa2MutexJump"
    int32_t pendingJumpX;
    int32_t pendingJumpY;
    uint32_t pendingJumpRequester; // who asked; 0 from the jump-back command
    int32_t rootLockOn;            // mirrors of three settings, lock-free
    int32_t highlightOn;
    int32_t swapOn;
    int32_t highlightGeneration;   // bumped when highlighting must be re-applied
    JumpRecord jumpReturn[JumpRingSize]; // under "Vexa2MutexJumpReturn"
    int32_t jumpReturnTop;         // newest record, -1 before the first push
};

constexpr JumpRecord EmptyJumpRecord{0, 0, -1, -1};

// The values the section holds when the first process maps it.
constexpr SharedState initialSharedState() {
    SharedState s{};
    s.openWindowCount = 0;
    s.pendingJumpKind = 0;
    s.pendingJumpX = -1;
    s.pendingJumpY = -1;
    s.pendingJumpRequester = 0;
    s.rootLockOn = 0;
    s.highlightOn = 0;
    s.swapOn = 0;
    s.highlightGeneration = 1;
    for (auto& r : s.jumpReturn) r = EmptyJumpRecord;
    s.jumpReturnTop = -1;
    return s;
}

static_assert(sizeof(JumpRecord) == 16);
static_assert(offsetof(SharedState, openWindowCount) == 0x00);
static_assert(offsetof(SharedState, pendingJumpKind) == 0x04);
static_assert(offsetof(SharedState, pendingJumpX) == 0x08);
static_assert(offsetof(SharedState, pendingJumpY) == 0x0C);
static_assert(offsetof(SharedState, pendingJumpRequester) == 0x10);
static_assert(offsetof(SharedState, rootLockOn) == 0x14);
static_assert(offsetof(SharedState, highlightOn) == 0x18);
static_assert(offsetof(SharedState, swapOn) == 0x1C);
static_assert(offsetof(SharedState, highlightGeneration) == 0x20);
static_assert(offsetof(SharedState, jumpReturn) == 0x24);
static_assert(offsetof(SharedState, jumpReturnTop) == 0x674);
static_assert(sizeof(SharedState) == 0x678);
