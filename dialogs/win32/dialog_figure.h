// The figure dialog (command 41036): builds an image inclusion, optionally
// inside a figure environment with alignment, caption and label, and puts
// it at the caret of the host's editor. Its choices can be kept as the
// defaults ("Settings", "Figure"); a JPEG file can be converted to EPS by
// the typesetting tools first.
#pragma once
#include "dialogs/figure_fragment.h"
#include "dialogs/win32/file_name_box.h"
#include "frame/win32/dialog.h"

class DialogFigure : public DialogModal {
public:
    // Runs at once over parent for the document in editor.
    DialogFigure(HWND parent, HWND editor);
    ~DialogFigure() override = default;
    bool inserted() const { return inserted_; }

    INT_PTR onInitDialog() override;
    INT_PTR onCommand(WORD id, WORD code, HWND control) override;

private:
    figure::Choices choices() const;
    void show(const figure::Choices& c);
    void applyEnabling();
    void updateConvert();
    void saveDefaults();
    void convert();
    void accept();
    bool checked(int id) const;

    HWND editor_;                  // not owned: the host's editor window
    FileNameBox file_;             // the file box and the browsed file's full path
    bool inserted_ = false;
};
