// Stands in for every tool of a command file in the batch tests: appends
// its working folder, its arguments and the Vexa2 variables it sees to the
// file named by VEXA_RECORD, as UTF-8, one block per call:
//   call <TAB> cwd <TAB> arg1 <TAB> arg2 ...
//   env <TAB> Name=Value        (every Vexa2_* variable and TEXEDIT)
//   end
// It exits with 1 when VEXA_RECORD_FAIL names one of its arguments.
#include "base/str.h"
#include "base/win32/wide.h"

#include <windows.h>
#include <shellapi.h>

#include <string>
#include <vector>

namespace {

std::wstring env(const wchar_t* name) {
    wchar_t buf[32768];
    DWORD n = GetEnvironmentVariableW(name, buf, 32768);
    return n && n < 32768 ? std::wstring(buf, n) : std::wstring();
}

std::string utf8(const std::wstring& w) { return str::toUtf8(u16(reinterpret_cast<const char16_t*>(w.c_str()), w.size())); }

bool startsNoCase(const std::wstring& s, const wchar_t* prefix) {
    size_t n = wcslen(prefix);
    return s.size() >= n && CompareStringOrdinal(s.c_str(), int(n), prefix, int(n), TRUE) == CSTR_EQUAL;
}

} // namespace

int main() {
    int argc = 0;
    wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    std::wstring failOn = env(L"VEXA_RECORD_FAIL");
    bool fail = false;

    wchar_t cwd[MAX_PATH * 4];
    DWORD cwdLen = GetCurrentDirectoryW(MAX_PATH * 4, cwd);
    std::string record = "call\t" + utf8(std::wstring(cwd, cwdLen));
    for (int i = 1; i < argc; ++i) {
        record += "\t" + utf8(argv[i]);
        if (!failOn.empty() && failOn == argv[i]) fail = true;
    }
    record += "\n";
    if (wchar_t* block = GetEnvironmentStringsW()) {
        for (const wchar_t* p = block; *p; p += wcslen(p) + 1) {
            std::wstring entry(p);
            if (startsNoCase(entry, L"Vexa2_") || startsNoCase(entry, L"TEXEDIT=")) record += "env\t" + utf8(entry) + "\n";
        }
        FreeEnvironmentStringsW(block);
    }
    record += "end\n";

    std::wstring target = env(L"VEXA_RECORD");
    // Viewers run detached and may write at the same time as the next tool.
    for (int attempt = 0; attempt < 200 && !target.empty(); ++attempt) {
        HANDLE h = CreateFileW(target.c_str(), FILE_APPEND_DATA, 0, nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (h == INVALID_HANDLE_VALUE) {
            Sleep(10);
            continue;
        }
        DWORD written = 0;
        WriteFile(h, record.data(), DWORD(record.size()), &written, nullptr);
        CloseHandle(h);
        break;
    }
    LocalFree(argv);
    return fail ? 1 : 0;
}
