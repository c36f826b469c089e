// The entry view: a small modeless window with a two-column list (field
// name, value) that shows one bibliography database entry. Its owner (the
// citation dialog, the completion popup) creates it, places it and feeds
// it the entry under the user's eye.
#pragma once
#include "frame/win32/dialog.h"
#include "outline/outline_items.h"

#include <windows.h>

class DialogBibItemData : public DialogModeless {
public:
    // Which template the window is made from.
    enum Flavor { Plain = 0, Citation = 1 };

    DialogBibItemData() = default;
    ~DialogBibItemData() override = default;

    using DialogModeless::create;
    // Creates the window under owner from the language library's template
    // 230 (flag 1, beside the citation dialog) or 229 (flag 0). True when
    // the window exists afterwards. The window starts hidden: the owner
    // places it and shows it when it has an entry to show.
    bool create(HWND owner, int flag);

    // Replaces the list's rows with the entry's type and its fields:
    // filled fields first, empty ones after, each group in the entry's
    // order; then scrolls to the top. Does nothing without a window.
    void showEntry(const BibEntry& entry);

    // The list control (1205), or null without a window.
    HWND list() const;

    INT_PTR onInitDialog() override;                     // the list's columns and style
    void onSize(UINT type, int width, int height) override;  // the list fills the window
};
