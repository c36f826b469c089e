// The portable half of the main window's command dispatcher: it carries out
// every command that is pure text work and tells the shell what the others
// ask for. The shell clears and restores the idle flag around the call.
#pragma once
#include "mainwindow/jump_target.h"
#include "mainwindow/snippet.h"
#include "mainwindow/snippet_table.h"

#include <cstdint>

namespace command_dispatch {

enum class Outcome {
    Done,      // carried out here (or refused: read-only, not ready)
    Ignored,   // an identifier that does nothing
    ForShell,  // `other` says what the shell must do
    Jump,      // `jump` says where the jump-to-target command goes; the
               // shell pushes the return place, acts, and pops it again
               // when the decision is Nothing
};

struct Result {
    Outcome outcome = Outcome::Ignored;
    bool focusEditor = false;      // text went to the editor: focus it
    bool commentTooLong = false;   // show comment::TooLongMessage
    command_table::OtherCommand other{command_table::Action::PopupMenu}; // read only for ForShell
    jump_target::Decision jump;
};

Result runCommand(uint32_t id, const snippet::Target& target);

} // namespace command_dispatch
