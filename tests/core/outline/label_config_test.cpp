#include "outline/label_config.h"

#include "outline/outline_items.h"
#include "settings/setting.h"
#include "settings/setting_keys.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

#include <set>

namespace {
LabelPrefixes custom() {
    LabelPrefixes p;
    p.prefix = {u"e", u"f", u"t", u"i", u"p", u"c", u"s", u"ss", u"sss", u"pa", u"spa"};
    return p;
}
} // namespace

TEST(LabelConfig, BoxesCoverEveryClassOnceInDialogOrder) {
    std::set<LabelPrefixes::Class> seen(label_config::BoxClasses.begin(), label_config::BoxClasses.end());
    EXPECT_EQ(seen.size(), size_t(LabelPrefixes::Count));
    EXPECT_EQ(label_config::BoxClasses.front(), LabelPrefixes::Part);
    EXPECT_EQ(label_config::BoxClasses[6], LabelPrefixes::Subparagraph);
    EXPECT_EQ(label_config::BoxClasses[7], LabelPrefixes::Equation);
    EXPECT_EQ(label_config::BoxClasses.back(), LabelPrefixes::Item);
}

TEST(LabelConfig, WrittenPrefixesAreWhatTheScanReadsBack) {
    TempDir dir;
    ASSERT_TRUE(dir.ok());
    CSetting settings(dir.path());
    LabelPrefixes p = custom();
    ASSERT_TRUE(label_config::write(settings, p));
    EXPECT_EQ(outline_settings::read(settings).labels.prefix, p.prefix);
    EXPECT_EQ(label_config::read(settings).prefix, p.prefix);
    // Each class lands under its own key.
    std::string file = dir.read(ini_keys::FileName);
    EXPECT_NE(file.find("equation=e\r\n"), std::string::npos);
    EXPECT_NE(file.find("subparagraph=spa\r\n"), std::string::npos);
    EXPECT_NE(file.find("section=s\r\n"), std::string::npos);
    // And the next scan sorts with them.
    LabelPrefixes scan = outline_settings::read(settings).labels;
    EXPECT_EQ(scan.classify(u"c:x"), outline_kind::ChapterLabel);
    EXPECT_EQ(scan.classify(u"i:x"), outline_kind::ItemLabel);
    EXPECT_EQ(scan.classify(u"x:y"), outline_kind::OtherLabel);
}

TEST(LabelConfig, AnEmptyPrefixRefusesTheWholeSet) {
    TempDir dir;
    ASSERT_TRUE(dir.ok());
    const std::string before = "[Search]\r\nequation=math\r\n";
    dir.write(ini_keys::FileName, before);
    CSetting settings(dir.path());
    for (size_t i = 0; i < LabelPrefixes::Count; ++i) {
        LabelPrefixes p = custom();
        p.prefix[i].clear();
        EXPECT_FALSE(label_config::complete(p)) << i;
        EXPECT_FALSE(label_config::write(settings, p)) << i;
    }
    EXPECT_EQ(dir.read(ini_keys::FileName), before);
    EXPECT_TRUE(label_config::complete(LabelPrefixes::defaults()));
}

TEST(LabelConfig, ReadGivesDefaultsForMissingKeysAndAnUnusableStoreFailsToWrite) {
    TempDir dir;
    ASSERT_TRUE(dir.ok());
    dir.write(ini_keys::FileName, "[Search]\r\nfigure=abb\r\n");
    CSetting settings(dir.path());
    LabelPrefixes expected = LabelPrefixes::defaults();
    expected.prefix[LabelPrefixes::Figure] = u"abb";
    EXPECT_EQ(label_config::read(settings).prefix, expected.prefix);

    CSetting unusable(u"");
    EXPECT_FALSE(label_config::write(unusable, custom()));
}
