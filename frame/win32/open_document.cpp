// PLACEHOLDER: replaced by the jump command's developer.
#include "frame/win32/open_document.h"

namespace open_document {
bool openFromList(HWND, const std::wstring&) { return false; }
bool openInNewHost(HWND, const std::wstring&, const std::wstring&) { return false; }
bool openWithAssociation(HWND, const std::wstring&, const std::wstring&) { return false; }
} // namespace open_document
