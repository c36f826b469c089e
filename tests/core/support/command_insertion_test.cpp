#include "support/command_insertion.h"

#include "base/str.h"
#include "tests/support/memory_editor.h"

#include <gtest/gtest.h>

namespace ci = command_insertion;

TEST(CommandInsertion, DotPairsBecomeLineBreaksAndMarkTheSelection) {
    struct Case { const char16_t* text; const char16_t* marked; size_t marker; };
    const Case cases[] = {
        {u"a..b", u"a\r\nb", 3},            // one pair: just after it
        {u"x..y..z", u"x\r\ny\r\nz", 4},    // several: the start of the last
        {u"...", u"\r\n.", 2},
        {u"\\alpha", u"\\alpha", u16view::npos},
    };
    for (const Case& c : cases) {
        ci::Marked m = ci::mark(c.text);
        EXPECT_EQ(m.text, c.marked) << str::toUtf8(c.text);
        EXPECT_EQ(m.marker, c.marker) << str::toUtf8(c.text);
    }
}

TEST(CommandInsertion, SelectionGoesInAtTheMarkerAndTheCaretWhereTheBoxHadIt) {
    const u16 env = u"\\begin{itemize}..\\end{itemize}";
    struct Case {
        const char* what;
        u16 text;
        size_t caret;
        bool select;   // the document "XY" is selected; else the caret is at its end
        const char16_t* result;
        Position caretAfter;
    };
    const Case cases[] = {
        {"environment, nothing selected", env, env.size(), false, u"XY\\begin{itemize}\r\n\\end{itemize}", {0, 1}},
        {"environment around a selection", env, env.size(), true, u"\\begin{itemize}\r\nXY\\end{itemize}", {15, 1}},
        {"caret before the marker", env, 6, true, u"\\begin{itemize}\r\nXY\\end{itemize}", {6, 0}},
        {"caret between the dots", u"a..b", 2, true, u"a\r\nXYb", {3, 1}},
        {"argument braces wrap", u"\\textbf{}", 7, true, u"\\textbf{XY}", {7, 0}},
        {"plain command replaces", u"\\alpha", 6, true, u"\\alpha", {6, 0}},
        {"closing bracket wraps", u"\\sqrt[]", 6, true, u"\\sqrt[XY]", {9, 0}},
    };
    for (const Case& c : cases) {
        MemoryEditor ed(u"XY");
        if (c.select) ed.SetSelection(Position{0, 0}, Position{2, 0});
        else ed.SetCaretPos(PosKind::Logical, Position{2, 0});
        ASSERT_TRUE(ci::insert(snippet::Target{ed}, c.text, c.caret));
        EXPECT_EQ(ed.text(), c.result) << c.what;
        EXPECT_EQ(ed.caret(), c.caretAfter) << c.what;
    }
}
