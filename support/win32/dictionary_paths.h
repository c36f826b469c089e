// Where the plug-in's dictionaries live: the sources named by the language
// library in its folder, the cache and history in the settings folder.
#pragma once
#include "support/dictionary_store.h"

#include <windows.h>

namespace dictionary_paths {

// False when there is no settings folder: the cache and the history would
// have nowhere to go.
bool forPlugin(HINSTANCE plugin, DictionaryPaths& out);

} // namespace dictionary_paths
