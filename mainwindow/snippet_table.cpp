#include "mainwindow/snippet_table.h"
#include "mainwindow/snippet.h"

#include <initializer_list>
#include <map>

namespace command_table {
namespace {

using Ids = std::initializer_list<uint32_t>;
using Texts = std::initializer_list<u16view>;

// Colour names of the colour commands, in the order of their identifiers.
constexpr u16view Colours[] = {u"black", u"white", u"red", u"green", u"blue", u"cyan", u"magenta", u"yellow"};
// Sectioning commands from the highest level down.
constexpr u16view Sections[] = {u"\\part", u"\\chapter", u"\\section", u"\\subsection",
                                u"\\subsubsection", u"\\paragraph", u"\\subparagraph"};

class Builder {
public:
    std::vector<SnippetRow> rows;

    void add(Ids ids, u16view begin, u16view end, int mode) {
        rows.push_back(SnippetRow{std::vector<uint32_t>(ids), u16(begin), u16(end), mode});
    }
    // Consecutive identifiers from first, one per begin text.
    void each(uint32_t first, Texts begins, u16view end, int mode) {
        for (u16view b : begins) add({first++}, b, end, mode);
    }
    // Eight consecutive identifiers: head + colour + tail.
    void colours(uint32_t first, u16view head, u16view tail, u16view end, int mode) {
        for (u16view c : Colours) {
            u16 begin(head);
            begin += c;
            begin += tail;
            add({first++}, begin, end, mode);
        }
    }
};

std::vector<SnippetRow> buildSnippets() {
    using namespace snippet;
    Builder t;
    // Mathematics.
    t.add({41003, 41200}, u"$", u"$", Wrap);
    t.add({41004, 41201}, u"\\[\r\n", u"\r\n\\]", Wrap);
    t.add({41005, 41207}, u"\\begin{equation}\r\n", u"\r\n\\end{equation}", Wrap);
    t.add({41006, 41202}, u"\\begin{eqnarray*}\r\n", u"\r\n\\end{eqnarray*}", Wrap);
    t.add({41007, 41208}, u"\\begin{eqnarray}\r\n", u"\r\n\\end{eqnarray}", Wrap);
    t.add({41097, 41204}, u"\\begin{align*}\r\n", u"\r\n\\end{align*}", Wrap);
    t.add({41098, 41210}, u"\\begin{align}\r\n", u"\r\n\\end{align}", Wrap);
    t.add({41203}, u"\\begin{gather*}\r\n", u"\r\n\\end{gather*}", Wrap);
    t.add({41209}, u"\\begin{gather}\r\n", u"\r\n\\end{gather}", Wrap);
    t.add({41205}, u"\\begin{alignat*}{", u"}\r\n\r\n\\end{alignat*}", Wrap);
    t.add({41211}, u"\\begin{alignat}{", u"}\r\n\r\n\\end{alignat}", Wrap);
    t.add({41206}, u"\\begin{multline*}\r\n", u"\r\n\\end{multline*}", Wrap);
    t.add({41212}, u"\\begin{multline}\r\n", u"\r\n\\end{multline}", Wrap);
    t.add({41213}, u"\\begin{split}\r\n", u"\r\n\\end{split}", Wrap);
    t.add({41214}, u"\\begin{cases}\r\n", u"\r\n\\end{cases}", Wrap);
    t.add({41219}, u"\\begin{subequations}\r\n", u"\r\n\\end{subequations}", Wrap);
    t.add({41215}, u"\\tag{", u"}", Wrap);
    t.add({41216}, u"\\tag*{", u"}", Wrap);
    t.each(41217, {u"\\nonumber", u"\\notag"}, u"", Wrap);
    t.add({41220}, u"\\frac{", u"}{}", Wrap);
    t.each(41227, {u"\\tfrac{", u"\\dfrac{", u"\\cfrac{", u"\\cfrac[l]{", u"\\cfrac[r]{"}, u"}{}", Wrap);
    t.each(41232, {u"\\binom{", u"\\tbinom{", u"\\dbinom{"}, u"}{}", Wrap);
    t.add({41221}, u"\\sqrt{", u"}", Wrap);
    t.add({41222}, u"\\sqrt[", u"]{}", Wrap);
    t.add({41223}, u"\\int ", u"", Wrap);
    t.add({41224}, u"\\int^{", u"}_{}", Wrap);
    t.add({41225}, u"\\sum ", u"", Wrap);
    t.add({41226}, u"\\sum^{", u"}_{}", Wrap);
    t.each(41235,
           {u"\\arccos ", u"\\arcsin ", u"\\arctan ", u"\\arg ", u"\\cos ", u"\\cosh ", u"\\cot ",
            u"\\coth ", u"\\csc ", u"\\deg ", u"\\det ", u"\\dim ", u"\\exp ", u"\\gcd ", u"\\hom ",
            u"\\inf ", u"\\ker ", u"\\lg ", u"\\lim ", u"\\liminf ", u"\\limsup ", u"\\ln ", u"\\log ",
            u"\\max ", u"\\min ", u"\\bmod "},
           u"", AtCaret);
    t.add({41261}, u"\\pmod{", u"}", Wrap);
    t.each(41262, {u"\\Pr ", u"\\sec ", u"\\sin ", u"\\sinh ", u"\\sup ", u"\\tan ", u"\\tanh "}, u"", AtCaret);
    // Spacing and breaks.
    t.each(41269, {u"\\ ", u"~", u"\\quad ", u"\\qquad ", u"\\,", u"\\>", u"\\;", u"\\!"}, u"", AtCaret);
    t.each(41277, {u"\\phantom{", u"\\vspace{", u"\\vspace*{", u"\\hspace{", u"\\hspace*{"}, u"}", Wrap);
    t.each(41282,
           {u"\\vfill\r\n", u"\\vfil\r\n", u"\\hfill ", u"\\hfil ", u"\\smallskip\r\n", u"\\medskip\r\n",
            u"\\bigskip\r\n"},
           u"", AtCaret);
    t.each(41289, {u"\\rlap{", u"\\llap{"}, u"}", Wrap);
    t.each(41291, {u"\\pagebreak\r\n", u"\\newpage\r\n", u"\\clearpage\r\n"}, u"", AtCaret);
    // Text environments and notes.
    t.add({41029, 41170}, u"\\begin{flushleft}\r\n", u"\r\n\\end{flushleft}", Wrap);
    t.add({41030, 41171}, u"\\begin{center}\r\n", u"\r\n\\end{center}", Wrap);
    t.add({41031, 41172}, u"\\begin{flushright}\r\n", u"\r\n\\end{flushright}", Wrap);
    t.add({41088, 41173, 41301}, u"\\begin{quote}\r\n", u"\r\n\\end{quote}", Wrap);
    t.add({41089, 41174, 41302}, u"\\begin{quotation}\r\n", u"\r\n\\end{quotation}", Wrap);
    t.add({41091, 41294}, u"\\begin{abstract}\r\n", u"\r\n\\end{abstract}", Wrap);
    t.add({41021}, u"\\label{", u"}", Wrap);
    t.add({41026, 41295}, u"\\footnote{", u"}", Wrap);
    t.add({41027, 41296}, u"\\marginpar{", u"}", Wrap);
    // Sectioning: plain, starred, with a short title.
    for (uint32_t i = 0; i < 7; ++i) {
        u16 name(Sections[i]);
        t.add({41101 + i, 41145 + i}, name + u"{", u"}", Wrap);
        t.add({41152 + i}, name + u"*{", u"}", Wrap);
        t.add({41159 + i}, name + u"[", u"]{}", Wrap);
    }
    // Verbatim.
    t.add({41111, 41166, 41297}, u"\\verb|", u"|", Wrap);
    t.add({41112, 41167, 41298}, u"\\verb*|", u"|", Wrap);
    t.add({41113, 41168, 41299}, u"\\begin{verbatim}\r\n", u"\r\n\\end{verbatim}", Wrap);
    t.add({41114, 41169, 41300}, u"\\begin{verbatim*}\r\n", u"\r\n\\end{verbatim*}", Wrap);
    // Tables of contents and index.
    t.add({41128, 41190, 41306}, u"\\tableofcontents", u"", Replace);
    t.add({41129, 41191, 41307}, u"\\listoffigures", u"", Replace);
    t.add({41130, 41192, 41308}, u"\\listoftables", u"", Replace);
    t.add({41133, 41309}, u"\\usepackage{makeidx}\r\n\\makeindex", u"", AtCaret);
    t.add({41134, 41310}, u"\\printindex", u"", AtCaret);
    // Colours.
    t.colours(41311, u"\\color{", u"}", u"", Group);
    t.add({41319}, u"\\color[rgb]{", u",,}", GroupWithArgument);
    t.add({41320}, u"\\color[cmyk]{", u",,,}", GroupWithArgument);
    t.colours(41321, u"\\textcolor{", u"}{", u"}", Wrap);
    t.add({41329}, u"\\textcolor[rgb]{", u",,}", CommandWithArgument);
    t.add({41330}, u"\\textcolor[cmyk]{", u",,,}", CommandWithArgument);
    t.colours(41331, u"\\pagecolor{", u"}", u"", AtCaret);
    t.add({41339}, u"\\pagecolor[rgb]{", u",,}", AtCaret);
    t.add({41340}, u"\\pagecolor[cmyk]{", u",,,}", AtCaret);
    t.colours(41341, u"\\colorbox{", u"}{", u"}", Wrap);
    t.add({41349}, u"\\colorbox[rgb]{", u",,}", CommandWithArgument);
    t.add({41350}, u"\\colorbox[cmyk]{", u",,,}", CommandWithArgument);
    t.colours(41351, u"\\fcolorbox{", u"}{", u"}", CommandWithArgument);
    t.add({41359}, u"\\fcolorbox[rgb]{", u",,}{,,}", CommandWithArgument);
    t.add({41360}, u"\\fcolorbox[cmyk]{", u",,,}{,,,}", CommandWithArgument);
    // Fonts and sizes.
    t.each(41361,
           {u"\\normalfont ", u"\\rmfamily ", u"\\sffamily ", u"\\ttfamily ", u"\\mcfamily ", u"\\gtfamily ",
            u"\\mdseries ", u"\\bfseries ", u"\\upshape ", u"\\itshape ", u"\\slshape ", u"\\scshape "},
           u"", Group);
    t.each(41373,
           {u"\\textnormal{", u"\\textrm{", u"\\textsf{", u"\\texttt{", u"\\textmc{", u"\\textgt{",
            u"\\textmd{", u"\\textbf{", u"\\textup{", u"\\textit{", u"\\textsl{", u"\\textsc{",
            u"\\text{", u"\\intertext{", u"\\unboldmath{", u"\\boldmath{", u"\\mathnormal{",
            u"\\mathrm{", u"\\mathbf{", u"\\mathsf{", u"\\mathit{", u"\\mathtt{", u"\\mathcal{",
            u"\\mathmc{", u"\\mathgt{", u"\\bm{", u"\\boldsymbol{", u"\\pmb{", u"\\mathfrak{",
            u"\\mathbb{", u"\\mathscr{"},
           u"}", Wrap);
    t.each(41404,
           {u"\\tiny ", u"\\scriptsize ", u"\\footnotesize ", u"\\small ", u"\\normalsize ", u"\\large ",
            u"\\Large ", u"\\LARGE ", u"\\huge ", u"\\Huge "},
           u"", Group);
    return std::move(t.rows);
}

template <class Row>
std::map<uint32_t, const Row*> indexOf(const std::vector<Row>& rows) {
    std::map<uint32_t, const Row*> index;
    for (const Row& r : rows)
        for (uint32_t id : r.commands) index.emplace(id, &r);
    return index;
}

template <class Row>
const Row* lookUp(const std::map<uint32_t, const Row*>& index, uint32_t id) {
    auto it = index.find(id);
    return it == index.end() ? nullptr : it->second;
}

struct OtherRow {
    std::vector<uint32_t> commands;
    OtherCommand what;
};

std::vector<OtherRow> buildOthers() {
    using A = Action;
    std::vector<OtherRow> t = {
        {{41001}, {A::DocumentClassDialog}},
        {{41002}, {A::PageLayoutDialog}},
        {{41009, 41010, 41011, 41012, 41013, 41014, 41015, 41016, 41017, 41019, 41020, 41081, 41092, 41093,
          41094, 41095, 41096, 41099},
         {A::PaletteWindow}},
        {{41022}, {A::ReferenceDialog, 0}},
        {{41024}, {A::ReferenceDialog, 1}},
        {{41023}, {A::BibItemDialog}},
        {{41036}, {A::FigureDialog}},
        {{41037}, {A::InputDialog}},
        {{41038}, {A::TableDialog}},
        {{41039}, {A::ArrayDialog}},
        {{41042}, {A::OutlineWindow}},
        {{41043, 41178}, {A::Comment, 0}},
        {{41084, 41179}, {A::Comment, +1}},
        {{41085, 41180}, {A::Comment, -1}},
        {{41044}, {A::DateDialog}},
        {{41054}, {A::UserStringMenu}},
        {{41075}, {A::MinipageDialog}},
        {{41079}, {A::JumpToTarget}},
        {{41115}, {A::RootFileDialog}},
        {{41123}, {A::SharedToggle, 0}},
        {{41124}, {A::SharedToggle, 1}},
        {{41137}, {A::SharedToggle, 2}},
        {{41125}, {A::SectionLevel, +1}},
        {{41126}, {A::SectionLevel, -1}},
        {{41132}, {A::IndexDialog}},
        {{41136}, {A::JumpBack}},
        {{41193}, {A::SystemCommand, 6}},
        {{41194}, {A::SystemCommand, 1}},
        {{41195}, {A::SystemCommand, 2}},
        {{41196}, {A::SystemCommand, 4}},
        {{41197}, {A::SystemCommand, 3}},
        {{41198}, {A::CloseMainWindow}},
        {{41199}, {A::SystemCommand, 5}},
        {{41414}, {A::UserMenu}},
        {{46001}, {A::UserMenuEditor}},
        {{46002}, {A::UserStringEditor}},
        {{1209}, {A::AuxiliaryFileDeletion}},
    };
    // Popup menus: command -> position in menu 204.
    const std::pair<uint32_t, int32_t> popups[] = {
        {41025, 0},  {41018, 1},  {41032, 2},  {41033, 3},  {41034, 4},  {41035, 5},  {41028, 6},
        {41040, 7},  {41041, 8},  {41008, 9},  {41082, 11}, {41083, 12}, {41087, 13}, {41086, 14},
        {41090, 15}, {41122, 16}, {41116, 17}, {41131, 18}, {41127, 19}};
    for (auto [id, pos] : popups) t.push_back({{id}, {A::PopupMenu, pos}});
    for (int32_t i = 0; i < 5; ++i)
        t.push_back({{41117 + static_cast<uint32_t>(i)}, {A::PopupMenu, 16, i}});
    // Typesetting variants 1-9, from the toolbar and from the menu.
    const uint32_t typeset[] = {41045, 41046, 41047, 41049, 41100, 41051, 41052, 41053, 41055};
    for (int32_t i = 0; i < 9; ++i)
        t.push_back({{typeset[i], 41181 + static_cast<uint32_t>(i)}, {A::Typeset, i + 1}});
    return t;
}

} // namespace

const std::vector<SnippetRow>& snippets() {
    static const std::vector<SnippetRow> rows = buildSnippets();
    return rows;
}

const SnippetRow* findSnippet(uint32_t id) {
    static const auto index = indexOf(snippets());
    return lookUp(index, id);
}

const std::vector<ListRow>& lists() {
    static const std::vector<ListRow> rows = {
        {{41108, 41175, 41303}, u"\\begin{enumerate}\r\n", u"\r\n\\end{enumerate}", u"\\item "},
        {{41109, 41176, 41304}, u"\\begin{itemize}\r\n", u"\r\n\\end{itemize}", u"\\item "},
        {{41110, 41177, 41305}, u"\\begin{description}\r\n", u"\r\n\\end{description}", u"\\item[]"},
    };
    return rows;
}

const ListRow* findList(uint32_t id) {
    static const auto index = indexOf(lists());
    return lookUp(index, id);
}

std::optional<OtherCommand> findOther(uint32_t id) {
    if (id >= 65000 && id <= 65050) return OtherCommand{Action::InsertUserString, static_cast<int32_t>(id - 65000)};
    static const std::vector<OtherRow> rows = buildOthers();
    static const auto index = indexOf(rows);
    const OtherRow* row = lookUp(index, id);
    if (!row) return std::nullopt;
    return row->what;
}

} // namespace command_table
