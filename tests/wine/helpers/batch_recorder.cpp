// Stands in for every tool of a command file in the batch tests: appends
// its working folder, its arguments and the Vexa2 variables it sees to the
// file named by VEXA_RECORD, as UTF-8, one block per call:
//   call <TAB> cwd <TAB> arg1 <TAB> arg2 ...
//   parent <TAB> program <TAB> command line   (of the process that started
//                                             it: the batch's interpreter)
//   env <TAB> Name=Value        (every Vexa2_* variable and TEXEDIT)
//   end
// It exits with 1 when VEXA_RECORD_FAIL names one of its arguments.
#include "base/str.h"
#include "base/win32/wide.h"

#include <windows.h>
#include <shellapi.h>
#include <tlhelp32.h>
#include <winternl.h>

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

DWORD parentId() {
    DWORD self = GetCurrentProcessId(), parent = 0;
    HANDLE snap = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snap == INVALID_HANDLE_VALUE) return 0;
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof(entry);
    for (BOOL more = Process32FirstW(snap, &entry); more; more = Process32NextW(snap, &entry))
        if (entry.th32ProcessID == self) parent = entry.th32ParentProcessID;
    CloseHandle(snap);
    return parent;
}

std::wstring remoteText(HANDLE process, const UNICODE_STRING& text) {
    std::wstring out(text.Length / sizeof(wchar_t), L'\0');
    if (!ReadProcessMemory(process, text.Buffer, out.data(), text.Length, nullptr)) return {};
    return out;
}

// The parent's program and command line as the process-creation call got
// them, read from its process parameters; empty when they cannot be read.
std::string parentRecord() {
    using Query = LONG(NTAPI*)(HANDLE, PROCESSINFOCLASS, PVOID, ULONG, PULONG);
    auto query = reinterpret_cast<Query>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "NtQueryInformationProcess")));
    HANDLE parent = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, parentId());
    if (!parent) return "parent\n";
    std::string record = "parent";
    PROCESS_BASIC_INFORMATION info{};
    PEB peb{};
    RTL_USER_PROCESS_PARAMETERS params{};
    if (query && query(parent, ProcessBasicInformation, &info, sizeof(info), nullptr) == 0 &&
        ReadProcessMemory(parent, info.PebBaseAddress, &peb, sizeof(peb), nullptr) &&
        ReadProcessMemory(parent, peb.ProcessParameters, &params, sizeof(params), nullptr))
        record += "\t" + utf8(remoteText(parent, params.ImagePathName)) + "\t" + utf8(remoteText(parent, params.CommandLine));
    CloseHandle(parent);
    return record + "\n";
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
    record += "\n" + parentRecord();
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
