// Where the shipped batch files are: data/ of the source tree, found from
// this file's own compile-time location.
#pragma once
#include "base/str.h"

#include <string>

inline u16 shippedFile(const char* name) {
    std::string here = __FILE__;                     // .../tests/core/make/source_tree.h
    for (int up = 0; up < 4; ++up) here = here.substr(0, here.find_last_of("/\\"));
#ifdef _WIN32
    if (!here.empty() && here[0] == '/') here = "Z:" + here; // the Linux root under Wine
#endif
    return str::fromUtf8(here + "/data/" + name);
}
