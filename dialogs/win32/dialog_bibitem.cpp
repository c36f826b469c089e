#include "dialogs/win32/dialog_bibitem.h"

#include "base/win32/wide.h"
#include "dialogs/bib_fragment.h"
#include "frame/message_ids.h"
#include "frame/win32/language.h"
#include "frame/win32/plugin_app.h"
#include "frame/win32/window_editor.h"
#include "lang/resource_ids.h"
#include "mainwindow/snippet.h"
#include "settings/setting.h"
#include "settings/setting_keys.h"

namespace {

namespace keys = ini_keys::settings;

constexpr int WidestLimit = 260;
constexpr int CountLimit = 4;

bool checked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }

} // namespace

DialogBibitem::DialogBibitem(HWND parent, HWND editor) : editor_(editor) {
    result_ = create(nullptr, VEXA_LANG_DLG_BIBITEM, parent);
}

INT_PTR DialogBibitem::onInitDialog() {
    bib::Choices c;
    if (CSetting* settings = app::settings()) {
        const char16_t* stored = settings->readString(keys::Section, keys::Bibitem, bib::compose(c).c_str());
        if (stored) c = bib::parse(stored);
    }
    SendMessageW(item(VEXA_IDC_BIBITEM_WIDEST), EM_LIMITTEXT, WidestLimit, 0);
    SendMessageW(item(VEXA_IDC_BIBITEM_COUNT), EM_LIMITTEXT, CountLimit, 0);
    CheckDlgButton(handle(), VEXA_IDC_BIBITEM_ENVIRONMENT, c.environment ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(handle(), VEXA_IDC_BIBITEM_KEY_ONLY, c.keyOnly ? BST_CHECKED : BST_UNCHECKED);
    setItemText(VEXA_IDC_BIBITEM_WIDEST, wide::w(c.widestLabel));
    setItemText(VEXA_IDC_BIBITEM_COUNT, wide::w(c.count));
    enableLabel();
    return TRUE;
}

// The widest label only matters inside the environment.
void DialogBibitem::enableLabel() {
    BOOL on = checked(handle(), VEXA_IDC_BIBITEM_ENVIRONMENT);
    EnableWindow(item(VEXA_IDC_BIBITEM_WIDEST_LABEL), on);
    EnableWindow(item(VEXA_IDC_BIBITEM_WIDEST), on);
}

bool DialogBibitem::refuseCount() {
    std::wstring count = itemText(VEXA_IDC_BIBITEM_COUNT);
    if (bib::countAccepted(wide::u(count.c_str(), count.size()))) return false;
    lang::messageBox(handle(), msgid::BibitemTooMany, msgid::CaptionWarning, MB_OK | MB_ICONWARNING);
    SetFocus(item(VEXA_IDC_BIBITEM_COUNT));
    SendMessageW(item(VEXA_IDC_BIBITEM_COUNT), EM_SETSEL, 0, -1);
    return true;
}

namespace {
bib::Choices choicesOf(const Dialog& d) {
    auto text = [&](int id) {
        std::wstring t = d.itemText(id);
        return wide::u(t.c_str(), t.size());
    };
    bib::Choices c;
    c.environment = checked(d.handle(), VEXA_IDC_BIBITEM_ENVIRONMENT);
    c.widestLabel = text(VEXA_IDC_BIBITEM_WIDEST);
    c.count = text(VEXA_IDC_BIBITEM_COUNT);
    c.keyOnly = checked(d.handle(), VEXA_IDC_BIBITEM_KEY_ONLY);
    return c;
}
} // namespace

void DialogBibitem::insert() {
    if (refuseCount()) return;
    Fragment f = bib::buildSkeleton(choicesOf(*this));
    if (editor_) {
        WindowEditor host(editor_);
        snippet::insertSnippet(snippet::Target{host, true}, f.before, f.after, 0);
    }
    close(1);
}

void DialogBibitem::saveDefaults() {
    if (refuseCount()) return;
    if (lang::messageBox(handle(), msgid::BibitemAskSave, msgid::CaptionQuestion, MB_YESNO | MB_ICONQUESTION) != IDYES)
        return;
    if (CSetting* settings = app::settings())
        settings->writeString(keys::Section, keys::Bibitem, bib::compose(choicesOf(*this)).c_str());
}

INT_PTR DialogBibitem::onCommand(WORD id, WORD code, HWND) {
    if (code != BN_CLICKED) return 0;
    switch (id) {
    case IDOK: insert(); return 1;
    case IDCANCEL: close(0); return 1;
    case VEXA_IDC_BIBITEM_ENVIRONMENT: enableLabel(); return 1;
    case VEXA_IDC_BIBITEM_SAVE: saveDefaults(); return 1;
    default: return 0;
    }
}
