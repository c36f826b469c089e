#include "support/win32/easy_support_action.h"

#include "frame/win32/window_editor.h"
#include "support/easy_support.h"
#include "support/new_item.h"
#include "support/win32/dialog_easy_support.h"

namespace easy_support_action {
namespace {

// Marks the popup busy for the whole action: keys that arrive through the
// nested loop go to the popup or on to the focused window, never to a
// second action or a shortcut.
class Running {
public:
    explicit Running(DialogEasySupport& popup) : popup_(popup) { popup_.setRunning(true); }
    ~Running() { popup_.setRunning(false); }
    Running(const Running&) = delete;
    Running& operator=(const Running&) = delete;

private:
    DialogEasySupport& popup_;   // not owned; kept alive by the caller's reference
};

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

bool runEasySupport(const std::shared_ptr<DialogEasySupport>& popup, HWND editor, DictionaryStore* store,
                    bool ready) {
    if (!popup || !editor || !IsWindow(editor)) return false;
    std::shared_ptr<DialogEasySupport> keep = popup;
    Running running(*keep);
    WindowEditor host(editor);
    snippet::Target target{host, ready};
    return easy_support::run(target, easy_support::storeLookup(store), [&](const easy_support::Trigger& trigger) {
        if (keep->start(editor, trigger)) loop(*keep);
        keep->close(0);
        if (IsWindow(editor)) SetFocus(editor);
    });
}

bool runNewItem(HWND editor, bool ready) {
    if (!editor || !IsWindow(editor)) return false;
    WindowEditor host(editor);
    return new_item::run(snippet::Target{host, ready});
}

} // namespace easy_support_action
