#include "settings/win32/settings_pages.h"

#include "mainwindow/win32/property_dialog_shortcut.h"
#include "settings/win32/settings_sheet.h"
#include "support/win32/property_dialog_support.h"

std::vector<std::unique_ptr<SettingsPage>> makeSettingsPages() {
    std::vector<std::unique_ptr<SettingsPage>> pages(6);
    // One line per page, by position (SettingsPagePosition); an empty
    // slot is simply not shown.
    pages[PageSupport] = std::make_unique<PropertyDialogSupport>();
    pages[PageShortcut] = std::make_unique<PropertyDialogShortcut>();
    return pages;
}
