// Deletes the auxiliary files of the active document and its root, after
// showing them as the settings ask. owner is none when the main window is
// closing: then nothing is shown, and what would have been shown for
// confirmation stays.
#pragma once
#include <windows.h>

namespace aux_delete {
void deleteAuxFiles(HINSTANCE app, HWND owner, HWND editor);
} // namespace aux_delete
