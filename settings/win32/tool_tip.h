// The tool tips of a settings page: one tip window per page, owned by the
// page's window, with a tip per control. Each tool subclasses its control
// (a page is a dialog, and dialogs do not relay mouse messages to a tip
// window), and the object keeps its own copy of every text until it is
// destroyed with the page.
#pragma once
#include <windows.h>

#include <cstdint>
#include <list>
#include <string>

class ToolTip {
public:
    ToolTip() = default;
    ~ToolTip();                      // destroys the tip window
    ToolTip(const ToolTip&) = delete;
    ToolTip& operator=(const ToolTip&) = delete;

    // Creates the tip window owned by page; false when it cannot be made.
    bool create(HWND page);
    // Adds a tip covering the control's client area. False when the tip
    // window is missing or the control does not exist.
    bool add(HWND control, const std::wstring& text);
    bool add(HWND page, int controlId, uint32_t messageId);
    HWND handle() const { return window_; }

private:
    HWND window_ = nullptr;            // owned
    std::list<std::wstring> texts_;    // a list: the tip window points into it
};
