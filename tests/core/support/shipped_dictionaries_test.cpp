// The dictionary sources shipped with the plug-in: readable by the parser,
// complete enough, sorted in dictionary order and valid for their editors.
#include "base/platform.h"
#include "base/str.h"
#include "support/dictionary_order.h"
#include "support/dictionary_source.h"
#include "support/easy_support_dictionary.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// The source tree's data folder, found from the working folder (build
// folders live inside the tree) or from this file's own path.
u16 dataFolder() {
    u16 up;
    for (int level = 0; level < 6; ++level) {
        u16 candidate = up + u"data\\Vexa2Lang";
        if (platform::fileExists(candidate + u"\\Vexa2Command.txt")) return candidate;
        up += u"..\\";
    }
    u16 here = str::fromUtf8(__FILE__);
    size_t cut = here.rfind(u"tests");
    if (cut != u16::npos) return here.substr(0, cut) + u"data\\Vexa2Lang";
    return {};
}

std::string readShipped(u16view name) {
    std::string bytes;
    EXPECT_TRUE(platform::readFile(dataFolder() + u"\\" + u16(name), bytes)) << str::toUtf8(name);
    // UTF-16LE without a byte-order mark.
    EXPECT_FALSE(bytes.size() >= 2 && bytes[0] == '\xFF' && bytes[1] == '\xFE');
    EXPECT_EQ(bytes.size() % 2, 0u);
    EXPECT_LE(bytes.size(), dict_source::MaxSourceBytes);
    return bytes;
}

// Strictly ascending: sorted, and no key twice (saving would drop it).
template <typename List, typename KeyOf> void expectStrictlySorted(const List& list, KeyOf&& keyOf) {
    for (size_t i = 1; i < list.size(); ++i)
        EXPECT_LT(dict_order::compare(keyOf(list[i - 1]), keyOf(list[i])), 0)
            << str::toUtf8(keyOf(list[i - 1])) << " / " << str::toUtf8(keyOf(list[i]));
}

size_t lineCount(const std::string& bytes) {
    size_t n = 0;
    for (size_t i = 0; i + 1 < bytes.size(); i += 2)
        if (bytes[i] == '\n' && bytes[i + 1] == 0) ++n;
    return n;
}

} // namespace

TEST(ShippedDictionaries, CommandsAreCompleteSortedAndDescribed) {
    std::string bytes = readShipped(u"Vexa2Command.txt");
    std::vector<CommandEntry> commands;
    std::vector<SuffixEntry> suffixes;
    dict_source::parseCommands(bytes, commands, suffixes);
    EXPECT_GE(commands.size(), 1500u);
    EXPECT_EQ(commands.size(), lineCount(bytes));   // every line is kept
    expectStrictlySorted(commands, [](const CommandEntry& e) { return record::field(e.text); });
    for (const CommandEntry& e : commands) {
        EXPECT_EQ(e.name[0], u'\\') << str::toUtf8(record::field(e.name));
        EXPECT_NE(e.description[0], 0) << str::toUtf8(record::field(e.name));
    }
    // A few that every LaTeX user reaches for.
    for (const char* text : {"\\section{}", "\\frac{}{}", "\\includegraphics[]{}", "\\href{}{}", "\\textcolor{}{}",
                             "\\mathbb{}", "\\alpha", "\\begin{}", "\\cite{}", "\\usepackage[]{}"}) {
        bool found = false;
        for (const CommandEntry& e : commands) found = found || record::field(e.text) == str::fromUtf8(text);
        EXPECT_TRUE(found) << text;
    }
}

TEST(ShippedDictionaries, EnvironmentsAreSortedAndKept) {
    std::string bytes = readShipped(u"Vexa2Environment.txt");
    auto list = dict_source::parseEnvironments(bytes);
    EXPECT_GE(list.size(), 150u);
    EXPECT_EQ(list.size(), lineCount(bytes));
    expectStrictlySorted(list, [](const EnvironmentEntry& e) { return record::field(e.name); });
    for (const EnvironmentEntry& e : list) {
        u16view name = record::field(e.name);
        ASSERT_GT(name.size(), 8u);
        EXPECT_EQ(name.substr(0, 7), u"\\begin{");
        // The arguments close what the name opens.
        u16 closing = u"\\end" + u16(name.substr(6));
        EXPECT_NE(record::field(e.arguments).find(closing), u16view::npos) << str::toUtf8(name);
    }
}

TEST(ShippedDictionaries, EasySupportKeysAreValid) {
    std::string bytes = readShipped(u"Vexa2EasySupport.txt");
    auto list = dict_source::parseEasySupport(bytes);
    EXPECT_GE(list.size(), 50u);
    EXPECT_EQ(list.size(), lineCount(bytes));
    expectStrictlySorted(list, [](const EasySupportEntry& e) { return record::field(e.key); });
    for (const EasySupportEntry& e : list) EXPECT_TRUE(CEditorSupportDic::isValid(e)) << str::toUtf8(record::field(e.key));
}

TEST(ShippedDictionaries, PaperSizesNameThePreviewersPapers) {
    std::string bytes = readShipped(u"Vexa2PaperSize.txt");
    auto list = dict_source::parsePaperSizes(bytes);
    EXPECT_EQ(list.size(), lineCount(bytes));
    expectStrictlySorted(list, [](const PaperSizeEntry& e) { return record::field(e.key); });
    for (const PaperSizeEntry& e : list) {
        u16view v = record::field(e.value);
        EXPECT_TRUE(v == u"A3" || v == u"A4" || v == u"A5" || v == u"B3" || v == u"B4" || v == u"B5" ||
                    v == u"Letter")
            << str::toUtf8(v);
    }
    for (const char* key : {"a4paper", "a4j", "b5j", "letterpaper", "jarticle", "jsarticle"}) {
        bool found = false;
        for (const PaperSizeEntry& e : list) found = found || record::field(e.key) == str::fromUtf8(key);
        EXPECT_TRUE(found) << key;
    }
}
