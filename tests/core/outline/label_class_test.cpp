#include "outline/label_class.h"

#include "outline/outline_items.h"
#include "settings/setting.h"
#include "settings/setting_keys.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

TEST(LabelPrefixes, AnEmptyPrefixMatchesNothing) {
    LabelPrefixes p = LabelPrefixes::defaults();
    EXPECT_EQ(p.classify(u"fig:a"), outline_kind::FigureLabel);
    p.prefix[LabelPrefixes::Figure].clear();
    EXPECT_EQ(p.classify(u"fig:a"), outline_kind::OtherLabel);
    EXPECT_EQ(p.classify(u""), outline_kind::OtherLabel);
    // A longer prefix tried later still wins when the earlier one fails.
    p.prefix[LabelPrefixes::Part] = u"partx";
    EXPECT_EQ(p.classify(u"part:1"), outline_kind::ParagraphLabel);
}

TEST(OutlineSettingsRead, PrefixesAndLimitComeFromTheSettingsFile) {
    TempDir dir;
    ASSERT_TRUE(dir.ok());
    dir.write(ini_keys::FileName, "[Search]\r\nequation=math\r\nsubparagraph=sp\r\n"
                                  "[BasicSettings]\r\nLimit=2\r\n");
    CSetting settings(dir.path());
    OutlineSettings read = outline_settings::read(settings);
    LabelPrefixes expected = LabelPrefixes::defaults();
    expected.prefix[LabelPrefixes::Equation] = u"math";
    expected.prefix[LabelPrefixes::Subparagraph] = u"sp";
    EXPECT_EQ(read.labels.prefix, expected.prefix);
    EXPECT_EQ(read.limit, 1024u);

    // Reading writes nothing back.
    EXPECT_EQ(dir.read(ini_keys::FileName),
              "[Search]\r\nequation=math\r\nsubparagraph=sp\r\n[BasicSettings]\r\nLimit=2\r\n");
}

TEST(OutlineSettingsRead, DefaultsWithoutAFileOrSettings) {
    TempDir dir;
    CSetting settings(dir.path());
    OutlineSettings read = outline_settings::read(settings);
    EXPECT_EQ(read.labels.prefix, LabelPrefixes::defaults().prefix);
    EXPECT_EQ(read.limit, 0u);
    const std::array<u16, LabelPrefixes::Count> spelled{u"eq", u"fig", u"tab", u"item", u"part", u"chap",
                                                        u"sec", u"subsec", u"subsubsec", u"par", u"subpar"};
    EXPECT_EQ(LabelPrefixes::defaults().prefix, spelled);

    CSetting unusable(u"");
    EXPECT_EQ(outline_settings::read(unusable).labels.prefix, spelled);
}
