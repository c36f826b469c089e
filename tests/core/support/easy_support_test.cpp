#include "support/easy_support.h"

#include "base/str.h"
#include "support/easy_support_dictionary.h"
#include "tests/support/memory_editor.h"

#include <gtest/gtest.h>

#include <map>

using easy_support::Analysis;
using easy_support::Trigger;

namespace {

// The abbreviations of the tests, kept in the program's own dictionary.
struct Abbreviations {
    CEditorSupportDic dic{nullptr};
    Abbreviations() { dic.put(-1, record::makeEasySupport(u":al", u"\\alpha")); }
    easy_support::AbbreviationLookup lookup() {
        return [this](u16view key) { return easy_support::expansion(dic, key); };
    }
};

// A one-line document with the caret at the end of the line.
struct Doc {
    explicit Doc(u16view line) : editor(line) {
        editor.SetCaretPos(PosKind::Logical, Position{static_cast<int32_t>(line.size()), 0});
    }
    bool press() {
        return easy_support::run(target, abbreviations.lookup(), [this](const Trigger& t) {
            opened.push_back(t);
            caretWhenOpened = editor.caret();
        });
    }
    MemoryEditor editor;
    snippet::Target target{editor};
    Abbreviations abbreviations;
    std::vector<Trigger> opened;
    Position caretWhenOpened;
};

} // namespace

TEST(EasySupportAnalysis, TextBeforeTheCaretDecidesTheAction) {
    struct Case {
        const char16_t* text;
        Analysis::Kind kind;
        Trigger trigger;
    };
    const Trigger none{};
    const Case cases[] = {
        {u"x_", Analysis::Braces, none},
        {u"a^", Analysis::Braces, none},
        {u"plain words", Analysis::NotUsed, none},
        {u"\\ref{a} x", Analysis::NotUsed, none},          // a "}" ends the search
        {u":zz", Analysis::NotUsed, none},                 // unknown, and no command before it
        {u"\\ref", Analysis::OpenList, {true, false, false}},
        {u"\\ref{", Analysis::OpenList, {true, true, false}},
        {u"\\pageref", Analysis::OpenList, {true, false, false}},
        {u"\\pageref{", Analysis::OpenList, {true, true, false}},
        {u"\\eqref{", Analysis::OpenList, {true, true, false}},
        {u"see \\ref:zz", Analysis::OpenList, {true, false, false}},
        {u"\\cite", Analysis::OpenList, {false, false, false}},
        {u"\\cite{", Analysis::OpenList, {false, true, false}},
        {u"\\cite{a", Analysis::OpenList, {false, true, true}},
        {u"\\cite{a,", Analysis::OpenList, {false, true, false}},
        {u"\\nocite", Analysis::OpenList, {false, false, false}},
        {u"\\nocite{k1", Analysis::OpenList, {false, true, true}},
        {u"\\ref{sec", Analysis::UsedNothing, none},
        {u"\\Ref", Analysis::UsedNothing, none},           // the commands are case-sensitive
        {u"\\citep", Analysis::UsedNothing, none},
    };
    Abbreviations abbreviations;
    for (const Case& c : cases) {
        Analysis a = easy_support::analyze(c.text, abbreviations.lookup());
        EXPECT_EQ(a.kind, c.kind) << str::toUtf8(c.text);
        if (c.kind == Analysis::OpenList) {
            EXPECT_EQ(a.trigger, c.trigger) << str::toUtf8(c.text);
        }
    }
}

TEST(EasySupportAction, WrapsASubscriptInBraces) {
    Doc doc(u"x_");
    EXPECT_TRUE(doc.press());
    EXPECT_EQ(doc.editor.text(), u"x_{}");
    EXPECT_EQ(doc.editor.caret(), (Position{3, 0}));
    EXPECT_EQ(doc.editor.anchor(), (Position{3, 0}));
    EXPECT_EQ(doc.editor.redrawDepth(), 0);
}

TEST(EasySupportAction, ExpandsAKnownAbbreviation) {
    Doc doc(u"a :al");
    EXPECT_TRUE(doc.press());
    EXPECT_EQ(doc.editor.text(), u"a \\alpha");
    EXPECT_EQ(doc.editor.caret(), (Position{8, 0}));
    EXPECT_EQ(doc.editor.redrawDepth(), 0);
}

TEST(EasySupportAction, AReferenceCommandOpensTheListWithTheCaretInPlace) {
    Doc doc(u"see \\ref");
    EXPECT_TRUE(doc.press());
    ASSERT_EQ(doc.opened.size(), 1u);
    EXPECT_TRUE(doc.opened[0].refMode);
    EXPECT_EQ(doc.caretWhenOpened, (Position{8, 0}));
    EXPECT_EQ(doc.editor.anchor(), doc.editor.caret()); // the look-behind selection is gone
    EXPECT_EQ(doc.editor.text(), u"see \\ref");
    EXPECT_EQ(doc.editor.redrawDepth(), 0);
}

TEST(EasySupportAction, LeavesTheEditorAsItWasWhenNothingApplies) {
    struct Case {
        const char16_t* line;
        int32_t caretColumn;
        bool used;
    };
    const Case cases[] = {
        {u"\\ref{sec", 8, true},     // a command, but not one with a list: the key is eaten
        {u"plain", 5, false},
        {u"\\ref", 0, false},        // caret at the line's start
    };
    for (const Case& c : cases) {
        Doc doc(c.line);
        doc.editor.SetCaretPos(PosKind::Logical, Position{c.caretColumn, 0});
        EXPECT_EQ(doc.press(), c.used) << str::toUtf8(c.line);
        EXPECT_EQ(doc.editor.text(), c.line);
        EXPECT_EQ(doc.editor.caret(), (Position{c.caretColumn, 0}));
        EXPECT_EQ(doc.editor.anchor(), (Position{c.caretColumn, 0}));
        EXPECT_EQ(doc.editor.redrawDepth(), 0);
        EXPECT_TRUE(doc.opened.empty());
    }
}

TEST(EasySupportAction, LooksBackAtMost1024Characters) {
    Doc near(u"\\ref" + u16(1020, u'x'));   // the backslash is just inside
    EXPECT_TRUE(near.press());
    Doc far(u"\\ref" + u16(1021, u'x'));    // just outside
    EXPECT_FALSE(far.press());
}

TEST(EasySupportAction, ARestoredSelectionKeepsItsDirection) {
    Doc doc(u"\\ref{sec");
    doc.editor.SetSelection(Position{8, 0}, Position{6, 0}); // \ref{s before the caret
    EXPECT_TRUE(doc.press());
    EXPECT_EQ(doc.editor.anchor(), (Position{8, 0}));
    EXPECT_EQ(doc.editor.caret(), (Position{6, 0}));
}

TEST(EasySupportChoice, BracesAndCommaFollowTheCommandTyped) {
    struct Case {
        const char16_t* line;
        Trigger trigger;
        const char16_t* name;
        const char16_t* result;
        int32_t caretColumn;
    };
    const Case cases[] = {
        {u"\\ref", {true, false, false}, u"sec:a", u"\\ref{sec:a}", 11},
        {u"\\ref{", {true, true, false}, u"sec:a", u"\\ref{sec:a", 10},
        {u"\\cite", {false, false, false}, u"knuth", u"\\cite{knuth}", 11},
        {u"\\cite{", {false, true, false}, u"knuth", u"\\cite{knuth", 11},
        {u"\\cite{a", {false, true, true}, u"knuth", u"\\cite{a,knuth", 13},
    };
    for (const Case& c : cases) {
        Doc doc(c.line);
        ASSERT_TRUE(easy_support::insertChoice(doc.target, c.trigger, c.name));
        EXPECT_EQ(doc.editor.text(), c.result) << str::toUtf8(c.line);
        EXPECT_EQ(doc.editor.caret(), (Position{c.caretColumn, 0})) << str::toUtf8(c.line);
    }
}
