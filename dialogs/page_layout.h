// The page layout dialog's document side: the 19 length parameters written
// as "\name value" lines before \begin{document}, found in the first lines
// of the document, then rewritten, removed or inserted when the user
// accepts; and the named value sets (presets) the dialog offers.
#pragma once
#include "frame/host_editor.h"

#include <array>
#include <cstdint>
#include <vector>

namespace page_layout {

inline constexpr int ParameterCount = 19;
inline constexpr int ScanLines = 300;       // the preamble is looked for here only
inline constexpr size_t MaxPresetsAdded = 200;

struct Parameter {
    const char16_t* prefix;       // the line's start, with its blank
    const char16_t* label;        // the diagram's label
    uint32_t description;         // text written as the line's comment
};
extern const std::array<Parameter, ParameterCount> Parameters;

using Values = std::array<u16, ParameterCount>;

// Where each parameter was found and where new lines go.
struct Scan {
    struct Found {
        int32_t line = -1;        // -1: not in the document
        int32_t partLength = 0;   // prefix and value, the text before the comment
        u16 value;
    };
    std::array<Found, ParameterCount> found;
    int32_t insertLine = 0;
    bool any() const;
};

// The value of a parameter line's rest: up to the first "%" that no
// backslash escapes.
u16 valueOf(u16view rest);
// Index of the parameter a line sets, or -1.
int parameterOf(u16view line);
Scan scan(HostEditor& editor);

// What the user leaves in the dialog for one parameter.
struct Entry {
    bool checked = false;
    u16 value;
};
using Entries = std::array<Entry, ParameterCount>;

// Rewrites, removes and inserts the parameter lines; descriptions[i] is the
// comment text of parameter i (used when comment is on). False when the
// document was left untouched.
bool apply(HostEditor& editor, const Scan& found, const Entries& entries, bool comment,
           const std::array<u16, ParameterCount>& descriptions);

// "Last": the accepted values, empty for unchecked parameters.
u16 composeLast(const Entries& entries);
Values parseValues(u16view tabbed);    // missing values stay empty

// A preset: a name and 19 values, stored as one tab-separated string.
struct Preset {
    u16 name;
    Values values;
};
Preset parsePreset(u16view stored);
u16 composePreset(const Preset& p);

// The presets a language library offers: its texts in order, up to the
// first empty one.
std::vector<u16> defaultPresets(const std::vector<u16>& configTexts);

} // namespace page_layout
