#include "settings/win32/settings_page.h"

#include "frame/message_ids.h"
#include "frame/win32/language.h"
#include "frame/win32/plugin_app.h"
#include "settings/setting.h"
#include "settings/setting_keys.h"

bool settingsTipsOn() {
    CSetting* s = app::settings();
    return s && s->readInt(ini_keys::basic::Section, ini_keys::basic::ShowToolTip, 1) == 1;
}

SettingsPage::SettingsPage(int templateId, uint32_t titleId) : templateId_(templateId), titleId_(titleId) {}

bool SettingsPage::fillPage(PROPSHEETPAGEW& page) {
    if (!PropertyDialog::fillPage(page, nullptr, templateId_)) return false;
    title_ = lang::message(titleId_);
    page.dwFlags |= PSP_USETITLE;
    page.pszTitle = title_.c_str();
    return true;
}

INT_PTR SettingsPage::onInitDialog() {
    load();
    if (settingsTipsOn()) {
        tips_ = std::make_unique<ToolTip>();
        if (tips_->create(handle())) {
            tips_->add(handle(), 1, msgid::SettingsDefaultsTip);
            addTips();
        }
    }
    return TRUE;
}

INT_PTR SettingsPage::onCommand(WORD id, WORD code, HWND control) {
    if (id == 1 && code == BN_CLICKED) {
        if (lang::messageBox(handle(), msgid::SettingsAskDefaults, msgid::CaptionQuestion,
                             MB_YESNO | MB_ICONINFORMATION | MB_DEFBUTTON2) == IDYES)
            restoreDefaults();
        return TRUE;
    }
    return onPageCommand(id, code, control);
}

INT_PTR SettingsPage::onPageCommand(WORD, WORD, HWND) { return 0; }

INT_PTR SettingsPage::onNotify(NMHDR* header) {
    if (header && header->code == PSN_APPLY) {
        apply();
        applied_ = true;
        SetWindowLongPtrW(handle(), DWLP_MSGRESULT, PSNRET_NOERROR);
        return TRUE;
    }
    return 0;
}

void SettingsPage::tip(int controlId, uint32_t messageId) {
    if (tips_) tips_->add(handle(), controlId, messageId);
}

void SettingsPage::enable(int controlId, bool on) const {
    if (HWND control = item(controlId)) EnableWindow(control, on ? TRUE : FALSE);
}

bool SettingsPage::checked(int controlId) const { return IsDlgButtonChecked(handle(), controlId) == BST_CHECKED; }

void SettingsPage::check(int controlId, bool on) const {
    CheckDlgButton(handle(), controlId, on ? BST_CHECKED : BST_UNCHECKED);
}
