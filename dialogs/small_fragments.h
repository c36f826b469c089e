// The minipage and index dialogs' output, and the stored form of the
// minipage dialog's choices.
#pragma once
#include "dialogs/fragment.h"

namespace minipage {

enum class Align : int { None = 0, FlushLeft = 1, Center = 2, FlushRight = 3 };

struct Choices {
    u16 width = u"\\textwidth";
    Align align = Align::Center;
};

// ("Settings", "Minipage"): width and alignment digit joined by a tab. A
// record of one character or less is not ours and gives the defaults; a
// missing or unknown alignment reads as center.
Choices parse(u16view stored);
u16 compose(const Choices& c);

// Without a width the caret waits between the width's braces, so the
// alignment's opening follows the caret.
Fragment build(const Choices& c);

} // namespace minipage

namespace index_entry {

// "\index{word}", or "\index{key@word}" with a sort key. Empty for an
// empty word: there is nothing to index.
u16 text(u16view word, u16view sortKey);

} // namespace index_entry
