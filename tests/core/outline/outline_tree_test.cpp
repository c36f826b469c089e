#include "outline/outline_tree.h"

#include "outline/search.h"
#include "tests/core/outline/memory_files.h"
#include "tests/support/memory_editor.h"

#include <gtest/gtest.h>

namespace {
namespace kind = outline_kind;
using namespace outline_tree;

OutlineItem item(int32_t k, u16 name, int32_t file = outline_file::Current) {
    OutlineItem i;
    i.name = std::move(name);
    i.kind = k;
    i.file = file;
    return i;
}

// A node's shown text: its name, or "#<text id>" for a fixed node.
u16 shown(const Node& n) {
    if (!n.textId) return n.text;
    std::string id = "#" + std::to_string(n.textId - 0x1080000);
    return u16(id.begin(), id.end());
}

std::vector<u16> texts(const Tree& t, const std::vector<int32_t>& nodes) {
    std::vector<u16> out;
    for (int32_t n : nodes) out.push_back(shown(t.nodes[n]));
    return out;
}

std::vector<u16> childTexts(const Tree& t, int32_t node) { return texts(t, t.nodes[node].children); }

// The first child of node with this text, or -1.
int32_t child(const Tree& t, int32_t node, u16view text) {
    for (int32_t c : node < 0 ? t.roots : t.nodes[node].children)
        if (shown(t.nodes[c]) == text) return c;
    return -1;
}

const std::vector<OutlineFile> kOneFile{{u"C:\\doc\\main.tex", 0, 1}};

} // namespace

TEST(OutlineTree, TopLevelNodesDependOnTheMode) {
    std::vector<OutlineItem> none;
    Tree zero = build(none, {}, Mode::OneGroup);
    EXPECT_EQ(texts(zero, zero.roots), (std::vector<u16>{u"#1", u"#2", u"#3", u"#9"}));
    EXPECT_TRUE(zero.nodes[zero.roots[1]].children.empty());
    EXPECT_EQ(zero.selected, zero.roots[0]);
    EXPECT_EQ(zero.outcome, Outcome::Complete);

    Tree one = build(none, {}, Mode::ByClass);
    ASSERT_EQ(texts(one, one.roots), (std::vector<u16>{u"#1", u"#2", u"#3", u"#9"}));
    EXPECT_EQ(childTexts(one, one.roots[1]), (std::vector<u16>{u"#1", u"#4", u"#5", u"#6", u"#7", u"#8"}));
    std::vector<int32_t> groupImages;
    for (int32_t c : one.nodes[one.roots[1]].children) groupImages.push_back(one.nodes[c].image);
    EXPECT_EQ(groupImages, (std::vector<int32_t>{16, 31, 33, 35, 37, 39}));

    Tree two = build(none, {}, Mode::UnderHeading);
    EXPECT_EQ(texts(two, two.roots), (std::vector<u16>{u"#1", u"#3", u"#9"}));
    std::vector<int32_t> images;
    for (int32_t r : two.roots) images.push_back(two.nodes[r].image);
    EXPECT_EQ(images, (std::vector<int32_t>{0, 43, 46}));

    EXPECT_EQ(modeFromSetting(1), Mode::ByClass);
    EXPECT_EQ(modeFromSetting(2), Mode::UnderHeading);
    EXPECT_EQ(modeFromSetting(3), Mode::OneGroup);
    EXPECT_EQ(modeFromSetting(-1), Mode::OneGroup);
}

TEST(OutlineTree, MissingLevelsGetPlaceholdersAndLaterHeadingsReuseThem) {
    // An article: sections only, then a subsubsection that skips a level.
    std::vector<OutlineItem> items{item(kind::Section, u"Intro"), item(kind::Section, u"Method"),
                                   item(kind::Subsubsection, u"Deep"), item(kind::Chapter, u"Appendix"),
                                   item(kind::Section, u"A.1", 3)};
    Tree t = build(items, kOneFile, Mode::OneGroup);
    int32_t doc = t.roots[0];
    ASSERT_EQ(childTexts(t, doc), (std::vector<u16>{u"#35"}));   // one placeholder part
    int32_t part = t.nodes[doc].children[0];
    EXPECT_EQ(t.nodes[part].image, 1);
    EXPECT_EQ(t.nodes[part].item, -1);
    // The placeholder chapter holds the sections; the real chapter comes
    // after it under the same placeholder part.
    ASSERT_EQ(childTexts(t, part), (std::vector<u16>{u"#35", u"Appendix"}));
    int32_t chapter = t.nodes[part].children[0];
    EXPECT_EQ(t.nodes[chapter].image, 3);
    EXPECT_EQ(childTexts(t, chapter), (std::vector<u16>{u"Intro", u"Method"}));
    int32_t method = child(t, chapter, u"Method");
    ASSERT_EQ(childTexts(t, method), (std::vector<u16>{u"#35"}));   // placeholder subsection
    int32_t sub = t.nodes[method].children[0];
    EXPECT_EQ(t.nodes[sub].image, 7);
    EXPECT_EQ(childTexts(t, sub), (std::vector<u16>{u"Deep"}));
    EXPECT_EQ(t.nodes[t.nodes[sub].children[0]].depth, 6);

    // A chapter clears the deeper levels: the next section goes under it.
    int32_t appendix = child(t, part, u"Appendix");
    ASSERT_EQ(childTexts(t, appendix), (std::vector<u16>{u"A.1"}));
    int32_t a1 = t.nodes[appendix].children[0];
    EXPECT_EQ(t.nodes[a1].item, 4);
    EXPECT_EQ(t.nodes[a1].image, 6);                  // another file: even image
    EXPECT_EQ(t.nodes[child(t, chapter, u"Intro")].image, 5);
}

TEST(OutlineTree, LabelsGoWhereTheModeSays) {
    std::vector<OutlineItem> items{item(kind::EquationLabel, u"eq:first"), item(kind::Part, u"P"),
                                   item(kind::SectionLabel, u"sec:x"),   item(kind::Section, u"S"),
                                   item(kind::FigureLabel, u"fig:a", 2), item(kind::OtherLabel, u"x"),
                                   item(kind::TableLabel, u"tab:t"),     item(kind::ItemLabel, u"item:i")};

    Tree zero = build(items, kOneFile, Mode::OneGroup);
    EXPECT_EQ(childTexts(zero, zero.roots[1]),
              (std::vector<u16>{u"eq:first", u"sec:x", u"fig:a", u"x", u"tab:t", u"item:i"}));
    int32_t fig = child(zero, zero.roots[1], u"fig:a");
    EXPECT_EQ(zero.nodes[fig].image, 34);
    EXPECT_EQ(zero.nodes[child(zero, zero.roots[1], u"eq:first")].image, 31);

    Tree one = build(items, kOneFile, Mode::ByClass);
    int32_t groups = one.roots[1];
    EXPECT_EQ(childTexts(one, child(one, groups, u"#1")), (std::vector<u16>{u"sec:x"}));
    EXPECT_EQ(childTexts(one, child(one, groups, u"#4")), (std::vector<u16>{u"eq:first"}));
    EXPECT_EQ(childTexts(one, child(one, groups, u"#5")), (std::vector<u16>{u"fig:a"}));
    EXPECT_EQ(childTexts(one, child(one, groups, u"#6")), (std::vector<u16>{u"tab:t"}));
    EXPECT_EQ(childTexts(one, child(one, groups, u"#7")), (std::vector<u16>{u"item:i"}));
    EXPECT_EQ(childTexts(one, child(one, groups, u"#8")), (std::vector<u16>{u"x"}));

    // Mode 2: a label before the first heading sits under the document
    // node; later ones under the heading before them.
    Tree two = build(items, kOneFile, Mode::UnderHeading);
    int32_t doc = two.roots[0];
    EXPECT_EQ(childTexts(two, doc), (std::vector<u16>{u"eq:first", u"P"}));
    int32_t part = child(two, doc, u"P");
    EXPECT_EQ(childTexts(two, part), (std::vector<u16>{u"sec:x", u"#35"}));
    int32_t placeholderChapter = child(two, part, u"#35");
    int32_t section = child(two, placeholderChapter, u"S");
    EXPECT_EQ(childTexts(two, section), (std::vector<u16>{u"fig:a", u"x", u"tab:t", u"item:i"}));
}

TEST(OutlineTree, FilesNestUnderTheirIncluderAndBadDepthsStopTheBuild) {
    std::vector<OutlineFile> files{{u"C:\\d\\main.tex", 0, 0}, {u"C:\\d\\a.tex", 1, 1}, {u"C:\\d\\a1.tex", 2, 0},
                                   {u"C:\\d\\b.tex", 1, 0},    {u"", 1, 0}};
    std::vector<OutlineItem> items;
    for (int32_t f = 0; f < 5; ++f) {
        u16 name = files[f].path.empty() ? u16() : files[f].path.substr(5);
        items.push_back(item(kind::File, name, f));
    }
    items.push_back(item(kind::File, u"ghost.tex", 9));        // no such file: left out
    items.push_back(item(kind::BibItem, u"knuth", 0));
    items.push_back(item(kind::DatabaseEntry, u"lamport", outline_file::Database));

    Tree t = build(items, files, Mode::OneGroup);
    EXPECT_EQ(t.outcome, Outcome::Complete);
    int32_t filesNode = t.roots[3];
    ASSERT_EQ(childTexts(t, filesNode), (std::vector<u16>{u"main.tex"}));
    int32_t main = t.nodes[filesNode].children[0];
    EXPECT_EQ(t.nodes[main].image, 48);
    EXPECT_EQ(childTexts(t, main), (std::vector<u16>{u"a.tex", u"b.tex", u"#13"}));
    int32_t a = child(t, main, u"a.tex");
    EXPECT_EQ(t.nodes[a].image, 47);
    EXPECT_EQ(childTexts(t, a), (std::vector<u16>{u"a1.tex"}));
    // The window's mask leaves database entries out; a wider one shows them.
    EXPECT_EQ(childTexts(t, t.roots[2]), (std::vector<u16>{u"knuth"}));
    EXPECT_EQ(t.nodes[t.nodes[t.roots[2]].children[0]].image, 45);
    Tree all = build(items, files, Mode::OneGroup, 0x3FFFFF);
    EXPECT_EQ(childTexts(all, all.roots[2]), (std::vector<u16>{u"knuth", u"lamport"}));

    // A current-document file without a name gets its own text.
    files[4].isCurrent = 1;
    Tree current = build(items, files, Mode::OneGroup);
    EXPECT_EQ(childTexts(current, current.nodes[current.roots[3]].children[0]),
              (std::vector<u16>{u"a.tex", u"b.tex", u"#12"}));

    // A file two levels below the deepest so far cannot be placed.
    std::vector<OutlineFile> skipping{{u"C:\\d\\main.tex", 0, 0}, {u"C:\\d\\deep.tex", 2, 0}};
    std::vector<OutlineItem> bad{item(kind::File, u"main.tex", 0), item(kind::File, u"deep.tex", 1),
                                 item(kind::Section, u"after")};
    Tree stopped = build(bad, skipping, Mode::OneGroup);
    EXPECT_EQ(stopped.outcome, Outcome::FileTooDeep);
    EXPECT_EQ(childTexts(stopped, stopped.roots[3]), (std::vector<u16>{u"main.tex"}));
    EXPECT_TRUE(stopped.nodes[stopped.nodes[stopped.roots[3]].children[0]].children.empty());
    EXPECT_TRUE(stopped.nodes[stopped.roots[0]].children.empty());   // nothing after it
}

TEST(OutlineTree, LongNamesAreCutAndItemsKeepTheirIndex) {
    std::vector<OutlineItem> items{item(kind::Subsection, u16(600, u'x')), item(kind::OtherLabel, u"")};
    Tree t = build(items, kOneFile, Mode::OneGroup);
    int32_t chapter = t.nodes[t.nodes[t.roots[0]].children[0]].children[0];
    int32_t section = t.nodes[chapter].children[0];
    const Node& sub = t.nodes[t.nodes[section].children[0]];
    EXPECT_EQ(sub.text.size(), MaxNodeText);
    EXPECT_EQ(sub.item, 0);
    const Node& label = t.nodes[t.nodes[t.roots[1]].children[0]];
    EXPECT_EQ(label.item, 1);
    EXPECT_EQ(label.textId, 0u);   // an empty label name stays empty
    // Parents precede children, as the window inserts in list order.
    for (size_t i = 0; i < t.nodes.size(); ++i) EXPECT_LT(t.nodes[i].parent, static_cast<int32_t>(i));
}

TEST(OutlineTree, ExpansionOpensNodesUpToTheDepth) {
    std::vector<OutlineItem> items{item(kind::Part, u"P"), item(kind::Chapter, u"C"), item(kind::Section, u"S")};
    Tree t = build(items, kOneFile, Mode::OneGroup);
    std::vector<bool> one = expandedTo(t, 1);
    std::vector<bool> three = expandedTo(t, 3);
    for (size_t i = 0; i < t.nodes.size(); ++i) {
        EXPECT_EQ(one[i], t.nodes[i].depth == 1) << i;
        EXPECT_EQ(three[i], t.nodes[i].depth <= 3) << i;
    }
    int32_t section = t.nodes[t.nodes[t.nodes[t.roots[0]].children[0]].children[0]].children[0];
    EXPECT_EQ(t.nodes[section].depth, 4);
    EXPECT_FALSE(three[section]);
    EXPECT_TRUE(expandedTo(t, ExpandAllDepth)[section]);
}

// A three-file document with a database, scanned as the window scans it.
TEST(OutlineTree, ThreeFileDocumentWithDatabase) {
    MemoryEditor editor(u"\\documentclass{book}\r\n\\begin{document}\r\n\\chapter{Start}\\label{chap:start}\r\n"
                        u"\\input{intro}\r\n\\include{results}\r\n\\bibliography{refs}\r\n"
                        u"\\begin{thebibliography}{9}\\bibitem{knuth} Knuth.\\end{thebibliography}\r\n"
                        u"\\end{document}\r\n");
    editor.setPath(u"C:\\thesis\\main.tex");
    MemoryFiles files;
    files.add(u"C:\\thesis\\intro.tex", u"\\section{Intro}\r\n\\begin{equation}\\label{eq:one}\\end{equation}");
    files.add(u"C:\\thesis\\results.tex", u"\\section{Results}\r\n\\subsection{Table}\\label{tab:r}");
    files.add(u"C:\\thesis\\refs.bib", u"@book{lamport, title = {LaTeX}}");
    OutlineSettings settings;
    CSearch scan(editor, settings, u"", files);

    Tree t = build(scan.items(), scan.files(), Mode::OneGroup);
    ASSERT_EQ(t.outcome, Outcome::Complete);
    EXPECT_EQ(texts(t, t.roots), (std::vector<u16>{u"#1", u"#2", u"#3", u"#9"}));
    int32_t doc = t.roots[0];
    ASSERT_EQ(childTexts(t, doc), (std::vector<u16>{u"#35"}));
    int32_t start = t.nodes[t.nodes[doc].children[0]].children[0];
    EXPECT_EQ(shown(t.nodes[start]), u"Start");
    EXPECT_EQ(t.nodes[start].image, 3);                           // in the open document
    EXPECT_EQ(childTexts(t, start), (std::vector<u16>{u"Intro", u"Results"}));
    int32_t results = child(t, start, u"Results");
    EXPECT_EQ(t.nodes[results].image, 6);                         // from another file
    const OutlineItem& resultsItem = scan.items()[t.nodes[results].item];
    EXPECT_EQ(resultsItem.line, 0);
    EXPECT_EQ(scan.files()[resultsItem.file].path, u"C:\\thesis\\results.tex");
    EXPECT_EQ(childTexts(t, t.roots[1]), (std::vector<u16>{u"chap:start", u"eq:one", u"tab:r"}));
    EXPECT_EQ(childTexts(t, t.roots[2]), (std::vector<u16>{u"knuth"}));   // database entries left out
    ASSERT_EQ(childTexts(t, t.roots[3]), (std::vector<u16>{u"main.tex"}));
    int32_t main = t.nodes[t.roots[3]].children[0];
    EXPECT_EQ(t.nodes[main].image, 47);
    EXPECT_EQ(childTexts(t, main), (std::vector<u16>{u"intro.tex", u"results.tex"}));
    EXPECT_EQ(scan.entries().size(), 1u);
}
