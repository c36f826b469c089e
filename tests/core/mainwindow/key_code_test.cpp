#include "mainwindow/key_code.h"

#include "base/str.h"

#include <gtest/gtest.h>

namespace kc = key_code;

TEST(KeyName, PrefixesInFixedOrderThenTheKey) {
    const std::pair<KeyCode, const char16_t*> cases[] = {
        {0x355, u"Ctrl + Shift + U"},
        {0x10D, u"Shift + Enter"},
        {0x755, u"Ctrl + Shift + Alt + U"},
        {0x247, u"Ctrl + G"},
        {0x3BA, u"Ctrl + Shift + :"},
        {0x330, u"Ctrl + Shift + 0"},
        {0x609, u"Ctrl + Alt + Tab"},
        {0x420, u"Alt + Space"},
        {9, u"Tab"},
        {48, u"0"},    {57, u"9"},    {65, u"A"},  {90, u"Z"},
        {112, u"F1"},  {120, u"F9"},  {121, u"F10"}, {123, u"F12"},
        {186, u":"},   {187, u";"},   {188, u","}, {189, u"-"}, {190, u"."}, {191, u"/"},
        {192, u"@"},   {219, u"["},   {220, u"\\"}, {221, u"]"}, {222, u"^"}, {226, u"\\"},
        // Unnamed low bytes: only the prefixes.
        {0x36A, u"Ctrl + Shift + "},
        {0x17C, u"Shift + "},      // F13
        {47, u""},                 // between "/" and "0" in code, not a key name
        {0x300, u"Ctrl + Shift + "},
        {0, u""},
    };
    for (auto [code, name] : cases) EXPECT_EQ(kc::keyName(code), name) << "code " << code;
}

TEST(KeyCodeMake, ModifiersAboveTheKeyAndModifierKeysAloneAreNone) {
    EXPECT_EQ(kc::make('G', false, true, false), 0x247u);
    EXPECT_EQ(kc::make(13, true, false, false), 0x10Du);
    EXPECT_EQ(kc::make(9, true, true, true), 0x709u);
    EXPECT_EQ(kc::make(220, false, false, false), 220u);
    // Only the low byte of what the keyboard reports is the key.
    EXPECT_EQ(kc::make(0x1220, false, false, false), 0x20u);
    for (uint32_t modifier : {0x10u, 0x11u, 0x12u, 0xA0u, 0xA1u, 0xA2u, 0xA3u, 0xA4u, 0xA5u})
        EXPECT_EQ(kc::make(modifier, true, true, true), 0u) << modifier;
    EXPECT_EQ(kc::make(0, true, false, false), 0u);
}
