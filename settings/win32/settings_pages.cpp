#include "settings/win32/settings_pages.h"

#include "make/win32/property_dialog_make.h"
#include "settings/win32/settings_sheet.h"

std::vector<std::unique_ptr<SettingsPage>> makeSettingsPages() {
    std::vector<std::unique_ptr<SettingsPage>> pages(6);
    // One line per page, by position (SettingsPagePosition); an empty
    // slot is simply not shown.
    pages[PageMake] = std::make_unique<PropertyDialogMake>();
    return pages;
}
