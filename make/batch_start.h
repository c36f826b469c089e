// How a batch file is started: through the command interpreter with a
// command line written out in full, because a batch file given to the
// process-creation call alone is handed to the interpreter with quotes the
// interpreter then drops whenever the path holds '(' or ')' (as in
// "Program Files (x86)", where 32-bit hosts keep their plug-ins).
#pragma once
#include "base/text.h"

namespace batch_start {

// The interpreter to run: "cmd.exe" in the system folder; comSpec only
// when the system folder is unknown (another shell named there may read
// its switches differently). Empty when both are.
u16 Interpreter(u16view systemFolder, u16view comSpec);

// The whole command line that makes interpreter run batchFile, with no
// arguments, whatever characters the path holds. Empty (nothing may be
// started) when either path is empty or holds a character no Windows path
// has and that would end or break the quoting: '"', a line break, NUL.
u16 CommandLine(u16view interpreter, u16view batchFile);

} // namespace batch_start
