#include "settings/multiuser_page_model.h"

#include "settings/setting_keys.h"
#include "tests/support/settings_file.h"

#include <gtest/gtest.h>

namespace {

using Fixture = SettingsFile;

} // namespace

TEST(MultiUserPage, WriteTestLeavesAnExistingFileAsItWas) {
    const std::string content = "[ini]\r\nVersion=21294\r\n[Multiuser]\r\nMode=1\r\n";
    Fixture f(content);
    EXPECT_TRUE(multiuser_page::canWrite(f.settings));
    EXPECT_EQ(f.file(), content);
    EXPECT_TRUE(multiuser_page::readMode(f.settings));
}

TEST(MultiUserPage, ApplyLeavesModeAloneInItsSection) {
    for (bool multi : {true, false}) {
        Fixture f("[Multiuser]\r\nTemp=1\r\nMode=7\r\nOther=x\r\n[A]\r\nb=c\r\n");
        ASSERT_TRUE(multiuser_page::write(f.settings, multi));
        EXPECT_EQ(f.file(), std::string("[Multiuser]\r\nMode=") + (multi ? "1" : "0") + "\r\n[A]\r\nb=c\r\n");
        EXPECT_EQ(multiuser_page::readMode(f.settings), multi);
    }
}

TEST(MultiUserPage, AFileThatCannotBeCreatedFailsTheWriteTest) {
    TempDir dir;
    CSetting settings(dir.file(u"no such folder"));
    EXPECT_FALSE(multiuser_page::canWrite(settings));
    EXPECT_FALSE(dir.exists(u"no such folder"));
}
