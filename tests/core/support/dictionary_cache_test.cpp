#include "support/dictionary_cache.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

using dict_cache::Header;

namespace {
Header headerWith(uint32_t commands, uint32_t suffixes, uint32_t env, uint32_t easy, uint32_t paper) {
    Header h{};
    h.counts[0] = commands;
    h.counts[1] = suffixes;
    h.counts[2] = env;
    h.counts[3] = easy;
    h.counts[4] = paper;
    return h;
}
} // namespace

TEST(CacheHeader, SizeMustMatchTheCountsExactly) {
    Header h = headerWith(2, 1, 3, 1, 2);
    const uint64_t size = 60 + 2 * 644 + 132 + 3 * 384 + 256 + 2 * 256;
    EXPECT_TRUE(dict_cache::consistent(h, size));
    EXPECT_FALSE(dict_cache::consistent(h, size - 1));
    EXPECT_FALSE(dict_cache::consistent(h, size + 1));
    EXPECT_TRUE(dict_cache::consistent(headerWith(0, 0, 0, 0, 0), 60));
    EXPECT_FALSE(dict_cache::consistent(headerWith(0, 0, 0, 0, 0), 59));
}

TEST(CacheHeader, AbsurdCountsAndReservedWordsAreRefused) {
    Header h = headerWith(0, 0, 0, 0, 0);
    h.reserved[1] = 1;
    EXPECT_FALSE(dict_cache::consistent(h, 60));
    // More suffix entries than commands cannot come from parsing.
    EXPECT_FALSE(dict_cache::consistent(headerWith(1, 2, 0, 0, 0), 60 + 644 + 2 * 132));
    // Counts whose product wraps around 32 bits must not pass by accident.
    uint32_t wrap = 0xFFFFFFFFu / 644 + 1;
    EXPECT_FALSE(dict_cache::consistent(headerWith(wrap, 0, 0, 0, 0), 60 + static_cast<uint32_t>(wrap * 644u)));
    EXPECT_FALSE(dict_cache::consistent(headerWith(0xFFFFFFFFu, 0, 0, 0, 0), 60));
    uint32_t over = dict_cache::MaxRecords + 1;
    EXPECT_FALSE(dict_cache::consistent(headerWith(0, 0, 0, 0, over), 60 + uint64_t(over) * 256));
}

TEST(CacheBuild, LaysOutHeaderAndArraysInOrder) {
    std::vector<CommandEntry> c = {record::makeCommand(u"\\a", u"{}", u"", 0)};
    std::vector<SuffixEntry> s(1);
    s[0].commandIndex = 0;
    std::vector<EnvironmentEntry> e = {record::makeEnvironment(u"\\begin{x}", u"[]", u"")};
    std::vector<PaperSizeEntry> p = {record::makePaperSize(u"a4j", u"A4"), record::makePaperSize(u"b5j", u"B5")};
    Header h{};
    h.times[2] = dict_cache::FileTime::of(0x0123456789ABCDEFull);
    std::string file = dict_cache::build(h, c, s, e, {}, p);
    ASSERT_EQ(file.size(), 60u + 644 + 132 + 384 + 2 * 256);
    Header back;
    std::memcpy(&back, file.data(), 60);
    EXPECT_TRUE(dict_cache::consistent(back, file.size()));
    EXPECT_EQ(back.counts[4], 2u);
    // Times are stored low half first.
    uint32_t low, high;
    std::memcpy(&low, file.data() + 44, 4);
    std::memcpy(&high, file.data() + 48, 4);
    EXPECT_EQ(low, 0x89ABCDEFu);
    EXPECT_EQ(high, 0x01234567u);
    EXPECT_EQ(dict_cache::arrayOffset(back, dict_cache::PaperSizeArray), 60u + 644 + 132 + 384);
    // The second paper record's key, UTF-16LE at its offset.
    size_t at = 60 + 644 + 132 + 384 + 256;
    EXPECT_EQ(file.substr(at, 6), std::string("b\0" "5\0" "j\0", 6));
}
