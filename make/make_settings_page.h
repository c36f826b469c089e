// The rules of the typesetting settings page that do not need a window: the
// delete-list entry box and list, the program prefixes and the chosen
// program file, which of the 20 tool steps the boxes show, and the page's
// values as they are loaded from and stored to the settings.
#pragma once
#include "base/text.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

class CSetting;

namespace make_page {

constexpr size_t ToolCount = 10;       // tools per command set
constexpr size_t MaxListEntries = 50;  // adding is refused beyond this
constexpr size_t MaxEntryLength = 50;  // characters of the entry box
constexpr int32_t MaxSubDirectory = 20;
constexpr const char16_t* DefaultTeXEditParam = u"/l %d \"%s\"";

// A character typed into the delete-list entry box: 0 when refused
// (characters no file name or extension may hold), capitals for a-z.
char16_t EntryChar(char16_t typed);

enum class AddOutcome {
    Empty,          // nothing typed: nothing happens
    TooMany,        // the list already holds more than MaxListEntries
    Duplicate,      // already listed (ignoring case): nothing happens
    StarInside,     // a '*' after the first character
    StarWithoutDot, // a leading '*' not followed by '.'
    Added,
};
// Appends entry to list when the rules allow it.
AddOutcome AddEntry(std::vector<u16>& list, u16view entry);
// Removes the selected entry unless it is the last one; the new selection
// (the entry before, or the first), or nothing when nothing was removed.
std::optional<size_t> RemoveEntry(std::vector<u16>& list, std::optional<size_t> selected);

// The "call " and "%Vexa2_start% " buttons: remove the prefix when the
// program begins with it (ignoring case), else put it in front.
u16 ToggleCallPrefix(u16view program);
u16 ToggleStartPrefix(u16view program);
// The program box after choosing file path: the path quoted, with "call "
// for a batch file, else keeping the "%Vexa2_start% " of the current box.
u16 ChosenProgram(u16view path, u16view current);

// The step shown for tool (0-9) of command set 1 or 2.
size_t StepIndex(size_t tool, int set);

// The three-state box for ("Make", "DeleteReport").
enum class CheckState { Unchecked = 0, Checked = 1, Indeterminate = 2 };
CheckState ReportState(int32_t setting);
int32_t ReportSetting(CheckState state);

// Everything but the command file and the previewer's registry value.
struct Values {
    bool psPdfDefault = false;
    bool shortMake = true;
    bool autoClose = true;
    int32_t autoDelete = 1;       // 0, 1 or 2
    bool deleteUndo = true;
    std::vector<u16> deleteList;
    int32_t subDirectory = 0;
    CheckState deleteReport = CheckState::Indeterminate;
    int32_t texEdit = 1;          // 0, 1 or 2
    u16 texEditParam = DefaultTeXEditParam;
    friend bool operator==(const Values&, const Values&) = default;
};
// The page's defaults: the fields' defaults and the factory delete list.
Values Defaults();
Values Load(CSetting& settings);
// Writes every key of the page in one batch; false when saving failed.
bool Store(CSetting& settings, const Values& values);

std::vector<u16> SplitTabs(u16view text);
u16 JoinTabs(const std::vector<u16>& entries);

} // namespace make_page
