#include "dialogs/win32/dialog_array.h"

#include "frame/message_ids.h"
#include "frame/win32/language.h"
#include "lang/resource_ids.h"
#include "settings/setting_keys.h"

namespace {

// The list's index, or 0 ("array") when nothing is chosen.
int chosenEnvironment(HWND list) {
    LRESULT i = SendMessageW(list, CB_GETCURSEL, 0, 0);
    return i >= 0 && i < grid::environmentCount ? static_cast<int>(i) : 0;
}

} // namespace

DialogArray::DialogArray(HWND parent, HWND editor) : ArrayTableCommon(editor) {
    create(nullptr, VEXA_LANG_DLG_ARRAY, parent);
}

INT_PTR DialogArray::onInitDialog() {
    grid::ArrayChoices c = grid::parseArray(storedRecord());
    HWND list = item(VEXA_IDC_ARRAY_ENVIRONMENT);
    for (int i = 0; i < grid::environmentCount; ++i)
        SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(lang::message(msgid::GridEnvironmentFirst + i)));
    SendMessageW(list, CB_SETCURSEL, c.environment, 0);
    showColumnFormat(c.align, c.horizontal, c.vertical);
    showSize(c.rows, c.columns);
    updateEnabling();
    return 1;
}

INT_PTR DialogArray::onCommand(WORD id, WORD code, HWND control) {
    if (id == VEXA_IDC_ARRAY_ENVIRONMENT) {
        if (code == CBN_SELCHANGE) updateEnabling();
        return 1;
    }
    return ArrayTableCommon::onCommand(id, code, control);
}

void DialogArray::updateEnabling() const {
    // Dimmed, not cleared: the choice is still there when "array" comes back.
    bool isArray = chosenEnvironment(item(VEXA_IDC_ARRAY_ENVIRONMENT)) == 0;
    for (int id : {VEXA_IDC_ARRAY_COLUMN_FRAME, VEXA_IDC_GRID_ALIGN_LEFT, VEXA_IDC_GRID_ALIGN_CENTER,
                   VEXA_IDC_GRID_ALIGN_RIGHT, VEXA_IDC_GRID_HLINES, VEXA_IDC_GRID_VLINES})
        enable(id, isArray);
}

grid::ArrayChoices DialogArray::choices() const {
    grid::ArrayChoices c;
    c.environment = chosenEnvironment(item(VEXA_IDC_ARRAY_ENVIRONMENT));
    c.align = columnAlign();
    c.horizontal = checked(VEXA_IDC_GRID_HLINES);
    c.vertical = checked(VEXA_IDC_GRID_VLINES);
    c.rows = text(VEXA_IDC_GRID_ROWS);
    c.columns = text(VEXA_IDC_GRID_COLUMNS);
    return c;
}

Fragment DialogArray::fragment() const { return grid::buildArray(choices()); }

const char16_t* DialogArray::settingKey() const { return ini_keys::settings::Array; }

u16 DialogArray::record() const { return grid::composeArray(choices()); }
