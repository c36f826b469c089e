#include "dialogs/win32/dialog_date.h"

#include "base/win32/wide.h"
#include "dialogs/date_format.h"
#include "frame/message_ids.h"
#include "frame/win32/help.h"
#include "frame/win32/language.h"
#include "frame/win32/plugin_app.h"
#include "frame/win32/window_editor.h"
#include "lang/resource_ids.h"
#include "mainwindow/snippet.h"
#include "settings/setting.h"
#include "settings/setting_keys.h"

#include <commctrl.h>

#include <algorithm>

namespace {

constexpr const char16_t* Section = ini_keys::date::Section;
constexpr const char16_t* HistoryKey = ini_keys::date::History;
constexpr int TextLimit = 260;
constexpr size_t MaxDefaultFormats = 100;
constexpr size_t MaxFormats = 200;

// The library's formats from the first one up to the first empty text.
std::vector<u16> defaultFormats() {
    std::vector<u16> out;
    for (uint32_t i = 0; i < MaxDefaultFormats; ++i) {
        const wchar_t* text = lang::config(cfgid::FirstDateFormat + i);
        if (!text || !*text) break;
        out.push_back(wide::u(text));
    }
    return out;
}

u16 comboText(HWND combo, LRESULT index) {
    LRESULT n = SendMessageW(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
    if (n == CB_ERR) return {};
    std::wstring text(static_cast<size_t>(n) + 1, L'\0');
    SendMessageW(combo, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
    text.resize(wcslen(text.c_str()));
    return wide::u(text.c_str());
}

// A question with the format on its own line; No is the default.
bool askAbout(HWND owner, uint32_t textId, u16view format) {
    std::wstring text = lang::message(textId);
    text += wide::w(u16(format));
    return lang::ask(owner, text.c_str());
}

void warn(HWND owner, uint32_t textId) {
    lang::messageBox(owner, textId, msgid::CaptionWarning, MB_OK | MB_ICONWARNING);
}

} // namespace

DialogDate::DialogDate(HWND parent, HWND editor) : editor_(editor) {
    INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_DATE_CLASSES};
    InitCommonControlsEx(&controls);
    create(nullptr, VEXA_LANG_DLG_DATE, parent);
    if (inserted_ && IsWindow(editor_)) SetFocus(editor_);
}

INT_PTR DialogDate::onInitDialog() {
    HWND calendar = item(VEXA_IDC_DATE_CALENDAR);
    COLORREF face = GetSysColor(COLOR_BTNFACE);
    SendMessageW(calendar, MCM_SETCOLOR, MCSC_MONTHBK, face);
    SendMessageW(calendar, MCM_SETCOLOR, MCSC_TITLEBK, face);
    // The title's usual white would vanish on the button face.
    SendMessageW(calendar, MCM_SETCOLOR, MCSC_TITLETEXT, GetSysColor(COLOR_BTNTEXT));
    // Large fonts need more than the template gives: the whole month shows.
    RECT need{};
    if (SendMessageW(calendar, MCM_GETMINREQRECT, 0, reinterpret_cast<LPARAM>(&need))) {
        RECT has{};
        GetClientRect(calendar, &has);
        if (need.right > has.right || need.bottom > has.bottom)
            SetWindowPos(calendar, nullptr, 0, 0, std::max(need.right, has.right) + 2,
                         std::max(need.bottom, has.bottom) + 2, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    SendDlgItemMessageW(handle(), VEXA_IDC_DATE_FORMAT, CB_LIMITTEXT, TextLimit, 0);
    fillFormats();
    const wchar_t* fresh = lang::config(cfgid::DateHistory);
    history_ = wide::u(fresh ? fresh : L"");
    if (CSetting* s = app::settings()) {
        if (const char16_t* text = s->readString(Section, HistoryKey, history_.c_str())) history_ = text;
    }
    setItemText(VEXA_IDC_DATE_FORMAT, wide::w(history_));
    if (!preview(history_, chosenDay())) warn(handle(), msgid::DateNotFormatted);
    return TRUE;
}

void DialogDate::fillFormats() {
    HWND combo = item(VEXA_IDC_DATE_FORMAT);
    SendMessageW(combo, CB_RESETCONTENT, 0, 0);
    std::vector<u16> defaults = defaultFormats();
    std::vector<u16> list = defaults;
    if (CSetting* s = app::settings()) list = s->readStringList(Section, defaults);
    for (const u16& f : list) SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide::w(f)));
}

std::vector<u16> DialogDate::formats() const {
    HWND combo = item(VEXA_IDC_DATE_FORMAT);
    std::vector<u16> out;
    LRESULT n = SendMessageW(combo, CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < n; ++i) out.push_back(comboText(combo, i));
    return out;
}

u16 DialogDate::editedFormat() const { return wide::u(itemText(VEXA_IDC_DATE_FORMAT).c_str()); }

u16 DialogDate::selectedFormat() const {
    HWND combo = item(VEXA_IDC_DATE_FORMAT);
    LRESULT i = SendMessageW(combo, CB_GETCURSEL, 0, 0);
    return i == CB_ERR ? u16() : comboText(combo, i);
}

SYSTEMTIME DialogDate::chosenDay() const {
    SYSTEMTIME day{};
    if (!SendDlgItemMessageW(handle(), VEXA_IDC_DATE_CALENDAR, MCM_GETCURSEL, 0, reinterpret_cast<LPARAM>(&day)))
        GetLocalTime(&day);
    return day;
}

u16 DialogDate::dateText(u16view format, const SYSTEMTIME& day) const {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    if (const std::tm* t = std::localtime(&now)) local = *t;
    std::tm when = date_format::combine(day.wYear, day.wMonth, day.wDay, local);
    const wchar_t* name = lang::config(cfgid::Locale);
    Locale locale(wide::u(name ? name : L""));
    return date_format::expand(format, when);
}

bool DialogDate::preview(u16view format, const SYSTEMTIME& day) {
    u16 text = dateText(format, day);
    setItemText(VEXA_IDC_DATE_PREVIEW, wide::w(text));
    return !text.empty();
}

INT_PTR DialogDate::onCommand(WORD id, WORD code, HWND) {
    switch (id) {
    case IDOK: accept(); return 1;
    case IDCANCEL: cancel(); return 1;
    case VEXA_IDC_DATE_FORMAT:
        // While the selection changes the edit field still holds the old text.
        if (code == CBN_SELCHANGE) preview(selectedFormat(), chosenDay());
        else if (code == CBN_EDITCHANGE) preview(editedFormat(), chosenDay());
        else return 0;
        return 1;
    case VEXA_IDC_DATE_ADD: add(); return 1;
    case VEXA_IDC_DATE_DELETE: remove(); return 1;
    case VEXA_IDC_DATE_RESTORE: restore(); return 1;
    case VEXA_IDC_DATE_HELP: showHelpTopic(instance(), cfgid::HelpDate); return 1;
    default: return 0;
    }
}

INT_PTR DialogDate::onNotify(NMHDR* header) {
    if (header && header->idFrom == VEXA_IDC_DATE_CALENDAR && header->code == MCN_SELCHANGE) {
        preview(editedFormat(), reinterpret_cast<NMSELCHANGE*>(header)->stSelStart);
        return 1;
    }
    return 0;
}

void DialogDate::add() {
    u16 format = editedFormat();
    if (format.empty()) return;
    std::vector<u16> list = formats();
    for (const u16& f : list) {
        if (f == format) {
            warn(handle(), msgid::DateAlreadyListed);
            return;
        }
    }
    if (list.size() > MaxFormats) {
        warn(handle(), msgid::DateListFull);
        return;
    }
    if (!askAbout(handle(), msgid::DateAskAdd, format)) return;
    SendDlgItemMessageW(handle(), VEXA_IDC_DATE_FORMAT, CB_ADDSTRING, 0,
                        reinterpret_cast<LPARAM>(wide::w(format)));
    listChanged_ = true;
}

void DialogDate::remove() {
    HWND combo = item(VEXA_IDC_DATE_FORMAT);
    LRESULT i = SendMessageW(combo, CB_GETCURSEL, 0, 0);
    if (i == CB_ERR) return;
    if (!askAbout(handle(), msgid::DateAskDelete, comboText(combo, i))) return;
    SendMessageW(combo, CB_DELETESTRING, static_cast<WPARAM>(i), 0);
    listChanged_ = true;
}

void DialogDate::restore() {
    if (!lang::ask(handle(), msgid::DateAskRestore)) return;
    if (CSetting* s = app::settings()) s->deleteSection(Section);
    std::wstring edited = itemText(VEXA_IDC_DATE_FORMAT);
    fillFormats();
    setItemText(VEXA_IDC_DATE_FORMAT, edited);
    listChanged_ = false;   // the list is the library's again, and so is the file
}

void DialogDate::saveList() {
    if (!listChanged_ || !lang::ask(handle(), msgid::DateAskSaveList)) return;
    CSetting* s = app::settings();
    if (!s) return;
    std::vector<u16> list = formats();
    list.emplace_back();   // ends the list where the library's defaults would go on
    s->beginBatch();
    s->deleteSection(Section);
    s->writeStringList(Section, list);
    s->endBatch();
}

void DialogDate::accept() {
    saveList();
    u16 format = editedFormat();
    u16 text = dateText(format, chosenDay());
    if (text.empty()) {
        warn(handle(), msgid::DateNotFormatted);
    } else {
        WindowEditor editor(editor_);
        snippet::Target target{editor, true};
        inserted_ = snippet::insertSnippet(target, text, u"", snippet::AtCaret);
    }
    if (CSetting* s = app::settings()) s->writeString(Section, HistoryKey, format.c_str());
    close(IDOK);
}

void DialogDate::cancel() {
    saveList();
    if (CSetting* s = app::settings()) s->writeString(Section, HistoryKey, history_.c_str());
    close(IDCANCEL);
}
