// The dialog (template 231) that creates a highlight item or edits the
// active one: a name and a pattern, with buttons that build the pattern
// from the checked items of a list, from an environment's name, or from a
// text to be matched as written.
#pragma once
#include "frame/win32/dialog.h"
#include "highlight/highlight_store.h"

#include <vector>

class DialogHighlight : public DialogModal {
public:
    enum class Mode { Create, Edit };
    // Runs at once over parent. The item goes into store (the caller saves
    // it); in edit mode the active item ("Item") is edited, and a value
    // that names no item is reported and ends the dialog at once.
    DialogHighlight(HWND parent, Highlight& store, Mode mode);
    ~DialogHighlight() override = default;

    // IDOK when an item was stored at the front of the list.
    INT_PTR result() const { return result_; }

    INT_PTR onInitDialog() override;
    INT_PTR onCommand(WORD id, WORD code, HWND control) override;
    INT_PTR onNotify(NMHDR* header) override;

    static constexpr int MaxLength = 100;

private:
    void addColumns() const;
    void fillList();
    void updateButtons() const;
    void updateCombine() const;
    void combine();
    void environment();
    void escape();
    void accept();
    bool askReplace(const HighlightItem& old, const HighlightItem& added) const;
    int length(int id) const;
    u16 text(int id) const;

    HWND parent_;                   // not owned; owner of the warning before the dialog exists
    Highlight& store_;              // not owned: the caller's list, saved by it
    Mode mode_;
    std::vector<u16> rowPatterns_;  // the list's patterns, row by row
    bool filling_ = false;          // the list's notifications mean nothing meanwhile
    INT_PTR result_ = -1;
};
