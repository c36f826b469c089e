#include "mainwindow/command_dispatch.h"
#include "mainwindow/command_ids.h"
#include "tests/support/memory_editor.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using command_dispatch::Outcome;
using command_table::Action;

std::string utf8(u16view s) { return std::string(s.begin(), s.end()); }

struct CommandDispatch : ::testing::Test {
    MemoryEditor ed;
    command_dispatch::Result run(uint32_t id, bool ready = true) {
        return command_dispatch::runCommand(id, snippet::Target{ed, ready});
    }
    void expectForShell(uint32_t id, Action action, int32_t argument = 0, int32_t sub = -1) {
        command_dispatch::Result r = run(id);
        EXPECT_EQ(r.outcome, Outcome::ForShell) << id;
        EXPECT_EQ(r.other.action, action) << id;
        EXPECT_EQ(r.other.argument, argument) << id;
        EXPECT_EQ(r.other.sub, sub) << id;
        EXPECT_FALSE(r.focusEditor) << id;
    }
};

TEST_F(CommandDispatch, SnippetsWrapTheSelection) {
    ed.setText(u"x word y");
    ed.SetSelection({2, 0}, {6, 0});
    auto r = run(41380); // bold
    EXPECT_EQ(r.outcome, Outcome::Done);
    EXPECT_TRUE(r.focusEditor);
    EXPECT_EQ(utf8(ed.text()), "x \\textbf{word} y");
    EXPECT_EQ(ed.caret(), (Position{15, 0}));

    ed.setText(u"x word y");
    ed.SetSelection({2, 0}, {6, 0});
    run(41368);
    EXPECT_EQ(utf8(ed.text()), "x {\\bfseries word} y");

    ed.setText(u"x word y");
    ed.SetSelection({2, 0}, {6, 0});
    run(41329);
    EXPECT_EQ(utf8(ed.text()), "x \\textcolor[rgb]{,,}{word} y");
    EXPECT_EQ(ed.caret(), (Position{18, 0}));

    ed.setText(u"x word y");
    ed.SetSelection({2, 0}, {6, 0});
    run(41319);
    EXPECT_EQ(utf8(ed.text()), "x {\\color[rgb]{,,}word} y");
    EXPECT_EQ(ed.caret(), (Position{15, 0}));
}

TEST_F(CommandDispatch, ListsFromToolbarAndMenu) {
    ed.setText(u"a\r\nb\r\n");
    ed.SetSelection({0, 0}, {0, 2});
    auto r = run(41303);
    EXPECT_EQ(r.outcome, Outcome::Done);
    EXPECT_EQ(utf8(ed.text()), utf8(u"\\begin{enumerate}\r\n\\item a\r\n\\item b\r\n\\end{enumerate}\r\n"));

    ed.setText(u"");
    run(41110);
    EXPECT_EQ(utf8(ed.text()), utf8(u"\\begin{description}\r\n\\item[]\r\n\\end{description}"));
    EXPECT_EQ(ed.caret(), (Position{7, 1}));
}

TEST_F(CommandDispatch, CommentAndSectionCommandsRunHere) {
    ed.setText(u"\\section{A}");
    EXPECT_EQ(run(cmd::CommentOutMenu).outcome, Outcome::Done);
    EXPECT_EQ(utf8(ed.text()), "%\\section{A}");
    run(cmd::ToggleComment);
    EXPECT_EQ(utf8(ed.text()), "\\section{A}");
    run(cmd::Uncomment);
    EXPECT_EQ(utf8(ed.text()), "\\section{A}");

    auto r = run(cmd::LowerSection);
    EXPECT_EQ(r.outcome, Outcome::Done);
    EXPECT_TRUE(r.focusEditor);
    EXPECT_EQ(utf8(ed.text()), "\\subsection{A}");
    run(cmd::RaiseSection);
    run(cmd::RaiseSection);
    EXPECT_EQ(utf8(ed.text()), "\\chapter{A}");
}

TEST_F(CommandDispatch, CommentTooLongIsFlaggedForTheShell) {
    ed.setText(u16(200000, u'x'));
    ed.SetSelection({0, 0}, {200000, 0});
    auto r = run(cmd::ToggleCommentMenu);
    EXPECT_EQ(r.outcome, Outcome::Done);
    EXPECT_TRUE(r.commentTooLong);
    EXPECT_FALSE(r.focusEditor);
    EXPECT_EQ(ed.lines()[0].size(), 200000u);
}

TEST_F(CommandDispatch, JumpToTargetReturnsTheDecision) {
    ed.setText(u"\\begin{a}\r\n\\end{a}");
    auto r = run(cmd::JumpToTarget);
    EXPECT_EQ(r.outcome, Outcome::Jump);
    EXPECT_EQ(r.jump.kind, jump_target::Decision::Kind::MoveCaret);
    EXPECT_EQ(r.jump.position, (Position{0, 1}));
    EXPECT_EQ(ed.caret(), (Position{0, 0})); // moving is the shell's
}

TEST_F(CommandDispatch, RefusedInsertionDoesNotAskForFocus) {
    ed.setText(u"abc");
    auto r = run(41003, false);
    EXPECT_EQ(r.outcome, Outcome::Done);
    EXPECT_FALSE(r.focusEditor);
    ed.setReadOnly(true);
    r = run(41125);
    EXPECT_FALSE(r.focusEditor);
    r = run(41043);
    EXPECT_FALSE(r.focusEditor);
    EXPECT_EQ(utf8(ed.text()), "abc");
}

TEST_F(CommandDispatch, WindowAndDialogCommandsGoToTheShell) {
    expectForShell(41001, Action::DocumentClassDialog);
    expectForShell(41002, Action::PageLayoutDialog);
    expectForShell(41025, Action::PopupMenu, 0);
    expectForShell(41008, Action::PopupMenu, 9);
    expectForShell(41082, Action::PopupMenu, 11);
    expectForShell(41127, Action::PopupMenu, 19);
    expectForShell(41122, Action::PopupMenu, 16);
    expectForShell(41117, Action::PopupMenu, 16, 0);
    expectForShell(41121, Action::PopupMenu, 16, 4);
    expectForShell(41009, Action::PaletteWindow);
    expectForShell(41099, Action::PaletteWindow);
    expectForShell(41022, Action::ReferenceDialog, 0);
    expectForShell(41024, Action::ReferenceDialog, 1);
    expectForShell(41042, Action::OutlineWindow);
    expectForShell(41045, Action::Typeset, 1);
    expectForShell(41100, Action::Typeset, 5);
    expectForShell(41055, Action::Typeset, 9);
    expectForShell(41185, Action::Typeset, 5);
    expectForShell(41189, Action::Typeset, 9);
    expectForShell(41123, Action::SharedToggle, 0);
    expectForShell(41137, Action::SharedToggle, 2);
    expectForShell(41136, Action::JumpBack);
    expectForShell(41193, Action::SystemCommand, 6);
    expectForShell(41197, Action::SystemCommand, 3);
    expectForShell(41198, Action::CloseMainWindow);
    expectForShell(41054, Action::UserStringMenu);
    expectForShell(41414, Action::UserMenu);
    expectForShell(46002, Action::UserStringEditor);
    expectForShell(1209, Action::AuxiliaryFileDeletion);
    expectForShell(65000, Action::InsertUserString, 0);
    expectForShell(65050, Action::InsertUserString, 50);
}

TEST_F(CommandDispatch, UnknownIdentifiersDoNothing) {
    ed.setText(u"abc");
    for (uint32_t id : {0u, 41000u, 41048u, 41050u, 41138u, 41144u, 41415u, 65051u, 0xFFFFFFFFu}) {
        auto r = run(id);
        EXPECT_EQ(r.outcome, Outcome::Ignored) << id;
        EXPECT_FALSE(r.focusEditor) << id;
    }
    EXPECT_EQ(utf8(ed.text()), "abc");
    EXPECT_EQ(ed.flushCount, 0);
}

} // namespace

namespace {

bool known(uint32_t id) {
    return command_table::findSnippet(id) || command_table::findList(id) || command_table::findOther(id);
}

TEST(CommandTable, EveryToolbarAndMenuCommandIsKnown) {
    // The toolbar's 113 buttons, in button order.
    const std::pair<uint32_t, uint32_t> toolbar[] = {
        {41001, 41007}, {41097, 41098}, {41082, 41082}, {41008, 41017}, {41092, 41096}, {41099, 41099},
        {41018, 41019}, {41081, 41081}, {41020, 41024}, {41132, 41134}, {41091, 41091}, {41101, 41107},
        {41025, 41025}, {41125, 41126}, {41026, 41027}, {41111, 41114}, {41028, 41031}, {41083, 41083},
        {41088, 41090}, {41032, 41035}, {41117, 41122}, {41036, 41039}, {41075, 41075}, {41108, 41110},
        {41041, 41041}, {41040, 41040}, {41128, 41131}, {41127, 41127}, {41043, 41043}, {41084, 41085},
        {41087, 41087}, {41044, 41044}, {41115, 41115}, {41123, 41123}, {41079, 41079}, {41136, 41136},
        {41042, 41042}, {41124, 41124}, {41045, 41047}, {41049, 41049}, {41100, 41100}, {41051, 41053},
        {41086, 41086}, {41137, 41137}, {41055, 41055}, {41054, 41054}, {1209, 1209}, {41414, 41414},
        {41116, 41116}};
    int buttons = 0;
    for (auto [first, last] : toolbar)
        for (uint32_t id = first; id <= last; ++id, ++buttons) EXPECT_TRUE(known(id)) << id;
    EXPECT_EQ(buttons, 113);
    for (uint32_t id = cmd::FirstPopup; id <= cmd::LastPopup; ++id) EXPECT_TRUE(known(id)) << id;
}

} // namespace
