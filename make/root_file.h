// Which .tex file is the root of the document open in the editor: the
// document itself when \begin{document} is near its top, else the locked
// root, else the path on a first line "%Root <path>", else the path of a
// "% !TEX root = <path>" comment among the first lines (the form other
// LaTeX editors write).
#pragma once
#include "base/text.h"
#include "frame/host_editor.h"

class CSetting;

namespace root_file {

// The same rule that decides which files start the plug-in by themselves.
bool IsTexFileName(u16view path);

// Lines of the document searched for \begin{document}.
constexpr int32_t SelfRootLines = 300;
// Lines of the document searched for a "% !TEX root" comment.
constexpr int32_t MagicRootLines = 20;
// Longest path a combination may produce (the shell's buffer).
constexpr size_t MaxCombinedPath = 519;

// lockedRoot: entry 0 of the recent roots while the lock is on, else
// empty (see LockedRoot). True when a root other than the document was
// found; path then holds it, as written, or absolute with '\' for make.
// False leaves path empty.
bool ResolveRoot(HostEditor& editor, u16& path, bool forMake, u16view lockedRoot);

// The path of a line "% !TEX root = <path>": blanks allowed before "%",
// after it and around "=", "TEX" and "root" in any letter case, the path
// without the blanks at its ends. Empty for any other line.
u16 MagicRootPath(u16view line);
// The path of the first such line among the document's first
// MagicRootLines lines; empty when there is none.
u16 MagicRoot(HostEditor& editor);

// Entry 0 of the recent roots when lockOn, else empty.
u16 LockedRoot(CSetting& settings, bool lockOn);

// The text of a first line that names root: "%Root " + root.
u16 RootLine(u16view root);

} // namespace root_file
