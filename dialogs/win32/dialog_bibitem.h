// The bibliography skeleton dialog: a thebibliography environment with a
// chosen number of \bibitem lines around the caret. Its choices can be
// kept as the defaults of the next run ("Bibitem").
#pragma once
#include "frame/win32/dialog.h"

#include <windows.h>

class DialogBibitem : public DialogModal {
public:
    // Runs the dialog over parent at once for the document of editor;
    // returns when it has ended.
    DialogBibitem(HWND parent, HWND editor);
    ~DialogBibitem() override = default;

    // 1 OK (the skeleton was inserted), 0 Cancel, -1 no template.
    INT_PTR result() const { return result_; }

    INT_PTR onInitDialog() override;
    INT_PTR onCommand(WORD id, WORD code, HWND control) override;

private:
    void enableLabel();
    // The count is too large: says so and hands the count's box back.
    bool refuseCount();
    void insert();
    void saveDefaults();

    HWND editor_ = nullptr;   // not owned: the host's editor window
    INT_PTR result_ = 0;
};
