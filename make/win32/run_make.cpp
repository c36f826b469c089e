// PLACEHOLDER: replaced by the process runner.
#include "make/win32/run_make.h"

namespace run_make {
void typeset(MainWindow&, int, bool) {}
} // namespace run_make
