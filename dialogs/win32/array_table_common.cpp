#include "dialogs/win32/array_table_common.h"

#include "base/win32/wide.h"
#include "frame/message_ids.h"
#include "frame/win32/language.h"
#include "frame/win32/plugin_app.h"
#include "frame/win32/window_editor.h"
#include "lang/resource_ids.h"
#include "mainwindow/snippet.h"
#include "settings/setting.h"
#include "settings/setting_keys.h"

namespace {
// Three digits: 999 rows or columns at most can be typed.
constexpr WPARAM SizeDigits = 3;
} // namespace

INT_PTR ArrayTableCommon::onCommand(WORD id, WORD, HWND) {
    switch (id) {
    case IDOK:
        if (sizeAccepted()) accept();
        return 1;
    case IDCANCEL: close(IDCANCEL); return 1;
    case VEXA_IDC_GRID_DEFAULTS:
        if (sizeAccepted() && lang::ask(handle(), msgid::GridAskSaveDefaults)) saveDefaults();
        return 1;
    default: return 0;
    }
}

u16 ArrayTableCommon::storedRecord() const {
    CSetting* s = app::settings();
    const char16_t* stored = s ? s->readString(ini_keys::settings::Section, settingKey(), u"") : nullptr;
    return stored ? u16(stored) : u16();
}

void ArrayTableCommon::showSize(const u16& rows, const u16& columns) const {
    SendMessageW(item(VEXA_IDC_GRID_ROWS), EM_LIMITTEXT, SizeDigits, 0);
    SendMessageW(item(VEXA_IDC_GRID_COLUMNS), EM_LIMITTEXT, SizeDigits, 0);
    setItemText(VEXA_IDC_GRID_ROWS, wide::w(rows));
    setItemText(VEXA_IDC_GRID_COLUMNS, wide::w(columns));
}

void ArrayTableCommon::showColumnFormat(grid::ColumnAlign align, bool horizontal, bool vertical) const {
    int radio = align == grid::ColumnAlign::Left    ? VEXA_IDC_GRID_ALIGN_LEFT
                : align == grid::ColumnAlign::Right ? VEXA_IDC_GRID_ALIGN_RIGHT
                                                    : VEXA_IDC_GRID_ALIGN_CENTER;
    CheckRadioButton(handle(), VEXA_IDC_GRID_ALIGN_LEFT, VEXA_IDC_GRID_ALIGN_RIGHT, radio);
    check(VEXA_IDC_GRID_HLINES, horizontal);
    check(VEXA_IDC_GRID_VLINES, vertical);
}

grid::ColumnAlign ArrayTableCommon::columnAlign() const {
    if (checked(VEXA_IDC_GRID_ALIGN_LEFT)) return grid::ColumnAlign::Left;
    if (checked(VEXA_IDC_GRID_ALIGN_RIGHT)) return grid::ColumnAlign::Right;
    return grid::ColumnAlign::Center;
}

u16 ArrayTableCommon::text(int id) const { return wide::u(itemText(id).c_str()); }

bool ArrayTableCommon::checked(int id) const { return IsDlgButtonChecked(handle(), id) == BST_CHECKED; }

void ArrayTableCommon::check(int id, bool on) const { CheckDlgButton(handle(), id, on ? BST_CHECKED : BST_UNCHECKED); }

void ArrayTableCommon::enable(int id, bool on) const { EnableWindow(item(id), on ? TRUE : FALSE); }

bool ArrayTableCommon::sizeAccepted() const {
    int box = 0;
    uint32_t message = 0;
    switch (grid::check(grid::readSize(text(VEXA_IDC_GRID_ROWS), text(VEXA_IDC_GRID_COLUMNS)))) {
    case grid::SizeCheck::Ok: return true;
    case grid::SizeCheck::TooManyRows:
        box = VEXA_IDC_GRID_ROWS;
        message = msgid::GridTooManyRows;
        break;
    case grid::SizeCheck::TooManyColumns:
        box = VEXA_IDC_GRID_COLUMNS;
        message = msgid::GridTooManyColumns;
        break;
    }
    lang::messageBox(handle(), message, msgid::CaptionWarning, MB_OK | MB_ICONWARNING);
    SetFocus(item(box));
    SendMessageW(item(box), EM_SETSEL, 0, -1);
    return false;
}

void ArrayTableCommon::accept() {
    Fragment f = fragment();
    WindowEditor editor(editor_);
    inserted_ = snippet::insertSnippet(snippet::Target{editor, true}, f.before, f.after, snippet::Wrap);
    close(IDOK);
}

void ArrayTableCommon::saveDefaults() const {
    if (CSetting* s = app::settings()) s->writeString(ini_keys::settings::Section, settingKey(), record().c_str());
}
