// Raising and lowering the sectioning command near the caret (\section to
// \chapter and so on).
#pragma once
#include "mainwindow/snippet.h"

#include <optional>

namespace section_level {

enum Direction : int { Raise = +1, Lower = -1 };

// Characters on each side of the caret that are searched.
constexpr int32_t Reach = 20;

// The text with its first sectioning command moved one level; nothing when
// it holds none. The top and bottom levels stay as they are.
std::optional<u16> shifted(u16view text, Direction direction);

// Shifts the command near the caret; caret, selection and scroll are kept.
// Without one, inserts "\section{" "}" around the selection or at the
// caret. False when the document takes no insertion now.
bool run(const snippet::Target& target, Direction direction);

} // namespace section_level
