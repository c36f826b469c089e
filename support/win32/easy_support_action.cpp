#include "support/win32/easy_support_action.h"

#include "frame/win32/window_editor.h"
#include "support/easy_support.h"
#include "support/new_item.h"
#include "support/win32/dialog_easy_support.h"

namespace easy_support_action {
namespace {

// The nested loop while the popup is open. A quit message ends it and is
// posted again for the host's own loop.
void loop(DialogEasySupport& popup) {
    MSG msg;
    while (popup.isOpen()) {
        BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got == 0) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            return;
        }
        if (got < 0) return;
        if (popup.handle() && IsDialogMessageW(popup.handle(), &msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

} // namespace

bool runEasySupport(const std::shared_ptr<DialogEasySupport>& popup, HWND editor, DictionaryStore* store, bool ready,
                    HWND notify) {
    if (!popup || !editor || !IsWindow(editor)) return false;
    WindowEditor host(editor);
    snippet::Target target{host, ready};
    return easy_support::run(target, easy_support::storeLookup(store), [&](const easy_support::Trigger& trigger) {
        // Keys that arrive before the popup opens are not shortcuts either.
        popup->setPending(trigger);
        if (!notify || !PostMessageW(notify, OpenPopup, 0, 0)) popup->clearPending();
    });
}

void openPending(const std::shared_ptr<DialogEasySupport>& popup, HWND editor) {
    if (!popup) return;
    std::shared_ptr<DialogEasySupport> keep = popup;
    std::optional<easy_support::Trigger> trigger = keep->takePending();
    if (!trigger || !editor || !IsWindow(editor)) {
        keep->clearPending();
        return;
    }
    if (keep->start(editor, *trigger)) loop(*keep);
    keep->close(0);
    keep->clearPending();
    if (IsWindow(editor)) SetFocus(editor);
}

bool runNewItem(HWND editor, bool ready) {
    if (!editor || !IsWindow(editor)) return false;
    WindowEditor host(editor);
    return new_item::run(snippet::Target{host, ready});
}

} // namespace easy_support_action
