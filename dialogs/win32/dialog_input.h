// The included-file dialog (command 41037): writes an \input or \include
// line for a file at the caret of the host's editor. The command can be
// kept as the default ("Settings", "Input").
#pragma once
#include "dialogs/win32/file_name_box.h"
#include "frame/win32/dialog.h"

class DialogInput : public DialogModal {
public:
    // Runs at once over parent for the document in editor.
    DialogInput(HWND parent, HWND editor);
    ~DialogInput() override = default;
    bool inserted() const { return inserted_; }

    INT_PTR onInitDialog() override;
    INT_PTR onCommand(WORD id, WORD code, HWND control) override;

private:
    bool include() const;
    void accept();

    HWND editor_;                  // not owned: the host's editor window
    FileNameBox file_;             // the file box and the browsed file's full path
    bool inserted_ = false;
};
