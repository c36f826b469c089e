#include "mainwindow/jump_target.h"
#include "tests/support/memory_editor.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using Kind = jump_target::Decision::Kind;

std::string utf8(u16view s) { return std::string(s.begin(), s.end()); }

std::string named(u16view text, int32_t caret) {
    auto n = jump_target::commandAt(text, caret);
    if (!n) return "(none)";
    return utf8(n->command) + "|" + utf8(n->argument) + "|" + std::to_string(n->column);
}

TEST(JumpTargetCommandAt, FindsTheCommandBackFromTheCaret) {
    EXPECT_EQ(named(u"see \\ref{sec:a} here", 10), "ref|sec:a|4");   // inside the argument
    EXPECT_EQ(named(u"see \\ref{sec:a} here", 4), "ref|sec:a|4");    // on the backslash
    EXPECT_EQ(named(u"see \\ref{sec:a} here", 6), "ref|sec:a|4");    // inside the name
    EXPECT_EQ(named(u"see \\ref{sec:a} here", 15), "ref|sec:a|4");   // just after it
    EXPECT_EQ(named(u"see \\ref{sec:a} here", 17), "(none)");        // a space in between
    EXPECT_EQ(named(u"\\cite{a b}", 9), "(none)");                    // a space in the way back
    EXPECT_EQ(named(u"\\includegraphics[width=3cm]{fig.eps}", 30), "includegraphics|fig.eps|0");
    EXPECT_EQ(named(u"\\section*{A}", 3), "section|A|0");
    EXPECT_EQ(named(u"\\input\r\n{chap}", 2), "input|chap|0");           // argument on the next line
    EXPECT_EQ(named(u"\\inputx{a}", 2), "inputx|a|0");
    EXPECT_EQ(named(u"\\ref:x{a}", 2), "(none)");                         // no delimiter after the name
    EXPECT_EQ(named(u"\\ref{open", 6), "ref||0");                         // unclosed: no argument
    EXPECT_EQ(named(u"\\\\ x", 1), "(none)");
    EXPECT_EQ(named(u"", 0), "(none)");
    EXPECT_EQ(named(u"abc", 99), "(none)");
}

TEST(JumpTargetFileNames, TexAppendedOnlyWithoutExtension) {
    EXPECT_EQ(utf8(jump_target::withTexExtension(u"chap1")), "chap1.tex");
    EXPECT_EQ(utf8(jump_target::withTexExtension(u"chap1.tex")), "chap1.tex");
    EXPECT_EQ(utf8(jump_target::withTexExtension(u"parts.v2/intro")), "parts.v2/intro.tex");
    EXPECT_EQ(utf8(jump_target::withTexExtension(u"parts.v2\\intro")), "parts.v2\\intro.tex");
    EXPECT_EQ(utf8(jump_target::withTexExtension(u"")), ".tex");
}

TEST(JumpTargetMarks, SkipsCommentsButNotEscapedPercents) {
    auto marks = jump_target::environmentMarks(
        u"\\begin{a}%\\end{a}\r\n50\\% \\end{a}\r\n\\\\% \\begin{b}\n\\begin {c}\\end{x\r\ny}");
    ASSERT_EQ(marks.size(), 3u);
    EXPECT_TRUE(marks[0].begin);
    EXPECT_EQ(marks[0].at, (Position{0, 0}));
    EXPECT_FALSE(marks[1].begin);
    EXPECT_EQ(utf8(marks[1].name), "a");
    EXPECT_EQ(marks[1].at, (Position{5, 1}));
    EXPECT_EQ(utf8(marks[2].name), "c");
    EXPECT_EQ(marks[2].at, (Position{0, 3}));
}

struct JumpTarget : ::testing::Test {
    MemoryEditor ed;
    jump_target::Decision at(Position caret) {
        ed.SetCaretPos(PosKind::Logical, caret);
        return jump_target::decide(ed);
    }
};

constexpr char16_t Nested[] =
    u"\\begin{itemize}\r\n"      // 0
    u"\\item a\r\n"              // 1
    u"  \\begin{itemize}\r\n"    // 2
    u"  \\item b\r\n"            // 3
    u"  \\end{itemize}\r\n"      // 4
    u"% \\end{itemize}\r\n"      // 5
    u"\\begin{center}\\end{center}\r\n" // 6
    u"\\end{itemize}";           // 7

TEST_F(JumpTarget, PairsNestedEnvironmentsOfTheSameName) {
    ed.setText(Nested);
    auto d = at({9, 0});
    EXPECT_EQ(d.kind, Kind::MoveCaret);
    EXPECT_EQ(d.position, (Position{0, 7}));

    d = at({3, 7}); // from the outer \end back
    EXPECT_EQ(d.kind, Kind::MoveCaret);
    EXPECT_EQ(d.position, (Position{0, 0}));

    d = at({2, 2}); // the inner \begin, caret on its backslash
    EXPECT_EQ(d.position, (Position{2, 4}));

    d = at({8, 4});
    EXPECT_EQ(d.position, (Position{2, 2}));

    d = at({16, 6}); // \end{center} right after its \begin on one line
    EXPECT_EQ(d.position, (Position{0, 6}));
}

TEST_F(JumpTarget, LeavesCaretAndSelectionAsTheyWere) {
    ed.setText(Nested);
    ed.SetSelection({2, 0}, {9, 0});
    auto d = jump_target::decide(ed);
    EXPECT_EQ(d.kind, Kind::MoveCaret);
    EXPECT_EQ(ed.anchor(), (Position{2, 0}));
    EXPECT_EQ(ed.caret(), (Position{9, 0}));
    EXPECT_EQ(ed.redrawDepth(), 0);
}

TEST_F(JumpTarget, UnmatchedEnvironmentGoesNowhere) {
    ed.setText(u"\\begin{a}\r\n\\begin{b}\r\n\\end{b}");
    auto d = at({3, 0});
    EXPECT_EQ(d.kind, Kind::Nothing);
}

TEST_F(JumpTarget, FilesLabelsAndCitations) {
    ed.setText(u"\\input{chap1} \\include{parts/two.tex}\r\n\\includegraphics[scale=2]{fig.eps}\r\n"
               u"\\ref{sec} \\eqref{eq} \\pageref{p} \\cite{knuth}");
    auto d = at({3, 0});
    EXPECT_EQ(d.kind, Kind::OpenInHost);
    EXPECT_EQ(utf8(d.name), "chap1.tex");
    d = at({20, 0});
    EXPECT_EQ(d.kind, Kind::OpenInHost);
    EXPECT_EQ(utf8(d.name), "parts/two.tex");
    d = at({30, 1});
    EXPECT_EQ(d.kind, Kind::OpenWithAssociation);
    EXPECT_EQ(utf8(d.name), "fig.eps");
    d = at({6, 2});
    EXPECT_EQ(d.kind, Kind::Label);
    EXPECT_EQ(utf8(d.name), "sec");
    d = at({15, 2});
    EXPECT_EQ(d.kind, Kind::Label);
    EXPECT_EQ(utf8(d.name), "eq");
    d = at({25, 2});
    EXPECT_EQ(d.kind, Kind::Label);
    EXPECT_EQ(utf8(d.name), "p");
    d = at({40, 2});
    EXPECT_EQ(d.kind, Kind::Citation);
    EXPECT_EQ(utf8(d.name), "knuth");
}

TEST_F(JumpTarget, OtherwiseTheLastBeginBeforeTheCaret) {
    ed.setText(u"\\begin{a}\r\n\\begin{b} text\r\n% \\begin{c}\r\nhere \\begin{d}");
    auto d = at({2, 3});
    EXPECT_EQ(d.kind, Kind::MoveCaret);
    EXPECT_EQ(d.position, (Position{0, 1}));
    EXPECT_TRUE(d.name.empty());

    d = at({12, 1}); // in "text": the \begin{b} on the same line is before it
    EXPECT_EQ(d.position, (Position{0, 1}));

    d = at({0, 0});
    EXPECT_EQ(d.kind, Kind::Nothing);

    ed.setText(u"no environments here");
    d = at({5, 0});
    EXPECT_EQ(d.kind, Kind::Nothing);
}

TEST_F(JumpTarget, RootLineOnTheFirstLineOnly) {
    ed.setText(u"%Root main.tex\r\n%Root other.tex");
    auto d = at({3, 0});
    EXPECT_EQ(d.kind, Kind::OpenRootFile);
    EXPECT_EQ(utf8(d.name), "main.tex");
    d = at({3, 1});
    EXPECT_EQ(d.kind, Kind::Nothing);
}

} // namespace
