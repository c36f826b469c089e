#include "mainwindow/comment_commands.h"
#include "frame/host_messages.h"
#include "tests/support/memory_editor.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace {

std::string utf8(u16view s) { return std::string(s.begin(), s.end()); }

struct CommentCommands : ::testing::Test {
    MemoryEditor ed;
    snippet::Target target{ed};
    comment::Result run(comment::Request r) { return comment::run(target, r); }
    void expectDoc(u16view text) { EXPECT_EQ(utf8(ed.text()), utf8(text)); }
};

TEST_F(CommentCommands, ToggleOnTheCaretLineAddsAndRemovesThePercent) {
    ed.setText(u"one\r\nabc\r\nthree");
    ed.SetCaretPos(PosKind::Logical, {1, 1});
    EXPECT_EQ(run(comment::Toggle), comment::Result::Done);
    expectDoc(u"one\r\n%abc\r\nthree");
    EXPECT_EQ(ed.caret(), (Position{2, 1}));

    EXPECT_EQ(run(comment::Toggle), comment::Result::Done);
    expectDoc(u"one\r\nabc\r\nthree");
    EXPECT_EQ(ed.caret(), (Position{1, 1}));
    EXPECT_EQ(ed.anchor(), ed.caret());
}

TEST_F(CommentCommands, AddAndRemoveAreOneWay) {
    ed.setText(u"%abc");
    EXPECT_EQ(run(comment::Add), comment::Result::Done);
    expectDoc(u"%%abc");
    EXPECT_EQ(ed.caret(), (Position{1, 0}));

    ed.setText(u"abc");
    ed.setModified(false);
    ed.SetCaretPos(PosKind::Logical, {2, 0});
    run(comment::Remove);
    expectDoc(u"abc");
    EXPECT_EQ(ed.caret(), (Position{2, 0}));
    EXPECT_FALSE(ed.IsDocumentModified());

    ed.setText(u"%abc"); // caret at column 0 stays there
    run(comment::Remove);
    expectDoc(u"abc");
    EXPECT_EQ(ed.caret(), (Position{0, 0}));
}

TEST_F(CommentCommands, ShortCommentedLineIsUncommentedByDeletingThePercent) {
    ed.setText(u"a\r\n%x\r\nb");
    ed.SetCaretPos(PosKind::Logical, {2, 1});
    run(comment::Toggle);
    expectDoc(u"a\r\nx\r\nb");
    EXPECT_EQ(ed.caret(), (Position{1, 1}));
    EXPECT_NE(std::find(ed.hostCommands.begin(), ed.hostCommands.end(), hostmsg::CmdDeleteForward),
              ed.hostCommands.end());

    ed.setText(u"%");
    ed.SetCaretPos(PosKind::Logical, {1, 0});
    run(comment::Toggle);
    expectDoc(u"");
    EXPECT_EQ(ed.caret(), (Position{0, 0}));
}

TEST_F(CommentCommands, SelectionOfLinesPartlyCommented) {
    ed.setText(u"a\r\n%b\r\nc\r\nd");
    ed.SetSelection({1, 0}, {1, 2}); // from inside the first line
    run(comment::Toggle);
    expectDoc(u"%a\r\n%%b\r\n%c\r\nd");

    ed.setText(u"%a\r\nb\r\n%c");
    ed.SetSelection({0, 0}, {2, 2});
    run(comment::Toggle);
    expectDoc(u"a\r\nb\r\nc");

    ed.setText(u"a\r\n%b\r\n%%c");
    ed.SetSelection({0, 0}, {3, 2});
    run(comment::Remove); // first line has none: only the others lose one
    expectDoc(u"a\r\nb\r\n%c");
}

TEST_F(CommentCommands, SelectionEndingAtColumnZeroLeavesThatLineAlone) {
    ed.setText(u"a\r\nb\r\nc");
    ed.SetSelection({0, 2}, {0, 0});
    run(comment::Add);
    expectDoc(u"%a\r\n%b\r\nc");
}

TEST_F(CommentCommands, TooLongSelectionIsReportedAndChangesNothing) {
    u16 line(comment::MaxSelection + 1, u'x');
    ed.setText(line);
    ed.SetSelection({1, 0}, {comment::MaxSelection + 1, 0}); // extended to column 0: one too many
    EXPECT_EQ(run(comment::Toggle), comment::Result::TooLong);
    EXPECT_EQ(ed.text(), line);
    EXPECT_FALSE(ed.IsDocumentModified());

    line.pop_back();
    ed.setText(line);
    ed.SetSelection({0, 0}, {comment::MaxSelection, 0});
    EXPECT_EQ(run(comment::Toggle), comment::Result::Done);
    EXPECT_EQ(ed.text(), u"%" + line);
}

TEST_F(CommentCommands, ReadOnlyDocumentIsLeftAlone) {
    ed.setText(u"abc");
    ed.setReadOnly(true);
    EXPECT_EQ(run(comment::Toggle), comment::Result::NotAllowed);
    expectDoc(u"abc");
    EXPECT_TRUE(ed.hostCommands.empty());
}

TEST(CommentText, EveryKindOfLineBreakCounts) {
    EXPECT_EQ(utf8(comment::commented(u"a\rb\nc\r\nd", 3)), utf8(u"%a\r%b\n%c\r\n%d"));
    EXPECT_EQ(utf8(comment::commented(u"a\r\nb\r\n", 1)), utf8(u"%a\r\n%b\r\n"));
    EXPECT_EQ(utf8(comment::commented(u"", 0)), "%");
    EXPECT_EQ(utf8(comment::uncommented(u"%a\r%b\n%%c\r\n%d%")), utf8(u"a\rb\n%c\r\nd%"));
    EXPECT_EQ(utf8(comment::uncommented(u"")), "");
}

} // namespace
