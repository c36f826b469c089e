#include "make/paper_size.h"

#include "base/str.h"
#include "settings/setting.h"
#include "settings/setting_keys.h"
#include "support/paper_size_data.h"
#include "tests/core/support/dictionary_test_util.h"
#include "tests/support/memory_editor.h"

#include <gtest/gtest.h>

namespace {

namespace keys = ini_keys::dviout;

// a4paper and b5paper are options, jsbook a class that implies its paper,
// nopaper a key whose value is empty.
struct PaperList {
    dict_test::Folder folder;
    std::unique_ptr<DictionaryStore> store;
    std::unique_ptr<CPaperSizeData> list;
    PaperList() {
        folder.writeAllSources("\\a\n", "\\begin{table}\t[]\n", ":a\tb\n",
                               "a4paper\tA4\nb5paper\tB5\njsbook\tB5\nletterpaper\tLetter\nnopaper\t\n");
        store = std::make_unique<DictionaryStore>(folder.paths());
        list = std::make_unique<CPaperSizeData>(store.get());
    }
};

class PaperSize : public ::testing::Test {
protected:
    u16 parse(std::string_view line, bool expectSuccess = true) {
        u16 value = u"stale";
        bool ok = paper_size::ParseDocumentClass(str::fromUtf8(line), *papers.list, value);
        EXPECT_EQ(ok, expectSuccess) << line;
        if (!ok) {
            EXPECT_TRUE(value.empty()) << line;
        }
        return value;
    }
    PaperList papers;
};

TEST_F(PaperSize, OptionsGivePaperAndOrientation) {
    EXPECT_EQ(parse("\\documentclass[a4paper,landscape]{article}"), u"A4L");
    EXPECT_EQ(parse("\\documentclass[landscape,a4paper]{article}"), u"A4L");
    EXPECT_EQ(parse("\\documentclass[a4paper]{article}"), u"A4P");
    // The blank after the comma belongs to the option, which is then unknown.
    EXPECT_EQ(parse("\\documentclass[a4paper, landscape]{article}"), u"A4P");
    // A later known option replaces an earlier one; empty parts are skipped.
    EXPECT_EQ(parse("\\documentclass[a4paper,,b5paper,]{article}"), u"B5P");
    // An option overrides the class's own paper.
    EXPECT_EQ(parse("\\documentclass[letterpaper]{jsbook}"), u"LetterP");
    // Class and options are matched case-sensitively.
    parse("\\documentclass[A4paper]{article}", false);
}

TEST_F(PaperSize, ClassAloneGivesItsPaperWithoutOrientation) {
    EXPECT_EQ(parse("\\documentclass{jsbook}"), u"B5");
    EXPECT_EQ(parse("\\documentclass[]{jsbook}"), u"B5");
    // A class that is no key decides the paper too: there is none.
    EXPECT_EQ(parse("\\documentclass{article}"), u"");
    // Options that say nothing leave the class's paper, now with orientation.
    EXPECT_EQ(parse("\\documentclass[12pt,landscape]{jsbook}"), u"B5L");
    // A key with an empty value empties the result.
    parse("\\documentclass[a4paper,nopaper]{article}", false);
}

TEST_F(PaperSize, LinesThatDecideNothingFail) {
    parse("\\documentclass[12pt]{article}", false);
    parse(" \\documentclass[a4paper]{article}", false);
    parse("\t\\documentclass[a4paper]{article}", false);
    parse("\\documentclass [a4paper]{article}", false);
    parse("\\documentclassx{article}", false);
    parse("\\documentclass", false);
    parse("", false);
    parse("% \\documentclass[a4paper]{article}", false);
}

TEST_F(PaperSize, GroupsNestAndMustCloseWithinReach) {
    EXPECT_EQ(parse("\\documentclass[a4paper,opt={x,y}]{article}"), u"A4P");
    // An option group that never closes counts as no options.
    EXPECT_EQ(parse("\\documentclass[a4paper{jsbook}"), u"B5");
    // A class group that never closes gives no class paper.
    EXPECT_EQ(parse("\\documentclass{jsbook"), u"");
    // Both groups must close within GroupReach characters of the one after
    // "\\documentclass": with n commas the class's "}" is at 23 + n.
    auto withCommas = [](size_t n) { return "\\documentclass[" + std::string(n, ',') + "]{jsbook}"; };
    EXPECT_EQ(parse(withCommas(paper_size::GroupReach - 10)), u"B5P");
    parse(withCommas(paper_size::GroupReach - 9), false);
    // An option group closing just past the reach counts as none: success,
    // with the class's paper (here none, its "{" is out of reach too).
    auto options = [](size_t n) { return "\\documentclass[" + std::string(n, ',') + "a4paper]{jsbook}"; };
    EXPECT_EQ(parse(options(paper_size::GroupReach - 9)), u"A4P");
    EXPECT_EQ(parse(options(paper_size::GroupReach - 8)), u"");
}

TEST_F(PaperSize, TextIsSearchedLineByLineAtAnyLineBreak) {
    u16 value;
    EXPECT_TRUE(paper_size::FromText(u"% x\r\\documentclass[12pt]{article}\n\\documentclass[b5paper]{x}\r\n", *papers.list,
                                     value));
    EXPECT_EQ(value, u"B5P");
    // The first deciding line wins, even with an empty value.
    EXPECT_TRUE(paper_size::FromText(u"\\documentclass{article}\r\n\\documentclass[a4paper]{x}", *papers.list, value));
    EXPECT_EQ(value, u"");
    EXPECT_FALSE(paper_size::FromText(u"", *papers.list, value));
    EXPECT_FALSE(paper_size::FromText(u"\r\n\r\n  \\documentclass[a4paper]{x}", *papers.list, value));
}

TEST_F(PaperSize, EditorIsSearchedInItsFirst300Lines) {
    u16 text;
    for (int i = 0; i < 299; ++i) text += u"%\r\n";
    MemoryEditor editor(text + u"\\documentclass[a4paper]{x}\r\n\\documentclass[b5paper]{x}");
    u16 value;
    ASSERT_TRUE(paper_size::FromEditor(editor, *papers.list, value));
    EXPECT_EQ(value, u"A4P") << "line 299 is the last one read";
    MemoryEditor late(text + u"%\r\n\\documentclass[a4paper]{x}");
    EXPECT_FALSE(paper_size::FromEditor(late, *papers.list, value));
    MemoryEditor empty;
    EXPECT_FALSE(paper_size::FromEditor(empty, *papers.list, value));
}

TEST_F(PaperSize, RootFileIsReadAsAnsiOrUtf16WithinTheLimit) {
    TempDir dir;
    std::string ansi = "% root\r\n\\documentclass[b5paper,landscape]{article}\r\n";
    dir.write(u"ansi.tex", ansi);
    dir.write(u"wide.tex", dict_test::utf16le("\\documentclass[a4paper]{article}\n"));
    u16 value;
    EXPECT_TRUE(paper_size::FromFile(dir.file(u"ansi.tex"), 0, *papers.list, value));
    EXPECT_EQ(value, u"B5L");
    EXPECT_TRUE(paper_size::FromFile(dir.file(u"wide.tex"), 0, *papers.list, value));
    EXPECT_EQ(value, u"A4P");
    EXPECT_TRUE(paper_size::FromFile(dir.file(u"ansi.tex"), ansi.size(), *papers.list, value));
    EXPECT_FALSE(paper_size::FromFile(dir.file(u"ansi.tex"), ansi.size() - 1, *papers.list, value));
    EXPECT_TRUE(value.empty());
    EXPECT_FALSE(paper_size::FromFile(dir.file(u"missing.tex"), 0, *papers.list, value));
    EXPECT_FALSE(paper_size::FromFile(dir.path(), 0, *papers.list, value)) << "a folder";
    // Binary junk: no line decides, nothing breaks.
    std::string junk;
    for (int i = 0; i < 4096; ++i) junk.push_back(static_cast<char>((i * 131) & 0xFF));
    dir.write(u"junk.tex", junk);
    EXPECT_FALSE(paper_size::FromFile(dir.file(u"junk.tex"), 0, *papers.list, value));
}

TEST_F(PaperSize, HugeRootFileWithoutLimitIsReadWhole) {
    TempDir dir;
    std::string big(8u << 20, 'x');
    big += "\n\\documentclass[a4paper]{article}\n";
    dir.write(u"big.tex", big);
    u16 value;
    EXPECT_TRUE(paper_size::FromFile(dir.file(u"big.tex"), 0, *papers.list, value));
    EXPECT_EQ(value, u"A4P");
    EXPECT_FALSE(paper_size::FromFile(dir.file(u"big.tex"), 1024 * paper_size::LimitUnit, *papers.list, value));
}

TEST_F(PaperSize, RunTakesTheSourceFirstThenTheMenuChoice) {
    TempDir dir;
    CSetting settings(dir.path());
    MemoryEditor editor(u"\\documentclass[12pt]{article}\r\n\\begin{document}");
    // Nothing in the source: the menu's paper.
    settings.writeInt(keys::Section, keys::PaperSize, 9);
    EXPECT_EQ(paper_size::DeterminePaperSize(editor, u"", settings, *papers.list), u"A4L");
    settings.writeInt(keys::Section, keys::PaperSize, 0);
    EXPECT_EQ(paper_size::DeterminePaperSize(editor, u"", settings, *papers.list), u"");
    settings.writeInt(keys::Section, keys::PaperSize, 57);
    EXPECT_EQ(paper_size::DeterminePaperSize(editor, u"", settings, *papers.list), u"") << "unknown number";
    settings.writeString(keys::Section, u"0", u"Mine\tF210:297");
    settings.writeInt(keys::Section, keys::PaperSize, 100);
    EXPECT_EQ(paper_size::DeterminePaperSize(editor, u"", settings, *papers.list), u"F210:297");

    editor.setText(u"\\documentclass[a4paper]{article}");
    EXPECT_EQ(paper_size::DeterminePaperSize(editor, u"", settings, *papers.list), u"A4P");
    settings.writeInt(keys::Section, keys::PaperSizeFromSource, 0);
    EXPECT_EQ(paper_size::DeterminePaperSize(editor, u"", settings, *papers.list), u"F210:297");
}

TEST_F(PaperSize, RunReadsASeparateRootFromDiskNotTheEditor) {
    TempDir dir;
    CSetting settings(dir.path());
    settings.writeInt(keys::Section, keys::PaperSize, 6);
    MemoryEditor child(u"%Root main.tex\r\n\\documentclass[a4paper]{article}");
    std::string root = "\\documentclass[letterpaper,landscape]{article}\r\n";
    dir.write(u"main.tex", root);
    EXPECT_EQ(paper_size::DeterminePaperSize(child, dir.file(u"main.tex"), settings, *papers.list), u"LetterL");
    // Over the limit (in 512-byte units) or missing: the menu's paper.
    dir.write(u"main.tex", root + std::string(600, '%'));
    settings.writeInt(ini_keys::basic::Section, ini_keys::basic::Limit, 1);
    EXPECT_EQ(paper_size::DeterminePaperSize(child, dir.file(u"main.tex"), settings, *papers.list), u"B5P");
    settings.writeInt(ini_keys::basic::Section, ini_keys::basic::Limit, 2);
    EXPECT_EQ(paper_size::DeterminePaperSize(child, dir.file(u"main.tex"), settings, *papers.list), u"LetterL");
    EXPECT_EQ(paper_size::DeterminePaperSize(child, dir.file(u"gone.tex"), settings, *papers.list), u"B5P");
}

TEST_F(PaperSize, NoListMeansOnlyTheMenuDecides) {
    CPaperSizeData none(nullptr);
    u16 value;
    EXPECT_FALSE(paper_size::ParseDocumentClass(u"\\documentclass[a4paper,landscape]{jsbook}", none, value));
    EXPECT_TRUE(paper_size::ParseDocumentClass(u"\\documentclass{jsbook}", none, value));
    EXPECT_EQ(value, u"");
}

} // namespace
