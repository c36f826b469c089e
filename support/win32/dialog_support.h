// The support window: opens at the caret when a backslash is typed, lists
// every command of the command dictionary and completes the input box from
// it, with the history window beside it. What the keys and the typing do
// is SupportSession's; this window shows the session and feeds it the
// input box's changes and the keys the dispatcher hands on. While open it
// runs its own message loop.
#pragma once
#include "frame/win32/dialog.h"
#include "mainwindow/key_code.h"
#include "support/environment_dictionary.h"
#include "support/support_session.h"
#include "support/tex_dictionary.h"
#include "support/win32/dialog_support_history.h"

#include <memory>
#include <string>
#include <vector>
#include <windows.h>

class CSetting;
class DictionaryStore;

class DialogSupport : public DialogModeless {
public:
    // The dictionaries are loaded here, from store (null: empty ones).
    // editor is the host's editor window; store and settings are not owned
    // and outlive the object.
    DialogSupport(HWND editor, DictionaryStore* store, CSetting& settings);
    ~DialogSupport() override;

    enum class Created {
        Ready,
        Unusable,   // a key it needs is set to none: no window, no message
        Failed,     // a warning box has told the user
    };
    // Makes the hidden window and its history window from the settings as
    // they are now.
    Created create();

    // The host now shows another editor window.
    void setEditor(HWND editor) { editor_ = editor; }
    // Opens at the caret when the editor has the focus and takes keys
    // directly; the window shows and runs its loop as soon as the thread
    // takes its next message. False when it will not open (the key that
    // asked goes on to the editor).
    bool open();
    // From opening to closing.
    bool visible() const { return visible_; }
    // A key while open (the dispatcher's code with its modifiers); true
    // when the window used it.
    bool handleKey(KeyCode code);
    // A wheel turn while open: scrolls the list by steps pixels.
    bool offerWheel(int steps);
    // A press or command reached window: anything not ours closes us.
    void clickNotice(HWND window);
    // The window or one of its controls, or the history window's.
    bool owns(HWND window) const;

    HWND input() const;
    HWND list() const;
    HWND historyWindow() const { return history_.handle(); }
    // The dictionary position shown at a list row; -1 when out of range.
    int positionAtRow(int row) const;

    INT_PTR onInitDialog() override;
    void onDestroy() override;
    INT_PTR onNotify(NMHDR* header) override;
    INT_PTR onCtlColorStatic(HDC dc, HWND control) override;
    INT_PTR onOtherMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    bool fillList();
    bool subclassInput();
    void unsubclassInput();
    static LRESULT CALLBACK inputProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void typed(wchar_t character);
    void focusLeft(HWND to);
    // The box's text and selection into the session, when they differ.
    void pullInput();
    // The session onto the controls (and the history window's visibility).
    void showSession(bool withHistory = true);
    void selectRow(int position);
    void fillHistory();
    // Where the window goes: the caret's screen position, kept on screen.
    bool caretCorner(POINT& corner) const;
    void placeHistory(bool show);
    void close();
    void run();
    bool runLoop(bool& alive);
    bool closesOn(const MSG& msg) const;

    HWND editor_;                          // not owned: the host's editor window
    CSetting& settings_;                   // not owned
    u16 historyPath_;
    CTeXDictionary commands_;              // owned snapshots, loaded at construction
    CTeXEDictionary environments_;
    std::unique_ptr<SupportSession> session_;   // owned; set while the window is usable
    DialogSupportHistory history_;         // owned: its window lives with ours
    std::vector<int> rowOfPosition_;       // list row of each dictionary position, -1 none
    std::vector<int> positionOfRow_;
    WNDPROC inputPrevious_ = nullptr;      // the input box's own procedure
    int shownSelection_ = -1;
    bool updating_ = false;                // the window itself is changing the box
    bool visible_ = false;
    bool openPending_ = false;             // open() posted the request to show
    bool* alive_ = nullptr;                // set while open() runs: cleared when the object dies
};
