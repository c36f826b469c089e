#include "host/instance_launcher.h"

#include <windows.h>

namespace instance_launcher {

std::wstring quote(const std::wstring& arg) {
    if (!arg.empty() && arg.find_first_of(L" \t\"") == std::wstring::npos) return arg;
    std::wstring out = L"\"";
    size_t backslashes = 0;
    for (wchar_t c : arg) {
        if (c == L'\\') {
            ++backslashes;
            continue;
        }
        // Backslashes before a quote are escaped, others stay literal.
        out.append(c == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
        backslashes = 0;
        out.push_back(c);
    }
    out.append(backslashes * 2, L'\\');
    out.push_back(L'"');
    return out;
}

bool launch(const std::wstring& exe, const std::vector<std::wstring>& args) {
    std::wstring program = exe;
    if (program.empty()) {
        wchar_t path[MAX_PATH * 2] = {};
        DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH * 2);
        if (n == 0) return false;
        program.assign(path, n);
    }
    std::wstring commandLine = quote(program);
    for (const auto& a : args) commandLine += L" " + quote(a);
    STARTUPINFOW si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
        return false;
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    return true;
}

} // namespace instance_launcher
