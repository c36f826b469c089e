// Typesets small documents with real TeX engines through the shipped
// dispatcher Vexa2.bat and the shipped command files, as they stand: each
// tool name of a command file is found on the PATH as a copy of
// unix_tool.exe that runs Debian's program of that name. Every run must end
// with a PDF whose citations, references and index are all resolved.
#include "base/platform.h"
#include "base/str.h"
#include "base/win32/wide.h"
#include "tests/support/temp_dir.h"
#include "tests/wine/batch_record.h"
#include "tests/wine/batch_run_support.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cctype>
#include <map>
#include <ostream>
#include <string>
#include <vector>

namespace {

using wide::w;

using batch_run::copyFile;
using batch_run::moduleFolder;
using batch_run::shippedFolder;

// A tool of a command file and the Linux command that stands in for it.
struct Tool {
    const char16_t* name;
    const char* command; // empty: /usr/bin/<name>
};

// One document typeset with one command set.
struct Case {
    const char16_t* set;       // file in data\, or in data\command_sets\ when not Vexa2cmd.bat
    std::vector<Tool> tools;
    std::string document;      // bytes of main.tex as stored
    std::vector<int> types;    // command types run in order, each must succeed
    const char* engineLog;     // what the log says about the output
};

void PrintTo(const Case& c, std::ostream* os) { *os << str::toUtf8(c.set); }

const char* const Bibliography =
    "@book{knuth, author={Donald Knuth}, title={The Book}, publisher={P}, year={1984}}\n";

// Cites, refers and indexes; the class line and the words vary per case.
std::string document(const std::string& documentClass, const std::string& words, const std::string& style) {
    return documentClass + "\n\\usepackage{makeidx}\n\\makeindex\n\\begin{document}\n"
                           "\\section{" + words + "}\\label{sec:one}\n"
                           "See section~\\ref{sec:one} on page~\\pageref{sec:one} and \\cite{knuth}\\index{" + words +
           "}.\n\\printindex\n\\bibliographystyle{" + style + "}\n\\bibliography{refs}\n\\end{document}\n";
}

// "日本語" with its reading for the index, in Shift_JIS and in UTF-8.
const std::string JapaneseSjis = "\x93\xfa\x96\x7b\x8c\xea";
const std::string ReadingSjis = "\x82\xc9\x82\xd9\x82\xf1\x82\xb2";
const std::string JapaneseUtf8 = "\xe6\x97\xa5\xe6\x9c\xac\xe8\xaa\x9e";
const std::string ReadingUtf8 = "\xe3\x81\xab\xe3\x81\xbb\xe3\x82\x93\xe3\x81\x94";

class RealEngines : public ::testing::TestWithParam<Case> {
protected:
    void SetUp() override {
        data_ = shippedFolder();
        ASSERT_FALSE(data_.empty()) << "data\\Vexa2.bat not found above the test program";
        ASSERT_TRUE(tmp_.ok());
        ASSERT_TRUE(tmp_.makeFolder(u"plugin") && tmp_.makeFolder(u"bin") && tmp_.makeFolder(u"doc"));
        ASSERT_TRUE(copyFile(data_ + u"\\Vexa2.bat", tmp_.file(u"plugin\\Vexa2.bat")));
    }

    // Puts each tool on the PATH of the run as a copy of the bridge to Linux.
    void installTools(const std::vector<Tool>& tools) {
        const u16 bridge = moduleFolder() + u"\\unix_tool.exe";
        for (const Tool& t : tools) {
            ASSERT_TRUE(copyFile(bridge, tmp_.file(u"bin\\" + u16(t.name) + u".exe")));
            if (*t.command) {
                ASSERT_TRUE(tmp_.write(u"bin\\" + u16(t.name) + u".unix", t.command));
            }
        }
    }

    // Runs the dispatcher for one command type in the document's folder.
    DWORD run(int type, u16view commandFile, const std::map<u16, u16>& extra = {}) {
        const u16 folder = tmp_.file(u"doc");
        std::map<u16, u16> vars = extra; // insert keeps what the caller gave
        vars.insert({{u"Vexa2_Type", str::fromInt(type)}, {u"Vexa2_Set", u"1"}, {u"Vexa2_cmd", u16(commandFile)},
                     {u"Vexa2_CFName", u"main"}, {u"Vexa2_CFPath", folder}, {u"Vexa2_FName", u"main"},
                     {u"Vexa2_FPath", folder}, {u"Vexa2_Line", u"5"}, {u"Vexa2_PSize", u"a4"},
                     {u"Vexa2_New", u"1"}, {u"Vexa2_PSPDFDefault", u"0"}, {u"Vexa2_AutoClose", u"1"},
                     {u"Vexa2_ShortMake", u"0"}, {u"Vexa2_DLLPath", tmp_.file(u"plugin")}});
        return runBatch(tmp_.file(u"plugin\\Vexa2.bat"), vars);
    }

    // Runs a batch file in the document's folder with these variables added
    // (and TEXEDIT only when given), the stand-ins first on the PATH.
    DWORD runBatch(const u16& batch, const std::map<u16, u16>& vars) {
        std::map<u16, u16> env = batch_run::environment(
            [](const u16& e) { return e.starts_with(u"Vexa2") || e.starts_with(u"TEXEDIT="); });
        u16 path;
        for (auto& [k, v] : env)
            if (str::equalsNoCase(k, u"PATH")) path = v;
        for (auto it = env.begin(); it != env.end();)
            it = str::equalsNoCase(it->first, u"PATH") ? env.erase(it) : std::next(it);
        env[u"PATH"] = tmp_.file(u"bin") + (path.empty() ? u16() : u";" + path);
        for (auto& [k, v] : vars) env[k] = v;
        // Several TeX passes on a loaded machine.
        return batch_run::finish(batch_run::start(batch, env, tmp_.file(u"doc")), 300000);
    }

    TempDir tmp_;
    u16 data_;
};

TEST_P(RealEngines, TypesetsToAPdfWithEverythingResolved) {
    const Case& c = GetParam();
    for (const Tool& t : c.tools) {
        std::string command = *t.command ? t.command : "/usr/bin/" + str::toUtf8(t.name);
        std::string program = command.substr(command.rfind(' ') == std::string::npos ? 0 : command.rfind(' ') + 1);
        if (!platform::fileExists(u"Z:" + str::fromUtf8(program)))
            GTEST_SKIP() << program << " is missing (scripts/setup.sh)";
    }
    const u16 set = c.set;
    const u16 shipped = set == u"Vexa2cmd.bat" ? data_ + u"\\" + set : data_ + u"\\command_sets\\" + set;
    const u16 commandFile = tmp_.file(u"Vexa2cmd.bat");
    ASSERT_TRUE(copyFile(shipped, commandFile));
    installTools(c.tools);
    ASSERT_TRUE(tmp_.write(u"doc\\main.tex", c.document));
    ASSERT_TRUE(tmp_.write(u"doc\\refs.bib", Bibliography));

    for (int type : c.types) EXPECT_EQ(run(type, commandFile), 0u) << "type " << type;

    std::string pdf = tmp_.read(u"doc\\main.pdf");
    EXPECT_TRUE(pdf.starts_with("%PDF-")) << "no PDF";
    const std::string log = tmp_.read(u"doc\\main.log");
    EXPECT_NE(log.find(c.engineLog), std::string::npos) << log;
    EXPECT_EQ(log.find("undefined on input line"), std::string::npos) << log;
    EXPECT_EQ(log.find("There were undefined references"), std::string::npos) << log;
    EXPECT_EQ(log.find("Rerun to get"), std::string::npos) << log;
    EXPECT_NE(tmp_.read(u"doc\\main.bbl").find("\\bibitem{knuth}"), std::string::npos);
    EXPECT_NE(tmp_.read(u"doc\\main.ind").find("\\item"), std::string::npos);
}

// pLaTeX reads Shift_JIS as a Japanese Windows installation does by default;
// Debian's defaults to UTF-8, so the stand-ins are told the encoding.
const Case Cases[] = {
    {u"Vexa2cmd.bat",
     {{u"platex", "env PTEX_KANJI_ENC=sjis /usr/bin/platex"},
      {u"jbibtex", "env PTEX_KANJI_ENC=sjis /usr/bin/pbibtex"},
      {u"mendex", "env PTEX_KANJI_ENC=sjis /usr/bin/mendex"},
      {u"dvipdfmx", ""}},
     document("\\documentclass{jarticle}", ReadingSjis + "@" + JapaneseSjis, "jplain"), {2, 3},
     "Output written on main.dvi"},
    {u"uplatex.bat",
     {{u"uplatex", ""}, {u"upbibtex", ""}, {u"upmendex", ""}, {u"dvipdfmx", ""}},
     document("\\documentclass[uplatex]{jsarticle}", ReadingUtf8 + "@" + JapaneseUtf8, "jplain"), {2, 3},
     "Output written on main.dvi"},
    {u"pdflatex.bat",
     {{u"pdflatex", ""}, {u"bibtex", ""}, {u"makeindex", ""}},
     document("\\documentclass{article}", "Knuth", "plain"), {2, 3}, "Output written on main.pdf"},
    {u"latexmk.bat",
     {{u"latexmk", ""}},
     document("\\documentclass{article}", "Knuth", "plain"), {2, 3}, "Output written on main.pdf"},
};

std::string caseName(const ::testing::TestParamInfo<Case>& info) {
    std::string name = str::toUtf8(info.param.set);
    std::string out;
    for (char ch : name.substr(0, name.find('.')))
        if (std::isalnum(static_cast<unsigned char>(ch))) out += ch;
    return out;
}

INSTANTIATE_TEST_SUITE_P(ShippedSets, RealEngines, ::testing::ValuesIn(Cases), caseName);

// A set that makes the PDF with the engine has no DVI file for PostScript:
// the step says so and the run fails instead of passing silently.
TEST_F(RealEngines, AStepThatNeedsADviFileFailsInAPdfSet) {
    if (!platform::fileExists(u"Z:\\usr\\bin\\pdflatex")) GTEST_SKIP() << "pdflatex is missing (scripts/setup.sh)";
    const u16 commandFile = tmp_.file(u"Vexa2cmd.bat");
    ASSERT_TRUE(copyFile(data_ + u"\\command_sets\\pdflatex.bat", commandFile));
    installTools({{u"pdflatex", ""}});
    ASSERT_TRUE(tmp_.write(u"doc\\main.tex", "\\documentclass{article}\n\\begin{document}\nx\n\\end{document}\n"));
    EXPECT_EQ(run(4, commandFile), 1u); // PostScript: TeX, then the DVI step
    EXPECT_TRUE(tmp_.read(u"doc\\main.pdf").starts_with("%PDF-"));
    EXPECT_FALSE(tmp_.exists(u"doc\\main.ps"));
}

// The jump set's viewer finds its way back to the editor whose program
// TEXEDIT names first; a folder with blanks and parentheses stays whole.
TEST_F(RealEngines, TheViewersWayBackIsTheEditorThatTexEditNames) {
    ASSERT_TRUE(tmp_.write(u"probe.bat", "@echo off\r\ncall \"%SETFILE%\" editor\r\n"
                                         "set Vexa2s_editor>\"%OUTFILE%\"\r\n"));
    const char* sets[] = {"uplatex.bat", "pdflatex.bat", "lualatex.bat", "latexmk.bat"};
    for (const char* set : sets) {
        SCOPED_TRACE(set);
        std::map<u16, u16> vars = {{u"SETFILE", data_ + u"\\command_sets\\" + str::fromUtf8(set)},
                                   {u"OUTFILE", tmp_.file(u"out.txt")},
                                   {u"TEXEDIT", u"\"C:\\Program Files (x86)\\Ed\\ed.exe\" /l %d \"%s\""}};
        runBatch(tmp_.file(u"probe.bat"), vars);
        EXPECT_EQ(tmp_.read(u"out.txt"), "Vexa2s_editor=C:\\Program Files (x86)\\Ed\\ed.exe\r\n");
        // Without TEXEDIT there is no editor to go back to.
        vars.erase(u"TEXEDIT");
        platform::deleteFile(tmp_.file(u"out.txt"));
        runBatch(tmp_.file(u"probe.bat"), vars);
        EXPECT_EQ(tmp_.read(u"out.txt"), "");
    }
}

// PDF preview in the jump set: the viewer (a recorder standing in for it)
// opens the engine's PDF at the caret's line of the edited file and gets
// the way back.
TEST_F(RealEngines, TheJumpSetOpensTheViewerAtTheCaretLine) {
    if (!platform::fileExists(u"Z:\\usr\\bin\\pdflatex")) GTEST_SKIP() << "pdflatex is missing (scripts/setup.sh)";
    const u16 commandFile = tmp_.file(u"Vexa2cmd.bat");
    ASSERT_TRUE(copyFile(data_ + u"\\command_sets\\pdflatex.bat", commandFile));
    installTools({{u"pdflatex", ""}});
    ASSERT_TRUE(copyFile(moduleFolder() + u"\\batch_recorder.exe", tmp_.file(u"bin\\SumatraPDF.exe")));
    ASSERT_TRUE(tmp_.write(u"doc\\main.tex", "\\documentclass{article}\n\\begin{document}\nx\n\\end{document}\n"));
    const u16 record = tmp_.file(u"record.txt"), folder = tmp_.file(u"doc");
    EXPECT_EQ(run(8, commandFile,
                  {{u"Vexa2_Set", u"2"}, {u"Vexa2_FName", u"chapter"}, {u"Vexa2_Line", u"17"},
                   {u"TEXEDIT", u"\"C:\\Ed\\ed.exe\" /l %d \"%s\""}, {u"VEXA_RECORD", record}}),
              0u);
    std::vector<batch_record::Call> calls;
    for (int i = 0; i < 400 && calls.empty(); ++i, Sleep(50)) // the viewer starts detached
        calls = batch_record::parse(tmp_.read(u"record.txt"));
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].args, (std::vector<u16>{u"-reuse-instance", u"-inverse-search",
                                               u"\"C:\\Ed\\ed.exe\" /l %l \"%f\"", u"-forward-search",
                                               folder + u"\\chapter.tex", u"17", folder + u"\\main.pdf"}));
    EXPECT_TRUE(tmp_.read(u"doc\\main.pdf").starts_with("%PDF-"));
    EXPECT_TRUE(tmp_.exists(u"doc\\main.synctex.gz"));
}

} // namespace
