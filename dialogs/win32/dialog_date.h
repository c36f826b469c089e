// The date dialog (command 41044): the day chosen in a calendar, written
// with a format from a list the user keeps (section "Date") or typed, goes
// in at the caret. The last format used is offered next time.
#pragma once
#include "base/text.h"
#include "frame/win32/dialog.h"

#include <vector>

class DialogDate : public DialogModal {
public:
    // Runs at once over parent for the document in editor.
    DialogDate(HWND parent, HWND editor);
    ~DialogDate() override = default;
    bool inserted() const { return inserted_; }

    INT_PTR onInitDialog() override;
    INT_PTR onCommand(WORD id, WORD code, HWND control) override;
    INT_PTR onNotify(NMHDR* header) override;

private:
    void fillFormats();
    std::vector<u16> formats() const;
    u16 editedFormat() const;
    u16 selectedFormat() const;
    // The chosen day written with format; empty when it cannot be made.
    u16 dateText(u16view format, const SYSTEMTIME& day) const;
    SYSTEMTIME chosenDay() const;
    bool preview(u16view format, const SYSTEMTIME& day);
    void add();
    void remove();
    void restore();
    void saveList();
    void accept();
    void cancel();

    HWND editor_;                  // not owned: the host's editor window
    u16 history_;                  // "History" as it was at opening
    bool listChanged_ = false;     // formats added or deleted since opening
    bool inserted_ = false;
};
