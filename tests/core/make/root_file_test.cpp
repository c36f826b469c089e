#include "make/root_file.h"

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

} // namespace
