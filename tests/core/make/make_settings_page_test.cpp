#include "make/make_settings_page.h"

#include "base/str.h"
#include "settings/setting.h"
#include "settings/setting_keys.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

namespace {

using make_page::AddOutcome;
using make_page::CheckState;

u16 typed(u16view keys) {
    u16 out;
    for (char16_t c : keys)
        if (char16_t kept = make_page::EntryChar(c)) out += kept;
    return out;
}

TEST(MakePage, TheEntryBoxRefusesNameBreakingCharactersAndCapitalises) {
    EXPECT_EQ(typed(u"ab.c"), u"AB.C");
    EXPECT_EQ(typed(u"a:b c\"d/e<f>g?h\\i|j"), u"ABCDEFGHIJ");
    EXPECT_EQ(typed(u"*.log_1-Z\u00e4"), u"*.LOG_1-Z\u00e4");   // only a-z change
}

TEST(MakePage, AddingFollowsTheRulesInOrder) {
    struct Case {
        u16 entry;
        AddOutcome outcome;
    } cases[] = {
        {u"", AddOutcome::Empty},
        {u"*.LOG", AddOutcome::Added},
        {u"*LOG", AddOutcome::StarWithoutDot},
        {u"*", AddOutcome::StarWithoutDot},
        {u"A*B", AddOutcome::StarInside},
        {u"*.*", AddOutcome::StarInside},
        {u"aux", AddOutcome::Duplicate},      // ignoring case
        {u"A*UX", AddOutcome::StarInside},
        {u"NAV", AddOutcome::Added},
    };
    for (const Case& c : cases) {
        std::vector<u16> list{u"AUX", u"*.BMC"};
        EXPECT_EQ(make_page::AddEntry(list, c.entry), c.outcome) << str::toUtf8(c.entry);
        EXPECT_EQ(list.size(), c.outcome == AddOutcome::Added ? 3u : 2u);
        if (c.outcome == AddOutcome::Added) {
            EXPECT_EQ(list.back(), c.entry);
        }
    }
}

TEST(MakePage, AddingStopsOnlyAfterFiftyOneEntriesAndBeforeTheDuplicateCheck) {
    std::vector<u16> list;
    for (int i = 0; i < 51; ++i) ASSERT_EQ(make_page::AddEntry(list, u"E" + str::fromInt(i)), AddOutcome::Added);
    EXPECT_EQ(make_page::AddEntry(list, u"E0"), AddOutcome::TooMany);
    EXPECT_EQ(make_page::AddEntry(list, u"NEW"), AddOutcome::TooMany);
    EXPECT_EQ(list.size(), 51u);
}

TEST(MakePage, RemovingSelectsTheEntryBeforeAndNeverEmptiesTheList) {
    std::vector<u16> list{u"A", u"B", u"C"};
    EXPECT_EQ(make_page::RemoveEntry(list, 2), std::optional<size_t>(1));
    EXPECT_EQ(list, (std::vector<u16>{u"A", u"B"}));
    EXPECT_EQ(make_page::RemoveEntry(list, 0), std::optional<size_t>(0));
    EXPECT_EQ(list, (std::vector<u16>{u"B"}));
    EXPECT_EQ(make_page::RemoveEntry(list, 0), std::nullopt);
    EXPECT_EQ(list.size(), 1u);
    list.push_back(u"C");
    EXPECT_EQ(make_page::RemoveEntry(list, std::nullopt), std::nullopt);
    EXPECT_EQ(make_page::RemoveEntry(list, 5), std::nullopt);
    EXPECT_EQ(list.size(), 2u);
}

TEST(MakePage, PrefixButtonsToggleAndGiveBackTheText) {
    struct Case {
        u16 before, call, start;
    } cases[] = {
        {u"\"platex\"", u"call \"platex\"", u"%Vexa2_start% \"platex\""},
        {u"CALL \"ps2pdf\"", u"\"ps2pdf\"", u"%Vexa2_start% CALL \"ps2pdf\""},
        {u"%vexa2_START% \"dviout\"", u"call %vexa2_START% \"dviout\"", u"\"dviout\""},
        {u"call", u"call call", u"%Vexa2_start% call"},            // no blank: not the prefix
        {u"call ", u"", u"%Vexa2_start% call "},
        {u"", u"call ", u"%Vexa2_start% "},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(make_page::ToggleCallPrefix(c.before), c.call) << str::toUtf8(c.before);
        EXPECT_EQ(make_page::ToggleStartPrefix(c.before), c.start) << str::toUtf8(c.before);
    }
    // Twice gives back a text that did not begin with the prefix.
    for (u16 p : {u16(u"\"platex\""), u16(u"%Vexa2_start% \"x\""), u16(u"Call\"x\"")}) {
        EXPECT_EQ(make_page::ToggleCallPrefix(make_page::ToggleCallPrefix(p)), p);
        EXPECT_EQ(make_page::ToggleStartPrefix(make_page::ToggleStartPrefix(p)), p);
    }
}

TEST(MakePage, AChosenProgramIsQuotedWithTheRightPrefix) {
    struct Case {
        u16 path, current, result;
    } cases[] = {
        {u"C:\\tools\\make.BAT", u"", u"call \"C:\\tools\\make.BAT\""},
        {u"C:\\tools\\make.bat", u"%Vexa2_start% \"x\"", u"call \"C:\\tools\\make.bat\""},
        {u"C:\\v\\dviout.exe", u"%VEXA2_START% \"dviout\"", u"%Vexa2_start% \"C:\\v\\dviout.exe\""},
        {u"C:\\v\\dviout.exe", u"call \"x.bat\"", u"\"C:\\v\\dviout.exe\""},
        {u"C:\\v\\bat", u"", u"\"C:\\v\\bat\""},
        {u"C:\\v\\x.bat.exe", u"", u"\"C:\\v\\x.bat.exe\""},
    };
    for (const Case& c : cases) EXPECT_EQ(make_page::ChosenProgram(c.path, c.current), c.result);
}

TEST(MakePage, StepIndexAddsTenForTheSecondSet) {
    EXPECT_EQ(make_page::StepIndex(0, 1), 0u);
    EXPECT_EQ(make_page::StepIndex(3, 2), 13u);
    EXPECT_EQ(make_page::StepIndex(9, 2), 19u);
    EXPECT_EQ(make_page::StepIndex(42, 2), 19u);   // never beyond the last step
}

TEST(MakePage, TheReportBoxHasThreeStates) {
    struct Case {
        int32_t setting;
        CheckState state;
        int32_t stored;
    } cases[] = {{0, CheckState::Unchecked, 0}, {1, CheckState::Checked, 1}, {2, CheckState::Indeterminate, 2},
                 {3, CheckState::Checked, 1},   {-1, CheckState::Checked, 1}};
    for (const Case& c : cases) {
        EXPECT_EQ(make_page::ReportState(c.setting), c.state) << c.setting;
        EXPECT_EQ(make_page::ReportSetting(make_page::ReportState(c.setting)), c.stored);
    }
}

TEST(MakePage, TabListsDropEmptyEntries) {
    EXPECT_EQ(make_page::SplitTabs(u"\tA\t\tB\t"), (std::vector<u16>{u"A", u"B"}));
    EXPECT_EQ(make_page::JoinTabs({u"*.BMC", u"AUX"}), u"*.BMC\tAUX");
    EXPECT_TRUE(make_page::SplitTabs(u"").empty());
}

TEST(MakePage, ValuesLoadWithDefaultsAndStoreExactlyThePagesKeys) {
    namespace keys = ini_keys::make;
    TempDir dir;
    CSetting settings(dir.path());
    EXPECT_EQ(make_page::Load(settings), make_page::Defaults());
    EXPECT_EQ(make_page::Defaults().deleteList.size(), 13u);

    // Odd stored values come in normalised.
    settings.writeInt(keys::Section, keys::AutoDelete, 7);
    settings.writeInt(keys::Section, keys::TeXEdit, -3);
    settings.writeInt(keys::Section, keys::SubDirectory, 99);
    settings.writeInt(keys::Section, keys::DeleteReport, 5);
    make_page::Values odd = make_page::Load(settings);
    EXPECT_EQ(odd.autoDelete, 1);
    EXPECT_EQ(odd.texEdit, 1);
    EXPECT_EQ(odd.subDirectory, 20);
    EXPECT_EQ(odd.deleteReport, CheckState::Checked);
    ASSERT_TRUE(settings.deleteFile());

    make_page::Values v;
    v.psPdfDefault = true;
    v.autoClose = false;
    v.autoDelete = 2;
    v.deleteList = {u"*.X", u"LOG"};
    v.subDirectory = 25;
    v.deleteReport = CheckState::Unchecked;
    v.texEdit = 0;
    v.texEditParam = u"-n%d \"%s\"";
    ASSERT_TRUE(make_page::Store(settings, v));
    EXPECT_EQ(dir.read(u"Vexa2.ini"),
              "[Make]\r\nPSPDFDefault=1\r\nShortMake=1\r\nAutoClose=0\r\nAutoDelete=2\r\nDeleteUndo=1\r\n"
              "DeleteList=*.X\tLOG\r\nSubDirectory=20\r\nDeleteReport=0\r\nTEXEDIT=0\r\n"
              "TEXEDITParam=-n%d \"%s\"\r\n");
    v.subDirectory = 20;
    EXPECT_EQ(make_page::Load(settings), v);
}

TEST(MakePage, ALongStoredListIsLoadedWhole) {
    TempDir dir;
    CSetting settings(dir.path());
    std::vector<u16> list;
    for (int i = 0; i < 51; ++i) list.push_back(u"LONGEXTENSIONNUMBER" + str::fromInt(i));
    settings.writeString(ini_keys::make::Section, ini_keys::make::DeleteList, make_page::JoinTabs(list).c_str());
    EXPECT_EQ(make_page::Load(settings).deleteList, list);
}

} // namespace
