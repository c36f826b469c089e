// Loading the plug-in: the language library comes first, and the library
// refuses to load when the user's choice leaves it without one.
#include "tests/wine/plugin_test_support.h"

#include <gtest/gtest.h>

namespace {
using namespace plugin_test;

std::wstring configuredLanguage(const TempDir& dir) {
    wchar_t buf[MAX_PATH] = {};
    GetPrivateProfileStringW(L"Language", L"DLL", L"", buf, MAX_PATH, path(dir, L"Vexa2Lang\\Vexa2Lang.ini").c_str());
    return buf;
}

// Cancels the language chooser, confirms anything else.
int cancelChooser(const SeenBox& box) { return box.chooser ? IDCANCEL : IDOK; }

bool isErrorBox(const SeenBox& b) { return !b.chooser && !b.text.empty(); }

TEST(PluginAttach, RefusedWhenTheChooserIsCancelled) {
    TempDir dir;
    ASSERT_TRUE(install(dir, Language::None));
    ASSERT_TRUE(dir.makeFolder(u"Vexa2Lang")); // a folder with no library in it
    Watcher watcher(cancelChooser);
    HMODULE m = LoadLibraryW(path(dir, L"vexa2.dll").c_str());
    watcher.stop();
    EXPECT_EQ(m, nullptr);
    if (m) FreeLibrary(m);
    auto seen = watcher.seen();
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_TRUE(seen[0].chooser);
    EXPECT_TRUE(seen[0].hasSystemMenu); // cancel was allowed
    EXPECT_EQ(seen[1].caption, L"Error (Vexa 2)");
    EXPECT_EQ(seen[1].text, L"Can't Load Language Library");
    EXPECT_FALSE(dir.exists(u"Vexa2.ini"));
    EXPECT_FALSE(dir.exists(u"Vexa2Lang\\Vexa2Lang.ini"));
}

TEST(PluginAttach, TheOnlyCandidateIsChosenWithoutAsking) {
    TempDir dir;
    ASSERT_TRUE(install(dir, Language::EnglishOnly));
    Watcher watcher(cancelChooser); // a chooser that waited for the user would be cancelled
    HMODULE m = LoadLibraryW(path(dir, L"vexa2.dll").c_str());
    watcher.stop();
    EXPECT_NE(m, nullptr);
    for (const SeenBox& b : watcher.seen()) EXPECT_FALSE(isErrorBox(b)) << b.text;
    EXPECT_EQ(configuredLanguage(dir), L"Vexa2EN.dll");
    if (m) FreeLibrary(m);
}

TEST(PluginAttach, AMissingConfiguredLibraryIsReplacedByTheOnlyCandidate) {
    TempDir dir;
    ASSERT_TRUE(install(dir, Language::EnglishOnly));
    ASSERT_TRUE(dir.write(u"Vexa2Lang\\Vexa2Lang.ini", "[Language]\r\nDLL=Vexa2JP.dll\r\n"));
    Watcher watcher(cancelChooser);
    HMODULE m = LoadLibraryW(path(dir, L"vexa2.dll").c_str());
    watcher.stop();
    EXPECT_NE(m, nullptr);
    EXPECT_EQ(configuredLanguage(dir), L"Vexa2EN.dll");
    if (m) FreeLibrary(m);
}

// Restores USERPROFILE after a test that changed it.
class ProfileScope {
public:
    explicit ProfileScope(const std::wstring& value) {
        wchar_t buf[MAX_PATH + 1];
        DWORD n = GetEnvironmentVariableW(L"USERPROFILE", buf, MAX_PATH + 1);
        had_ = n > 0 && n <= MAX_PATH;
        if (had_) saved_.assign(buf, n);
        SetEnvironmentVariableW(L"USERPROFILE", value.c_str());
    }
    ~ProfileScope() { SetEnvironmentVariableW(L"USERPROFILE", had_ ? saved_.c_str() : nullptr); }
private:
    std::wstring saved_;
    bool had_ = false;
};

TEST(PluginAttach, MultiUserModeNeedsAUsableProfileFolder) {
    TempDir dir;
    ASSERT_TRUE(install(dir, Language::EnglishConfigured));
    ASSERT_TRUE(dir.write(u"Vexa2.ini", "[Multiuser]\r\nMode=1\r\n"));
    {
        ProfileScope profile(path(dir, L"no such folder"));
        Watcher watcher;
        HMODULE m = LoadLibraryW(path(dir, L"vexa2.dll").c_str());
        watcher.stop();
        EXPECT_EQ(m, nullptr);
        if (m) FreeLibrary(m);
        auto seen = watcher.seen();
        ASSERT_EQ(seen.size(), 1u);
        EXPECT_EQ(seen[0].text, englishMessage(0x1010008));
        EXPECT_EQ(seen[0].caption, englishMessage(0x1000001));
    }
    ASSERT_TRUE(dir.makeFolder(u"profile"));
    {
        ProfileScope profile(path(dir, L"profile"));
        Watcher watcher;
        HMODULE m = LoadLibraryW(path(dir, L"vexa2.dll").c_str());
        watcher.stop();
        EXPECT_NE(m, nullptr);
        EXPECT_TRUE(watcher.seen().empty());
        if (m) FreeLibrary(m);
    }
    // The plug-in's own file is left as the user wrote it.
    EXPECT_EQ(dir.read(u"Vexa2.ini"), "[Multiuser]\r\nMode=1\r\n");
}

} // namespace
