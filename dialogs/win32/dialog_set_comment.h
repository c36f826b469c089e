// TEMPORARY declaration for the page layout branch: the preset name dialog
// (template 220) is built on its own branch; this states only what the page
// layout dialog calls, and goes when that branch is merged.
#pragma once
#include "frame/win32/dialog.h"

#include <string>

class DialogSetComment : public DialogModal {
public:
    // What the user chose; the values are the radio buttons' identifiers.
    enum Action { None = 0, Overwrite = 1307, Add = 1308, Delete = 1309, Rename = 1311 };

    // Runs at once over parent. name: the selected preset's name (ignored
    // when nothing is selected); count: how many presets exist.
    DialogSetComment(HWND parent, const std::wstring& name, bool selected, int count);
    ~DialogSetComment() override = default;

    Action action() const { return action_; }
    const std::wstring& name() const { return name_; }

private:
    Action action_ = None;
    std::wstring name_;
};
