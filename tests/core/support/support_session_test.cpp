#include "support/support_session.h"

#include "dictionary_test_util.h"
#include "settings/setting.h"
#include "settings/setting_keys.h"
#include "support/environment_dictionary.h"
#include "support/history_positions.h"
#include "support/tex_dictionary.h"
#include "tests/support/memory_editor.h"

#include <gtest/gtest.h>

using Key = SupportSession::KeyResult;
namespace hk = ini_keys::settings;

namespace {

// Positions: 0 \alpha, 1 \Alpha, 2 \begin{}, 3 \beta, 4 \section{},
// 5 \section*{}, 6 \subsection{}, 7 \textbf{}.
const char* kCommands =
    "\\alpha\t\tGreek alpha\n"
    "\\Alpha\t\tCapital\n"
    "\\begin\t{}\tBegin\n"
    "\\beta\t\tGreek beta\n"
    "\\section\t{}\tSection\n"
    "\\section*\t{}\tUnnumbered\n"
    "\\subsection\t{}\tSubsection\n"
    "\\textbf\t{}\tBold\n";

constexpr int32_t Ctrl = 0x200;

struct Fixture {
    explicit Fixture(SupportOptions o = {}) : options(o) {
        f.writeAllSources(kCommands, "\\begin{figure}\t[h]\n\\begin{table}\t[]\n");
        store = std::make_unique<DictionaryStore>(f.paths());
        commands = std::make_unique<CTeXDictionary>(store.get(), nullptr);
        environments = std::make_unique<CTeXEDictionary>(store.get());
        settings = std::make_unique<CSetting>(f.dir.path());
    }
    SupportSession& open() {
        session = std::make_unique<SupportSession>(*commands, *environments, *settings, store->historyPath(), options);
        session->open();
        return *session;
    }
    // Types text character by character into a box that holds a backslash.
    void type(u16view text) {
        u16 box(u"\\");
        for (char16_t c : text) {
            box.push_back(c);
            session->typed(box, box.size(), box.size(), c);
        }
    }
    Key press(int32_t key) { return session->handleKey(key, target); }
    u16 setting(const char16_t* key) { return settings->readString(hk::Section, key, u""); }

    dict_test::Folder f;
    SupportOptions options;
    std::unique_ptr<DictionaryStore> store;
    std::unique_ptr<CTeXDictionary> commands;
    std::unique_ptr<CTeXEDictionary> environments;
    std::unique_ptr<CSetting> settings;
    std::unique_ptr<SupportSession> session;
    MemoryEditor editor;
    snippet::Target target{editor};
};

SupportOptions recentLists() {
    SupportOptions o;
    o.historyListByCount = false;
    o.wordsByCount = false;
    return o;
}

} // namespace

TEST(SupportSession, OpensOnTheLastCommandReadyToBeTypedOver) {
    Fixture fx;
    fx.settings->writeInt(hk::Section, hk::SupportHistory, 3);
    SupportSession& s = fx.open();
    EXPECT_EQ(s.selected(), 3);
    EXPECT_EQ(s.input(), u"\\beta");
    EXPECT_EQ(s.selectionStart(), 1u);
    EXPECT_EQ(s.selectionEnd(), 5u);
    EXPECT_EQ(s.description(), u"Greek beta");
    EXPECT_TRUE(s.historyVisible());
}

TEST(SupportSession, OpensOnTheLastInsertedText) {
    Fixture fx;
    fx.settings->writeString(hk::Section, hk::SupportLastString, u"\\textbf{}");
    SupportSession& s = fx.open();
    EXPECT_EQ(s.input(), u"\\textbf{}");
    EXPECT_EQ(s.selected(), 7);
    EXPECT_EQ(s.selectionStart(), 1u);
}

TEST(SupportSession, TypingSelectsTheFirstCommandNotBeforeTheText) {
    struct Case { const char16_t* typed; int selected; };
    const Case cases[] = {{u"sec", 4}, {u"sf", 6}, {u"zz", 7}, {u"B", 4}};   // b < B < s
    for (const Case& c : cases) {
        Fixture fx;
        fx.open();
        fx.type(c.typed);
        EXPECT_EQ(fx.session->selected(), c.selected) << dict_test::utf8(c.typed);
        EXPECT_EQ(fx.session->input(), u"\\" + u16(c.typed));   // the box keeps what was typed
    }
}

TEST(SupportSession, AnInitialLetterProposesItsRememberedCommand) {
    Fixture fx(recentLists());
    std::vector<int32_t> words(history_positions::WordSlots, -1);
    words[dict_order::bucketOf(u's')] = 5;
    history_positions::writeWords(*fx.settings, words);
    SupportSession& s = fx.open();
    fx.type(u"s");
    EXPECT_EQ(s.input(), u"\\section*{}");
    EXPECT_EQ(s.selectionStart(), 2u);
    EXPECT_EQ(s.selectionEnd(), 11u);
    EXPECT_TRUE(s.autoCompleted());

    // Enter takes the proposal and remembers it.
    EXPECT_EQ(fx.press(13), Key::Close);
    EXPECT_EQ(fx.editor.text(), u"\\section*{}");
    EXPECT_EQ(s.selected(), 5);
    EXPECT_EQ(fx.setting(hk::SupportLastString), u"\\section*{}");
    EXPECT_EQ(history_positions::readList(*fx.settings)[0], 5);
    EXPECT_EQ(history_positions::readWords(*fx.settings)[dict_order::bucketOf(u's')], 5);
}

TEST(SupportSession, UsesAreCountedInTheHistoryFile) {
    Fixture fx;   // the history list ranks by count
    fx.open();
    fx.type(u"textbf{}");
    EXPECT_EQ(fx.press(13), Key::Close);
    EXPECT_EQ(fx.editor.caret(), (Position{9, 0}));   // where the box's caret was
    auto records = history_file::read(fx.store->historyPath(), 8);
    EXPECT_EQ(records[7].useCount, 1);
    EXPECT_EQ(records[4].useCount, 0);
    fx.open();
    EXPECT_EQ(fx.session->historySlots()[0], 7);
    EXPECT_EQ(fx.session->slotText(0), u"\\textbf{}");
}

TEST(SupportSession, ClosingKeys) {
    struct Case { const char16_t* typed; int32_t key; Key result; };
    const Case cases[] = {
        {u"", 27, Key::Close},       // Esc
        {u"se", 27, Key::Close},
        {u"", 8, Key::Close},        // Backspace in a lone backslash
        {u"", 46, Key::Close},       // Delete
        {u"se", 8, Key::NotUsed},    // the box deletes the character
        {u"se", 0x41, Key::NotUsed}, // a letter is the box's
    };
    for (const Case& c : cases) {
        Fixture fx;
        fx.settings->writeString(hk::Section, hk::SupportLastString, u"\\");   // too short to be used
        fx.open();
        fx.session->typed(u"\\", 1, 1, u'\\');
        fx.type(c.typed);
        EXPECT_EQ(fx.press(c.key), c.result) << dict_test::utf8(c.typed) << " " << c.key;
        EXPECT_EQ(fx.editor.text(), u"");
    }
}

TEST(SupportSession, ComplementShowsTheCandidateThenStepsOn) {
    Fixture fx;
    SupportSession& s = fx.open();
    fx.type(u"sec");
    EXPECT_EQ(fx.press(9), Key::Used);
    EXPECT_EQ(s.input(), u"\\section{}");
    EXPECT_EQ(s.selectionEnd(), 8u);   // after the name
    EXPECT_EQ(fx.press(9), Key::Used);
    EXPECT_EQ(s.input(), u"\\section*{}");
    EXPECT_EQ(fx.press(265), Key::Used);   // Shift+Tab: back
    EXPECT_EQ(s.input(), u"\\section{}");
    EXPECT_EQ(fx.press(40), Key::Used);    // Down
    EXPECT_EQ(fx.press(34), Key::Used);    // Page Down stops at the last
    EXPECT_EQ(s.selected(), 7);
    EXPECT_EQ(fx.press(33), Key::Used);    // Page Up
    EXPECT_EQ(s.selected(), 2);
}

TEST(SupportSession, SuffixSearchStepsAlongTheEndings) {
    Fixture fx;
    SupportSession& s = fx.open();
    fx.type(u"tion");
    EXPECT_EQ(fx.press(521), Key::Used);
    EXPECT_EQ(s.input(), u"\\section{}");
    EXPECT_EQ(fx.press(521), Key::Used);   // again at once: the next ending
    EXPECT_EQ(s.input(), u"\\section*{}");
    fx.type(u"bf");                         // typing starts a fresh search
    EXPECT_EQ(fx.press(521), Key::Used);
    EXPECT_EQ(s.input(), u"\\textbf{}");
}

TEST(SupportSession, HistorySlotsByCtrlKeys) {
    struct Case { int32_t afterHistory; bool inserted; bool historyVisible; };
    const Case cases[] = {{0, false, true}, {1, false, false}, {2, true, true}};
    for (const Case& c : cases) {
        SupportOptions o = recentLists();
        o.afterHistory = c.afterHistory;
        Fixture fx(o);
        std::vector<int32_t> list(history_positions::ListSlots, -1);
        list[12] = 0;
        history_positions::writeList(*fx.settings, list);
        SupportSession& s = fx.open();
        EXPECT_EQ(fx.press(Ctrl | 'B'), Key::NotUsed);   // empty slot 11
        EXPECT_EQ(fx.press(Ctrl | 'C'), c.inserted ? Key::Close : Key::Used);
        EXPECT_EQ(s.input(), u"\\alpha");
        EXPECT_EQ(fx.editor.text(), c.inserted ? u"\\alpha" : u"");
        EXPECT_EQ(s.historyVisible(), c.historyVisible);
    }
}

TEST(SupportSession, ABackslashAtOnceInsertsTwo) {
    for (int32_t key : {220, 226}) {
        Fixture fx;
        fx.open();   // the box's text after the backslash is selected
        EXPECT_EQ(fx.press(key), Key::Close);
        EXPECT_EQ(fx.editor.text(), u"\\\\");
    }
    Fixture typed;
    typed.open();
    typed.type(u"b");
    EXPECT_EQ(typed.press(220), Key::NotUsed);
    EXPECT_EQ(typed.editor.text(), u"");
}

TEST(SupportSession, EnvironmentCandidateCompletesAndInserts) {
    Fixture fx;
    SupportSession& s = fx.open();
    fx.type(u"begin{fig");
    EXPECT_EQ(s.environmentLine(), u"\\begin{figure} [h]");
    EXPECT_EQ(fx.press(288), Key::Close);
    EXPECT_EQ(fx.editor.text(), u"\\begin{figure}[h]");

    SupportOptions o;
    o.insertAfterComplete = false;
    Fixture stay(o);
    stay.open();
    stay.type(u"begin{table}");
    EXPECT_EQ(stay.press(288), Key::Used);
    EXPECT_EQ(stay.session->input(), u"\\begin{table}[]");
    EXPECT_EQ(stay.session->selectionEnd(), 13u);
    EXPECT_EQ(stay.editor.text(), u"");
}

TEST(SupportSession, HistoryKeyTogglesAndRemembersTheWindow) {
    Fixture fx;
    SupportSession& s = fx.open();
    ASSERT_TRUE(s.historyVisible());
    EXPECT_EQ(fx.press(544), Key::Used);
    EXPECT_FALSE(s.historyVisible());
    EXPECT_EQ(fx.settings->readInt(hk::Section, hk::SupportHistoryStatus, 1), 0);
    fx.options.showHistory = 2;   // always shown, whatever was left
    EXPECT_TRUE(fx.open().historyVisible());
}

TEST(SupportSession, OptionsWithoutAnEssentialKeyAreUnusable) {
    Fixture fx;
    fx.settings->writeInt(ini_keys::support::Section, ini_keys::support::ComplementKey, 0);
    SupportOptions o = SupportOptions::read(*fx.settings);
    EXPECT_FALSE(o.usable());
    EXPECT_TRUE(SupportOptions{}.usable());
}

TEST(SupportSession, AnEditWithoutATypedCharacterIsWhatGetsInserted) {
    Fixture fx;
    SupportSession& s = fx.open();
    fx.type(u"sec");
    int selected = s.selected();
    // The box lost its last character to Delete: no lookup, but Enter
    // inserts what the box shows, at the box's caret.
    s.edited(u"\\se", 3, 3);
    EXPECT_EQ(s.selected(), selected);
    EXPECT_EQ(s.input(), u"\\se");
    EXPECT_EQ(fx.press(13), Key::Close);
    EXPECT_EQ(fx.editor.text(), u"\\se");
    EXPECT_EQ(fx.editor.caret(), (Position{3, 0}));
}

TEST(SupportSession, TheLastShownCommandIsStoredWhenTheWindowCloses) {
    Fixture fx;
    fx.settings->writeInt(hk::Section, hk::SupportHistory, 1);
    fx.open();
    fx.type(u"sec");
    EXPECT_EQ(fx.settings->readInt(hk::Section, hk::SupportHistory, -1), 1) << "not on every letter";
    EXPECT_EQ(fx.press(27), Key::Close);
    fx.session->closed();
    EXPECT_EQ(fx.settings->readInt(hk::Section, hk::SupportHistory, -1), 4);
    fx.open();
    EXPECT_EQ(fx.session->selected(), 4) << "the next opening starts there";
}
