#include "frame/host_editor.h"
#include "tests/support/memory_editor.h"

#include <gtest/gtest.h>

namespace {
// Records the redraw calls on top of MemoryEditor, to see their pairing.
class CountingEditor : public MemoryEditor {
public:
    using MemoryEditor::MemoryEditor;
    void SetEditorRedraw(bool resume) override {
        (resume ? resumes : stops)++;
        MemoryEditor::SetEditorRedraw(resume);
    }
    int stops = 0, resumes = 0;
};
} // namespace

TEST(EditorRedraw, PairsStopAndResumeAndNests) {
    CountingEditor ed(u"a");
    {
        EditorRedraw outer(ed);
        EXPECT_EQ(ed.redrawDepth(), 1);
        {
            EditorRedraw inner(ed);
            EXPECT_EQ(ed.redrawDepth(), 2);
        }
        EXPECT_EQ(ed.redrawDepth(), 1);
    }
    EXPECT_EQ(ed.redrawDepth(), 0);
    EXPECT_EQ(ed.stops, 2);
    EXPECT_EQ(ed.resumes, 2);
}

TEST(EditorRedraw, SendsNothingWhenTheWindowIsGone) {
    CountingEditor ed(u"a");
    ed.setExists(false);
    { EditorRedraw r(ed); }
    EXPECT_EQ(ed.stops, 0);
    EXPECT_EQ(ed.resumes, 0);
}

TEST(EditorCursor, RestoresCaretWithoutSelection) {
    CountingEditor ed(u"line one\r\nline two\r\nline three");
    ed.SetCaretPos(PosKind::View, Position{3, 1});
    ed.SetScrollPos(Position{0, 1});
    {
        EditorCursor keep(ed);
        EXPECT_EQ(ed.redrawDepth(), 1);
        ed.SetCaretPos(PosKind::View, Position{0, 2});
        ed.InsertText(u"x");
        ed.SetScrollPos(Position{0, 2});
    }
    EXPECT_EQ(ed.caret(), (Position{3, 1}));
    EXPECT_EQ(ed.anchor(), (Position{3, 1}));
    EXPECT_EQ(ed.GetScrollPos(), (Position{0, 1}));
    EXPECT_EQ(ed.redrawDepth(), 0);
}

TEST(EditorCursor, RestoresSelectionWithCaretAtItsStart) {
    MemoryEditor ed(u"abcdef\r\nghijkl");
    // Selected backwards: the caret (active end) is at the start.
    ed.SetSelection(Position{4, 1}, Position{2, 0});
    {
        EditorCursor keep(ed);
        ed.SetCaretPos(PosKind::View, Position{0, 0});
    }
    EXPECT_EQ(ed.caret(), (Position{2, 0}));
    EXPECT_EQ(ed.anchor(), (Position{4, 1}));
}

TEST(EditorCursor, RestoresSelectionWithCaretAtItsEnd) {
    MemoryEditor ed(u"abcdef\r\nghijkl");
    ed.SetSelection(Position{2, 0}, Position{4, 1});
    {
        EditorCursor keep(ed);
        ed.RunHostCommand(4136); // select all
    }
    EXPECT_EQ(ed.anchor(), (Position{2, 0}));
    EXPECT_EQ(ed.caret(), (Position{4, 1}));
}

TEST(MemoryEditorModel, InsertReplacesSelectionAndSplitsEveryLineBreakForm) {
    MemoryEditor ed(u"hello world");
    ed.SetSelection(Position{0, 0}, Position{5, 0});
    ed.InsertText(u"a\r\nb\rc\nd");
    EXPECT_EQ(ed.text(), u"a\r\nb\r\nc\r\nd world");
    EXPECT_EQ(ed.caret(), (Position{1, 3}));
    EXPECT_TRUE(ed.IsDocumentModified());
}

TEST(MemoryEditorModel, SelectedTextAskThenReadUsesCrLf) {
    MemoryEditor ed(u"ab\r\ncd");
    EXPECT_EQ(ed.GetSelectedTextSize(), 1); // nothing selected
    ed.SetSelection(Position{1, 1}, Position{1, 0});
    EXPECT_EQ(ed.GetSelectedText(), u"b\r\nc");
    EXPECT_EQ(ed.GetSelectedTextSize(), 5);
    EXPECT_EQ(ed.GetSelectionStart(PosKind::Logical), (Position{1, 0}));
    EXPECT_EQ(ed.GetSelectionEnd(PosKind::Logical), (Position{1, 1}));
}

TEST(MemoryEditorModel, HostCommandsEditAndMoveAsTheHostDoes) {
    MemoryEditor ed(u"one\r\ntwo\r\nthree");
    ed.SetCaretPos(PosKind::Logical, Position{3, 0});
    ed.RunHostCommand(4135); // joins the next line
    EXPECT_EQ(ed.text(), u"onetwo\r\nthree");
    ed.RunHostCommand(4190); // deletes the caret's line
    EXPECT_EQ(ed.text(), u"three");
    ed.RunHostCommand(4169);
    EXPECT_EQ(ed.caret(), (Position{5, 0}));
    ed.SetCaretPos(PosKind::Logical, Position{1, 0});
    ed.RunHostCommand(4167);
    EXPECT_EQ(ed.caret(), (Position{5, 0}));
    ed.RunHostCommandWithText(802, u"\\\\section");
    EXPECT_EQ(ed.highlightPattern, u"\\\\section");
    ed.RunHostCommand(4206);
    EXPECT_TRUE(ed.highlightPattern.empty());
    ed.RunHostCommand(4099);
    EXPECT_FALSE(ed.IsDocumentModified());
    EXPECT_EQ(ed.hostCommands, (std::vector<int32_t>{4135, 4190, 4169, 4167, 4206, 4099}));
}

TEST(MemoryEditorModel, ReadOnlyDocumentIgnoresEdits) {
    MemoryEditor ed(u"keep");
    ed.setReadOnly(true);
    EXPECT_EQ(ed.GetHostSetting(4142), 1);
    ed.InsertText(u"x");
    ed.RunHostCommand(4190);
    EXPECT_EQ(ed.text(), u"keep");
    EXPECT_FALSE(ed.IsDocumentModified());
}

TEST(MemoryEditorModel, PositionsAreClampedToTheDocument) {
    MemoryEditor ed(u"ab\r\nc");
    ed.SetCaretPos(PosKind::Logical, Position{99, 99});
    EXPECT_EQ(ed.caret(), (Position{1, 1}));
    ed.SetCaretPos(PosKind::Logical, Position{-4, -1});
    EXPECT_EQ(ed.caret(), (Position{0, 0}));
    EXPECT_EQ(ed.GetLineText(7), u"");
    EXPECT_EQ(ed.GetLineLength(-1), 0);
}

// An action that decided to act keeps what it did: the end only lets the
// editor draw again.
TEST(EditorCursorManual, WithoutRestoreOnlyResumesDrawing) {
    CountingEditor ed(u"abc def");
    ed.SetCaretPos(PosKind::View, Position{2, 0});
    {
        EditorCursorManual cursor(ed);
        cursor.save();
        EXPECT_EQ(ed.redrawDepth(), 1);
        ed.SetSelection(Position{0, 0}, Position{7, 0});
        EXPECT_FALSE(cursor.restored());
    }
    EXPECT_EQ(ed.anchor(), (Position{0, 0}));
    EXPECT_EQ(ed.caret(), (Position{7, 0}));
    EXPECT_EQ(ed.stops, 1);
    EXPECT_EQ(ed.resumes, 1);
}

TEST(EditorCursorManual, RestoreResumesDrawingOnce) {
    CountingEditor ed(u"abc def");
    ed.SetCaretPos(PosKind::View, Position{2, 0});
    {
        EditorCursorManual cursor(ed);
        cursor.save();
        ed.SetSelection(Position{0, 0}, Position{7, 0});
        cursor.restore();
        EXPECT_TRUE(cursor.restored());
    }
    EXPECT_EQ(ed.caret(), (Position{2, 0}));
    EXPECT_EQ(ed.anchor(), (Position{2, 0}));
    EXPECT_EQ(ed.resumes, 1);
}
