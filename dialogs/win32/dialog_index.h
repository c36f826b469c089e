// The index dialog (command 41132): an \index entry for the selected word
// (or a typed one), with an optional sort key, written after the word.
#pragma once
#include "frame/host_editor.h"
#include "frame/win32/dialog.h"

#include <optional>

class DialogIndex : public DialogModal {
public:
    // Runs at once over parent for the document in editor.
    DialogIndex(HWND parent, HWND editor);
    ~DialogIndex() override = default;
    bool inserted() const { return inserted_; }

    INT_PTR onInitDialog() override;
    INT_PTR onCommand(WORD id, WORD code, HWND control) override;

private:
    void accept();

    HWND editor_;                      // not owned: the host's editor window
    std::optional<Position> wordEnd_;  // the selection's end: the entry goes there
    bool inserted_ = false;
};
