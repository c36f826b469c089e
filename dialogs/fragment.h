// What an insertion dialog hands to snippet insertion: the text that goes
// before the caret and the text that goes after it (the selection, if any,
// ends up between them).
#pragma once
#include "base/text.h"

struct Fragment {
    u16 before;
    u16 after;
};
