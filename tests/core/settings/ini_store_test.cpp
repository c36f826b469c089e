#include "settings/ini_store.h"

#include "base/platform.h"
#include "tests/support/temp_dir.h"
#ifndef _WIN32
#include "base/posix/platform_posix.h"
#endif

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

namespace {
std::string utf16le(u16view s) {
    std::string b;
    for (char16_t c : s) {
        b.push_back(static_cast<char>(c & 0xFF));
        b.push_back(static_cast<char>(c >> 8));
    }
    return b;
}

u16 valueOf(const CIni& ini, const char16_t* section, const char16_t* key) {
    const char16_t* v = ini.getValue(section, key, u"<none>");
    return v;
}
} // namespace

TEST(IniParse, KeepsOnlyEntriesInsideNamedSections) {
    CIni ini;
    ini.parse(u"orphan=1\r\n"
              u"[A]\r\n"
              u"no equals sign\r\n"
              u"=no key\r\n"
              u"k=v=w\r\n"
              u" spaced = x \r\n"
              u"empty=\r\n"
              u"[]\r\n"
              u"lost=1\r\n"
              u"[Bare\r\n"
              u"b=2\r\n"
              u"[Nothing]tail\r\n"
              u"[C]ignored after bracket\r\n"
              u"c=3\r\n");
    EXPECT_EQ(valueOf(ini, u"A", u"orphan"), u"<none>");
    EXPECT_EQ(valueOf(ini, u"A", u"k"), u"v=w");          // split at the first "="
    EXPECT_EQ(valueOf(ini, u"A", u" spaced "), u" x ");   // nothing trimmed
    EXPECT_EQ(valueOf(ini, u"A", u"spaced"), u"<none>");
    EXPECT_EQ(valueOf(ini, u"A", u"empty"), u"");          // an empty value is a value
    EXPECT_EQ(valueOf(ini, u"", u"lost"), u"<none>");
    EXPECT_EQ(valueOf(ini, u"Bare", u"b"), u"2");          // name runs to the end of line
    EXPECT_EQ(valueOf(ini, u"C", u"c"), u"3");
    EXPECT_EQ(ini.build(), u"[A]\r\nk=v=w\r\n spaced = x \r\nempty=\r\n[Bare]\r\nb=2\r\n[C]\r\nc=3\r\n");
}

TEST(IniParse, AcceptsCrLfAndMixedLineEnds) {
    const u16 expected = u"[S]\r\na=1\r\nb=2\r\n[T]\r\nc=3\r\n";
    for (u16view text : {u16view(u"[S]\ra=1\rb=2\r[T]\rc=3"), u16view(u"[S]\na=1\nb=2\n[T]\nc=3\n"),
                         u16view(u"[S]\r\na=1\n\rb=2\r\r\n[T]\nc=3")}) {
        CIni ini;
        ini.parse(text);
        EXPECT_EQ(ini.build(), expected);
    }
}

TEST(IniParse, KeepsDuplicatesAndLooksUpTheFirst) {
    CIni ini;
    ini.parse(u"[S]\r\nk=first\r\nK=second\r\n[s]\r\nk=third\r\nonly=later\r\n");
    EXPECT_EQ(valueOf(ini, u"S", u"k"), u"first");
    // Lookup stops at the first matching section.
    EXPECT_EQ(valueOf(ini, u"S", u"only"), u"<none>");
    EXPECT_EQ(ini.build(), u"[S]\r\nk=first\r\nK=second\r\n[s]\r\nk=third\r\nonly=later\r\n");
    ASSERT_EQ(ini.setValue(u"s", u"K", u"changed"), 1);
    EXPECT_EQ(ini.build(), u"[S]\r\nk=changed\r\nK=second\r\n[s]\r\nk=third\r\nonly=later\r\n");
}

TEST(IniLookup, IgnoresLetterCase) {
    CIni ini;
    ini.parse(u"[BasicSettings]\r\nAutoExecute=0\r\n");
    EXPECT_EQ(ini.getInt(u"basicsettings", u"AUTOEXECUTE", 1), 0);
    ini.setInt(u"BASICSETTINGS", u"autoexecute", 5);
    EXPECT_EQ(ini.build(), u"[BasicSettings]\r\nAutoExecute=5\r\n");
}

TEST(IniValues, ReadsIntegersAsLeadingDecimals) {
    CIni ini;
    ini.parse(u"[N]\r\na=42\r\nb=-7px\r\nc=0x10\r\nd=\r\ne=abc\r\n");
    EXPECT_EQ(ini.getInt(u"N", u"a", 9), 42);
    EXPECT_EQ(ini.getInt(u"N", u"b", 9), -7);
    EXPECT_EQ(ini.getInt(u"N", u"c", 9), 0);
    EXPECT_EQ(ini.getInt(u"N", u"d", 9), 0);   // present but empty: not the default
    EXPECT_EQ(ini.getInt(u"N", u"e", 9), 0);
    EXPECT_EQ(ini.getInt(u"N", u"missing", 9), 9);
    EXPECT_EQ(ini.getInt(u"Other", u"a", 9), 9);
    ini.setInt(u"N", u"neg", -2147483647 - 1);
    EXPECT_EQ(valueOf(ini, u"N", u"neg"), u"-2147483648");
}

TEST(IniSetValue, AppendsMissingSectionAndKeyAtTheEnd) {
    CIni ini;
    ini.parse(u"[A]\r\nx=1\r\n[B]\r\ny=2\r\n");
    EXPECT_FALSE(ini.isModified());
    EXPECT_EQ(ini.setValue(u"A", u"z", u"3"), 1);
    EXPECT_EQ(ini.setValue(u"New", u"k", u"v"), 1);
    EXPECT_TRUE(ini.isModified());
    EXPECT_EQ(ini.build(), u"[A]\r\nx=1\r\nz=3\r\n[B]\r\ny=2\r\n[New]\r\nk=v\r\n");
}

TEST(IniSetValue, DeletesKeysAndSections) {
    CIni ini;
    ini.parse(u"[A]\r\nonly=1\r\n[B]\r\ny=2\r\nz=3\r\n");
    EXPECT_EQ(ini.setValue(u"A", u"only", nullptr), 1);
    EXPECT_EQ(valueOf(ini, u"A", u"only"), u"<none>");
    EXPECT_EQ(ini.build(), u"[B]\r\ny=2\r\nz=3\r\n");   // the section line goes too
    EXPECT_EQ(ini.setValue(u"B", nullptr, nullptr), 1);
    EXPECT_EQ(ini.build(), u"");
    // A deleted entry can be set again, in its old place.
    EXPECT_EQ(ini.setValue(u"A", u"only", u"back"), 1);
    EXPECT_EQ(ini.build(), u"[A]\r\nonly=back\r\n");
}

TEST(IniSetValue, DeletingWhatIsNotThereChangesNothing) {
    CIni ini;
    ini.parse(u"[A]\r\nx=1\r\n");
    EXPECT_EQ(ini.setValue(u"A", u"missing", nullptr), 1);
    EXPECT_EQ(ini.setValue(u"Missing", nullptr, nullptr), 1);
    EXPECT_FALSE(ini.isModified());
}

TEST(IniSetValue, RefusesNamesTheFileCannotHold) {
    CIni ini;
    EXPECT_EQ(ini.setValue(nullptr, u"k", u"v"), 0);
    EXPECT_EQ(ini.setValue(u"", u"k", u"v"), 0);
    EXPECT_EQ(ini.setValue(u"S", u"", u"v"), 0);
    EXPECT_EQ(ini.setValue(u"S", u"a=b", u"v"), 0);
    EXPECT_EQ(ini.setValue(u"S", u"[x", u"v"), 0);
    EXPECT_EQ(ini.setValue(u"S]", u"k", u"v"), 0);
    EXPECT_EQ(ini.setValue(u"S", u"k", u"line\r\n[Injected]"), 0);
    EXPECT_EQ(ini.setValue(u"S", u"k\n", u"v"), 0);
    EXPECT_FALSE(ini.isModified());
    EXPECT_EQ(ini.build(), u"");
    // "=" in a value is fine: the split is at the first one.
    EXPECT_EQ(ini.setValue(u"S", u"k", u"a=b"), 1);
    CIni back;
    back.parse(ini.build());
    EXPECT_EQ(valueOf(back, u"S", u"k"), u"a=b");
}

TEST(IniFile, MissingFileIsEmptyAndFirstWriteCreatesIt) {
    TempDir dir;
    ASSERT_TRUE(dir.ok());
    CIni ini;
    ini.open(dir.file(u"Vexa2.ini"), nullptr);
    EXPECT_FALSE(ini.isUnusable());
    EXPECT_EQ(ini.getInt(u"S", u"k", 17), 17);
    ini.setInt(u"S", u"k", 3);
    EXPECT_TRUE(ini.close());
    EXPECT_EQ(dir.read(u"Vexa2.ini"), "[S]\r\nk=3\r\n");
}

TEST(IniFile, UnmodifiedStoreIsNotRewritten) {
    TempDir dir;
    const std::string original = "junk before\r\n[S]\nk=1\n";
    dir.write(u"Vexa2.ini", original);
    CIni ini;
    ini.open(dir.file(u"Vexa2.ini"), nullptr);
    EXPECT_EQ(ini.getInt(u"S", u"k", 0), 1);
    EXPECT_TRUE(ini.close());
    EXPECT_EQ(dir.read(u"Vexa2.ini"), original);
}

TEST(IniFile, EmptyPathIsUnusableAndWritesNothing) {
    CIni ini;
    ini.open(u"", nullptr);
    EXPECT_TRUE(ini.isUnusable());
    EXPECT_EQ(ini.getInt(u"S", u"k", 5), 5);
    EXPECT_EQ(ini.setInt(u"S", u"k", 1), 1);
    EXPECT_TRUE(ini.close());
}

TEST(IniFile, Utf16FileIsReadAndRewrittenAsAnsi) {
    TempDir dir;
    dir.write(u"Vexa2.ini", utf16le(u"[S]\r\nname=value\r\n"));
    CIni ini;
    ini.open(dir.file(u"Vexa2.ini"), nullptr);
    EXPECT_EQ(valueOf(ini, u"S", u"name"), u"value");
    ini.setValue(u"S", u"more", u"x");
    EXPECT_TRUE(ini.close());
    EXPECT_EQ(dir.read(u"Vexa2.ini"), "[S]\r\nname=value\r\nmore=x\r\n");
}

#ifndef _WIN32
namespace {
struct CodePageScope {
    explicit CodePageScope(int cp) : saved(platform::posix::ansiCodePage()) { platform::posix::setAnsiCodePage(cp); }
    ~CodePageScope() { platform::posix::setAnsiCodePage(saved); }
    int saved;
};
} // namespace

TEST(IniFile, Utf16FileWithAccentsIsRewrittenInCodePage1252) {
    CodePageScope cp(1252);
    TempDir dir;
    dir.write(u"Vexa2.ini", utf16le(u"[S]\r\nname=caf\u00e9\r\n"));
    CIni ini;
    ini.open(dir.file(u"Vexa2.ini"), nullptr);
    EXPECT_EQ(valueOf(ini, u"S", u"name"), u"caf\u00e9");
    ini.setValue(u"S", u"lost", u"\u65e5");   // not in the code page
    EXPECT_TRUE(ini.close());
    EXPECT_EQ(dir.read(u"Vexa2.ini"), "[S]\r\nname=caf\xe9\r\nlost=?\r\n");
}

TEST(IniFile, JapaneseTextRoundTripsInCodePage932) {
    CodePageScope cp(932);
    TempDir dir;
    // [日本] キー=値 as UTF-16LE, written back as Shift_JIS.
    dir.write(u"Vexa2.ini", utf16le(u"[\u65e5\u672c]\r\n\u30ad\u30fc=\u5024\r\n"));
    CIni ini;
    ini.open(dir.file(u"Vexa2.ini"), nullptr);
    EXPECT_EQ(valueOf(ini, u"\u65e5\u672c", u"\u30ad\u30fc"), u"\u5024");
    ini.setValue(u"\u65e5\u672c", u"k", u"\u8868");   // 表: second byte is a backslash
    EXPECT_TRUE(ini.close());
    const std::string sjis = "[\x93\xfa\x96\x7b]\r\n\x83\x4c\x81\x5b=\x92\x6c\r\nk=\x95\x5c\r\n";
    EXPECT_EQ(dir.read(u"Vexa2.ini"), sjis);
    // And the Shift_JIS file reads back as the same text.
    CIni again;
    again.open(dir.file(u"Vexa2.ini"), nullptr);
    EXPECT_EQ(valueOf(again, u"\u65e5\u672c", u"k"), u"\u8868");
    again.close();
}
#endif

TEST(IniFile, DeletingEverythingLeavesThePreviousContent) {
    TempDir dir;
    const std::string original = "[A]\r\nx=1\r\n[B]\r\ny=2\r\n";
    dir.write(u"Vexa2.ini", original);
    CIni ini;
    ini.open(dir.file(u"Vexa2.ini"), nullptr);
    ini.setValue(u"A", nullptr, nullptr);
    ini.setValue(u"B", nullptr, nullptr);
    EXPECT_TRUE(ini.isModified());
    EXPECT_TRUE(ini.close());
    EXPECT_EQ(dir.read(u"Vexa2.ini"), original);
}

TEST(IniFile, DeletingTheOnlyKeyDropsItsSectionOnSave) {
    TempDir dir;
    dir.write(u"Vexa2.ini", "[A]\r\nx=1\r\n[B]\r\ny=2\r\n");
    CIni ini;
    ini.open(dir.file(u"Vexa2.ini"), nullptr);
    ini.setValue(u"A", u"x", nullptr);
    EXPECT_TRUE(ini.close());
    EXPECT_EQ(dir.read(u"Vexa2.ini"), "[B]\r\ny=2\r\n");
}

TEST(IniFile, FailedSaveIsReportedAndLeavesNoTemporaryFile) {
    TempDir dir;
    ASSERT_TRUE(dir.makeFolder(u"Vexa2.ini"));   // a folder where the file should be
    CIni ini;
    ini.open(dir.file(u"Vexa2.ini"), nullptr);
    ini.setInt(u"S", u"k", 1);
    EXPECT_FALSE(ini.close());
    EXPECT_FALSE(platform::fileExists(dir.file(u"Vexa2.ini")));
}

TEST(IniFile, StopsAtAnEmbeddedNul) {
    TempDir dir;
    // Two zero bytes keep the length test on ANSI; the text ends there.
    dir.write(u"Vexa2.ini", std::string("[S]\r\na=1\r\n\0\0[S2]\r\nb=2\r\n", 23));
    CIni ini;
    ini.open(dir.file(u"Vexa2.ini"), nullptr);
    EXPECT_EQ(ini.getInt(u"S", u"a", 0), 1);
    EXPECT_EQ(ini.getInt(u"S2", u"b", 0), 0);
    ini.close();
}

TEST(IniMutex, IsHeldFromOpenToClose) {
    auto mutex = platform::createNamedMutex(u"Vexa2TestIniStoreMutex");
    ASSERT_TRUE(mutex);
    auto other = platform::createNamedMutex(u"Vexa2TestIniStoreMutex");
    TempDir dir;
    CIni ini;
    ini.open(dir.file(u"Vexa2.ini"), mutex.get());
    std::atomic<bool> got{false};
    std::thread waiter([&] {
        platform::MutexLock lock(other.get());
        got = true;
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    EXPECT_FALSE(got.load());
    ini.close();
    waiter.join();
    EXPECT_TRUE(got.load());
}
