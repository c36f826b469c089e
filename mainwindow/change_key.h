// The key capture dialog's answer: keys a hotkey control cannot take
// (Enter, Tab, Space, and modifiers alone) are picked with buttons, and the
// modifiers held while a button is pressed go with its key.
#pragma once
#include "mainwindow/key_code.h"

namespace change_key {

// The dialog's buttons (template of the language library).
constexpr int EnterButton = 1377;
constexpr int TabButton = 1379;
constexpr int SpaceButton = 1381;
constexpr int ModifiersButton = 1386;
constexpr int CancelButton = 2;

// The KeyCode a button gives with the modifiers held; 0 for Cancel, for
// the modifiers button with none held, and for any other button.
KeyCode result(int button, bool shift, bool ctrl, bool alt);

} // namespace change_key
