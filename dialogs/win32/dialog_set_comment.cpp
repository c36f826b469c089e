#include "dialogs/win32/dialog_set_comment.h"

#include "frame/message_ids.h"
#include "frame/win32/language.h"
#include "lang/resource_ids.h"

namespace {

constexpr int NameLimit = 260;

bool checked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }
void enable(HWND dialog, int id, bool on) { EnableWindow(GetDlgItem(dialog, id), on ? TRUE : FALSE); }

} // namespace

DialogSetComment::DialogSetComment(HWND parent, const std::wstring& name, bool selected, size_t count,
                                   size_t addLimit)
    : name_(name), selected_(selected), count_(count), addLimit_(addLimit) {
    if (!selected_ && count_ >= addLimit_) return;
    create(nullptr, VEXA_LANG_DLG_SET_COMMENT, parent);
}

INT_PTR DialogSetComment::onInitDialog() {
    HWND d = handle();
    SendDlgItemMessageW(d, VEXA_IDC_SET_COMMENT_NAME, EM_LIMITTEXT, NameLimit, 0);
    setItemText(VEXA_IDC_SET_COMMENT_NAME, name_);
    bool canAdd = count_ < addLimit_;
    if (!selected_) {
        CheckRadioButton(d, VEXA_IDC_SET_COMMENT_OVERWRITE, VEXA_IDC_SET_COMMENT_RENAME, VEXA_IDC_SET_COMMENT_ADD);
        for (int id : {VEXA_IDC_SET_COMMENT_OVERWRITE, VEXA_IDC_SET_COMMENT_DELETE, VEXA_IDC_SET_COMMENT_RENAME})
            enable(d, id, false);
    } else {
        CheckRadioButton(d, VEXA_IDC_SET_COMMENT_OVERWRITE, VEXA_IDC_SET_COMMENT_RENAME,
                         VEXA_IDC_SET_COMMENT_OVERWRITE);
        // The last preset stays: an owner with an empty list has nothing to
        // select and nothing to show.
        enable(d, VEXA_IDC_SET_COMMENT_DELETE, count_ >= 2);
        enable(d, VEXA_IDC_SET_COMMENT_ADD, canAdd);
    }
    enableName();
    return TRUE;
}

// A name is only asked for when one is given.
void DialogSetComment::enableName() {
    HWND d = handle();
    enable(d, VEXA_IDC_SET_COMMENT_NAME,
           checked(d, VEXA_IDC_SET_COMMENT_ADD) || checked(d, VEXA_IDC_SET_COMMENT_RENAME));
}

void DialogSetComment::accept() {
    HWND d = handle();
    Action a = checked(d, VEXA_IDC_SET_COMMENT_ADD)      ? Add
               : checked(d, VEXA_IDC_SET_COMMENT_RENAME) ? Rename
               : checked(d, VEXA_IDC_SET_COMMENT_DELETE) ? Delete
               : checked(d, VEXA_IDC_SET_COMMENT_OVERWRITE) ? Overwrite
                                                             : None;
    std::wstring typed = itemText(VEXA_IDC_SET_COMMENT_NAME);
    if ((a == Add || a == Rename) && typed.empty()) {
        lang::messageBox(d, msgid::PresetNameEmpty, msgid::CaptionWarning, MB_OK | MB_ICONWARNING);
        SetFocus(item(VEXA_IDC_SET_COMMENT_NAME));
        return;
    }
    if (a == Add || a == Rename) name_ = typed;
    action_ = a;
    close(1);
}

INT_PTR DialogSetComment::onCommand(WORD id, WORD code, HWND) {
    if (code != BN_CLICKED) return 0;
    switch (id) {
    case IDOK: accept(); return 1;
    case IDCANCEL: close(0); return 1;
    case VEXA_IDC_SET_COMMENT_OVERWRITE:
    case VEXA_IDC_SET_COMMENT_ADD:
    case VEXA_IDC_SET_COMMENT_DELETE:
    case VEXA_IDC_SET_COMMENT_RENAME: enableName(); return 1;
    default: return 0;
    }
}
