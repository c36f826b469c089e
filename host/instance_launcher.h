// Starts another instance of the host program, e.g. to open files in a new
// window of their own.
#pragma once
#include <string>
#include <vector>

namespace instance_launcher {

// Quotes one argument the way CommandLineToArgvW reads it back.
std::wstring quote(const std::wstring& arg);

// Starts exe (empty: this program) with args; false when it cannot start.
bool launch(const std::wstring& exe, const std::vector<std::wstring>& args);

} // namespace instance_launcher
