#include "frame/help_topic.h"

#include <gtest/gtest.h>

TEST(HelpTopic, CommandNamesFileTopicAndWindowType) {
    EXPECT_EQ(help::topicCommand(u"C:\\p\\Vexa2Lang\\Vexa2EN.chm", u"html/main.htm"),
              u"C:\\p\\Vexa2Lang\\Vexa2EN.chm::/html/main.htm>Vexa2Help");
    // Without a topic the file opens at its default page, still in our window type.
    EXPECT_EQ(help::topicCommand(u"C:\\h.chm", u""), u"C:\\h.chm>Vexa2Help");
    // No help file: nothing to show, not a bare window-type string.
    EXPECT_EQ(help::topicCommand(u"", u"topic.htm"), u"");
}

TEST(HelpTopic, FilePathJoinsWithOneSeparator) {
    EXPECT_EQ(help::helpFilePath(u"C:\\p\\Vexa2Lang", u"Vexa2EN.chm"), u"C:\\p\\Vexa2Lang\\Vexa2EN.chm");
    EXPECT_EQ(help::helpFilePath(u"C:\\p\\Vexa2Lang\\", u"Vexa2EN.chm"), u"C:\\p\\Vexa2Lang\\Vexa2EN.chm");
    EXPECT_EQ(help::helpFilePath(u"C:\\p\\Vexa2Lang", u""), u"");
}
