// The table dialog (command 41038): a tabular with empty cells, optionally
// inside a table or table* float with placement, caption, label and an
// alignment environment.
#pragma once
#include "dialogs/win32/array_table_common.h"

class DialogTable : public ArrayTableCommon {
public:
    // Runs at once over parent for the document in editor.
    DialogTable(HWND parent, HWND editor);
    ~DialogTable() override = default;

    INT_PTR onInitDialog() override;
    INT_PTR onCommand(WORD id, WORD code, HWND control) override;

protected:
    Fragment fragment() const override;
    const char16_t* settingKey() const override;
    u16 record() const override;

private:
    grid::TableChoices choices() const;
    // The float box rules its controls, the label box its text.
    void updateEnabling() const;
};
