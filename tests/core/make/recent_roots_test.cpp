#include "make/recent_roots.h"

#include "base/str.h"
#include "make/root_file.h"
#include "settings/setting.h"
#include "settings/setting_keys.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

namespace {

namespace keys = ini_keys::root;

std::vector<u16> stored(CSetting& s) { return s.readStringList(keys::Section, {}); }

TEST(CRoot, PromoteKeepsOneEntryPerPathIgnoringCaseAndAtMostTen) {
    TempDir dir;
    CSetting settings(dir.path());
    {
        CRoot roots(settings);
        for (int i = 0; i < 11; ++i) roots.Promote(u"C:\\r" + str::fromInt(i) + u".tex");
        roots.Promote(u"c:\\R5.TEX");
        EXPECT_EQ(roots.size(), 10u);
        u16 p;
        ASSERT_TRUE(roots.Get(0, p));
        EXPECT_EQ(p, u"c:\\R5.TEX");
        ASSERT_TRUE(roots.Get(9, p));
        EXPECT_EQ(p, u"C:\\r1.tex"); // r0 dropped by the 11th, r5 moved up
        EXPECT_FALSE(roots.Get(10, p));
        EXPECT_FALSE(roots.Get(-1, p));
        EXPECT_TRUE(p.empty());
    } // saved here
    std::vector<u16> list = stored(settings);
    ASSERT_EQ(list.size(), 10u);
    EXPECT_EQ(list[0], u"c:\\R5.TEX");
}

TEST(CRoot, AShorterListEndsTheOldOneAndUnchangedListsAreNotWritten) {
    TempDir dir;
    CSetting settings(dir.path());
    {
        CRoot roots(settings);
        roots.Promote(u"C:\\a.tex");
        roots.Promote(u"C:\\b.tex");
        roots.Promote(u"C:\\c.tex");
    }
    {
        CRoot roots(settings);
        roots.RemoveFirst();
    }
    EXPECT_EQ(stored(settings), (std::vector<u16>{u"C:\\b.tex", u"C:\\a.tex"}));

    std::string before = dir.read(ini_keys::FileName);
    { CRoot untouched(settings); }
    EXPECT_EQ(dir.read(ini_keys::FileName), before);
}

TEST(CRoot, ClearAllEmptiesTheSectionButKeepsThePathForm) {
    TempDir dir;
    CSetting settings(dir.path());
    settings.writeInt(keys::Section, keys::Type, 2);
    settings.writeInt(keys::Section, keys::Status, 1);
    {
        CRoot roots(settings);
        roots.Promote(u"C:\\a.tex");
    }
    {
        CRoot roots(settings);
        roots.ClearAll();
        EXPECT_EQ(roots.size(), 0u);
        EXPECT_FALSE(roots.dirty());
    }
    EXPECT_TRUE(stored(settings).empty());
    EXPECT_EQ(settings.readInt(keys::Section, keys::Type, 0), 2);
    EXPECT_EQ(settings.readInt(keys::Section, keys::Status, 0), 0);
}

TEST(RootLock, OnlyATeXFileFirstInTheListCanBeLocked) {
    TempDir dir;
    CSetting settings(dir.path());
    EXPECT_FALSE(root_lock::Lockable(settings)); // empty list
    { CRoot r(settings); r.Promote(u"C:\\dir\\main.tex"); }
    EXPECT_TRUE(root_lock::Lockable(settings));
    EXPECT_EQ(root_file::LockedRoot(settings, true), u"C:\\dir\\main.tex");
    EXPECT_EQ(root_file::LockedRoot(settings, false), u"");
    // A name the typesetting would refuse (a space) cannot be locked.
    { CRoot r(settings); r.Promote(u"C:\\dir\\my main.tex"); }
    EXPECT_FALSE(root_lock::Lockable(settings));
    { CRoot r(settings); r.Promote(u"C:\\dir\\notes.txt"); }
    EXPECT_FALSE(root_lock::Lockable(settings));
}

} // namespace
