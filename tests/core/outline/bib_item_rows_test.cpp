#include "outline/bib_item_rows.h"

#include "outline/bibtex.h"

#include <gtest/gtest.h>

namespace {
const u16 TypeRow = u"Type";
}

TEST(BibItemRows, TypeFirstThenFieldsInOrderWithoutTheKey) {
    std::vector<BibEntry> entries =
        bibtex::parse(u"@article{k1, title = \"A {B} C\", year = 2001, author = {Doe, J.}}");
    ASSERT_EQ(entries.size(), 1u);
    std::vector<BibItemRow> expected{
        {TypeRow, u"article"}, {u"title", u"A {B} C"}, {u"year", u"2001"}, {u"author", u"Doe, J."}};
    EXPECT_EQ(bib_item_rows::rows(entries[0], TypeRow), expected);
}

TEST(BibItemRows, EmptyValuesMoveBehindTheFilledOnesKeepingTheirOrder) {
    BibEntry e;
    e.type = u"book";
    e.key = u"k";
    e.fields = {{u"note", u""}, {u"title", u"T"}, {u"isbn", u""}, {u"year", u"1999"}};
    std::vector<BibItemRow> expected{
        {TypeRow, u"book"}, {u"title", u"T"}, {u"year", u"1999"}, {u"note", u""}, {u"isbn", u""}};
    EXPECT_EQ(bib_item_rows::rows(e, TypeRow), expected);

    // Field names that repeat are each listed, as written.
    e.fields = {{u"a", u"1"}, {u"a", u""}, {u"a", u"2"}};
    expected = {{TypeRow, u"book"}, {u"a", u"1"}, {u"a", u"2"}, {u"a", u""}};
    EXPECT_EQ(bib_item_rows::rows(e, TypeRow), expected);
}

TEST(BibItemRows, AnEmptyEntryStillShowsItsTypeRow) {
    std::vector<BibItemRow> expected{{u"", u""}};
    EXPECT_EQ(bib_item_rows::rows(BibEntry{}, u""), expected);
}

TEST(BibItemRows, ValueColumnTakesTheRestOfTheWidth) {
    EXPECT_EQ(bib_item_rows::valueColumnWidth(300), 240);
    EXPECT_EQ(bib_item_rows::valueColumnWidth(61), 1);
    // Narrower than the name column: nothing left, but never negative.
    EXPECT_EQ(bib_item_rows::valueColumnWidth(40), 0);
    // Unknown width.
    EXPECT_EQ(bib_item_rows::valueColumnWidth(0), 200);
    EXPECT_EQ(bib_item_rows::valueColumnWidth(-5), 200);
}
