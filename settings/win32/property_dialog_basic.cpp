#include "settings/win32/property_dialog_basic.h"

#include "base/win32/wide.h"
#include "frame/message_ids.h"
#include "frame/win32/dialog_language.h"
#include "frame/win32/language.h"
#include "frame/win32/module.h"
#include "frame/win32/plugin_app.h"
#include "lang/resource_ids.h"

namespace {
constexpr int LinesDigits = 2;
constexpr int LimitDigits = 6;
} // namespace

PropertyDialogBasic::PropertyDialogBasic() : SettingsPage(VEXA_LANG_PAGE_BASIC, msgid::BasicPageTitle) {}

void PropertyDialogBasic::load() {
    HWND list = item(VEXA_IDC_BASIC_PLACEMENT);
    for (uint32_t id = msgid::BasicPlacementFirst; id <= msgid::BasicPlacementLast; ++id)
        SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(lang::message(id)));
    SendDlgItemMessageW(handle(), VEXA_IDC_BASIC_LINES, EM_LIMITTEXT, LinesDigits, 0);
    SendDlgItemMessageW(handle(), VEXA_IDC_BASIC_LIMIT, EM_LIMITTEXT, LimitDigits, 0);

    basic_page::Values values;
    if (CSetting* s = app::settings()) values = basic_page::read(*s);
    show(values);
    std::wstring configured = lang::configuredName(pluginInstance());
    if (configured.empty()) configured = lang::defaultName();
    language_.emplace(wide::u(configured.c_str()));
}

void PropertyDialogBasic::addTips() {
    tip(VEXA_IDC_BASIC_PLACEMENT, msgid::BasicTipPlacement);
    tip(VEXA_IDC_BASIC_LINES, msgid::BasicTipLines);
    tip(VEXA_IDC_BASIC_COMPLETE_VISIBLE, msgid::BasicTipCompleteVisible);
    tip(VEXA_IDC_BASIC_SUB_ABSOLUTE, msgid::BasicTipSubAbsolute);
    tip(VEXA_IDC_BASIC_SUB_RELATIVE, msgid::BasicTipSubRelative);
    tip(VEXA_IDC_BASIC_SUB_DEFAULT, msgid::BasicTipSubDefault);
    tip(VEXA_IDC_BASIC_MOVE_MAIN, msgid::BasicTipMoveMain);
    tip(VEXA_IDC_BASIC_MOVE_SUB, msgid::BasicTipMoveSub);
    tip(VEXA_IDC_BASIC_LIMIT, msgid::BasicTipLimit);
    tip(VEXA_IDC_BASIC_AUTO_EXECUTE, msgid::BasicTipAutoExecute);
    tip(VEXA_IDC_BASIC_SUB_COMPLETE_VISIBLE, msgid::BasicTipSubCompleteVisible);
    tip(VEXA_IDC_BASIC_HIDE_SUB, msgid::BasicTipHideSub);
    tip(VEXA_IDC_BASIC_TOOL_TIPS, msgid::BasicTipToolTips);
    tip(VEXA_IDC_BASIC_LANGUAGE, msgid::BasicTipLanguage);
}

void PropertyDialogBasic::restoreDefaults() {
    show(basic_page::Values{});
    // The default library, but only when it is there: naming a file that
    // cannot load would only bring the chooser back at the next start.
    std::wstring fallback = lang::defaultName();
    if (language_ && lang::Candidate(lang::languageFolder(pluginInstance()) + L"\\" + fallback).accepted())
        language_->pick(wide::u(fallback.c_str()));
}

void PropertyDialogBasic::apply() {
    if (CSetting* s = app::settings()) basic_page::write(*s, shown());
    if (language_ && language_->changed())
        lang::saveConfiguredName(pluginInstance(), wide::w(language_->name()));
}

INT_PTR PropertyDialogBasic::onPageCommand(WORD id, WORD code, HWND) {
    if (id == VEXA_IDC_BASIC_PLACEMENT && code == CBN_SELCHANGE) {
        enableForPlacement();
        return TRUE;
    }
    if (id == VEXA_IDC_BASIC_LANGUAGE && code == BN_CLICKED) {
        chooseLanguage();
        return TRUE;
    }
    return FALSE;
}

void PropertyDialogBasic::show(const basic_page::Values& v) {
    SendDlgItemMessageW(handle(), VEXA_IDC_BASIC_PLACEMENT, CB_SETCURSEL, basic_page::placementSelection(v.placement),
                        0);
    SetDlgItemInt(handle(), VEXA_IDC_BASIC_LINES, static_cast<UINT>(v.lines), TRUE);
    check(VEXA_IDC_BASIC_COMPLETE_VISIBLE, v.completeVisible);
    using M = basic_page::SubWindowMode;
    check(VEXA_IDC_BASIC_SUB_ABSOLUTE, v.subWindow == M::Absolute);
    check(VEXA_IDC_BASIC_SUB_RELATIVE, v.subWindow == M::Relative);
    check(VEXA_IDC_BASIC_SUB_DEFAULT, v.subWindow == M::Default);
    check(VEXA_IDC_BASIC_MOVE_MAIN, v.mainFollowsFrame);
    check(VEXA_IDC_BASIC_MOVE_SUB, v.subWindowsFollowFrame);
    SetDlgItemInt(handle(), VEXA_IDC_BASIC_LIMIT, static_cast<UINT>(v.limit), TRUE);
    check(VEXA_IDC_BASIC_AUTO_EXECUTE, v.autoExecute);
    check(VEXA_IDC_BASIC_SUB_COMPLETE_VISIBLE, v.subCompleteVisible);
    check(VEXA_IDC_BASIC_HIDE_SUB, v.hideSubWindow);
    check(VEXA_IDC_BASIC_TOOL_TIPS, v.showToolTip);
    enableForPlacement();
}

basic_page::Values PropertyDialogBasic::shown() const {
    basic_page::Values v;
    v.placement = static_cast<int32_t>(SendDlgItemMessageW(handle(), VEXA_IDC_BASIC_PLACEMENT, CB_GETCURSEL, 0, 0));
    // The fields take digits only; an emptied one stores 0.
    v.lines = static_cast<int32_t>(GetDlgItemInt(handle(), VEXA_IDC_BASIC_LINES, nullptr, TRUE));
    v.completeVisible = checked(VEXA_IDC_BASIC_COMPLETE_VISIBLE);
    using M = basic_page::SubWindowMode;
    v.subWindow = checked(VEXA_IDC_BASIC_SUB_ABSOLUTE)   ? M::Absolute
                  : checked(VEXA_IDC_BASIC_SUB_RELATIVE) ? M::Relative
                                                         : M::Default;
    v.mainFollowsFrame = checked(VEXA_IDC_BASIC_MOVE_MAIN);
    v.subWindowsFollowFrame = checked(VEXA_IDC_BASIC_MOVE_SUB);
    v.limit = static_cast<int32_t>(GetDlgItemInt(handle(), VEXA_IDC_BASIC_LIMIT, nullptr, TRUE));
    v.autoExecute = checked(VEXA_IDC_BASIC_AUTO_EXECUTE);
    v.subCompleteVisible = checked(VEXA_IDC_BASIC_SUB_COMPLETE_VISIBLE);
    v.hideSubWindow = checked(VEXA_IDC_BASIC_HIDE_SUB);
    v.showToolTip = checked(VEXA_IDC_BASIC_TOOL_TIPS);
    return v;
}

void PropertyDialogBasic::enableForPlacement() {
    auto placement = static_cast<int32_t>(SendDlgItemMessageW(handle(), VEXA_IDC_BASIC_PLACEMENT, CB_GETCURSEL, 0, 0));
    bool rows = basic_page::rowsApply(placement);
    bool floating = basic_page::floatingChoicesApply(placement);
    enable(VEXA_IDC_BASIC_LINES_LABEL, rows);
    enable(VEXA_IDC_BASIC_LINES, rows);
    enable(VEXA_IDC_BASIC_COMPLETE_VISIBLE, floating);
    enable(VEXA_IDC_BASIC_MOVE_MAIN, floating);
}

void PropertyDialogBasic::chooseLanguage() {
    if (!language_) return;
    // Nothing is saved here: the choice is kept for OK, like the rest.
    DialogLanguage chooser(pluginInstance(), handle(), true, false, true, wide::w(language_->name()));
    if (chooser.accepted()) language_->pick(wide::u(chooser.chosen().c_str()));
}
