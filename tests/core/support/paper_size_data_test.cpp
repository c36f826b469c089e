#include "support/paper_size_data.h"

#include "dictionary_test_util.h"

#include <gtest/gtest.h>

using dict_test::Folder;

TEST(PaperSizeData, FindsClassesAndOptionsCaseSensitively) {
    Folder f;
    f.writeAllSources("\\a\n", "\\b\t[]\n", ":a\tb\n", "a4j\tA4\na4paper\tA4\nb5j\tB5\njarticle\tA4\nletterpaper\tLetter\n");
    DictionaryStore store(f.paths());
    CPaperSizeData d(&store);
    ASSERT_EQ(d.count(), 5);
    EXPECT_EQ(d.FindKey(u"b5j"), 2);
    EXPECT_EQ(d.FindKey(u"B5j"), -1);
    EXPECT_EQ(d.FindKey(u"a4"), -1);
    EXPECT_EQ(d.FindKey(u""), -1);
    EXPECT_EQ(d.valueOf(u"letterpaper"), u"Letter");
    EXPECT_EQ(d.valueOf(u"article"), u"");
    PaperSizeEntry e;
    ASSERT_TRUE(d.GetRecord(3, e));
    EXPECT_EQ(u16(record::field(e.key)), u"jarticle");
    EXPECT_FALSE(d.GetRecord(5, e));
    EXPECT_FALSE(d.GetRecord(-1, e));
    CPaperSizeData none(nullptr);
    EXPECT_EQ(none.FindKey(u"a4j"), -1);
}
