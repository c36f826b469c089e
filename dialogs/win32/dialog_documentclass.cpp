#include "dialogs/win32/dialog_documentclass.h"

#include "base/win32/wide.h"
#include "dialogs/win32/dialog_set_comment.h"
#include "frame/message_ids.h"
#include "frame/win32/help.h"
#include "frame/win32/language.h"
#include "frame/win32/plugin_app.h"
#include "frame/win32/window_editor.h"
#include "lang/resource_ids.h"
#include "mainwindow/snippet.h"
#include "settings/setting.h"
#include "settings/setting_keys.h"

#include <algorithm>
#include <array>

namespace {

namespace keys = ini_keys::document_class;
using namespace doc_class;

constexpr int NameLimit = 260;
constexpr int TitleLimit = 10240;
constexpr int32_t ScannedLines = 300;

// Per option group, the radio buttons in value order: "none" first.
const std::array<std::vector<int>, GroupCount> GroupRadios = {{
    {VEXA_IDC_CLASS_SIZE_NONE, VEXA_IDC_CLASS_10PT, VEXA_IDC_CLASS_11PT, VEXA_IDC_CLASS_12PT},
    {VEXA_IDC_CLASS_PAPER_NONE, VEXA_IDC_CLASS_A4PAPER, VEXA_IDC_CLASS_A4J, VEXA_IDC_CLASS_A5PAPER,
     VEXA_IDC_CLASS_A5J, VEXA_IDC_CLASS_B4PAPER, VEXA_IDC_CLASS_B4J, VEXA_IDC_CLASS_B5PAPER, VEXA_IDC_CLASS_B5J},
    {VEXA_IDC_CLASS_PORTRAIT, VEXA_IDC_CLASS_LANDSCAPE},
    {VEXA_IDC_CLASS_COLUMNS_NONE, VEXA_IDC_CLASS_ONECOLUMN, VEXA_IDC_CLASS_TWOCOLUMN},
    {VEXA_IDC_CLASS_SIDES_NONE, VEXA_IDC_CLASS_ONESIDE, VEXA_IDC_CLASS_TWOSIDE},
    {VEXA_IDC_CLASS_TITLEPAGE_NONE, VEXA_IDC_CLASS_NOTITLEPAGE, VEXA_IDC_CLASS_TITLEPAGE},
    {VEXA_IDC_CLASS_FLEQN_OFF, VEXA_IDC_CLASS_FLEQN},
    {VEXA_IDC_CLASS_LEQNO_OFF, VEXA_IDC_CLASS_LEQNO},
    {VEXA_IDC_CLASS_DRAFT_NONE, VEXA_IDC_CLASS_FINAL, VEXA_IDC_CLASS_DRAFT},
    {VEXA_IDC_CLASS_TATE_OFF, VEXA_IDC_CLASS_TATE},
    {VEXA_IDC_CLASS_OPENBIB_OFF, VEXA_IDC_CLASS_OPENBIB},
    {VEXA_IDC_CLASS_OPEN_NONE, VEXA_IDC_CLASS_OPENRIGHT, VEXA_IDC_CLASS_OPENANY},
}};

const uint32_t DefaultPresets[] = {cfgid::ClassPreset1, cfgid::ClassPreset2, cfgid::ClassPreset3,
                                   cfgid::ClassPreset4, cfgid::ClassPreset5, cfgid::ClassPreset6};

bool checked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }
void enable(HWND dialog, int id, bool on) { EnableWindow(GetDlgItem(dialog, id), on ? TRUE : FALSE); }

u16 u(const std::wstring& s) { return wide::u(s.c_str(), s.size()); }

Comments commentBox(HWND dialog) {
    switch (IsDlgButtonChecked(dialog, VEXA_IDC_CLASS_COMMENTS)) {
    case BST_CHECKED: return Comments::Explained;
    case BST_INDETERMINATE: return Comments::Bare;
    default: return Comments::None;
    }
}

Explanations explanations() {
    return {lang::text(msgid::ClassNoteTitle),         lang::text(msgid::ClassNoteAuthor),
            lang::text(msgid::ClassNoteDate),          lang::text(msgid::ClassNoteMaketitle),
            lang::text(msgid::ClassNoteMaketitleOff),  lang::text(msgid::ClassNotePagestyle),
            lang::text(msgid::ClassNotePagestyleOff),  lang::text(msgid::ClassNoteThispagestyle),
            lang::text(msgid::ClassNoteThispagestyleOff)};
}

} // namespace

DialogDocumentclass::DialogDocumentclass(HWND parent, HWND editor) : editor_(editor) {
    create(nullptr, VEXA_LANG_DLG_DOCUMENT_CLASS, parent);
    if (inserted_ && IsWindow(editor_)) SetFocus(editor_);
}

INT_PTR DialogDocumentclass::onInitDialog() {
    SendDlgItemMessageW(handle(), VEXA_IDC_CLASS_NAME, EM_LIMITTEXT, NameLimit, 0);
    SendDlgItemMessageW(handle(), VEXA_IDC_CLASS_OTHER, EM_LIMITTEXT, NameLimit, 0);
    SendDlgItemMessageW(handle(), VEXA_IDC_CLASS_TITLE_TEXT, EM_LIMITTEXT, TitleLimit, 0);
    SendDlgItemMessageW(handle(), VEXA_IDC_CLASS_AUTHOR_TEXT, EM_LIMITTEXT, TitleLimit, 0);
    if (!load()) {
        lang::messageBox(handle(), msgid::ClassPresetsNotFilled, msgid::CaptionWarning, MB_OK | MB_ICONWARNING);
        close(0);
    }
    return TRUE;
}

bool DialogDocumentclass::load() {
    modified_ = false;
    if (!fillPresets()) return false;
    findClassLine();
    if (classLine_ < 0) {
        choosePreset();
        loadLast(false);
    }
    HWND d = handle();
    CSetting* s = app::settings();
    int comments = commentsToSetting(Comments::Explained);
    bool title = false, noPageNumbers = false;
    if (s) {
        comments = s->readInt(keys::Section, keys::Comment, comments);
        title = s->readInt(keys::Section, keys::Title, 0) != 0;
        noPageNumbers = s->readInt(keys::Section, keys::NoPageNum, 0) != 0;
    }
    CheckDlgButton(d, VEXA_IDC_CLASS_COMMENTS, static_cast<UINT>(commentsFromSetting(comments)));
    CheckDlgButton(d, VEXA_IDC_CLASS_TITLE, title ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(d, VEXA_IDC_CLASS_NO_PAGE_NUMBERS, noPageNumbers ? BST_CHECKED : BST_UNCHECKED);
    // The skeleton's choices mean nothing when only the class line changes.
    bool isNew = classLine_ < 0;
    for (int id : {VEXA_IDC_CLASS_TITLE, VEXA_IDC_CLASS_NO_PAGE_NUMBERS, VEXA_IDC_CLASS_COMMENTS})
        enable(d, id, isNew);
    enableTitle();
    return true;
}

bool DialogDocumentclass::fillPresets() {
    std::vector<u16> defaults;
    for (uint32_t id : DefaultPresets) {
        const wchar_t* text = lang::config(id);
        defaults.push_back(text ? wide::u(text) : u16());
    }
    std::vector<u16> entries = defaults;
    CSetting* s = app::settings();
    if (s) entries = s->readStringList(keys::Section, defaults);
    presets_ = presetList(entries);
    HWND box = item(VEXA_IDC_CLASS_PRESETS);
    SendMessageW(box, CB_RESETCONTENT, 0, 0);
    for (size_t i = 0; i < presets_.size(); ++i) {
        LRESULT at = SendMessageW(box, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide::w(presets_[i].name)));
        if (at == CB_ERR || at == CB_ERRSPACE) return false;
        SendMessageW(box, CB_SETITEMDATA, at, static_cast<LPARAM>(i));
    }
    int history = s ? s->readInt(keys::Section, keys::History, 0) : 0;
    if (history < 0 || static_cast<size_t>(history) >= presets_.size()) history = 0;
    SendMessageW(box, CB_SETCURSEL, presets_.empty() ? -1 : history, 0);
    return true;
}

void DialogDocumentclass::findClassLine() {
    classLine_ = -1;
    WindowEditor host(editor_);
    if (!host.exists()) return;
    int32_t lines = std::min(host.GetLineCount(), ScannedLines);
    for (int32_t i = 0; i < lines; ++i) {
        std::optional<FoundLine> found = parseClassLine(host.GetLineText(i));
        if (!found) continue;
        show(found->choice);
        SendDlgItemMessageW(handle(), VEXA_IDC_CLASS_PRESETS, CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
        classLine_ = i;
        classLength_ = found->length;
        return;
    }
}

void DialogDocumentclass::show(const ClassChoice& c) {
    HWND d = handle();
    setItemText(VEXA_IDC_CLASS_NAME, wide::w(c.name));
    for (int g = 0; g < GroupCount; ++g) {
        const std::vector<int>& radios = GroupRadios[g];
        for (size_t i = 0; i < radios.size(); ++i)
            CheckDlgButton(d, radios[i], static_cast<int>(i) == c.options[g] ? BST_CHECKED : BST_UNCHECKED);
    }
    setItemText(VEXA_IDC_CLASS_OTHER, wide::w(c.other));
}

ClassChoice DialogDocumentclass::choice() const {
    ClassChoice c;
    c.name = u(itemText(VEXA_IDC_CLASS_NAME));
    for (int g = 0; g < GroupCount; ++g) {
        const std::vector<int>& radios = GroupRadios[g];
        c.options[g] = 0;
        for (size_t i = 0; i < radios.size(); ++i)
            if (checked(handle(), radios[i])) c.options[g] = static_cast<int>(i);
    }
    c.other = u(itemText(VEXA_IDC_CLASS_OTHER));
    return c;
}

void DialogDocumentclass::choosePreset() {
    HWND box = item(VEXA_IDC_CLASS_PRESETS);
    LRESULT sel = SendMessageW(box, CB_GETCURSEL, 0, 0);
    if (sel == CB_ERR) return;
    LRESULT data = SendMessageW(box, CB_GETITEMDATA, sel, 0);
    if (data == CB_ERR || data < 0 || static_cast<size_t>(data) >= presets_.size()) {
        lang::messageBox(handle(), msgid::ClassPresetWithoutData, msgid::CaptionWarning, MB_OK | MB_ICONWARNING);
        return;
    }
    show(presets_[data].choice);
}

void DialogDocumentclass::managePresets() {
    HWND box = item(VEXA_IDC_CLASS_PRESETS);
    int sel = static_cast<int>(SendMessageW(box, CB_GETCURSEL, 0, 0));
    bool selected = sel >= 0 && static_cast<size_t>(sel) < presets_.size();
    std::wstring name = selected ? wide::w(presets_[sel].name) : std::wstring();
    DialogSetComment ask(handle(), name, selected, presets_.size(), MaxPresets + 1);
    switch (ask.action()) {
    case DialogSetComment::Overwrite:
        if (!selected) return;
        presets_[sel].choice = choice();
        break;
    case DialogSetComment::Rename: {
        if (!selected) return;
        presets_[sel] = Preset{u(ask.name()), choice()};
        SendMessageW(box, CB_DELETESTRING, sel, 0);
        SendMessageW(box, CB_INSERTSTRING, sel, reinterpret_cast<LPARAM>(ask.name().c_str()));
        SendMessageW(box, CB_SETITEMDATA, sel, sel);
        SendMessageW(box, CB_SETCURSEL, sel, 0);
        break;
    }
    case DialogSetComment::Add: addPreset(ask.name()); return;
    case DialogSetComment::Delete:
        if (!selected || !lang::ask(handle(), msgid::ClassAskDeletePreset)) return;
        deletePreset(sel);
        break;
    default: return;
    }
    modified_ = true;
}

void DialogDocumentclass::addPreset(const std::wstring& name) {
    if (!canAddPreset(presets_.size())) {
        lang::messageBox(handle(), msgid::ClassTooManyPresets, msgid::CaptionWarning, MB_OK | MB_ICONWARNING);
        return;
    }
    HWND box = item(VEXA_IDC_CLASS_PRESETS);
    LRESULT at = SendMessageW(box, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
    if (at == CB_ERR || at == CB_ERRSPACE) {
        lang::messageBox(handle(), msgid::ClassPresetNotAdded, msgid::CaptionWarning, MB_OK | MB_ICONWARNING);
        return;
    }
    SendMessageW(box, CB_SETITEMDATA, at, static_cast<LPARAM>(presets_.size()));
    presets_.push_back(Preset{u(name), choice()});
    SendMessageW(box, CB_SETCURSEL, at, 0);
    modified_ = true;
}

void DialogDocumentclass::deletePreset(int index) {
    HWND box = item(VEXA_IDC_CLASS_PRESETS);
    presets_.erase(presets_.begin() + index);
    SendMessageW(box, CB_DELETESTRING, index, 0);
    for (size_t i = 0; i < presets_.size(); ++i) SendMessageW(box, CB_SETITEMDATA, i, static_cast<LPARAM>(i));
    SendMessageW(box, CB_SETCURSEL, presets_.empty() ? -1 : 0, 0);
    choosePreset();
}

void DialogDocumentclass::resetPresets() {
    if (!lang::ask(handle(), msgid::ClassAskResetPresets)) return;
    if (CSetting* s = app::settings()) s->deleteSection(keys::Section);
    EnableWindow(item(VEXA_IDC_CLASS_LAST), TRUE);
    if (!load()) {
        lang::messageBox(handle(), msgid::ClassPresetsNotFilled, msgid::CaptionWarning, MB_OK | MB_ICONWARNING);
        close(0);
    }
}

void DialogDocumentclass::loadLast(bool ask) {
    if (ask && !lang::ask(handle(), msgid::ClassAskLoadLast)) return;
    u16 last;
    if (CSetting* s = app::settings())
        if (const char16_t* text = s->readString(keys::Section, keys::Last, u"")) last = text;
    if (!last.empty()) show(parse(last));
    EnableWindow(item(VEXA_IDC_CLASS_LAST), FALSE);
}

void DialogDocumentclass::enableTitle() {
    bool on = IsWindowEnabled(item(VEXA_IDC_CLASS_TITLE)) && checked(handle(), VEXA_IDC_CLASS_TITLE);
    enable(handle(), VEXA_IDC_CLASS_TITLE_TEXT, on);
    enable(handle(), VEXA_IDC_CLASS_AUTHOR_TEXT, on);
}

void DialogDocumentclass::insert(const ClassChoice& c) {
    WindowEditor host(editor_);
    if (!host.exists()) return;
    snippet::Target target{host, true};
    if (classLine_ >= 0) {
        // Only the class command is replaced: what follows it on its line
        // (a comment, another command) and the line end stay.
        size_t lineLength = host.GetLineText(classLine_).size();
        int32_t end = static_cast<int32_t>(std::min(classLength_, lineLength));
        host.SetSelection(host.LogicalToViewPos({0, classLine_}), host.LogicalToViewPos({end, classLine_}));
        inserted_ = snippet::insertSnippet(target, classLine(c), u"", snippet::Replace);
        return;
    }
    Skeleton sk;
    sk.title = checked(handle(), VEXA_IDC_CLASS_TITLE);
    sk.titleText = u(itemText(VEXA_IDC_CLASS_TITLE_TEXT));
    sk.authorText = u(itemText(VEXA_IDC_CLASS_AUTHOR_TEXT));
    sk.noPageNumbers = checked(handle(), VEXA_IDC_CLASS_NO_PAGE_NUMBERS);
    sk.comments = commentBox(handle());
    if (!snippet::insertSnippet(target, DocumentEnd, u"", snippet::DocumentEnd)) return;
    snippet::insertSnippet(target, preamble(c, sk, explanations()), u"", snippet::DocumentStart, false);
    host.SetDocumentMode(u"TeX");
    inserted_ = true;
}

bool DialogDocumentclass::savePresets() {
    if (!modified_) return true;
    if (lang::messageBox(handle(), msgid::ClassAskSavePresets, msgid::CaptionQuestion, MB_YESNO | MB_ICONQUESTION) !=
        IDYES)
        return false;
    CSetting* s = app::settings();
    if (!s) return false;
    std::vector<u16> entries;
    for (const Preset& p : presets_) entries.push_back(composePreset(p));
    entries.emplace_back();
    // The list is rewritten from scratch so that no entry of a longer old
    // list survives behind it; the dialog's other keys go back with the
    // values they had, so Cancel does not lose the last choices.
    s->beginBatch();
    u16 last = s->readString(keys::Section, keys::Last, u"");
    int32_t comment = s->readInt(keys::Section, keys::Comment, commentsToSetting(Comments::Explained));
    int32_t title = s->readInt(keys::Section, keys::Title, 0);
    int32_t noPage = s->readInt(keys::Section, keys::NoPageNum, 0);
    int32_t history = s->readInt(keys::Section, keys::History, 0);
    s->deleteSection(keys::Section);
    s->writeStringList(keys::Section, entries);
    if (!last.empty()) s->writeString(keys::Section, keys::Last, last.c_str());
    s->writeInt(keys::Section, keys::Comment, comment);
    s->writeInt(keys::Section, keys::Title, title);
    s->writeInt(keys::Section, keys::NoPageNum, noPage);
    s->writeInt(keys::Section, keys::History, history);
    s->endBatch();
    modified_ = false;
    return true;
}

void DialogDocumentclass::saveChoices(bool presetsSaved) {
    CSetting* s = app::settings();
    if (!s) return;
    s->beginBatch();
    s->writeString(keys::Section, keys::Last, compose(choice()).c_str());
    if (presetsSaved) {
        int sel = static_cast<int>(SendDlgItemMessageW(handle(), VEXA_IDC_CLASS_PRESETS, CB_GETCURSEL, 0, 0));
        s->writeInt(keys::Section, keys::History, std::max(sel, 0));
    }
    s->writeInt(keys::Section, keys::Comment, commentsToSetting(commentBox(handle())));
    s->writeInt(keys::Section, keys::Title, checked(handle(), VEXA_IDC_CLASS_TITLE) ? 1 : 0);
    s->writeInt(keys::Section, keys::NoPageNum, checked(handle(), VEXA_IDC_CLASS_NO_PAGE_NUMBERS) ? 1 : 0);
    s->endBatch();
}

void DialogDocumentclass::accept() {
    ClassChoice c = choice();
    if (c.name.empty()) {
        lang::messageBox(handle(), msgid::ClassNameEmpty, msgid::CaptionWarning, MB_OK | MB_ICONWARNING);
        SetFocus(item(VEXA_IDC_CLASS_NAME));
        return;
    }
    insert(c);
    saveChoices(savePresets());
    close(1);
}

INT_PTR DialogDocumentclass::onCommand(WORD id, WORD code, HWND) {
    if (id == VEXA_IDC_CLASS_PRESETS) {
        if (code == CBN_SELCHANGE) choosePreset();
        return 1;
    }
    if (code != BN_CLICKED) return 0;
    switch (id) {
    case IDOK: accept(); return 1;
    case IDCANCEL:
        savePresets();
        close(0);
        return 1;
    case VEXA_IDC_CLASS_TITLE: enableTitle(); return 1;
    case VEXA_IDC_CLASS_MANAGE: managePresets(); return 1;
    case VEXA_IDC_CLASS_RESET: resetPresets(); return 1;
    case VEXA_IDC_CLASS_LAST: loadLast(true); return 1;
    case VEXA_IDC_CLASS_HELP: showHelpTopic(instance(), cfgid::HelpDocumentClass); return 1;
    default: return 0;
    }
}
