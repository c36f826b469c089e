// Every snippet command inserted without a selection, checked against a
// table written out here by hand from the command list, not read from the
// code's own table.
#include "mainwindow/command_dispatch.h"
#include "mainwindow/snippet_table.h"
#include "tests/support/memory_editor.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace {

struct Expected {
    u16 begin, end;
    int mode;
};

class ExpectedTable {
public:
    std::map<uint32_t, Expected> rows;

    void add(std::initializer_list<uint32_t> ids, u16view b, u16view e, int mode) {
        for (uint32_t id : ids) {
            bool fresh = rows.emplace(id, Expected{u16(b), u16(e), mode}).second;
            EXPECT_TRUE(fresh) << "listed twice: " << id;
        }
    }
    void run(uint32_t first, std::initializer_list<u16view> begins, u16view e, int mode) {
        for (u16view b : begins) add({first++}, b, e, mode);
    }
    void colours(uint32_t first, u16view head, u16view tail, u16view e, int mode) {
        for (u16view c : {u"black", u"white", u"red", u"green", u"blue", u"cyan", u"magenta", u"yellow"})
            add({first++}, u16(head) + u16(c) + u16(tail), e, mode);
    }
};

ExpectedTable expectedTable() {
    ExpectedTable t;
    t.add({41003, 41200}, u"$", u"$", 0);
    t.add({41004, 41201}, u"\\[\r\n", u"\r\n\\]", 0);
    t.add({41005, 41207}, u"\\begin{equation}\r\n", u"\r\n\\end{equation}", 0);
    t.add({41006, 41202}, u"\\begin{eqnarray*}\r\n", u"\r\n\\end{eqnarray*}", 0);
    t.add({41007, 41208}, u"\\begin{eqnarray}\r\n", u"\r\n\\end{eqnarray}", 0);
    t.add({41097, 41204}, u"\\begin{align*}\r\n", u"\r\n\\end{align*}", 0);
    t.add({41098, 41210}, u"\\begin{align}\r\n", u"\r\n\\end{align}", 0);
    t.add({41203}, u"\\begin{gather*}\r\n", u"\r\n\\end{gather*}", 0);
    t.add({41209}, u"\\begin{gather}\r\n", u"\r\n\\end{gather}", 0);
    t.add({41205}, u"\\begin{alignat*}{", u"}\r\n\r\n\\end{alignat*}", 0);
    t.add({41211}, u"\\begin{alignat}{", u"}\r\n\r\n\\end{alignat}", 0);
    t.add({41206}, u"\\begin{multline*}\r\n", u"\r\n\\end{multline*}", 0);
    t.add({41212}, u"\\begin{multline}\r\n", u"\r\n\\end{multline}", 0);
    t.add({41213}, u"\\begin{split}\r\n", u"\r\n\\end{split}", 0);
    t.add({41214}, u"\\begin{cases}\r\n", u"\r\n\\end{cases}", 0);
    t.add({41219}, u"\\begin{subequations}\r\n", u"\r\n\\end{subequations}", 0);
    t.add({41215}, u"\\tag{", u"}", 0);
    t.add({41216}, u"\\tag*{", u"}", 0);
    t.add({41217}, u"\\nonumber", u"", 0);
    t.add({41218}, u"\\notag", u"", 0);
    t.add({41220}, u"\\frac{", u"}{}", 0);
    t.add({41227}, u"\\tfrac{", u"}{}", 0);
    t.add({41228}, u"\\dfrac{", u"}{}", 0);
    t.add({41229}, u"\\cfrac{", u"}{}", 0);
    t.add({41230}, u"\\cfrac[l]{", u"}{}", 0);
    t.add({41231}, u"\\cfrac[r]{", u"}{}", 0);
    t.add({41232}, u"\\binom{", u"}{}", 0);
    t.add({41233}, u"\\tbinom{", u"}{}", 0);
    t.add({41234}, u"\\dbinom{", u"}{}", 0);
    t.add({41221}, u"\\sqrt{", u"}", 0);
    t.add({41222}, u"\\sqrt[", u"]{}", 0);
    t.add({41223}, u"\\int ", u"", 0);
    t.add({41224}, u"\\int^{", u"}_{}", 0);
    t.add({41225}, u"\\sum ", u"", 0);
    t.add({41226}, u"\\sum^{", u"}_{}", 0);
    t.run(41235, {u"\\arccos ", u"\\arcsin ", u"\\arctan ", u"\\arg ", u"\\cos ", u"\\cosh ", u"\\cot ",
                  u"\\coth ", u"\\csc ", u"\\deg ", u"\\det ", u"\\dim ", u"\\exp ", u"\\gcd ", u"\\hom ",
                  u"\\inf ", u"\\ker ", u"\\lg ", u"\\lim ", u"\\liminf ", u"\\limsup ", u"\\ln ",
                  u"\\log ", u"\\max ", u"\\min ", u"\\bmod "}, u"", 1);
    t.add({41261}, u"\\pmod{", u"}", 0);
    t.run(41262, {u"\\Pr ", u"\\sec ", u"\\sin ", u"\\sinh ", u"\\sup ", u"\\tan ", u"\\tanh "}, u"", 1);
    t.run(41269, {u"\\ ", u"~", u"\\quad ", u"\\qquad ", u"\\,", u"\\>", u"\\;", u"\\!"}, u"", 1);
    t.run(41277, {u"\\phantom{", u"\\vspace{", u"\\vspace*{", u"\\hspace{", u"\\hspace*{"}, u"}", 0);
    t.run(41282, {u"\\vfill\r\n", u"\\vfil\r\n", u"\\hfill ", u"\\hfil ", u"\\smallskip\r\n",
                  u"\\medskip\r\n", u"\\bigskip\r\n"}, u"", 1);
    t.add({41289}, u"\\rlap{", u"}", 0);
    t.add({41290}, u"\\llap{", u"}", 0);
    t.run(41291, {u"\\pagebreak\r\n", u"\\newpage\r\n", u"\\clearpage\r\n"}, u"", 1);
    t.add({41029, 41170}, u"\\begin{flushleft}\r\n", u"\r\n\\end{flushleft}", 0);
    t.add({41030, 41171}, u"\\begin{center}\r\n", u"\r\n\\end{center}", 0);
    t.add({41031, 41172}, u"\\begin{flushright}\r\n", u"\r\n\\end{flushright}", 0);
    t.add({41088, 41173, 41301}, u"\\begin{quote}\r\n", u"\r\n\\end{quote}", 0);
    t.add({41089, 41174, 41302}, u"\\begin{quotation}\r\n", u"\r\n\\end{quotation}", 0);
    t.add({41091, 41294}, u"\\begin{abstract}\r\n", u"\r\n\\end{abstract}", 0);
    t.add({41021}, u"\\label{", u"}", 0);
    t.add({41026, 41295}, u"\\footnote{", u"}", 0);
    t.add({41027, 41296}, u"\\marginpar{", u"}", 0);
    t.add({41101, 41145}, u"\\part{", u"}", 0);
    t.add({41102, 41146}, u"\\chapter{", u"}", 0);
    t.add({41103, 41147}, u"\\section{", u"}", 0);
    t.add({41104, 41148}, u"\\subsection{", u"}", 0);
    t.add({41105, 41149}, u"\\subsubsection{", u"}", 0);
    t.add({41106, 41150}, u"\\paragraph{", u"}", 0);
    t.add({41107, 41151}, u"\\subparagraph{", u"}", 0);
    t.run(41152, {u"\\part*{", u"\\chapter*{", u"\\section*{", u"\\subsection*{", u"\\subsubsection*{",
                  u"\\paragraph*{", u"\\subparagraph*{"}, u"}", 0);
    t.run(41159, {u"\\part[", u"\\chapter[", u"\\section[", u"\\subsection[", u"\\subsubsection[",
                  u"\\paragraph[", u"\\subparagraph["}, u"]{}", 0);
    t.add({41111, 41166, 41297}, u"\\verb|", u"|", 0);
    t.add({41112, 41167, 41298}, u"\\verb*|", u"|", 0);
    t.add({41113, 41168, 41299}, u"\\begin{verbatim}\r\n", u"\r\n\\end{verbatim}", 0);
    t.add({41114, 41169, 41300}, u"\\begin{verbatim*}\r\n", u"\r\n\\end{verbatim*}", 0);
    t.add({41128, 41190, 41306}, u"\\tableofcontents", u"", 4);
    t.add({41129, 41191, 41307}, u"\\listoffigures", u"", 4);
    t.add({41130, 41192, 41308}, u"\\listoftables", u"", 4);
    t.add({41133, 41309}, u"\\usepackage{makeidx}\r\n\\makeindex", u"", 1);
    t.add({41134, 41310}, u"\\printindex", u"", 1);
    t.colours(41311, u"\\color{", u"}", u"", 5);
    t.add({41319}, u"\\color[rgb]{", u",,}", 6);
    t.add({41320}, u"\\color[cmyk]{", u",,,}", 6);
    t.colours(41321, u"\\textcolor{", u"}{", u"}", 0);
    t.add({41329}, u"\\textcolor[rgb]{", u",,}", 7);
    t.add({41330}, u"\\textcolor[cmyk]{", u",,,}", 7);
    t.colours(41331, u"\\pagecolor{", u"}", u"", 1);
    t.add({41339}, u"\\pagecolor[rgb]{", u",,}", 1);
    t.add({41340}, u"\\pagecolor[cmyk]{", u",,,}", 1);
    t.colours(41341, u"\\colorbox{", u"}{", u"}", 0);
    t.add({41349}, u"\\colorbox[rgb]{", u",,}", 7);
    t.add({41350}, u"\\colorbox[cmyk]{", u",,,}", 7);
    t.colours(41351, u"\\fcolorbox{", u"}{", u"}", 7);
    t.add({41359}, u"\\fcolorbox[rgb]{", u",,}{,,}", 7);
    t.add({41360}, u"\\fcolorbox[cmyk]{", u",,,}{,,,}", 7);
    t.run(41361, {u"\\normalfont ", u"\\rmfamily ", u"\\sffamily ", u"\\ttfamily ", u"\\mcfamily ",
                  u"\\gtfamily ", u"\\mdseries ", u"\\bfseries ", u"\\upshape ", u"\\itshape ",
                  u"\\slshape ", u"\\scshape "}, u"", 5);
    t.run(41373, {u"\\textnormal{", u"\\textrm{", u"\\textsf{", u"\\texttt{", u"\\textmc{", u"\\textgt{",
                  u"\\textmd{", u"\\textbf{", u"\\textup{", u"\\textit{", u"\\textsl{", u"\\textsc{",
                  u"\\text{", u"\\intertext{", u"\\unboldmath{", u"\\boldmath{", u"\\mathnormal{",
                  u"\\mathrm{", u"\\mathbf{", u"\\mathsf{", u"\\mathit{", u"\\mathtt{", u"\\mathcal{",
                  u"\\mathmc{", u"\\mathgt{", u"\\bm{", u"\\boldsymbol{", u"\\pmb{", u"\\mathfrak{",
                  u"\\mathbb{", u"\\mathscr{"}, u"}", 0);
    t.run(41404, {u"\\tiny ", u"\\scriptsize ", u"\\footnotesize ", u"\\small ", u"\\normalsize ",
                  u"\\large ", u"\\Large ", u"\\LARGE ", u"\\huge ", u"\\Huge "}, u"", 5);
    return t;
}

// What a command gives between "<" and ">" with the caret between them and
// nothing selected: the document text and the caret as an offset in it.
struct Outcome {
    u16 text;
    size_t caret;
};

Outcome expectedOutcome(const Expected& e) {
    u16 inner = e.begin + e.end;
    size_t caret = e.begin.size();
    if (e.mode == 5) caret = inner.size();   // group: after the last text
    if (e.mode == 7) inner += u"{}";         // command with an empty argument
    return {u"<" + inner + u">", 1 + caret};
}

size_t offsetOf(const MemoryEditor& ed, Position p) {
    size_t off = 0;
    for (int32_t y = 0; y < p.y; ++y) off += ed.lines()[y].size() + 2;
    return off + p.x;
}

std::string utf8(u16view s) { return std::string(s.begin(), s.end()); }

TEST(SnippetTable, EveryCommandInsertsAsListedWithoutASelection) {
    ExpectedTable table = expectedTable();
    ASSERT_EQ(table.rows.size(), 276u); // 41003-41413 minus lists and other commands
    for (const auto& [id, e] : table.rows) {
        MemoryEditor ed(u"<>");
        ed.SetCaretPos(PosKind::Logical, {1, 0});
        command_dispatch::Result r = command_dispatch::runCommand(id, snippet::Target{ed});
        EXPECT_EQ(r.outcome, command_dispatch::Outcome::Done) << id;
        EXPECT_TRUE(r.focusEditor) << id;
        Outcome want = expectedOutcome(e);
        EXPECT_EQ(utf8(ed.text()), utf8(want.text)) << "command " << id;
        EXPECT_EQ(offsetOf(ed, ed.caret()), want.caret) << "command " << id;
        EXPECT_EQ(ed.flushCount, 1) << id;
    }
}

TEST(SnippetTable, HoldsExactlyTheListedCommands) {
    ExpectedTable table = expectedTable();
    for (uint32_t id = 0; id <= 70000; ++id) {
        const command_table::SnippetRow* row = command_table::findSnippet(id);
        auto it = table.rows.find(id);
        ASSERT_EQ(row != nullptr, it != table.rows.end()) << "command " << id;
        if (row) {
            EXPECT_EQ(row->mode, it->second.mode) << id;
            EXPECT_EQ(command_table::findList(id), nullptr) << id;
            EXPECT_FALSE(command_table::findOther(id).has_value()) << id;
        }
    }
}

TEST(SnippetTable, ListCommandsAndTheirItems) {
    struct List { uint32_t ids[3]; u16view env, item; };
    const List lists[] = {{{41108, 41175, 41303}, u"enumerate", u"\\item "},
                          {{41109, 41176, 41304}, u"itemize", u"\\item "},
                          {{41110, 41177, 41305}, u"description", u"\\item[]"}};
    for (const List& l : lists)
        for (uint32_t id : l.ids) {
            const command_table::ListRow* row = command_table::findList(id);
            ASSERT_NE(row, nullptr) << id;
            EXPECT_EQ(row->begin, u"\\begin{" + u16(l.env) + u"}\r\n") << id;
            EXPECT_EQ(row->end, u"\r\n\\end{" + u16(l.env) + u"}") << id;
            EXPECT_EQ(row->itemPrefix, l.item) << id;
        }
}

} // namespace
