// PLACEHOLDER: replaced by the auxiliary file deletion.
#include "make/win32/aux_delete.h"

namespace aux_delete {
void deleteAuxFiles(HINSTANCE, HWND, HWND) {}
} // namespace aux_delete
