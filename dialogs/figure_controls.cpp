#include "dialogs/figure_controls.h"

namespace figure_controls {

Enabled enabled(const Switches& s) {
    Enabled e;
    e.environmentParts = s.environment;
    e.labelText = s.environment && s.label;
    // \input takes no size options: the box and everything under it goes.
    e.sizeSwitch = !s.inputCommand;
    e.sizeParts = e.sizeSwitch && s.sizeOptions;
    e.keepAspect = e.sizeParts && s.keyedSize;
    return e;
}

} // namespace figure_controls
