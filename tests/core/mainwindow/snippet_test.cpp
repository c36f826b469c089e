#include "mainwindow/snippet.h"
#include "frame/host_messages.h"
#include "tests/support/memory_editor.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Logs the order of flushes and insertions on top of MemoryEditor.
class LoggingEditor : public MemoryEditor {
public:
    using MemoryEditor::MemoryEditor;
    void FlushInput() override {
        log.push_back(u"<flush>");
        MemoryEditor::FlushInput();
    }
    void InsertText(u16view text) override {
        log.push_back(u16(text));
        MemoryEditor::InsertText(text);
    }
    std::vector<u16> log;
};

struct Fixture : ::testing::Test {
    LoggingEditor ed;
    snippet::Target target{ed};

    void select(Position anchor, Position active) { ed.SetSelection(anchor, active); }
    void caretAt(Position p) { ed.SetCaretPos(PosKind::Logical, p); }
    bool put(u16view begin, u16view end, int mode) { return snippet::insertSnippet(target, begin, end, mode); }
    void expectDoc(u16view text, Position caret) {
        EXPECT_EQ(str(ed.text()), str(text));
        EXPECT_EQ(ed.caret(), caret) << "caret at " << ed.caret().x << "," << ed.caret().y;
        EXPECT_EQ(ed.anchor(), ed.caret()) << "no selection left";
    }
    static std::string str(u16view s) { return std::string(s.begin(), s.end()); }
};

using SnippetWrap = Fixture;

TEST_F(SnippetWrap, WithoutSelectionActsAtTheCaret) {
    ed.setText(u"abcd");
    caretAt({2, 0});
    EXPECT_TRUE(put(u"$", u"$", snippet::Wrap));
    expectDoc(u"ab$$cd", {3, 0});
}

TEST_F(SnippetWrap, WrapsAWordOnOneLineAndEndsAfterTheEndText) {
    ed.setText(u"x abc y");
    select({2, 0}, {5, 0});
    put(u"\\textbf{", u"}", snippet::Wrap);
    expectDoc(u"x \\textbf{abc} y", {14, 0});
}

TEST_F(SnippetWrap, BackwardSelectionGivesTheSameResult) {
    ed.setText(u"x abc y");
    select({5, 0}, {2, 0});
    put(u"\\textbf{", u"}", snippet::Wrap);
    expectDoc(u"x \\textbf{abc} y", {14, 0});
}

TEST_F(SnippetWrap, BeginWithLineBreakShiftsTheEndOfAOneLineSelection) {
    ed.setText(u"xabcx");
    select({1, 0}, {4, 0});
    put(u"\\begin{equation}\r\n", u"\r\n\\end{equation}", snippet::Wrap);
    expectDoc(u"x\\begin{equation}\r\nabc\r\n\\end{equation}x", {14, 2});
}

TEST_F(SnippetWrap, SelectionAcrossLinesKeepsTheEndColumn) {
    ed.setText(u"one\r\ntwo\r\nthree");
    select({1, 0}, {2, 1});
    put(u"$", u"$", snippet::Wrap);
    expectDoc(u"o$ne\r\ntw$o\r\nthree", {3, 1});

    ed.setText(u"one\r\ntwo\r\nthree");
    select({0, 0}, {3, 1});
    put(u"\\begin{center}\r\n", u"\r\n\\end{center}", snippet::Wrap);
    expectDoc(u"\\begin{center}\r\none\r\ntwo\r\n\\end{center}\r\nthree", {12, 3});
}

TEST_F(SnippetWrap, WholeLineSelectedToColumnZeroEndsAfterTheLine) {
    ed.setText(u"abc\r\nnext");
    select({0, 0}, {0, 1});
    put(u"\\begin{equation}\r\n", u"\r\n\\end{equation}", snippet::Wrap);
    expectDoc(u"\\begin{equation}\r\nabc\r\n\\end{equation}\r\nnext", {14, 2});

    // The same rule with a begin on the same line: the end column moves too.
    ed.setText(u"abc\r\nnext");
    select({0, 0}, {0, 1});
    put(u"$", u"$", snippet::Wrap);
    expectDoc(u"$abc$\r\nnext", {5, 0});
}

TEST_F(SnippetWrap, UnknownModeWraps) {
    ed.setText(u"a b");
    select({0, 0}, {1, 0});
    put(u"[", u"]", 42);
    expectDoc(u"[a] b", {3, 0});
    ed.setText(u"a b");
    select({0, 0}, {1, 0});
    put(u"[", u"]", -1);
    expectDoc(u"[a] b", {3, 0});
}

using SnippetAtCaret = Fixture;

TEST_F(SnippetAtCaret, DropsTheSelectionAndLeavesTheCaretBetween) {
    ed.setText(u"abcd");
    select({0, 0}, {2, 0});
    put(u"X", u"Y", snippet::AtCaret);
    expectDoc(u"abXYcd", {3, 0});

    ed.setText(u"one\r\ntwo");
    select({1, 1}, {1, 0}); // active end on the first line
    put(u"\\vfill\r\n", u"", snippet::AtCaret);
    expectDoc(u"o\\vfill\r\nne\r\ntwo", {0, 1});
}

using SnippetDocumentEnds = Fixture;

TEST_F(SnippetDocumentEnds, StartInsertsAtTheTopAndLeavesTheCaretAfterIt) {
    ed.setText(u"abc\r\ndef");
    select({1, 1}, {3, 1});
    put(u"%top\r\n", u"ignored", snippet::DocumentStart);
    expectDoc(u"%top\r\nabc\r\ndef", {0, 1});
}

TEST_F(SnippetDocumentEnds, EndAppendsAndPutsTheCaretBack) {
    ed.setText(u"abc\r\ndef");
    caretAt({1, 0});
    put(u"\r\n\\end{document}", u"", snippet::DocumentEnd);
    expectDoc(u"abc\r\ndef\r\n\\end{document}", {1, 0});
    ASSERT_FALSE(ed.hostCommands.empty());
    EXPECT_EQ(ed.hostCommands.back(), hostmsg::CmdCaretDocumentEnd);
}

using SnippetReplace = Fixture;

TEST_F(SnippetReplace, ReplacesTheSelectionAndStandsBeforeTheEndText) {
    ed.setText(u"abc def");
    select({4, 0}, {7, 0});
    put(u"XYZ", u"()", snippet::Replace);
    expectDoc(u"abc XYZ()", {7, 0});

    ed.setText(u"a\r\nb\r\nc");
    select({0, 0}, {1, 1});
    put(u"Q", u"", snippet::Replace);
    expectDoc(u"Q\r\nc", {1, 0});
}

TEST_F(SnippetReplace, WithoutSelectionInsertsAtTheCaret) {
    ed.setText(u"ab");
    caretAt({1, 0});
    put(u"\\listoftables", u"", snippet::Replace);
    expectDoc(u"a\\listoftablesb", {14, 0});
}

using SnippetGroup = Fixture;

TEST_F(SnippetGroup, WrapsTheSelectionInBracesAfterTheBegin) {
    ed.setText(u"a word b");
    select({2, 0}, {6, 0});
    put(u"\\bfseries ", u"", snippet::Group);
    expectDoc(u"a {\\bfseries word} b", {18, 0});
}

TEST_F(SnippetGroup, WithoutSelectionInsertsBeginThenEnd) {
    ed.setText(u"ab");
    caretAt({1, 0});
    put(u"\\bfseries ", u"", snippet::Group);
    expectDoc(u"a\\bfseries b", {11, 0});
    put(u"<", u">", snippet::Group);
    expectDoc(u"a\\bfseries <>b", {13, 0});
}

TEST_F(SnippetGroup, AcrossLinesAndWithoutTheColumnZeroRule) {
    ed.setText(u"one\r\ntwo");
    select({1, 0}, {2, 1});
    put(u"B", u"E", snippet::Group);
    expectDoc(u"o{Bne\r\ntwE}o", {4, 1});

    ed.setText(u"one\r\ntwo");
    select({0, 0}, {0, 1});
    put(u"\\small ", u"", snippet::Group);
    expectDoc(u"{\\small one\r\n}two", {1, 1});
}

using SnippetGroupWithArgument = Fixture;

TEST_F(SnippetGroupWithArgument, WithoutSelectionActsAtTheCaret) {
    ed.setText(u"ab");
    caretAt({1, 0});
    put(u"\\color[rgb]{", u",,}", snippet::GroupWithArgument);
    expectDoc(u"a\\color[rgb]{,,}b", {13, 0});
}

TEST_F(SnippetGroupWithArgument, PutsTheArgumentBeforeTheWordAndTheCaretInIt) {
    ed.setText(u"x word");
    select({2, 0}, {6, 0});
    put(u"\\color[rgb]{", u",,}", snippet::GroupWithArgument);
    expectDoc(u"x {\\color[rgb]{,,}word}", {15, 0});
}

TEST_F(SnippetGroupWithArgument, AcrossLines) {
    ed.setText(u"one\r\ntwo");
    select({0, 0}, {3, 1});
    put(u"B", u"E", snippet::GroupWithArgument);
    expectDoc(u"{BEone\r\ntwo}", {2, 0});
}

using SnippetCommandWithArgument = Fixture;

TEST_F(SnippetCommandWithArgument, WithoutSelectionLeavesEmptyBraces) {
    ed.setText(u"ab");
    caretAt({1, 0});
    put(u"\\textcolor[rgb]{", u",,}", snippet::CommandWithArgument);
    expectDoc(u"a\\textcolor[rgb]{,,}{}b", {17, 0});
}

TEST_F(SnippetCommandWithArgument, BracesTheWordAndPutsTheCaretInTheArgument) {
    ed.setText(u"word y");
    select({0, 0}, {4, 0});
    put(u"\\textcolor[rgb]{", u",,}", snippet::CommandWithArgument);
    expectDoc(u"\\textcolor[rgb]{,,}{word} y", {16, 0});
}

TEST_F(SnippetCommandWithArgument, AcrossLines) {
    ed.setText(u"one\r\ntwo");
    select({1, 0}, {2, 1});
    put(u"\\fcolorbox{red}{", u"}", snippet::CommandWithArgument);
    expectDoc(u"o\\fcolorbox{red}{}{ne\r\ntw}o", {17, 0});
}

using SnippetPreconditions = Fixture;

TEST_F(SnippetPreconditions, ReadOnlyNotReadyOrGoneInsertsNothing) {
    ed.setText(u"abc");
    caretAt({1, 0});
    ed.setReadOnly(true);
    EXPECT_FALSE(put(u"X", u"Y", snippet::AtCaret));
    ed.setReadOnly(false);

    snippet::Target early{ed, false};
    EXPECT_FALSE(snippet::insertSnippet(early, u"X", u"Y", snippet::AtCaret));
    EXPECT_FALSE(snippet::insertListSnippet(early, u"B", u"E", u"I"));
    EXPECT_FALSE(snippet::insertUserString(early, u"text"));

    ed.setExists(false);
    EXPECT_FALSE(put(u"X", u"Y", snippet::AtCaret));
    ed.setExists(true);

    EXPECT_TRUE(ed.log.empty());
    expectDoc(u"abc", {1, 0});
}

TEST_F(SnippetPreconditions, FlushesOnceBeforeTheFirstNonEmptyText) {
    ed.setText(u"ab");
    caretAt({1, 0});
    put(u"", u"Y", snippet::AtCaret);
    EXPECT_EQ(ed.log, (std::vector<u16>{u"<flush>", u"Y"}));

    ed.log.clear();
    select({0, 0}, {1, 0});
    put(u"\\bfseries ", u"", snippet::Group);
    EXPECT_EQ(ed.log, (std::vector<u16>{u"<flush>", u"{", u"\\bfseries ", u"}"}));

    ed.log.clear();
    put(u"", u"", snippet::AtCaret);
    EXPECT_TRUE(ed.log.empty()); // nothing inserted, nothing flushed

    ed.log.clear();
    snippet::insertSnippet(target, u"Z", u"", snippet::AtCaret, false);
    EXPECT_EQ(ed.log, (std::vector<u16>{u"Z"}));
}

using SnippetLists = Fixture;

TEST_F(SnippetLists, LinesSelectedToColumnZeroEachGetAnItem) {
    ed.setText(u"a\r\nb\r\nc");
    select({0, 0}, {0, 2});
    EXPECT_TRUE(snippet::insertListSnippet(target, u"\\begin{itemize}\r\n", u"\r\n\\end{itemize}", u"\\item "));
    expectDoc(u"\\begin{itemize}\r\n\\item a\r\n\\item b\r\n\\end{itemize}\r\nc", {13, 3});
}

TEST_F(SnippetLists, SelectionEndingInsideALineIncludesItsStart) {
    ed.setText(u"a\r\nbc");
    select({0, 0}, {1, 1});
    snippet::insertListSnippet(target, u"\\begin{enumerate}\r\n", u"\r\n\\end{enumerate}", u"\\item ");
    expectDoc(u"\\begin{enumerate}\r\n\\item a\r\n\\item b\r\n\\end{enumerate}c", {15, 3});
}

TEST_F(SnippetLists, OneLineOrNoSelectionWrapsWithTheFirstItem) {
    ed.setText(u"word");
    select({0, 0}, {4, 0});
    snippet::insertListSnippet(target, u"\\begin{description}\r\n", u"\r\n\\end{description}", u"\\item[]");
    expectDoc(u"\\begin{description}\r\n\\item[]word\r\n\\end{description}", {17, 2});

    ed.setText(u"");
    snippet::insertListSnippet(target, u"\\begin{itemize}\r\n", u"\r\n\\end{itemize}", u"\\item ");
    expectDoc(u"\\begin{itemize}\r\n\\item \r\n\\end{itemize}", {6, 1});
}

using SnippetUserString = Fixture;

TEST_F(SnippetUserString, MarkerSplitsIntoWrappingTexts) {
    ed.setText(u"x word");
    select({2, 0}, {6, 0});
    snippet::insertUserString(target, u"<%#%#Cursor#%#%>");
    expectDoc(u"x <word>", {8, 0});

    ed.setText(u"");
    snippet::insertUserString(target, u"\\begin{center}\r\n%#%#Cursor#%#%\r\n\\end{center}");
    expectDoc(u"\\begin{center}\r\n\r\n\\end{center}", {0, 1});
}

TEST_F(SnippetUserString, FurtherMarkersDisappearAndNoMarkerInsertsAtTheCaret) {
    ed.setText(u"");
    snippet::insertUserString(target, u"a%#%#Cursor#%#%b%#%#Cursor#%#%c");
    expectDoc(u"abc", {1, 0});

    ed.setText(u"x word");
    select({2, 0}, {6, 0});
    snippet::insertUserString(target, u"plain");
    expectDoc(u"x wordplain", {11, 0});
}

} // namespace
