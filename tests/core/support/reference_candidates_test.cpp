#include "support/reference_candidates.h"

#include "base/str.h"
#include "frame/message_ids.h"
#include "outline/search.h"
#include "tests/core/outline/memory_files.h"
#include "tests/support/memory_editor.h"

#include <gtest/gtest.h>

namespace rc = ref_candidates;

namespace {

// A document open in the editor, scanned as the popup scans it.
struct Doc {
    explicit Doc(u16view text) : editor(text) { editor.setPath(u"C:\\doc\\main.tex"); }
    CSearch& scan() {
        if (!search) search = std::make_unique<CSearch>(editor, settings, u"", files);
        return *search;
    }
    MemoryEditor editor;
    MemoryFiles files;
    OutlineSettings settings;
    std::unique_ptr<CSearch> search;
};

std::vector<std::string> names(const std::vector<rc::Row>& rows) {
    std::vector<std::string> out;
    for (const rc::Row& r : rows) out.push_back(str::toUtf8(r.text()));
    return out;
}

using Names = std::vector<std::string>;

} // namespace

TEST(ReferenceCandidates, MasksPickLabelsOrKeysInDocumentOrder) {
    Doc doc(u"\\section{S}\\label{fig:a}\r\n\\bibitem{k1} x\r\n\\label{eq:b}\r\n\\bibliography{refs}");
    doc.files.add(u"C:\\doc\\refs.bib", u"@book{knuth, title = {T}}");
    std::vector<rc::Row> rows;
    rc::fillCandidates(rows, doc.scan(), rc::LabelMask);
    EXPECT_EQ(names(rows), (Names{"fig:a", "eq:b"}));
    EXPECT_EQ(rows[0].image, doc.scan().imageOf(*rows[0].item));
    rc::fillCandidates(rows, doc.scan(), rc::KeyMask);
    EXPECT_EQ(names(rows), (Names{"k1", "knuth"}));
}

TEST(ReferenceCandidates, OrdersSortBySequenceOrName) {
    // Names chosen so that code-unit order ("B" < "a") and the user's order
    // ("a" < "B") differ.
    Doc doc(u"\\label{fig:a}\\label{eq:b}\\label{B}\\label{a}");
    struct Case { int order; Names expected; };
    const Case cases[] = {
        {0, {"fig:a", "eq:b", "B", "a"}},
        {1, {"a", "B", "eq:b", "fig:a"}},
        {2, {"fig:a", "eq:b", "B", "a"}},
        {3, {"a", "B", "eq:b", "fig:a"}},
    };
    for (const Case& c : cases) {
        std::vector<rc::Row> rows;
        rc::fillCandidates(rows, doc.scan(), rc::LabelMask);
        ASSERT_TRUE(rc::sortCandidates(rows, c.order));
        EXPECT_EQ(names(rows), c.expected) << "order " << c.order;
        EXPECT_EQ(rc::columnTitle(c.order), msgid::SortTitleFirst + static_cast<uint32_t>(c.order));
    }
}

TEST(ReferenceCandidates, GroupedOrdersKeepSectioningLabelsTogether) {
    // eq: equation, sec: section label, zz: other label, part: part label.
    Doc doc(u"\\label{eq:z}\\label{sec:x}\\label{zz}\\label{part:y}");
    std::vector<rc::Row> rows;
    rc::fillCandidates(rows, doc.scan(), rc::LabelMask);
    ASSERT_TRUE(rc::sortCandidates(rows, 4));
    EXPECT_EQ(names(rows), (Names{"sec:x", "part:y", "eq:z", "zz"}));
    ASSERT_TRUE(rc::sortCandidates(rows, 7));
    EXPECT_EQ(names(rows), (Names{"part:y", "sec:x", "eq:z", "zz"}));
    EXPECT_EQ(rc::columnTitle(7), msgid::SortTitleLast);
}

TEST(ReferenceCandidates, UnknownOrdersLeaveTheRowsAlone) {
    Doc doc(u"\\label{b}\\label{a}");
    std::vector<rc::Row> rows;
    rc::fillCandidates(rows, doc.scan(), rc::LabelMask);
    for (int order : {8, -1}) {
        EXPECT_FALSE(rc::sortCandidates(rows, order));
        EXPECT_EQ(names(rows), (Names{"b", "a"}));
        EXPECT_EQ(rc::columnTitle(order), 0u);
    }
}

TEST(ReferenceCandidates, NamesAreComparedByTheGivenComparison) {
    Doc doc(u"\\label{a}\\label{B}");
    std::vector<rc::Row> rows;
    rc::fillCandidates(rows, doc.scan(), rc::LabelMask);
    auto codeUnits = [](u16view a, u16view b) { return a.compare(b); };
    ASSERT_TRUE(rc::sortCandidates(rows, 3, codeUnits));
    EXPECT_EQ(names(rows), (Names{"B", "a"}));
}

TEST(ReferenceCandidates, LetterFilterIgnoresCaseAndFallsBackToAll) {
    Doc doc(u"\\label{fig:a}\\label{eq:b}\\label{Fx}\\label{}");
    struct Case { char16_t letter; Names expected; };
    const Case cases[] = {
        {u'F', {"fig:a", "Fx"}},
        {u'f', {"fig:a", "Fx"}},
        {u'e', {"eq:b"}},
        {u'q', {"fig:a", "eq:b", "Fx", ""}},   // none: all of them
    };
    for (const Case& c : cases) {
        std::vector<rc::Row> rows;
        rc::fillCandidatesByLetter(rows, doc.scan(), rc::LabelMask, c.letter);
        EXPECT_EQ(names(rows), c.expected) << static_cast<char>(c.letter);
    }
}
