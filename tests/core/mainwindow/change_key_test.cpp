#include "mainwindow/change_key.h"

#include <gtest/gtest.h>

using namespace change_key;

TEST(ChangeKey, ButtonsGiveTheirKeyWithTheHeldModifiers) {
    struct Case {
        int button;
        bool shift, ctrl, alt;
        KeyCode code;
    } cases[] = {
        {EnterButton, false, false, false, 13},   {EnterButton, true, false, false, 0x10D},
        {TabButton, false, true, false, 0x209},   {TabButton, true, true, true, 0x709},
        {SpaceButton, false, false, true, 0x420}, {SpaceButton, true, false, false, 0x120},
        {ModifiersButton, false, false, false, 0}, {ModifiersButton, true, true, false, 0x300},
        {CancelButton, true, true, true, 0},      {1, false, false, false, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(result(c.button, c.shift, c.ctrl, c.alt), c.code) << c.button << c.shift << c.ctrl << c.alt;
}
