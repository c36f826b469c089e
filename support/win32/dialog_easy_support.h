// The easy-support popup: a small list of the document's labels (after
// \ref and kin) or citation keys (after \cite and \nocite) at the caret.
// The list itself (rows, selection, letter filter, order, what each key
// does) is a CandidateList; this window only shows its state and hands it
// the user's keys and clicks. For keys it shows the chosen database entry
// in a detail window beside it.
#pragma once
#include "frame/win32/dialog.h"
#include "frame/win32/window_editor.h"
#include "outline/win32/dialog_bib_item.h"
#include "support/candidate_list.h"

#include <memory>
#include <optional>
#include <utility>
#include <windows.h>

class CSearch;

class DialogEasySupport : public DialogModeless {
public:
    DialogEasySupport();
    ~DialogEasySupport() override;

    using DialogModeless::create;
    // Creates the popup for a command found before the caret of editor:
    // scans the document, fills the list and either shows it at the caret
    // (isOpen() becomes true) or, with no or a single candidate, settles
    // at once. False when the window could not be made; failures after
    // that were shown to the user and leave the popup closed.
    bool start(HWND editor, const easy_support::Trigger& trigger);
    // While true, the action's message loop runs.
    bool isOpen() const { return open_; }
    // Closes without inserting (the main window is going away).
    void cancel();

    // A key going down while the popup is open (virtual-key code without
    // modifiers); true when the popup used it.
    bool handleKey(uint32_t virtualKey);
    // The popup, its list or the detail window.
    bool containsWindow(HWND window) const;
    // A click, command or system command reached window: any window but
    // ours (or a child of ours) closes the popup.
    void clickNotice(HWND window);

    // The command an action found, kept until the popup opens for it; the
    // action counts as running from then until the popup has closed.
    void setPending(const easy_support::Trigger& trigger) {
        pending_ = trigger;
        running_ = true;
    }
    std::optional<easy_support::Trigger> takePending() { return std::exchange(pending_, std::nullopt); }
    void clearPending() {
        pending_.reset();
        running_ = false;
    }
    // An easy-support action is under way (its loop may be running).
    bool running() const { return running_; }

    HWND list() const { return list_; }
    HWND detailWindow() const { return detail_.handle(); }
    // What the popup shows, for those who watch it (null while closed).
    const CandidateList* candidates() const { return candidates_.get(); }

    INT_PTR onInitDialog() override;
    void onDestroy() override;
    INT_PTR onCommand(WORD id, WORD code, HWND control) override;
    INT_PTR onNotify(NMHDR* header) override;
    INT_PTR onOtherMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    // Posted when the list lost the focus: by then the focus has arrived
    // where it went.
    static constexpr UINT CheckFocus = WM_APP + 0x31;

    bool setUp();
    void fail(uint32_t messageId);
    void act(CandidateList::Action action);
    void confirm();
    void closeList();
    void showRows();
    void showSelection();
    void showTitle();
    void showDetail();
    void placeAtCaret();
    void placeDetail();

    HWND editor_ = nullptr;                      // not owned: the host's editor window
    easy_support::Trigger trigger_;
    std::unique_ptr<WindowEditor> host_;         // owned; the editor the scan and insertion use
    std::unique_ptr<CSearch> scan_;              // owned; lives as long as the window
    std::unique_ptr<CandidateList> candidates_;  // owned; refers to scan_, so it goes first
    DialogBibItemData detail_;                   // owned: key lists only
    HWND list_ = nullptr;                        // not owned: a child control
    HIMAGELIST images_ = nullptr;                // owned; the list only shares it
    std::optional<easy_support::Trigger> pending_;
    bool open_ = false;
    bool running_ = false;
    bool syncing_ = false;                       // the list's selection is being set from the rows
};
