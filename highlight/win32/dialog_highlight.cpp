#include "highlight/win32/dialog_highlight.h"

#include "base/win32/wide.h"
#include "frame/message_ids.h"
#include "frame/win32/help.h"
#include "frame/win32/language.h"
#include "frame/win32/plugin_app.h"
#include "highlight/highlight_pattern.h"
#include "highlight/highlight_presets.h"
#include "lang/resource_ids.h"
#include "settings/setting.h"
#include "settings/setting_keys.h"

#include <optional>

namespace {

namespace keys = ini_keys::highlight;

// Check boxes, grid lines and full-row selection.
constexpr DWORD ListStyle = LVS_EX_CHECKBOXES | LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT;
constexpr int NameColumnWidth = 100;
constexpr int PatternColumnFallback = 200;

u16 presetName(uint32_t textId) { return lang::text(textId); }

} // namespace

DialogHighlight::DialogHighlight(HWND parent, Highlight& store, Mode mode)
    : parent_(parent), store_(store), mode_(mode) {
    result_ = create(nullptr, VEXA_LANG_DLG_HIGHLIGHT, parent);
}

INT_PTR DialogHighlight::onInitDialog() {
    if (mode_ == Mode::Edit) {
        int32_t id = highlight_presets::DefaultItem;
        if (CSetting* s = app::settings()) id = s->readInt(keys::Section, keys::Item, highlight_presets::DefaultItem);
        std::optional<HighlightItem> current = store_.GetItem(id, presetName);
        if (!current) {
            lang::messageBox(parent_, msgid::HighlightNoItem, msgid::CaptionWarning, MB_OK | MB_ICONWARNING);
            close(IDCANCEL);
            return 1;
        }
        setItemText(VEXA_IDC_HIGHLIGHT_PATTERN, wide::w(current->pattern));
        setItemText(VEXA_IDC_HIGHLIGHT_NAME, wide::w(current->name));
        SetWindowTextW(handle(), lang::message(msgid::HighlightEditTitle));
        EnableWindow(item(VEXA_IDC_HIGHLIGHT_NAME), FALSE);
    }
    for (int id : {VEXA_IDC_HIGHLIGHT_NAME, VEXA_IDC_HIGHLIGHT_PATTERN, VEXA_IDC_HIGHLIGHT_ENVIRONMENT})
        SendMessageW(item(id), EM_LIMITTEXT, MaxLength, 0);
    updateButtons();
    // Disabled at first whatever was filled in, until the user types.
    EnableWindow(item(IDOK), FALSE);
    EnableWindow(item(VEXA_IDC_HIGHLIGHT_ENVIRONMENT_BUILD), FALSE);
    addColumns();
    fillList();
    EnableWindow(item(VEXA_IDC_HIGHLIGHT_COMBINE), FALSE);
    // The name is greyed when editing: the pattern is what changes then.
    SetFocus(item(mode_ == Mode::Edit ? VEXA_IDC_HIGHLIGHT_PATTERN : VEXA_IDC_HIGHLIGHT_NAME));
    return 0;  // the focus is set
}

void DialogHighlight::addColumns() const {
    HWND list = item(VEXA_IDC_HIGHLIGHT_LIST);
    SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, ListStyle, ListStyle);
    RECT client{};
    int patternWidth = PatternColumnFallback;
    if (GetClientRect(list, &client) && client.right > 0)
        patternWidth = std::max(0, static_cast<int>(client.right) - NameColumnWidth - GetSystemMetrics(SM_CXVSCROLL));
    std::wstring captions[2] = {lang::message(msgid::HighlightColumnName),
                                lang::message(msgid::HighlightColumnPattern)};
    int widths[2] = {NameColumnWidth, patternWidth};
    for (int c = 0; c < 2; ++c) {
        LVCOLUMNW col{};
        col.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
        col.pszText = captions[c].data();
        col.cx = widths[c];
        col.iSubItem = c;
        SendMessageW(list, LVM_INSERTCOLUMNW, c, reinterpret_cast<LPARAM>(&col));
    }
}

void DialogHighlight::fillList() {
    HWND list = item(VEXA_IDC_HIGHLIGHT_LIST);
    filling_ = true;
    SendMessageW(list, LVM_DELETEALLITEMS, 0, 0);
    rowPatterns_.clear();
    auto add = [&](const u16& name, const u16& pattern) {
        std::wstring n = wide::w(name), p = wide::w(pattern);
        LVITEMW row{};
        row.mask = LVIF_TEXT;
        row.iItem = static_cast<int>(rowPatterns_.size());
        row.pszText = n.data();
        int at = static_cast<int>(SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&row)));
        if (at < 0) return;
        row.iItem = at;
        row.iSubItem = 1;
        row.pszText = p.data();
        SendMessageW(list, LVM_SETITEMTEXTW, at, reinterpret_cast<LPARAM>(&row));
        rowPatterns_.push_back(pattern);
    };
    for (const highlight_presets::Preset& p : highlight_presets::all()) add(presetName(p.nameId), p.pattern);
    for (const HighlightItem& i : store_.items()) add(i.name, i.pattern);
    filling_ = false;
}

INT_PTR DialogHighlight::onCommand(WORD id, WORD code, HWND) {
    switch (id) {
    case VEXA_IDC_HIGHLIGHT_NAME:
    case VEXA_IDC_HIGHLIGHT_PATTERN:
    case VEXA_IDC_HIGHLIGHT_ENVIRONMENT:
        if (code == EN_CHANGE) updateButtons();
        return 1;
    case VEXA_IDC_HIGHLIGHT_COMBINE: combine(); return 1;
    case VEXA_IDC_HIGHLIGHT_ENVIRONMENT_BUILD: environment(); return 1;
    case VEXA_IDC_HIGHLIGHT_ESCAPE: escape(); return 1;
    case VEXA_IDC_HIGHLIGHT_HELP: showHelpTopic(instance(), cfgid::HelpHighlight); return 1;
    case IDOK: accept(); return 1;
    case IDCANCEL: close(IDCANCEL); return 1;
    default: return 0;
    }
}

INT_PTR DialogHighlight::onNotify(NMHDR* header) {
    if (header->idFrom != VEXA_IDC_HIGHLIGHT_LIST || header->code != LVN_ITEMCHANGED || filling_) return 0;
    if (reinterpret_cast<NMLISTVIEW*>(header)->uChanged & LVIF_STATE) updateCombine();
    return 0;
}

int DialogHighlight::length(int id) const { return GetWindowTextLengthW(item(id)); }

u16 DialogHighlight::text(int id) const {
    std::wstring t = itemText(id);
    return wide::u(t.c_str(), t.size());
}

void DialogHighlight::updateButtons() const {
    EnableWindow(item(IDOK), length(VEXA_IDC_HIGHLIGHT_NAME) > 0 && length(VEXA_IDC_HIGHLIGHT_PATTERN) > 0);
    EnableWindow(item(VEXA_IDC_HIGHLIGHT_ESCAPE), length(VEXA_IDC_HIGHLIGHT_PATTERN) > 0);
    EnableWindow(item(VEXA_IDC_HIGHLIGHT_ENVIRONMENT_BUILD), length(VEXA_IDC_HIGHLIGHT_ENVIRONMENT) > 0);
}

void DialogHighlight::updateCombine() const {
    HWND list = item(VEXA_IDC_HIGHLIGHT_LIST);
    bool any = false;
    for (int row = 0, n = static_cast<int>(rowPatterns_.size()); row < n && !any; ++row)
        any = ListView_GetCheckState(list, row) != 0;
    EnableWindow(item(VEXA_IDC_HIGHLIGHT_COMBINE), any);
}

void DialogHighlight::combine() {
    HWND list = item(VEXA_IDC_HIGHLIGHT_LIST);
    std::vector<u16> chosen;
    for (int row = 0, n = static_cast<int>(rowPatterns_.size()); row < n; ++row) {
        if (!ListView_GetCheckState(list, row)) continue;
        ListView_SetCheckState(list, row, FALSE);
        chosen.push_back(rowPatterns_[static_cast<size_t>(row)]);
    }
    u16 pattern = highlight_pattern::combine(chosen);
    if (!pattern.empty()) setItemText(VEXA_IDC_HIGHLIGHT_PATTERN, wide::w(pattern));
}

void DialogHighlight::environment() {
    u16 name = text(VEXA_IDC_HIGHLIGHT_ENVIRONMENT);
    if (name.empty()) return;
    setItemText(VEXA_IDC_HIGHLIGHT_PATTERN, wide::w(highlight_pattern::environment(name)));
}

void DialogHighlight::escape() {
    setItemText(VEXA_IDC_HIGHLIGHT_PATTERN, wide::w(highlight_pattern::escape(text(VEXA_IDC_HIGHLIGHT_PATTERN))));
}

void DialogHighlight::accept() {
    // OK can be pressed by Enter while disabled buttons are bypassed.
    if (length(VEXA_IDC_HIGHLIGHT_NAME) == 0 || length(VEXA_IDC_HIGHLIGHT_PATTERN) == 0) return;
    // A tab would split the stored entry differently when read back.
    auto clean = [](u16 s) {
        for (char16_t& c : s)
            if (c == u'\t') c = u' ';
        return s;
    };
    HighlightItem added{clean(text(VEXA_IDC_HIGHLIGHT_NAME)), clean(text(VEXA_IDC_HIGHLIGHT_PATTERN))};
    if (mode_ == Mode::Edit) {
        store_.PutItem(added);
    } else if (!store_.PutItem(added, [this](const HighlightItem& o, const HighlightItem& n) { return askReplace(o, n); })) {
        return;  // No: the dialog stays open, nothing changed
    }
    close(IDOK);
}

bool DialogHighlight::askReplace(const HighlightItem& old, const HighlightItem& added) const {
    auto m = [](uint32_t id) { return std::wstring(lang::message(id)); };
    auto pair = [&](const HighlightItem& i) {
        return m(msgid::HighlightNameLabel) + wide::w(i.name) + L"\n" + m(msgid::HighlightPatternLabel) +
               wide::w(i.pattern);
    };
    std::wstring question = m(msgid::HighlightAskReplace) + L"\n\n" + m(msgid::HighlightOldItem) + L"\n" + pair(old) +
                            L"\n\n" + m(msgid::HighlightNewItem) + L"\n" + pair(added) + L"\n\n" +
                            m(msgid::HighlightAskReplaceEnd);
    return lang::ask(handle(), question.c_str());
}
