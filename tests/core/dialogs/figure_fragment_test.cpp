#include "dialogs/figure_fragment.h"

#include "base/str.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

u16 u(const char* s) { return str::fromUtf8(s); }

struct FigureCase {
    const char* name;
    std::function<void(figure::Choices&)> change;
    figure::Texts texts;
    const char* before;
    const char* after;
};

} // namespace

TEST(FigureFragment, PlacesTheCaretInTheFirstEmptyPiece) {
    const FigureCase cases[] = {
        {"defaults, everything given", [](figure::Choices&) {}, {u"Cap", u"fig:a", u"a.eps"},
         "\\begin{figure}[htbp]\r\n\\begin{center}\r\n\\includegraphics{a.eps}\r\n\\end{center}\r\n"
         "\\caption{Cap}\r\n\\label{fig:a}\r\n\\end{figure}",
         ""},
        {"every box empty", [](figure::Choices&) {}, {},
         "\\begin{figure}[htbp]\r\n\\begin{center}\r\n\\includegraphics{",
         "}\r\n\\end{center}\r\n\\caption{}\r\n\\label{}\r\n\\end{figure}"},
        {"no environment, no file", [](figure::Choices& c) { c.environment = false; }, {u"Cap", u"x", u""},
         "\\includegraphics{", "}\r\n"},
        {"no environment, file", [](figure::Choices& c) { c.environment = false; }, {u"", u"", u"a.eps"},
         "\\includegraphics{a.eps}\r\n", ""},
        {"caption without file follows the brace", [](figure::Choices&) {}, {u"Cap", u"", u""},
         "\\begin{figure}[htbp]\r\n\\begin{center}\r\n\\includegraphics{",
         "}\r\n\\end{center}\r\n\\caption{Cap}\r\n\\label{}\r\n\\end{figure}"},
        {"label without caption follows the caret", [](figure::Choices&) {}, {u"", u"fig:a", u"a.eps"},
         "\\begin{figure}[htbp]\r\n\\begin{center}\r\n\\includegraphics{a.eps}\r\n\\end{center}\r\n\\caption{",
         "}\r\n\\label{fig:a}\r\n\\end{figure}"},
        {"label box off closes after the caption",
         [](figure::Choices& c) { c.label = false; }, {u"Cap", u"ignored", u"a.eps"},
         "\\begin{figure}[htbp]\r\n\\begin{center}\r\n\\includegraphics{a.eps}\r\n\\end{center}\r\n"
         "\\caption{Cap}\r\n\\end{figure}",
         ""},
        {"starred, no placement, flushright, \\input",
         [](figure::Choices& c) {
             c.starred = true;
             c.placement.clear();
             c.align = figure::Align::FlushRight;
             c.inputCommand = true;
             c.sizeOptions = true;  // ignored for \input
         },
         {u"C", u"L", u"pic.tex"},
         "\\begin{figure*}\r\n\\begin{flushright}\r\n\\input{pic.tex}\r\n\\end{flushright}\r\n"
         "\\caption{C}\r\n\\label{L}\r\n\\end{figure*}",
         ""},
        {"no alignment", [](figure::Choices& c) { c.align = figure::Align::None; }, {u"", u"", u"a.eps"},
         "\\begin{figure}[htbp]\r\n\\includegraphics{a.eps}\r\n\\caption{", "}\r\n\\label{}\r\n\\end{figure}"},
    };
    for (const auto& tc : cases) {
        SCOPED_TRACE(tc.name);
        figure::Choices c;
        tc.change(c);
        Fragment f = figure::build(c, tc.texts);
        EXPECT_EQ(str::toUtf8(f.before), tc.before);
        EXPECT_EQ(str::toUtf8(f.after), tc.after);
    }
}

TEST(FigureFragment, SizeOptions) {
    struct Case {
        bool keyed;
        const char* width;
        const char* height;
        bool keepAspect;
        const char* options;
    } cases[] = {
        {true, "0.5\\textwidth", "", true, "[width=0.5\\textwidth,keepaspectratio=true]"},
        {true, "3cm", "2cm", true, "[width=3cm,height=2cm,keepaspectratio=true]"},
        {true, "", "2cm", true, "[height=2cm,keepaspectratio=true]"},
        {true, "3cm", "2cm", false, "[width=3cm,height=2cm]"},
        {true, "", "", true, ""},
        {false, "0.5\\textwidth", "", true, "[0.5\\textwidth,]"},
        {false, "", "2cm", true, "[,2cm]"},
        {false, "", "", true, ""},
    };
    for (const auto& tc : cases) {
        SCOPED_TRACE(std::string(tc.width) + "/" + tc.height);
        figure::Choices c;
        c.sizeOptions = true;
        c.keyedSize = tc.keyed;
        c.width = u(tc.width);
        c.height = u(tc.height);
        c.keepAspectRatio = tc.keepAspect;
        Fragment f = figure::build(c, {u"", u"", u"a.eps"});
        std::string line = std::string("\\includegraphics") + tc.options + "{a.eps}";
        EXPECT_NE(str::toUtf8(f.before).find(line), std::string::npos) << str::toUtf8(f.before);
    }
}

TEST(FigureSetting, ShortOrPartialRecords) {
    // Too short: defaults, whatever the fields say.
    figure::Choices c = figure::parse(u"1\t1");
    EXPECT_FALSE(c.starred);
    EXPECT_EQ(figure::compose(c), u"1\t0\thtbp\t1\t2\t0\t0\t0.5\\textwidth\t\t1\t1");

    // Long enough but only five fields: check boxes missing read as on,
    // the size form as positional.
    c = figure::parse(u"0\t1\th!\t0\t3");
    EXPECT_FALSE(c.environment);
    EXPECT_TRUE(c.starred);
    EXPECT_EQ(c.placement, u"h!");
    EXPECT_FALSE(c.label);
    EXPECT_EQ(c.align, figure::Align::FlushRight);
    EXPECT_FALSE(c.inputCommand);
    EXPECT_TRUE(c.sizeOptions);
    EXPECT_EQ(c.width, u"0.5\\textwidth");
    EXPECT_FALSE(c.keyedSize);
    EXPECT_TRUE(c.keepAspectRatio);

    const char16_t* stored = u"0\t1\t\t0\t1\t1\t1\t3cm\t2cm\t0\t0";
    EXPECT_EQ(figure::compose(figure::parse(stored)), stored);
}
