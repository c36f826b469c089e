#include "support/dictionary_import.h"

#include "dictionary_test_util.h"
#include "support/easy_support_dictionary.h"
#include "support/environment_dictionary.h"
#include "support/paper_size_data.h"
#include "support/tex_dictionary.h"

#include <gtest/gtest.h>

#include <memory>

using dict_test::Folder;
using dict_test::utf16le;
using dict_test::utf8;

namespace {

const char kCommands[] = "\\alpha\t\tGreek a\n\\frac\t{}{}\tFraction\n\\section\t{}\tHeading\n";
const char kEnvironments[] = "\\begin{figure}\t[]\tFigure\n\\begin{table}\t[]\tTable\n";
const char kEasy[] = ":al\t\\alpha\n:be\t\\beta\n";
const char kPaper[] = "a4paper\tA4\nb5paper\tB5\n";

struct Sources {
    Folder f;
    std::unique_ptr<DictionaryStore> store;
    Sources() {
        f.writeAllSources(kCommands, kEnvironments, kEasy, kPaper);
        store = std::make_unique<DictionaryStore>(f.paths());
    }
    std::string source(u16view name) const { return f.dir.read(name); }
};

std::vector<bool> all(size_t n, bool v = true) { return std::vector<bool>(n, v); }

std::string commandsOf(const CTeXDictionary& d) {
    std::string out;
    CommandEntry e;
    for (int i = 0; d.get(i, e); ++i)
        out += utf8(record::field(e.text)) + "|" + utf8(record::field(e.description)) + "|" +
               std::to_string(e.loadIndex) + ";";
    return out;
}

} // namespace

TEST(DictionaryImportRead, RefusesWhatIsNotAReadableSourceOfAllowedSize) {
    TempDir dir;
    ASSERT_TRUE(dir.write(u"small.txt", utf16le("\\a\n")));
    ASSERT_TRUE(dir.write(u"limit.txt", std::string(0xFFFFFF, 'a')));
    ASSERT_TRUE(dir.write(u"huge.txt", std::string(0xFFFFFF + 1, 'a')));
    ASSERT_TRUE(dir.makeFolder(u"folder"));
    struct Case {
        const char16_t* name;
        dict_import::ReadResult result;
        size_t size;
    } cases[] = {
        {u"small.txt", dict_import::ReadResult::Read, 6},
        {u"limit.txt", dict_import::ReadResult::Read, 0xFFFFFF},
        {u"huge.txt", dict_import::ReadResult::TooLarge, 0},
        {u"folder", dict_import::ReadResult::Unreadable, 0},
        {u"missing.txt", dict_import::ReadResult::Unreadable, 0},
    };
    for (const Case& c : cases) {
        std::string bytes = "left over";
        EXPECT_EQ(dict_import::readFile(dir.file(c.name), bytes), c.result) << utf8(c.name);
        EXPECT_EQ(bytes.size(), c.size) << utf8(c.name);
    }
}

TEST(DictionaryImportRows, ParseInFileOrderAsNewEntries) {
    auto commands = dict_import::commandRows(utf16le("\\zeta\t\tlast\r\n\r\n\\alpha\t{}\n\tno name\n"));
    ASSERT_EQ(commands.size(), 2u);
    EXPECT_EQ(utf8(record::field(commands[0].text)), "\\zeta");
    EXPECT_EQ(utf8(record::field(commands[1].text)), "\\alpha{}");
    EXPECT_EQ(commands[0].loadIndex, -1);   // no use count of the dictionary's belongs to them
    EXPECT_EQ(commands[1].loadIndex, -1);
    EXPECT_EQ(dict_import::cells(commands[0]), (std::vector<u16>{u"\\zeta", u"", u"last"}));

    auto paper = dict_import::paperSizeRows(utf16le("\t\nnotab\nb5\tB5\n"));
    ASSERT_EQ(paper.size(), 2u);   // a line with a tab is kept even when both fields are empty
    EXPECT_EQ(dict_import::cells(paper[1]), (std::vector<u16>{u"b5", u"B5"}));
    EXPECT_EQ(dict_import::easySupportRows(utf16le(":a\tA\n:b\n")).size(), 1u);
    EXPECT_EQ(dict_import::environmentRows(utf16le("\\x\t\t\n\\y\t[]\tY\n")).size(), 1u);
}

// Each row: does the dictionary already hold exactly this entry?
TEST(DictionaryImportChecks, RowStartsUncheckedOnlyWhenItWouldChangeNothing) {
    Sources s;
    CTeXDictionary commands(s.store.get(), nullptr);
    auto cRows = dict_import::commandRows(utf16le(
        "\\frac\t{}{}\tFraction\n"      // equal
        "\\frac{}\t{}\tFraction\n"      // the same text split otherwise: still equal
        "\\frac\t{}{}\tother\n"         // other description
        "\\frac\t{}\tFraction\n"        // other text
        "\\Alpha\t\tGreek a\n"));       // case matters
    EXPECT_EQ(dict_import::initialChecks(commands, cRows), (std::vector<bool>{false, false, true, true, true}));

    CTeXEDictionary environments(s.store.get());
    auto eRows = dict_import::environmentRows(utf16le(
        "\\begin{table}\t[]\tTable\n\\begin{table}\t[h]\tTable\n\\begin{table}\t[]\tTab\n\\begin{tabular}\t[]\tTable\n"));
    EXPECT_EQ(dict_import::initialChecks(environments, eRows), (std::vector<bool>{false, true, true, true}));

    CEditorSupportDic easy(s.store.get());
    auto sRows = dict_import::easySupportRows(utf16le(":be\t\\beta\n:be\t\\Beta\n:ga\t\\beta\n"));
    EXPECT_EQ(dict_import::initialChecks(easy, sRows), (std::vector<bool>{false, true, true}));

    CPaperSizeData paper(s.store.get());
    auto pRows = dict_import::paperSizeRows(utf16le("a4paper\tA4\na4paper\tA4L\nA4paper\tA4\n"));
    EXPECT_EQ(dict_import::initialChecks(paper, pRows), (std::vector<bool>{false, true, true}));
}

TEST(DictionaryImportMerge, FileEqualToTheDictionaryChangesNothing) {
    Sources s;
    const std::string before[] = {s.source(u"cmd.txt"), s.source(u"env.txt"), s.source(u"easy.txt")};
    {
        CTeXDictionary commands(s.store.get(), nullptr);
        CTeXEDictionary environments(s.store.get());
        CEditorSupportDic easy(s.store.get());
        auto c = dict_import::commandRows(utf16le(kCommands));
        auto e = dict_import::environmentRows(utf16le(kEnvironments));
        auto k = dict_import::easySupportRows(utf16le(kEasy));
        auto cc = dict_import::initialChecks(commands, c);
        auto ec = dict_import::initialChecks(environments, e);
        auto kc = dict_import::initialChecks(easy, k);
        EXPECT_EQ(cc, all(3, false));
        EXPECT_EQ(ec, all(2, false));
        EXPECT_EQ(kc, all(2, false));
        EXPECT_EQ(dict_import::merge(commands, c, cc), 0);
        EXPECT_EQ(dict_import::merge(environments, e, ec), 0);
        EXPECT_EQ(dict_import::merge(easy, k, kc), 0);
        EXPECT_FALSE(commands.modified());
        EXPECT_FALSE(environments.modified());
        EXPECT_FALSE(easy.modified());
    }
    EXPECT_EQ(s.source(u"cmd.txt"), before[0]);
    EXPECT_EQ(s.source(u"env.txt"), before[1]);
    EXPECT_EQ(s.source(u"easy.txt"), before[2]);
    EXPECT_FALSE(s.f.dir.exists(u"cmd.txt.old"));
}

TEST(DictionaryImportMerge, EqualKeyReplacesOtherwiseAppendsInOrder) {
    Sources s;
    {
        CTeXDictionary commands(s.store.get(), nullptr);
        auto rows = dict_import::commandRows(utf16le(
            "\\frac\t{}{}\tNew fraction\n"   // replaces, keeping its use count's place
            "\\beta\t\tGreek b\n"            // appended, sorted in
            "\\gamma\t\tunchecked\n"
            "nobackslash\t\tRefused\n"));
        EXPECT_EQ(dict_import::initialChecks(commands, rows), all(4));
        EXPECT_EQ(dict_import::merge(commands, rows, {true, true, false, true}), 2);
        EXPECT_EQ(commandsOf(commands),
                  "\\alpha|Greek a|0;\\beta|Greek b|-1;\\frac{}{}|New fraction|1;\\section{}|Heading|2;");
    }
    EXPECT_EQ(s.source(u"cmd.txt"),
              utf16le("\\alpha\t\tGreek a\r\n\\beta\t\tGreek b\r\n\\frac\t{}{}\tNew fraction\r\n"
                      "\\section\t{}\tHeading\r\n"));
    EXPECT_EQ(s.source(u"cmd.txt.old"), utf16le(kCommands));

    {
        CTeXEDictionary environments(s.store.get());
        CEditorSupportDic easy(s.store.get());
        auto e = dict_import::environmentRows(utf16le("\\begin{table}\t[h]\tTable here\n\\begin{array}\t{}\tArray\n"
                                                      "table\t\tRefused\n"));
        auto k = dict_import::easySupportRows(utf16le(":be\t\\Beta\n:ga\t\\gamma\n:\tRefused\nal\tRefused\n"));
        EXPECT_EQ(dict_import::merge(environments, e, all(e.size())), 2);
        EXPECT_EQ(dict_import::merge(easy, k, all(k.size())), 2);
    }
    EXPECT_EQ(s.source(u"env.txt"),
              utf16le("\\begin{array}\t{}\tArray\r\n\\begin{figure}\t[]\tFigure\r\n\\begin{table}\t[h]\tTable here\r\n"));
    EXPECT_EQ(s.source(u"easy.txt"), utf16le(":al\t\\alpha\r\n:be\t\\Beta\r\n:ga\t\\gamma\r\n"));
}

TEST(DictionaryImportMerge, RepeatedKeyInTheFileLastOneWins) {
    Sources s;
    CEditorSupportDic easy(s.store.get());
    auto k = dict_import::easySupportRows(utf16le(":de\t\\delta\n:de\t\\Delta\n"));
    EXPECT_EQ(dict_import::merge(easy, k, all(2)), 2);
    ASSERT_EQ(easy.count(), 3);
    EasySupportEntry e;
    ASSERT_TRUE(easy.get(easy.find(u":de"), e));
    EXPECT_EQ(utf8(record::field(e.text)), "\\Delta");
}

// A hand-edited source may be out of order until the first store sorts it;
// its entries are still found by their keys, before and after.
TEST(DictionaryImportMerge, UnsortedSourceEntriesAreReplacedNotDoubled) {
    Folder f;
    f.writeAllSources("\\zeta\t\tz\n\\alpha\t\ta\n\\delta\t\td\n");
    DictionaryStore store(f.paths());
    CTeXDictionary commands(&store, nullptr);
    auto rows = dict_import::commandRows(utf16le("\\zeta\t\tnew z\n\\alpha\t\tnew a\n\\beta\t\tb\n"));
    EXPECT_EQ(dict_import::merge(commands, rows, all(3)), 3);
    EXPECT_EQ(commandsOf(commands), "\\alpha|new a|1;\\beta|b|-1;\\delta|d|2;\\zeta|new z|0;");
}

TEST(DictionaryImportMerge, PaperSizesReplaceAppendAndStaySorted) {
    std::vector<PaperSizeEntry> list = {record::makePaperSize(u"a4paper", u"A4"),
                                        record::makePaperSize(u"b5paper", u"B5")};
    auto rows = dict_import::paperSizeRows(utf16le("b5paper\tB5J\nA5paper\tA5\n\tempty key\nletterpaper\tLT\n"));
    EXPECT_EQ(dict_import::mergePaperSizes(list, rows, {true, true, true, false}), 2);
    std::string out;
    for (const PaperSizeEntry& e : list) out += utf8(record::field(e.key)) + "=" + utf8(record::field(e.value)) + ";";
    EXPECT_EQ(out, "a4paper=A4;A5paper=A5;b5paper=B5J;");
    // Fewer check marks than rows: the rows without one are not stored.
    EXPECT_EQ(dict_import::mergePaperSizes(list, rows, {}), 0);
}
