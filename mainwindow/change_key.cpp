#include "mainwindow/change_key.h"

namespace change_key {

KeyCode result(int button, bool shift, bool ctrl, bool alt) {
    KeyCode held = (shift ? key_code::Shift : 0) | (ctrl ? key_code::Ctrl : 0) | (alt ? key_code::Alt : 0);
    switch (button) {
    case EnterButton: return 13 | held;
    case TabButton: return 9 | held;
    case SpaceButton: return 32 | held;
    case ModifiersButton: return held;
    default: return 0;
    }
}

} // namespace change_key
