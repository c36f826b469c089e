#include "frame/host_editor.h"

EditorRedraw::EditorRedraw(HostEditor& editor) : editor_(editor), stopped_(editor.exists()) {
    if (stopped_) editor_.SetEditorRedraw(false);
}

EditorRedraw::~EditorRedraw() {
    if (stopped_ && editor_.exists()) editor_.SetEditorRedraw(true);
}

EditorCursor::EditorCursor(HostEditor& editor) : editor_(editor), redraw_(editor) {
    caret_ = editor_.GetCaretPos(PosKind::View);
    scroll_ = editor_.GetScrollPos();
    selStart_ = editor_.GetSelectionStart(PosKind::View);
    selEnd_ = editor_.GetSelectionEnd(PosKind::View);
}

EditorCursor::~EditorCursor() {
    if (!editor_.exists()) return;
    if (selStart_ == selEnd_)
        editor_.SetCaretPos(PosKind::View, caret_);
    else if (caret_ == selStart_)
        editor_.SetSelection(selEnd_, selStart_); // caret back at the start
    else
        editor_.SetSelection(selStart_, selEnd_);
    editor_.SetScrollPos(scroll_);
    // redraw_ resumes drawing as it ends, after this body
}
