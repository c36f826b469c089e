#include "dialogs/win32/dialog_index.h"

#include "base/win32/wide.h"
#include "dialogs/small_fragments.h"
#include "frame/win32/window_editor.h"
#include "lang/resource_ids.h"
#include "mainwindow/snippet.h"

namespace {

constexpr int TextLimit = 260;

} // namespace

DialogIndex::DialogIndex(HWND parent, HWND editor) : editor_(editor) {
    create(nullptr, VEXA_LANG_DLG_INDEX, parent);
    if (inserted_ && IsWindow(editor_)) SetFocus(editor_);
}

INT_PTR DialogIndex::onInitDialog() {
    SendDlgItemMessageW(handle(), VEXA_IDC_INDEX_WORD, EM_LIMITTEXT, TextLimit, 0);
    SendDlgItemMessageW(handle(), VEXA_IDC_INDEX_KEY, EM_LIMITTEXT, TextLimit, 0);
    WindowEditor editor(editor_);
    // The size counts the terminator: more than one means a selection.
    if (editor.exists() && editor.GetSelectedTextSize() > 1) {
        setItemText(VEXA_IDC_INDEX_WORD, wide::w(editor.GetSelectedText()));
        wordEnd_ = editor.GetSelectionEnd(PosKind::Logical);
    }
    HWND word = item(VEXA_IDC_INDEX_WORD);
    SendMessageW(word, EM_SETSEL, 0, -1);
    SetFocus(word);
    EnableWindow(item(IDOK), GetWindowTextLengthW(word) > 0);
    return FALSE;   // the focus was set here
}

INT_PTR DialogIndex::onCommand(WORD id, WORD code, HWND) {
    switch (id) {
    case IDOK: accept(); return 1;
    case IDCANCEL: close(IDCANCEL); return 1;
    case VEXA_IDC_INDEX_WORD:
        if (code != EN_CHANGE) return 0;
        EnableWindow(item(IDOK), GetWindowTextLengthW(item(VEXA_IDC_INDEX_WORD)) > 0);
        return 1;
    default: return 0;
    }
}

void DialogIndex::accept() {
    u16 text = index_entry::text(wide::u(itemText(VEXA_IDC_INDEX_WORD).c_str()),
                                 wide::u(itemText(VEXA_IDC_INDEX_KEY).c_str()));
    if (text.empty()) return;
    WindowEditor editor(editor_);
    snippet::Target target{editor, true};
    if (wordEnd_) {
        // After the word, with the caret behind the entry: the user reads on.
        editor.SetCaretPos(PosKind::Logical, *wordEnd_);
        inserted_ = snippet::insertSnippet(target, text, u"", snippet::AtCaret);
    } else {
        // A typed word: the caret stays where the word is to be written.
        inserted_ = snippet::insertSnippet(target, u"", text, snippet::AtCaret);
    }
    close(IDOK);
}
