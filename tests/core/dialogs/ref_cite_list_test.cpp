#include "dialogs/ref_cite_list.h"

#include "base/str.h"
#include "outline/search.h"
#include "tests/core/outline/memory_files.h"
#include "tests/support/memory_editor.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

// A document open in the editor, scanned as the dialog scans it.
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

using Names = std::vector<std::string>;
Names names(const RefCiteList& list) {
    Names out;
    for (const auto& r : list.rows()) out.push_back(str::toUtf8(r.text()));
    return out;
}

constexpr char16_t Labels[] = u"\\section{S}\\label{sec:s}\r\n\\label{eq:e}\\label{fig:f}\r\n"
                              u"\\label{tab:t}\\label{item:i}\\label{other}\\label{chap:c}";

} // namespace

TEST(RefCiteFilter, BoxesAndMasks) {
    struct Case {
        ref_cite::FilterBoxes boxes;
        int32_t mask;
    } cases[] = {
        {{true, true, true, true, true, true}, ref_cite::DefaultLabelFilter},
        {{false, false, false, false, false, false}, 0},
        {{true, false, false, false, false, false}, 0x3F80},
        {{false, true, false, false, false, true}, 0x44000},
        {{false, false, true, true, true, false}, 0x38000},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ref_cite::maskOfBoxes(c.boxes), c.mask);
        EXPECT_EQ(ref_cite::boxesOfMask(c.mask), c.boxes);
    }
    // Any sectioning label class checks the headings box.
    EXPECT_EQ(ref_cite::boxesOfMask(0x200), (ref_cite::FilterBoxes{true, false, false, false, false, false}));
}

TEST(RefCiteFilter, OrdersCoverAllEight) {
    EXPECT_EQ(ref_cite::clampOrder(-3), 0);
    EXPECT_EQ(ref_cite::clampOrder(5), 5);
    EXPECT_EQ(ref_cite::clampOrder(12), 7);
    std::vector<int> seen;
    int order = 0;
    for (int i = 0; i < 9; ++i) seen.push_back(order = ref_cite::nextOrder(order));
    EXPECT_EQ(seen, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 0, 1}));
}

TEST(RefCiteList, ReferenceListFollowsTheMask) {
    Doc doc(Labels);
    RefCiteList list(doc.scan(), false, 0);
    EXPECT_TRUE(list.rows().empty());   // nothing until the boxes are read

    struct Case {
        int32_t mask;
        Names expected;
    } cases[] = {
        {ref_cite::DefaultLabelFilter, {"sec:s", "eq:e", "fig:f", "tab:t", "item:i", "other", "chap:c"}},
        {0x3F80, {"sec:s", "chap:c"}},
        {0x4000 | 0x40000, {"eq:e", "other"}},
        {0x8000 | 0x10000 | 0x20000, {"fig:f", "tab:t", "item:i"}},
        {0, {}},
    };
    for (const Case& c : cases) {
        EXPECT_TRUE(list.setMask(c.mask));
        EXPECT_EQ(names(list), c.expected) << std::hex << c.mask;
        EXPECT_FALSE(list.setMask(c.mask));   // the same mask again changes nothing
    }
}

TEST(RefCiteList, HeaderClicksStepThroughTheOrdersAndKeepThem) {
    Doc doc(u"\\label{eq:b}\\label{sec:z}\\label{a}\\label{chap:y}");
    RefCiteList list(doc.scan(), false, 6);
    list.setMask(ref_cite::DefaultLabelFilter);
    // Order 6: grouped by kind (headings first), names descending within.
    EXPECT_EQ(names(list), (Names{"sec:z", "chap:y", "eq:b", "a"}));
    list.nextOrder();
    EXPECT_EQ(list.order(), 7);
    EXPECT_EQ(names(list), (Names{"chap:y", "sec:z", "eq:b", "a"}));
    list.nextOrder();
    EXPECT_EQ(list.order(), 0);
    EXPECT_EQ(names(list), (Names{"eq:b", "sec:z", "a", "chap:y"}));
    // A refill from the snapshot keeps the order and the mask.
    list.nextOrder();
    list.refill();
    EXPECT_EQ(names(list), (Names{"chap:y", "a", "sec:z", "eq:b"}));
    EXPECT_EQ(list.mask(), ref_cite::DefaultLabelFilter);
}

TEST(RefCiteList, InsertTextOfASelection) {
    Doc doc(u"\\label{l1}\r\n\\bibitem{b} later\r\n\\bibliography{refs}");
    doc.files.add(u"C:\\doc\\refs.bib", u"@book{a, title = {T}}\r\n@article{c, title = {U}}");
    // Citation list: items and entries at once, whatever a mask says.
    RefCiteList cite(doc.scan(), true, 1);
    EXPECT_FALSE(cite.setMask(ref_cite::DefaultLabelFilter));
    EXPECT_EQ(names(cite), (Names{"c", "a", "b"}));

    struct Case {
        std::vector<int> rows;
        const char* expected;
    } cases[] = {
        {{0, 1, 2}, "b,a,c"},   // document order, not the list's
        {{1}, "a"},
        {{}, ""},
        {{7, -1}, ""},
    };
    for (const Case& c : cases) EXPECT_EQ(str::toUtf8(cite.insertText(c.rows)), c.expected);

    RefCiteList ref(doc.scan(), false, 0);
    ref.setMask(ref_cite::DefaultLabelFilter);
    EXPECT_EQ(str::toUtf8(ref.insertText({0})), "l1");
    EXPECT_EQ(ref.item(1), nullptr);
    EXPECT_EQ(str::toUtf8(ref.insertText({1})), "");
}
