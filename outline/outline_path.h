// Path rules of the outline scan: names written in LaTeX sources ("/" or
// "\", relative to the document's root folder) turned into full paths.
#pragma once
#include "base/text.h"

namespace outline_path {

// "/" becomes "\"; an absolute name is kept, a relative one is combined
// with rootDir ("." and ".." folded). Empty when the file cannot exist:
// the result is 3 characters or shorter, or the name is relative and
// there is no root folder (an unsaved document has none, and the host's
// working folder would find unrelated files).
u16 absolute(u16view rootDir, u16view name);

// True when the last component has an extension: a "." after the last
// separator that no space follows.
bool hasExtension(u16view path);

// path + ext when path has no extension, else path.
u16 withDefaultExtension(u16view path, u16view ext);

} // namespace outline_path
