#include "outline/bibtex.h"

#include "base/str.h"
#include "tests/core/outline/memory_files.h"

#include <gtest/gtest.h>

namespace {

std::vector<BibEntry> parse(std::string_view utf8) { return bibtex::parse(str::fromUtf8(utf8)); }

u16 u(std::string_view utf8) { return str::fromUtf8(utf8); }

std::vector<BibField> fields(std::initializer_list<std::pair<const char*, const char*>> pairs) {
    std::vector<BibField> out;
    for (auto [n, v] : pairs) out.push_back({u(n), u(v)});
    return out;
}

} // namespace

TEST(BibTeXParse, ArticleWithQuotedAndBareValues) {
    auto entries = parse("@article{k1, title = \"A {B} C\", year = 2001}");
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].type, u"article");
    EXPECT_EQ(entries[0].key, u"k1");
    EXPECT_EQ(entries[0].fields, fields({{"title", "A {B} C"}, {"year", "2001"}}));
}

TEST(BibTeXParse, EntriesWithoutACompleteFieldAreDropped) {
    EXPECT_TRUE(parse("@string{x}").empty());
    // The text before "=" is taken as the key: no field pair is complete.
    EXPECT_TRUE(parse("@string{x = \"y\"}").empty());
    EXPECT_TRUE(parse("@misc{k, note}").empty());           // a name without "="
    EXPECT_TRUE(parse("@misc{, note = x}").empty());         // no key
    EXPECT_TRUE(parse("@{k, note = x}").empty());            // no type
    EXPECT_TRUE(parse("@misc{k, note = {open").empty());     // the file ends inside the entry
    EXPECT_TRUE(parse("@misc{k, note = x").empty());         // ... or before its "}"
    EXPECT_TRUE(parse("").empty());

    // A trailing comma leaves a name with no value behind, which is not stored.
    auto trailing = parse("@misc{k, note = x,}");
    ASSERT_EQ(trailing.size(), 1u);
    EXPECT_EQ(trailing[0].fields, fields({{"note", "x"}}));

    // An empty value is still a value.
    auto empty = parse("@misc{k, note = {}}");
    ASSERT_EQ(empty.size(), 1u);
    EXPECT_EQ(empty[0].fields, fields({{"note", ""}}));
}

TEST(BibTeXParse, TrimmingOfKeysNamesAndValues) {
    auto entries = parse("@ book {\r\n \"{k2}\"\t,\r\n\t\"title\" = {{Title}},\r\n"
                         "note={  first\r\n   line\tsecond   line  } }");
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].type, u"book");
    EXPECT_EQ(entries[0].key, u"k2");
    ASSERT_EQ(entries[0].fields.size(), 2u);
    EXPECT_EQ(entries[0].fields[0], (BibField{u"title", u"Title"}));
    // Line breaks and tabs inside are deleted, not replaced; space runs shrink.
    EXPECT_EQ(entries[0].fields[1], (BibField{u"note", u"first linesecond line"}));

    EXPECT_EQ(bibtex::trimKey(u" {\"key\"} \r\n"), u"key");
    EXPECT_EQ(bibtex::trimKey(u"}key{"), u"}key{");          // only outward-facing braces go
    EXPECT_EQ(bibtex::trimFieldName(u"= title ="), u"title");
    EXPECT_EQ(bibtex::trimKey(u"= title ="), u"= title =");
    EXPECT_EQ(bibtex::cleanValue(u"{ a  \t b\r\n  c }"), u"a b c");
    EXPECT_EQ(bibtex::cleanValue(u""), u"");
}

TEST(BibTeXParse, ValuesKeepTheirCommasAndInnerBraces) {
    auto entries = parse("@book{k, author = {Doe, J. and {Roe}, R.}, title = \"Q, {x}, \\\"y\\\" z\"}");
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].fields,
              fields({{"author", "Doe, J. and {Roe}, R."}, {"title", "Q, {x}, \\\"y\\\" z"}}));

    // An escaped brace does not count, so the value runs on to the real "}".
    auto escaped = parse("@book{k, title = {a \\} b}, year = 1}");
    ASSERT_EQ(escaped.size(), 1u);
    EXPECT_EQ(escaped[0].fields, fields({{"title", "a \\} b"}, {"year", "1"}}));

    // An escaped quote outside a value does not open one.
    auto bare = parse("@book{k, title = a\\\"b, year = 1}");
    ASSERT_EQ(bare.size(), 1u);
    EXPECT_EQ(bare[0].fields, fields({{"title", "a\\\"b"}, {"year", "1"}}));
}

TEST(BibTeXParse, TextBetweenEntriesIsSkippedAndEveryAtRestartsTheType) {
    auto entries = parse("Comment with { braces } and an email a@b.\n"
                         "@article{a, t = 1}\n} stray }\n@Book{b, t = {2}}\n"
                         "@comment{ just text }\n@misc{c, t = \"3\"}");
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[0].key, u"a");
    EXPECT_EQ(entries[1].type, u"Book");
    EXPECT_EQ(entries[1].key, u"b");
    EXPECT_EQ(entries[2].key, u"c");
    EXPECT_EQ(entries[2].fields, fields({{"t", "3"}}));
    // "a@b." started a type that the next "@" replaced.
    EXPECT_EQ(entries[0].type, u"article");
}

TEST(BibTeXParse, AnEqualsSignStartsTheValueAnew) {
    // Each "=" ends the piece before it; the value is what follows the last.
    auto entries = parse("@misc{k, note = a = b}");
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].fields, fields({{"note", "b"}}));
}

TEST(BibTeXParse, MalformedInputEndsCleanly) {
    for (std::string_view text : {"@", "@{", "@a{", "@a{k,", "@a{k,=", "@a{k,n=\"", "@a{k,n={{{{",
                                  "}}}}@@@{{{", "\\", "@a{k,n=\\", "\"\"\"", "@a{k,n=\"x\\\"}"}) {
        EXPECT_TRUE(parse(text).empty()) << text;
    }
    // Deep nesting costs no recursion.
    std::string deep = "@a{k, n = " + std::string(100000, '{') + "x" + std::string(100000, '}') + "}";
    auto entries = parse(deep);
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].fields[0].value, u"x");
}

TEST(BibTeXFile, ExtensionIsAddedOnlyWhenMissing) {
    MemoryFiles files;
    files.add(u"C:\\refs\\a.bib", u"@book{a, t = 1}");
    files.add(u"C:\\refs\\b.old", u"@book{b, t = 1}");

    CBibTeX a(u"C:\\refs\\a", 0, files);
    EXPECT_FALSE(a.error());
    ASSERT_EQ(a.entries().size(), 1u);
    EXPECT_EQ(a.entries()[0].key, u"a");

    CBibTeX b(u"C:\\refs\\b.old", 0, files);
    ASSERT_EQ(b.entries().size(), 1u);

    // A dot in a folder name is no extension; one followed by a space is not either.
    CBibTeX dotted(u"C:\\v1.2\\refs", 0, files);
    CBibTeX spaced(u"C:\\refs\\x. y", 0, files);
    EXPECT_EQ(files.reads, (std::vector<u16>{u"C:\\refs\\a.bib", u"C:\\refs\\b.old", u"C:\\v1.2\\refs.bib",
                                             u"C:\\refs\\x. y.bib"}));
}

TEST(BibTeXFile, UnreadableOrOversizedFilesSetTheErrorFlag) {
    MemoryFiles files;
    files.add(u"C:\\a.bib", u"@book{a, t = 1}"); // 15 characters
    CBibTeX missing(u"C:\\none.bib", 0, files);
    EXPECT_TRUE(missing.error());
    EXPECT_TRUE(missing.entries().empty());

    CBibTeX over(u"C:\\a.bib", 14, files);
    EXPECT_TRUE(over.error());
    EXPECT_TRUE(over.entries().empty());
    EXPECT_EQ(over.limit(), 14u);

    CBibTeX exact(u"C:\\a.bib", 15, files);
    EXPECT_FALSE(exact.error());
    EXPECT_EQ(exact.entries().size(), 1u);

    // A file with no entries is read without error.
    files.add(u"C:\\empty.bib", u"% nothing here");
    EXPECT_FALSE(CBibTeX(u"C:\\empty.bib", 0, files).error());
}

TEST(BibTeXFile, EntryByIndexCopiesOrRefuses) {
    MemoryFiles files;
    files.add(u"C:\\a.bib", u"@book{a, t = 1}@book{b, t = 2, u = 3}");
    CBibTeX bib(u"C:\\a.bib", 0, files);
    BibEntry out;
    ASSERT_TRUE(bib.entry(1, out));
    EXPECT_EQ(out.key, u"b");
    EXPECT_EQ(out.fields.size(), 2u);
    out.key = u"untouched";
    EXPECT_FALSE(bib.entry(2, out));
    EXPECT_FALSE(bib.entry(-1, out));
    EXPECT_EQ(out.key, u"untouched");
}
