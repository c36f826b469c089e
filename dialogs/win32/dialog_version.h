// The plug-in's About box (its own dialog resource): the plug-in's version,
// the language library's name and version, and an address the user can
// click to open.
#pragma once
#include "frame/win32/dialog.h"

class DialogVersion : public DialogModal {
public:
    // Runs at once, centred over parent.
    explicit DialogVersion(HWND parent);
    ~DialogVersion() override = default;

    INT_PTR onInitDialog() override;
    INT_PTR onCommand(WORD id, WORD code, HWND control) override;
    void onDestroy() override;

private:
    static LRESULT CALLBACK linkProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT onLinkMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void paintLink(HWND window);
    void centre();

    HWND parent_;                  // not owned: the window the box is centred over
    HWND link_ = nullptr;          // not owned: the dialog's link control
    WNDPROC linkPrevious_ = nullptr;   // the link's own procedure, restored at the end
    HFONT linkFont_ = nullptr;     // owned: released in onDestroy
};
