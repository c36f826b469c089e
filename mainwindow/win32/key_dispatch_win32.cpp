#include "mainwindow/win32/key_dispatch_win32.h"

#include "base/win32/wide.h"
#include "mainwindow/win32/main_window.h"
#include "outline/win32/dialog_search.h"
#include "palette/win32/palette_windows.h"
#include "support/win32/dialog_easy_support.h"
#include "support/win32/easy_support_action.h"
#include "support/win32/dialog_support.h"
#include "support/win32/imm_context.h"

namespace key_dispatch_win32 {
namespace {

using key_dispatch::WindowRef;

WindowRef ref(HWND w) { return reinterpret_cast<WindowRef>(w); }
HWND window(WindowRef w) { return reinterpret_cast<HWND>(w); }

bool held(int key) { return GetKeyState(key) < 0; }

bool holds(HWND outer, HWND focus) { return outer && focus && (focus == outer || IsChild(outer, focus)); }

// The main window's side of the dispatcher.
class Target final : public key_dispatch::KeyTarget {
public:
    explicit Target(MainWindow& window) : window_(window) {}

    bool supportWindowVisible() const override {
        DialogSupport* s = window_.supportWindow();
        return s && s->visible();
    }
    bool offerSupportWindow(KeyCode code) override {
        DialogSupport* s = window_.supportWindow();
        return s && s->handleKey(code);
    }
    bool openSupportWindow() override {
        DialogSupport* s = window_.supportWindow();
        return s && !window_.hostMenuOpen() && s->open();
    }

    bool easySupportPopupOpen() const override {
        const auto& popup = window_.easySupport();
        return popup && popup->isOpen();
    }
    bool offerEasySupportPopup(uint32_t virtualKey) override {
        const auto& popup = window_.easySupport();
        return popup && popup->handleKey(virtualKey);
    }
    // Keys the open support window left alone belong to its input box; keys
    // that reach the hook inside the popup's loop belong to the popup.
    bool inputSupportRunning() const override {
        const auto& popup = window_.easySupport();
        return supportWindowVisible() || (popup && popup->running());
    }
    bool easySupportAvailable() const override { return window_.easySupport() != nullptr; }
    bool runEasySupport() override {
        return easy_support_action::runEasySupport(window_.easySupport(), window_.editor(), window_.dictionaries(),
                                                   window_.ready(), window_.handle());
    }
    bool runNewItem() override { return easy_support_action::runNewItem(window_.editor(), window_.ready()); }

    bool offerSubWindow(KeyCode code) override {
        // The outline window reads its keys without modifiers; the
        // palettes tell Shift+Enter from Enter.
        HWND outline = window_.outlineWindow();
        if (holds(outline, GetFocus())) {
            auto* search = static_cast<DialogSearch*>(window_.outlineSlot().get());
            return search->offerKey(key_code::virtualKey(code));
        }
        return window_.palettes().offerKey(key_code::virtualKey(code), (code & key_code::Shift) != 0);
    }

    bool editorTakesAction() const override {
        HWND editor = window_.editor();
        return editor && GetFocus() == editor && ImmContext(editor).isNotComposing();
    }
    bool editorComposing() const override {
        HWND editor = window_.editor();
        return editor && GetFocus() == editor && !ImmContext(editor).isNotComposing();
    }

    bool commandRunning() const override { return !window_.idle(); }
    void runCommand(uint32_t command) override { window_.runCommand(command); }

    std::vector<WindowRef> focusOrder() const override {
        std::vector<WindowRef> order;
        auto add = [&order](HWND w) {
            if (w && IsWindow(w) && IsWindowVisible(w)) order.push_back(ref(w));
        };
        add(window_.editor());
        if (DialogSupport* s = window_.supportWindow()) add(s->handle());
        add(window_.outlineWindow());
        for (HWND w : window_.subWindows()) add(w);
        return order;
    }
    std::vector<WindowRef> focusChain() const override {
        HWND focus = GetFocus();
        HWND parent = focus ? GetAncestor(focus, GA_PARENT) : nullptr;
        HWND grandparent = parent ? GetAncestor(parent, GA_PARENT) : nullptr;
        return {ref(focus), ref(parent), ref(grandparent)};
    }
    void setFocus(WindowRef w) override { SetFocus(window(w)); }

private:
    MainWindow& window_;
};

} // namespace

bool offer(MainWindow& mainWindow, const SupportKeys& keys, WPARAM virtualKey) {
    key_dispatch::KeyEvent key{static_cast<uint32_t>(virtualKey), held(VK_SHIFT), held(VK_CONTROL), held(VK_MENU)};
    Target target(mainWindow);
    return key_dispatch::dispatchKey(key, keys, target);
}

u16 shortcutName(const SupportKeys& keys, uint32_t command) {
    KeyCode key = shortcuts::keyOf(keys.shortcutTable, command);
    return key ? key_code::keyName(key) : u16();
}

} // namespace key_dispatch_win32
