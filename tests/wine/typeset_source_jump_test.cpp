// The source-jump pieces that touch Windows directly, in this process: the
// "TEXEDIT" variable a run provides and restores, and the previewer's
// registry value.
#include "base/win32/wide.h"
#include "make/win32/source_jump.h"
#include "settings/setting.h"
#include "settings/setting_keys.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>
#include <windows.h>

namespace {

using namespace ini_keys::make;

struct EnvValue {
    bool present = false;
    std::wstring value;
};
EnvValue texedit() {
    wchar_t buf[2048] = {};
    SetLastError(0);
    DWORD n = GetEnvironmentVariableW(L"TEXEDIT", buf, 2048);
    return {n != 0 || GetLastError() != ERROR_ENVVAR_NOT_FOUND, std::wstring(buf, n < 2048 ? n : 0)};
}

std::wstring ours(const wchar_t* param) {
    wchar_t exe[MAX_PATH * 2] = {};
    GetModuleFileNameW(nullptr, exe, MAX_PATH * 2);
    return L"\"" + std::wstring(exe) + L"\" " + param;
}

class SourceJump : public ::testing::Test {
protected:
    void SetUp() override { SetEnvironmentVariableW(L"TEXEDIT", nullptr); }
    void TearDown() override { SetEnvironmentVariableW(L"TEXEDIT", nullptr); }
    TempDir dir;
    CSetting settings{dir.path()};
};

TEST_F(SourceJump, AlwaysModeReplacesTheUsersValueForTheRunOnly) {
    settings.writeInt(Section, TeXEdit, 2);
    SetEnvironmentVariableW(L"TEXEDIT", L"mine %d");
    inverse_search::Saved saved = source_jump::ProvideInverseSearchCommand(settings);
    EXPECT_TRUE(saved.changed);
    EXPECT_EQ(texedit().value, ours(L"/l %d \"%s\""));
    source_jump::RestoreInverseSearchCommand(saved);
    EXPECT_EQ(texedit().value, L"mine %d");
}

TEST_F(SourceJump, DefaultModeFillsOnlyAGapAndRemovesItAgain) {
    settings.writeString(Section, TeXEditParam, u"-n%d %s");
    inverse_search::Saved saved = source_jump::ProvideInverseSearchCommand(settings);
    EXPECT_EQ(texedit().value, ours(L"-n%d %s"));
    source_jump::RestoreInverseSearchCommand(saved);
    EXPECT_FALSE(texedit().present);

    SetEnvironmentVariableW(L"TEXEDIT", L"mine");
    saved = source_jump::ProvideInverseSearchCommand(settings);
    EXPECT_FALSE(saved.changed);
    source_jump::RestoreInverseSearchCommand(saved);
    EXPECT_EQ(texedit().value, L"mine");
}

TEST_F(SourceJump, LeaveModeNeverTouchesTheVariable) {
    settings.writeInt(Section, TeXEdit, 0);
    inverse_search::Saved saved = source_jump::ProvideInverseSearchCommand(settings);
    EXPECT_FALSE(saved.changed);
    EXPECT_FALSE(texedit().present);
    source_jump::RestoreInverseSearchCommand(saved);
    EXPECT_FALSE(texedit().present);
}

TEST(PreviewerRegistry, SourceValueRoundTripsAndMissingOnesReadEmpty) {
    RegDeleteKeyW(HKEY_CURRENT_USER, source_jump::PreviewerKey);
    u16 value = u"left over";
    EXPECT_FALSE(source_jump::ReadPreviewerSource(value));
    EXPECT_EQ(value, u"");
    const u16 text = u"\"C:\\Program Files\\Host\\host.exe\" /l %d \"%s\"";
    ASSERT_TRUE(source_jump::WritePreviewerSource(text));
    EXPECT_TRUE(source_jump::ReadPreviewerSource(value));
    EXPECT_EQ(value, text);
    ASSERT_TRUE(source_jump::WritePreviewerSource(u""));
    EXPECT_TRUE(source_jump::ReadPreviewerSource(value));
    EXPECT_EQ(value, u"");
    RegDeleteKeyW(HKEY_CURRENT_USER, source_jump::PreviewerKey);
}

} // namespace
