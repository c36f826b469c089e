#include "dialogs/document_class.h"

#include "base/str.h"

#include <gtest/gtest.h>

namespace {

using namespace doc_class;

std::string a(const u16& s) { return str::toUtf8(s); }
u16 w(const char* s) { return str::fromUtf8(s); }

Explanations notes() {
    return {u"<M2>", u"<M3>", u"<M4>", u"<M5>", u"<M6>", u"<M7>", u"<M8>", u"<M9>", u"<M10>"};
}

ClassChoice choice(const char* name, std::initializer_list<std::pair<Group, int>> set, const char* other = "") {
    ClassChoice c;
    c.name = w(name);
    for (auto [g, v] : set) c.options[g] = v;
    c.other = w(other);
    return c;
}

} // namespace

TEST(DocumentClassLine, OptionsInTheirFixedOrderThenTheTypedOnes) {
    struct Case {
        ClassChoice c;
        const char* line;
    } cases[] = {
        {choice("article", {}), "\\documentclass{article}"},
        {choice("article", {{Columns, 2}, {Paper, 1}, {FontSize, 2}}), "\\documentclass[11pt,a4paper,twocolumn]{article}"},
        {choice("jbook", {{OpenSide, 2}, {Tate, 1}, {FinalDraft, 2}, {Landscape, 1}, {Sides, 1}, {TitlePage, 2},
                          {Fleqn, 1}, {Leqno, 1}, {Openbib, 1}, {Paper, 8}, {FontSize, 1}},
                "uplatex,dvipdfmx"),
         "\\documentclass[10pt,b5j,landscape,oneside,titlepage,fleqn,leqno,draft,tate,openbib,openany,uplatex,"
         "dvipdfmx]{jbook}"},
        {choice("report", {}, "foo"), "\\documentclass[foo]{report}"},
    };
    for (const auto& tc : cases) EXPECT_EQ(a(classLine(tc.c)), tc.line);
}

TEST(DocumentClassLine, ReadingAnExistingLine) {
    struct Case {
        const char* line;
        bool found;
        const char* record;   // compose() of what was read
        size_t length;        // characters OK replaces
    } cases[] = {
        {"\\documentclass[12pt,a4j,foo]{article}", true, "article\t3\t2\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\tfoo", 37},
        // Option words are compared exactly.
        {"\\documentclass[A4paper,Draft,draft]{jarticle}", true,
         "jarticle\t0\t0\t0\t0\t0\t0\t0\t0\t2\t0\t0\t0\tA4paper,Draft", 45},
        // A comment or a command after the class stays on the line.
        {"\\documentclass{article} % thesis", true, "article\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\t", 23},
        {"\\documentclass{article}\\usepackage{x}", true, "article\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\t", 23},
        {"\\documentclass[twocolumn,,b4j]{my{odd}class}", true,
         "my{odd}class\t0\t6\t0\t2\t0\t0\t0\t0\t0\t0\t0\t0\t", 44},
        // Unfinished: the whole line is the command.
        {"\\documentclass[11pt", true, "\t2\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\t", 19},
        {"\\documentclass{art", true, "art\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\t", 18},
        // Indented, commented, or another command: not a class line.
        {"  \\documentclass{article}", false, "", 0},
        {"%\\documentclass{article}", false, "", 0},
        {"\\documentclass", false, "", 0},
        {"\\documentclassx{article}", false, "", 0},
        {"\\documentclass {article}", false, "", 0},
    };
    for (const auto& tc : cases) {
        SCOPED_TRACE(tc.line);
        std::optional<FoundLine> f = parseClassLine(w(tc.line));
        ASSERT_EQ(f.has_value(), tc.found);
        if (!f) continue;
        EXPECT_EQ(a(compose(f->choice)), tc.record);
        EXPECT_EQ(f->length, tc.length);
    }
}

TEST(DocumentClassRecords, StoredChoicesAndPresetsReadBack) {
    ClassChoice c = choice("jsarticle", {{FontSize, 3}, {Paper, 2}, {OpenSide, 1}}, "dvipdfmx,uplatex");
    EXPECT_EQ(a(classLine(parse(compose(c)))), a(classLine(c)));
    // Damaged or short records give no option rather than a wrong one.
    EXPECT_EQ(a(classLine(parse(u"article\t9\t-1\t1"))), "\\documentclass[landscape]{article}");
    EXPECT_EQ(a(classLine(parse(u""))), "\\documentclass{}");
    // A tab typed into a name cannot shift the record's fields.
    Preset p{u"my\tpaper", c};
    Preset back = parsePreset(composePreset(p));
    EXPECT_EQ(a(back.name), "my paper");
    EXPECT_EQ(a(compose(back.choice)), a(compose(c)));
    // The list ends at the first entry without a name.
    std::vector<Preset> list = presetList({u"A\tarticle", u"B\treport", u"\tbook", u"C\tbook"});
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(a(list[1].choice.name), "report");
}

TEST(DocumentClassPresets, AddingStopsAbove200) {
    EXPECT_TRUE(canAddPreset(0));
    EXPECT_TRUE(canAddPreset(200));
    EXPECT_FALSE(canAddPreset(201));
    for (int stored : {0, 1, 2}) EXPECT_EQ(commentsToSetting(commentsFromSetting(stored)), stored);
    EXPECT_EQ(commentsFromSetting(2), Comments::Explained);
    EXPECT_EQ(commentsFromSetting(7), Comments::None);
}

TEST(DocumentClassSkeleton, NewDocumentTopInEachMode) {
    struct Case {
        bool title, noPage;
        Comments comments;
        const char* text;
    } cases[] = {
        {false, false, Comments::Explained,
         "\\documentclass{article}\r\n%\\title{}\t<M2>\r\n%\\author{}\t<M3>\r\n%\\date{}\t<M4>\r\n\r\n"
         "\\begin{document}\r\n%\\maketitle\t\t\t\t<M6>\r\n%\\pagestyle{empty}\t\t<M8>\r\n"
         "%\\thispagestyle{empty}\t<M10>\r\n"},
        {true, false, Comments::Bare,
         "\\documentclass{article}\r\n\\title{T}\r\n\\author{A}\r\n%\\date{}\r\n\r\n\\begin{document}\r\n"
         "\\maketitle\r\n%\\pagestyle{empty}\r\n%\\thispagestyle{empty}\r\n"},
        {true, true, Comments::Explained,
         "\\documentclass{article}\r\n\\title{T}<M2>\r\n\\author{A}<M3>\r\n%\\date{}<M4>\r\n\r\n\\begin{document}\r\n"
         "\\maketitle\t\t\t\t<M5>\r\n\\pagestyle{empty}\t\t<M7>\r\n\\thispagestyle{empty}\t<M9>\r\n"},
        {false, true, Comments::Explained,
         "\\documentclass{article}\r\n%\\title{}\t<M2>\r\n%\\author{}\t<M3>\r\n%\\date{}\t<M4>\r\n\r\n"
         "\\begin{document}\r\n%\\maketitle\t\t\t\t<M6>\r\n\\pagestyle{empty}\t\t<M7>\r\n"
         "%\\thispagestyle{empty}\t<M10>\r\n"},
        {false, true, Comments::Bare,
         "\\documentclass{article}\r\n%\\title{}\r\n%\\author{}\r\n%\\date{}\r\n\r\n\\begin{document}\r\n"
         "%\\maketitle\r\n\\pagestyle{empty}\r\n%\\thispagestyle{empty}\r\n"},
        {true, true, Comments::Bare,
         "\\documentclass{article}\r\n\\title{T}\r\n\\author{A}\r\n%\\date{}\r\n\r\n\\begin{document}\r\n"
         "\\maketitle\r\n\\pagestyle{empty}\r\n\\thispagestyle{empty}\r\n"},
        {false, true, Comments::None, "\\documentclass{article}\r\n\r\n\\begin{document}\r\n\\pagestyle{empty}\r\n"},
        {true, false, Comments::None,
         "\\documentclass{article}\r\n\\title{T}\r\n\\author{A}\r\n\r\n\\begin{document}\r\n\\maketitle\r\n"},
        {false, false, Comments::None, "\\documentclass{article}\r\n\r\n\\begin{document}\r\n"},
    };
    for (const auto& tc : cases) {
        SCOPED_TRACE(tc.text);
        Skeleton s{tc.title, u"T", u"A", tc.noPage, tc.comments};
        EXPECT_EQ(a(preamble(choice("article", {}), s, notes())), tc.text);
    }
    EXPECT_EQ(a(DocumentEnd), "\r\n\\end{document}");
}
