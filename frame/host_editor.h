// The host editor as the plug-in sees it: named operations over the
// editor window's messages. The DLL implements it with SendMessageW
// (frame/win32/window_editor), the native tests with MemoryEditor.
#pragma once
#include "base/text.h"
#include <cstdint>

struct Position {
    int32_t x = 0; // column in characters, from 0
    int32_t y = 0; // line, from 0
    friend bool operator==(const Position& a, const Position& b) { return a.x == b.x && a.y == b.y; }
    friend bool operator!=(const Position& a, const Position& b) { return !(a == b); }
};

enum class PosKind : uint32_t { View = 0, Logical = 2 };

class HostEditor {
public:
    virtual ~HostEditor() = default;

    // False once the editor window is gone; guards then send nothing.
    virtual bool exists() const = 0;

    virtual int32_t GetHostSetting(int32_t id) = 0;
    virtual intptr_t RefreshPluginState(int32_t pluginIndex) = 0;
    virtual int32_t GetLineCount() = 0;
    virtual Position GetCaretPos(PosKind kind) = 0;
    virtual Position GetScrollPos() = 0;
    virtual Position LogicalToViewPos(Position logical) = 0;
    virtual void SetCaretPos(PosKind kind, Position p) = 0;
    virtual void SetScrollPos(Position view) = 0;
    virtual void RunHostCommand(int32_t command) = 0;
    virtual bool IsDocumentModified() = 0;
    virtual Position GetSelectionStart(PosKind kind) = 0;
    virtual Position GetSelectionEnd(PosKind kind) = 0;
    virtual void SetSelection(Position anchorView, Position activeView) = 0;
    virtual void SetEditorRedraw(bool resume) = 0;
    // The asking form: selection length + 1; 1 or less means no selection.
    virtual int32_t GetSelectedTextSize() = 0;
    virtual u16 GetSelectedText() = 0;
    virtual int32_t GetLineLength(int32_t line) = 0;
    virtual u16 GetLineText(int32_t line) = 0;
    virtual void SetDocumentMode(u16view mode) = 0;
    virtual void InsertText(u16view text) = 0;
    virtual void RunHostCommandWithText(uint32_t command, u16view text) = 0;
    virtual void SetStatusText(u16view text) = 0;
    // GetDocumentInfo sub-codes with a numeric answer (298, 301, 302, 303,
    // 306, 307); documentIndexPlus1 0 means the active document.
    virtual intptr_t GetDocumentInfo(uint32_t subCode, int32_t documentIndexPlus1, intptr_t lParam) = 0;
    // Sub-code 280; fewer than 4 characters means the document has no file.
    virtual u16 GetDocumentPath(int32_t documentIndexPlus1 = 0) = 0;
    // WM_CHAR 0, sent just before an insertion to flush the host's input.
    virtual void FlushInput() = 0;
};

// Stops the editor's drawing for its lifetime (only if the window exists).
class EditorRedraw {
public:
    explicit EditorRedraw(HostEditor& editor);
    ~EditorRedraw();
    EditorRedraw(const EditorRedraw&) = delete;
    EditorRedraw& operator=(const EditorRedraw&) = delete;
private:
    HostEditor& editor_;
    bool stopped_;
};

// Saves caret, selection and scroll (view kind) on save() and puts them back
// on restore(); drawing stays stopped in between. For actions that decide
// on the way whether the editor is to be left as it was: when restore() is
// never called, the end only resumes drawing.
class EditorCursorManual {
public:
    explicit EditorCursorManual(HostEditor& editor) : editor_(editor) {}
    ~EditorCursorManual();
    EditorCursorManual(const EditorCursorManual&) = delete;
    EditorCursorManual& operator=(const EditorCursorManual&) = delete;

    void save();
    void restore();
    bool restored() const { return restored_; }
private:
    HostEditor& editor_;   // not owned
    Position caret_, scroll_, selStart_, selEnd_;
    bool saved_ = false;   // drawing is stopped and waits to be resumed
    bool restored_ = false;
};

// Saves caret, selection and scroll (view kind) and restores them when it
// ends; drawing stays stopped in between.
class EditorCursor {
public:
    explicit EditorCursor(HostEditor& editor);
    ~EditorCursor();
    EditorCursor(const EditorCursor&) = delete;
    EditorCursor& operator=(const EditorCursor&) = delete;
private:
    EditorCursorManual cursor_;
};
