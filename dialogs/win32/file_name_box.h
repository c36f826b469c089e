// The file box of the figure and input dialogs with its three name-style
// radios: a file chosen with the browse button is remembered by its full
// path and written in the selected style; switching the style rewrites it,
// until the user types in the box and makes the text their own.
#pragma once
#include "base/text.h"
#include "make/root_form.h"

#include <windows.h>

#include <cstdint>

class FileNameBox {
public:
    explicit FileNameBox(int editId) : edit_(editId) {}

    // At WM_INITDIALOG: the style from its setting; an unsaved document
    // (empty path) cannot take the relative style, which is disabled. The
    // box starts empty.
    void open(HWND dialog, u16view document, const char16_t* styleKey);

    root_form::Form style() const;
    // The browse button: keeps the style in its setting, asks for a file
    // and writes it into the box. False when the user cancelled.
    bool browse(uint32_t titleId, uint32_t filterId);
    // A style radio was clicked: the remembered file in the new style.
    void restyle() { render(); }
    // EN_CHANGE of the box.
    void changed();
    // Replaces the box's text as if the user had typed it.
    void setText(u16view text);
    u16 text() const;

    const u16& document() const { return document_; }
    static bool isStyleRadio(int id);

private:
    void select(root_form::Form form);
    void render();

    HWND dialog_ = nullptr;      // not owned: the dialog the box is in
    int edit_;
    const char16_t* styleKey_ = nullptr;  // ("Settings", key) of the style
    u16 document_;               // the edited document's path, may be empty
    u16 remembered_;             // full path of the browsed file; empty once typed over
    bool filling_ = false;       // our own writes are not the user's typing
};
