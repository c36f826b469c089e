#include "support/tex_dictionary.h"

#include "dictionary_test_util.h"
#include "settings/setting.h"
#include "settings/setting_keys.h"
#include "support/history_file.h"
#include "support/history_positions.h"

#include <gtest/gtest.h>

using dict_test::Folder;
using dict_test::utf16le;
using dict_test::utf8;

namespace {
// In dictionary order, as a shipped source is.
const char* kSorted =
    "\\alpha\t\tGreek alpha\n"
    "\\Alpha\t\tCapital\n"
    "\\begin\t{}\tBegin\n"
    "\\beta\t\tGreek beta\n"
    "\\section\t{}\tSection\n"
    "\\section*\t{}\tUnnumbered\n"
    "\\subsection\t{}\tSubsection\n"
    "\\textbf\t{}\tBold\n";

struct Dict {
    Folder f;
    std::unique_ptr<DictionaryStore> store;
    explicit Dict(const char* commands = kSorted) {
        f.writeAllSources(commands);
        store = std::make_unique<DictionaryStore>(f.paths());
    }
};

std::string textAt(const CTeXDictionary& d, int i) {
    CommandEntry e;
    return d.get(i, e) ? utf8(record::field(e.text)) : "<none>";
}
} // namespace

TEST(TeXDictionaryFind, GivesTheFirstCommandNotBeforeTheKey) {
    Dict t;
    CTeXDictionary d(t.store.get(), nullptr);
    ASSERT_EQ(d.count(), 8);
    EXPECT_EQ(d.find(u"\\section{}"), 4);
    EXPECT_EQ(d.find(u"\\sec"), 4);
    EXPECT_EQ(d.find(u"\\section*"), 5);
    EXPECT_EQ(d.find(u"\\su"), 6);
    EXPECT_EQ(d.find(u"\\A"), 1);
    EXPECT_EQ(d.find(u"\\b"), 2);
    EXPECT_EQ(d.find(u"\\bz"), 4);
    // Before every command: 0; after every command: the last one.
    EXPECT_EQ(d.find(u"\\"), 0);
    EXPECT_EQ(d.find(u"!"), 0);
    EXPECT_EQ(d.find(u"\\zzz"), 7);
    EXPECT_EQ(d.find(u"\u4e00"), 7);
    EXPECT_EQ(d.find(u""), -1);
}

TEST(TeXDictionaryFind, EveryKeyOfAnyDictionaryFindsTheFirstNotBefore) {
    // Keys before, between, equal to and after every command of dictionaries
    // of every size up to 9, against a linear search.
    const std::vector<std::string> all = {"\\a", "\\b", "\\bb", "\\c{}", "\\c*", "\\d", "\\e", "\\f", "\\g"};
    const std::vector<std::string> keys = {"\\", "\\a", "\\aa", "\\b", "\\ba", "\\bb", "\\c", "\\c{}", "\\c{",
                                           "\\c*", "\\ca", "\\d", "\\e", "\\f", "\\g", "\\h", "\\zz"};
    for (size_t n = 1; n <= all.size(); ++n) {
        std::string src;
        for (size_t i = 0; i < n; ++i) src += all[i] + "\n";
        Dict t(src.c_str());
        CTeXDictionary d(t.store.get(), nullptr);
        ASSERT_EQ(d.count(), static_cast<int>(n));
        for (const std::string& k : keys) {
            u16 key = str::fromUtf8(k);
            int want = static_cast<int>(n) - 1;
            for (int i = 0; i < static_cast<int>(n); ++i)
                if (!dict_order::before(str::fromUtf8(all[i]), key)) { want = i; break; }
            EXPECT_EQ(d.find(key), want) << "n=" << n << " key=" << k;
        }
    }
}

TEST(TeXDictionaryFind, EmptyDictionaryAndNoStore) {
    Dict t("");
    CTeXDictionary d(t.store.get(), nullptr);
    EXPECT_EQ(d.count(), 0);
    EXPECT_EQ(d.find(u"\\a"), -1);
    EXPECT_EQ(d.findSuffix(u"\\a"), -1);
    CTeXDictionary none(nullptr, nullptr);
    EXPECT_EQ(none.count(), 0);
    int b = -1;
    EXPECT_EQ(none.nextBucket(b), -1);
}

TEST(TeXDictionarySuffix, FindsCommandsByTheirEnding) {
    Dict t;
    CTeXDictionary d(t.store.get(), nullptr);
    // "\tion" -> letters "noit": the first entry after it is "\section"'s.
    int p = d.findSuffix(u"\\tion");
    ASSERT_GE(p, 0);
    EXPECT_EQ(textAt(d, d.suffixCommand(p)), "\\section{}");
    EXPECT_EQ(textAt(d, d.suffixCommand(p + 1)), "\\section*{}");
    EXPECT_EQ(textAt(d, d.suffixCommand(p + 2)), "\\subsection{}");
    // An entry equal to the key's letters is passed over.
    p = d.findSuffix(u"\\section");
    ASSERT_GE(p, 0);
    EXPECT_EQ(textAt(d, d.suffixCommand(p)), "\\subsection{}");
    EXPECT_EQ(d.findSuffix(u"\\,"), -1);           // no letters
    EXPECT_EQ(d.findSuffix(u"\\q"), -1);           // bucket without entries
    EXPECT_EQ(d.findSuffix(u"\\subsection"), -1);  // nothing after it
    EXPECT_EQ(d.suffixCommand(-1), -1);
    EXPECT_EQ(d.suffixCommand(d.suffixCount()), -1);
}

TEST(TeXDictionaryBuckets, StartAtTheFirstCommandOfEachLetter) {
    Dict t;
    CTeXDictionary d(t.store.get(), nullptr);
    EXPECT_EQ(d.bucketStart(dict_order::bucketOf(u'a')), 0);
    EXPECT_EQ(d.bucketStart(dict_order::bucketOf(u'A')), 1);
    EXPECT_EQ(d.bucketStart(dict_order::bucketOf(u'b')), 2);
    EXPECT_EQ(d.bucketStart(dict_order::bucketOf(u's')), 4);
    EXPECT_EQ(d.bucketStart(dict_order::bucketOf(u't')), 7);
    EXPECT_EQ(d.bucketStart(dict_order::bucketOf(u'c')), -1);
    EXPECT_EQ(d.bucketStart(-1), -1);
    EXPECT_EQ(d.bucketStart(52), -1);

    std::vector<std::pair<int, int>> walk;
    int b = -1;
    for (int start = d.nextBucket(b); start >= 0; start = d.nextBucket(b)) walk.push_back({b, start});
    std::vector<std::pair<int, int>> want = {{0, 0}, {1, 1}, {2, 2}, {36, 4}, {38, 7}};
    EXPECT_EQ(walk, want);
    b = 40;
    EXPECT_EQ(d.nextBucket(b), -1);
    EXPECT_EQ(b, 40);
}

TEST(TeXDictionaryEdit, PutRefusesNamesWithoutBackslashAndKeepsOrder) {
    Dict t;
    CTeXDictionary d(t.store.get(), nullptr);
    EXPECT_FALSE(d.put(-1, dict_test::command("textit", "{}")));
    EXPECT_FALSE(d.put(8, dict_test::command("\\x")));
    EXPECT_FALSE(d.modified());
    EXPECT_TRUE(d.put(-1, dict_test::command("\\aleph")));
    EXPECT_EQ(textAt(d, 0), "\\aleph");
    EXPECT_TRUE(d.put(1, dict_test::command("\\zeta")));   // replaces \alpha, sorts to the end
    EXPECT_EQ(textAt(d, 1), "\\Alpha");
    EXPECT_EQ(textAt(d, d.count() - 1), "\\zeta");
    EXPECT_TRUE(d.remove(0));
    EXPECT_FALSE(d.remove(d.count()));
    EXPECT_FALSE(d.remove(-1));
    EXPECT_EQ(d.count(), 8);
    EXPECT_TRUE(d.modified());
}

TEST(TeXDictionaryList, ShowsNameAndArgumentsOfNamedCommands) {
    Dict t;
    CTeXDictionary d(t.store.get(), nullptr);
    auto items = d.listItems();
    ASSERT_EQ(items.size(), 8u);
    EXPECT_EQ(utf8(items[0].text), "\\alpha");
    EXPECT_EQ(utf8(items[2].text), "\\begin {}");
    EXPECT_EQ(items[7].position, 7);
}

TEST(TeXDictionarySave, SortsDropsDuplicatesAndKeepsTheOldCopy) {
    Dict t;
    const std::string before = t.f.dir.read(u"cmd.txt");
    {
        CTeXDictionary d(t.store.get(), nullptr);
        ASSERT_TRUE(d.put(-1, dict_test::command("\\beta", "", "again")));
        ASSERT_TRUE(d.put(-1, dict_test::command("\\aleph", "", "Hebrew")));
    }
    EXPECT_EQ(t.f.dir.read(u"cmd.txt.old"), before);
    DictionaryStore reread(t.f.paths());
    CTeXDictionary d(&reread, nullptr);
    ASSERT_EQ(d.count(), 9);
    EXPECT_EQ(textAt(d, 0), "\\aleph");
    EXPECT_EQ(textAt(d, 4), "\\beta");
    EXPECT_EQ(textAt(d, 5), "\\section{}");
    CommandEntry beta;
    d.get(4, beta);
    EXPECT_EQ(utf8(record::field(beta.description)), "Greek beta");   // the first of equal texts stays
}

TEST(TeXDictionarySave, UnchangedDictionaryWritesNothing) {
    Dict t;
    { CTeXDictionary d(t.store.get(), nullptr); }
    EXPECT_FALSE(t.f.dir.exists(u"cmd.txt.old"));
    EXPECT_FALSE(platform::fileExists(t.store->historyPath()));
}

TEST(TeXDictionarySave, HistoryFollowsCommandsAcrossInsertsAndRemovals) {
    Dict t;
    CSetting settings(t.f.dir.file(u"settings"));
    namespace keys = ini_keys::settings;
    // Counts 10, 11, ... 17 for the eight commands.
    std::vector<HistoryRecord> counts;
    for (int i = 0; i < 8; ++i) counts.push_back({i, 10 + i});
    ASSERT_TRUE(history_file::write(t.store->historyPath(), counts));
    settings.writeInt(keys::Section, keys::SupportHistory, 4);                 // \section{}
    settings.writeString(keys::Section, keys::SupportHistoryList, u"7\t0\t2");  // \textbf, \alpha, \begin
    settings.writeString(keys::Section, keys::SupportHistoryWords, u"0\t-1\t3");
    {
        CTeXDictionary d(t.store.get(), &settings);
        // Two commands inserted before old ones, one removed before others.
        ASSERT_TRUE(d.put(-1, dict_test::command("\\aleph")));   // before \alpha
        ASSERT_TRUE(d.put(-1, dict_test::command("\\AAA")));     // between \alpha and \Alpha
        ASSERT_TRUE(d.remove(d.find(u"\\begin{}")));
    }
    DictionaryStore reread(t.f.paths());
    CTeXDictionary d(&reread, nullptr);
    auto h = history_file::read(reread.historyPath(), d.count());
    ASSERT_EQ(h.size(), 9u);
    auto countOf = [&](const char* text) {
        int p = d.find(str::fromUtf8(text));
        EXPECT_EQ(textAt(d, p), text);
        EXPECT_EQ(h[p].commandIndex, p);
        return h[p].useCount;
    };
    EXPECT_EQ(countOf("\\alpha"), 10);
    EXPECT_EQ(countOf("\\Alpha"), 11);
    EXPECT_EQ(countOf("\\beta"), 13);
    EXPECT_EQ(countOf("\\section{}"), 14);
    EXPECT_EQ(countOf("\\textbf{}"), 17);
    EXPECT_EQ(countOf("\\aleph"), 0);
    EXPECT_EQ(countOf("\\AAA"), 0);

    EXPECT_EQ(settings.readInt(keys::Section, keys::SupportHistory, -5), d.find(u"\\section{}"));
    char16_t buf[200];
    settings.readString(keys::Section, keys::SupportHistoryList, u"", buf, 200);
    auto list = history_positions::parse(buf, 13);
    EXPECT_EQ(list[0], d.find(u"\\textbf{}"));
    EXPECT_EQ(list[1], d.find(u"\\alpha"));
    EXPECT_EQ(list[2], 2);   // \begin is gone: its old position stays
    EXPECT_EQ(list[3], -1);
    settings.readString(keys::Section, keys::SupportHistoryWords, u"", buf, 200);
    auto words = history_positions::parse(buf, 52);
    EXPECT_EQ(words[0], d.find(u"\\alpha"));
    EXPECT_EQ(words[0], 1);
    EXPECT_EQ(words[1], -1);
    EXPECT_EQ(words[2], d.find(u"\\beta"));
}

TEST(TeXDictionarySave, AFailedSaveLeavesHistoryAndSettingsAlone) {
    Dict t;
    CSetting settings(t.f.dir.file(u"settings"));
    namespace keys = ini_keys::settings;
    settings.writeInt(keys::Section, keys::SupportHistory, 4);
    {
        CTeXDictionary d(t.store.get(), &settings);
        ASSERT_TRUE(d.put(-1, dict_test::command("\\aaa")));
        // The source turns into a folder: it cannot be replaced.
        platform::deleteFile(t.store->sourcePath(dict_cache::Commands));
        ASSERT_TRUE(t.f.dir.makeFolder(u"cmd.txt"));
    }
    EXPECT_EQ(settings.readInt(keys::Section, keys::SupportHistory, -5), 4);
    EXPECT_FALSE(platform::fileExists(t.store->historyPath()));
}
