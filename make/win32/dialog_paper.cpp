#include "make/win32/dialog_paper.h"

#include "base/win32/wide.h"
#include "frame/message_ids.h"
#include "frame/win32/help.h"
#include "frame/win32/language.h"
#include "lang/resource_ids.h"

#include <string>

DialogPaper::DialogPaper(HWND parent, DVIOUTPaper& papers, Mode mode, int32_t current)
    : papers_(papers), mode_(mode), current_(current) {
    result_ = create(nullptr, VEXA_LANG_DIALOG_PAPER, parent);
}

INT_PTR DialogPaper::onInitDialog() {
    PaperEntry entry;
    if (mode_ == Mode::Edit) {
        if (!papers_.isUserNumber(current_)) {
            close(IDCANCEL);
            return 1;
        }
        papers_.GetPaper(current_, entry);
    }
    for (int id : {VEXA_IDC_PAPER_TEXT, VEXA_IDC_PAPER_VALUE, VEXA_IDC_PAPER_WIDTH, VEXA_IDC_PAPER_HEIGHT})
        SendMessageW(item(id), EM_LIMITTEXT, MaxLength, 0);
    setItemText(VEXA_IDC_PAPER_TEXT, wide::w(entry.text));
    setItemText(VEXA_IDC_PAPER_VALUE, wide::w(entry.value));
    // Disabled at first whatever was filled in, until the user types.
    EnableWindow(item(IDOK), FALSE);
    EnableWindow(item(VEXA_IDC_PAPER_COMPOSE), FALSE);
    SetFocus(item(VEXA_IDC_PAPER_TEXT));
    return 0; // the focus is set
}

INT_PTR DialogPaper::onCommand(WORD id, WORD code, HWND) {
    switch (id) {
    case VEXA_IDC_PAPER_TEXT:
    case VEXA_IDC_PAPER_VALUE:
    case VEXA_IDC_PAPER_WIDTH:
    case VEXA_IDC_PAPER_HEIGHT:
        if (code == EN_CHANGE) updateButtons();
        return 1;
    case VEXA_IDC_PAPER_COMPOSE: compose(); return 1;
    case VEXA_IDC_PAPER_HELP: showHelpTopic(instance(), cfgid::HelpPaperSize); return 1;
    case IDOK: accept(); return 1;
    case IDCANCEL: close(IDCANCEL); return 1;
    default: return 0;
    }
}

int DialogPaper::length(int id) const { return GetWindowTextLengthW(item(id)); }

void DialogPaper::updateButtons() const {
    EnableWindow(item(VEXA_IDC_PAPER_COMPOSE),
                 length(VEXA_IDC_PAPER_WIDTH) >= MinLength && length(VEXA_IDC_PAPER_HEIGHT) >= MinLength);
    EnableWindow(item(IDOK), length(VEXA_IDC_PAPER_TEXT) >= MinLength && length(VEXA_IDC_PAPER_VALUE) >= MinLength);
}

void DialogPaper::compose() const {
    // The previewer's form for a free size: "F" width ":" height.
    setItemText(VEXA_IDC_PAPER_VALUE,
                L"F" + itemText(VEXA_IDC_PAPER_WIDTH) + L":" + itemText(VEXA_IDC_PAPER_HEIGHT));
}

void DialogPaper::accept() {
    // OK can be pressed by Enter while disabled buttons are bypassed.
    if (length(VEXA_IDC_PAPER_TEXT) < MinLength || length(VEXA_IDC_PAPER_VALUE) < MinLength) return;
    // A tab would split the stored entry differently when read back.
    auto clean = [](std::wstring s) {
        for (wchar_t& c : s)
            if (c == L'\t') c = L' ';
        return wide::u(s.c_str());
    };
    PaperEntry entry{clean(itemText(VEXA_IDC_PAPER_TEXT)), clean(itemText(VEXA_IDC_PAPER_VALUE))};
    if (mode_ == Mode::Edit) {
        papers_.StoreEntry(entry);
    } else if (!papers_.AddEntry(entry, [this](const PaperEntry& o, const PaperEntry& n) { return askReplace(o, n); })) {
        return; // No: the dialog stays open, nothing changed
    }
    close(IDOK);
}

bool DialogPaper::askReplace(const PaperEntry& old, const PaperEntry& added) const {
    auto m = [](uint32_t id) { return std::wstring(lang::message(id)); };
    auto pair = [&](const PaperEntry& e) {
        return m(msgid::PaperNameLabel) + wide::w(e.text) + L"\n" + m(msgid::PaperValueLabel) + wide::w(e.value);
    };
    std::wstring text = m(msgid::PaperAskReplace) + L"\n\n" + m(msgid::PaperOldEntry) + L"\n" + pair(old) + L"\n\n" +
                        m(msgid::PaperNewEntry) + L"\n" + pair(added) + L"\n\n" + m(msgid::PaperAskReplaceEnd);
    return MessageBoxW(handle(), text.c_str(), lang::message(msgid::CaptionQuestion), MB_YESNO | MB_ICONQUESTION) ==
           IDYES;
}
