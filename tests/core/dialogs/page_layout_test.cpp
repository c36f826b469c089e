#include "dialogs/layout_diagram.h"
#include "dialogs/page_layout.h"
#include "base/str.h"
#include "tests/support/memory_editor.h"

#include <gtest/gtest.h>

namespace {

namespace pl = page_layout;
constexpr int TextWidth = 10, TextHeight = 11, TopMargin = 4, PaperWidth = 0;

std::array<u16, pl::ParameterCount> descriptions() {
    std::array<u16, pl::ParameterCount> d;
    for (int i = 0; i < pl::ParameterCount; ++i) d[i] = u"d" + str::fromInt(i);
    return d;
}

// The entries the dialog shows right after its scan.
pl::Entries shown(const pl::Scan& s) {
    pl::Entries e;
    for (int i = 0; i < pl::ParameterCount; ++i) e[i] = {s.found[i].line >= 0, s.found[i].value};
    return e;
}

std::string run(u16view document, void (*edit)(pl::Entries&), bool comment = true) {
    MemoryEditor ed(document);
    pl::Scan s = pl::scan(ed);
    pl::Entries e = shown(s);
    edit(e);
    bool done = pl::apply(ed, s, e, comment, descriptions());
    std::string out = str::toUtf8(ed.text());
    return done ? out : "(untouched) " + out;
}

struct ApplyCase {
    const char* name;
    const char16_t* document;
    void (*edit)(pl::Entries&);
    const char* expected;
};

const ApplyCase ApplyCases[] = {
    {"comment kept after the rewritten value",
     u"\\documentclass{article}\r\n\\textwidth 150mm % wide\r\n\\begin{document}\r\n",
     [](pl::Entries& e) { e[TextWidth].value = u"160mm"; },
     "\\documentclass{article}\r\n\\textwidth 160mm% wide\r\n\\begin{document}\r\n"},
    {"unchecked line removed, the one below still rewritten on its line",
     u"\\topmargin 0pt\r\n\\textwidth 15cm\r\n\\textheight 20cm\r\n\\begin{document}\r\nbody",
     [](pl::Entries& e) {
         e[TextWidth].checked = false;
         e[TextHeight].value = u"22cm";
     },
     "\\topmargin 0pt\r\n\\textheight 22cm\r\n\\begin{document}\r\nbody"},
    {"a value box left empty removes the line",
     u"\\textwidth 15cm\r\nx", [](pl::Entries& e) { e[TextWidth].value.clear(); }, "x"},
    {"new lines go after the last found line, in parameter order",
     u"\\documentclass{book}\r\n\\textwidth 15cm\r\n%\r\n\\begin{document}",
     [](pl::Entries& e) {
         e[TextHeight] = {true, u"20cm"};
         e[PaperWidth] = {true, u"210mm"};
     },
     "\\documentclass{book}\r\n\\textwidth 15cm\r\n\\paperwidth 210mm%d0\r\n\\textheight 20cm%d11\r\n%\r\n"
     "\\begin{document}"},
    {"none found: the block goes before the first \\begin{document} with an empty line after it",
     u"\\documentclass{book}\r\n\\begin{document}\r\n\\begin{document}\r\n",
     [](pl::Entries& e) { e[TopMargin] = {true, u"0pt"}; },
     "\\documentclass{book}\r\n\\topmargin 0pt%d4\r\n\r\n\\begin{document}\r\n\\begin{document}\r\n"},
    {"none found and no \\begin{document}: the top of the document, without comments",
     u"text\r\nmore", [](pl::Entries& e) { e[TopMargin] = {true, u"0pt"}; },
     "\\topmargin 0pt\r\n\r\ntext\r\nmore"},
    {"checked without a value inserts nothing", u"text",
     [](pl::Entries& e) { e[TopMargin].checked = true; }, "(untouched) text"},
    {"a line with = is not a parameter line", u"\\textwidth=150mm\r\n\\begin{document}",
     [](pl::Entries& e) { e[TextWidth] = {true, u"1cm"}; },
     "\\textwidth=150mm\r\n\\textwidth 1cm%d10\r\n\r\n\\begin{document}"},
};

class PageLayoutApply : public ::testing::TestWithParam<ApplyCase> {};

TEST_P(PageLayoutApply, Document) {
    const ApplyCase& c = GetParam();
    bool comment = std::string(c.name).find("without comments") == std::string::npos;
    EXPECT_EQ(run(c.document, c.edit, comment), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, PageLayoutApply, ::testing::ValuesIn(ApplyCases));

TEST(PageLayoutApply, ReadOnlyDocumentIsLeftAlone) {
    MemoryEditor ed(u"\\textwidth 1cm\r\n\\topmargin 0pt\r\nx");
    pl::Scan s = pl::scan(ed);
    pl::Entries e = shown(s);
    e[TextWidth].checked = false;
    e[PaperWidth] = {true, u"1in"};
    ed.setReadOnly(true);
    EXPECT_FALSE(pl::apply(ed, s, e, true, descriptions()));
    EXPECT_EQ(ed.text(), u"\\textwidth 1cm\r\n\\topmargin 0pt\r\nx");
    EXPECT_TRUE(ed.hostCommands.empty());
}

TEST(PageLayoutScan, ValueStopsAtUnescapedPercentAndLinesAreRemembered) {
    MemoryEditor ed(u"\\textwidth 150mm % wide\r\n\\textheight 50\\% of it%x\r\n\\paperwidth \r\n\\begin{document}");
    pl::Scan s = pl::scan(ed);
    EXPECT_EQ(s.found[TextWidth].value, u"150mm ");
    EXPECT_EQ(s.found[TextWidth].partLength, 17);
    EXPECT_EQ(s.found[TextHeight].value, u"50\\% of it");
    EXPECT_EQ(s.found[TextHeight].line, 1);
    EXPECT_EQ(s.found[PaperWidth].value, u"");
    EXPECT_EQ(s.found[PaperWidth].line, 2);
    EXPECT_EQ(s.found[TopMargin].line, -1);
    EXPECT_EQ(s.insertLine, 3);
}

TEST(PageLayoutScan, OnlyTheFirst300LinesAreRead) {
    u16 doc;
    for (int i = 0; i < 299; ++i) doc += u"%\r\n";
    doc += u"\\textwidth 1cm\r\n\\textheight 2cm\r\n\\begin{document}";
    MemoryEditor ed(doc);
    pl::Scan s = pl::scan(ed);
    EXPECT_EQ(s.found[TextWidth].line, 299);
    EXPECT_EQ(s.found[TextHeight].line, -1);
    EXPECT_EQ(s.insertLine, 300);

    MemoryEditor late(u16(doc).insert(0, u"%\r\n"));
    pl::Scan none = pl::scan(late);
    EXPECT_FALSE(none.any());
    EXPECT_EQ(none.insertLine, 0);   // \begin{document} too lies beyond
}

TEST(PageLayoutValues, LastAndPresetsKeepTheirPlaces) {
    pl::Entries e;
    e[0] = {true, u"a"};
    e[1] = {false, u"hidden"};
    e[18] = {true, u"z"};
    u16 last = pl::composeLast(e);
    EXPECT_EQ(last, u"a" + u16(17, u'\t') + u"\tz");
    pl::Values v = pl::parseValues(last);
    EXPECT_EQ(v[0], u"a");
    EXPECT_EQ(v[1], u"");
    EXPECT_EQ(v[18], u"z");

    pl::Preset p = pl::parsePreset(u"A4 narrow\t\t\t1cm");
    EXPECT_EQ(p.name, u"A4 narrow");
    EXPECT_EQ(p.values[2], u"1cm");
    EXPECT_EQ(p.values[3], u"");
    EXPECT_EQ(pl::parsePreset(pl::composePreset(p)).values, p.values);
    EXPECT_EQ(pl::parsePreset(u"only a name").name, u"only a name");

    EXPECT_EQ(pl::defaultPresets({u"a", u"b", u"", u"c"}), (std::vector<u16>{u"a", u"b"}));
}

TEST(LayoutDiagram, ArrowsEndInHeadsPointingTheirWay) {
    using namespace layout_diagram;
    struct Case {
        Arrow arrow;
        Point tip, back1, back2;
    } cases[] = {
        {{{100, 8}, Direction::Left, 100}, {0, 8}, {7, 5}, {7, 11}},
        {{{170, 100}, Direction::Down, 182}, {170, 282}, {167, 275}, {173, 275}},
        {{{73, 36}, Direction::Up, 10}, {73, 26}, {70, 33}, {76, 33}},
    };
    for (const Case& c : cases) {
        auto h = c.arrow.head();
        EXPECT_EQ(h[0], c.tip);
        EXPECT_EQ(h[1], c.back1);
        EXPECT_EQ(h[2], c.back2);
    }
    // Every arrow stays on the page picture.
    for (int p = 0; p < 19; ++p)
        for (const Arrow& a : arrowsOf(p)) {
            Point e = a.end();
            EXPECT_TRUE(e.x >= 0 && e.x < Width && e.y >= 0 && e.y < Height) << p;
        }
    EXPECT_TRUE(arrowsOf(19).empty());
}

TEST(LayoutDiagram, LabelHitRectanglesGrowByThree) {
    layout_diagram::HitMap map;
    map.set(10, {80, 142, 86, 152});
    EXPECT_EQ(map.at({77, 139}), 10);
    EXPECT_EQ(map.at({88, 154}), 10);
    EXPECT_EQ(map.at({76, 145}), -1);
    EXPECT_EQ(map.at({89, 145}), -1);
    EXPECT_EQ(map.at({0, 0}), -1);   // labels not measured are never hit
}

} // namespace
