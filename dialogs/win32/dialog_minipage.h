// The minipage dialog (command 41075): a minipage environment of a given
// width, optionally with an alignment environment inside, around the
// selection. Width and alignment can be kept as the defaults ("Settings",
// "Minipage").
#pragma once
#include "dialogs/small_fragments.h"
#include "frame/win32/dialog.h"

class DialogMinipage : public DialogModal {
public:
    // Runs at once over parent for the document in editor.
    DialogMinipage(HWND parent, HWND editor);
    ~DialogMinipage() override = default;
    bool inserted() const { return inserted_; }

    INT_PTR onInitDialog() override;
    INT_PTR onCommand(WORD id, WORD code, HWND control) override;

private:
    minipage::Choices choices() const;
    void accept();

    HWND editor_;                  // not owned: the host's editor window
    bool inserted_ = false;
};
