#include "support/dictionary_source.h"

#include "dictionary_test_util.h"

#include <gtest/gtest.h>

using dict_test::utf16le;
using dict_test::utf8;

namespace {
std::vector<CommandEntry> commandsOf(std::string_view utf8Text) {
    std::vector<CommandEntry> commands;
    std::vector<SuffixEntry> suffixes;
    dict_source::parseCommands(utf16le(utf8Text), commands, suffixes);
    return commands;
}
} // namespace

TEST(SourceLines, EveryLineEndFormLoadsEveryLine) {
    for (std::string_view text : {"\\a\r\n\\b\r\n\\c", "\\a\n\\b\n\\c\n", "\\a\r\\b\r\\c\r", "\\a\r\n\\b\n\\c\r",
                                  "\n\n\\a\r\n\r\n\\b\r\r\\c"}) {
        auto c = commandsOf(text);
        ASSERT_EQ(c.size(), 3u) << text;
        EXPECT_EQ(utf8(record::field(c[0].name)), "\\a");
        EXPECT_EQ(utf8(record::field(c[2].name)), "\\c");
        EXPECT_EQ(c[2].loadIndex, 2);
    }
}

TEST(SourceLines, FieldsSplitAtTabsAndAreCut) {
    auto c = commandsOf("\\sec\t{}\tStarts a section\tignored\n\\only\n\\empty\t\tdesc\n");
    ASSERT_EQ(c.size(), 3u);
    EXPECT_EQ(utf8(record::field(c[0].arguments)), "{}");
    EXPECT_EQ(utf8(record::field(c[0].text)), "\\sec{}");
    EXPECT_EQ(utf8(record::field(c[0].description)), "Starts a section");
    EXPECT_EQ(utf8(record::field(c[1].arguments)), "");
    EXPECT_EQ(utf8(record::field(c[1].description)), "");
    EXPECT_EQ(utf8(record::field(c[2].arguments)), "");
    EXPECT_EQ(utf8(record::field(c[2].description)), "desc");

    std::string longName = "\\" + std::string(100, 'x');
    std::string longArgs(100, 'y');
    c = commandsOf(longName + "\t" + longArgs + "\t" + std::string(100, 'z'));
    ASSERT_EQ(c.size(), 1u);
    EXPECT_EQ(record::field(c[0].name).size(), 63u);
    EXPECT_EQ(record::field(c[0].arguments).size(), 63u);
    EXPECT_EQ(record::field(c[0].description).size(), 63u);
    EXPECT_EQ(record::field(c[0].text).size(), 126u);
    EXPECT_EQ(c[0].name[63], 0);
}

TEST(SourceLines, OddBytesNulsAndNonAsciiAreHandled) {
    // A trailing odd byte is not a unit; a NUL ends its field.
    std::string bytes = utf16le("\\a\t\u00e9\u4e00\n\\b") + "X";
    std::vector<CommandEntry> c;
    std::vector<SuffixEntry> s;
    dict_source::parseCommands(bytes, c, s);
    ASSERT_EQ(c.size(), 2u);
    EXPECT_EQ(utf8(record::field(c[0].arguments)), "\u00e9\u4e00");

    bytes = utf16le("\\a\n") + std::string("\0\0", 2) + utf16le("x\t{}\n\\c\n");
    dict_source::parseCommands(bytes, c, s);
    ASSERT_EQ(c.size(), 2u);   // the line whose name begins with NUL has an empty name
    EXPECT_EQ(utf8(record::field(c[1].name)), "\\c");
}

TEST(SourceKeepRules, EachSourceKeepsItsOwnLines) {
    EXPECT_EQ(commandsOf("\tno name\tx\n\\kept\n").size(), 1u);

    auto env = dict_source::parseEnvironments(utf16le("\\begin{a}\t[]\td\n\\begin{b}\n\\begin{c}\t\td\n\t{}\n"));
    ASSERT_EQ(env.size(), 1u);
    EXPECT_EQ(utf8(record::field(env[0].description)), "d");

    auto easy = dict_source::parseEasySupport(utf16le(":al\t\\alpha\n:be\n:ga\t\n\t\\x\n"));
    ASSERT_EQ(easy.size(), 1u);
    EXPECT_EQ(utf8(record::field(easy[0].text)), "\\alpha");

    auto paper = dict_source::parsePaperSizes(utf16le("a4paper\tA4\nnotab\n\t\nb5j\t\n"));
    ASSERT_EQ(paper.size(), 3u);
    EXPECT_EQ(utf8(record::field(paper[1].key)), "");
    EXPECT_EQ(utf8(record::field(paper[2].key)), "b5j");
    EXPECT_EQ(utf8(record::field(paper[2].value)), "");
}

TEST(SourceSuffixes, OnePerCommandWithLettersSortedByLettersThenPosition) {
    std::vector<CommandEntry> c;
    std::vector<SuffixEntry> s;
    dict_source::parseCommands(utf16le("\\,\n\\subsection\n\\section\n\\Section\n\\section\n"), c, s);
    ASSERT_EQ(c.size(), 5u);
    ASSERT_EQ(s.size(), 4u);   // "\," has no letters
    EXPECT_EQ(utf8(record::field(s[0].letters)), "noitces");
    EXPECT_EQ(s[0].commandIndex, 2);
    EXPECT_EQ(s[1].commandIndex, 4);   // equal letters: by position
    // 's' sorts before 'S' at the first difference, whatever follows.
    EXPECT_EQ(utf8(record::field(s[2].letters)), "noitcesbus");
    EXPECT_EQ(utf8(record::field(s[3].letters)), "noitceS");
}

TEST(SourceFormat, WritesFieldsWithTabsAndCrLfAndDropsRepeatedKeys) {
    std::vector<CommandEntry> c = {dict_test::command("\\a", "{}", "first"), dict_test::command("\\a", "{}", "dup"),
                                   dict_test::command("\\a", "[]", "other args"), dict_test::command("\\b")};
    EXPECT_EQ(dict_source::formatCommands(c), utf16le("\\a\t{}\tfirst\r\n\\a\t[]\tother args\r\n\\b\t\t\r\n"));

    std::vector<EnvironmentEntry> e = {record::makeEnvironment(u"\\begin{x}", u"..\\end{x}", u"X"),
                                       record::makeEnvironment(u"\\begin{x}", u"[]", u"again")};
    EXPECT_EQ(dict_source::formatEnvironments(e), utf16le("\\begin{x}\t..\\end{x}\tX\r\n"));

    std::vector<EasySupportEntry> s = {record::makeEasySupport(u":a", u"\\alpha")};
    EXPECT_EQ(dict_source::formatEasySupport(s), utf16le(":a\t\\alpha\r\n"));

    std::vector<PaperSizeEntry> p = {record::makePaperSize(u"", u""), record::makePaperSize(u"a4j", u"A4")};
    EXPECT_EQ(dict_source::formatPaperSizes(p), utf16le("\t\r\na4j\tA4\r\n"));
}

TEST(SourceFormat, FieldSeparatorsInsideAFieldCannotSplitTheLine) {
    std::vector<CommandEntry> c = {dict_test::command("\\a", "x\ty", "line\r\nbreak")};
    std::string bytes = dict_source::formatCommands(c);
    auto back = commandsOf(std::string_view());   // empty source gives nothing
    EXPECT_TRUE(back.empty());
    std::vector<CommandEntry> parsed;
    std::vector<SuffixEntry> s;
    dict_source::parseCommands(bytes, parsed, s);
    ASSERT_EQ(parsed.size(), 1u);
    EXPECT_EQ(utf8(record::field(parsed[0].arguments)), "x y");
    EXPECT_EQ(utf8(record::field(parsed[0].description)), "line  break");
}

TEST(SourceFormat, RoundTripKeepsEveryField) {
    std::string src = "\\alpha\t\tGreek\r\n\\frac\t{}{}\tFraction\r\n\\section\t{}\tSection\r\n";
    std::vector<CommandEntry> c;
    std::vector<SuffixEntry> s;
    dict_source::parseCommands(utf16le(src), c, s);
    EXPECT_EQ(dict_source::formatCommands(c), utf16le(src));
}
