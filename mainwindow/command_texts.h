// What a command tells the user about itself: its button's text, its line
// on the host's status bar and its tool tip. Each is the command's own text
// from the language library plus what the shared toggles add at the moment
// (Swap, the root lock and the locked file, the highlight pattern).
#pragma once
#include "base/text.h"

#include <cstddef>
#include <cstdint>
#include <functional>

namespace command_texts {

// Button texts and tool tips hold at most this many characters (the tool
// tip's own buffer, and the toolbar's text slots).
constexpr size_t TextLimit = 79;

// The toggles as the caller reads them now.
struct State {
    bool rootLock = false;
    bool swap = false;
    bool highlight = false;
    u16 lockedRoot;   // the file the lock holds; empty when none is known
    u16 pattern;      // the current highlight pattern; empty when none can be built
    u16 shortcut;     // the name of the command's shortcut key; empty when it has none
};

// A text of the language library by its identifier; empty when missing.
using Texts = std::function<u16(uint32_t id)>;

// The command's text on one line (line breaks become spaces), cut to
// TextLimit: what its button shows.
u16 buttonText(uint32_t command, const Texts& texts);
// The status line: the command's text on one line and the additions. Empty
// (the status line is cleared) when the command has no text.
u16 statusText(uint32_t command, const State& state, const Texts& texts);
// The tool tip: the command's text cut to TextLimit, its shortcut key's
// name on a line of its own, and each addition
// that still fits whole within TextLimit.
u16 tipText(uint32_t command, const State& state, const Texts& texts);

} // namespace command_texts
