// What the floating tool windows (the outline and the palettes) share: a
// modeless dialog owned by the main window that opens where the settings
// say, remembers where it was, keeps a short system menu and a minimum
// size, and finishes a jump that another host window left pending when it
// gets the focus. The main window moves and hides them with the host frame
// (subwindow_host).
#pragma once
#include "base/text.h"
#include "frame/win32/dialog.h"

#include <windows.h>

class DialogSubCommon : public DialogModeless {
public:
    ~DialogSubCommon() override = default;

    using DialogModeless::create;
    // Creates the window from template templateId (null source: the
    // language library) with owner as parent, for the host editor window.
    // False when the window already exists or could not be made.
    virtual bool create(HWND owner, HWND editor, int templateId, HINSTANCE source = nullptr);

    HWND owner() const { return owner_; }
    HWND editor() const { return editor_; }
    // The host frame: the parent of the editor window.
    HWND frame() const;
    const u16& placeName() const { return name_; }

    // Opens the window where the settings say. Called on initialisation.
    void place();
    // Records both saved rectangles, unless the host frame is minimised.
    // Called on destruction.
    void savePlace();
    // Finishes a pending jump in the editor window, unless this window's
    // owner asked for it. True when it did (the focus then went to the
    // editor). Subclasses call it when one of their controls gets the focus.
    bool takePendingJump();

    // The base behaviour; subclasses that override these call them first.
    INT_PTR onInitDialog() override;         // trims the system menu, places
    void onDestroy() override;               // saves the place
    INT_PTR onCommand(WORD id, WORD code, HWND control) override;   // IDCANCEL closes
    void onGetMinMaxInfo(MINMAXINFO* info) override;   // 100 by 100 at least
    INT_PTR onOtherMessage(UINT message, WPARAM wParam, LPARAM lParam) override;   // WM_SETFOCUS

protected:
    // name: the stem of the saved rectangles ("Search", "Char", ...).
    explicit DialogSubCommon(u16 name) : name_(std::move(name)) {}

private:
    u16 name_;
    HWND owner_ = nullptr;    // not owned: the main window
    HWND editor_ = nullptr;   // not owned: the host's editor window
};
