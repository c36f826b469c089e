// The two easy-support keys on the host's thread: the easy-support action
// (braces, abbreviations, the label and key popup with its nested message
// loop) and the new-item action. The key dispatcher calls them from the
// keyboard hook once it has checked that the editor has the focus and
// composes nothing.
#pragma once
#include <memory>
#include <windows.h>

class DialogEasySupport;
class DictionaryStore;

namespace easy_support_action {

// Posted to the main window when a reference or citation command was
// found: the popup opens once the keyboard hook has returned. While the
// hook runs, the key that called it is still in the input queue, and a
// message loop started there would take it a second time.
constexpr UINT OpenPopup = WM_APP + 0x32;

// Runs the easy-support key on editor: decides at once whether the key is
// used and does what needs no popup; a popup is left pending in popup and
// OpenPopup is posted to notify. store (may be null) holds the
// abbreviations; ready: the main window takes insertions.
bool runEasySupport(const std::shared_ptr<DialogEasySupport>& popup, HWND editor, DictionaryStore* store, bool ready,
                    HWND notify);

// On OpenPopup: opens the pending popup and runs the nested loop until it
// closes, then gives the editor the keyboard again. The action keeps the
// popup alive until then, whatever happens to its owner meanwhile.
void openPending(const std::shared_ptr<DialogEasySupport>& popup, HWND editor);

// Runs the new-item key on editor; true when the caret's line was an item
// line and the next item was started.
bool runNewItem(HWND editor, bool ready);

} // namespace easy_support_action
