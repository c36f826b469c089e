#include "support/history_file.h"

#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {
std::string bytesOf(std::vector<HistoryRecord> records) {
    std::string b(records.size() * 8, '\0');
    if (!records.empty()) std::memcpy(b.data(), records.data(), b.size());
    return b;
}
} // namespace

TEST(HistoryFile, MissingFileCountsZeroWithOwnPositions) {
    TempDir dir;
    auto r = history_file::read(dir.file(u"Vexa2.hst"), 3);
    ASSERT_EQ(r.size(), 3u);
    EXPECT_EQ(r[2].commandIndex, 2);
    EXPECT_EQ(r[2].useCount, 0);
}

TEST(HistoryFile, ShortFilesPadWithZerosAndLongOnesAreCut) {
    TempDir dir;
    dir.write(u"Vexa2.hst", bytesOf({{0, 5}, {1, 7}}) + "xyz");   // a partial record at the end
    auto r = history_file::read(dir.file(u"Vexa2.hst"), 4);
    ASSERT_EQ(r.size(), 4u);
    EXPECT_EQ(r[1].useCount, 7);
    EXPECT_EQ(r[2].commandIndex, 0);
    EXPECT_EQ(r[2].useCount, 0);
    auto one = history_file::read(dir.file(u"Vexa2.hst"), 1);
    ASSERT_EQ(one.size(), 1u);
    EXPECT_EQ(one[0].useCount, 5);
    EXPECT_TRUE(history_file::read(dir.file(u"Vexa2.hst"), 0).empty());
}

TEST(HistoryFile, WritesLittleEndianRecordsWithoutHeader) {
    TempDir dir;
    std::vector<HistoryRecord> r = {{0, 1}, {1, 0x01020304}};
    ASSERT_TRUE(history_file::write(dir.file(u"Vexa2.hst"), r));
    EXPECT_EQ(dir.read(u"Vexa2.hst"), std::string("\0\0\0\0\1\0\0\0\1\0\0\0\4\3\2\1", 16));
    EXPECT_FALSE(history_file::write(dir.file(u"missing-folder") + u"\\x.hst", r));
}
