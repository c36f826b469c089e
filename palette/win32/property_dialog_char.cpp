#include "palette/win32/property_dialog_char.h"

#include "frame/message_ids.h"
#include "frame/win32/language.h"
#include "frame/win32/plugin_app.h"
#include "lang/resource_ids.h"
#include "palette/symbol_table.h"

#include <array>

namespace {

// The category boxes in mask-bit order: box i stands for bit 1 << i.
constexpr std::array<int, char_page::CategoryCount> CategoryBoxes{
    VEXA_IDC_CHAR_SGREEK,       VEXA_IDC_CHAR_BGREEK,       VEXA_IDC_CHAR_MATH,         VEXA_IDC_CHAR_RELATION,
    VEXA_IDC_CHAR_OPERATOR,     VEXA_IDC_CHAR_ARROW,        VEXA_IDC_CHAR_PACCENT,      VEXA_IDC_CHAR_BACCENT,
    VEXA_IDC_CHAR_BRACKET,      VEXA_IDC_CHAR_AMS_SYMBOL,   VEXA_IDC_CHAR_AMS_RELATION, VEXA_IDC_CHAR_AMS_NRELATION,
    VEXA_IDC_CHAR_AMS_OPERATOR, VEXA_IDC_CHAR_AMS_ARROW,    VEXA_IDC_CHAR_AMS_PACCENT,  VEXA_IDC_CHAR_SCHAR,
    VEXA_IDC_CHAR_ECHAR,
};

UINT boxState(char_page::Place place) {
    switch (place) {
    case char_page::Place::OnTab: return BST_CHECKED;
    case char_page::Place::Detached: return BST_INDETERMINATE;
    default: return BST_UNCHECKED;
    }
}

char_page::Place placeOf(UINT state) {
    if (state == BST_CHECKED) return char_page::Place::OnTab;
    if (state == BST_INDETERMINATE) return char_page::Place::Detached;
    return char_page::Place::Hidden;
}

} // namespace

PropertyDialogChar::PropertyDialogChar() : SettingsPage(VEXA_LANG_PAGE_CHAR, msgid::CharPageTitle) {}

void PropertyDialogChar::load() {
    // The boxes read as the palette's tabs do.
    auto categories = palette::categories();
    for (size_t i = 0; i < CategoryBoxes.size() && i < categories.size(); ++i)
        setItemText(CategoryBoxes[i], lang::message(categories[i].titleMessage));
    char_page::Values values = char_page::defaults();
    if (CSetting* s = app::settings()) values = char_page::read(*s);
    show(values);
}

void PropertyDialogChar::addTips() {
    for (int box : CategoryBoxes) tip(box, msgid::CharTipCategory);
    tip(VEXA_IDC_CHAR_AUTO_CLOSE, msgid::CharTipAutoClose);
    tip(VEXA_IDC_CHAR_AUTO_CLOSE_SEP, msgid::CharTipAutoCloseSep);
}

void PropertyDialogChar::restoreDefaults() { show(char_page::defaults()); }

void PropertyDialogChar::apply() {
    if (CSetting* s = app::settings()) char_page::write(*s, shown());
}

void PropertyDialogChar::show(const char_page::Values& v) {
    for (size_t i = 0; i < CategoryBoxes.size(); ++i) CheckDlgButton(handle(), CategoryBoxes[i], boxState(v.places[i]));
    check(VEXA_IDC_CHAR_AUTO_CLOSE, v.autoClose);
    check(VEXA_IDC_CHAR_AUTO_CLOSE_SEP, v.autoCloseSep);
}

char_page::Values PropertyDialogChar::shown() const {
    char_page::Values v;
    for (size_t i = 0; i < CategoryBoxes.size(); ++i) v.places[i] = placeOf(IsDlgButtonChecked(handle(), CategoryBoxes[i]));
    v.autoClose = checked(VEXA_IDC_CHAR_AUTO_CLOSE);
    v.autoCloseSep = checked(VEXA_IDC_CHAR_AUTO_CLOSE_SEP);
    return v;
}
