// The key dispatcher: every key going down in the host editor's thread is
// offered, in a fixed order, to the open completion windows, the
// backslash keys, the sub-windows, the input-support keys and the shortcut
// table. The windows are reached through KeyTarget so that the order is
// the same wherever the dispatcher runs.
#pragma once
#include "mainwindow/key_code.h"
#include "mainwindow/shortcuts.h"

#include <cstdint>
#include <vector>

// The keys the support features react to, read when the keyboard hook is
// installed; 0 where the feature is off.
struct SupportKeys {
    KeyCode easySupport = 0;
    // Not a key: bit value 1 lets the key 220 open the support window,
    // bit value 2 the key 226.
    uint32_t showSupport = 0;
    KeyCode itemBibitem = 0;
    // Owned; empty when shortcut keys are off.
    shortcuts::Table shortcutTable;
};

namespace key_dispatch {

// A window as the dispatcher compares it; 0 is none.
using WindowRef = uintptr_t;

// One key going down, as the keyboard saw it.
struct KeyEvent {
    uint32_t virtualKey = 0;
    bool shift = false, ctrl = false, alt = false;
};

// The two backslash keys of a Japanese keyboard, and the bits of
// "ShowSupportKey" that let them open the support window.
constexpr uint32_t BackslashKey = 220;
constexpr uint32_t BackslashKey2 = 226;
constexpr uint32_t ShowOnBackslash = 1;
constexpr uint32_t ShowOnBackslash2 = 2;
// Ctrl+Shift+Alt+Tab moves the focus between the editor and the
// plug-in's windows.
constexpr KeyCode CycleFocusKey = 0x709;
// What a key going into the input method arrives as.
constexpr uint32_t InputMethodKey = 0xE5;

// Whether the sub-windows get the key: Tab, Enter, the arrows, F1-F9,
// F11, F12 and Shift+Enter (F10 belongs to the menus).
bool isSubWindowKey(KeyCode code);

// The window after the one holding the focus in order (after the last,
// the first); 0 when none of focusChain is in order. focusChain is the
// focused window, its parent and its grandparent.
WindowRef nextInCycle(const std::vector<WindowRef>& order, const std::vector<WindowRef>& focusChain);

// What the dispatcher acts on. Offers return whether the key was used.
class KeyTarget {
public:
    virtual bool supportWindowVisible() const = 0;
    virtual bool offerSupportWindow(KeyCode code) = 0;
    virtual bool easySupportPopupOpen() const = 0;
    virtual bool offerEasySupportPopup(uint32_t virtualKey) = 0;
    // A key that comes through the nested message loop of an input-support
    // action that is already running.
    virtual bool inputSupportRunning() const = 0;
    // True when the support window opened.
    virtual bool openSupportWindow() = 0;
    // Offers the key to the sub-window that holds the focus, if any.
    virtual bool offerSubWindow(KeyCode code) = 0;
    // Whether the easy-support popup object exists (easy support is on and
    // was set up).
    virtual bool easySupportAvailable() const = 0;
    // The focus is on the host editor and its input method composes nothing.
    virtual bool editorTakesAction() const = 0;
    // The focus is on the host editor and its input method is in the
    // middle of a composition: every key belongs to the input method.
    virtual bool editorComposing() const = 0;
    virtual bool runEasySupport() = 0;
    virtual bool runNewItem() = 0;
    // A command of the main window is already running (a dialog it opened
    // is taking the keys).
    virtual bool commandRunning() const = 0;
    virtual void runCommand(uint32_t command) = 0;
    // The editor, the support window and the open sub-windows, in that
    // order; and the focused window with its parent and grandparent.
    virtual std::vector<WindowRef> focusOrder() const = 0;
    virtual std::vector<WindowRef> focusChain() const = 0;
    virtual void setFocus(WindowRef window) = 0;

protected:
    ~KeyTarget() = default;   // not deleted through this interface
};

// Offers one key down; true when it was used and the host must not see it.
bool dispatchKey(const KeyEvent& key, const SupportKeys& keys, KeyTarget& target);

} // namespace key_dispatch
