// Commenting out and back in with "%": the caret's line, or every line the
// selection touches.
#pragma once
#include "frame/message_ids.h"
#include "mainwindow/snippet.h"

#include <cstdint>

namespace comment {

enum Request : int { Toggle = 0, Add = +1, Remove = -1 };

// Longest selection (in characters, from column 0 of its first line) that
// is commented in one go; the shell reports a longer one.
constexpr int32_t MaxSelection = 102400;
// Message shown for a longer one, formatted with MaxSelection.
constexpr uint32_t TooLongMessage = msgid::CommentTooLong;

enum class Result {
    Done,        // the document was changed (or already as asked)
    NotAllowed,  // the document takes no insertion now
    TooLong,     // selection longer than MaxSelection: nothing changed
};

Result run(const snippet::Target& target, Request request);

// The text transformations, on text that starts at column 0. lineBreaks is
// how many line breaks get a "%" after them (a final line that the
// selection only reaches at column 0 gets none).
u16 commented(u16view text, int32_t lineBreaks);
u16 uncommented(u16view text);

} // namespace comment
