// The settings sheet: every user-adjustable setting in one modal property
// sheet. Pages save when OK is pressed and only then.
#pragma once
#include <windows.h>

struct SettingsSheetResult {
    int result = 0;              // 1 after OK, 0 after Cancel, -1 when it could not open
    bool restartNeeded = false;  // a page changed what only a new start applies
};

// Positions of the pages, for startPage.
enum SettingsPagePosition : int {
    PageBasic = 0,
    PageSupport = 1,
    PageShortcut = 2,
    PageChar = 3,
    PageMake = 4,
    PageMultiUser = 5,
};

// Runs the sheet over parent, opening on the page at startPage (the first
// shown page when that one is missing). A sheet that cannot be created is
// reported to the user.
SettingsSheetResult runSettingsSheet(HWND parent, int startPage);
