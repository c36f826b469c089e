#include "make/win32/run_make.h"

#include "mainwindow/win32/main_window.h"
#include "make/inverse_search.h"
#include "make/win32/source_jump.h"
#include "make/win32/vexa_make.h"

namespace run_make {

void typeset(MainWindow& window, int variant, bool invertSwap) {
    int32_t set = inverse_search::CommandSet(source_jump::IsSourceSpecialMode(), invertSwap);
    vexa_make::RunMake(window.handle(), window.plugin(), window.editor(), variant, set, window.dictionaries());
}

} // namespace run_make
