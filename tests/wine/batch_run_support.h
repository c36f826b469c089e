// Running the shipped batch files from a test: where the shipped data is,
// the environment a run starts from, and starting a batch in a console of
// its own with the given variables.
#pragma once
#include "base/platform.h"
#include "base/str.h"
#include "base/win32/wide.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cwchar>
#include <functional>
#include <map>
#include <string>

namespace batch_run {

inline u16 moduleFolder() {
    wchar_t buf[MAX_PATH * 4];
    DWORD n = GetModuleFileNameW(nullptr, buf, MAX_PATH * 4);
    u16 p = wide::u(buf, n);
    return p.substr(0, p.find_last_of(u'\\'));
}

// data\ of the source tree, searched upwards from the test program.
inline u16 shippedFolder() {
    u16 dir = moduleFolder();
    while (!dir.empty()) {
        if (platform::fileExists(dir + u"\\data\\Vexa2.bat")) return dir + u"\\data";
        size_t cut = dir.find_last_of(u'\\');
        if (cut == u16::npos) break;
        dir.resize(cut);
    }
    return {};
}

inline bool copyFile(u16view from, u16view to) {
    std::string bytes;
    return platform::readFile(from, bytes) && platform::writeFileAtomic(to, bytes);
}

// This process's environment without the variables that leave(name=value)
// refuses, so that a run sees only what the test gives it.
inline std::map<u16, u16> environment(const std::function<bool(const u16& entry)>& leave) {
    std::map<u16, u16> env;
    if (wchar_t* b = GetEnvironmentStringsW()) {
        for (const wchar_t* p = b; *p; p += wcslen(p) + 1) {
            u16 e = wide::u(p);
            size_t eq = e.find(u'=', 1);
            if (eq == u16::npos || leave(e)) continue;
            env[e.substr(0, eq)] = e.substr(eq + 1);
        }
        FreeEnvironmentStringsW(b);
    }
    return env;
}

// Starts batch in folder with exactly env, standard handles on NUL (input
// from input when given). The process handle, or null after a reported
// failure.
inline HANDLE start(const u16& batch, const std::map<u16, u16>& env, const u16& folder, HANDLE input = nullptr,
                    bool show = false) {
    u16 block;
    for (auto& [k, v] : env) block += k + u"=" + v + u'\0';
    block += u'\0';
    SECURITY_ATTRIBUTES sa{sizeof(sa), nullptr, TRUE};
    HANDLE nul = CreateFileW(L"NUL", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, &sa,
                             OPEN_EXISTING, 0, nullptr);
    STARTUPINFOW si{};
    si.cb = sizeof(si);
    si.dwFlags = STARTF_USESTDHANDLES | (show ? STARTF_USESHOWWINDOW : 0);
    si.wShowWindow = SW_SHOW;
    si.hStdInput = input ? input : nul;
    si.hStdOutput = si.hStdError = nul;
    PROCESS_INFORMATION pi{};
    BOOL ok = CreateProcessW(wide::w(batch), nullptr, nullptr, nullptr, TRUE,
                             CREATE_NEW_CONSOLE | CREATE_UNICODE_ENVIRONMENT, block.data(), wide::w(folder), &si, &pi);
    CloseHandle(nul);
    if (!ok) {
        ADD_FAILURE() << "CreateProcessW failed: " << GetLastError();
        return nullptr;
    }
    CloseHandle(pi.hThread);
    return pi.hProcess;
}

// Waits for the process and closes it; its exit code, 0xFFFF when it did
// not end in time or there was none.
inline DWORD finish(HANDLE process, DWORD timeout) {
    if (!process) return 0xFFFF;
    EXPECT_EQ(WaitForSingleObject(process, timeout), WAIT_OBJECT_0);
    DWORD code = 0xFFFF;
    GetExitCodeProcess(process, &code);
    CloseHandle(process);
    return code;
}

} // namespace batch_run
