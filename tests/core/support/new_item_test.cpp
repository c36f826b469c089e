#include "support/new_item.h"

#include "base/str.h"
#include "frame/host_messages.h"
#include "tests/support/memory_editor.h"

#include <gtest/gtest.h>

TEST(NewItem, LineDecidesTheNextItem) {
    struct Case {
        const char16_t* line;
        bool item;
        const char16_t* begin;
        const char16_t* end;
    };
    const Case cases[] = {
        {u"  \\item[a] text", true, u"\r\n  \\item[", u"]"},
        {u"\\item text", true, u"\r\n\\item ", u""},
        {u"\t\\item", true, u"\r\n\t\\item", u""},
        {u" \\bibitem{knuth} The Book", true, u"\r\n \\bibitem", u""},
        {u"text \\item", false, u"", u""},
        {u"   ", false, u"", u""},
        {u"", false, u"", u""},
    };
    for (const Case& c : cases) {
        auto got = new_item::forLine(c.line);
        ASSERT_EQ(got.has_value(), c.item) << str::toUtf8(c.line);
        if (got) {
            EXPECT_EQ(*got, (new_item::Insertion{c.begin, c.end})) << str::toUtf8(c.line);
        }
    }
}

TEST(NewItem, StartsTheNextItemAfterTheWholeLine) {
    MemoryEditor ed(u"  \\item[a] text\r\nnext");
    ed.SetCaretPos(PosKind::Logical, Position{4, 0});
    ASSERT_TRUE(new_item::run(snippet::Target{ed}));
    EXPECT_EQ(ed.text(), u"  \\item[a] text\r\n  \\item[]\r\nnext");
    EXPECT_EQ(ed.caret(), (Position{8, 1}));
    EXPECT_EQ(ed.hostCommands, std::vector<int32_t>{hostmsg::CmdCaretLineEnd});
    EXPECT_EQ(ed.redrawDepth(), 0);
}

TEST(NewItem, OtherLinesPassTheKeyOn) {
    MemoryEditor ed(u"plain");
    EXPECT_FALSE(new_item::run(snippet::Target{ed}));
    EXPECT_EQ(ed.text(), u"plain");
    EXPECT_TRUE(ed.hostCommands.empty());
}
