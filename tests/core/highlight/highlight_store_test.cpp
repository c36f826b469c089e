#include "highlight/highlight_store.h"

#include "base/str.h"
#include "settings/setting.h"
#include "settings/setting_keys.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

namespace {

namespace keys = ini_keys::highlight;

HighlightItem item(std::string_view name, std::string_view pattern) {
    return {str::fromUtf8(name), str::fromUtf8(pattern)};
}
HighlightItem numbered(int n) { return item("item" + std::to_string(n), "p" + std::to_string(n)); }

std::vector<u16> stored(CSetting& s) { return s.readStringList(keys::Section, {}); }

TEST(Highlight, StoredEntriesSplitAtTabs) {
    const struct {
        const char16_t* stored;
        const char* name;
        const char* pattern;
    } cases[] = {
        {u"Mine\t\\\\foo", "Mine", "\\\\foo"},
        {u"Mine\tp\tjunk", "Mine", "p"},
        {u"NoTab", "NoTab", ""},
        {u"\t", "", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(Highlight::parse(c.stored), item(c.name, c.pattern)) << str::toUtf8(c.stored);
    EXPECT_EQ(Highlight::format(item("a", "b|c")), u"a\tb|c");
}

TEST(Highlight, ItemsByIdentifier) {
    TempDir dir;
    CSetting settings(dir.path());
    settings.writeStringList(keys::Section, std::vector<u16>{u"First\tf", u"Second\ts", u""});
    Highlight store(settings);
    auto name = [](uint32_t id) { return u"name " + str::fromInt(id); };
    const struct {
        int32_t id;
        std::optional<HighlightItem> expected;
    } cases[] = {
        {1, HighlightItem{u"name 17891333", u"\\\\part"}},
        {12, HighlightItem{u"name 17891344", u"\\\\cite"}},
        {100, item("First", "f")},
        {101, item("Second", "s")},
        {102, std::nullopt},
        {0, std::nullopt},
        {13, std::nullopt},
        {99, std::nullopt},
        {-5, std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(store.GetItem(c.id, name), c.expected) << c.id;
    EXPECT_FALSE(store.modified());
}

TEST(Highlight, LoadStopsAtTheFirstEmptyEntryAndKeepsTwenty) {
    TempDir dir;
    CSetting settings(dir.path());
    settings.writeStringList(keys::Section, std::vector<u16>{u"A\ta", u"", u"Lost\tl"});
    EXPECT_EQ(Highlight(settings).items().size(), 1u);
    std::vector<u16> many;
    for (int i = 0; i < 25; ++i) many.push_back(Highlight::format(numbered(i)));
    settings.writeStringList(keys::Section, many);
    EXPECT_EQ(Highlight(settings).items().size(), 20u);
}

TEST(Highlight, PutMovesToTheFrontRemovesNamesIgnoringCaseAndDropsTheTwentyFirst) {
    TempDir dir;
    CSetting settings(dir.path());
    {
        Highlight store(settings);
        for (int i = 0; i < 20; ++i) store.PutItem(numbered(i));
        ASSERT_EQ(store.items().size(), 20u);
        store.PutItem(numbered(20));
        ASSERT_EQ(store.items().size(), 20u);
        EXPECT_EQ(store.items().front(), numbered(20));
        EXPECT_EQ(store.items().back(), numbered(1)) << "the oldest, item0, dropped";
        store.PutItem(item("ITEM5", "new"));
        EXPECT_EQ(store.items().size(), 20u);
        EXPECT_EQ(store.items().front(), item("ITEM5", "new"));
        EXPECT_EQ(std::count_if(store.items().begin(), store.items().end(),
                                [](const HighlightItem& i) { return str::equalsNoCase(i.name, u"item5"); }),
                  1);
    }
    std::vector<u16> list = stored(settings);
    ASSERT_EQ(list.size(), 20u);
    EXPECT_EQ(list[0], u"ITEM5\tnew");
    EXPECT_EQ(list[1], u"item20\tp20");
    // The terminator after the last entry hides an older, longer list.
    EXPECT_EQ(settings.readString(keys::Section, u"20", u"<none>"), u16());
}

TEST(Highlight, CreateFormAsksOnceBeforeReplacingEveryItemOfTheName) {
    TempDir dir;
    CSetting settings(dir.path());
    // Two items of one name, as a hand-edited file may have them.
    settings.writeStringList(keys::Section, std::vector<u16>{u"Dup\tone", u"Other\to", u"DUP\ttwo", u""});
    for (bool answer : {false, true}) {
        Highlight store(settings);
        int asked = 0;
        HighlightItem seenOld, seenNew;
        bool ok = store.PutItem(item("dup", "three"), [&](const HighlightItem& o, const HighlightItem& n) {
            ++asked;
            seenOld = o;
            seenNew = n;
            return answer;
        });
        EXPECT_EQ(ok, answer);
        EXPECT_EQ(asked, 1);
        EXPECT_EQ(seenOld, item("Dup", "one"));
        EXPECT_EQ(seenNew, item("dup", "three"));
        if (!answer) {
            EXPECT_FALSE(store.modified()) << "No leaves the list untouched";
            EXPECT_EQ(store.items().size(), 3u);
        } else {
            ASSERT_EQ(store.items().size(), 2u);
            EXPECT_EQ(store.items()[0], item("dup", "three"));
            EXPECT_EQ(store.items()[1], item("Other", "o"));
        }
    }
    Highlight store(settings);
    int asked = 0;
    EXPECT_TRUE(store.PutItem(item("fresh", "f"), [&](const HighlightItem&, const HighlightItem&) { return ++asked, false; }));
    EXPECT_EQ(asked, 0) << "a new name needs no question";
}

TEST(Highlight, DeleteAndClear) {
    TempDir dir;
    CSetting settings(dir.path());
    settings.writeInt(keys::Section, keys::Status, 1);
    settings.writeInt(keys::Section, keys::Item, 101);
    settings.writeStringList(keys::Section, std::vector<u16>{u"A\ta", u"B\tb", u"C\tc", u""});
    {
        Highlight store(settings);
        EXPECT_FALSE(store.DeleteItem(103));
        EXPECT_FALSE(store.DeleteItem(5));
        EXPECT_FALSE(store.modified());
        EXPECT_TRUE(store.DeleteItem(101));
    }
    EXPECT_EQ(stored(settings), (std::vector<u16>{u"A\ta", u"C\tc"}));
    {
        Highlight store(settings);
        store.Clear();
        EXPECT_TRUE(store.items().empty());
    }
    EXPECT_TRUE(stored(settings).empty());
    EXPECT_EQ(settings.readInt(keys::Section, keys::Status, 0), 1) << "the status survives";
    EXPECT_EQ(settings.readInt(keys::Section, keys::Item, -1), -1) << "the active item went with the section";
}

TEST(Highlight, ActivePattern) {
    TempDir dir;
    CSetting settings(dir.path());
    EXPECT_EQ(highlight::activePattern(settings).size(), 82u) << "every sectioning command by default";
    settings.writeStringList(keys::Section, std::vector<u16>{u"Mine\tfoo|bar", u""});
    const struct {
        int32_t item;
        const char16_t* pattern;
    } cases[] = {
        {9, u"\\\\label"},
        {100, u"foo|bar"},
        {101, u""},
        {0, u""},
        {50, u""},
    };
    for (const auto& c : cases) {
        settings.writeInt(keys::Section, keys::Item, c.item);
        EXPECT_EQ(highlight::activePattern(settings), c.pattern) << c.item;
    }
}

} // namespace
