// What the Basic settings page edits, apart from its window: the values of
// (BasicSettings, ...) as the page's controls show them, how they are read
// and stored, and the language library the user picks on that page.
#pragma once
#include "base/text.h"
#include "settings/setting.h"

#include <cstdint>

namespace basic_page {

// Where sub-windows go when they open ("SubWindow"): the frame's corner,
// the saved place on the screen, the saved place beside the frame.
enum class SubWindowMode : int32_t { Default = 0, Absolute = 1, Relative = 2 };

// The page's controls, in stored units.
struct Values {
    int32_t placement = 6;              // list selection 0-6; 6 docked
    int32_t lines = 2;
    bool completeVisible = true;
    SubWindowMode subWindow = SubWindowMode::Relative;
    bool mainFollowsFrame = true;       // "AutoMove" value 1
    bool subWindowsFollowFrame = true;  // "AutoMove" value 2
    int32_t limit = 0;
    bool autoExecute = true;
    bool subCompleteVisible = false;
    bool hideSubWindow = true;
    bool showToolTip = true;

    bool operator==(const Values&) const = default;
};

// The list has seven entries; a stored placement outside them selects the
// docked one.
constexpr int32_t PlacementCount = 7;
constexpr int32_t DockedPlacement = 6;
int32_t placementSelection(int32_t stored);

// A stored "SubWindow" as the sub-windows take it: 0 the frame's corner,
// 1 the saved place on the screen, anything else the place beside the frame.
SubWindowMode subWindowMode(int32_t stored);
// "AutoMove" from the two follow choices, and back.
int32_t autoMove(bool mainFollows, bool subWindowsFollow);

// The rows field (and its label) apply to the docked band only; keeping
// the floating window on the screen and moving it with the frame apply to
// the floating window only.
inline bool rowsApply(int32_t placement) { return placement == DockedPlacement; }
inline bool floatingChoicesApply(int32_t placement) { return placement != DockedPlacement; }

// Reads every value in one settings batch.
Values read(CSetting& settings);
// Replaces the section with exactly the page's keys, in one batch: the
// section is emptied first, so keys the page does not show are dropped.
// "Window" is written only for a placement 0-6. False when saving failed.
bool write(CSetting& settings, const Values& values);

// The language library chosen on the page. Names are file names in the
// language folder, compared without regard to case as Windows does.
class LanguageChoice {
public:
    explicit LanguageChoice(u16 configured) : name_(std::move(configured)) {}
    const u16& name() const { return name_; }
    // Whether the name now differs from the one the page started with.
    bool changed() const { return changed_; }
    // What the chooser returned: empty (cancelled) or the same name
    // changes nothing.
    void pick(u16view picked);

private:
    u16 name_;
    bool changed_ = false;
};

} // namespace basic_page
