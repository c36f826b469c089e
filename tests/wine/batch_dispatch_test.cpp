// Runs the shipped dispatcher Vexa2.bat in cmd.exe with a command file whose
// tool lines all start a recorder, and checks which steps each command type
// runs, with which arguments, in which folder, and that file names full of
// characters special to cmd.exe pass through untouched and start nothing.
#include "base/platform.h"
#include "base/str.h"
#include "base/win32/wide.h"
#include "make/command_file.h"
#include "tests/support/temp_dir.h"
#include "tests/wine/batch_record.h"
#include "tests/wine/batch_run_support.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <map>
#include <vector>

namespace {

using wide::w;

using batch_run::copyFile;
using batch_run::moduleFolder;
using batch_run::shippedFolder;

using batch_record::Call;

class BatchDispatch : public ::testing::Test {
protected:
    void SetUp() override {
        data_ = shippedFolder();
        ASSERT_FALSE(data_.empty()) << "data\\Vexa2.bat not found above the test program";
        ASSERT_TRUE(tmp_.ok());
        plugin_ = tmp_.file(u"plugin");
        settings_ = tmp_.file(u"settings");
        ASSERT_TRUE(tmp_.makeFolder(u"plugin") && tmp_.makeFolder(u"settings"));
        ASSERT_TRUE(copyFile(data_ + u"\\Vexa2.bat", plugin_ + u"\\Vexa2.bat"));
        ASSERT_TRUE(copyFile(data_ + u"\\Vexa2Usr.bat", settings_ + u"\\Vexa2Usr.bat"));
        ASSERT_TRUE(copyFile(data_ + u"\\Vexa2cmd.bat", plugin_ + u"\\Vexa2cmd.bat"));
        cmd_ = command_file::LocateCommandFile(settings_, plugin_);
        ASSERT_FALSE(cmd_.empty());
        // Every tool becomes the recorder; the section name goes first.
        u16 recorder = u"\"" + moduleFolder() + u"\\batch_recorder.exe\"";
        CommandFile file(cmd_);
        ASSERT_FALSE(file.IsInvalid());
        for (size_t k = 0; k < command_file::SectionCount; ++k) {
            command_file::ToolStep step;
            ASSERT_TRUE(file.ReadStep(k, step));
            // A call line would expand the names twice; the recorder is a
            // program, which needs no call.
            u16 prefix = step.program.starts_with(command_file::StartPrefix) ? u16(command_file::StartPrefix) : u16();
            u16 label = u16(command_file::Labels[k]).substr(1);
            ASSERT_TRUE(file.WriteStep(k, {prefix + recorder, label + u" " + step.arguments}));
        }
        ASSERT_EQ(file.Close(), CLine::SaveResult::Written);
        setRoot(u"root", u"main", u"ch1");
        record_ = tmp_.file(u"record.txt");
    }

    void setRoot(u16view folder, u16view name, u16view document) {
        rootFolder_ = tmp_.file(folder);
        ASSERT_TRUE(tmp_.makeFolder(folder) || platform::isDirectory(rootFolder_));
        vars_[u"Vexa2_CFName"] = name;
        vars_[u"Vexa2_CFPath"] = rootFolder_;
        vars_[u"Vexa2_FName"] = document;
        vars_[u"Vexa2_FPath"] = rootFolder_;
    }

    // A file beside the root, named after it.
    bool writeBeside(u16view extension, std::string_view bytes) {
        return platform::writeFileAtomic(rootFolder_ + u"\\" + vars_[u"Vexa2_CFName"] + u16(extension), bytes);
    }
    // What a first TeX pass leaves for a document with a bibliography and
    // an index; without these the dispatcher skips those two steps.
    void askForBibliographyAndIndex() {
        ASSERT_TRUE(writeBeside(u".aux", "\\relax\n\\citation{k}\n\\bibstyle{plain}\n\\bibdata{refs}\n"));
        ASSERT_TRUE(writeBeside(u".idx", "\\indexentry{word}{1}\n"));
    }

    // Runs a batch file with the variables; stdin is NUL unless given.
    DWORD run(int type, u16view batch = u"", HANDLE input = nullptr, DWORD* pid = nullptr, HANDLE* process = nullptr) {
        std::map<u16, u16> env = baseEnv();
        env[u"Vexa2_Type"] = str::fromInt(type);
        env[u"Vexa2_cmd"] = cmd_;
        env[u"Vexa2_DLLPath"] = plugin_;
        env[u"VEXA_RECORD"] = record_;
        for (auto& [k, v] : vars_) env[k] = v;
        u16 file = batch.empty() ? plugin_ + u"\\Vexa2.bat" : u16(batch);
        HANDLE started = batch_run::start(file, env, rootFolder_, input, true);
        if (!started) return 0xFFFF;
        if (process) {
            *process = started;
            return 0;
        }
        (void)pid;
        return batch_run::finish(started, runTimeout_);
    }

    // The record once it holds `count` calls (detached viewers write late),
    // after a short grace for calls that should not be there.
    std::vector<Call> calls(size_t count) {
        std::vector<Call> got;
        for (int i = 0; i < 200; ++i) {
            got = batch_record::parse(tmp_.read(u"record.txt"));
            if (got.size() >= count) break;
            Sleep(50);
        }
        Sleep(300);
        return batch_record::parse(tmp_.read(u"record.txt"));
    }

    std::vector<u16> labels(size_t count) {
        std::vector<u16> out;
        for (const Call& c : calls(count)) out.push_back(c.label());
        return out;
    }

    void reset() { platform::deleteFile(record_); }

    static std::map<u16, u16> baseEnv() {
        return batch_run::environment(
            [](const u16& e) { return e.starts_with(u"Vexa2_") || e.starts_with(u"VEXA_"); });
    }

    TempDir tmp_;
    u16 data_, plugin_, settings_, cmd_, record_, rootFolder_;
    DWORD runTimeout_ = 60000;
    std::map<u16, u16> vars_ = {{u"Vexa2_Set", u"1"},      {u"Vexa2_New", u"0"},       {u"Vexa2_PSPDFDefault", u"0"},
                                {u"Vexa2_AutoClose", u"1"}, {u"Vexa2_ShortMake", u"0"}, {u"Vexa2_Line", u"12"},
                                {u"Vexa2_PSize", u"a4"}};
};

using L = std::vector<u16>;

TEST_F(BatchDispatch, EachTypeRunsItsStepsInOrder) {
    askForBibliographyAndIndex();
    const std::map<int, L> want = {
        {1, {u"tex1"}},
        {2, {u"tex1", u"bib1", u"index1", u"tex1", u"tex1"}},
        {3, {u"tex1", u"dvipdf1"}},
        {4, {u"tex1", u"dvips1"}},
        {5, {u"tex1", u"dvips1", u"pspdf1"}},
        {6, {u"tex1", u"dviview1"}},
        {7, {u"tex1", u"dvips1", u"psview1"}},
        {8, {u"tex1", u"dvipdf1", u"pdfview1"}},
        {9, {}},
        {10, {u"jpeg2ps1"}},
    };
    for (auto& [type, steps] : want) {
        reset();
        EXPECT_EQ(run(type), 0u) << "type " << type;
        EXPECT_EQ(labels(steps.size()), steps) << "type " << type;
    }
    vars_[u"Vexa2_PSPDFDefault"] = u"1";
    vars_[u"Vexa2_Set"] = u"2";
    reset();
    run(3);
    EXPECT_EQ(labels(3), (L{u"tex2", u"dvips2", u"pspdf2"}));
    reset();
    run(8);
    EXPECT_EQ(labels(4), (L{u"tex2", u"dvips2", u"pspdf2", u"pdfview2"}));
    reset();
    EXPECT_NE(run(11), 0u);
    EXPECT_TRUE(labels(0).empty());
}

// biblatex with biber names no database in the .aux file; its .bcf file is
// what asks for the bibliography step.
TEST_F(BatchDispatch, ABiberControlFileAsksForTheBibliographyStep) {
    ASSERT_TRUE(writeBeside(u".aux", "\\relax\n\\abx@aux@cite{0}{k}\n"));
    EXPECT_EQ(run(2), 0u);
    EXPECT_EQ(labels(3), (L{u"tex1", u"tex1", u"tex1"}));
    reset();
    ASSERT_TRUE(writeBeside(u".bcf", "<?xml version=\"1.0\"?>\n<bcf:controlfile/>\n"));
    EXPECT_EQ(run(2), 0u);
    EXPECT_EQ(labels(4), (L{u"tex1", u"bib1", u"tex1", u"tex1"}));
}

// The plug-in compares the file times and says which outputs are fresh; a
// lead-in step runs unless its output exists and is reported fresh.
TEST_F(BatchDispatch, ShortMakeRunsLeadInStepsOnlyWhenTheirOutputIsStale) {
    vars_[u"Vexa2_ShortMake"] = u"1";
    vars_[u"Vexa2_DviFresh"] = u"1";
    vars_[u"Vexa2_PSFresh"] = u"1";
    vars_[u"Vexa2_PDFFresh"] = u"1";
    run(6);
    EXPECT_EQ(labels(2), (L{u"tex1", u"dviview1"})); // no DVI yet
    ASSERT_TRUE(tmp_.write(u"root\\main.dvi", "dvi"));
    reset();
    run(6);
    EXPECT_EQ(labels(1), (L{u"dviview1"}));
    vars_[u"Vexa2_DviFresh"] = u"0"; // a source saved after the DVI
    reset();
    run(6);
    EXPECT_EQ(labels(2), (L{u"tex1", u"dviview1"}));
    vars_[u"Vexa2_DviFresh"] = u"1";
    reset();
    run(7);
    EXPECT_EQ(labels(2), (L{u"dvips1", u"psview1"})); // the PostScript is missing
    ASSERT_TRUE(tmp_.write(u"root\\main.ps", "ps"));
    reset();
    run(7);
    EXPECT_EQ(labels(1), (L{u"psview1"}));
    vars_[u"Vexa2_PSFresh"] = u"0"; // older than the DVI
    reset();
    run(7);
    EXPECT_EQ(labels(2), (L{u"dvips1", u"psview1"}));
    ASSERT_TRUE(tmp_.write(u"root\\main.pdf", "pdf"));
    reset();
    run(8);
    EXPECT_EQ(labels(1), (L{u"pdfview1"}));
    vars_[u"Vexa2_PDFFresh"] = u"0";
    reset();
    run(8);
    EXPECT_EQ(labels(2), (L{u"dvipdf1", u"pdfview1"}));
    // A caller that reports nothing gets every lead-in step.
    for (const char16_t* name : {u"Vexa2_DviFresh", u"Vexa2_PSFresh", u"Vexa2_PDFFresh"}) vars_.erase(name);
    reset();
    run(8);
    EXPECT_EQ(labels(3), (L{u"tex1", u"dvipdf1", u"pdfview1"}));
    vars_[u"Vexa2_DviFresh"] = vars_[u"Vexa2_PDFFresh"] = u"1";
    vars_[u"Vexa2_New"] = u"1";
    reset();
    run(8);
    EXPECT_EQ(labels(3), (L{u"tex1", u"dvipdf1", u"pdfview1"})); // just saved: everything is stale
}

TEST_F(BatchDispatch, ThePreviewerGetsThePaperVariantOnlyWithAPaperSize) {
    run(6);
    std::vector<Call> got = calls(2);
    ASSERT_EQ(got.size(), 2u);
    EXPECT_EQ(got[1].args, (L{u"-y=a4", u"dviview1", rootFolder_ + u"\\main.dvi"}));
    vars_[u"Vexa2_PSize"] = u"";
    vars_[u"Vexa2_Set"] = u"2";
    reset();
    run(6);
    got = calls(2);
    ASSERT_EQ(got.size(), 2u);
    EXPECT_EQ(got[1].args, (L{u"dviview2", rootFolder_ + u"\\main.dvi", u"# 12 ch1.tex"}));
}

TEST_F(BatchDispatch, ToolsRunInTheRootFolderAndSeeTheVariables) {
    vars_[u"TEXEDIT"] = u"\"C:\\host.exe\" /j %d \"%s\"";
    run(1);
    std::vector<Call> got = calls(1);
    ASSERT_EQ(got.size(), 1u);
    EXPECT_TRUE(str::equalsNoCase(got[0].cwd, rootFolder_)) << str::toUtf8(got[0].cwd);
    EXPECT_EQ(got[0].args, (L{u"tex1", u"main.tex"}));
    EXPECT_EQ(got[0].env[u"Vexa2_CFName"], u"main");
    EXPECT_EQ(got[0].env[u"Vexa2_Line"], u"12");
    EXPECT_EQ(got[0].env[u"TEXEDIT"], u"\"C:\\host.exe\" /j %d \"%s\"");
    EXPECT_EQ(got[0].env[u"Vexa2_start"], u"start \"\"");
}

// Commas and semicolons separate a command from its argument in cmd.exe:
// "&md,injN&" creates a folder if the name ever escapes its quotes.
void expectNoInjection(const u16& root, const u16& tmp, const u16& plugin) {
    for (u16view inj : {u"inj1", u"inj2", u"inj3"})
        for (const u16& where : {root, tmp, plugin})
            EXPECT_FALSE(platform::isDirectory(where + u"\\" + u16(inj))) << str::toUtf8(where);
}

TEST_F(BatchDispatch, NamesWithCmdSpecialCharactersPassThroughAndStartNothing) {
    const u16 folder = u"p&md,inj1&q (x);y,z^w!v!";
    const u16 name = u"n&md,inj2&o^p!r(s)t;u,v";
    const u16 doc = u"d)&md,inj3&(e";
    setRoot(folder, name, doc);
    askForBibliographyAndIndex();
    vars_[u"Vexa2_Set"] = u"2";
    for (int type : {2, 6, 7, 8}) {
        reset();
        EXPECT_EQ(run(type), 0u) << type;
        size_t steps = type == 2 ? 5 : type == 6 ? 2 : 3;
        std::vector<Call> got = calls(steps);
        EXPECT_EQ(got.size(), steps) << type;
        for (const Call& c : got) {
            u16 l = c.label();
            if (l == u"tex2") {
                EXPECT_EQ(c.args, (L{u"tex2", u"-src", name + u".tex"}));
            } else if (l == u"bib2") {
                EXPECT_EQ(c.args, (L{u"bib2", name}));
            } else if (l == u"dvips2") {
                EXPECT_EQ(c.args, (L{u"dvips2", u"-Pdl", name + u".dvi"}));
            } else if (l == u"dviview2") {
                EXPECT_EQ(c.args,
                          (L{u"-y=a4", u"dviview2", rootFolder_ + u"\\" + name + u".dvi", u"# 12 " + doc + u".tex"}));
            } else if (l == u"pdfview2") {
                EXPECT_EQ(c.args, (L{u"pdfview2", rootFolder_ + u"\\" + name + u".pdf"}));
            }
            EXPECT_TRUE(str::equalsNoCase(c.cwd, rootFolder_));
        }
    }
    expectNoInjection(rootFolder_, tmp_.path(), plugin_);
}

// Wine's cmd.exe expands percent signs again inside a substituted value, so
// there such names arrive changed; the run must still complete and start
// nothing but its tools. Without an .aux or .idx file type 2 makes its three
// TeX passes, testing for those files under the name on the way.
TEST_F(BatchDispatch, NamesWithPercentSignsStartNothing) {
    setRoot(u"p%&md,inj1&%q%Vexa2_start%", u"n%Vexa2_Line%&md,inj2&%", u"d%PATH%&md,inj3&%");
    const std::map<int, L> want = {{2, {u"tex1", u"tex1", u"tex1"}}, {6, {u"tex1", u"dviview1"}}};
    for (auto& [type, steps] : want) {
        reset();
        EXPECT_EQ(run(type), 0u) << type;
        EXPECT_EQ(labels(steps.size()), steps) << type;
    }
    expectNoInjection(rootFolder_, tmp_.path(), plugin_);
}

// The bibliography and index tools fail when they have nothing to do, so
// those steps run only when the document asks for them; a step that runs
// and fails stops the run.
TEST_F(BatchDispatch, AFailedStepStopsTheRun) {
    vars_[u"VEXA_RECORD_FAIL"] = u"bib1";
    EXPECT_EQ(run(2), 0u); // neither an .aux nor an .idx file
    EXPECT_EQ(labels(3), (L{u"tex1", u"tex1", u"tex1"}));
    ASSERT_TRUE(writeBeside(u".aux", "\\relax\n\\citation{k}\n\\bibstyle{plain}\n"));
    reset();
    EXPECT_EQ(run(2), 0u); // citations, but no database to take them from
    EXPECT_EQ(labels(3), (L{u"tex1", u"tex1", u"tex1"}));

    ASSERT_TRUE(writeBeside(u".aux", "\\relax\n\\bibdata{refs}\n"));
    reset();
    EXPECT_EQ(run(2), 1u);
    EXPECT_EQ(labels(2), (L{u"tex1", u"bib1"}));
    ASSERT_TRUE(writeBeside(u".idx", ""));
    vars_[u"VEXA_RECORD_FAIL"] = u"index1";
    reset();
    EXPECT_EQ(run(2), 1u);
    EXPECT_EQ(labels(3), (L{u"tex1", u"bib1", u"index1"}));

    // The test for a database leaves its own exit code behind; a TeX section
    // that runs nothing must not inherit it as a failure.
    platform::deleteFile(rootFolder_ + u"\\main.aux");
    platform::deleteFile(rootFolder_ + u"\\main.idx");
    {
        CommandFile file(cmd_);
        ASSERT_TRUE(file.WriteStep(0, {u"rem", u"no TeX today"}));
        ASSERT_EQ(file.Close(), CLine::SaveResult::Written);
    }
    reset();
    EXPECT_EQ(run(2), 0u);
    EXPECT_TRUE(labels(0).empty());
}

// Typeset everything with the real tools, reached through Wine's bridge to
// Linux programs: whether a document has a bibliography, an index, both or
// neither, every citation and reference ends up resolved, and a tool that
// really fails still stops the run.
TEST_F(BatchDispatch, TypesetEverythingResolvesEveryDocumentWithTheRealTools) {
    for (const char16_t* tool : {u"Z:\\usr\\bin\\latex", u"Z:\\usr\\bin\\bibtex", u"Z:\\usr\\bin\\makeindex"})
        if (!platform::fileExists(tool)) GTEST_SKIP() << str::toUtf8(tool) << " is missing (scripts/setup.sh)";
    {
        const u16 bridge = u"\"" + moduleFolder() + u"\\unix_tool.exe\"";
        CommandFile file(cmd_);
        ASSERT_TRUE(file.WriteStep(0, {bridge, u"/usr/bin/latex -interaction=nonstopmode \"%Vexa2_CFName%.tex\""}));
        ASSERT_TRUE(file.WriteStep(1, {bridge, u"/usr/bin/bibtex \"%Vexa2_CFName%\""}));
        ASSERT_TRUE(file.WriteStep(2, {bridge, u"/usr/bin/makeindex \"%Vexa2_CFName%.idx\""}));
        ASSERT_EQ(file.Close(), CLine::SaveResult::Written);
    }
    runTimeout_ = 300000; // five TeX-family programs on a loaded machine
    const std::string bib = "@book{knuth, author={Donald Knuth}, title={The Book}, publisher={P}, year={1984}}\n";
    const std::string refs = "\\section{One}\\label{one}\nSee section~\\ref{one} on page~\\pageref{one}.\n";
    struct Document {
        const char16_t* folder;
        std::string body;
        bool bibliography, index;
    } documents[] = {
        {u"plain", refs, false, false},
        {u"cites", refs + "As in \\cite{knuth}.\n\\bibliographystyle{plain}\n\\bibliography{refs}\n", true, false},
        {u"indexed",
         refs + "As in \\cite{knuth}\\index{Knuth}.\n\\printindex\n\\bibliographystyle{plain}\n\\bibliography{refs}\n",
         true, true},
    };
    for (const Document& d : documents) {
        SCOPED_TRACE(str::toUtf8(d.folder));
        setRoot(d.folder, u"main", u"main");
        std::string preamble = d.index ? "\\documentclass{article}\n\\usepackage{makeidx}\n\\makeindex\n"
                                       : "\\documentclass{article}\n";
        ASSERT_TRUE(writeBeside(u".tex", preamble + "\\begin{document}\n" + d.body + "\\end{document}\n"));
        ASSERT_TRUE(platform::writeFileAtomic(rootFolder_ + u"\\refs.bib", bib));
        EXPECT_EQ(run(2), 0u);
        std::string log = tmp_.read(u16(d.folder) + u"\\main.log");
        EXPECT_NE(log.find("Output written on main.dvi"), std::string::npos) << log;
        EXPECT_EQ(log.find("undefined"), std::string::npos) << log;
        EXPECT_EQ(tmp_.exists(u16(d.folder) + u"\\main.bbl"), d.bibliography);
        EXPECT_EQ(tmp_.exists(u16(d.folder) + u"\\main.ind"), d.index);
    }
    // A database that does not exist: the bibliography tool fails for real.
    setRoot(u"broken", u"main", u"main");
    ASSERT_TRUE(writeBeside(u".tex", "\\documentclass{article}\n\\begin{document}\n\\cite{knuth}\n"
                                     "\\bibliographystyle{plain}\n\\bibliography{missing}\n\\end{document}\n"));
    EXPECT_EQ(run(2), 1u);
    EXPECT_TRUE(tmp_.exists(u"broken\\main.blg"));
}

TEST_F(BatchDispatch, AMissingCommandFileEndsTheRunWithoutSteps) {
    platform::deleteFile(cmd_);
    EXPECT_EQ(run(1), 1u);
    EXPECT_TRUE(labels(0).empty());
}

TEST_F(BatchDispatch, WithoutAutoCloseTheConsoleWaitsForAKey) {
    vars_[u"Vexa2_AutoClose"] = u"0";
    SECURITY_ATTRIBUTES sa{sizeof(sa), nullptr, TRUE};
    HANDLE readEnd = nullptr, writeEnd = nullptr;
    ASSERT_TRUE(CreatePipe(&readEnd, &writeEnd, &sa, 0));
    SetHandleInformation(writeEnd, HANDLE_FLAG_INHERIT, 0);
    HANDLE process = nullptr;
    run(1, u"", readEnd, nullptr, &process);
    ASSERT_NE(process, nullptr);
    EXPECT_EQ(labels(1), (L{u"tex1"}));
    EXPECT_EQ(WaitForSingleObject(process, 1000), static_cast<DWORD>(WAIT_TIMEOUT)); // paused
    DWORD written = 0;
    WriteFile(writeEnd, "x\r\n", 3, &written, nullptr);
    CloseHandle(writeEnd);
    EXPECT_EQ(WaitForSingleObject(process, 30000), WAIT_OBJECT_0);
    CloseHandle(process);
    CloseHandle(readEnd);
}

TEST_F(BatchDispatch, TheExampleUserBatchRunsCommandFileSteps) {
    EXPECT_EQ(run(9, settings_ + u"\\Vexa2Usr.bat"), 0u);
    EXPECT_EQ(labels(4), (L{u"tex1", u"tex1", u"dvipdf1", u"pdfview1"}));
}

} // namespace
