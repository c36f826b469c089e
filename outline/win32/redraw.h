// Suspends a control's drawing for the lifetime of the object, so that a
// large change (rebuilding or expanding the outline tree) is drawn once.
#pragma once
#include <windows.h>

class Redraw {
public:
    explicit Redraw(HWND control) : control_(control) {
        if (control_) SendMessageW(control_, WM_SETREDRAW, FALSE, 0);
    }
    ~Redraw() {
        if (!control_) return;
        SendMessageW(control_, WM_SETREDRAW, TRUE, 0);
        InvalidateRect(control_, nullptr, TRUE);
    }
    Redraw(const Redraw&) = delete;
    Redraw& operator=(const Redraw&) = delete;

private:
    HWND control_;   // not owned
};
