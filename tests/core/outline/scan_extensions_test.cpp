// The words of LaTeX as it is written today that the outline scan knows
// besides the classic ones (biblatex, subfiles, import, TeX's own \input),
// and the verbatim text that it skips.
#include "outline/search.h"

#include "tests/core/outline/memory_files.h"
#include "tests/support/memory_editor.h"

#include <gtest/gtest.h>

#include <utility>

namespace {
namespace kind = outline_kind;

std::vector<u16> namesOf(const CSearch& s, int32_t mask) {
    std::vector<u16> out;
    for (const OutlineItem& item : s.items())
        if (item.kind & mask) out.push_back(item.name);
    return out;
}

const OutlineItem* named(const CSearch& s, u16view name) {
    for (const OutlineItem& item : s.items())
        if (item.name == name) return &item;
    return nullptr;
}

struct Files {
    u16 path;
    u16 text;
};

struct Case {
    const char* what;
    u16 document;            // open in the editor as C:\doc\main.tex
    std::vector<Files> files;
    std::vector<u16> reads;  // paths asked for, in order
    std::vector<u16> found;  // names of sectioning items and database entries
};

} // namespace

TEST(OutlineScanWords, NewWordsFollowFilesAndDatabases) {
    const Case cases[] = {
        {"\\input without braces", u"\\input chap1\r\n\\section{Main}\\input\tchap2.ltx% note\r\n\\input{chap3}",
         {{u"C:\\doc\\chap1.tex", u"\\section{One}"}, {u"C:\\doc\\chap2.ltx", u"\\section{Two}"},
          {u"C:\\doc\\chap3.tex", u"\\section{Three}"}},
         {u"C:\\doc\\chap1.tex", u"C:\\doc\\chap2.ltx", u"C:\\doc\\chap3.tex"},
         {u"One", u"Main", u"Two", u"Three"}},
        {"\\input followed by a braced name on the next line", u"\\input\r\n{chap1}",
         {{u"C:\\doc\\chap1.tex", u"\\section{One}"}}, {u"C:\\doc\\chap1.tex"}, {u"One"}},
        {"\\subfile", u"\\subfile{parts/intro}\\subfile{end.tex}",
         {{u"C:\\doc\\parts\\intro.tex", u"\\section{Intro}"}, {u"C:\\doc\\end.tex", u"\\section{End}"}},
         {u"C:\\doc\\parts\\intro.tex", u"C:\\doc\\end.tex"}, {u"Intro", u"End"}},
        {"\\import and \\subimport",
         u"\\import{dir/}{file}\\import{D:/abs}{a.tex}\\subimport{top/}{t}",
         {{u"C:\\doc\\dir\\file.tex", u"\\section{File}\\input{inner}\\subimport{sub/}{x}"},
          {u"C:\\doc\\dir\\inner.tex", u"\\section{Inner}"},
          {u"C:\\doc\\dir\\sub\\x.tex", u"\\section{X}"},
          {u"D:\\abs\\a.tex", u"\\section{Abs}"},
          {u"C:\\doc\\top\\t.tex", u"\\section{Top}"}},
         {u"C:\\doc\\dir\\file.tex", u"C:\\doc\\dir\\inner.tex", u"C:\\doc\\dir\\sub\\x.tex", u"D:\\abs\\a.tex",
          u"C:\\doc\\top\\t.tex"},
         {u"File", u"Inner", u"X", u"Abs", u"Top"}},
        {"\\import with one argument only", u"\\import{dir/} \\section{S}", {}, {}, {u"S"}},
        {"\\addbibresource, several", u"\\addbibresource{refs.bib}\r\n\\addbibresource[datatype=bibtex]{more.bib}",
         {{u"C:\\doc\\refs.bib", u"@book{k1, title = {A}}"}, {u"C:\\doc\\more.bib", u"@misc{k2, note = {B}}"}},
         {u"C:\\doc\\refs.bib", u"C:\\doc\\more.bib"}, {u"k1", u"k2"}},
        {"\\includeonly leaves the others listed", u"\\includeonly{chap1}\r\n\\include{chap1}\\include{chap2}",
         {{u"C:\\doc\\chap1.tex", u"\\section{One}"}, {u"C:\\doc\\chap2.tex", u"\\section{Two}"}},
         {u"C:\\doc\\chap1.tex", u"C:\\doc\\chap2.tex"}, {u"One", u"Two"}},
        {"near words stay unknown", u"\\subfileinclude{a}\\importfile{b}\\addbibresources{c}\\inputx{d}", {}, {}, {}},
    };
    for (const Case& c : cases) {
        MemoryEditor editor(c.document);
        editor.setPath(u"C:\\doc\\main.tex");
        MemoryFiles files;
        for (const Files& f : c.files) files.add(f.path, f.text);
        CSearch s(editor, OutlineSettings{}, u"", files);
        EXPECT_EQ(files.reads, c.reads) << c.what;
        EXPECT_EQ(namesOf(s, kind::Sectioning | kind::DatabaseEntry), c.found) << c.what;
        EXPECT_FALSE(s.incomplete()) << c.what;
    }
}

TEST(OutlineScanWords, NewInclusionsStopAtTheDepthLimit) {
    MemoryEditor editor(u"\\subfile{main}");
    editor.setPath(u"C:\\doc\\main.tex");
    MemoryFiles files;
    CSearch s(editor, OutlineSettings{}, u"", files);
    EXPECT_EQ(s.files().size(), 11u); // depths 0 to 10
    EXPECT_TRUE(s.incomplete());
}

TEST(OutlineScanVerbatim, ExamplesAreNotStructure) {
    const std::vector<u16> lines = {
        u"\\section{Real}",                                              // 0
        u"\\begin{verbatim}",                                            // 1
        u"\\section{Example}\\label{sec:example}",                       // 2
        u"\\end{verbatim}",                                              // 3
        u"\\verb|\\section{x}| \\verb*+\\label{y}+ \\verb!%! \\section{After}\\label{sec:after}", // 4
        u"\\begin{lstlisting}[caption=x]\r\n\\section{L}\r\n\\end{lstlisting}",                    // 5-7
        u"\\begin {minted}{latex}\n\\input{nothing}\n\\end{minted}",                              // 8-10
        u"\\begin{comment}\\bibitem{c}\\end{comment}\\begin{verbatim*}\\section{S}\\end{verbatim*}",  // 11
        u"\\verbatiminput{x} \\begin{itemize}\\item \\label{item:a}\\end{itemize} \\section{Next}",   // 12
        u"\\verb|no end \\label{z}",                                     // 13
        u"\\section{Last}",                                              // 14
        u"\\begin{verbatim}\\end{verbatim*}\\section{Never}",            // 15
        u"\\label{never}",                                               // 16
    };
    u16 text;
    for (const u16& l : lines) text += l + u"\r\n";
    MemoryEditor editor(text);
    editor.setPath(u"C:\\doc\\main.tex");
    MemoryFiles files;
    CSearch s(editor, OutlineSettings{}, u"", files);

    EXPECT_EQ(namesOf(s, kind::Sectioning), (std::vector<u16>{u"Real", u"After", u"Next", u"Last"}));
    EXPECT_EQ(namesOf(s, kind::Labels | kind::BibItem), (std::vector<u16>{u"sec:after", u"item:a"}));
    EXPECT_TRUE(files.reads.empty());
    // Lines and columns go on counting through skipped text.
    const OutlineItem* after = named(s, u"After");
    ASSERT_NE(after, nullptr);
    EXPECT_EQ(after->line, 4);
    EXPECT_EQ(after->column, static_cast<int32_t>(lines[4].find(u"\\section{After}")));
    const OutlineItem* next = named(s, u"Next");
    ASSERT_NE(next, nullptr);
    EXPECT_EQ(next->line, 12);
    const OutlineItem* last = named(s, u"Last");
    ASSERT_NE(last, nullptr);
    EXPECT_EQ(last->line, 14);
    EXPECT_EQ(last->column, 0);
    // The environment still marks the context of a label after it.
    const OutlineItem* item = named(s, u"item:a");
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->text.substr(0, 5), u"\\item");
}
