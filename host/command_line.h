// The host program's command line: files to open, "/l LINE FILE" to open a
// file with the caret on a 1-based line (how previewers jump back into the
// source), and "/plugin PATH" for a plug-in other than the one beside the
// program.
#pragma once
#include <string>
#include <vector>

struct FileToOpen {
    std::wstring path;
    int line = 0; // 0-based; 0 when none was asked for
    friend bool operator==(const FileToOpen&, const FileToOpen&) = default;
};

struct HostCommandLine {
    std::wstring pluginPath;        // empty: vexa2.dll beside the program
    std::vector<FileToOpen> files;  // the first opens here, the rest in new instances
    std::vector<std::wstring> problems; // options that were malformed (ignored)
};

namespace command_line {
// args without the program name.
HostCommandLine parse(const std::vector<std::wstring>& args);
// The arguments that open one file in a new instance.
std::vector<std::wstring> forInstance(const std::wstring& pluginPath, const FileToOpen& file);
} // namespace command_line
