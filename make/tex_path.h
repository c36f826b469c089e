// Path pieces the typesetting code needs, on Windows path rules: '\' and
// '/' both separate, "X:" starts a drive. Pure text work, no file access.
#pragma once
#include "base/text.h"

namespace tex_path {

// Everything before the last separator (no trailing one; "" when none).
// The root of a drive keeps its separator: "C:\a.tex" -> "C:\".
u16 folderOf(u16view path);
// The last component.
u16 fileNameOf(u16view path);
// The last component without its extension ("a.b.tex" -> "a.b").
u16 stemOf(u16view path);
// The path without the extension of its last component; the path itself
// when that component has no extension or nothing before its dot.
u16 withoutExtension(u16view path);
// True unless the path starts with a separator or a drive ("X:").
bool isRelative(u16view path);
// rel taken against folder, with "." and ".." folded and '/' turned into
// '\'. rel starting with one separator keeps folder's drive. An absolute
// rel stands alone. ".." above the top is dropped, as the shell does.
u16 combine(u16view folder, u16view rel);
// '/' -> '\'.
u16 backslashed(u16view path);

} // namespace tex_path
