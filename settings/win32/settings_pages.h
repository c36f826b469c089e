// The pages of the settings sheet in their order; each page's own file
// says what it edits.
#pragma once
#include "settings/win32/settings_page.h"

#include <memory>
#include <vector>

// Index i of the result is the page at position i of the sheet.
std::vector<std::unique_ptr<SettingsPage>> makeSettingsPages();
