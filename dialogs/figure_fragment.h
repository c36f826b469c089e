// The figure dialog's output: an image (or \input) line, optionally inside
// a figure environment with alignment, caption and label, and the stored
// form of the dialog's choices.
#pragma once
#include "dialogs/fragment.h"

namespace figure {

enum class Align : int { None = 0, FlushLeft = 1, Center = 2, FlushRight = 3 };

// The choices the dialog remembers (setting "Figure"); defaults are the
// ones a fresh installation shows.
struct Choices {
    bool environment = true;  // wrap in figure / figure*
    bool starred = false;
    u16 placement = u"htbp";
    bool label = true;
    Align align = Align::Center;
    bool inputCommand = false;  // \input instead of \includegraphics
    bool sizeOptions = false;
    u16 width = u"0.5\\textwidth";
    u16 height;
    bool keyedSize = true;  // width=...,height=... instead of [w,h]
    bool keepAspectRatio = true;
};

// What the user typed for this one insertion.
struct Texts {
    u16 caption;
    u16 label;
    u16 file;
};

// The option brackets of \includegraphics ("" when none are written).
u16 sizeOptions(const Choices& c);

// The caret is left in the first empty place (file, caption, label) and
// everything behind it follows the caret.
Fragment build(const Choices& c, const Texts& t);

// Records of 9 characters or fewer are not ours: the defaults are used.
Choices parse(u16view stored);
u16 compose(const Choices& c);

} // namespace figure
