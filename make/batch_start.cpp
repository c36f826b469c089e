#include "make/batch_start.h"

#include "make/tex_path.h"

namespace batch_start {

namespace {
bool quotable(u16view path) {
    return !path.empty() && path.find_first_of(u16view(u"\"\r\n\0", 4)) == u16view::npos;
}
} // namespace

u16 Interpreter(u16view systemFolder, u16view comSpec) {
    if (!systemFolder.empty()) return tex_path::combine(systemFolder, u"cmd.exe");
    return u16(comSpec);
}

// The line is «"interpreter" /s /c ""batch""». With /s the interpreter takes
// everything after /c, removes its first and its last quote and runs what
// is left: «"batch"», one quoted command name. Inside quotes & | < > ( ) ^
// and spaces are plain characters, so no path can end the command or start
// another one. Percent signs are the exception: a command line replaces
// %name% by the variable's value even inside quotes, and there is no escape
// for it there; it keeps the text only when no variable has that name. So
// every '%' that a later '%' could close is followed by «""»: the quoted
// run ends and a new one begins, the name the interpreter looks up starts
// with two quotes (no variable is called that), and the quotes themselves
// are dropped when the interpreter turns the command name into a path.
// A lone '%' cannot start a replacement and stays as it is.
u16 CommandLine(u16view interpreter, u16view batchFile) {
    if (!quotable(interpreter) || !quotable(batchFile)) return {};
    u16 line = u"\"" + u16(interpreter) + u"\" /s /c \"\"";
    for (size_t i = 0; i < batchFile.size(); ++i) {
        line += batchFile[i];
        if (batchFile[i] == u'%' && batchFile.find(u'%', i + 1) != u16view::npos) line += u"\"\"";
    }
    line += u"\"\"";
    return line;
}

} // namespace batch_start
