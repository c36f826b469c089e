#include "support/environment_dictionary.h"

#include "dictionary_test_util.h"
#include "support/dictionary_order.h"

#include <gtest/gtest.h>

using dict_test::Folder;
using dict_test::utf16le;
using dict_test::utf8;

namespace {
struct Env {
    Folder f;
    std::unique_ptr<DictionaryStore> store;
    explicit Env(const char* env) {
        f.writeAllSources("\\a\n", env);
        store = std::make_unique<DictionaryStore>(f.paths());
    }
};

std::string nameAt(const CTeXEDictionary& d, int i) {
    EnvironmentEntry e;
    return d.get(i, e) ? utf8(record::field(e.name)) : "<none>";
}
} // namespace

TEST(EnvironmentFind, GivesTheEntryAtOrBeforeTheKey) {
    Env t("\\begin{figure}\t[]\tFigure\n\\begin{table}\t[]\tTable\n");
    CTeXEDictionary d(t.store.get());
    ASSERT_EQ(d.count(), 2);
    EXPECT_EQ(nameAt(d, d.find(u"\\begin{figure}[h]")), "\\begin{figure}");
    EXPECT_EQ(nameAt(d, d.find(u"\\begin{tab")), "\\begin{figure}");
    EXPECT_EQ(nameAt(d, d.find(u"\\begin{table}")), "\\begin{table}");
    EXPECT_EQ(nameAt(d, d.find(u"\\begin{figure}")), "\\begin{figure}");
    EXPECT_EQ(d.find(u"\\zzz"), 1);
    EXPECT_EQ(d.find(u"\\"), 0);
    EXPECT_EQ(d.find(u""), -1);
}

TEST(EnvironmentFind, MatchesALinearSearchForEverySize) {
    const std::vector<std::string> all = {"\\b", "\\c{}", "\\c*", "\\d", "\\e", "\\f", "\\g"};
    const std::vector<std::string> keys = {"\\", "\\a", "\\b", "\\ba", "\\c", "\\c{}", "\\c{}x", "\\c*",
                                           "\\ca", "\\d", "\\dd", "\\e", "\\f", "\\g", "\\h"};
    for (size_t n = 1; n <= all.size(); ++n) {
        std::string src;
        for (size_t i = 0; i < n; ++i) src += all[i] + "\t[]\n";
        Env t(src.c_str());
        CTeXEDictionary d(t.store.get());
        ASSERT_EQ(d.count(), static_cast<int>(n));
        for (const std::string& k : keys) {
            u16 key = str::fromUtf8(k);
            int want = 0;   // before every entry: the first
            for (int i = 0; i < static_cast<int>(n); ++i)
                if (!dict_order::before(key, str::fromUtf8(all[i]))) want = i;
            EXPECT_EQ(d.find(key), want) << "n=" << n << " key=" << k;
        }
    }
}

TEST(EnvironmentEdit, PutRefusesNamesWithoutBackslashAndSavesDuplicatesOnce) {
    Env t("\\begin{figure}\t[]\tFigure\n");
    {
        CTeXEDictionary d(t.store.get());
        EXPECT_FALSE(d.put(-1, record::makeEnvironment(u"begin{x}", u"[]", u"")));
        EXPECT_FALSE(d.put(1, record::makeEnvironment(u"\\begin{x}", u"[]", u"")));
        EXPECT_FALSE(d.modified());
        EXPECT_TRUE(d.put(-1, record::makeEnvironment(u"\\begin{center}", u"..\\end{center}", u"Centred")));
        EXPECT_TRUE(d.put(-1, record::makeEnvironment(u"\\begin{figure}", u"[h]", u"second")));
        EXPECT_EQ(nameAt(d, 0), "\\begin{center}");
        EXPECT_TRUE(d.remove(0));
        EXPECT_FALSE(d.remove(5));
        EXPECT_TRUE(d.put(-1, record::makeEnvironment(u"\\begin{center}", u"..\\end{center}", u"Centred")));
    }
    EXPECT_EQ(t.f.dir.read(u"env.txt"),
              utf16le("\\begin{center}\t..\\end{center}\tCentred\r\n\\begin{figure}\t[]\tFigure\r\n"));
    EXPECT_EQ(t.f.dir.read(u"env.txt.old"), utf16le("\\begin{figure}\t[]\tFigure\n"));
}
