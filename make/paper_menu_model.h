// The toolbar's paper menu as data: its items top to bottom, and what a
// choice does to the settings. The shell turns the items into a popup
// menu and asks the questions and runs the dialog that some choices need.
#pragma once
#include "base/text.h"

#include <cstdint>
#include <vector>

class CSetting;
class DVIOUTPaper;

namespace paper_menu_model {

// Identifiers of the items that are not papers. Papers are 1-14 and
// 100 + i; Add shares the number of the toolbar button.
enum : uint32_t {
    Add = 41051,
    Edit = 201,
    Delete = 202,
    None = 203,
    FromSource = 204,
    Help = 205,
    Clear = 206,
};

struct Item {
    uint32_t id = 0;        // 0 for a separator
    u16 text;               // papers: accelerator, tab, display text
    uint32_t textId = 0;    // the other items: a text of the language library
    bool checked = false;
    bool grayed = false;
    bool separator() const { return id == 0; }
};

// "(&1)\t" for the first item of a list, then 2-9, 0, A-Z; "\t" from the
// 37th on.
u16 accelerator(size_t index);

std::vector<Item> build(const DVIOUTPaper& papers, int32_t paperSize, bool fromSource);

// What remains for the shell after a choice was applied.
enum class Next {
    Done,        // the settings say it all
    AddDialog,   // run the dialog to add a paper
    EditDialog,  // run the dialog on the current user paper
    AskDelete,   // ask, then Delete()
    AskClear,    // ask, then papers.ClearEntries()
    ShowHelp,
    Nothing,     // not an item of this menu
};
// Papers, None and From source change the settings here; paper numbers
// that name nothing do nothing.
Next choose(uint32_t id, DVIOUTPaper& papers, CSetting& settings);

// After the dialog added or stored an entry: it is at the front.
void selectFirstUserPaper(CSetting& settings);
// Removes the user paper "PaperSize" names; "PaperSize" becomes 0.
bool removeCurrent(DVIOUTPaper& papers, CSetting& settings);

} // namespace paper_menu_model
