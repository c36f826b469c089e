// The command table as data: which commands insert which snippet, the list
// commands, and what every other command identifier asks the shell to do.
// The dispatcher (command_dispatch) reads it; the toolbar, menus and
// shortcut keys only ever pass identifiers.
#pragma once
#include "base/text.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace command_table {

// One snippet: every identifier in commands inserts begin and end in mode
// (snippet::Mode).
struct SnippetRow {
    std::vector<uint32_t> commands;
    u16 begin;
    u16 end;
    int mode;
};
// Built once on first use; identifiers are unique across the rows.
const std::vector<SnippetRow>& snippets();
const SnippetRow* findSnippet(uint32_t id);

// One list environment (insertListSnippet).
struct ListRow {
    std::vector<uint32_t> commands;
    u16 begin;
    u16 end;
    u16 itemPrefix;
};
const std::vector<ListRow>& lists();
const ListRow* findList(uint32_t id);

// What a command that inserts no snippet asks for. The portable core
// carries out the text commands (comments, sectioning level, jump target
// decision); the rest name a window, dialog or run that the shell owns.
enum class Action {
    DocumentClassDialog,
    PageLayoutDialog,
    PopupMenu,          // argument: sub-menu of menu 204; sub: its own sub-menu, -1 whole
    PaletteWindow,      // the identifier names the category
    ReferenceDialog,    // argument 0 reference mode, 1 citation mode
    BibItemDialog,
    FigureDialog,
    InputDialog,
    TableDialog,
    ArrayDialog,
    OutlineWindow,      // toggles the window
    Comment,            // argument 0 toggle, +1 comment out, -1 uncomment
    DateDialog,
    Typeset,            // argument: variant 1-9
    UserStringMenu,
    MinipageDialog,
    JumpToTarget,
    RootFileDialog,
    SharedToggle,       // argument 0 Root lock, 1 Highlight, 2 Swap
    SectionLevel,       // argument +1 raise, -1 lower
    IndexDialog,
    JumpBack,
    SystemCommand,      // argument: system command 1-6
    CloseMainWindow,
    UserMenu,
    UserMenuEditor,
    UserStringEditor,
    AuxiliaryFileDeletion,
    InsertUserString,   // argument: index 0-50
};

struct OtherCommand {
    Action action;
    int32_t argument = 0;
    int32_t sub = -1;
};
// Nothing for identifiers that do nothing (and for snippet and list ones).
std::optional<OtherCommand> findOther(uint32_t id);

} // namespace command_table
