#include "settings/win32/property_dialog_multiuser.h"

#include "base/win32/wide.h"
#include "frame/message_ids.h"
#include "frame/win32/language.h"
#include "frame/win32/module.h"
#include "lang/resource_ids.h"
#include "settings/multiuser_page_model.h"
#include "settings/setting.h"

#include <new>

PropertyDialogMultiUser::PropertyDialogMultiUser() : SettingsPage(VEXA_LANG_PAGE_MULTIUSER, msgid::MultiUserPageTitle) {}

PropertyDialogMultiUser::~PropertyDialogMultiUser() = default;

void PropertyDialogMultiUser::load() {
    besidePlugin_.reset(new (std::nothrow) CSetting(wide::u(lang::pluginFolder(pluginInstance()).c_str())));
    bool usable = besidePlugin_ && besidePlugin_->isUsable();
    startMode_ = appliedMode_ = usable && multiuser_page::readMode(*besidePlugin_);
    check(VEXA_IDC_MULTIUSER_MULTI, startMode_);
    check(VEXA_IDC_MULTIUSER_SINGLE, !startMode_);
    if (!usable || !multiuser_page::canWrite(*besidePlugin_)) {
        enable(VEXA_IDC_MULTIUSER_SINGLE, false);
        enable(VEXA_IDC_MULTIUSER_MULTI, false);
        enable(VEXA_IDC_PAGE_DEFAULTS, false);
    }
}

void PropertyDialogMultiUser::addTips() {
    tip(VEXA_IDC_MULTIUSER_SINGLE, msgid::MultiUserTipSingle);
    tip(VEXA_IDC_MULTIUSER_MULTI, msgid::MultiUserTipMulti);
}

void PropertyDialogMultiUser::restoreDefaults() {
    check(VEXA_IDC_MULTIUSER_SINGLE, true);
    check(VEXA_IDC_MULTIUSER_MULTI, false);
}

void PropertyDialogMultiUser::apply() {
    // Disabled means the file could not be written when the page opened.
    if (!besidePlugin_ || !IsWindowEnabled(item(VEXA_IDC_MULTIUSER_SINGLE))) return;
    bool multi = checked(VEXA_IDC_MULTIUSER_MULTI);
    if (multiuser_page::write(*besidePlugin_, multi)) appliedMode_ = multi;
}
