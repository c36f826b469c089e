#include "settings/setting.h"

#include "base/str.h"
#include "settings/setting_keys.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <thread>

namespace {
namespace basic = ini_keys::basic;

std::string iniOf(const TempDir& dir) { return dir.read(ini_keys::FileName); }

// A settings object on a fresh folder that already holds the given file.
struct Fixture {
    explicit Fixture(std::string_view content = {}, bool withFile = false) {
        if (withFile || !content.empty()) dir.write(ini_keys::FileName, content);
    }
    TempDir dir;
    CSetting setting{dir.path()};
};
} // namespace

TEST(SettingLocation, FileLivesBesideThePlugin) {
    TempDir dir;
    CSetting s(dir.path() + u"\\");   // a trailing separator is not doubled
    ASSERT_TRUE(s.isUsable());
    EXPECT_EQ(u16(s.settingsFolder()), dir.path());
    EXPECT_EQ(s.iniPath(), dir.path() + u"\\Vexa2.ini");
}

TEST(SettingLocation, NoFolderOrTooLongAPathIsUnusable) {
    CSetting none(u"");
    EXPECT_FALSE(none.isUsable());
    EXPECT_EQ(none.settingsFolder(), nullptr);
    CSetting deep(u"C:\\" + u16(300, u'x'));
    EXPECT_FALSE(deep.isUsable());
}

TEST(SettingDefaults, MissingOrEmptyFileGivesDefaultsAndFirstWriteCreatesIt) {
    for (bool withFile : {false, true}) {
        Fixture f("", withFile);
        EXPECT_EQ(f.setting.readInt(ini_keys::ini::Section, ini_keys::ini::Version, 21294), 21294);
        EXPECT_EQ(f.setting.readInt(basic::Section, basic::Window, 6), 6);
        EXPECT_EQ(u16(f.setting.readString(ini_keys::settings::Section, ini_keys::settings::Toolbar, u"def")), u"def");
        Rect r{9, 9, 9, 9};
        EXPECT_FALSE(f.setting.readRect(ini_keys::window_pos::Section, ini_keys::window_pos::Rebar, r));
        EXPECT_EQ(r.left, 9);
        EXPECT_EQ(f.dir.exists(ini_keys::FileName), withFile);   // reads never create it
        EXPECT_EQ(f.setting.writeInt(basic::Section, basic::Lines, 3), 1);
        EXPECT_EQ(iniOf(f.dir), "[BasicSettings]\r\nLines=3\r\n");
    }
}

TEST(SettingValues, KeysAreFoundRegardlessOfCase) {
    Fixture f("[basicsettings]\r\nautoexecute=0\r\n");
    EXPECT_EQ(f.setting.readInt(basic::Section, basic::AutoExecute, 1), 0);
    f.setting.writeInt(u"BASICSETTINGS", u"AUTOEXECUTE", 7);
    EXPECT_EQ(iniOf(f.dir), "[basicsettings]\r\nautoexecute=7\r\n");
}

TEST(SettingValues, WritesGoStraightToTheFile) {
    Fixture f("[A]\r\nx=1\r\n");
    EXPECT_EQ(f.setting.writeString(u"A", u"s", u"hello"), 5u);
    EXPECT_EQ(iniOf(f.dir), "[A]\r\nx=1\r\ns=hello\r\n");
    EXPECT_EQ(f.setting.writeInt(u"B", u"n", -4), 1);
    EXPECT_EQ(iniOf(f.dir), "[A]\r\nx=1\r\ns=hello\r\n[B]\r\nn=-4\r\n");
    EXPECT_EQ(f.setting.deleteKey(u"A", u"x"), 1);
    EXPECT_EQ(f.setting.deleteSection(u"B"), 1);
    EXPECT_EQ(iniOf(f.dir), "[A]\r\ns=hello\r\n");
    // Refused names report failure and leave the file alone.
    EXPECT_EQ(f.setting.writeString(u"A", u"bad=key", u"v"), 0u);
    EXPECT_EQ(f.setting.writeInt(u"", u"k", 1), 0);
    EXPECT_EQ(iniOf(f.dir), "[A]\r\ns=hello\r\n");
}

TEST(SettingValues, DeletingEverySectionLeavesThePreviousFile) {
    Fixture f("[A]\r\nx=1\r\n");
    EXPECT_EQ(f.setting.deleteSection(u"A"), 1);
    EXPECT_EQ(iniOf(f.dir), "[A]\r\nx=1\r\n");
    EXPECT_TRUE(f.setting.deleteFile());
    EXPECT_FALSE(f.dir.exists(ini_keys::FileName));
    EXPECT_FALSE(f.setting.deleteFile());
}

TEST(SettingValues, FailedSaveIsReported) {
    Fixture f;
    ASSERT_TRUE(f.dir.makeFolder(ini_keys::FileName));
    EXPECT_EQ(f.setting.writeInt(u"A", u"k", 1), 0);
    EXPECT_EQ(f.setting.writeString(u"A", u"k", u"v"), 0u);
    EXPECT_EQ(f.setting.writeRect(u"A", u"r", Rect{1, 2, 3, 4}), 0);
}

TEST(SettingStrings, BufferReadsTruncateToCapacityLessTwo) {
    Fixture f("[S]\r\nv=abcdef\r\n");
    char16_t buf[8];
    EXPECT_EQ(f.setting.readString(u"S", u"v", u"dflt", buf, 5), 3u);
    EXPECT_EQ(u16(buf), u"abc");
    EXPECT_EQ(f.setting.readString(u"S", u"missing", u"dflt", buf, 8), 4u);
    EXPECT_EQ(u16(buf), u"dflt");
    EXPECT_EQ(f.setting.readString(u"S", u"missing", nullptr, buf, 8), 0u);
    EXPECT_EQ(u16(buf), u"");
    buf[0] = u'z';
    EXPECT_EQ(f.setting.readString(u"S", u"v", u"", buf, 1), 0u);
    EXPECT_EQ(buf[0], 0);
}

namespace {
char16_t g_threadBuffer[CSetting::ThreadBufferCapacity];
char16_t* testThreadBuffer() { return g_threadBuffer; }
} // namespace

TEST(SettingStrings, ThreadBufferReadsUseTheProviderOrTheFallback) {
    Fixture f;
    const u16 longText(5000, u'q');
    ASSERT_EQ(f.setting.writeString(u"S", u"long", longText.c_str()), 5000u);

    const char16_t* fallback = f.setting.readString(u"S", u"long", u"");
    ASSERT_NE(fallback, nullptr);
    EXPECT_EQ(u16(fallback), u16(4095, u'q'));

    CSetting::threadBufferProvider = testThreadBuffer;
    const char16_t* own = f.setting.readString(u"S", u"long", u"");
    CSetting::threadBufferProvider = nullptr;
    EXPECT_EQ(own, g_threadBuffer);
    EXPECT_NE(own, fallback);
    EXPECT_EQ(u16(own), u16(4095, u'q'));
}

TEST(SettingGeometry, RectNeedsFourNumbersAndUsesTheFirstFour) {
    Fixture f("[W]\r\nthree=1,2,3\r\nfive=1,2,3,4,5\r\nerr=err\r\nwords=a,b,c,d\r\nspaced= 1, -2, 3,4\r\n");
    Rect r{};
    EXPECT_FALSE(f.setting.readRect(u"W", u"three", r));
    EXPECT_FALSE(f.setting.readRect(u"W", u"err", r));
    EXPECT_FALSE(f.setting.readRect(u"W", u"words", r));
    EXPECT_FALSE(f.setting.readRect(u"W", u"missing", r));
    ASSERT_TRUE(f.setting.readRect(u"W", u"five", r));
    EXPECT_EQ(r.left, 1);
    EXPECT_EQ(r.top, 2);
    EXPECT_EQ(r.right, 3);
    EXPECT_EQ(r.bottom, 4);
    ASSERT_TRUE(f.setting.readRect(u"W", u"spaced", r));
    EXPECT_EQ(r.top, -2);

    EXPECT_EQ(f.setting.writeRect(u"W", u"Main_abs", Rect{-1, -20, 300, 400}), 1);
    EXPECT_NE(iniOf(f.dir).find("Main_abs=-1,-20,300,400\r\n"), std::string::npos);
    Rect back{};
    ASSERT_TRUE(f.setting.readRect(u"W", u"main_ABS", back));
    EXPECT_EQ(back.right, 300);
}

TEST(SettingGeometry, PairNeedsTwoNumbers) {
    Fixture f("[P]\r\none=5\r\nthree=5,6,7\r\n");
    Pair p{};
    EXPECT_FALSE(f.setting.readPair(u"P", u"one", p));
    ASSERT_TRUE(f.setting.readPair(u"P", u"three", p));
    EXPECT_EQ(p.first, 5);
    EXPECT_EQ(p.second, 6);
    EXPECT_EQ(f.setting.writePair(u"P", u"w", Pair{-3, 8}), 1);
    EXPECT_NE(iniOf(f.dir).find("w=-3,8\r\n"), std::string::npos);
}

TEST(SettingLists, IntListsUseDefaultsThenZeroAndCanSkipNegatives) {
    Fixture f("[L]\r\n1=11\r\n4=44\r\n");
    const int32_t defaults[] = {7, 8};
    EXPECT_EQ(f.setting.readIntList(u"L", defaults, 5), (std::vector<int32_t>{7, 11, 0, 0, 44}));
    const int32_t values[] = {1, -1, 3};
    EXPECT_EQ(f.setting.writeIntList(u"L", values, true), 1);
    EXPECT_EQ(iniOf(f.dir), "[L]\r\n1=11\r\n4=44\r\n0=1\r\n2=3\r\n");   // "1" keeps its old value
    EXPECT_EQ(f.setting.writeIntList(u"L", values, false), 1);
    EXPECT_EQ(f.setting.readIntList(u"L", {}, 3), (std::vector<int32_t>{1, -1, 3}));
}

TEST(SettingLists, StringListsStopAsTheRulesSay) {
    Fixture f("[L]\r\n0=a\r\n2=c\r\n3=d\r\n[E]\r\n0=x\r\n1=\r\n2=z\r\n");
    // Beyond the defaults, the first missing key ends the list.
    EXPECT_EQ(f.setting.readStringList(u"L", {}), (std::vector<u16>{u"a"}));
    // Below the number of defaults a missing key takes its default.
    const u16 defaults[] = {u"A", u"B"};
    EXPECT_EQ(f.setting.readStringList(u"L", defaults), (std::vector<u16>{u"a", u"B", u"c", u"d"}));
    // An empty value always ends it, even with defaults left.
    const u16 three[] = {u"1", u"2", u"3"};
    EXPECT_EQ(f.setting.readStringList(u"E", three), (std::vector<u16>{u"x"}));
    const u16 emptyDefault[] = {u"1", u"", u"3"};
    EXPECT_EQ(f.setting.readStringList(u"Missing", emptyDefault), (std::vector<u16>{u"1"}));
}

TEST(SettingLists, StringListsHoldAtMost500Entries) {
    Fixture f;
    std::vector<u16> many;
    for (int i = 0; i < 520; ++i) many.push_back(u"v" + str::fromInt(i));
    EXPECT_EQ(f.setting.writeStringList(u"Big", many), 1);
    std::vector<u16> back = f.setting.readStringList(u"Big", {});
    ASSERT_EQ(back.size(), 500u);
    EXPECT_EQ(back.front(), u"v0");
    EXPECT_EQ(back.back(), u"v499");
}

TEST(SettingBatch, WritesReachTheFileOnlyAtEndBatch) {
    Fixture f("[A]\r\nx=1\r\n");
    f.setting.beginBatch();
    EXPECT_EQ(f.setting.writeInt(u"A", u"x", 2), 1);
    EXPECT_EQ(f.setting.writeString(u"B", u"s", u"t"), 1u);
    EXPECT_EQ(f.setting.readInt(u"A", u"x", 0), 2);      // reads see the batch
    f.setting.beginBatch();                             // nested: joins the outer one
    const u16 list[] = {u"p", u"q"};
    EXPECT_EQ(f.setting.writeStringList(u"L", list), 1);
    EXPECT_TRUE(f.setting.endBatch());
    EXPECT_EQ(iniOf(f.dir), "[A]\r\nx=1\r\n");
    EXPECT_TRUE(f.setting.endBatch());
    EXPECT_EQ(iniOf(f.dir), "[A]\r\nx=2\r\n[B]\r\ns=t\r\n[L]\r\n0=p\r\n1=q\r\n");
    EXPECT_FALSE(f.setting.endBatch());                 // no batch left
}

TEST(SettingBatch, OtherThreadsWaitUntilItEnds) {
    Fixture f;
    f.setting.beginBatch();
    f.setting.writeInt(u"A", u"mine", 1);
    std::atomic<bool> done{false};
    std::thread other([&] {
        EXPECT_FALSE(f.setting.endBatch());             // not this thread's batch
        EXPECT_EQ(f.setting.writeInt(u"A", u"theirs", 2), 1);
        done = true;
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(150));
    EXPECT_FALSE(done.load());
    EXPECT_FALSE(f.dir.exists(ini_keys::FileName));
    EXPECT_TRUE(f.setting.endBatch());
    other.join();
    EXPECT_TRUE(done.load());
    EXPECT_EQ(iniOf(f.dir), "[A]\r\nmine=1\r\ntheirs=2\r\n");
}

TEST(SettingUnusable, ReturnsDefaultsAndWritesNothing) {
    TempDir dir;
    CSetting s(u"");
    ASSERT_FALSE(s.isUsable());
    EXPECT_EQ(s.readInt(u"A", u"k", 42), 42);
    EXPECT_EQ(s.writeInt(u"A", u"k", 1), 0);
    EXPECT_EQ(s.writeString(u"A", u"k", u"v"), 0u);
    EXPECT_EQ(s.writeRect(u"A", u"r", Rect{1, 2, 3, 4}), 0);
    EXPECT_EQ(s.deleteKey(u"A", u"k"), 0);
    EXPECT_EQ(s.deleteSection(u"A"), 0);
    EXPECT_FALSE(s.deleteFile());
    EXPECT_EQ(s.readString(u"A", u"k", u"d"), nullptr);
    char16_t buf[8];
    EXPECT_EQ(s.readString(u"A", u"k", u"dflt", buf, 8), 4u);
    EXPECT_EQ(u16(buf), u"dflt");
    const int32_t defaults[] = {3};
    EXPECT_EQ(s.readIntList(u"A", defaults, 2), (std::vector<int32_t>{3, 0}));
    const u16 names[] = {u"n"};
    EXPECT_EQ(s.readStringList(u"A", names), (std::vector<u16>{u"n"}));
    EXPECT_EQ(s.writeStringList(u"A", names), 0);
    s.beginBatch();
    EXPECT_FALSE(s.endBatch());
}

#ifndef _WIN32
namespace {
// Sets or unsets USERPROFILE for one test and puts the old value back.
class ProfileScope {
public:
    explicit ProfileScope(const char* value) {
        const char* old = std::getenv("USERPROFILE");
        if (old) saved_ = old, hadValue_ = true;
        if (value) setenv("USERPROFILE", value, 1);
        else unsetenv("USERPROFILE");
    }
    ~ProfileScope() {
        if (hadValue_) setenv("USERPROFILE", saved_.c_str(), 1);
        else unsetenv("USERPROFILE");
    }
private:
    std::string saved_;
    bool hadValue_ = false;
};
} // namespace

TEST(SettingMultiuser, MovesToTheProfileFolderWhenModeIsOn) {
    TempDir plugin, profile;
    plugin.write(ini_keys::FileName, "[Multiuser]\r\nMode=1\r\n");
    ProfileScope env(str::toUtf8(profile.path()).c_str());
    CSetting s(plugin.path());
    ASSERT_TRUE(s.applyLocationRule());
    EXPECT_EQ(u16(s.settingsFolder()), profile.path());
    EXPECT_EQ(s.writeInt(u"A", u"k", 1), 1);
    EXPECT_EQ(profile.read(ini_keys::FileName), "[A]\r\nk=1\r\n");
    EXPECT_EQ(plugin.read(ini_keys::FileName), "[Multiuser]\r\nMode=1\r\n");
}

TEST(SettingMultiuser, ModeOffKeepsThePluginFolderWhateverTheProfile) {
    TempDir plugin;
    ProfileScope env(nullptr);
    CSetting s(plugin.path());
    EXPECT_TRUE(s.applyLocationRule());
    EXPECT_EQ(u16(s.settingsFolder()), plugin.path());
}

TEST(SettingMultiuser, ProfileUnsetOrNotAFolderMakesItUnusable) {
    TempDir plugin;
    plugin.write(ini_keys::FileName, "[Multiuser]\r\nMode=1\r\n");
    plugin.write(u"afile", "x");
    const std::string notFolder = str::toUtf8(plugin.file(u"afile"));
    const std::string missing = str::toUtf8(plugin.file(u"nowhere"));
    for (const char* value : {static_cast<const char*>(nullptr), notFolder.c_str(), missing.c_str(), ""}) {
        ProfileScope env(value);
        CSetting s(plugin.path());
        EXPECT_FALSE(s.applyLocationRule());
        EXPECT_FALSE(s.isUsable());
        EXPECT_EQ(s.settingsFolder(), nullptr);
        EXPECT_EQ(s.readInt(ini_keys::multiuser::Section, ini_keys::multiuser::Mode, 0), 0);
        EXPECT_EQ(s.writeInt(u"A", u"k", 1), 0);
    }
    EXPECT_EQ(plugin.read(ini_keys::FileName), "[Multiuser]\r\nMode=1\r\n");
}

TEST(SettingMultiuser, SwitchEndsAnOpenBatchWithItsWrites) {
    TempDir plugin, profile;
    ProfileScope env(str::toUtf8(profile.path()).c_str());
    CSetting s(plugin.path());
    s.beginBatch();
    s.writeInt(u"A", u"k", 1);
    ASSERT_TRUE(s.switchToUserProfile());
    EXPECT_EQ(plugin.read(ini_keys::FileName), "[A]\r\nk=1\r\n");
    EXPECT_FALSE(s.endBatch());
    EXPECT_EQ(s.writeInt(u"A", u"k", 2), 1);
    EXPECT_EQ(profile.read(ini_keys::FileName), "[A]\r\nk=2\r\n");
}
#endif
