#include "make/inverse_search.h"

#include <gtest/gtest.h>

namespace {

using inverse_search::Provide;

const u16 host = u"C:\\Program Files\\Host\\host.exe";

TEST(InverseSearch, CommandQuotesTheHostProgramAndAppendsTheOptions) {
    EXPECT_EQ(inverse_search::Command(host, inverse_search::DefaultParam),
              u"\"C:\\Program Files\\Host\\host.exe\" /l %d \"%s\"");
    EXPECT_EQ(inverse_search::Command(host, u""), u"\"C:\\Program Files\\Host\\host.exe\" ");
}

TEST(InverseSearch, ModesDecideWhetherTheUsersValueStays) {
    const u16 ours = u"\"" + host + u"\" -j %d";
    // 0: never touched, whether or not the user set one.
    EXPECT_EQ(Provide(0, u"", host, u"-j %d"), std::nullopt);
    EXPECT_EQ(Provide(0, u"user", host, u"-j %d"), std::nullopt);
    // 1: only fills a gap; the user's own value reaches the previewer.
    EXPECT_EQ(Provide(1, u"", host, u"-j %d"), ours);
    EXPECT_EQ(Provide(1, u"user", host, u"-j %d"), std::nullopt);
    // 2: always ours for the run.
    EXPECT_EQ(Provide(2, u"", host, u"-j %d"), ours);
    EXPECT_EQ(Provide(2, u"user", host, u"-j %d"), ours);
    // A malformed setting behaves like the default.
    EXPECT_EQ(Provide(7, u"user", host, u"-j %d"), std::nullopt);
    EXPECT_EQ(Provide(-1, u"", host, u"-j %d"), ours);
}

TEST(InverseSearch, RestoreBringsBackTheOldValueOrRemovesTheVariable) {
    EXPECT_EQ(inverse_search::RestoredValue({true, u"user & co"}), u"user & co");
    EXPECT_EQ(inverse_search::RestoredValue({true, u""}), std::nullopt);
}

TEST(InverseSearch, RightClickInvertsTheCommandSet) {
    EXPECT_EQ(inverse_search::CommandSet(false, false), 1);
    EXPECT_EQ(inverse_search::CommandSet(true, false), 2);
    EXPECT_EQ(inverse_search::CommandSet(false, true), 2);
    EXPECT_EQ(inverse_search::CommandSet(true, true), 1);
}

} // namespace
