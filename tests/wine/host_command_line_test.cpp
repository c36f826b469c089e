// The host program's command line and the command line it gives new
// instances of itself.
#include "host/command_line.h"
#include "host/instance_launcher.h"

#include <gtest/gtest.h>
#include <windows.h>
#include <shellapi.h>

namespace {

TEST(HostCommandLine, FilesPluginAndInverseSearch) {
    HostCommandLine c = command_line::parse({L"a.tex", L"/plugin", L"..\\p\\vexa2.dll", L"/L", L"12", L"C:\\x y\\b.tex"});
    EXPECT_EQ(c.pluginPath, L"..\\p\\vexa2.dll");
    ASSERT_EQ(c.files.size(), 2u);
    EXPECT_EQ(c.files[0], (FileToOpen{L"a.tex", 0}));
    EXPECT_EQ(c.files[1], (FileToOpen{L"C:\\x y\\b.tex", 11})); // 1-based on the command line
    EXPECT_TRUE(c.problems.empty());
}

TEST(HostCommandLine, MalformedOptionsAreReportedNotGuessed) {
    HostCommandLine c = command_line::parse({L"/l", L"zero", L"f.tex"});
    EXPECT_EQ(c.problems.size(), 1u);
    ASSERT_EQ(c.files.size(), 2u); // the bad number is taken as nothing but a name
    EXPECT_EQ(c.files[1].path, L"f.tex");

    c = command_line::parse({L"/l", L"0", L"f.tex"});
    EXPECT_EQ(c.problems.size(), 1u);
    c = command_line::parse({L"/l", L"5"});
    EXPECT_EQ(c.problems.size(), 1u);
    EXPECT_TRUE(c.files.empty());
    c = command_line::parse({L"/plugin"});
    EXPECT_EQ(c.problems.size(), 1u);
    EXPECT_TRUE(command_line::parse({}).files.empty());
}

std::vector<std::wstring> splitAgain(const std::wstring& commandLine) {
    int argc = 0;
    LPWSTR* argv = CommandLineToArgvW((L"prog.exe " + commandLine).c_str(), &argc);
    std::vector<std::wstring> out(argv + 1, argv + argc);
    LocalFree(argv);
    return out;
}

TEST(HostCommandLine, NewInstanceArgumentsSurviveQuoting) {
    std::vector<std::wstring> args =
        command_line::forInstance(L"C:\\Program Files\\p\\vexa2.dll", FileToOpen{L"C:\\my docs\\日本\\a \"q\".tex", 4});
    std::wstring joined;
    for (const auto& a : args) joined += (joined.empty() ? L"" : L" ") + instance_launcher::quote(a);
    EXPECT_EQ(splitAgain(joined), args);
    EXPECT_EQ(command_line::parse(args).files[0], (FileToOpen{L"C:\\my docs\\日本\\a \"q\".tex", 4}));

    for (std::wstring tricky : {L"", L"a b\\", L"x\\\\\"y", L"\\\\server\\share\\"})
        EXPECT_EQ(splitAgain(instance_launcher::quote(tricky)), std::vector<std::wstring>{tricky});
}

} // namespace
