#include "frame/plugin_rules.h"

#include <gtest/gtest.h>

namespace {
using namespace plugin_rules;

TEST(PluginRules, TexFileNames) {
    EXPECT_TRUE(isTexFileName(u"C:\\My Papers\\thesis.tex"));  // space in a folder only
    EXPECT_TRUE(isTexFileName(u"C:\\docs\\THESIS.TEX"));
    EXPECT_TRUE(isTexFileName(u"a.Tex"));
    EXPECT_TRUE(isTexFileName(u"C:/unix style/b.tex"));
    EXPECT_FALSE(isTexFileName(u"C:\\docs\\my thesis.tex"));   // space in the file name
    EXPECT_FALSE(isTexFileName(u".tex"));                      // not longer than four
    EXPECT_FALSE(isTexFileName(u""));
    EXPECT_FALSE(isTexFileName(u"C:\\docs\\thesis.txt"));
    EXPECT_FALSE(isTexFileName(u"C:\\docs\\thesis.tex.bak"));
    EXPECT_FALSE(isTexFileName(u"C:\\docs\\thesistex"));
}

TEST(PluginRules, BitmapChoice) {
    // Large (low nibble 1): hot 104, pressed 106, plain 105.
    EXPECT_EQ(bitmapFor(0x201), 104u);
    EXPECT_EQ(bitmapFor(0x001), 105u);
    EXPECT_EQ(bitmapFor(0x101), 106u);
    EXPECT_EQ(bitmapFor(0x401), 105u);
    // Any other size: small.
    EXPECT_EQ(bitmapFor(0x200), 102u);
    EXPECT_EQ(bitmapFor(0x100), 103u);
    EXPECT_EQ(bitmapFor(0x000), 101u);
    EXPECT_EQ(bitmapFor(0x202), 102u);
    EXPECT_EQ(bitmapFor(0x1002), 101u); // bits above the state nibble are ignored
}

TEST(PluginRules, Capabilities) {
    EXPECT_EQ(capability(1), 1);
    EXPECT_EQ(capability(2), 0);
    EXPECT_EQ(capability(3), 5000);
    EXPECT_EQ(capability(4), 1);
    EXPECT_EQ(capability(5), 1);
    EXPECT_EQ(capability(6), 1);
    EXPECT_EQ(capability(0), 0);
    EXPECT_EQ(capability(7), 0);
}

TEST(PluginRules, UpgradeDecision) {
    EXPECT_EQ(upgradeFor(21294), Upgrade::None);
    EXPECT_EQ(upgradeFor(30000), Upgrade::None);
    EXPECT_EQ(upgradeFor(21293), Upgrade::NotConverted);
    EXPECT_EQ(upgradeFor(20000), Upgrade::NotConverted);
    EXPECT_EQ(upgradeFor(20992), Upgrade::NotConverted); // no table is kept for any old version
    EXPECT_EQ(upgradeFor(0), Upgrade::NotConverted);
    EXPECT_EQ(upgradeFor(-5), Upgrade::NotConverted);
}

TEST(PluginRules, ToggleRequests) {
    EXPECT_EQ(toggled(0, ToggleRequest::On), 1);
    EXPECT_EQ(toggled(1, ToggleRequest::On), 1);
    EXPECT_EQ(toggled(1, ToggleRequest::Off), 0);
    EXPECT_EQ(toggled(0, ToggleRequest::Toggle), 1);
    EXPECT_EQ(toggled(1, ToggleRequest::Toggle), 0);
    EXPECT_EQ(toggled(7, ToggleRequest::Toggle), 0); // any nonzero counts as on
    EXPECT_EQ(toggled(0, ToggleRequest::Show), 0);
    EXPECT_EQ(toggled(5, ToggleRequest::Show), 1);
}

} // namespace
