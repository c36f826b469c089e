#include "dialogs/figure_controls.h"

#include <gtest/gtest.h>

TEST(FigureControls, EnablingFollowsTheSwitchesThatOwnEachPart) {
    using figure_controls::Enabled;
    using figure_controls::Switches;
    struct Case {
        const char* name;
        Switches in;  // environment, label, inputCommand, sizeOptions, keyedSize
        Enabled out;  // environmentParts, labelText, sizeSwitch, sizeParts, keepAspect
    } cases[] = {
        {"everything on", {true, true, false, true, true}, {true, true, true, true, true}},
        {"no environment hides the label box too", {false, true, false, true, true}, {false, false, true, true, true}},
        {"label off", {true, false, false, false, false}, {true, false, true, false, false}},
        {"\\input drops every size part", {true, true, true, true, true}, {true, true, false, false, false}},
        {"size options off", {true, true, false, false, true}, {true, true, true, false, false}},
        {"positional form has no aspect box", {true, true, false, true, false}, {true, true, true, true, false}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Enabled e = figure_controls::enabled(c.in);
        EXPECT_EQ(e.environmentParts, c.out.environmentParts);
        EXPECT_EQ(e.labelText, c.out.labelText);
        EXPECT_EQ(e.sizeSwitch, c.out.sizeSwitch);
        EXPECT_EQ(e.sizeParts, c.out.sizeParts);
        EXPECT_EQ(e.keepAspect, c.out.keepAspect);
    }
}
