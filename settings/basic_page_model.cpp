#include "settings/basic_page_model.h"

#include "base/str.h"
#include "settings/setting_keys.h"

namespace basic_page {

namespace {
namespace key = ini_keys::basic;
constexpr int32_t FollowMain = 1;
constexpr int32_t FollowSub = 2;

int32_t flag(bool on) { return on ? 1 : 0; }
} // namespace

int32_t placementSelection(int32_t stored) {
    return stored >= 0 && stored < PlacementCount ? stored : DockedPlacement;
}

SubWindowMode subWindowMode(int32_t stored) {
    // As the sub-windows read it: any other nonzero value places relative.
    if (stored == 0) return SubWindowMode::Default;
    return stored == 1 ? SubWindowMode::Absolute : SubWindowMode::Relative;
}

int32_t autoMove(bool mainFollows, bool subWindowsFollow) {
    return (mainFollows ? FollowMain : 0) | (subWindowsFollow ? FollowSub : 0);
}

Values read(CSetting& s) {
    Values v;
    s.beginBatch();
    v.placement = placementSelection(s.readInt(key::Section, key::Window, 6));
    v.lines = s.readInt(key::Section, key::Lines, 2);
    v.completeVisible = s.readInt(key::Section, key::CompleteVisible, 1) != 0;
    v.subWindow = subWindowMode(s.readInt(key::Section, key::SubWindow, 2));
    int32_t move = s.readInt(key::Section, key::AutoMove, 3);
    v.mainFollowsFrame = (move & FollowMain) != 0;
    v.subWindowsFollowFrame = (move & FollowSub) != 0;
    v.limit = s.readInt(key::Section, key::Limit, 0);
    v.autoExecute = s.readInt(key::Section, key::AutoExecute, 1) != 0;
    v.subCompleteVisible = s.readInt(key::Section, key::SubCompleteVisible, 0) != 0;
    v.hideSubWindow = s.readInt(key::Section, key::HideSubWindow, 1) != 0;
    v.showToolTip = s.readInt(key::Section, key::ShowToolTip, 1) != 0;
    s.endBatch();
    return v;
}

bool write(CSetting& s, const Values& v) {
    s.beginBatch();
    s.deleteSection(key::Section);
    if (v.placement >= 0 && v.placement < PlacementCount) s.writeInt(key::Section, key::Window, v.placement);
    s.writeInt(key::Section, key::Lines, v.lines);
    s.writeInt(key::Section, key::CompleteVisible, flag(v.completeVisible));
    s.writeInt(key::Section, key::SubWindow, static_cast<int32_t>(v.subWindow));
    s.writeInt(key::Section, key::AutoMove, autoMove(v.mainFollowsFrame, v.subWindowsFollowFrame));
    s.writeInt(key::Section, key::Limit, v.limit);
    s.writeInt(key::Section, key::AutoExecute, flag(v.autoExecute));
    s.writeInt(key::Section, key::SubCompleteVisible, flag(v.subCompleteVisible));
    s.writeInt(key::Section, key::HideSubWindow, flag(v.hideSubWindow));
    s.writeInt(key::Section, key::ShowToolTip, flag(v.showToolTip));
    return s.endBatch();
}

void LanguageChoice::pick(u16view picked) {
    if (picked.empty() || str::equalsNoCase(picked, name_)) return;
    name_ = u16(picked);
    changed_ = true;
}

} // namespace basic_page
