#include "dialogs/win32/dialog_table.h"

#include "base/win32/wide.h"
#include "lang/resource_ids.h"
#include "settings/setting_keys.h"

namespace {

constexpr WPARAM TextLimit = 260;

constexpr int floatRadios[] = {VEXA_IDC_TABLE_ALIGN_NONE, VEXA_IDC_TABLE_FLUSHLEFT, VEXA_IDC_TABLE_CENTER,
                               VEXA_IDC_TABLE_FLUSHRIGHT};

// Everything that belongs to the float and is dimmed without it; the label
// text follows its own box as well.
constexpr int floatControls[] = {VEXA_IDC_TABLE_PLAIN,         VEXA_IDC_TABLE_STARRED,
                                 VEXA_IDC_TABLE_PLACEMENT,     VEXA_IDC_TABLE_PLACEMENT_LABEL,
                                 VEXA_IDC_TABLE_CAPTION,       VEXA_IDC_TABLE_CAPTION_LABEL,
                                 VEXA_IDC_TABLE_LABEL,         VEXA_IDC_TABLE_ALIGN_FRAME,
                                 VEXA_IDC_TABLE_ALIGN_NONE,    VEXA_IDC_TABLE_FLUSHLEFT,
                                 VEXA_IDC_TABLE_CENTER,        VEXA_IDC_TABLE_FLUSHRIGHT};

} // namespace

DialogTable::DialogTable(HWND parent, HWND editor) : ArrayTableCommon(editor) {
    create(nullptr, VEXA_LANG_DLG_TABLE, parent);
}

INT_PTR DialogTable::onInitDialog() {
    grid::TableChoices c = grid::parseTable(storedRecord());
    for (int id : {VEXA_IDC_TABLE_PLACEMENT, VEXA_IDC_TABLE_CAPTION, VEXA_IDC_TABLE_LABEL_TEXT})
        SendMessageW(item(id), EM_LIMITTEXT, TextLimit, 0);
    check(VEXA_IDC_TABLE_FLOAT, c.floating);
    CheckRadioButton(handle(), VEXA_IDC_TABLE_PLAIN, VEXA_IDC_TABLE_STARRED,
                     c.starred ? VEXA_IDC_TABLE_STARRED : VEXA_IDC_TABLE_PLAIN);
    setItemText(VEXA_IDC_TABLE_PLACEMENT, wide::w(c.placement));
    check(VEXA_IDC_TABLE_LABEL, c.label);
    for (int i = 0; i < 4; ++i) check(floatRadios[i], static_cast<int>(c.floatAlign) == i);
    showColumnFormat(c.align, c.horizontal, c.vertical);
    showSize(c.rows, c.columns);
    updateEnabling();
    return 1;
}

INT_PTR DialogTable::onCommand(WORD id, WORD code, HWND control) {
    if (id == VEXA_IDC_TABLE_FLOAT || id == VEXA_IDC_TABLE_LABEL) {
        if (code == BN_CLICKED) updateEnabling();
        return 1;
    }
    return ArrayTableCommon::onCommand(id, code, control);
}

void DialogTable::updateEnabling() const {
    bool floating = checked(VEXA_IDC_TABLE_FLOAT);
    for (int id : floatControls) enable(id, floating);
    enable(VEXA_IDC_TABLE_LABEL_TEXT, floating && checked(VEXA_IDC_TABLE_LABEL));
}

grid::TableChoices DialogTable::choices() const {
    grid::TableChoices c;
    c.floating = checked(VEXA_IDC_TABLE_FLOAT);
    c.starred = checked(VEXA_IDC_TABLE_STARRED);
    c.placement = text(VEXA_IDC_TABLE_PLACEMENT);
    c.label = checked(VEXA_IDC_TABLE_LABEL);
    c.floatAlign = grid::FloatAlign::None;
    for (int i = 0; i < 4; ++i)
        if (checked(floatRadios[i])) c.floatAlign = static_cast<grid::FloatAlign>(i);
    c.align = columnAlign();
    c.horizontal = checked(VEXA_IDC_GRID_HLINES);
    c.vertical = checked(VEXA_IDC_GRID_VLINES);
    c.rows = text(VEXA_IDC_GRID_ROWS);
    c.columns = text(VEXA_IDC_GRID_COLUMNS);
    return c;
}

Fragment DialogTable::fragment() const {
    return grid::buildTable(choices(), {text(VEXA_IDC_TABLE_CAPTION), text(VEXA_IDC_TABLE_LABEL_TEXT)});
}

const char16_t* DialogTable::settingKey() const { return ini_keys::settings::Table; }

u16 DialogTable::record() const { return grid::composeTable(choices()); }
