#include "support/dictionary_store.h"

#include "dictionary_test_util.h"
#include "support/dictionary_cache.h"
#include "support/dictionary_source.h"

#include <gtest/gtest.h>

#include <cstring>

using dict_test::Folder;
using dict_test::utf16le;
using dict_test::utf8;

namespace {
const char* kCommands = "\\alpha\t\tGreek alpha\n\\begin\t{}\tStarts\n\\section\t{}\tSection\n";

dict_cache::Header headerOf(const std::string& file) {
    dict_cache::Header h{};
    if (file.size() >= 60) std::memcpy(&h, file.data(), 60);
    return h;
}

// Writes a damaged cache over the good one, then checks that a new store
// sees it invalid, rebuilds it and loads the source's entries.
void expectRebuiltFrom(Folder& f, const std::string& damaged) {
    DictionaryPaths paths = f.paths();
    {
        DictionaryStore first(paths);
        ASSERT_TRUE(first.usable());
        ASSERT_TRUE(platform::writeFileAtomic(first.cachePath(), damaged));
        EXPECT_FALSE(first.cacheValid());
    }
    DictionaryStore store(paths);
    EXPECT_TRUE(store.usable());
    EXPECT_TRUE(store.cacheValid());
    std::vector<CommandEntry> c;
    std::vector<SuffixEntry> s;
    store.loadCommands(c, s);
    ASSERT_EQ(c.size(), 3u);
    EXPECT_EQ(utf8(record::field(c[2].text)), "\\section{}");
}
} // namespace

TEST(DictionaryStore, BuildsTheCacheAndLoadsTheSameEntriesFromIt) {
    Folder f;
    f.writeAllSources(kCommands, "\\begin{figure}\t[]\tFigure\n", ":al\t\\alpha\n:be\t\\beta\n",
                      "a4j\tA4\na4paper\tA4\nb5j\tB5\n");
    DictionaryStore store(f.paths());
    ASSERT_TRUE(store.usable());
    ASSERT_TRUE(store.cacheValid());
    std::string cache = f.cacheBytes(store);
    dict_cache::Header h = headerOf(cache);
    EXPECT_EQ(h.counts[0], 3u);
    EXPECT_EQ(h.counts[1], 3u);
    EXPECT_EQ(h.counts[2], 1u);
    EXPECT_EQ(h.counts[3], 2u);
    EXPECT_EQ(h.counts[4], 3u);
    platform::FileStamp stamp;
    ASSERT_TRUE(platform::fileStamp(store.sourcePath(dict_cache::Commands), stamp));
    EXPECT_EQ(h.times[0].value(), stamp.writeTime);

    std::vector<CommandEntry> fromCache;
    std::vector<SuffixEntry> suffixes;
    store.loadCommands(fromCache, suffixes);
    ASSERT_EQ(fromCache.size(), 3u);
    EXPECT_EQ(utf8(record::field(fromCache[1].text)), "\\begin{}");
    EXPECT_EQ(utf8(record::field(fromCache[0].description)), "Greek alpha");
    EXPECT_EQ(fromCache[2].loadIndex, 2);
    EXPECT_EQ(suffixes.size(), 3u);

    std::vector<EasySupportEntry> easy;
    store.loadEasySupport(easy);
    ASSERT_EQ(easy.size(), 2u);
    EXPECT_EQ(utf8(record::field(easy[1].text)), "\\beta");
    std::vector<PaperSizeEntry> paper;
    store.loadPaperSizes(paper);
    ASSERT_EQ(paper.size(), 3u);
    std::vector<EnvironmentEntry> env;
    store.loadEnvironments(env);
    ASSERT_EQ(env.size(), 1u);
}

TEST(DictionaryStore, LoadsFromTheCacheNotTheSource) {
    Folder f;
    f.writeAllSources(kCommands);
    DictionaryStore store(f.paths());
    ASSERT_TRUE(store.usable());
    // Change a record inside the cache: a load that shows the change came
    // from the cache.
    std::string cache = f.cacheBytes(store);
    cache[60 + 512] = 'Z';
    cache[60 + 513] = 0;
    cache[60 + 514] = 0;
    cache[60 + 515] = 0;
    ASSERT_TRUE(platform::writeFileAtomic(store.cachePath(), cache));
    std::vector<CommandEntry> c;
    std::vector<SuffixEntry> s;
    store.loadCommands(c, s);
    ASSERT_EQ(c.size(), 3u);
    EXPECT_EQ(utf8(record::field(c[0].description)), "Z");
}

TEST(DictionaryStore, DamagedCachesAreRebuilt) {
    Folder f;
    f.writeAllSources(kCommands);
    std::string good;
    {
        DictionaryStore store(f.paths());
        good = f.cacheBytes(store);
    }
    ASSERT_GT(good.size(), 60u);

    SCOPED_TRACE("truncated");
    expectRebuiltFrom(f, good.substr(0, good.size() - 100));
    expectRebuiltFrom(f, good.substr(0, 30));
    expectRebuiltFrom(f, std::string());

    std::string raised = good;
    uint32_t huge = 0x7FFFFFFF;
    std::memcpy(raised.data() + 8, &huge, 4);
    expectRebuiltFrom(f, raised);
    raised = good;
    uint32_t plusOne = headerOf(good).counts[0] + 1;
    std::memcpy(raised.data() + 8, &plusOne, 4);
    expectRebuiltFrom(f, raised);

    expectRebuiltFrom(f, std::string(good.size(), '\0'));
    std::string reserved = good;
    reserved[0] = 1;
    expectRebuiltFrom(f, reserved);
}

TEST(DictionaryStore, RecordsOfADamagedCacheNeverReachTheDictionary) {
    Folder f;
    f.writeAllSources(kCommands);
    DictionaryStore store(f.paths());
    ASSERT_TRUE(store.usable());
    std::string cache = f.cacheBytes(store);
    // Fill the first command with non-zero units (no terminators) and point
    // a suffix entry past the commands.
    std::memset(cache.data() + 60, 'x', 640);
    int32_t bad = 1000;
    std::memcpy(cache.data() + 60 + 3 * 644 + 128, &bad, 4);
    ASSERT_TRUE(platform::writeFileAtomic(store.cachePath(), cache));
    std::vector<CommandEntry> c;
    std::vector<SuffixEntry> s;
    store.loadCommands(c, s);
    // The suffix index is unusable, so the source is parsed instead.
    ASSERT_EQ(c.size(), 3u);
    EXPECT_EQ(utf8(record::field(c[0].name)), "\\alpha");
    for (const SuffixEntry& e : s) EXPECT_LT(e.commandIndex, 3);
}

TEST(DictionaryStore, ACacheOfAnotherSourceTimeIsInvalid) {
    Folder f;
    f.writeAllSources(kCommands);
    DictionaryStore store(f.paths());
    ASSERT_TRUE(store.cacheValid());
    dict_test::letFileTimeTick();
    f.writeSource(u"easy.txt", ":ga\t\\gamma\n");
    EXPECT_FALSE(store.cacheValid());
    // A load no longer trusts the cache for that source.
    std::vector<EasySupportEntry> easy;
    store.loadEasySupport(easy);
    ASSERT_EQ(easy.size(), 1u);
    EXPECT_EQ(utf8(record::field(easy[0].key)), ":ga");
    DictionaryStore again(f.paths());
    EXPECT_TRUE(again.cacheValid());
}

TEST(DictionaryStore, MissingOrOversizedSourcesLoadAsEmpty) {
    Folder f;
    f.writeSource(u"cmd.txt", kCommands);
    // Just over the limit, made of valid lines.
    std::string big;
    std::string line = utf16le("\\x\n");
    while (big.size() <= dict_source::MaxSourceBytes) big += line;
    f.dir.write(u"env.txt", big);
    DictionaryStore store(f.paths());
    // A missing source makes the cache stale at every start: it is rebuilt.
    EXPECT_TRUE(store.usable());
    EXPECT_FALSE(store.cacheValid());
    dict_cache::Header h = headerOf(f.cacheBytes(store));
    EXPECT_EQ(h.counts[0], 3u);
    EXPECT_EQ(h.counts[2], 0u);
    EXPECT_EQ(h.times[1].value(), 0u);
    EXPECT_EQ(h.times[2].value(), 0u);
    std::vector<EnvironmentEntry> env;
    store.loadEnvironments(env);
    EXPECT_TRUE(env.empty());
    std::vector<PaperSizeEntry> paper;
    store.loadPaperSizes(paper);
    EXPECT_TRUE(paper.empty());
}

TEST(DictionaryStore, WithoutAWritableCacheEveryLoadParses) {
    Folder f;
    f.writeAllSources(kCommands);
    DictionaryPaths paths = f.paths();
    paths.settingsFolder = f.dir.file(u"no-such-folder");
    DictionaryStore store(paths);
    EXPECT_FALSE(store.usable());
    EXPECT_FALSE(store.rebuild());
    std::vector<CommandEntry> c;
    std::vector<SuffixEntry> s;
    store.loadCommands(c, s);
    EXPECT_EQ(c.size(), 3u);
    EXPECT_EQ(s.size(), 3u);
}

TEST(DictionaryStore, SaveKeepsAnOldCopyAndInvalidatesTheCache) {
    Folder f;
    f.writeAllSources(kCommands);
    const std::string before = f.dir.read(u"cmd.txt");
    DictionaryStore store(f.paths());
    ASSERT_TRUE(store.cacheValid());
    dict_test::letFileTimeTick();
    std::vector<CommandEntry> c = {dict_test::command("\\new", "{}", "New")};
    ASSERT_TRUE(store.saveCommands(c));
    EXPECT_EQ(f.dir.read(u"cmd.txt.old"), before);
    EXPECT_EQ(f.dir.read(u"cmd.txt"), utf16le("\\new\t{}\tNew\r\n"));
    EXPECT_FALSE(store.cacheValid());
    // Until rebuilt the store reads the saved source.
    std::vector<CommandEntry> back;
    std::vector<SuffixEntry> s;
    store.loadCommands(back, s);
    ASSERT_EQ(back.size(), 1u);
    DictionaryStore next(f.paths());
    EXPECT_TRUE(next.cacheValid());
    // A second save replaces the old copy.
    ASSERT_TRUE(next.saveCommands({}));
    EXPECT_EQ(f.dir.read(u"cmd.txt.old"), utf16le("\\new\t{}\tNew\r\n"));
    EXPECT_EQ(f.dir.read(u"cmd.txt"), "");
}

TEST(DictionaryStore, ASaveThatCannotWriteLeavesTheSourceAlone) {
    Folder f;
    f.writeAllSources(kCommands);
    DictionaryPaths paths = f.paths();
    paths.commandFile = u"folder-source";
    f.dir.makeFolder(u"folder-source");
    DictionaryStore store(paths);
    EXPECT_FALSE(store.saveCommands(std::vector<CommandEntry>{dict_test::command("\\x")}));
    EXPECT_TRUE(platform::isDirectory(store.sourcePath(dict_cache::Commands)));
    EXPECT_FALSE(f.dir.exists(u"folder-source.old"));
}

TEST(DictionaryStore, WritableSourcesNamesTheFilesThatExist) {
    Folder f;
    f.writeSource(u"cmd.txt", kCommands);
    f.writeSource(u"paper.txt", "a4j\tA4\n");
    DictionaryStore store(f.paths());
    EXPECT_EQ(store.writableSources(), DictionaryStore::CommandsBit | DictionaryStore::PaperSizesBit);
    f.writeSource(u"env.txt", "");
    f.writeSource(u"easy.txt", "");
    EXPECT_EQ(store.writableSources(), 15);
}
