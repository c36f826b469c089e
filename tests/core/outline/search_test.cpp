#include "outline/search.h"

#include "base/str.h"
#include "tests/core/outline/memory_files.h"
#include "tests/support/memory_editor.h"

#include <gtest/gtest.h>

namespace {
namespace kind = outline_kind;

// A document open in the editor at `path`, other files in memory.
struct Doc {
    explicit Doc(u16view text, u16view path = u"C:\\doc\\main.tex") : editor(text) { editor.setPath(path); }
    CSearch scan(u16view root = u"") { return CSearch(editor, settings, root, files); }

    MemoryEditor editor;
    MemoryFiles files;
    OutlineSettings settings;
};

// The items of the given kinds, in list order.
std::vector<OutlineItem> itemsOf(const CSearch& s, int32_t mask) {
    std::vector<OutlineItem> out;
    for (const OutlineItem& item : s.items())
        if (item.kind & mask) out.push_back(item);
    return out;
}

std::vector<u16> namesOf(const std::vector<OutlineItem>& items) {
    std::vector<u16> out;
    for (const OutlineItem& item : items) out.push_back(item.name);
    return out;
}

size_t count(const CSearch& s, int32_t mask) { return itemsOf(s, mask).size(); }

} // namespace

TEST(OutlineScan, CommandsAreRecognisedOnlyWithADelimiterAfterTheWord) {
    Doc doc(u"\\section*{Intro}\r\n\\sectionmark{x}\r\n\\includegraphics{a}\r\n\\parbox{b}\r\n"
            u"\\section[short]{Long}\r\n\\chapter {A{b}c}\r\n\\part\t{ P }\r\n\\section:x{no}\\section1{no}");
    CSearch s = doc.scan();
    auto items = itemsOf(s, kind::Sectioning);
    ASSERT_EQ(items.size(), 4u);
    EXPECT_EQ(namesOf(items), (std::vector<u16>{u"Intro", u"Long", u"A{b}c", u" P "})); // never trimmed
    EXPECT_EQ(items[0].kind, kind::Section);
    EXPECT_EQ(items[2].kind, kind::Chapter);
    EXPECT_EQ(items[3].kind, kind::Part);
    EXPECT_EQ(items[1].line, 4);
    EXPECT_EQ(items[1].text, u"\\section[short]{Long}\r\n\\chapter {A{b}c}\r\n\\part\t{ P }\r\n"
                             u"\\section:x{no}\\section1{no}");

    for (char16_t d : u16(u"{* \r\n\t}()[]")) {
        Doc one(u16(u"\\subsection") + d + u" {T} }");
        EXPECT_EQ(count(one.scan(), kind::Subsection), 1u) << static_cast<int>(d);
    }
    for (u16view tail : {u"a {T}", u"1{T}", u":{T}", u"%{T}", u"\\{T}", u""}) {
        Doc one(u16(u"\\subsection") + u16(tail));
        EXPECT_EQ(count(one.scan(), kind::Subsection), 0u);
    }
}

TEST(OutlineScan, EverySectioningWordHasItsKind) {
    Doc doc(u"\\part{1}\\chapter{2}\\section{3}\\subsection{4}\\subsubsection{5}\\paragraph{6}"
            u"\\subparagraph{7}");
    auto items = itemsOf(doc.scan(), kind::Sectioning);
    ASSERT_EQ(items.size(), 7u);
    for (size_t i = 0; i < items.size(); ++i) {
        EXPECT_EQ(items[i].kind, 1 << i);
        EXPECT_EQ(items[i].name, u16(1, static_cast<char16_t>(u'1' + i)));
    }
}

TEST(OutlineScan, LabelNamesAreTrimmedAndSortedByTheFirstMatchingPrefix) {
    Doc doc(u"\\label{ eq:a = }\\label{\tfig:1\r\n}\\label{tab:1}\\label{item:1}\\label{part:x}"
            u"\\label{chap:1}\\label{sec:1}\\label{subsec:1}\\label{subsubsec:1}\\label{par:1}"
            u"\\label{subpar:1}\\label{other}\\label{Eq:1}\\label{a = b}");
    auto labels = itemsOf(doc.scan(), kind::Labels);
    ASSERT_EQ(labels.size(), 14u);
    EXPECT_EQ(labels[0].name, u"eq:a");
    EXPECT_EQ(labels[1].name, u"fig:1");
    EXPECT_EQ(labels[13].name, u"a = b"); // only the ends are trimmed
    const int32_t expected[] = {kind::EquationLabel, kind::FigureLabel, kind::TableLabel,
                                kind::ItemLabel, kind::PartLabel /* "part" is tried before "par" */,
                                kind::ChapterLabel, kind::SectionLabel, kind::SubsectionLabel,
                                kind::SubsubsectionLabel, kind::ParagraphLabel, kind::SubparagraphLabel,
                                kind::OtherLabel, kind::OtherLabel /* case matters */, kind::OtherLabel};
    for (size_t i = 0; i < labels.size(); ++i) EXPECT_EQ(labels[i].kind, expected[i]) << i;

    // The user's own prefixes replace the defaults.
    Doc custom(u"\\label{eq:1}\\label{math:1}");
    custom.settings.labels.prefix[LabelPrefixes::Equation] = u"math";
    auto mine = itemsOf(custom.scan(), kind::Labels);
    ASSERT_EQ(mine.size(), 2u);
    EXPECT_EQ(mine[0].kind, kind::OtherLabel);
    EXPECT_EQ(mine[1].kind, kind::EquationLabel);
}

TEST(OutlineScan, LabelContextStartsAtTheLastMarkOrFiftyCharactersBefore) {
    const u16 text = u"Opening words of the chapter, long enough to pass fifty characters.\r\n"
                     u"\\label{first}\r\n"
                     u"\\begin{figure}\r\n\\caption{Cap}\r\n\\label{fig:a}\r\n\\label{fig:b}\r\n\\end{figure}\r\n"
                     u"\\section{S}\r\n\\label{sec:s}\r\n"
                     u"\\begin{itemize}\\item One \\label{item:one}\\end{itemize}";
    Doc doc(text);
    auto labels = itemsOf(doc.scan(), kind::Labels);
    ASSERT_EQ(labels.size(), 5u);
    // The mark starts at the text's beginning, so the first label shows it.
    EXPECT_EQ(labels[0].text, text.substr(0, 264));
    // \caption replaced the mark of \begin; the mark serves one label only.
    EXPECT_EQ(labels[1].text, text.substr(text.find(u"\\caption"), 264));
    const size_t b = text.find(u"\\label{fig:b}");
    EXPECT_EQ(labels[2].text, text.substr(b - 50, 264));
    EXPECT_EQ(labels[3].text, text.substr(text.find(u"\\section{S}"), 264));
    EXPECT_EQ(labels[4].text, text.substr(text.find(u"\\item"), 264));

    // With the mark used up, fifty characters back from near the start is
    // the start.
    Doc near(u"\\section{A}\\label{a} \\label{b}");
    auto two = itemsOf(near.scan(), kind::Labels);
    ASSERT_EQ(two.size(), 2u);
    EXPECT_EQ(two[1].text, u"\\section{A}\\label{a} \\label{b}");
}

TEST(OutlineScan, PercentStartsACommentUnlessEscaped) {
    Doc doc(u"50\\% \\label{x}\r\n% \\label{y}\r\nsome % \\label{w}\r\n\\label{z}");
    EXPECT_EQ(namesOf(itemsOf(doc.scan(), kind::Labels)), (std::vector<u16>{u"x", u"z"}));

    Doc first(u"%\\label{a}\r\n\\label{b}");
    EXPECT_EQ(namesOf(itemsOf(first.scan(), kind::Labels)), (std::vector<u16>{u"b"}));

    // A comment still counts its characters and lines.
    Doc lines(u"% \\section{no}\r\n  \\section{yes}");
    auto s = itemsOf(lines.scan(), kind::Section);
    ASSERT_EQ(s.size(), 1u);
    EXPECT_EQ(s[0].line, 1);
    EXPECT_EQ(s[0].column, 2);
}

TEST(OutlineScan, EveryLineEndCountsOnceAndArgumentsAreCounted) {
    Doc doc(u"");
    doc.files.add(u"C:\\doc\\root.tex", u"a\r\nb\n\\section{S}\rxx \\label{L}\r\n\r\n  \\section{T} \\label{M}"
                                        u"\n% c\r\\section{U}");
    CSearch s = doc.scan(u"root.tex");
    auto items = itemsOf(s, kind::Section | kind::Labels);
    ASSERT_EQ(items.size(), 5u);
    EXPECT_EQ(items[0].line, 2);
    EXPECT_EQ(items[0].column, 0);
    EXPECT_EQ(items[1].line, 3);
    EXPECT_EQ(items[1].column, 3);
    EXPECT_EQ(items[2].line, 5);
    EXPECT_EQ(items[2].column, 2);
    EXPECT_EQ(items[3].line, 5);
    EXPECT_EQ(items[3].column, 14); // the walk went through "\section{T} "
    EXPECT_EQ(items[4].line, 7);    // a lone CR ended the comment
    EXPECT_EQ(items[4].column, 0);
}

TEST(OutlineScan, BothBracesMustLieWithin280CharactersOfTheBackslash) {
    // "\section{" is 9 characters: the "}" lands at offset 9 + n.
    auto named = [](size_t n) {
        Doc doc(u"\\section{" + u16(n, u'x') + u"}\\label{after}");
        CSearch s = doc.scan();
        return std::make_pair(count(s, kind::Section), count(s, kind::Labels));
    };
    EXPECT_EQ(named(270), std::make_pair(size_t{1}, size_t{1}));
    EXPECT_EQ(named(271), std::make_pair(size_t{0}, size_t{1})); // dropped; the walk goes on

    auto opened = [](size_t spaces) {
        Doc doc(u"\\section" + u16(spaces, u' ') + u"{}" + u16(300, u' '));
        return count(doc.scan(), kind::Section);
    };
    EXPECT_EQ(opened(270), 1u);
    EXPECT_EQ(opened(271), 0u);

    // A text that ends before any "{" gives an empty argument; one that ends
    // inside the braces gives nothing.
    Doc ends(u"\\section ");
    auto empty = itemsOf(ends.scan(), kind::Section);
    ASSERT_EQ(empty.size(), 1u);
    EXPECT_EQ(empty[0].name, u"");
    Doc open(u"\\section{abc");
    EXPECT_EQ(count(open.scan(), kind::Section), 0u);
    Doc far(u"\\section " + u16(400, u'x') + u"{late}");
    EXPECT_EQ(count(far.scan(), kind::Section), 0u);
}

TEST(OutlineScan, BibitemTextRunsToTheNextBibitemOrEnd) {
    Doc doc(u"\\begin{thebibliography}{9}\r\n\\bibitem[Knuth]{knuth} D. Knuth.\r\n"
            u"\\bibitem{lamport} L. Lamport \\endgroup.\r\n\\end{thebibliography}\r\n"
            u"\\bibitemsep=1pt \\bibitem{long}" + u16(400, u'y'));
    auto items = itemsOf(doc.scan(), kind::BibItem);
    ASSERT_EQ(items.size(), 3u);
    EXPECT_EQ(items[0].name, u"knuth");
    EXPECT_EQ(items[0].text, u"\\bibitem[Knuth]{knuth} D. Knuth.\r\n");
    EXPECT_EQ(items[1].text, u"\\bibitem{lamport} L. Lamport \\endgroup.\r\n");
    EXPECT_EQ(items[2].text, (u"\\bibitem{long}" + u16(400, u'y')).substr(0, 264));
    EXPECT_EQ(items[0].line, 1);
}

TEST(OutlineScan, TheFirstFileIsTheEditorTextWhenThereIsNoRoot) {
    Doc doc(u"\\section{A}\r\n" + u16(300, u'z'));
    CSearch s = doc.scan();
    ASSERT_EQ(s.files().size(), 1u);
    EXPECT_EQ(s.files()[0].path, u"C:\\doc\\main.tex");
    EXPECT_EQ(s.files()[0].depth, 0);
    EXPECT_EQ(s.files()[0].isCurrent, 1);
    EXPECT_EQ(s.rootDirectory(), u"C:\\doc");
    ASSERT_EQ(s.items().size(), 2u);
    const OutlineItem& file = s.items()[0];
    EXPECT_EQ(file.name, u"main.tex");
    EXPECT_EQ(file.text, doc.editor.text().substr(0, 264));
    EXPECT_EQ(file.kind, kind::File);
    EXPECT_EQ(file.file, 0); // the file item keeps its index
    EXPECT_EQ(file.entry, -1);
    EXPECT_EQ(s.items()[1].file, outline_file::Current);
    EXPECT_EQ(s.items()[1].sequence, 1);
    EXPECT_TRUE(doc.files.reads.empty());

    EXPECT_EQ(s.imageOf(file), 47);
    EXPECT_EQ(s.imageOf(s.items()[1]), 5);
    EXPECT_TRUE(s.fileIsCurrent(-1));
    EXPECT_TRUE(s.fileIsCurrent(0));
    EXPECT_FALSE(s.fileIsCurrent(-2));
    EXPECT_FALSE(s.fileIsCurrent(1));

    // An unsaved document has no folder: relative names find nothing.
    Doc untitled(u"\\input{chap1}\\section{B}", u"");
    CSearch u = untitled.scan();
    ASSERT_EQ(u.files().size(), 1u);
    EXPECT_EQ(u.items()[0].name, u"");
    EXPECT_EQ(u.items()[1].file, outline_file::Current);
    EXPECT_TRUE(untitled.files.reads.empty());
}

TEST(OutlineScan, IncludedFilesAreReadRelativeToTheRootFolderAndNestInPlace) {
    Doc doc(u"\\section{Editor}", u"C:\\doc\\notes.tex");
    doc.files.add(u"C:\\doc\\main.tex", u"\\chapter{One}\r\n\\input{chap1}\r\n\\section{After}\r\n"
                                        u"\\include{sub/part2.ltx}\\input{missing}\\input{D:/abs/x}"
                                        u"\\input{../up}");
    doc.files.add(u"C:\\doc\\chap1.tex", u"\\section{In chap1}");
    doc.files.add(u"C:\\doc\\sub\\part2.ltx", u"\\label{sec:p2}");
    doc.files.add(u"D:\\abs\\x.tex", u"");
    doc.files.add(u"C:\\up.tex", u"\\part{Up}");
    doc.settings.limit = 4096;
    CSearch s = doc.scan(u"main.tex");

    EXPECT_EQ(doc.files.reads, (std::vector<u16>{u"C:\\doc\\main.tex", u"C:\\doc\\chap1.tex",
                                                 u"C:\\doc\\sub\\part2.ltx", u"C:\\doc\\missing.tex",
                                                 u"D:\\abs\\x.tex", u"C:\\up.tex"}));
    EXPECT_EQ(doc.files.limits, std::vector<uint32_t>(6, 4096));
    ASSERT_EQ(s.files().size(), 5u);
    EXPECT_EQ(s.files()[0].depth, 0);
    EXPECT_EQ(s.files()[1].depth, 1);
    EXPECT_EQ(s.files()[3].path, u"D:\\abs\\x.tex");
    for (const OutlineFile& f : s.files()) EXPECT_EQ(f.isCurrent, 0);

    std::vector<u16> names = namesOf(s.items());
    EXPECT_EQ(names, (std::vector<u16>{u"main.tex", u"One", u"chap1.tex", u"In chap1", u"After", u"part2.ltx",
                                       u"sec:p2", u"x.tex", u"up.tex", u"Up"}));
    std::vector<int32_t> fileOf;
    for (const OutlineItem& item : s.items()) fileOf.push_back(item.file);
    EXPECT_EQ(fileOf, (std::vector<int32_t>{0, 0, 1, 1, 0, 2, 2, 3, 4, 4}));
    for (size_t i = 0; i < s.items().size(); ++i) EXPECT_EQ(s.items()[i].sequence, static_cast<int32_t>(i));
    EXPECT_EQ(s.imageOf(s.items()[1]), 4); // chapter in another file
}

TEST(OutlineScan, TheRootDecidesTheFolderAndTheCurrentDocumentComesFromTheEditor) {
    // The document is chap1 (unsaved edits in the editor); the root lives a
    // folder up and includes it with a different case.
    Doc doc(u"\\section{Edited}", u"C:\\Thesis\\Text\\Chap1.TEX");
    doc.files.add(u"C:\\Thesis\\main.tex", u"\\input{text/chap1}\\input{refs}");
    doc.files.add(u"C:\\Thesis\\text\\chap1.tex", u"\\section{On disk}");
    doc.files.add(u"C:\\Thesis\\refs.tex", u"\\section{Refs}");
    CSearch s = doc.scan(u"../main.tex");

    EXPECT_EQ(s.rootDirectory(), u"C:\\Thesis");
    ASSERT_EQ(s.files().size(), 3u);
    EXPECT_EQ(s.files()[1].path, u"C:\\Thesis\\text\\chap1.tex");
    EXPECT_EQ(s.files()[1].isCurrent, 1);
    EXPECT_EQ(namesOf(itemsOf(s, kind::Section)), (std::vector<u16>{u"Edited", u"Refs"}));
    EXPECT_EQ(itemsOf(s, kind::Section)[0].file, outline_file::Current);
    EXPECT_EQ(itemsOf(s, kind::Section)[1].file, 2);
    EXPECT_EQ(s.imageOf(s.items()[1]), 47); // chap1's file item: a current file

    // A root that cannot be read falls back to the editor's text.
    Doc lost(u"\\section{Here}", u"C:\\doc\\ch.tex");
    CSearch t = lost.scan(u"gone.tex");
    EXPECT_EQ(lost.files.reads, (std::vector<u16>{u"C:\\doc\\gone.tex"}));
    ASSERT_EQ(t.files().size(), 1u);
    EXPECT_EQ(t.files()[0].path, u"C:\\doc\\ch.tex");
    EXPECT_EQ(t.rootDirectory(), u"C:\\doc");
    EXPECT_EQ(count(t, kind::Section), 1u);
}

TEST(OutlineScan, ASelfIncludingDocumentStopsAtDepthTen) {
    Doc doc(u"\\label{a}\r\n\\input{main}\r\n\\bibliography{refs}");
    doc.files.add(u"C:\\doc\\refs.bib", u"@book{k, title = {T}}");
    CSearch s = doc.scan();
    ASSERT_EQ(s.files().size(), 11u);
    for (size_t i = 0; i < s.files().size(); ++i) {
        EXPECT_EQ(s.files()[i].depth, static_cast<int32_t>(i));
        EXPECT_EQ(s.files()[i].isCurrent, 1);
    }
    EXPECT_EQ(count(s, kind::Labels), 11u);
    // \bibliography is followed below depth 10 only; the database is read once.
    EXPECT_EQ(s.entries().size(), 10u);
    EXPECT_EQ(doc.files.reads, std::vector<u16>{u"C:\\doc\\refs.bib"});
    // What the deepest copy names was not followed: the outline says so.
    EXPECT_TRUE(s.incomplete());
}

// A chain of files ten deep is read in full; the depth limit makes the
// outline incomplete only when the deepest file names something to follow.
TEST(OutlineScan, OnlyAnInclusionLeftUnfollowedAtTheDepthLimitMakesTheOutlineIncomplete) {
    struct Case {
        const char16_t* deepest; // the text of f10.tex
        bool incomplete;
    };
    const Case cases[] = {
        {u"\\section{End}", false},
        {u"\\input{never closed", false}, // abandoned: nothing was named
        {u"\\input{more}", true},
        {u"\\include{more}", true},
        {u"\\bibliography{refs}", true},
    };
    for (const Case& c : cases) {
        Doc doc(u"\\input{f1}");
        for (int i = 1; i < 10; ++i)
            doc.files.add(u"C:\\doc\\f" + str::fromInt(i) + u".tex", u"\\input{f" + str::fromInt(i + 1) + u"}");
        doc.files.add(u"C:\\doc\\f10.tex", c.deepest);
        CSearch s = doc.scan();
        ASSERT_EQ(s.files().size(), 11u) << str::toUtf8(c.deepest);
        EXPECT_EQ(s.files().back().depth, 10);
        EXPECT_EQ(s.incomplete(), c.incomplete) << str::toUtf8(c.deepest);
    }
}

TEST(OutlineScan, RunawayInclusionEndsWithinTheBudget) {
    Doc doc(u"\\input{main}\\input{main}\\label{x}");
    // 2^10 inclusions at the deepest level: every file down to the depth
    // limit is read with the normal budget (the limit alone leaves the
    // outline incomplete)...
    CSearch full = doc.scan();
    EXPECT_EQ(full.files().size(), 2047u); // 2^11 - 1
    EXPECT_EQ(count(full, kind::Labels), 2047u);

    // ...and cut short, saying so, with a small one.
    CSearch cut(doc.editor, doc.settings, u"", doc.files, {1000, 1u << 19});
    EXPECT_TRUE(cut.incomplete());
    EXPECT_EQ(cut.files().size(), 1000u / doc.editor.text().size());
    CSearch few(doc.editor, doc.settings, u"", doc.files, {size_t{1} << 20, 50});
    EXPECT_TRUE(few.incomplete());
    EXPECT_EQ(few.items().size(), 50u);
}

TEST(OutlineScan, BibliographyReadsEveryNamedDatabase) {
    Doc doc(u"\\bibliography{a,b}\\section{S}\\bibliography{a, b}\\bibliography{c,,a}\\bibliography{d.old}");
    doc.files.add(u"C:\\doc\\a.bib", u"@book{ka, title = {A}}@misc{kb, note = x, year = 1}");
    doc.files.add(u"C:\\doc\\b.bib", u"@article{kc, journal = \"J\"}");
    doc.files.add(u"C:\\doc\\d.old", u"@article{kd, journal = \"J\"}");
    CSearch s = doc.scan();

    EXPECT_EQ(doc.files.reads, (std::vector<u16>{u"C:\\doc\\a.bib", u"C:\\doc\\b.bib", u"C:\\doc\\ b.bib",
                                                 u"C:\\doc\\c.bib", u"C:\\doc\\d.old"}));
    auto entries = itemsOf(s, kind::DatabaseEntry);
    EXPECT_EQ(namesOf(entries), (std::vector<u16>{u"ka", u"kb", u"kc", u"ka", u"kb", u"kd"}));
    ASSERT_EQ(s.entries().size(), 6u);
    for (size_t i = 0; i < entries.size(); ++i) {
        EXPECT_EQ(entries[i].entry, static_cast<int32_t>(i));
        EXPECT_EQ(entries[i].text, u"");
        EXPECT_EQ(entries[i].column, -1);
        EXPECT_EQ(entries[i].line, -1);
        EXPECT_EQ(entries[i].file, outline_file::Database);
        EXPECT_EQ(s.imageOf(entries[i]), 45);
    }
    // Scan order: the section sits between the first and second \bibliography.
    EXPECT_EQ(s.items()[4].kind, kind::Section);

    BibEntry out;
    ASSERT_TRUE(s.entry(1, out));
    EXPECT_EQ(out.type, u"misc");
    EXPECT_EQ(out.fields, (std::vector<BibField>{{u"note", u"x"}, {u"year", u"1"}}));
    EXPECT_FALSE(s.entry(6, out));
    EXPECT_FALSE(s.entry(-1, out));
}

TEST(OutlineScan, TheSizeLimitDropsLongTextsAndLargeFiles) {
    EXPECT_EQ(outline_settings::limitFrom(0), 0u);
    EXPECT_EQ(outline_settings::limitFrom(1), 512u);
    EXPECT_EQ(outline_settings::limitFrom(-1), 0x7FFFFE00u);

    // Limit 1: a 600-character document produces nothing at all.
    Doc big(u"\\section{A}" + u16(589, u' '));
    big.settings.limit = outline_settings::limitFrom(1);
    CSearch none = big.scan();
    EXPECT_TRUE(none.files().empty());
    EXPECT_TRUE(none.items().empty());

    // Exactly the limit is scanned; a larger included file is not read, and
    // the current document included from the root is measured too.
    Doc doc(u"\\section{Mine}" + u16(600, u' '), u"C:\\doc\\mine.tex");
    doc.settings.limit = 512;
    doc.files.add(u"C:\\doc\\main.tex", u"\\input{fits}\\input{large}\\input{mine}" + u16(475, u' '));
    doc.files.add(u"C:\\doc\\fits.tex", u"\\section{Fits}");
    doc.files.add(u"C:\\doc\\large.tex", u"\\section{Large}" + u16(600, u' '));
    CSearch s = doc.scan(u"main.tex");
    ASSERT_EQ(s.files().size(), 2u);
    EXPECT_EQ(s.files()[1].path, u"C:\\doc\\fits.tex");
    EXPECT_EQ(namesOf(itemsOf(s, kind::Section)), std::vector<u16>{u"Fits"});
}

TEST(OutlineScan, MalformedTextEndsCleanly) {
    for (u16view text : {u"\\", u"\\\\", u"{", u"}", u"\\label", u"\\label{", u"\\label{}}}", u"\\input{",
                         u"\\bibliography{", u"\\bibliography{,}", u"%", u"\\%", u"\r", u"\n\r", u"\\item"}) {
        Doc doc(text);
        CSearch s = doc.scan();
        EXPECT_EQ(s.files().size(), 1u);
    }
    Doc emptyLabel(u"\\label{} \\bibitem{}");
    CSearch s = emptyLabel.scan();
    ASSERT_EQ(s.items().size(), 3u);
    EXPECT_EQ(s.items()[1].name, u"");
    EXPECT_EQ(s.items()[1].kind, kind::OtherLabel);
}

TEST(OutlineImages, EachKindHasItsPairOfImages) {
    struct Row {
        int32_t kind, other, current;
    };
    const Row rows[] = {
        {kind::Part, 2, 1}, {kind::Chapter, 4, 3}, {kind::Section, 6, 5}, {kind::Subsection, 8, 7},
        {kind::Subsubsection, 10, 9}, {kind::Paragraph, 12, 11}, {kind::Subparagraph, 14, 13},
        {kind::PartLabel, 18, 17}, {kind::ChapterLabel, 20, 19}, {kind::SectionLabel, 22, 21},
        {kind::SubsectionLabel, 24, 23}, {kind::SubsubsectionLabel, 26, 25}, {kind::ParagraphLabel, 28, 27},
        {kind::SubparagraphLabel, 30, 29}, {kind::EquationLabel, 32, 31}, {kind::FigureLabel, 34, 33},
        {kind::TableLabel, 36, 35}, {kind::ItemLabel, 38, 37}, {kind::OtherLabel, 40, 39},
        {kind::BibItem, 45, 44}, {kind::DatabaseEntry, 45, 45}, {kind::File, 48, 47},
        {0, 48, 47}, {0x3, 48, 47}, {0x400000, 48, 47}, {-1, 48, 47},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(CSearch::imageIndex(r.kind, false), r.other) << std::hex << r.kind;
        EXPECT_EQ(CSearch::imageIndex(r.kind, true), r.current) << std::hex << r.kind;
    }
}
