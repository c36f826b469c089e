#include "make/root_file.h"

#include "base/str.h"
#include "tests/support/memory_editor.h"

#include <gtest/gtest.h>

namespace {

// A document of `count` lines with `text` on line `at` and line 0 given.
MemoryEditor documentWith(int at, u16view text, int count = 400, u16view first = u"") {
    u16 all;
    for (int i = 0; i < count; ++i) {
        if (i) all += u"\r\n";
        if (i == 0) all += first;
        if (i == at) all += text;
    }
    MemoryEditor ed(all);
    ed.setPath(u"C:\\doc\\ch1.tex");
    return ed;
}

TEST(ResolveRoot, BeginDocumentInTheFirst300LinesMakesTheDocumentItsOwnRootEvenWhenLocked) {
    MemoryEditor own = documentWith(250, u" \t\\begin{document}", 400, u"%Root main.tex");
    u16 path = u"stale";
    EXPECT_FALSE(root_file::ResolveRoot(own, path, true, u"C:\\locked\\main.tex"));
    EXPECT_TRUE(path.empty());

    // The 301st line is beyond the test: the lock and the root line count.
    MemoryEditor late = documentWith(300, u"  \\begin{document}", 400, u"%Root main.tex");
    EXPECT_TRUE(root_file::ResolveRoot(late, path, false, u"C:\\locked\\main.tex"));
    EXPECT_EQ(path, u"C:\\locked\\main.tex");
    EXPECT_TRUE(root_file::ResolveRoot(late, path, false, u""));
    EXPECT_EQ(path, u"main.tex");

    // Case matters for the marker, and a short document is read safely.
    MemoryEditor upper = documentWith(3, u"\\BEGIN{document}", 5, u"%Root main.tex");
    EXPECT_TRUE(root_file::ResolveRoot(upper, path, false, u""));
}

TEST(ResolveRoot, RootLineMustBeExactAtColumnZero) {
    u16 path;
    for (u16view first : {u"%root main.tex", u" %Root main.tex", u"%Rootmain.tex", u"%Root  "}) {
        MemoryEditor ed(first);
        EXPECT_FALSE(root_file::ResolveRoot(ed, path, false, u"")) << static_cast<int>(first.size());
        EXPECT_TRUE(path.empty());
    }
}

TEST(ResolveRoot, SpacesAreRefusedInTheFileNameOnly) {
    u16 path;
    MemoryEditor spaced(u"%Root my file.tex");
    EXPECT_FALSE(root_file::ResolveRoot(spaced, path, false, u""));
    MemoryEditor folder(u"%Root ../dir with space/main.tex");
    folder.setPath(u"C:\\doc\\ch1.tex");
    EXPECT_TRUE(root_file::ResolveRoot(folder, path, false, u""));
    EXPECT_EQ(path, u"../dir with space/main.tex"); // as written when not for make
    EXPECT_TRUE(root_file::ResolveRoot(folder, path, true, u""));
    EXPECT_EQ(path, u"C:\\dir with space\\main.tex");
}

TEST(ResolveRoot, ForMakeTheRootBecomesAbsoluteWithBackslashes) {
    u16 path;
    MemoryEditor ed(u"%Root sub/main.TEX\r\n\\chapter{One}");
    ed.setPath(u"C:\\doc\\ch1.tex");
    ASSERT_TRUE(root_file::ResolveRoot(ed, path, true, u""));
    EXPECT_EQ(path, u"C:\\doc\\sub\\main.TEX");

    MemoryEditor absolute(u"%Root D:/other/main.tex");
    absolute.setPath(u"C:\\doc\\ch1.tex");
    ASSERT_TRUE(root_file::ResolveRoot(absolute, path, true, u""));
    EXPECT_EQ(path, u"D:\\other\\main.tex");
}

TEST(ResolveRoot, ARootNamingTheDocumentItselfIsNoRoot) {
    u16 path;
    MemoryEditor ed(u"%Root CH1.tex");
    ed.setPath(u"C:\\doc\\ch1.tex");
    EXPECT_TRUE(root_file::ResolveRoot(ed, path, false, u""));  // not compared unless for make
    EXPECT_FALSE(root_file::ResolveRoot(ed, path, true, u""));
    EXPECT_TRUE(path.empty());
    EXPECT_FALSE(root_file::ResolveRoot(ed, path, true, u"c:/DOC/ch1.tex"));
}

TEST(ResolveRoot, AnUnacceptableLockFallsBackToTheRootLine) {
    u16 path;
    MemoryEditor ed(u"%Root main.tex");
    ed.setPath(u"C:\\doc\\ch1.tex");
    EXPECT_TRUE(root_file::ResolveRoot(ed, path, false, u"C:\\x\\my root.tex"));
    EXPECT_EQ(path, u"main.tex");
    MemoryEditor none(u"plain text");
    EXPECT_FALSE(root_file::ResolveRoot(none, path, false, u"C:\\x\\notes.txt"));
}

TEST(ResolveRoot, ACombinedPathBeyondTheShellBufferFails) {
    u16 path;
    MemoryEditor ed(u"%Root " + u16(600, u'a') + u".tex");
    ed.setPath(u"C:\\doc\\ch1.tex");
    EXPECT_TRUE(root_file::ResolveRoot(ed, path, false, u""));
    EXPECT_FALSE(root_file::ResolveRoot(ed, path, true, u""));
    EXPECT_TRUE(path.empty());
}

TEST(MagicRoot, SpellingsOfTheComment) {
    struct Case {
        u16view line;
        u16view path;
    };
    const Case cases[] = {
        {u"% !TEX root = main.tex", u"main.tex"},
        {u"%!TEX root=main.tex", u"main.tex"},
        {u"% !TeX root = ../main.tex  ", u"../main.tex"},
        {u"  %  !tex ROOT\t=\tsub/main.tex", u"sub/main.tex"},
        {u"% !TEX root = dir with space/main.tex", u"dir with space/main.tex"},
        {u"% !TEX program = lualatex", u""},
        {u"% !TEXroot = main.tex", u""},
        {u"% TEX root = main.tex", u""},
        {u"% !TEX root main.tex", u""},
        {u"% !TEX root = ", u""},
        {u"x % !TEX root = main.tex", u""},
        {u"\\% !TEX root = main.tex", u""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(root_file::MagicRootPath(c.line), c.path) << str::toUtf8(c.line);
    }
}

TEST(MagicRoot, ComesAfterTheRootLineAndResolvesLikeIt) {
    u16 path;
    // Alone, found within the first 20 lines; relative to the document's folder for make.
    MemoryEditor magic = documentWith(19, u"% !TEX root = ../main.tex", 30);
    EXPECT_TRUE(root_file::ResolveRoot(magic, path, false, u""));
    EXPECT_EQ(path, u"../main.tex");
    EXPECT_TRUE(root_file::ResolveRoot(magic, path, true, u""));
    EXPECT_EQ(path, u"C:\\main.tex");
    MemoryEditor late = documentWith(20, u"% !TEX root = ../main.tex", 30);
    EXPECT_FALSE(root_file::ResolveRoot(late, path, false, u""));

    struct Case {
        u16view first;
        u16view locked;
        u16view expected;
    };
    const Case order[] = {
        {u"%Root line.tex", u"", u"line.tex"},                         // the root line first
        {u"%Root line.tex", u"C:\\locked.tex", u"C:\\locked.tex"},    // the lock before both
        {u"%Root my line.tex", u"", u"magic.tex"},                     // an unacceptable root line
        {u"", u"C:\\x\\notes.txt", u"magic.tex"},                     // an unacceptable lock
    };
    for (const Case& c : order) {
        MemoryEditor ed = documentWith(3, u"% !TEX root = magic.tex", 10, c.first);
        EXPECT_TRUE(root_file::ResolveRoot(ed, path, false, c.locked)) << str::toUtf8(c.first);
        EXPECT_EQ(path, c.expected) << str::toUtf8(c.first);
    }
    // It does not redirect a document that is its own root, and names only .tex files.
    MemoryEditor own = documentWith(5, u"\\begin{document}", 10, u"% !TEX root = main.tex");
    EXPECT_FALSE(root_file::ResolveRoot(own, path, false, u""));
    MemoryEditor other = documentWith(0, u"", 10, u"% !TEX root = main.pdf");
    EXPECT_FALSE(root_file::ResolveRoot(other, path, false, u""));
    MemoryEditor self = documentWith(0, u"", 10, u"% !TEX root = CH1.tex");
    EXPECT_FALSE(root_file::ResolveRoot(self, path, true, u""));
}

} // namespace
