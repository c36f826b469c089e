#include "mainwindow/section_level.h"
#include "tests/support/memory_editor.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string utf8(u16view s) { return std::string(s.begin(), s.end()); }

std::string shift(u16view text, section_level::Direction d) {
    auto out = section_level::shifted(text, d);
    return out ? utf8(*out) : "(none)";
}

TEST(SectionLevelText, LadderUpAndDown) {
    using section_level::Lower;
    using section_level::Raise;
    EXPECT_EQ(shift(u"\\part{A}", Raise), "\\part{A}");
    EXPECT_EQ(shift(u"\\part{A}", Lower), "\\chapter{A}");
    EXPECT_EQ(shift(u"\\chapter{A}", Raise), "\\part{A}");
    EXPECT_EQ(shift(u"\\section*{A}", Raise), "\\chapter*{A}");
    EXPECT_EQ(shift(u"\\section*{A}", Lower), "\\subsection*{A}");
    EXPECT_EQ(shift(u"\\subsection{A}", Raise), "\\section{A}");
    EXPECT_EQ(shift(u"\\subsubsection[s]{A}", Lower), "\\paragraph[s]{A}");
    EXPECT_EQ(shift(u"\\paragraph{A}", Raise), "\\subsubsection{A}");
    EXPECT_EQ(shift(u"\\subparagraph{A}", Raise), "\\paragraph{A}");
    EXPECT_EQ(shift(u"\\subparagraph{A}", Lower), "\\subparagraph{A}");
}

TEST(SectionLevelText, OnlyTheFirstCommandFollowedByADelimiter) {
    using section_level::Raise;
    EXPECT_EQ(shift(u"x \\section{a} \\subsection{b}", Raise), "x \\chapter{a} \\subsection{b}");
    EXPECT_EQ(shift(u"\\sectionmark{a} \\section (b)", Raise), "\\sectionmark{a} \\chapter (b)");
    EXPECT_EQ(shift(u"\\section\t", Raise), "\\chapter\t");
    EXPECT_EQ(shift(u"\\section", Raise), "(none)"); // cut off: nothing follows
    EXPECT_EQ(shift(u"\\partial x", Raise), "(none)");
    EXPECT_EQ(shift(u"", Raise), "(none)");
}

struct SectionLevel : ::testing::Test {
    MemoryEditor ed;
    snippet::Target target{ed};
};

TEST_F(SectionLevel, ChangesTheCommandAndKeepsCaretAndSelection) {
    ed.setText(u"text\r\n\\section{Intro}\r\nmore");
    ed.SetSelection({2, 1}, {9, 1});
    EXPECT_TRUE(section_level::run(target, section_level::Raise));
    EXPECT_EQ(utf8(ed.text()), utf8(u"text\r\n\\chapter{Intro}\r\nmore"));
    EXPECT_EQ(ed.anchor(), (Position{2, 1}));
    EXPECT_EQ(ed.caret(), (Position{9, 1}));
    EXPECT_EQ(ed.redrawDepth(), 0);

    ed.SetCaretPos(PosKind::Logical, {3, 1});
    section_level::run(target, section_level::Lower);
    section_level::run(target, section_level::Lower);
    EXPECT_EQ(utf8(ed.text()), utf8(u"text\r\n\\subsection{Intro}\r\nmore"));
    EXPECT_EQ(ed.caret(), (Position{3, 1}));
}

TEST_F(SectionLevel, TopAndBottomStayUnchanged) {
    ed.setText(u"\\part{A}");
    section_level::run(target, section_level::Raise);
    EXPECT_EQ(utf8(ed.text()), "\\part{A}");
    EXPECT_FALSE(ed.IsDocumentModified());

    ed.setText(u"\\subparagraph{A}");
    ed.SetCaretPos(PosKind::Logical, {16, 0});
    section_level::run(target, section_level::Lower);
    EXPECT_EQ(utf8(ed.text()), "\\subparagraph{A}");
    section_level::run(target, section_level::Raise);
    EXPECT_EQ(utf8(ed.text()), "\\paragraph{A}");
}

TEST_F(SectionLevel, LooksOnlyTwentyColumnsEitherSide) {
    u16 far = u"\\section{" + u16(20, u'x') + u"}";
    ed.setText(far);
    ed.SetCaretPos(PosKind::Logical, {29, 0}); // 29 columns after the backslash
    section_level::run(target, section_level::Raise);
    EXPECT_EQ(utf8(ed.text()), utf8(u"\\section{" + u16(20, u'x') + u"\\section{}}"));

    ed.setText(far);
    ed.SetCaretPos(PosKind::Logical, {20, 0});
    section_level::run(target, section_level::Raise);
    EXPECT_EQ(utf8(ed.text()), utf8(u"\\chapter{" + u16(20, u'x') + u"}"));

    ed.setText(u16(25, u' ') + u"\\section{x}");
    ed.SetCaretPos(PosKind::Logical, {4, 0}); // command starts 21 columns away
    section_level::run(target, section_level::Lower);
    EXPECT_EQ(utf8(ed.text()), utf8(u"    \\section{}" + u16(21, u' ') + u"\\section{x}"));
}

TEST_F(SectionLevel, WithoutACommandInsertsASection) {
    ed.setText(u"plain text");
    ed.SetCaretPos(PosKind::Logical, {5, 0});
    EXPECT_TRUE(section_level::run(target, section_level::Raise));
    EXPECT_EQ(utf8(ed.text()), "plain\\section{} text");
    EXPECT_EQ(ed.caret(), (Position{14, 0}));

    ed.setText(u"Intro");
    ed.SetSelection({0, 0}, {5, 0});
    section_level::run(target, section_level::Lower);
    EXPECT_EQ(utf8(ed.text()), "\\section{Intro}");
    EXPECT_EQ(ed.caret(), (Position{15, 0}));
}

TEST_F(SectionLevel, ReadOnlyDocumentIsLeftAlone) {
    ed.setText(u"\\section{A}");
    ed.setReadOnly(true);
    EXPECT_FALSE(section_level::run(target, section_level::Raise));
    EXPECT_EQ(utf8(ed.text()), "\\section{A}");
}

} // namespace
