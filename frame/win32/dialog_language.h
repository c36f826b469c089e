// The language chooser: lists every acceptable library in the language
// folder with its language name and returns the one the user picks. Runs
// from the plug-in's own template, so it works without any library.
#pragma once
#include "frame/win32/dialog.h"

#include <string>

class DialogLanguage : public DialogModal {
public:
    // Runs at once. cancelAllowed false: no system menu, Cancel does
    // nothing. chooseAutomatically: a single candidate is taken without
    // showing the dialog. doNotSave: the choice is not written to
    // "Vexa2Lang.ini". preselected empty: the configured name (or the
    // default name) is selected.
    DialogLanguage(HINSTANCE plugin, HWND parent, bool cancelAllowed, bool chooseAutomatically, bool doNotSave,
                   const std::wstring& preselected);
    ~DialogLanguage() override = default;

    bool accepted() const { return accepted_; }
    const std::wstring& chosen() const { return chosen_; }   // empty unless accepted

    INT_PTR onInitDialog() override;
    INT_PTR onCommand(WORD id, WORD code, HWND control) override;
    INT_PTR onNotify(NMHDR* header) override;

private:
    void fillList();
    void selectRow(int row);
    int selectedRow() const;
    void updateOk();
    void confirm();

    HINSTANCE plugin_;                 // not owned; folder and template source
    bool cancelAllowed_;
    bool chooseAutomatically_;
    bool doNotSave_;
    std::wstring preselected_;
    bool accepted_ = false;
    std::wstring chosen_;
};
