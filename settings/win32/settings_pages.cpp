#include "settings/win32/settings_pages.h"

std::vector<std::unique_ptr<SettingsPage>> makeSettingsPages() {
    std::vector<std::unique_ptr<SettingsPage>> pages(6);
    // One line per page, by position (SettingsPagePosition); an empty
    // slot is simply not shown.
    return pages;
}
