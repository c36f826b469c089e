// What the dictionary editor shows and changes, apart from its windows: the
// four tabs with their columns, one row of up to three texts per entry, the
// duplicate check of the item dialogs and the entry they store.
#pragma once
#include "base/text.h"

#include <array>
#include <cstdint>
#include <vector>

class CSetting;
class CTeXDictionary;
class CTeXEDictionary;
class CEditorSupportDic;
class CPaperSizeData;

namespace dict_edit {

enum Tab : int { Commands = 0, Environments = 1, EasySupport = 2, PaperSizes = 3 };
inline constexpr int TabCount = 4;
inline constexpr int MaxColumns = 3;

// The three texts of a row, or of the item dialog's three boxes; a column
// the tab lacks stays empty.
using Fields = std::array<u16, MaxColumns>;

// The editor's four dictionaries; none is owned.
struct Dictionaries {
    CTeXDictionary& commands;
    CTeXEDictionary& environments;
    CEditorSupportDic& easySupport;
    CPaperSizeData& paperSizes;
};

// 3 for commands and environments, 2 for the others.
int columnCount(Tab tab);
// Message identifiers of the tab's title and of its column titles (0 for
// a column the tab lacks).
uint32_t tabTitle(Tab tab);
uint32_t columnTitle(Tab tab, int column);

int count(const Dictionaries& d, Tab tab);
// Entry i as the list shows it; empty fields when i is out of range.
Fields row(const Dictionaries& d, Tab tab, int i);

// Whether another entry already has the key that fields give (commands:
// field 1 followed by field 2; the others: field 1). editing is the
// position being edited, -1 when adding; that entry itself is no
// duplicate.
bool isDuplicate(const Dictionaries& d, Tab tab, const Fields& fields, int editing);

// The first position whose key is the one fields give; -1 when none.
int positionOf(const Dictionaries& d, Tab tab, const Fields& fields);

// Stores the entry built from fields at position (-1 appends; a new command
// gets loadIndex -1, an edited one keeps its own). False when the
// dictionary refuses it.
bool put(Dictionaries& d, Tab tab, int position, const Fields& fields);
bool remove(Dictionaries& d, Tab tab, int position);
// Sorts all four and marks them changed.
void sortAll(Dictionaries& d);

// The delete question: intro, a blank line, then per column of the tab a
// line with prefix and the column's title and a tab-indented line with the
// row's text. Titles are given in column order.
u16 deleteQuestion(u16view intro, u16view prefix, const std::vector<u16>& titles, const Fields& row);

// Forgets which commands were chosen: the three history settings go and so
// does the history file, so that the support window starts with every count
// at 0.
void clearHistory(CSetting& settings, u16view historyPath);

} // namespace dict_edit
