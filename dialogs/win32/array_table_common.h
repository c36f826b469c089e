// What the table and array dialogs share: the host editor they write into,
// the size boxes with their limits, the column format, the button that
// stores the choices as defaults, and the insertion around the selection.
#pragma once
#include "base/text.h"
#include "dialogs/fragment.h"
#include "dialogs/grid_fragment.h"
#include "frame/win32/dialog.h"

class ArrayTableCommon : public DialogModal {
public:
    ~ArrayTableCommon() override = default;

    // True once OK put the fragment into the document.
    bool inserted() const { return inserted_; }

    INT_PTR onCommand(WORD id, WORD code, HWND control) override;

protected:
    explicit ArrayTableCommon(HWND editor) : editor_(editor) {}

    // The fragment for OK, from the controls as they are; the size boxes
    // have passed their check by then.
    virtual Fragment fragment() const = 0;
    // The settings key and the record "save as default" stores.
    virtual const char16_t* settingKey() const = 0;
    virtual u16 record() const = 0;

    // The stored record of this dialog, or "" when there is none.
    u16 storedRecord() const;

    // Shared controls.
    void showSize(const u16& rows, const u16& columns) const;
    void showColumnFormat(grid::ColumnAlign align, bool horizontal, bool vertical) const;
    grid::ColumnAlign columnAlign() const;
    u16 text(int id) const;
    bool checked(int id) const;
    void check(int id, bool on) const;
    void enable(int id, bool on) const;

private:
    // A refused size shows its message and selects the box; false then.
    bool sizeAccepted() const;
    void accept();
    void saveDefaults() const;

    HWND editor_;             // not owned: the host's editor window
    bool inserted_ = false;
};
