#include "support/history_positions.h"

#include "dictionary_test_util.h"
#include "settings/setting.h"
#include "settings/setting_keys.h"

#include <gtest/gtest.h>

namespace keys = ini_keys::settings;

TEST(HistoryPositions, ParseFillsMissingValuesWithMinusOne) {
    EXPECT_EQ(history_positions::parse(u"3\t-1\t7", 5), (std::vector<int32_t>{3, -1, 7, -1, -1}));
    EXPECT_EQ(history_positions::parse(u"", 2), (std::vector<int32_t>{-1, -1}));
    EXPECT_EQ(history_positions::parse(u"1\t\t2\t9\t9", 3), (std::vector<int32_t>{1, -1, 2}));
    EXPECT_EQ(history_positions::format(std::vector<int32_t>{4, -1, 0}), u"4\t-1\t0");
    EXPECT_EQ(history_positions::format({}), u"");
}

TEST(HistoryPositions, TranslateFindsTheFirstEntryLoadedFromThePosition) {
    std::vector<CommandEntry> c = {dict_test::command("\\new"), dict_test::command("\\a", "", "", 1),
                                   dict_test::command("\\b", "", "", 0), dict_test::command("\\c", "", "", 1)};
    EXPECT_EQ(history_positions::translate(1, c), 1);
    EXPECT_EQ(history_positions::translate(0, c), 2);
    EXPECT_EQ(history_positions::translate(5, c), 5);   // gone: stays
}

TEST(HistoryPositions, SettingsAreTranslatedAndEmptySlotsKept) {
    TempDir dir;
    CSetting settings(dir.path());
    settings.writeInt(keys::Section, keys::SupportHistory, 0);
    settings.writeString(keys::Section, keys::SupportHistoryList, u"1\t-1\t0");
    settings.writeString(keys::Section, keys::SupportHistoryWords, u"-1\t1");
    // A command inserted before both old ones; the -1 of the new entry must
    // not catch the empty slots.
    std::vector<CommandEntry> c = {dict_test::command("\\new"), dict_test::command("\\a", "", "", 0),
                                   dict_test::command("\\b", "", "", 1)};
    history_positions::translateSettings(settings, c);
    EXPECT_EQ(settings.readInt(keys::Section, keys::SupportHistory, 99), 1);
    char16_t buf[200];
    settings.readString(keys::Section, keys::SupportHistoryList, u"", buf, 200);
    EXPECT_EQ(u16(buf), u"2\t-1\t1\t-1\t-1\t-1\t-1\t-1\t-1\t-1\t-1\t-1\t-1");
    settings.readString(keys::Section, keys::SupportHistoryWords, u"", buf, 200);
    u16 words(buf);
    EXPECT_EQ(words.substr(0, 6), u"-1\t2\t-");
    EXPECT_EQ(history_positions::parse(words, 60).size(), 60u);
    EXPECT_EQ(history_positions::parse(words, 60)[51], -1);
}

TEST(HistoryPositions, ClearingForgetsTheNamedKeysAndTheFile) {
    TempDir dir;
    CSetting settings(dir.path());
    for (const char16_t* key : {keys::SupportHistory, keys::SupportLastString, keys::SupportHistoryList,
                                keys::SupportHistoryWords, keys::SupportHistoryStatus})
        settings.writeString(keys::Section, key, u"1");
    ASSERT_TRUE(dir.write(u"Vexa2.hst", std::string(16, '\1')));

    EXPECT_TRUE(history_positions::clearHistory(settings, history_positions::settingsPageHistoryKeys()));
    EXPECT_FALSE(dir.exists(u"Vexa2.hst"));
    const std::string ini = dir.read(u"Vexa2.ini");
    EXPECT_EQ(ini.find("SupportHistory="), std::string::npos);
    EXPECT_EQ(ini.find("SupportLastString"), std::string::npos);
    EXPECT_EQ(ini.find("SupportHistoryList"), std::string::npos);
    EXPECT_EQ(ini.find("SupportHistoryWords"), std::string::npos);
    EXPECT_NE(ini.find("SupportHistoryStatus=1"), std::string::npos);   // not part of the history

    // Nothing left to clear is no failure.
    EXPECT_TRUE(history_positions::clearHistory(settings, history_positions::settingsPageHistoryKeys()));
}
