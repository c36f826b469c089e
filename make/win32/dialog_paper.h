// The dialog (template 232) that adds a user paper to the paper menu or
// edits the current one: a name shown in the menu and the value handed to
// the previewer, which Compose builds from a width and a height.
#pragma once
#include "frame/win32/dialog.h"
#include "make/dviout_paper.h"

class DialogPaper : public DialogModal {
public:
    enum class Mode { Add, Edit };
    // Runs at once over parent. In edit mode current is the paper number
    // being edited; a number that names no user paper closes the dialog
    // at once.
    DialogPaper(HWND parent, DVIOUTPaper& papers, Mode mode, int32_t current);
    ~DialogPaper() override = default;

    // IDOK when an entry was stored at the front of the list.
    INT_PTR result() const { return result_; }

    INT_PTR onInitDialog() override;
    INT_PTR onCommand(WORD id, WORD code, HWND control) override;

    // Both sizes need at least this many characters for Compose, both
    // texts for OK.
    static constexpr int MinLength = 2;
    static constexpr int MaxLength = 100;

private:
    void updateButtons() const;
    void compose() const;
    void accept();
    bool askReplace(const PaperEntry& old, const PaperEntry& added) const;
    int length(int id) const;

    DVIOUTPaper& papers_;     // not owned: the caller's list, saved by it
    Mode mode_;
    int32_t current_;
    INT_PTR result_ = -1;
};
