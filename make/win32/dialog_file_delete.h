// The deletion report: lists the auxiliary files found, each with a check
// box, and leaves the unchecked ones out (their entries are blanked) when
// the user presses OK.
#pragma once
#include "frame/win32/dialog.h"
#include "make/aux_report.h"

class DialogFileDelete : public DialogModal {
public:
    // Runs at once when there is anything to show (template 235 over
    // owner); with nothing to show it ends as if OK had been pressed.
    // found is not owned and must outlive the object.
    DialogFileDelete(HWND owner, aux_files::Found& found, int32_t reportMode);
    ~DialogFileDelete() override = default;

    // IDOK, IDCANCEL, or -1 when the template could not be used.
    INT_PTR result() const { return result_; }

    INT_PTR onInitDialog() override;
    INT_PTR onCommand(WORD id, WORD code, HWND control) override;

private:
    aux_files::Found& found_;            // not owned: the caller's search result
    std::vector<aux_report::Row> rows_;
    INT_PTR result_ = IDOK;
};
