// Snippet insertion: the one way in which commands, dialogs, the palette and
// the completion windows put LaTeX text into the host's document. It works
// only through HostEditor, in logical coordinates, so the same code runs in
// the plug-in and over the in-memory editor of the tests.
#pragma once
#include "frame/host_editor.h"

namespace snippet {

// Where the begin and end texts go relative to the selection or caret.
enum Mode : int {
    Wrap = 0,                // begin before the selection, end after it
    AtCaret = 1,             // selection dropped; caret ends between the texts
    DocumentStart = 2,       // begin at line 0, column 0
    DocumentEnd = 3,         // begin at the end; caret stays
    Replace = 4,             // begin replaces the selection
    Group = 5,               // "{" begin selection end "}"
    GroupWithArgument = 6,   // "{" begin end selection "}", caret after begin
    CommandWithArgument = 7, // begin end "{" selection "}", caret after begin
};

// What the shell needs besides the editor: insertion waits until the main
// window is ready (its commands can arrive while it is still being built).
struct Target {
    HostEditor& editor;
    bool ready = true;
};

// True when the document takes insertions now: the main window is ready,
// the editor window exists and the host does not hold the document
// read-only.
bool canInsert(const Target& target);

// A selection is present when the host's asking form answers more than 1.
bool hasSelection(HostEditor& editor);

// Inserts begin and end in the given mode (any unknown mode acts as Wrap).
// With flush, the host's pending input is flushed just before the first
// non-empty text. Returns false when nothing was attempted (canInsert
// failed); true means the shell gives the keyboard focus to the editor.
bool insertSnippet(const Target& target, u16view begin, u16view end, int mode, bool flush = true);

// Lists: with a selection over several lines each line gets itemPrefix at
// column 0 and the whole is wrapped; otherwise begin + itemPrefix and end
// are wrapped around the selection or caret. Same result as insertSnippet.
bool insertListSnippet(const Target& target, u16view begin, u16view end, u16view itemPrefix);

// A user string: the text before the first caret marker and the rest with
// every further marker removed are wrapped around the selection; without a
// marker the whole text goes in at the caret.
bool insertUserString(const Target& target, u16view text);
inline constexpr char16_t CaretMarker[] = u"%#%#Cursor#%#%";

} // namespace snippet
