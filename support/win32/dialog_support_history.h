// The history window: 13 rows "(1)" … "(C)" beside the support window,
// one per history slot, showing the command that Ctrl and the row's key
// would insert. It never takes the activation, so the support window's
// input box keeps the keys; a double click on a row tells the support
// window.
#pragma once
#include "frame/win32/dialog.h"

#include <string>
#include <windows.h>

class DialogSupportHistory : public DialogModeless {
public:
    // Sent to the owner when a row is double-clicked; wParam: the row 0..12.
    static constexpr UINT RowChosen = WM_USER + 1;
    static constexpr int Rows = 13;

    DialogSupportHistory() = default;
    ~DialogSupportHistory() override = default;

    using DialogModeless::create;
    // Creates the window hidden under owner (the support window) from the
    // language library's template 237; true when it exists afterwards.
    bool create(HWND owner);

    HWND list() const;
    // The second column of a row; rows out of range are ignored.
    void setRow(int row, const std::wstring& text);
    std::wstring rowText(int row) const;
    // Fits the window's width to its two columns, within the limits the
    // template gives (its own width up to three times that).
    void fitWidth();

    INT_PTR onInitDialog() override;
    INT_PTR onNotify(NMHDR* header) override;
    INT_PTR onOtherMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    int minWidth_ = 0;   // window widths in pixels, set at initialization
    int maxWidth_ = 0;
};
