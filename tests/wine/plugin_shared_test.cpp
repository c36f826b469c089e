// The shared section of one plug-in file seen by several processes.
#include "tests/wine/plugin_test_support.h"

#include <gtest/gtest.h>

#include <string>

namespace {
using namespace plugin_test;

// Starts the peer program with arguments; returns its process handle.
HANDLE startPeer(const std::wstring& args) {
    std::wstring cmd = L"\"" + host_test::binFolder() + L"plugin_shared_peer.exe\" " + args;
    STARTUPINFOW si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    if (!CreateProcessW(nullptr, cmd.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) return nullptr;
    CloseHandle(pi.hThread);
    return pi.hProcess;
}

DWORD finish(HANDLE process) {
    DWORD code = 999;
    if (WaitForSingleObject(process, 60000) == WAIT_OBJECT_0) GetExitCodeProcess(process, &code);
    CloseHandle(process);
    return code;
}

TEST(PluginShared, OpenWindowsAreCountedAcrossProcesses) {
    TempDir dir;
    ASSERT_TRUE(install(dir, Language::EnglishConfigured));
    // The peers' windows are bare popups without a rebar to dock into.
    ASSERT_TRUE(dir.write(u"Vexa2.ini", "[BasicSettings]\r\nWindow=2\r\n"));
    std::wstring dll = path(dir, L"vexa2.dll");
    std::wstring tag = std::to_wstring(GetCurrentProcessId());
    std::wstring readyA = L"plugin_shared_readyA_" + tag, readyB = L"plugin_shared_readyB_" + tag;
    std::wstring doneName = L"plugin_shared_done_" + tag;
    HANDLE eventA = CreateEventW(nullptr, TRUE, FALSE, readyA.c_str());
    HANDLE eventB = CreateEventW(nullptr, TRUE, FALSE, readyB.c_str());
    HANDLE done = CreateEventW(nullptr, TRUE, FALSE, doneName.c_str());

    HANDLE a = startPeer(L"\"" + dll + L"\" open " + readyA + L" " + doneName);
    HANDLE b = startPeer(L"\"" + dll + L"\" open " + readyB + L" " + doneName);
    ASSERT_NE(a, nullptr);
    ASSERT_NE(b, nullptr);
    HANDLE ready[2] = {eventA, eventB};
    bool bothReady = WaitForMultipleObjects(2, ready, TRUE, 60000) == WAIT_OBJECT_0;
    EXPECT_TRUE(bothReady);

    // A third process, and this one, see both windows.
    EXPECT_EQ(finish(startPeer(L"\"" + dll + L"\" count")), bothReady ? 2u : 999u);
    HMODULE own = LoadLibraryW(dll.c_str());
    SharedState* shared = sharedSection(own);
    ASSERT_NE(shared, nullptr);
    EXPECT_EQ(shared->openWindowCount, 2);

    SetEvent(done);
    EXPECT_EQ(finish(a), 0u);
    EXPECT_EQ(finish(b), 0u);
    EXPECT_EQ(shared->openWindowCount, 0);
    FreeLibrary(own);
    for (HANDLE h : {eventA, eventB, done}) CloseHandle(h);
}

} // namespace
