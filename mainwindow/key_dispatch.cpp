#include "mainwindow/key_dispatch.h"

#include <algorithm>

namespace key_dispatch {

bool isSubWindowKey(KeyCode code) {
    switch (code) {
    case 9: case 13: case 37: case 38: case 39: case 40:
    case 112: case 113: case 114: case 115: case 116: case 117: case 118: case 119: case 120:
    case 122: case 123:
    case 0x10D:
        return true;
    default:
        return false;
    }
}

WindowRef nextInCycle(const std::vector<WindowRef>& order, const std::vector<WindowRef>& focusChain) {
    for (WindowRef w : focusChain) {
        if (!w) continue;
        auto at = std::find(order.begin(), order.end(), w);
        if (at == order.end()) continue;
        ++at;
        return at == order.end() ? order.front() : *at;
    }
    return 0;
}

bool dispatchKey(const KeyEvent& key, const SupportKeys& keys, KeyTarget& target) {
    const KeyCode code = key_code::make(key.virtualKey, key.shift, key.ctrl, key.alt);

    // An open completion window sees every key first.
    if (target.supportWindowVisible()) {
        if (target.offerSupportWindow(code)) return true;
    } else if (target.easySupportPopupOpen()) {
        if (target.offerEasySupportPopup(key.virtualKey & 0xFF)) return true;
    }
    if (target.inputSupportRunning()) return false;
    if (code == 0) return false;
    // Keys the user types into a composition (or that the input method has
    // taken already) select and convert characters there; a shortcut or an
    // action would tear the composition apart.
    if (key.virtualKey == InputMethodKey || target.editorComposing()) return false;

    if ((code == BackslashKey && (keys.showSupport & ShowOnBackslash)) ||
        (code == BackslashKey2 && (keys.showSupport & ShowOnBackslash2))) {
        if (target.openSupportWindow()) return true;
    }

    if (isSubWindowKey(code) && target.offerSubWindow(code)) return true;

    // The input-support keys belong to their actions: a command bound to
    // one of them as well never runs from it.
    if (keys.easySupport != 0 && code == keys.easySupport) {
        return target.easySupportAvailable() && target.editorTakesAction() && target.runEasySupport();
    }
    if (keys.itemBibitem != 0 && code == keys.itemBibitem) {
        return target.easySupportAvailable() && target.editorTakesAction() && target.runNewItem();
    }

    auto bound = keys.shortcutTable.find(code);
    if (bound != keys.shortcutTable.end()) {
        // A second command would start inside the first one's dialog.
        if (target.commandRunning()) return false;
        target.runCommand(bound->second);
        return true;
    }

    if (code == CycleFocusKey) {
        WindowRef next = nextInCycle(target.focusOrder(), target.focusChain());
        if (!next) return false;
        target.setFocus(next);
        return true;
    }
    return false;
}

} // namespace key_dispatch
