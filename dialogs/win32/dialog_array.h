// The array dialog (command 41039): an array with a column format, or one of
// the matrix environments, with empty cells for math mode.
#pragma once
#include "dialogs/win32/array_table_common.h"

class DialogArray : public ArrayTableCommon {
public:
    // Runs at once over parent for the document in editor.
    DialogArray(HWND parent, HWND editor);
    ~DialogArray() override = default;

    INT_PTR onInitDialog() override;
    INT_PTR onCommand(WORD id, WORD code, HWND control) override;

protected:
    Fragment fragment() const override;
    const char16_t* settingKey() const override;
    u16 record() const override;

private:
    grid::ArrayChoices choices() const;
    // The column format belongs to "array" alone.
    void updateEnabling() const;
};
