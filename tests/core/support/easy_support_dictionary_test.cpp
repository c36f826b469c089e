#include "support/easy_support_dictionary.h"

#include "dictionary_test_util.h"

#include <gtest/gtest.h>

using dict_test::Folder;
using dict_test::utf16le;

TEST(EasySupportDictionary, FindsKeysByExactDictionaryEquality) {
    Folder f;
    f.writeAllSources("\\a\n", "\\b\t[]\n", ":al\t\\alpha\n:Al\t\\Alpha\n:be\t\\beta\n:fr\t\\frac{}{}\n");
    DictionaryStore store(f.paths());
    CEditorSupportDic d(&store);
    ASSERT_EQ(d.count(), 4);
    EXPECT_EQ(d.find(u":al"), 0);
    EXPECT_EQ(d.find(u":Al"), 1);
    EXPECT_EQ(d.find(u":fr"), 3);
    EXPECT_EQ(d.find(u":a"), -1);
    EXPECT_EQ(d.find(u":zz"), -1);
    EXPECT_EQ(d.find(u""), -1);
    // The key is cut to 63 characters before the search.
    EXPECT_EQ(d.find(u":al" + u16(70, u' ')), -1);
}

TEST(EasySupportDictionary, LongKeysAreCutLikeTheStoredOnes) {
    Folder f;
    std::string key = ":" + std::string(70, 'k');
    f.writeAllSources("\\a\n", "\\b\t[]\n", key + "\tlong\n");
    DictionaryStore store(f.paths());
    CEditorSupportDic d(&store);
    EXPECT_EQ(d.find(str::fromUtf8(key)), 0);
}

TEST(EasySupportDictionary, PutKeepsOnlyValidEntriesAndSaves) {
    Folder f;
    f.writeAllSources("\\a\n", "\\b\t[]\n", ":be\t\\beta\n");
    DictionaryStore store(f.paths());
    {
        CEditorSupportDic d(&store);
        EXPECT_FALSE(d.put(-1, record::makeEasySupport(u"al", u"\\alpha")));
        EXPECT_FALSE(d.put(-1, record::makeEasySupport(u":", u"\\alpha")));
        EXPECT_FALSE(d.put(-1, record::makeEasySupport(u":al", u"")));
        EXPECT_FALSE(d.put(3, record::makeEasySupport(u":al", u"\\alpha")));
        EXPECT_FALSE(d.modified());
        EXPECT_TRUE(d.put(-1, record::makeEasySupport(u":al", u"\\alpha")));
        EXPECT_EQ(d.find(u":al"), 0);
        EXPECT_EQ(d.find(u":be"), 1);
    }
    EXPECT_EQ(f.dir.read(u"easy.txt"), utf16le(":al\t\\alpha\r\n:be\t\\beta\r\n"));
    CEditorSupportDic none(nullptr);
    EXPECT_EQ(none.find(u":al"), -1);
}
