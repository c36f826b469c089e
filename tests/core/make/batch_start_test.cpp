#include "make/batch_start.h"

#include "base/str.h"

#include <gtest/gtest.h>

namespace {

const u16 Cmd = u"C:\\Windows\\system32\\cmd.exe";

TEST(BatchStart, CommandLineKeepsEveryPathOneQuotedCommand) {
    struct Case {
        u16 batch;
        u16 line;
    } cases[] = {
        {u"C:\\Vexa2\\Vexa2.bat", u"\"" + Cmd + u"\" /s /c \"\"C:\\Vexa2\\Vexa2.bat\"\""},
        // Parentheses and spaces: where 32-bit hosts keep their plug-ins.
        {u"C:\\Program Files (x86)\\Host\\Plugins\\Vexa 2 (test)\\Vexa2.bat",
         u"\"" + Cmd + u"\" /s /c \"\"C:\\Program Files (x86)\\Host\\Plugins\\Vexa 2 (test)\\Vexa2.bat\"\""},
        {u"D:\\a&b ^c|d<e>f\\Vexa2Usr.bat", u"\"" + Cmd + u"\" /s /c \"\"D:\\a&b ^c|d<e>f\\Vexa2Usr.bat\"\""},
        // A lone percent sign starts no replacement and stays.
        {u"C:\\100% sure\\Vexa2.bat", u"\"" + Cmd + u"\" /s /c \"\"C:\\100% sure\\Vexa2.bat\"\""},
        // A pair could name a variable: the quoted run is cut after each
        // opening sign so that no name can match.
        {u"C:\\x%PATH%y\\Vexa2.bat", u"\"" + Cmd + u"\" /s /c \"\"C:\\x%\"\"PATH%y\\Vexa2.bat\"\""},
        {u"C:\\%a%%b%\\Vexa2.bat", u"\"" + Cmd + u"\" /s /c \"\"C:\\%\"\"a%\"\"%\"\"b%\\Vexa2.bat\"\""},
        {u"\\\\server\\share (1)\\Vexa2.bat", u"\"" + Cmd + u"\" /s /c \"\"\\\\server\\share (1)\\Vexa2.bat\"\""},
    };
    for (const Case& c : cases) EXPECT_EQ(batch_start::CommandLine(Cmd, c.batch), c.line) << str::toUtf8(c.batch);

    EXPECT_EQ(batch_start::CommandLine(u"C:\\My Shell\\cmd.exe", u"C:\\a.bat"),
              u"\"C:\\My Shell\\cmd.exe\" /s /c \"\"C:\\a.bat\"\"");
}

TEST(BatchStart, NothingStartsWhenAPathCannotBeQuoted) {
    for (u16view bad : {u16view(u""), u16view(u"C:\\a\".bat"), u16view(u"C:\\a\r\nb.bat"),
                        u16view(u"C:\\a\0b.bat", 10)}) {
        EXPECT_EQ(batch_start::CommandLine(Cmd, bad), u"");
        EXPECT_EQ(batch_start::CommandLine(bad, u"C:\\a.bat"), u"");
    }
}

TEST(BatchStart, InterpreterComesFromTheSystemFolderFirst) {
    EXPECT_EQ(batch_start::Interpreter(u"C:\\WINDOWS\\system32", u"D:\\other\\shell.exe"),
              u"C:\\WINDOWS\\system32\\cmd.exe");
    EXPECT_EQ(batch_start::Interpreter(u"C:\\WINDOWS\\system32\\", u""), u"C:\\WINDOWS\\system32\\cmd.exe");
    EXPECT_EQ(batch_start::Interpreter(u"", u"C:\\WINDOWS\\system32\\cmd.exe"), u"C:\\WINDOWS\\system32\\cmd.exe");
    EXPECT_EQ(batch_start::Interpreter(u"", u""), u"");
}

} // namespace
