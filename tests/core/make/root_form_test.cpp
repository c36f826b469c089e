#include "make/root_form.h"

#include "tests/support/memory_editor.h"

#include <gtest/gtest.h>

namespace {

TEST(RootForm, RelativePathsBetweenFiles) {
    EXPECT_EQ(root_form::relativeTo(u"C:\\doc\\ch1.tex", u"C:\\doc\\main.tex"), u"main.tex");
    EXPECT_EQ(root_form::relativeTo(u"C:\\doc\\ch1.tex", u"C:\\doc\\sub\\main.tex"), u"sub\\main.tex");
    EXPECT_EQ(root_form::relativeTo(u"C:\\doc\\parts\\ch1.tex", u"C:\\doc\\main.tex"), u"..\\main.tex");
    EXPECT_EQ(root_form::relativeTo(u"C:\\a\\b\\ch1.tex", u"C:\\x\\y\\main.tex"), u"..\\..\\x\\y\\main.tex");
    // Folders differ only in case: still the same folder; '/' reads as '\'.
    EXPECT_EQ(root_form::relativeTo(u"c:/DOC/ch1.tex", u"C:\\doc\\dir with space\\main.tex"),
              u"dir with space\\main.tex");
    // A file at the top of the drive.
    EXPECT_EQ(root_form::relativeTo(u"C:\\ch1.tex", u"C:\\doc\\main.tex"), u"doc\\main.tex");
    EXPECT_EQ(root_form::relativeTo(u"C:\\doc\\ch1.tex", u"C:\\main.tex"), u"..\\main.tex");
}

TEST(RootForm, NoRelativePathAcrossDrivesOrShares) {
    EXPECT_EQ(root_form::relativeTo(u"C:\\doc\\ch1.tex", u"D:\\doc\\main.tex"), u"D:\\doc\\main.tex");
    EXPECT_EQ(root_form::relativeTo(u"\\\\srv\\a\\ch1.tex", u"\\\\srv\\b\\main.tex"), u"\\\\srv\\b\\main.tex");
    EXPECT_EQ(root_form::relativeTo(u"\\\\srv\\a\\d\\ch1.tex", u"\\\\SRV\\A\\main.tex"), u"..\\main.tex");
    EXPECT_EQ(root_form::relativeTo(u"", u"C:\\main.tex"), u"C:\\main.tex");
    EXPECT_EQ(root_form::relativeTo(u"C:\\doc\\ch1.tex", u""), u"");
}

TEST(RootForm, RenderInEachForm) {
    const u16 full = u"C:\\doc\\sub\\main.tex";
    EXPECT_EQ(root_form::render(full, u"C:\\doc\\ch1.tex", root_form::Absolute), full);
    EXPECT_EQ(root_form::render(full, u"C:\\doc\\ch1.tex", root_form::Relative), u"sub\\main.tex");
    EXPECT_EQ(root_form::render(full, u"C:\\doc\\ch1.tex", root_form::NameOnly), u"main.tex");
    // An unsaved document has nothing to be relative to.
    EXPECT_EQ(root_form::render(full, u"", root_form::Relative), u"main.tex");
    EXPECT_EQ(root_form::fromSetting(2), root_form::Absolute);
    EXPECT_EQ(root_form::fromSetting(1), root_form::Relative);
    EXPECT_EQ(root_form::fromSetting(7), root_form::NameOnly);
    EXPECT_EQ(root_form::fromSetting(-1), root_form::NameOnly);
}

TEST(RootForm, RootLineReplacesAnExistingOneOnlyWhenARootIsFound) {
    MemoryEditor ed(u"%Root old.tex\r\n\\input{a}");
    ASSERT_TRUE(root_form::writeRootLine(ed, u"main.tex", true));
    EXPECT_EQ(ed.text(), u"%Root main.tex\r\n\\input{a}");

    // The same first line without a resolved root (e.g. it names no TeX
    // file): the new line goes in front, the old one stays.
    MemoryEditor bad(u"%Root old.txt\r\nx");
    ASSERT_TRUE(root_form::writeRootLine(bad, u"main.tex", false));
    EXPECT_EQ(bad.text(), u"%Root main.tex\r\n%Root old.txt\r\nx");

    // Locked root but no root line: inserted, the first line kept.
    MemoryEditor locked(u"\\section{A}\r\ntext");
    ASSERT_TRUE(root_form::writeRootLine(locked, u"..\\main.tex", true));
    EXPECT_EQ(locked.text(), u"%Root ..\\main.tex\r\n\\section{A}\r\ntext");

    MemoryEditor empty(u"");
    ASSERT_TRUE(root_form::writeRootLine(empty, u"main.tex", false));
    EXPECT_EQ(empty.text(), u"%Root main.tex\r\n");

    MemoryEditor readOnly(u"x");
    readOnly.setReadOnly(true);
    EXPECT_FALSE(root_form::writeRootLine(readOnly, u"main.tex", false));
    EXPECT_EQ(readOnly.text(), u"x");
}

} // namespace
