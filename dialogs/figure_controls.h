// Which parts of the figure dialog can be used, from the state of its
// switches. The dialog applies this after every click on one of them, so
// a disabled part never contributes to the fragment by accident of order.
#pragma once

namespace figure_controls {

struct Switches {
    bool environment = false;   // wrap in a figure environment
    bool label = false;         // write a label
    bool inputCommand = false;  // \input instead of \includegraphics
    bool sizeOptions = false;   // write size options
    bool keyedSize = false;     // width=/height= instead of [w,h]
};

struct Enabled {
    bool environmentParts = false;  // starred, placement, caption, label box, alignment
    bool labelText = false;
    bool sizeSwitch = false;        // the size-options box itself
    bool sizeParts = false;         // width, height, \textwidth, the two forms
    bool keepAspect = false;
};

Enabled enabled(const Switches& s);

} // namespace figure_controls
