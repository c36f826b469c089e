// The preset naming dialog shared by the dialogs that keep named presets
// (document class, page layout): it asks what to do with the selected
// preset, and the name to give it when adding or renaming. The owner then
// changes its own list.
#pragma once
#include "frame/win32/dialog.h"

#include <string>

class DialogSetComment : public DialogModal {
public:
    enum Action : int { None = 0, Overwrite = 1, Rename = 2, Add = 3, Delete = 4 };

    // Runs at once over parent. name: the selected preset's name (the
    // name box starts with it); selected: whether a preset is selected;
    // count: presets in the owner's list. Adding is offered only while
    // count < addLimit; without a selection adding is the only action, so
    // at the limit the dialog does not open and the action is None.
    DialogSetComment(HWND parent, const std::wstring& name, bool selected, size_t count, size_t addLimit = 100);
    ~DialogSetComment() override = default;

    Action action() const { return action_; }
    // The name typed for Add and Rename.
    const std::wstring& name() const { return name_; }

    INT_PTR onInitDialog() override;
    INT_PTR onCommand(WORD id, WORD code, HWND control) override;

private:
    void enableName();
    void accept();

    std::wstring name_;
    bool selected_;
    size_t count_;
    size_t addLimit_;
    Action action_ = None;
};
