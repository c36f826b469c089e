#include "mainwindow/user_menu.h"

#include "mainwindow/toolbar_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace um = user_menu;

namespace {

// One line per item: "T<depth>:<title>" or "C<depth>:<index>" (-1 separator).
std::vector<std::string> describe(const std::vector<um::Item>& items) {
    std::vector<std::string> out;
    for (const um::Item& i : items) {
        std::string s = i.isTitle() ? "T" : "C";
        s += std::to_string(i.depth) + ":";
        if (i.isTitle()) s += std::string(i.title.begin(), i.title.end());
        else s += std::to_string(i.command);
        out.push_back(s);
    }
    return out;
}

using Lines = std::vector<std::string>;

} // namespace

TEST(UserMenuParse, DefinitionsAndTheirItems) {
    struct Case {
        const char16_t* definition;
        Lines items;
    } cases[] = {
        // Nested depths, a separator, a duplicate (the second 0) dropped.
        {u"*Mine\t.0\t.-1\t.*Sub\t..1\t..0", {"T0:Mine", "C1:0", "C1:-1", "T1:Sub", "C2:1"}},
        // Out of the table, empty after the dots, letters (read as 0).
        {u"*M\t.200\t...\t\t.abc\t.113", {"T0:M", "C1:0"}},
        // More than ten dots count as ten; a plus sign and trailing junk.
        {u"*M\t............5\t.+7x", {"T0:M", "C10:5", "C1:7"}},
        // Any negative number is a separator, and separators repeat.
        {u"*M\t.-1\t.-99\t.*", {"T0:M", "C1:-1", "C1:-1", "T1:"}},
        // A huge number does not wrap round into the table.
        {u"*M\t.4294967296", {"T0:M"}},
        {u"", {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(describe(um::parse(c.definition)), c.items);
    }
}

TEST(UserMenuLayout, ItemsGoIntoTheMostRecentTitleOneLevelUp) {
    struct Case {
        const char16_t* definition;
        std::vector<std::pair<size_t, int32_t>> placed;  // item, parent
    } cases[] = {
        {u"*Mine\t.0\t.-1\t.*Sub\t..1\t..0", {{1, -1}, {2, -1}, {3, -1}, {4, 3}}},
        // Depth 0 after the first is ignored; a depth with no open submenu too.
        {u"*M\t2\t...3\t.4", {{3, -1}}},
        // A deeper title stays open after a shallower one replaces its parent.
        {u"*M\t.*A\t..*B\t.*C\t...5\t..6", {{1, -1}, {2, 1}, {3, -1}, {4, 2}, {5, 3}}},
    };
    for (const Case& c : cases) {
        std::vector<std::pair<size_t, int32_t>> got;
        for (const um::Placement& p : um::layout(um::parse(c.definition))) got.emplace_back(p.item, p.parent);
        EXPECT_EQ(got, c.placed);
    }
}

TEST(UserMenuDefinition, TitleAndRoundTrip) {
    std::vector<um::Item> items = um::parse(u"*Mine\t.0\t.-1\t.*Sub\t..1\t....5");
    EXPECT_EQ(um::menuTitle(items), u"Mine");
    EXPECT_EQ(um::toDefinition(items), u"*Mine\t.0\t.-1\t.*Sub\t..1\t....5");

    EXPECT_EQ(um::menuTitle(um::parse(u"3\t.4")), u"");
    EXPECT_EQ(um::menuTitle(um::parse(u"*" + u16(100, u'x'))), u16(um::TitleLimit, u'x'));

    // A tab typed into a title must not split the item when stored.
    um::Item title;
    title.kind = um::Item::Kind::Title;
    title.title = u"a\tb";
    EXPECT_EQ(um::toDefinition({title}), u"*a b");
}

TEST(UserMenuEditor, OffersEveryCommandNotInTheMenuExceptItself) {
    static bool (*const allHaveText)(uint32_t) = [](uint32_t) { return true; };
    std::vector<int32_t> all = um::addableCommands({}, allHaveText);
    EXPECT_EQ(all.size(), 112u);  // 113 buttons without the user menu's own
    EXPECT_EQ(std::count(all.begin(), all.end(), 111), 0);  // index of 41414

    std::vector<int32_t> rest = um::addableCommands(um::parse(u"*M\t.0\t.*S\t..5\t.-1"), allHaveText);
    EXPECT_EQ(rest.size(), 110u);
    EXPECT_EQ(rest.front(), 1);
    EXPECT_EQ(std::count(rest.begin(), rest.end(), 5), 0);

    static bool (*const evenOnly)(uint32_t) = [](uint32_t id) { return id % 2 == 0; };
    for (int32_t n : um::addableCommands({}, evenOnly)) EXPECT_EQ(toolbar_table::commandAt(n) % 2, 0u);
}
