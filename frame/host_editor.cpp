#include "frame/host_editor.h"

EditorRedraw::EditorRedraw(HostEditor& editor) : editor_(editor), stopped_(editor.exists()) {
    if (stopped_) editor_.SetEditorRedraw(false);
}

EditorRedraw::~EditorRedraw() {
    if (stopped_ && editor_.exists()) editor_.SetEditorRedraw(true);
}

void EditorCursorManual::save() {
    restored_ = false;
    if (!editor_.exists()) return;
    if (!saved_) editor_.SetEditorRedraw(false);
    saved_ = true;
    caret_ = editor_.GetCaretPos(PosKind::View);
    scroll_ = editor_.GetScrollPos();
    selStart_ = editor_.GetSelectionStart(PosKind::View);
    selEnd_ = editor_.GetSelectionEnd(PosKind::View);
}

void EditorCursorManual::restore() {
    if (!saved_ || !editor_.exists()) return;
    if (selStart_ == selEnd_)
        editor_.SetCaretPos(PosKind::View, caret_);
    else if (caret_ == selStart_)
        editor_.SetSelection(selEnd_, selStart_); // caret back at the start
    else
        editor_.SetSelection(selStart_, selEnd_);
    editor_.SetScrollPos(scroll_);
    editor_.SetEditorRedraw(true);
    saved_ = false;
    restored_ = true;
}

EditorCursorManual::~EditorCursorManual() {
    if (saved_ && editor_.exists()) editor_.SetEditorRedraw(true);
}

EditorCursor::EditorCursor(HostEditor& editor) : cursor_(editor) { cursor_.save(); }

EditorCursor::~EditorCursor() { cursor_.restore(); }
