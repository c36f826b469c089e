// Identifiers of the plug-in's own resources (the language library holds
// all the others). Included by plugin.rc, so plain #defines only.
#pragma once

#define IDS_PLUGIN_NAME 1
#define IDS_PLUGIN_DESCRIPTION 2
#define IDS_VERSION_MBCS 3
#define IDS_VERSION_UNICODE 4

#define IDB_BUTTON_SMALL 101
#define IDB_BUTTON_SMALL_HOT 102
#define IDB_BUTTON_SMALL_PRESSED 103
#define IDB_BUTTON_LARGE_HOT 104
#define IDB_BUTTON_LARGE 105
#define IDB_BUTTON_LARGE_PRESSED 106
// 107-117 and 119-124: the palette's strips, numbered by its table.
#define IDB_PAGE_LAYOUT 118

#define IDD_ABOUT 125
#define IDC_CURSOR_LINK 126
#define IDC_CURSOR_MENU_BUTTON 127

// Controls of the About box.
#define IDC_ABOUT_VERSION 128
#define IDC_ABOUT_LINK 129
#define IDC_ABOUT_LANGUAGE 132
#define IDC_ABOUT_LANGUAGE_DESCRIPTION 133
