// The label prefix dialog: eleven edit boxes, one per label class, whose
// prefixes sort \label names into classes in the outline. Runs modally
// from its constructor; the caller then asks accepted().
#pragma once
#include "frame/win32/dialog.h"

#include <windows.h>

class CSetting;

class DialogLabelConfig : public DialogModal {
public:
    // Runs the dialog over parent at once, reading and writing settings
    // (null: the plug-in's settings object). Returns when it has ended.
    explicit DialogLabelConfig(HWND parent, CSetting* settings = nullptr);
    ~DialogLabelConfig() override = default;

    // True when the user ended the dialog with OK (the prefixes were saved).
    bool accepted() const { return result_ == 1; }
    // The run's result: 1 OK, 0 Cancel, -1 when the template is missing.
    INT_PTR result() const { return result_; }

    INT_PTR onInitDialog() override;                               // fills the boxes
    INT_PTR onCommand(WORD id, WORD code, HWND control) override;  // OK, defaults, help, Cancel

private:
    void fill(bool defaults);   // the boxes from the settings or the defaults
    bool save();                // false (nothing written) when a box is empty

    CSetting* settings_ = nullptr;   // not owned
    INT_PTR result_ = 0;
};
