// The previewer's way back into the editor: the "TEXEDIT" command a run
// provides, and the command set a typesetting command uses. Pure decisions;
// the Win32 side reads and writes the environment.
#pragma once
#include "base/text.h"

#include <cstdint>
#include <optional>

namespace inverse_search {

// ("Make", "TEXEDIT"): 0 leaves the variable alone, 1 provides it only
// when the environment has no non-empty value, 2 always provides it.
enum class Mode : int32_t { Leave = 0, WhenUnset = 1, Always = 2 };
constexpr int32_t DefaultMode = 1;
// The host editor's option text: %d is the line, %s the file, both filled
// in by the previewer.
constexpr const char16_t* DefaultParam = u"/l %d \"%s\"";

// The quoted host program followed by its options.
u16 Command(u16view hostProgram, u16view param);

// What a run found before it touched the variable.
struct Saved {
    bool changed = false; // the run set the variable
    u16 previous;         // empty when it was absent (or empty)
};

// The value to set for the run, or none when the variable is to be left as
// it is. An unknown mode counts as the default one.
std::optional<u16> Provide(int32_t mode, u16view current, u16view hostProgram, u16view param);

// After the run: the value to put back, or none to remove the variable.
std::optional<u16> RestoredValue(const Saved& saved);

// Set 2 (tool lines with source specials) while the mode is on; a
// right-click asks for the other set.
int32_t CommandSet(bool sourceSpecialsOn, bool inverted);

} // namespace inverse_search
