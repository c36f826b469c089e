// A key as the plug-in stores and compares it: the virtual-key code in the
// low byte and the modifiers held with it in the bits above. Shortcut keys,
// the input-support keys and every key shown to the user use this form.
#pragma once
#include "base/text.h"

#include <cstdint>

using KeyCode = uint32_t;   // 0: no key

namespace key_code {

constexpr KeyCode Shift = 0x100;
constexpr KeyCode Ctrl = 0x200;
constexpr KeyCode Alt = 0x400;
constexpr KeyCode Modifiers = Shift | Ctrl | Alt;

constexpr uint32_t virtualKey(KeyCode code) { return code & 0xFF; }
constexpr KeyCode modifiers(KeyCode code) { return code & Modifiers; }

// The key pressed with the modifiers held. The Shift, Ctrl and Alt keys
// themselves give 0: alone they are no key to act on.
KeyCode make(uint32_t virtualKey, bool shift, bool ctrl, bool alt);

// The display text: "Ctrl + ", "Shift + ", "Alt + " for the bits set, in
// that order, then the name of the low byte (Japanese keyboard layout for
// the punctuation). A low byte without a name shows only the prefixes;
// 0 gives an empty text.
u16 keyName(KeyCode code);

} // namespace key_code
