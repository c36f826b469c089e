// Files of the source tree that tests check as committed: the shipped
// batch files, the plug-in's bitmaps. The build passes the tree's folder,
// so the tests find them from any working folder.
#pragma once
#include "base/str.h"

#include <string>

inline u16 sourceFile(const std::string& relative) {
    std::string root = VEXA_SOURCE_DIR;
#ifdef _WIN32
    if (!root.empty() && root[0] == '/') root = "Z:" + root; // the Linux root under Wine
#endif
    return str::fromUtf8(root + "/" + relative);
}
