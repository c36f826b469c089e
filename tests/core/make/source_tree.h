// Where the shipped batch files are: data/ of the source tree.
#pragma once
#include "tests/support/source_tree.h"

inline u16 shippedFile(const char* name) { return sourceFile(std::string("data/") + name); }
