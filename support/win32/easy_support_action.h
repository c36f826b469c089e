// The two easy-support keys on the host's thread: the easy-support action
// (braces, abbreviations, the label and key popup with its nested message
// loop) and the new-item action. The key dispatcher calls them once it has
// checked that the editor has the focus and composes nothing.
#pragma once
#include <memory>
#include <windows.h>

class DialogEasySupport;
class DictionaryStore;

namespace easy_support_action {

// Runs the easy-support key on editor. popup is the thread's popup object;
// the action keeps it alive until its loop has ended, whatever happens to
// its owner meanwhile. store (may be null) holds the abbreviations.
// ready: the main window takes insertions. True when the key was used.
bool runEasySupport(const std::shared_ptr<DialogEasySupport>& popup, HWND editor, DictionaryStore* store, bool ready);

// Runs the new-item key on editor; true when the caret's line was an item
// line and the next item was started.
bool runNewItem(HWND editor, bool ready);

} // namespace easy_support_action
