// The plug-in's way into a scan, kept apart from search.cpp so that the
// scan itself links without root resolution (tests, fuzzing).
#include "outline/search.h"

#include "make/root_file.h"

namespace {
u16 separateRoot(HostEditor& editor, u16view lockedRoot) {
    u16 root;
    root_file::ResolveRoot(editor, root, false, lockedRoot);
    return root;
}
} // namespace

CSearch::CSearch(HostEditor& editor, CSetting& settings, u16view lockedRoot)
    : CSearch(editor, outline_settings::read(settings), separateRoot(editor, lockedRoot)) {}
