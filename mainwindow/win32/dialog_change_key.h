// The key capture dialog (template 222): picks the keys a hotkey control
// cannot take, Enter, Tab and Space, each with the modifiers held while
// its button is pressed, or the modifiers alone.
#pragma once
#include "frame/win32/dialog.h"
#include "mainwindow/key_code.h"

class DialogChangeKey : public DialogModal {
public:
    // Runs at once over parent.
    explicit DialogChangeKey(HWND parent);
    ~DialogChangeKey() override = default;

    // The chosen key; 0 after Cancel (or when the dialog could not open):
    // no change.
    KeyCode key() const { return key_; }

    INT_PTR onCommand(WORD id, WORD code, HWND control) override;

private:
    KeyCode key_ = 0;
};
