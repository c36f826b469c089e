// Examples are not structure: the text of verbatim-like environments and
// of \verb arguments is printed as it stands, so a \section or \label in
// it is no outline entry, label target or completion candidate. These
// tell the outline scan where such text ends.
#pragma once
#include "base/text.h"

#include <cstddef>

namespace verbatim_skip {

// Environments whose body is taken literally (or, for "comment", dropped).
bool isVerbatimEnvironment(u16view name);

// For "\begin" at text[backslash]: when it opens a verbatim-like
// environment, the position just after its "\end{name}", or text.size()
// when the environment is never closed (LaTeX reads to the end of the
// file looking for it). 0 when it is no such environment.
size_t environmentEnd(u16view text, size_t backslash);

// For "\verb" or "\verb*" at text[backslash] followed by a delimiter
// character: the position after the closing delimiter, or the end of the
// line when the line holds none. 0 when it is no \verb.
size_t verbEnd(u16view text, size_t backslash);

} // namespace verbatim_skip
