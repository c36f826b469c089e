#include "make/command_file.h"

#include "base/platform.h"
#include "tests/core/make/source_tree.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

namespace {

using command_file::ToolStep;

// A minimal valid command file: each section's label, then filler lines
// whose text says their offset.
std::string templateText(const std::string& before = "@echo off\r\n", const std::string& after = "") {
    std::string t = before;
    for (size_t k = 0; k < command_file::SectionCount; ++k) {
        t += str::toUtf8(command_file::Labels[k]) + "\r\n";
        size_t span = command_file::isPreviewer(k) ? 15 : 6;
        for (size_t i = 1; i <= span; ++i) t += "rem " + std::to_string(k) + "." + std::to_string(i) + "\r\n";
        t += "goto :eof\r\n";
    }
    return t + after;
}

TEST(CommandFile, FindsEverySectionAndItsTwoLines) {
    TempDir dir;
    dir.write(u"c.bat", templateText());
    CommandFile file(dir.file(u"c.bat"));
    ASSERT_FALSE(file.IsInvalid());
    EXPECT_EQ(*file.commandLineOf(0), 1u + 6);
    EXPECT_EQ(*file.echoLineOf(0), 1u + 3);
    size_t dviview = *file.commandLineOf(6) - 15;
    EXPECT_EQ(file.Line(dviview), u":dviview1");
    EXPECT_EQ(*file.echoLineOf(6), dviview + 12);
}

TEST(CommandFile, ALabelWithATrailingBlankOrAMissingLineInvalidatesTheTemplate) {
    TempDir dir;
    std::string t = templateText();
    std::string blank = t;
    blank.replace(blank.find(":tex1\r\n"), 7, ":tex1 \r\n");
    dir.write(u"blank.bat", blank);
    CommandFile file(dir.file(u"blank.bat"));
    EXPECT_TRUE(file.IsInvalid());
    ToolStep step{u"x", u"y"};
    EXPECT_FALSE(file.ReadStep(0, step));
    EXPECT_EQ(step, ToolStep{});
    EXPECT_FALSE(file.WriteStep(1, step));

    // The last section cut short of its command line.
    std::string shortEnd = t.substr(0, t.rfind("rem 19.6"));
    dir.write(u"short.bat", shortEnd);
    EXPECT_TRUE(CommandFile(dir.file(u"short.bat")).IsInvalid());

    // Labels match ignoring case; a repeated label takes its last place.
    std::string twice = t + ":TEX1\r\n1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n";
    dir.write(u"twice.bat", twice);
    CommandFile again(dir.file(u"twice.bat"));
    ASSERT_FALSE(again.IsInvalid());
    EXPECT_EQ(again.Line(*again.commandLineOf(0)), u"6");
}

TEST(CommandFile, ReadStepSplitsProgramAndArgumentsWithCanonicalPrefixes) {
    using command_file::SplitCommandLine;
    EXPECT_EQ(SplitCommandLine(u"Call \"ps2pdf\" \"a.ps\" \"a.pdf\""), (ToolStep{u"call \"ps2pdf\"", u"\"a.ps\" \"a.pdf\""}));
    EXPECT_EQ(SplitCommandLine(u"%VEXA2_START%   \"my viewer\" x"), (ToolStep{u"%Vexa2_start% \"my viewer\"", u"x"}));
    EXPECT_EQ(SplitCommandLine(u"  platex   -src  a.tex "), (ToolStep{u"platex", u"-src  a.tex "}));
    EXPECT_EQ(SplitCommandLine(u"\"C:\\Program Files\\t\"x y"), (ToolStep{u"\"C:\\Program Files\\t\"x", u"y"}));
    EXPECT_EQ(SplitCommandLine(u"\"unclosed quote"), (ToolStep{u"\"unclosed quote", u""}));
    EXPECT_EQ(SplitCommandLine(u""), ToolStep{});
    EXPECT_EQ(SplitCommandLine(u"callx"), (ToolStep{u"callx", u""}));
}

TEST(CommandFile, WriteStepFillsCommandEchoAndThePaperVariantAndKeepsTheRest) {
    TempDir dir;
    std::string tail;
    for (int i = 0; i < 700; ++i) tail += "rem tail " + std::to_string(i) + "\r\n";
    dir.write(u"c.bat", templateText("@echo off\r\n", tail));
    {
        CommandFile file(dir.file(u"c.bat"));
        ASSERT_TRUE(file.WriteStep(0, {u"\"platex\"", u""}));
        ASSERT_TRUE(file.WriteStep(6, {u"%Vexa2_start% \"dviout\"", u"\"a.dvi\""}));
    }
    CommandFile back(dir.file(u"c.bat"));
    ASSERT_FALSE(back.IsInvalid());
    size_t c0 = *back.commandLineOf(0);
    EXPECT_EQ(back.Line(c0), u"\"platex\" ");                // empty arguments: one trailing blank
    EXPECT_EQ(back.Line(c0 - 3), u"echo    \"platex\" ");
    EXPECT_EQ(back.Line(c0 - 1), u"rem 0.5");                // the author's lines stay
    size_t c6 = *back.commandLineOf(6);
    EXPECT_EQ(back.Line(c6), u"%Vexa2_start% \"dviout\" \"a.dvi\"");
    EXPECT_EQ(back.Line(c6 - 8), u"%Vexa2_start% \"dviout\" -y=%Vexa2_PSize% \"a.dvi\"");
    EXPECT_EQ(back.Line(c6 - 11), u"echo    %Vexa2_start% \"dviout\" -y=%Vexa2_PSize% \"a.dvi\"");
    EXPECT_EQ(back.Line(c6 - 3), u"echo    %Vexa2_start% \"dviout\" \"a.dvi\"");
    EXPECT_EQ(back.Line(back.LineCount() - 1), u"rem tail 699"); // nothing lost past line 512
    ToolStep step;
    ASSERT_TRUE(back.ReadStep(6, step));
    EXPECT_EQ(step, (ToolStep{u"%Vexa2_start% \"dviout\"", u"\"a.dvi\""}));
}

TEST(CommandFile, AUtf16FileIsReadAndWrittenBackInAnsi) {
    TempDir dir;
    u16 text = str::fromUtf8(templateText());
    dir.write(u"w.bat", std::string(reinterpret_cast<const char*>(text.data()), text.size() * 2));
    {
        CommandFile file(dir.file(u"w.bat"));
        ASSERT_FALSE(file.IsInvalid());
        ASSERT_TRUE(file.WriteStep(19, {u"\"jpeg2ps\"", u"x"}));
    }
    std::string back = dir.read(u"w.bat");
    EXPECT_EQ(back.find('\0'), std::string::npos);
    EXPECT_NE(back.find(":jpeg2ps2\r\n"), std::string::npos);
    EXPECT_NE(back.find("\r\n\"jpeg2ps\" x\r\n"), std::string::npos);
}

TEST(CommandFile, TheShippedFileHoldsTheFactorySteps) {
    CommandFile file(shippedFile("Vexa2cmd.bat"));
    ASSERT_FALSE(file.IsInvalid());
    for (size_t k = 0; k < command_file::SectionCount; ++k) {
        ToolStep step;
        ASSERT_TRUE(file.ReadStep(k, step));
        EXPECT_EQ(step, command_file::DefaultStep(k)) << k;
        u16 line = command_file::CommandLine(step, false);
        EXPECT_EQ(file.Line(*file.echoLineOf(k)), u"echo    " + line) << k;
        if (command_file::isPreviewer(k)) {
            EXPECT_EQ(file.Line(*file.commandLineOf(k) - 8), command_file::CommandLine(step, true)) << k;
        }
    }
    EXPECT_FALSE(file.IsModified());
    // The defaults the settings page resets to, spot-checked against the
    // command lines users know.
    EXPECT_EQ(command_file::CommandLine(command_file::DefaultStep(5), false),
              u"call \"ps2pdf\" \"%Vexa2_CFName%.ps\" \"%Vexa2_CFName%.pdf\"");
    EXPECT_EQ(command_file::CommandLine(command_file::DefaultStep(16), true),
              u"%Vexa2_start% \"dviout\" -y=%Vexa2_PSize% \"%Vexa2_CFPath%\\%Vexa2_CFName%.dvi\" \"# %Vexa2_Line% "
              u"%Vexa2_FName%.tex\"");
    EXPECT_EQ(command_file::DefaultStep(20), ToolStep{});
}

TEST(LocateCommandFile, CopiesFromThePluginFolderOnceAndKeepsTheUsersFile) {
    TempDir plugin, settings;
    EXPECT_EQ(command_file::LocateCommandFile(settings.path(), plugin.path()), u""); // no source
    plugin.write(u"Vexa2cmd.bat", "factory");
    u16 found = command_file::LocateCommandFile(settings.path(), plugin.path());
    std::string bytes;
    ASSERT_TRUE(platform::readFile(found, bytes));
    EXPECT_EQ(bytes, "factory");
    EXPECT_EQ(settings.read(u"Vexa2cmd.bat"), "factory");
    settings.write(u"Vexa2cmd.bat", "mine");
    EXPECT_EQ(command_file::LocateCommandFile(settings.path(), plugin.path()), found);
    EXPECT_EQ(settings.read(u"Vexa2cmd.bat"), "mine");

    TempDir blocked;
    blocked.makeFolder(u"Vexa2cmd.bat");
    EXPECT_EQ(command_file::LocateCommandFile(blocked.path(), plugin.path()), u"");
    TempDir folderSource, target;
    folderSource.makeFolder(u"Vexa2cmd.bat");
    EXPECT_EQ(command_file::LocateCommandFile(target.path(), folderSource.path()), u"");
    EXPECT_EQ(command_file::LocateCommandFile(u"", plugin.path()), u"");
}

} // namespace
