#include "host/command_line.h"

#include <cwchar>
#include <cwctype>

namespace command_line {
namespace {

bool isOption(const std::wstring& arg, const wchar_t* name) {
    if (arg.size() < 2 || (arg[0] != L'/' && arg[0] != L'-')) return false;
    return _wcsicmp(arg.c_str() + 1, name) == 0;
}

// A whole positive decimal number, or 0.
int positiveNumber(const std::wstring& s) {
    if (s.empty() || s.size() > 9) return 0;
    int n = 0;
    for (wchar_t c : s) {
        if (!std::iswdigit(c)) return 0;
        n = n * 10 + (c - L'0');
    }
    return n;
}

} // namespace

HostCommandLine parse(const std::vector<std::wstring>& args) {
    HostCommandLine out;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::wstring& a = args[i];
        if (isOption(a, L"plugin")) {
            if (i + 1 < args.size()) out.pluginPath = args[++i];
            else out.problems.push_back(L"/plugin needs a path");
        } else if (isOption(a, L"l")) {
            int line = i + 1 < args.size() ? positiveNumber(args[i + 1]) : 0;
            if (line > 0 && i + 2 < args.size()) {
                out.files.push_back(FileToOpen{args[i + 2], line - 1});
                i += 2;
            } else {
                out.problems.push_back(L"/l needs a line number from 1 and a file");
                if (line > 0) ++i;
            }
        } else if (!a.empty()) {
            out.files.push_back(FileToOpen{a, 0});
        }
    }
    return out;
}

std::vector<std::wstring> forInstance(const std::wstring& pluginPath, const FileToOpen& file) {
    std::vector<std::wstring> args;
    if (!pluginPath.empty()) args = {L"/plugin", pluginPath};
    if (file.line > 0) {
        args.push_back(L"/l");
        args.push_back(std::to_wstring(file.line + 1));
    }
    args.push_back(file.path);
    return args;
}

} // namespace command_line
