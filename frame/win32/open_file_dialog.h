// The system's open-file dialog as every dialog of the plug-in shows it,
// and the one memory they share: the last file chosen in any of them. It
// lives as long as the plug-in is loaded, for every editor window of the
// process, so the next dialog starts where the user last found a file.
#pragma once
#include "base/text.h"

#include <windows.h>

#include <cstdint>

namespace open_file {

struct Request {
    HWND owner = nullptr;      // not owned
    uint32_t titleId = 0;      // message identifier of the title
    uint32_t filterId = 0;     // message identifier: label|pattern|... pairs
    u16 document;              // the current document's path, may be empty
    u16 initialName;           // proposed in the name box, may be empty
};

// Shows the dialog (the file must exist, first filter selected, no
// read-only box); on a choice sets chosen, makes it the shared last file
// and returns true. The process's current folder is left alone.
bool choose(const Request& request, u16& chosen);

// Where the dialog opens: the folder of the shared last file, else that of
// the document; empty when neither is known.
u16 initialFolder(u16view document);

// The shared last file (empty before the first choice).
u16 lastChosen();
void rememberChosen(u16view path);

} // namespace open_file
