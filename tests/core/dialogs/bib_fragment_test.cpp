#include "dialogs/bib_fragment.h"

#include "base/str.h"

#include <gtest/gtest.h>

namespace {
std::string a(const u16& s) { return str::toUtf8(s); }
} // namespace

TEST(BibSkeleton, Counts) {
    struct Case {
        bool environment;
        const char* count;
        bool keyOnly;
        const char* before;
        const char* after;
    } cases[] = {
        {true, "3", true, "\\begin{thebibliography}{3}\r\n\\bibitem{",
         "}\r\n\\bibitem{}\r\n\\bibitem{}\r\n\\end{thebibliography}"},
        {true, "0", true, "\\begin{thebibliography}{3}\r\n", "\r\n\\end{thebibliography}"},
        {true, "x", true, "\\begin{thebibliography}{3}\r\n", "\r\n\\end{thebibliography}"},
        {true, "2", false, "\\begin{thebibliography}{3}\r\n\\bibitem[", "]{}\r\n\\bibitem[]{}\r\n\\end{thebibliography}"},
        {false, "1", true, "\\bibitem{", "}"},
        {false, "0", false, "", ""},
    };
    for (const auto& tc : cases) {
        SCOPED_TRACE(std::string(tc.count) + (tc.environment ? " env" : "") + (tc.keyOnly ? " key" : ""));
        bib::Choices c;
        c.environment = tc.environment;
        c.count = str::fromUtf8(tc.count);
        c.keyOnly = tc.keyOnly;
        Fragment f = bib::buildSkeleton(c);
        EXPECT_EQ(a(f.before), tc.before);
        EXPECT_EQ(a(f.after), tc.after);
    }
    EXPECT_TRUE(bib::countAccepted(u"9999"));
    EXPECT_FALSE(bib::countAccepted(u"10000"));
}

TEST(BibSkeleton, Setting) {
    EXPECT_EQ(bib::compose(bib::parse(u"0\t1")), u"1\t3\t3\t1");
    bib::Choices c = bib::parse(u"0\t99");
    EXPECT_FALSE(c.environment);
    EXPECT_EQ(c.widestLabel, u"99");
    EXPECT_EQ(c.count, u"3");
    EXPECT_TRUE(c.keyOnly);
    EXPECT_EQ(bib::compose(bib::parse(u"1\tabc\t12\t0")), u"1\tabc\t12\t0");
}

TEST(CitationKeys, JoinedInDocumentOrder) {
    EXPECT_EQ(bib::joinKeys({{7, u"b"}, {2, u"a"}}), u"a,b");
    EXPECT_EQ(bib::joinKeys({{5, u"z"}, {1, u"x"}, {3, u"y"}}), u"x,y,z");
    EXPECT_EQ(bib::joinKeys({}), u"");

    // Cut to 520 units; a pair split by the cut loses its first half too.
    std::vector<bib::SelectedKey> many;
    for (uint32_t i = 0; i < 200; ++i) many.push_back({i, u"key"});
    EXPECT_EQ(bib::joinKeys(many).size(), 520u);
    u16 padded(519, u'k');
    padded += u"\U0001F600";
    EXPECT_EQ(bib::joinKeys({{0, padded}}), u16(519, u'k'));
}

TEST(RefInsertion, CommandsAndModes) {
    struct Case {
        bool citation;
        bib::RefKind kind;
        const char16_t* text;
        const char* before;
        const char* after;
        bool replace;
    } cases[] = {
        {false, bib::RefKind::EqRef, u"", "\\eqref{", "}", false},
        {false, bib::RefKind::Ref, u"sec:a", "\\ref{sec:a}", "", true},
        {false, bib::RefKind::PageRef, u"p", "\\pageref{p}", "", true},
        {true, bib::RefKind::EqRef, u"a,b", "\\cite{a,b}", "", true},
    };
    for (const auto& tc : cases) {
        SCOPED_TRACE(tc.before);
        bib::Insertion in = bib::refInsertion(tc.citation, tc.kind, tc.text);
        EXPECT_EQ(a(in.fragment.before), tc.before);
        EXPECT_EQ(a(in.fragment.after), tc.after);
        EXPECT_EQ(in.replaceSelection, tc.replace);
    }
    EXPECT_FALSE(bib::insertTextTooLong(u16(261, u'a')));
    EXPECT_TRUE(bib::insertTextTooLong(u16(262, u'a')));
}
