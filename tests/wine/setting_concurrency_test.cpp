// The settings file under real Win32 semantics: named mutexes across
// processes, sharing modes of open handles, the ANSI code page of the
// running locale and the process environment.
#include "base/str.h"
#include "base/win32/wide.h"
#include "settings/setting.h"
#include "settings/setting_keys.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <thread>
#include <vector>
#include <windows.h>

namespace {
std::string utf16le(u16view s) {
    std::string b;
    for (char16_t c : s) {
        b.push_back(static_cast<char>(c & 0xFF));
        b.push_back(static_cast<char>(c >> 8));
    }
    return b;
}

std::wstring helperPath() {
    wchar_t self[MAX_PATH];
    DWORD n = GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring path(self, n);
    return path.substr(0, path.find_last_of(L'\\') + 1) + L"setting_writer.exe";
}

size_t filesIn(const TempDir& dir) {
    size_t n = 0;
    for (const auto& entry : std::filesystem::directory_iterator(std::filesystem::path(dir.path()))) {
        (void)entry;
        ++n;
    }
    return n;
}

// Restores USERPROFILE when a test has changed it.
class ProfileScope {
public:
    explicit ProfileScope(const wchar_t* value) {
        wchar_t buf[MAX_PATH + 1];
        DWORD n = GetEnvironmentVariableW(L"USERPROFILE", buf, MAX_PATH + 1);
        had_ = n > 0 && n <= MAX_PATH;
        if (had_) saved_.assign(buf, n);
        SetEnvironmentVariableW(L"USERPROFILE", value);
    }
    ~ProfileScope() { SetEnvironmentVariableW(L"USERPROFILE", had_ ? saved_.c_str() : nullptr); }
private:
    std::wstring saved_;
    bool had_ = false;
};
} // namespace

TEST(SettingProcesses, FourConcurrentWritersLoseNoWrite) {
    TempDir dir;
    ASSERT_TRUE(dir.ok());
    const std::wstring exe = helperPath();
    ASSERT_NE(GetFileAttributesW(exe.c_str()), INVALID_FILE_ATTRIBUTES) << "helper beside the test program";
    constexpr int Writers = 4, Keys = 200;
    std::vector<PROCESS_INFORMATION> procs;
    for (int id = 0; id < Writers; ++id) {
        std::wstring cmd = L"\"" + exe + L"\" \"" + wide::w(dir.path()) + L"\" " + std::to_wstring(id) + L" " +
                           std::to_wstring(Keys);
        STARTUPINFOW si{};
        si.cb = sizeof si;
        PROCESS_INFORMATION pi{};
        ASSERT_TRUE(CreateProcessW(exe.c_str(), cmd.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
            << GetLastError();
        CloseHandle(pi.hThread);
        procs.push_back(pi);
    }
    std::vector<HANDLE> handles;
    for (auto& p : procs) handles.push_back(p.hProcess);
    ASSERT_EQ(WaitForMultipleObjects(static_cast<DWORD>(handles.size()), handles.data(), TRUE, 120000),
              WAIT_OBJECT_0);
    for (auto& p : procs) {
        DWORD code = 1;
        GetExitCodeProcess(p.hProcess, &code);
        EXPECT_EQ(code, 0u) << "failed writes in one writer";
        CloseHandle(p.hProcess);
    }
    CSetting check(dir.path());
    int missing = 0;
    for (int id = 0; id < Writers; ++id)
        for (int i = 0; i < Keys; ++i) {
            u16 key = u"w" + str::fromInt(id) + u"_" + str::fromInt(i);
            if (check.readInt(u"Concurrency", key.c_str(), -1) != id * 1000 + i) ++missing;
        }
    EXPECT_EQ(missing, 0);
    EXPECT_EQ(filesIn(dir), 1u);   // no temporary file left behind
}

TEST(SettingThreads, BatchBlocksAnotherThreadsWriteUntilItEnds) {
    TempDir dir;
    CSetting setting(dir.path());
    setting.beginBatch();
    setting.writeInt(u"A", u"mine", 1);
    std::atomic<bool> done{false};
    std::thread other([&] {
        // A second object, as another component of the process would use.
        CSetting second(dir.path());
        EXPECT_EQ(second.writeInt(u"A", u"theirs", 2), 1);
        done = true;
    });
    Sleep(200);
    EXPECT_FALSE(done.load());
    EXPECT_FALSE(dir.exists(ini_keys::FileName));
    EXPECT_TRUE(setting.endBatch());
    other.join();
    EXPECT_EQ(dir.read(ini_keys::FileName), "[A]\r\nmine=1\r\ntheirs=2\r\n");
}

TEST(SettingFailure, FileThatCannotBeReplacedKeepsItsContent) {
    TempDir dir;
    CSetting setting(dir.path());
    ASSERT_EQ(setting.writeInt(u"A", u"k", 1), 1);
    const std::string before = dir.read(ini_keys::FileName);
    const std::wstring path = wide::w(setting.iniPath());
    // Readers may still open it, but nobody may delete or replace it.
    HANDLE h = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    EXPECT_EQ(setting.readInt(u"A", u"k", 0), 1);
    EXPECT_EQ(setting.writeInt(u"A", u"k", 2), 0);
    EXPECT_EQ(setting.writeString(u"B", u"s", u"x"), 0u);
    CloseHandle(h);
    EXPECT_EQ(dir.read(ini_keys::FileName), before);
    EXPECT_EQ(filesIn(dir), 1u);
    EXPECT_EQ(setting.writeInt(u"A", u"k", 3), 1);   // works again once released
    EXPECT_EQ(setting.readInt(u"A", u"k", 0), 3);
}

TEST(SettingFailure, UnreadableFileIsNeverReplacedByAPartialOne) {
    TempDir dir;
    CSetting setting(dir.path());
    ASSERT_EQ(setting.writeInt(u"A", u"k", 1), 1);
    ASSERT_EQ(setting.writeInt(u"A", u"other", 5), 1);
    const std::string before = dir.read(ini_keys::FileName);
    HANDLE h = CreateFileW(wide::w(setting.iniPath()), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    EXPECT_EQ(setting.readInt(u"A", u"k", -1), -1);    // cannot be read: defaults
    EXPECT_EQ(setting.writeInt(u"A", u"k", 2), 0);
    CloseHandle(h);
    EXPECT_EQ(dir.read(ini_keys::FileName), before);
}

TEST(SettingEncoding, Utf16FileIsRewrittenInTheAnsiCodePage) {
    TempDir dir;
    // [日本] キー=値
    dir.write(ini_keys::FileName, utf16le(u"[\u65e5\u672c]\r\n\u30ad\u30fc=\u5024\r\n[S]\r\nascii=1\r\n"));
    CSetting setting(dir.path());
    EXPECT_EQ(u16(setting.readString(u"\u65e5\u672c", u"\u30ad\u30fc", u"")), u"\u5024");
    EXPECT_EQ(setting.readInt(u"s", u"ASCII", 0), 1);
    ASSERT_EQ(setting.writeString(u"S", u"t", u"\u8868"), 1u);   // 表: Shift_JIS trail byte is '\'
    const std::string written = dir.read(ini_keys::FileName);
    if (GetACP() == 932) {
        EXPECT_EQ(written, "[\x93\xfa\x96\x7b]\r\n\x83\x4c\x81\x5b=\x92\x6c\r\n[S]\r\nascii=1\r\nt=\x95\x5c\r\n");
        CSetting again(dir.path());
        EXPECT_EQ(u16(again.readString(u"S", u"t", u"")), u"\u8868");
        EXPECT_EQ(u16(again.readString(u"\u65e5\u672c", u"\u30ad\u30fc", u"")), u"\u5024");
    } else {
        // Text outside the code page cannot be kept; the rest is intact.
        EXPECT_EQ(GetACP(), 1252u);
        EXPECT_EQ(written, "[??]\r\n?" "?=?\r\n[S]\r\nascii=1\r\nt=?\r\n");
    }
}

TEST(SettingMultiuser, UnsetProfileMakesTheObjectUnusable) {
    TempDir plugin;
    plugin.write(ini_keys::FileName, "[Multiuser]\r\nMode=1\r\n");
    ProfileScope env(nullptr);
    CSetting setting(plugin.path());
    EXPECT_FALSE(setting.applyLocationRule());
    EXPECT_FALSE(setting.isUsable());
    EXPECT_EQ(setting.settingsFolder(), nullptr);
    EXPECT_EQ(setting.writeInt(u"A", u"k", 1), 0);
    EXPECT_EQ(plugin.read(ini_keys::FileName), "[Multiuser]\r\nMode=1\r\n");
}

TEST(SettingMultiuser, ProfileFolderHoldsTheFileWhenSet) {
    TempDir plugin, profile;
    plugin.write(ini_keys::FileName, "[Multiuser]\r\nMode=1\r\n");
    ProfileScope env(wide::w(profile.path()));
    CSetting setting(plugin.path());
    ASSERT_TRUE(setting.applyLocationRule());
    EXPECT_EQ(setting.iniPath(), profile.path() + u"\\Vexa2.ini");
    EXPECT_EQ(setting.writeInt(u"A", u"k", 1), 1);
    EXPECT_EQ(profile.read(ini_keys::FileName), "[A]\r\nk=1\r\n");
}

TEST(SettingMultiuser, ProfileThatIsAFileIsRefused) {
    TempDir plugin;
    plugin.write(u"notafolder", "x");
    ProfileScope env(wide::w(plugin.file(u"notafolder")));
    CSetting setting(plugin.path());
    EXPECT_FALSE(setting.switchToUserProfile());
    EXPECT_FALSE(setting.isUsable());
}
