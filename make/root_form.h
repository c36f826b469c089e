// The three ways a root file can be written down (in a "%Root " line or the
// recent-roots list), and putting a root line into the document. Pure text
// work over HostEditor, so the dialogs and the tests share it.
#pragma once
#include "base/text.h"
#include "frame/host_editor.h"

#include <cstdint>

namespace root_form {

// Values of ("Root", "Type").
enum Form : int32_t { NameOnly = 0, Relative = 1, Absolute = 2 };

// Any stored value other than 1 or 2 means name only.
Form fromSetting(int32_t value);

// The path from the folder of file `from` to `to`, both absolute; '/' is
// read as '\'. Folders compare without case. On another drive or share
// there is no relative path and `to` comes back whole. "sub\main.tex",
// "..\main.tex", "main.tex"; empty input gives `to` unchanged.
u16 relativeTo(u16view from, u16view to);

// full written in form as seen from the document at `current` (which may
// be empty when the document has no file yet: relative then falls back
// to the name only).
u16 render(u16view full, u16view current, Form form);

// Writes "%Root " + root as line 0: replaces line 0 when rootFound (a root
// is resolved now) and line 0 already is a root line, else inserts the line
// before the first one. False when the document takes no insertion.
bool writeRootLine(HostEditor& editor, u16view root, bool rootFound);

} // namespace root_form
