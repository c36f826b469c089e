#include "mainwindow/command_texts.h"

#include "base/str.h"
#include "frame/message_ids.h"

#include <gtest/gtest.h>

#include <map>

namespace ct = command_texts;

namespace {

constexpr uint32_t Typeset = 41045, OpensPalette = 41009, Outline = 41042, RootFile = 41115, RootLock = 41123,
                   Highlight = 41124, Swap = 41137, Plain = 41001;

// Short stand-ins for the library's texts, so that what was joined shows.
std::map<uint32_t, u16> library() {
    using namespace msgid;
    return {
        {commandText(Typeset), u"Typeset"},
        {commandText(OpensPalette), u"Greek"},
        {commandText(Outline), u"Outline"},
        {commandText(RootFile), u"Root"},
        {commandText(RootLock), u"Lock"},
        {commandText(Highlight), u"Mark"},
        {commandText(Swap), u"Swap"},
        {commandText(Plain), u"Two\r\nlines"},
        {StatusSubWindow, u" [win]"},
        {StatusTypesetSwapOff, u" [off]"},
        {StatusTypesetSwapOn, u" [on]"},
        {StatusRootLocked, u" [locked]"},
        {StatusSwapOn, u" [swap]"},
        {StatusRootPathBefore, u" (root: "},
        {StatusOpenRoot, u" [open]"},
        {StatusPatternBefore, u" (pattern: "},
        {TipSubWindow, u"\r\nwin"},
        {TipTypesetSwapOff, u"\r\noff"},
        {TipTypesetSwapOn, u"\r\non"},
        {TipRootLocked, u"\r\nlocked"},
        {TipSwapOn, u"\r\nswap"},
        {TipRootPathAfter, u" (locked)"},
        {TipOpenRoot, u"\r\nopen"},
        {TipPatternBefore, u"\r\npattern:"},
    };
}

ct::Texts texts(std::map<uint32_t, u16> table = library()) {
    return [table](uint32_t id) {
        auto it = table.find(id);
        return it == table.end() ? u16() : it->second;
    };
}

ct::State state(bool lock, bool swap, bool highlight, u16 root = u"", u16 pattern = u"", u16 shortcut = u"") {
    return ct::State{lock, swap, highlight, std::move(root), std::move(pattern), std::move(shortcut)};
}

struct Case {
    uint32_t command;
    ct::State state;
    const char* status;
    const char* tip;
};

} // namespace

TEST(CommandTexts, StatusAndTipFollowTheToggles) {
    const u16 root = u"C:\\doc\\main.tex";
    const Case cases[] = {
        {Plain, state(true, true, true), "Two  lines", "Two\r\nlines"},   // each of CR and LF a space
        {OpensPalette, state(false, false, false), "Greek [win]", "Greek\r\nwin"},
        {Typeset, state(false, false, false), "Typeset [off]", "Typeset\r\noff"},
        {Typeset, state(true, true, false, root), "Typeset [on] [locked]", "Typeset\r\non\r\nlocked"},
        {Outline, state(false, true, false), "Outline", "Outline"},
        {Outline, state(true, false, false, root), "Outline [locked]", "Outline"},
        {RootFile, state(true, false, false, root), "Root [open]", "Root\r\nopen"},
        {RootLock, state(false, false, false, root), "Lock [open]", "Lock\r\nopen"},
        {RootLock, state(true, false, false, root), "Lock (root: C:\\doc\\main.tex) [open]",
         "Lock\r\nC:\\doc\\main.tex (locked)\r\nopen"},
        // A lock whose file is not known says only that it is on.
        {RootLock, state(true, false, false), "Lock [open]", "Lock (locked)\r\nopen"},
        {Highlight, state(false, false, false, u"", u"\\\\section"), "Mark", "Mark"},
        {Highlight, state(false, false, true, u"", u"\\\\section"), "Mark (pattern: \\\\section)",
         "Mark\r\npattern:\r\n\\\\section"},
        {Highlight, state(false, false, true), "Mark", "Mark"},
        {Swap, state(false, false, false), "Swap", "Swap"},
        {Swap, state(false, true, false), "Swap [swap]", "Swap\r\nswap"},
        // The shortcut key's name follows the command's text, before the
        // additions; the status line does not name it.
        {Typeset, state(false, false, false, u"", u"", u"Ctrl + Shift + 1"), "Typeset [off]",
         "Typeset\r\nCtrl + Shift + 1\r\noff"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(str::toUtf8(ct::statusText(c.command, c.state, texts())), c.status) << c.command;
        EXPECT_EQ(str::toUtf8(ct::tipText(c.command, c.state, texts())), c.tip) << c.command;
    }
}

TEST(CommandTexts, ACommandWithoutTextClearsTheStatusLine) {
    std::map<uint32_t, u16> table = library();
    table.erase(msgid::commandText(Typeset));
    EXPECT_EQ(ct::statusText(Typeset, state(true, true, false), texts(table)), u"");
    EXPECT_EQ(ct::statusText(99999, state(false, false, false), texts()), u"");
    EXPECT_EQ(ct::buttonText(Typeset, texts(table)), u"");
    // No library at all: nothing, and no failure.
    EXPECT_EQ(ct::statusText(Typeset, state(false, false, false), ct::Texts()), u"");
    EXPECT_EQ(ct::tipText(Typeset, state(false, false, false), ct::Texts()), u"");
}

TEST(CommandTexts, TipsKeepToTheLimitAndAddOnlyWholePieces) {
    // A path too long for the tip is left out; the rest still fits.
    u16 longRoot = u"C:\\" + u16(70, u'd') + u"\\main.tex";
    EXPECT_EQ(ct::tipText(RootLock, state(true, false, false, longRoot), texts()), u"Lock (locked)\r\nopen");
    // The status line has no limit: it shows the whole path.
    EXPECT_EQ(ct::statusText(RootLock, state(true, false, false, longRoot), texts()),
              u"Lock (root: " + longRoot + u") [open]");

    // A name that nearly fills the tip leaves no room for what follows;
    // a later, shorter piece still goes in.
    std::map<uint32_t, u16> table = library();
    table[msgid::commandText(Typeset)] = u16(72, u'x');
    u16 tip = ct::tipText(Typeset, state(true, true, false), texts(table));   // "\r\non" fits, "\r\nlocked" not
    EXPECT_EQ(tip, u16(72, u'x') + u"\r\non");

    // An overlong name is cut to the limit, and not inside a pair of
    // surrogates.
    table[msgid::commandText(Typeset)] = u16(78, u'y') + u"\U0001D400" + u"zz";
    tip = ct::tipText(Typeset, state(false, false, false), texts(table));
    EXPECT_EQ(tip, u16(78, u'y'));
    EXPECT_EQ(ct::buttonText(Typeset, texts(table)), u16(78, u'y'));
    table[msgid::commandText(Typeset)] = u16(100, u'y');
    EXPECT_EQ(ct::tipText(Typeset, state(false, false, false), texts(table)).size(), ct::TextLimit);
}

TEST(CommandTexts, ButtonTextIsOneLine) {
    EXPECT_EQ(ct::buttonText(Plain, texts()), u"Two  lines");
    EXPECT_EQ(ct::buttonText(Swap, texts()), u"Swap");
}
