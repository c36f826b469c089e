#include "settings/win32/settings_pages.h"

#include "mainwindow/win32/property_dialog_shortcut.h"
#include "make/win32/property_dialog_make.h"
#include "palette/win32/property_dialog_char.h"
#include "settings/win32/property_dialog_basic.h"
#include "settings/win32/property_dialog_multiuser.h"
#include "settings/win32/settings_sheet.h"
#include "support/win32/property_dialog_support.h"

std::vector<std::unique_ptr<SettingsPage>> makeSettingsPages() {
    std::vector<std::unique_ptr<SettingsPage>> pages(6);
    // One line per page, by position (SettingsPagePosition); an empty
    // slot is simply not shown.
    pages[PageBasic] = std::make_unique<PropertyDialogBasic>();
    pages[PageSupport] = std::make_unique<PropertyDialogSupport>();
    pages[PageShortcut] = std::make_unique<PropertyDialogShortcut>();
    pages[PageChar] = std::make_unique<PropertyDialogChar>();
    pages[PageMake] = std::make_unique<PropertyDialogMake>();
    pages[PageMultiUser] = std::make_unique<PropertyDialogMultiUser>();
    return pages;
}
