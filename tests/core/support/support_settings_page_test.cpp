#include "support/support_settings_page.h"

#include "frame/message_ids.h"
#include "settings/setting.h"
#include "settings/setting_keys.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

using namespace support_page;
namespace keys = ini_keys::support;

namespace {
constexpr KeyCode CtrlTab = 0x209, ShiftSpace = 0x120, ShiftEnter = 0x10D, CtrlSpace = 0x220;
}

TEST(SupportPage, ConflictsAreFoundWithinTheKeysGroupOnly) {
    const auto d = defaults().keys;
    struct Case {
        size_t slot;
        KeyCode code;
        uint32_t warning;
    } cases[] = {
        {ComplementKey, CtrlTab, msgid::SupportKeyUsedByRSearch},           // RSearchKey has it
        {RSearchKey, CtrlTab, 0},                                           // its own key is no conflict
        {HistoryKey, 13, msgid::SupportKeyUsedByInsert},
        {InsertKey, CtrlSpace, msgid::SupportKeyUsedByHistory},
        {EasySupportKey, ShiftEnter, msgid::SupportKeyUsedByItemBibitem},
        {ItemBibitemKey, ShiftSpace, msgid::SupportKeyUsedByEasySupport},
        {EasySupportKey, CtrlTab, 0},       // the support window's keys are another group
        {InsertCandidateKey, ShiftEnter, msgid::SupportKeyUsedByComplementInsert},   // not ItemBibitemKey's
        {InsertKey, 0, 0},                  // no key never conflicts
        {InsertKey, 0x20D, 0},
    };
    for (const Case& c : cases) EXPECT_EQ(conflictWarning(d, c.slot, c.code), c.warning) << c.slot << " " << c.code;

    // Both InsertCandidateKey and EasySupportKey are Shift+Space by default.
    EXPECT_EQ(d[InsertCandidateKey], ShiftSpace);
    EXPECT_EQ(d[EasySupportKey], ShiftSpace);

    // Two keys already sharing the code: the first in bit order is named.
    auto twice = d;
    twice[InsertKey] = twice[PreviousCandidateKey] = 0x241;
    EXPECT_EQ(conflictWarning(twice, ComplementKey, 0x241), msgid::SupportKeyUsedByInsert);
    EXPECT_EQ(conflictWarning(twice, InsertKey, 0x241), msgid::SupportKeyUsedByPreviousCandidate);
}

TEST(SupportPage, StoredValuesOutsideTheChoicesSelectTheDefaults) {
    TempDir dir;
    CSetting s(dir.path());
    EXPECT_EQ(read(s), defaults());   // nothing stored

    struct Case {
        const char16_t* key;
        int32_t stored;
        int Values::*field;
        int shown;
    } cases[] = {
        {keys::AfterHistory, 0, &Values::afterHistory, 0},  {keys::AfterHistory, 3, &Values::afterHistory, 2},
        {keys::AfterHistory, -1, &Values::afterHistory, 2}, {keys::ShowHistory, 2, &Values::showHistory, 2},
        {keys::ShowHistory, 7, &Values::showHistory, 1},    {keys::HistoryList, 0, &Values::historyList, 0},
        {keys::HistoryList, 2, &Values::historyList, 1},    {keys::HistoryWords, 1, &Values::historyWords, 1},
        {keys::HistoryWords, 5, &Values::historyWords, 0},
    };
    for (const Case& c : cases) {
        s.deleteSection(keys::Section);
        s.writeInt(keys::Section, c.key, c.stored);
        EXPECT_EQ(read(s).*c.field, c.shown) << std::string(c.key, c.key + 3) << " " << c.stored;
    }

    s.deleteSection(keys::Section);
    s.writeInt(keys::Section, keys::ShowSupportKey, 2);
    s.writeInt(keys::Section, keys::Support, 0);
    s.writeInt(keys::Section, keys::HistoryKey, 0);           // no key is a valid choice
    s.writeInt(keys::Section, keys::RSearchKey, 0x10000);     // no key code: back to Ctrl+Tab
    s.writeInt(keys::Section, keys::InsertKey, -5);
    Values v = read(s);
    EXPECT_FALSE(v.backslashKey220);
    EXPECT_TRUE(v.backslashKey226);
    EXPECT_FALSE(v.support);
    EXPECT_EQ(v.keys[HistoryKey], 0u);
    EXPECT_EQ(v.keys[RSearchKey], CtrlTab);
    EXPECT_EQ(v.keys[InsertKey], 13u);
}

TEST(SupportPage, WritingReplacesTheSectionWithExactlyThePagesKeys) {
    TempDir dir;
    CSetting s(dir.path());
    s.writeInt(keys::Section, u"Obsolete", 1);
    s.writeInt(ini_keys::basic::Section, ini_keys::basic::Lines, 4);
    Values v = defaults();
    v.support = false;
    v.afterHistory = 0;
    v.backslashKey220 = false;
    v.keys[ComplementKey] = 0x231;
    ASSERT_TRUE(write(s, v));

    const std::string ini = dir.read(u"Vexa2.ini");
    const char* expected[] = {
        "Support=0",         "EasySupport=1",     "InsertAfterCompliment=1", "AfterHistory=0",
        "ShowHistory=1",     "HistoryList=1",     "HistoryWords=0",          "InsertKey=13",
        "ComplementKey=561", "ComplementInsertKey=269", "InsertCandidateKey=288", "PreviousCandidateKey=265",
        "RSearchKey=521",    "HistoryKey=544",    "EasySupportKey=288",      "ItemBibitemKey=269",
        "ShowSupportKey=2",
    };
    for (const char* line : expected) EXPECT_NE(ini.find(line), std::string::npos) << line;
    EXPECT_EQ(ini.find("Obsolete"), std::string::npos);
    EXPECT_NE(ini.find("Lines=4"), std::string::npos);   // other sections stay
    size_t start = ini.find("[SupportSettings]");
    ASSERT_NE(start, std::string::npos);
    size_t end = ini.find('[', start + 1);
    std::string section = ini.substr(start, end == std::string::npos ? std::string::npos : end - start);
    EXPECT_EQ(std::count(section.begin(), section.end(), '='), 17);
    EXPECT_EQ(read(s), v);   // and it reads back as written
}
