#include "mainwindow/key_dispatch.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace kd = key_dispatch;
using Log = std::vector<std::string>;

namespace {

// Answers as each case sets it and writes down what the dispatcher asked
// it to do.
struct FakeTarget final : kd::KeyTarget {
    bool supportVisible = false, supportTakes = false;
    bool popupOpen = false, popupTakes = false;
    bool running = false;
    bool supportOpens = true;
    bool subWindowTakes = false;
    bool available = true, editorReady = true, actionTakes = true;
    bool busy = false;
    bool composing = false;
    std::vector<kd::WindowRef> order{1, 10, 20};   // editor, outline, palette
    std::vector<kd::WindowRef> chain{1, 100, 0};   // the editor has the focus
    Log log;

    bool supportWindowVisible() const override { return supportVisible; }
    bool offerSupportWindow(KeyCode code) override {
        log.push_back("support " + std::to_string(code));
        return supportTakes;
    }
    bool easySupportPopupOpen() const override { return popupOpen; }
    bool offerEasySupportPopup(uint32_t vk) override {
        log.push_back("popup " + std::to_string(vk));
        return popupTakes;
    }
    bool inputSupportRunning() const override { return running; }
    bool openSupportWindow() override {
        log.push_back("open");
        return supportOpens;
    }
    bool offerSubWindow(KeyCode code) override {
        log.push_back("sub " + std::to_string(code));
        return subWindowTakes;
    }
    bool easySupportAvailable() const override { return available; }
    bool editorTakesAction() const override { return editorReady; }
    bool editorComposing() const override { return composing; }
    bool runEasySupport() override {
        log.push_back("easy");
        return actionTakes;
    }
    bool runNewItem() override {
        log.push_back("item");
        return actionTakes;
    }
    bool commandRunning() const override { return busy; }
    void runCommand(uint32_t command) override { log.push_back("run " + std::to_string(command)); }
    std::vector<kd::WindowRef> focusOrder() const override { return order; }
    std::vector<kd::WindowRef> focusChain() const override { return chain; }
    void setFocus(kd::WindowRef w) override { log.push_back("focus " + std::to_string(w)); }
};

// The default input-support keys, the default shortcut keys, and commands
// bound to keys that something earlier in the order may take.
SupportKeys defaultKeys() {
    SupportKeys k;
    k.showSupport = 3;
    k.easySupport = 0x120;   // Shift+Space
    k.itemBibitem = 0x10D;   // Shift+Enter
    shortcuts::buildShortcutTable(k.shortcutTable, shortcuts::defaultShortcuts());
    k.shortcutTable[0x120] = 41001;   // the easy-support key bound as well
    k.shortcutTable[0x10D] = 41002;   // and the new-item key
    k.shortcutTable[220] = 41003;
    k.shortcutTable[9] = 41005;
    k.shortcutTable[121] = 41006;     // F10
    return k;
}

kd::KeyEvent press(uint32_t vk, bool shift = false, bool ctrl = false, bool alt = false) {
    return kd::KeyEvent{vk, shift, ctrl, alt};
}
const kd::KeyEvent CtrlG = press('G', false, true);   // 583, runs 41079 by default

struct Case {
    const char* name;
    std::function<void(FakeTarget&, SupportKeys&)> setUp;
    kd::KeyEvent key;
    bool used;
    Log log;
};

} // namespace

TEST(KeyDispatch, StepsInOrder) {
    const Case cases[] = {
        {"a plain shortcut", nullptr, CtrlG, true, {"run 41079"}},
        {"an unbound key", nullptr, press('Q', false, true), false, {}},

        {"the visible support window takes the key",
         [](FakeTarget& t, SupportKeys&) { t.supportVisible = t.supportTakes = true; }, CtrlG, true,
         {"support 583"}},
        {"the support window leaves it to the table",
         [](FakeTarget& t, SupportKeys&) { t.supportVisible = true; }, CtrlG, true,
         {"support 583", "run 41079"}},
        {"the popup is not asked while the support window shows",
         [](FakeTarget& t, SupportKeys&) { t.supportVisible = t.popupOpen = t.popupTakes = true; }, CtrlG, true,
         {"support 583", "run 41079"}},
        {"the open popup takes the key without its modifiers",
         [](FakeTarget& t, SupportKeys&) { t.popupOpen = t.popupTakes = true; }, CtrlG, true, {"popup 71"}},
        {"the popup leaves it to the table", [](FakeTarget& t, SupportKeys&) { t.popupOpen = true; }, CtrlG,
         true, {"popup 71", "run 41079"}},
        {"a key of a running input-support action goes on",
         [](FakeTarget& t, SupportKeys&) { t.supportVisible = t.running = true; }, CtrlG, false,
         {"support 583"}},
        {"a modifier key alone reaches the support window as no key",
         [](FakeTarget& t, SupportKeys&) { t.supportVisible = true; }, press(0x11, false, true), false,
         {"support 0"}},

        {"a backslash opens the support window", nullptr, press(220), true, {"open"}},
        {"the second backslash key too", nullptr, press(226), true, {"open"}},
        {"a backslash whose bit is off", [](FakeTarget&, SupportKeys& k) { k.showSupport = 1; }, press(226),
         false, {}},
        {"a support window that does not open leaves the key to the table", [](FakeTarget& t, SupportKeys&) {
             t.supportOpens = false;
         }, press(220), true, {"open", "run 41003"}},
        {"a backslash with Shift is no backslash key", nullptr, press(220, true), false, {}},

        {"the focused sub-window takes Tab", [](FakeTarget& t, SupportKeys&) { t.subWindowTakes = true; },
         press(9), true, {"sub 9"}},
        {"Tab the sub-window leaves goes to the table", nullptr, press(9), true, {"sub 9", "run 41005"}},
        {"F10 is not offered to the sub-windows", [](FakeTarget& t, SupportKeys&) { t.subWindowTakes = true; },
         press(121), true, {"run 41006"}},

        {"the easy-support key runs its action, never its command", nullptr, press(' ', true), true,
         {"easy"}},
        {"an easy-support action that declines passes the key on",
         [](FakeTarget& t, SupportKeys&) { t.actionTakes = false; }, press(' ', true), false, {"easy"}},
        {"no action while the input method composes",
         [](FakeTarget& t, SupportKeys&) { t.editorReady = false; }, press(' ', true), false, {}},
        {"a composition keeps every key from the table",
         [](FakeTarget& t, SupportKeys&) { t.composing = true; }, CtrlG, false, {}},
        {"a composition keeps the backslash from opening the support window",
         [](FakeTarget& t, SupportKeys&) { t.composing = true; }, press(220), false, {}},
        {"the input method's own key is never a shortcut",
         [](FakeTarget&, SupportKeys& k) { k.shortcutTable[0xE5] = 41004; }, press(0xE5), false, {}},
        {"the open popup still gets its keys during a composition elsewhere",
         [](FakeTarget& t, SupportKeys&) { t.popupOpen = t.popupTakes = t.composing = true; }, press(13), true,
         {"popup 13"}},
        {"no action without the popup object", [](FakeTarget& t, SupportKeys&) { t.available = false; },
         press(' ', true), false, {}},
        {"Shift+Enter: the sub-window first, then the new-item action", nullptr, press(13, true), true,
         {"sub 269", "item"}},
        {"with easy support off its key is an ordinary shortcut",
         [](FakeTarget&, SupportKeys& k) { k.easySupport = k.itemBibitem = 0; }, press(' ', true), true,
         {"run 41001"}},

        {"no second command while one runs", [](FakeTarget& t, SupportKeys&) { t.busy = true; }, CtrlG, false,
         {}},
        {"shortcut keys off", [](FakeTarget&, SupportKeys& k) { k.shortcutTable.clear(); }, CtrlG, false, {}},

        {"focus cycling from the editor", nullptr, press(9, true, true, true), true, {"focus 10"}},
        {"focus cycling from a child of the last window back to the first",
         [](FakeTarget& t, SupportKeys&) { t.chain = {200, 20, 0}; }, press(9, true, true, true), true,
         {"focus 1"}},
        {"focus cycling through a grandparent",
         [](FakeTarget& t, SupportKeys&) { t.chain = {300, 200, 10}; }, press(9, true, true, true), true,
         {"focus 20"}},
        {"focus outside the plug-in's windows",
         [](FakeTarget& t, SupportKeys&) { t.chain = {300, 200, 0}; }, press(9, true, true, true), false, {}},
        {"a bound Ctrl+Shift+Alt+Tab runs its command instead",
         [](FakeTarget&, SupportKeys& k) { k.shortcutTable[0x709] = 41007; }, press(9, true, true, true), true,
         {"run 41007"}},
    };
    for (const Case& c : cases) {
        FakeTarget target;
        SupportKeys keys = defaultKeys();
        if (c.setUp) c.setUp(target, keys);
        EXPECT_EQ(kd::dispatchKey(c.key, keys, target), c.used) << c.name;
        EXPECT_EQ(target.log, c.log) << c.name;
    }
}

TEST(KeyDispatch, OnlyTheSubWindowKeysAreOfferedToSubWindows) {
    const KeyCode offered[] = {9, 13, 37, 38, 39, 40, 112, 113, 114, 115, 116, 117, 118, 119, 120, 122, 123, 0x10D};
    const KeyCode notOffered[] = {121, 36, 41, 124, 0x109, 0x209, 0x20D, 0x225, 0x170};
    SupportKeys none;
    for (KeyCode code : offered) {
        FakeTarget target;
        target.subWindowTakes = true;
        kd::KeyEvent e = press(code & 0xFF, code & 0x100, code & 0x200, code & 0x400);
        EXPECT_TRUE(kd::dispatchKey(e, none, target)) << code;
        EXPECT_EQ(target.log, Log{"sub " + std::to_string(code)}) << code;
    }
    for (KeyCode code : notOffered) {
        FakeTarget target;
        target.subWindowTakes = true;
        kd::KeyEvent e = press(code & 0xFF, code & 0x100, code & 0x200, code & 0x400);
        EXPECT_FALSE(kd::dispatchKey(e, none, target)) << code;
        EXPECT_TRUE(target.log.empty()) << code;
    }
}
