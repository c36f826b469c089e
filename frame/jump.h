// The jump to a position in an editor window, shared by the jump-return
// commands, the pending cross-window jump, source jumps and the outline.
// Giving the editor the keyboard focus is the caller's (the Win32 side).
#pragma once
#include "frame/host_editor.h"

#include <optional>

namespace jump {

// Lines kept visible above the target.
constexpr int32_t ContextLines = 5;

// Activates the document with the given host handle (when given and still
// open), scrolls so that the target's view line minus ContextLines is the
// first visible one (column 0) and puts the caret at the logical target.
void jumpTo(HostEditor& editor, Position logical, std::optional<int32_t> document);

// The handle of the editor's active document (0 when it reports none).
int32_t activeDocument(HostEditor& editor);

// Whether a document handle is still among the editor's documents.
bool holdsDocument(HostEditor& editor, int32_t document);

} // namespace jump
