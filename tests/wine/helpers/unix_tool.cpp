// Stands in for a tool of a command file when a Wine test runs a real Linux
// program (TeX, BibTeX, an index processor):
//   "unix_tool.exe" /usr/bin/bibtex "main"
// runs the program in this process's current folder and ends with its exit
// code. Wine's `start /unix` neither waits for the program nor returns its
// exit code, and starts it in the program's own folder; so this helper
// writes a shell script that changes into the current folder, runs the
// program and leaves its exit code in a file, starts that script through
// `start /unix` and waits for the file. Arguments pass unchanged, so file
// names must be relative to the current folder. Exit codes of its own:
// 125 when the script cannot be written or started, 124 when the program
// has not ended within three minutes.
//
// A copy of it under a tool's name, say platex.exe in a folder on the PATH,
// runs that tool with all of its arguments, so a shipped command file runs
// as it stands: the Linux command is /usr/bin/<name>, or the text of
// <name>.unix beside the copy (a shell command prefix, for example
// "env PTEX_KANJI_ENC=sjis /usr/bin/platex" or another program's path).
#include "base/str.h"
#include "base/win32/wide.h"

#include <windows.h>
#include <shellapi.h>

#include <cctype>
#include <cstdlib>
#include <cwchar>
#include <string>

namespace {

// One argument for /bin/sh, inside single quotes.
std::string shellQuoted(const std::string& s) {
    std::string out = "'";
    for (char c : s) out += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return out + "'";
}

std::string utf8(const wchar_t* s) { return str::toUtf8(wide::u(s)); }

// The Linux path of a Windows path, through Wine's own export.
std::string unixPath(const wchar_t* path) {
    using Convert = char*(CDECL*)(const wchar_t*);
    auto convert = reinterpret_cast<Convert>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
    if (!convert) return {};
    char* unix = convert(path);
    if (!unix) return {};
    std::string out(unix);
    HeapFree(GetProcessHeap(), 0, unix);
    return out;
}

bool writeBytes(const std::wstring& path, const std::string& bytes) {
    HANDLE h = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    bool ok = WriteFile(h, bytes.data(), DWORD(bytes.size()), &written, nullptr) && written == bytes.size();
    CloseHandle(h);
    return ok;
}

std::string readBytes(const std::wstring& path, size_t limit = 64) {
    HANDLE h = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) return {};
    std::string buf(limit, '\0');
    DWORD got = 0;
    ReadFile(h, buf.data(), DWORD(limit), &got, nullptr);
    CloseHandle(h);
    buf.resize(got);
    return buf;
}

// The shell command that a copy named after a tool stands for; empty for
// the helper under its own name, which takes the program as first argument.
std::string toolCommand() {
    wchar_t self[MAX_PATH * 4];
    DWORD n = GetModuleFileNameW(nullptr, self, MAX_PATH * 4);
    if (!n || n >= MAX_PATH * 4) return {};
    std::wstring path(self, n);
    size_t slash = path.find_last_of(L'\\'), dot = path.find_last_of(L'.');
    if (dot == std::wstring::npos || (slash != std::wstring::npos && dot < slash)) dot = path.size();
    std::wstring stem = path.substr(slash == std::wstring::npos ? 0 : slash + 1, dot - slash - 1);
    if (_wcsicmp(stem.c_str(), L"unix_tool") == 0) return {};
    std::string sidecar = readBytes(path.substr(0, dot) + L".unix", 4096);
    while (!sidecar.empty() && std::isspace(static_cast<unsigned char>(sidecar.back()))) sidecar.pop_back();
    if (!sidecar.empty()) return sidecar;
    return "/usr/bin/" + utf8(stem.c_str());
}

int run(int argc, wchar_t** argv) {
    const std::string tool = toolCommand();
    if (tool.empty() && argc < 2) return 125;
    wchar_t cwd[MAX_PATH * 4];
    DWORD n = GetCurrentDirectoryW(MAX_PATH * 4, cwd);
    std::string folder = n && n < MAX_PATH * 4 ? unixPath(cwd) : std::string();
    if (folder.empty()) return 125;

    // /tmp is Z:\tmp to Wine and has no blanks, which `start /unix` would
    // pass on as literal quotes.
    std::string stem = "/tmp/vexa2-unix-tool-" + std::to_string(GetCurrentProcessId()) + "-" +
                       std::to_string(GetTickCount());
    std::string command = tool.empty() ? "exec" : "exec " + tool;
    for (int i = 1; i < argc; ++i) command += " " + shellQuoted(utf8(argv[i]));
    std::string script = "(cd " + shellQuoted(folder) + " && " + command + " </dev/null >/dev/null 2>&1)\n" +
                         "echo $? > " + shellQuoted(stem + ".tmp") + "\n" +
                         "mv " + shellQuoted(stem + ".tmp") + " " + shellQuoted(stem + ".rc") + "\n";
    // The name is plain ASCII: the same text on both sides.
    const std::wstring unixStem(stem.begin(), stem.end());
    std::wstring windowsStem = L"Z:" + unixStem;
    for (wchar_t& c : windowsStem)
        if (c == L'/') c = L'\\';
    const std::wstring scriptFile = windowsStem + L".sh", codeFile = windowsStem + L".rc";
    if (!writeBytes(scriptFile, script)) return 125;

    std::wstring line = L"start.exe /unix /bin/sh " + unixStem + L".sh";
    STARTUPINFOW si{};
    si.cb = sizeof(si);
    PROCESS_INFORMATION pi{};
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) {
        DeleteFileW(scriptFile.c_str());
        return 125;
    }
    CloseHandle(pi.hThread);
    WaitForSingleObject(pi.hProcess, INFINITE);
    CloseHandle(pi.hProcess);

    int code = 124;
    for (DWORD start = GetTickCount(); GetTickCount() - start < 180000; Sleep(20)) {
        if (GetFileAttributesW(codeFile.c_str()) == INVALID_FILE_ATTRIBUTES) continue;
        code = std::atoi(readBytes(codeFile).c_str());
        DeleteFileW(codeFile.c_str());
        break;
    }
    DeleteFileW(scriptFile.c_str());
    return code;
}

} // namespace

int main() {
    int argc = 0;
    wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    int code = run(argc, argv);
    LocalFree(argv);
    return code;
}
