#include "settings/win32/settings_sheet.h"

#include "frame/message_ids.h"
#include "frame/win32/language.h"
#include "settings/win32/settings_pages.h"

#include <commctrl.h>
#include <prsht.h>

#include <string>
#include <vector>

namespace {
constexpr size_t kCaptionLimit = 511;
} // namespace

SettingsSheetResult runSettingsSheet(HWND parent, int startPage) {
    SettingsSheetResult out;
    std::vector<std::unique_ptr<SettingsPage>> pages;
    try {
        pages = makeSettingsPages();
    } catch (const std::bad_alloc&) {
        pages.clear();
    }
    std::vector<PROPSHEETPAGEW> records;
    int start = 0;
    for (size_t i = 0; i < pages.size(); ++i) {
        PROPSHEETPAGEW record;
        // A page whose template the library lacks is left out.
        if (!pages[i] || !pages[i]->fillPage(record)) continue;
        if (static_cast<int>(i) == startPage) start = static_cast<int>(records.size());
        records.push_back(record);
    }
    if (records.empty()) {
        lang::messageBox(parent, msgid::SettingsSheetFailed, msgid::CaptionWarning, MB_OK | MB_ICONWARNING);
        out.result = -1;
        return out;
    }
    std::wstring caption = lang::message(msgid::SettingsCaption);
    if (caption.size() > kCaptionLimit) caption.resize(kCaptionLimit);

    PROPSHEETHEADERW header = {};
    header.dwSize = sizeof(header);
    header.dwFlags = PSH_PROPSHEETPAGE | PSH_NOAPPLYNOW | PSH_NOCONTEXTHELP;
    header.hwndParent = parent;
    header.pszCaption = caption.c_str();
    header.nPages = static_cast<UINT>(records.size());
    header.nStartPage = static_cast<UINT>(start);
    header.ppsp = records.data();
    INT_PTR result = PropertySheetW(&header);
    if (result < 0) {
        lang::messageBox(parent, msgid::SettingsSheetFailed, msgid::CaptionWarning, MB_OK | MB_ICONWARNING);
        out.result = -1;
        return out;
    }
    // OK sends every created page the apply notification; that, not the
    // sheet's own return value (which also depends on pages reporting
    // changes), tells OK from Cancel.
    bool applied = false;
    for (auto& page : pages) {
        if (!page) continue;
        applied = applied || page->applied();
        out.restartNeeded = out.restartNeeded || (page->applied() && page->restartNeeded());
    }
    out.result = applied ? 1 : 0;
    return out;
}
