// A typesetting run and an image conversion run: each publishes what the
// batch files need as variables of this process's environment, starts the
// batch file and, once the caller has waited for it, restores what it
// changed and tidies up.
#pragma once
#include "base/text.h"
#include "make/inverse_search.h"
#include "make/win32/process.h"

#include <cstdint>
#include <windows.h>

class DictionaryStore;

// Types 1-9: a typesetting command; the set is 1 or 2 (anything else is 2).
class VexaMake : public Process {
public:
    // dictionaries: the paper-size list's source; may be null.
    VexaMake(HWND owner, HINSTANCE app, HWND editor, int32_t type, int32_t set, const DictionaryStore* dictionaries);
    // Saves, resolves the root, sets the variables and starts the batch
    // file; warns (owned by owner) when the run cannot start.
    void run();
    // Restores "TEXEDIT", deletes auxiliary files when the settings ask.
    void release() override;

private:
    HWND owner_;       // not owned: the plug-in's main window
    HINSTANCE app_;    // the plug-in module
    HWND editor_;      // not owned: the host's editor window
    int32_t type_;
    int32_t set_;
    const DictionaryStore* dictionaries_; // not owned: the main window's
    inverse_search::Saved texedit_;
};

// Type 10: converts an image for the figure dialog.
class VexaMakeImage : public Process {
public:
    VexaMakeImage(HWND owner, HINSTANCE app, HWND editor, int32_t set, u16view image);
    void run();

private:
    HWND owner_;       // not owned
    HINSTANCE app_;
    HWND editor_;      // not owned
    int32_t set_;
    u16 image_;
};

namespace vexa_make {
// Runs type 1-10 and returns when its batch process has ended; other types
// do nothing. dictionaries (may be null) hold the paper sizes; image is
// used by type 10 only.
void RunMake(HWND owner, HINSTANCE app, HWND editor, int32_t type, int32_t set,
             const DictionaryStore* dictionaries = nullptr, u16view image = {});
} // namespace vexa_make
