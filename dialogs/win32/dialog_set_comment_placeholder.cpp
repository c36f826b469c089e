// TEMPORARY: lets the page layout branch link until the preset name dialog
// is merged; it shows nothing and reports that nothing was chosen. Delete
// this file at that merge.
#include "dialogs/win32/dialog_set_comment.h"

DialogSetComment::DialogSetComment(HWND, const std::wstring& name, bool, int) : name_(name) {}
