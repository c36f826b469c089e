#include "support/candidate_list.h"

#include "base/str.h"
#include "outline/search.h"
#include "settings/setting.h"
#include "settings/setting_keys.h"
#include "tests/core/outline/memory_files.h"
#include "tests/support/memory_editor.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

using Action = CandidateList::Action;

namespace {

const easy_support::Trigger kRef{true, false, false};
const easy_support::Trigger kCite{false, false, false};

// The document is both what is scanned and where the choice goes.
struct Doc {
    explicit Doc(u16view text) : editor(text) {
        editor.setPath(u"C:\\doc\\main.tex");
        scan = std::make_unique<CSearch>(editor, outline, u"", files);
        editor.RunHostCommand(4169);   // caret to the end: after the command typed last
    }
    std::vector<std::string> names(const CandidateList& list) const {
        std::vector<std::string> out;
        for (const auto& r : list.rows()) out.push_back(str::toUtf8(r.text()));
        return out;
    }
    MemoryEditor editor;
    MemoryFiles files;
    OutlineSettings outline;
    std::unique_ptr<CSearch> scan;
};

using Names = std::vector<std::string>;

} // namespace

TEST(CandidateList, StartConfirmsAtOnceWithoutAChoiceToMake) {
    TempDir dir;
    CSetting settings(dir.path());
    struct Case { const char16_t* text; Action action; const char16_t* after; };
    const Case cases[] = {
        {u"no labels \\ref", Action::Confirm, u"no labels \\ref"},
        {u"\\label{only}\r\n\\ref", Action::Confirm, u"\\label{only}\r\n\\ref{only}"},
        {u"\\label{a}\\label{b}\r\n\\ref", Action::Used, u"\\label{a}\\label{b}\r\n\\ref"},
    };
    for (const Case& c : cases) {
        Doc doc(c.text);
        CandidateList list(*doc.scan, kRef, 0);
        EXPECT_EQ(list.start(), c.action) << str::toUtf8(c.text);
        if (c.action == Action::Confirm) list.confirm(snippet::Target{doc.editor}, settings);
        EXPECT_EQ(doc.editor.text(), c.after);
    }
}

TEST(CandidateList, LetterFilterRefillsInDocumentOrderAndBackspaceUndoesIt) {
    Doc doc(u"\\label{fig:b}\\label{eq:a}\\label{fig:a}\\label{Fx}");
    CandidateList list(*doc.scan, kRef, 3);
    ASSERT_EQ(list.start(), Action::Used);
    EXPECT_EQ(doc.names(list), (Names{"eq:a", "fig:a", "fig:b", "Fx"}));
    EXPECT_EQ(list.selected(), 0);

    list.select(2);
    EXPECT_EQ(list.handleKey('F'), Action::Used);
    EXPECT_EQ(list.filterLetter(), u'F');
    EXPECT_EQ(doc.names(list), (Names{"fig:b", "fig:a", "Fx"}));
    EXPECT_EQ(list.selected(), 0) << "a letter and Enter take the first label with it";
    EXPECT_EQ(list.handleKey('Q'), Action::Used);   // nothing begins with q: all again
    EXPECT_EQ(doc.names(list), (Names{"fig:b", "eq:a", "fig:a", "Fx"}));
    list.select(2);
    EXPECT_EQ(list.handleKey(8), Action::Used);     // Backspace clears the filter
    EXPECT_EQ(list.filterLetter(), 0);
    EXPECT_EQ(list.selected(), 0);
    EXPECT_EQ(list.handleKey(8), Action::Close);    // and then closes
}

TEST(CandidateList, KeysMoveTheSelectionWithinTheRows) {
    Doc doc(u"\\label{a}\\label{b}\\label{c}");
    CandidateList list(*doc.scan, kRef, 0);
    list.start();
    struct Step { int32_t key; Action action; int selected; };
    const Step steps[] = {
        {40, Action::Used, 1}, {32, Action::Used, 2}, {40, Action::Used, 2},   // Down, Space, stop at the end
        {38, Action::Used, 1}, {38, Action::Used, 0}, {38, Action::Used, 0},   // Up, stop at the top
        {13, Action::Confirm, 0}, {27, Action::Close, 0}, {0x70, Action::NotUsed, 0},
    };
    for (const Step& s : steps) {
        EXPECT_EQ(list.handleKey(s.key), s.action) << s.key;
        EXPECT_EQ(list.selected(), s.selected) << s.key;
    }
    list.select(-1);
    EXPECT_EQ(list.handleKey(38), Action::Used);   // none selected: the first
    EXPECT_EQ(list.selected(), 0);
}

TEST(CandidateList, KeyListsHaveNoLetterFilter) {
    Doc doc(u"\\bibitem{k1} x\r\n\\bibitem{k2} y");
    CandidateList list(*doc.scan, kCite, 0);
    list.start();
    EXPECT_EQ(list.handleKey('K'), Action::NotUsed);
    EXPECT_EQ(list.handleKey(8), Action::Close);
}

TEST(CandidateList, HeaderClickCyclesTheOrderAndKeepsTheChoice) {
    Doc doc(u"\\label{b}\\label{a}");
    CandidateList list(*doc.scan, kRef, 3);
    list.start();
    ASSERT_EQ(doc.names(list), (Names{"a", "b"}));
    list.nextOrder();
    EXPECT_EQ(list.sortOrder(), 0);
    EXPECT_EQ(doc.names(list), (Names{"b", "a"}));
    EXPECT_EQ(list.chosen()->name, u"a");
}

TEST(CandidateList, ConfirmInsertsTheKeyAndStoresTheOrder) {
    TempDir dir;
    CSetting settings(dir.path());
    Doc doc(u"\\bibitem{k1} x\r\n\\bibitem{k2} y\r\n\\cite");
    CandidateList list(*doc.scan, kCite, CandidateList::storedOrder(settings, false));
    list.start();
    list.handleKey(40);
    list.nextOrder();
    ASSERT_TRUE(list.confirm(snippet::Target{doc.editor}, settings));
    EXPECT_EQ(doc.editor.GetLineText(2), u"\\cite{k2}");
    EXPECT_EQ(doc.editor.caret(), (Position{8, 2}));
    EXPECT_EQ(settings.readInt(ini_keys::easy_support::Section, ini_keys::easy_support::CiteSort, 0), 1);
    EXPECT_EQ(CandidateList::storedOrder(settings, false), 1);
}
