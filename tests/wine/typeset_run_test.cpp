// Typesetting from the stand-in host, end to end: the plug-in's command
// saves the document, finds its root, publishes the variables and runs the
// shipped Vexa2.bat with a command file whose tool lines start recorders
// (or a real TeX engine), in the root's folder, while the host stays deaf
// to clicks; afterwards "TEXEDIT" is back and auxiliary files may go.
#include "base/platform.h"
#include "base/str.h"
#include "make/command_file.h"
#include "make/win32/vexa_make.h"
#include "lang/resource_ids.h"
#include "tests/wine/batch_record.h"
#include "tests/wine/language_test_support.h"
#include "tests/wine/mainwindow_test_support.h"

#include <atomic>
#include <map>
#include <thread>

namespace {

using namespace mainwindow_test;
using wide::w;

constexpr uint32_t TypesetCommand = 41045; // type 1
constexpr uint32_t MakePdfCommand = 41047;  // type 3: lead-in TeX, then DVI to PDF
constexpr uint32_t SwapCommand = 41137;
constexpr uint32_t FigureCommand = 41036;

u16 bin() { return wide::u(host_test::binFolder().c_str()); }

u16 hostProgram() {
    wchar_t buf[MAX_PATH * 2] = {};
    DWORD n = GetModuleFileNameW(nullptr, buf, MAX_PATH * 2);
    return wide::u(buf, n);
}

using batch_record::Call;

std::wstring environment(const wchar_t* name, bool* present = nullptr) {
    wchar_t buf[4096] = {};
    SetLastError(0);
    DWORD n = GetEnvironmentVariableW(name, buf, 4096);
    if (present) *present = n != 0 || GetLastError() != ERROR_ENVVAR_NOT_FOUND;
    return std::wstring(buf, n < 4096 ? n : 0);
}

class TypesetRun : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        if (HasFatalFailure()) return;
        std::wstring dist = distFolder();
        for (const wchar_t* f : {L"Vexa2.bat", L"Vexa2cmd.bat", L"Vexa2Usr.bat"})
            ASSERT_TRUE(CopyFileW((dist + f).c_str(), path(dir, f).c_str(), FALSE)) << "dist\\ lacks a batch file";
        record_ = dir.file(u"record.txt");
        SetEnvironmentVariableW(L"VEXA_RECORD", w(record_));
        SetEnvironmentVariableW(L"TEXEDIT", nullptr);
        // Every tool records; the section name goes first.
        setSteps([](size_t k, const command_file::ToolStep& step) {
            u16 prefix = step.program.starts_with(command_file::StartPrefix) ? u16(command_file::StartPrefix) : u16();
            u16 label = u16(command_file::Labels[k]).substr(1);
            return command_file::ToolStep{prefix + u"\"" + bin() + u"batch_recorder.exe\"", label + u" " + step.arguments};
        });
        // Nothing of the run may wait for a key in the hidden console.
        setting(L"Make", L"AutoClose", L"1");
        setting(L"Make", L"AutoDelete", L"0");
    }
    void TearDown() override {
        MainWindowTest::TearDown();
        SetEnvironmentVariableW(L"VEXA_RECORD", nullptr);
        SetEnvironmentVariableW(L"TEXEDIT", nullptr);
    }

    // Rewrites the tool line of every section of the plug-in's command file.
    void setSteps(const std::function<command_file::ToolStep(size_t, const command_file::ToolStep&)>& make) {
        CommandFile file(dir.file(command_file::FileName));
        ASSERT_FALSE(file.IsInvalid());
        for (size_t k = 0; k < command_file::SectionCount; ++k) {
            command_file::ToolStep step;
            ASSERT_TRUE(file.ReadStep(k, step));
            ASSERT_TRUE(file.WriteStep(k, make(k, step)));
        }
        ASSERT_EQ(file.Close(), CLine::SaveResult::Written);
    }
    void setStep(size_t section, command_file::ToolStep tool) {
        setSteps([&](size_t k, const command_file::ToolStep& step) { return k == section ? tool : step; });
    }

    // A multi-file document: the root in folder, the child in folder\chap
    // naming it through a "%Root" line with a forward slash.
    void makeDocument(u16view folder, u16view rootName) {
        folder_ = dir.file(folder);
        root_ = folder_ + u"\\" + u16(rootName) + u".tex";
        child_ = folder_ + u"\\chap\\ch1.tex";
        ASSERT_TRUE(dir.makeFolder(folder) && dir.makeFolder(u16(folder) + u"\\chap"));
        ASSERT_TRUE(platform::writeFileAtomic(root_, "\\documentclass{article}\r\n\\begin{document}\r\n"
                                                     "\\input{chap/ch1}\r\n\\end{document}\r\n"));
        ASSERT_TRUE(platform::writeFileAtomic(
            child_, str::toUtf8(u"%Root ../" + u16(rootName) + u".tex\r\n\\section{One}\r\nText.\r\nMore.\r\n")));
    }

    EditorThread& open(const u16& file, int caretLine) {
        EditorWindowOptions o;
        o.path = w(file);
        o.caretLine = caretLine;
        o.show = SW_SHOWNOACTIVATE;
        editors.push_back(std::make_unique<EditorThread>(o));
        EXPECT_TRUE(editors.back()->started());
        EditorThread& e = *editors.back();
        command(e);
        EXPECT_NE(mainWindow(e), nullptr);
        return e;
    }

    // The command as a toolbar button sends it; returns when the run ended.
    void typeset(EditorThread& e, uint32_t id = TypesetCommand) {
        on(e, [&](EditorView&) { SendMessageW(mainWindow(e), WM_COMMAND, id, 0); });
    }

    // Lays the plug-in as set up so far (library, language folder, batch
    // files, command file, settings) out again in dir\\sub and loads it from
    // there; returns that folder.
    u16 loadFrom(u16view sub) {
        u16 home = dir.path();
        for (size_t from = 0; from <= sub.size();) {
            size_t to = std::min(sub.find(u'\\', from), sub.size());
            home += u"\\" + u16(sub.substr(from, to - from));
            from = to + 1;
            EXPECT_TRUE(CreateDirectoryW(w(home), nullptr)) << str::toUtf8(home);
        }
        EXPECT_TRUE(CreateDirectoryW(w(home + u"\\Vexa2Lang"), nullptr));
        for (u16view f : {u"vexa2.dll", u"Vexa2.ini", u"Vexa2.bat", u"Vexa2cmd.bat", u"Vexa2Usr.bat",
                          u"Vexa2Lang\\Vexa2EN.dll", u"Vexa2Lang\\Vexa2Lang.ini"})
            EXPECT_TRUE(CopyFileW(w(dir.file(f)), w(home + u"\\" + u16(f)), FALSE)) << str::toUtf8(f);
        EXPECT_TRUE(loader.load(w(home + u"\\vexa2.dll")));
        shared = sharedSection(loader.module());
        EXPECT_NE(shared, nullptr);
        return home;
    }

    std::vector<Call> calls() { return batch_record::parse(dir.read(u"record.txt")); }
    void resetRecord() { platform::deleteFile(record_); }

    u16 record_, folder_, root_, child_;
};

// Commas and semicolons end a command name in cmd.exe: "&md,injN&" makes a
// folder whenever a name escapes its quotes.
const u16 SpecialFolder = u"doc &md,inj1& (x);y,z^w!v!";
const u16 SpecialRoot = u"m&md,inj2&a^i!n(1);c,d";

TEST_F(TypesetRun, ChildFileTypesetsItsRootInTheRootFolderWithEveryVariable) {
    setting(L"Make", L"PSPDFDefault", L"1");
    setting(L"Make", L"ShortMake", L"0");
    makeDocument(SpecialFolder, SpecialRoot);
    load();
    EditorThread& e = open(child_, 2);
    // An unsaved change: the run saves it first and says so.
    on(e, [&](EditorView&) { SendMessageW(e.editor(), WM_CHAR, L'Z', 0); });
    typeset(e);

    std::vector<Call> got = calls();
    ASSERT_EQ(got.size(), 1u) << dir.read(u"record.txt");
    const Call& c = got[0];
    EXPECT_TRUE(str::equalsNoCase(c.cwd, folder_)) << str::toUtf8(c.cwd);
    EXPECT_EQ(c.args, (std::vector<u16>{u"tex1", SpecialRoot + u".tex"}));
    std::map<u16, u16> want = {
        {u"Vexa2_CFName", SpecialRoot},
        {u"Vexa2_CFPath", folder_},
        {u"Vexa2_FName", u"ch1"},
        {u"Vexa2_FPath", folder_ + u"\\chap"},
        {u"Vexa2_Type", u"1"},
        {u"Vexa2_Set", u"1"},
        {u"Vexa2_New", u"1"},
        {u"Vexa2_PSPDFDefault", u"1"},
        {u"Vexa2_AutoClose", u"1"},
        {u"Vexa2_ShortMake", u"0"},
        {u"Vexa2_Line", u"3"},
        {u"Vexa2_cmd", dir.file(u"Vexa2cmd.bat")},
        {u"Vexa2_DLLPath", dir.path()},
    };
    for (auto& [name, value] : want) EXPECT_EQ(c.env.count(name) ? c.env.at(name) : u16(u"<unset>"), value) << str::toUtf8(name);
    // "Vexa2_PSize" follows the paper-size rules, which have tests of their own.
    EXPECT_NE(dir.read(u16(SpecialFolder) + u"\\chap\\ch1.tex").find('Z'), std::string::npos) << "not saved";

    // The variables stay in the host's environment after the run.
    EXPECT_EQ(environment(L"Vexa2_CFName"), std::wstring(w(SpecialRoot)));
    for (u16view inj : {u"inj1", u"inj2"})
        for (const u16& where : {folder_, dir.path(), folder_ + u"\\chap"})
            EXPECT_FALSE(platform::isDirectory(where + u"\\" + u16(inj))) << str::toUtf8(where);
}

// 32-bit hosts keep their plug-ins below "Program Files (x86)": the batch
// file starts from a folder whose name has spaces and parentheses, for a
// root in such a folder too.
TEST_F(TypesetRun, PluginFolderWithParenthesesStartsTheDispatcher) {
    makeDocument(u"my paper (v2)", u"paper(v2)");
    const u16 home = loadFrom(u"Program Files (x86)\\Vexa 2 (test)");
    ASSERT_FALSE(HasFailure());
    EditorThread& e = open(child_, 0);
    Watcher watcher; // a failed start shows a warning
    typeset(e);
    watcher.stop();
    EXPECT_TRUE(watcher.seen().empty()) << "warned: the batch file did not start";

    std::vector<Call> got = calls();
    ASSERT_EQ(got.size(), 1u) << dir.read(u"record.txt");
    const Call& c = got[0];
    EXPECT_TRUE(str::equalsNoCase(c.cwd, folder_)) << str::toUtf8(c.cwd);
    EXPECT_EQ(c.args, (std::vector<u16>{u"tex1", u"paper(v2).tex"}));
    EXPECT_EQ(c.env.count(u"Vexa2_DLLPath") ? c.env.at(u"Vexa2_DLLPath") : u16(), home);
    EXPECT_EQ(c.env.count(u"Vexa2_cmd") ? c.env.at(u"Vexa2_cmd") : u16(), home + u"\\Vexa2cmd.bat");
    EXPECT_EQ(c.env.count(u"Vexa2_CFPath") ? c.env.at(u"Vexa2_CFPath") : u16(), folder_);
    // The interpreter from the system folder, with the whole line spelt out
    // rather than left to the batch file's name alone.
    wchar_t system[MAX_PATH] = {};
    UINT n = GetSystemDirectoryW(system, MAX_PATH);
    const u16 cmd = wide::u(system, n) + u"\\cmd.exe";
    EXPECT_TRUE(str::equalsNoCase(c.parentProgram, cmd)) << str::toUtf8(c.parentProgram);
    EXPECT_EQ(c.parentCommandLine, u"\"" + cmd + u"\" /s /c \"\"" + home + u"\\Vexa2.bat\"\"");
}

TEST_F(TypesetRun, SourceSpecialModeRunsTheSecondSetAndRightClickTheOther) {
    makeDocument(u"doc", u"main");
    load();
    EditorThread& e = open(child_, 0);
    shared->swapOn = 1;
    typeset(e);
    // A right-click on the button runs the other set.
    on(e, [&](EditorView&) {
        NMMOUSE click{};
        click.hdr.hwndFrom = pluginToolbar(e);
        click.hdr.idFrom = 0;
        click.hdr.code = NM_RCLICK;
        click.dwItemSpec = TypesetCommand;
        SendMessageW(mainWindow(e), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&click));
    });
    shared->swapOn = 0;
    std::vector<Call> got = calls();
    ASSERT_EQ(got.size(), 2u);
    EXPECT_EQ(got[0].args, (std::vector<u16>{u"tex2", u"-src", u"main.tex"}));
    EXPECT_EQ(got[0].env[u"Vexa2_Set"], u"2");
    EXPECT_EQ(got[0].env[u"Vexa2_New"], u"0");
    EXPECT_EQ(got[1].args, (std::vector<u16>{u"tex1", u"main.tex"}));
    EXPECT_EQ(got[1].env[u"Vexa2_Set"], u"1");
}

TEST_F(TypesetRun, InverseSearchCommandIsProvidedAsConfiguredAndRestored) {
    makeDocument(u"doc", u"main");
    const u16 ours = u"\"" + hostProgram() + u"\" /l %d \"%s\"";
    struct Case {
        const wchar_t* mode;
        const wchar_t* before; // null: unset
        u16 seen;
    } cases[] = {
        {L"1", L"user /x %d", u"user /x %d"}, // the user's own value wins
        {L"1", nullptr, ours},
        {L"2", L"user /x %d", ours},          // replaced for the run only
        {L"0", nullptr, u"<unset>"},
    };
    load();
    EditorThread& e = open(child_, 0);
    for (const Case& k : cases) {
        setting(L"Make", L"TEXEDIT", k.mode);
        SetEnvironmentVariableW(L"TEXEDIT", k.before);
        resetRecord();
        typeset(e);
        std::vector<Call> got = calls();
        ASSERT_EQ(got.size(), 1u) << k.mode;
        EXPECT_EQ(got[0].env.count(u"TEXEDIT") ? got[0].env[u"TEXEDIT"] : u16(u"<unset>"), k.seen) << k.mode;
        bool present = true;
        std::wstring after = environment(L"TEXEDIT", &present);
        EXPECT_EQ(present, k.before != nullptr) << k.mode;
        EXPECT_EQ(after, k.before ? k.before : L"") << k.mode;
    }
    // The host's options come from the settings.
    setting(L"Make", L"TEXEDIT", L"2");
    setting(L"Make", L"TEXEDITParam", L"-jump %d %s");
    SetEnvironmentVariableW(L"TEXEDIT", nullptr);
    resetRecord();
    typeset(e);
    ASSERT_EQ(calls().size(), 1u);
    EXPECT_EQ(calls()[0].env[u"TEXEDIT"], u"\"" + hostProgram() + u"\" -jump %d %s");
}

TEST_F(TypesetRun, ClicksAndCommandsDuringTheRunAreLostButTheHostRepaints) {
    makeDocument(u"doc", u"main");
    const u16 started = dir.file(u"gate-started"), release = dir.file(u"gate-release");
    setStep(0, {u"\"" + bin() + u"typeset_gate.exe\"", u"\"" + started + u"\" \"" + release + u"\""});
    load();
    EditorThread& e = open(child_, 0);
    HWND main = mainWindow(e);
    ASSERT_NE(main, nullptr);
    std::atomic<bool> done{false};
    std::thread runner([&] {
        e.run([&](EditorView&) { SendMessageW(main, WM_COMMAND, TypesetCommand, 0); });
        done = true;
    });
    // The run thread is joined on every path, also when a check fails.
    struct Join {
        std::thread& t;
        u16 release;
        ~Join() {
            platform::writeFileAtomic(release, "go");
            if (t.joinable()) t.join();
        }
    } join{runner, release};
    ASSERT_TRUE(host_test::waitFor([&] { return platform::fileExists(started); }, 30000)) << "the run did not start";

    // A click on the third line, a key and the Swap button, as a user would.
    PostMessageW(e.editor(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 40));
    PostMessageW(e.editor(), WM_LBUTTONUP, 0, MAKELPARAM(20, 40));
    PostMessageW(e.editor(), WM_KEYDOWN, VK_DOWN, 0);
    PostMessageW(main, WM_COMMAND, SwapCommand, 0);
    // Painting still happens, and so do messages sent to the thread.
    InvalidateRect(e.editor(), nullptr, FALSE);
    EXPECT_TRUE(host_test::waitFor([&] { return !GetUpdateRect(e.editor(), nullptr, FALSE); }, 5000));
    Position caret{-1, -1};
    on(e, [&](EditorView& v) { caret = v.document().model.caret(); });
    EXPECT_FALSE(done);

    ASSERT_TRUE(platform::writeFileAtomic(release, "go"));
    ASSERT_TRUE(host_test::waitFor([&] { return done.load(); }, 30000)) << "the run did not end";
    EXPECT_EQ(caret, (Position{0, 0}));
    on(e, [&](EditorView& v) { caret = v.document().model.caret(); });
    EXPECT_EQ(caret, (Position{0, 0}));
    EXPECT_EQ(shared->swapOn, 0);

    // The same Swap command after the run does switch the mode.
    PostMessageW(main, WM_COMMAND, SwapCommand, 0);
    EXPECT_TRUE(host_test::waitFor([&] { return shared->swapOn == 1; }, 5000));
    on(e, [&](EditorView&) { SendMessageW(main, WM_COMMAND, SwapCommand, 0); });
    EXPECT_EQ(shared->swapOn, 0);
}

TEST_F(TypesetRun, DocumentWithoutTeXNameAndRootIsRefusedWithAWarning) {
    ASSERT_TRUE(dir.makeFolder(u"doc"));
    const u16 file = dir.file(u"doc\\my file.tex");
    ASSERT_TRUE(platform::writeFileAtomic(file, "no root here\r\n"));
    load();
    EditorThread& e = open(file, 0);
    Watcher watcher;
    typeset(e);
    watcher.stop();
    std::vector<SeenBox> seen = watcher.seen();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].text, englishMessage(0x1060002));
    EXPECT_EQ(seen[0].caption, englishMessage(0x1000001));
    EXPECT_TRUE(calls().empty());
}

// Needs the auxiliary-file deletion; fails while that is still a stub.
TEST_F(TypesetRun, AutoDeleteTwoRemovesAuxiliaryFilesAfterTheRunAndSparesSources) {
    setting(L"Make", L"AutoDelete", L"2");
    setting(L"Make", L"DeleteReport", L"0");
    setting(L"Make", L"DeleteUndo", L"0");
    makeDocument(u"doc", u"main");
    for (const char16_t* aux : {u"doc\\main.aux", u"doc\\main.log", u"doc\\chap\\ch1.aux"})
        ASSERT_TRUE(dir.write(aux, "x"));
    load();
    EditorThread& e = open(child_, 0);
    Watcher watcher;  // answers a report, should one be shown
    typeset(e);
    watcher.stop();
    EXPECT_EQ(calls().size(), 1u);
    EXPECT_FALSE(dir.exists(u"doc\\main.aux"));
    EXPECT_FALSE(dir.exists(u"doc\\main.log"));
    EXPECT_TRUE(platform::fileExists(root_));
    EXPECT_TRUE(platform::fileExists(child_));
}

// Sets a file's last write time to the given number of seconds ago.
void age(const u16& file, int seconds) {
    FILETIME now;
    GetSystemTimeAsFileTime(&now);
    uint64_t t = (uint64_t(now.dwHighDateTime) << 32 | now.dwLowDateTime) - uint64_t(seconds) * 10000000u;
    FILETIME when{DWORD(t), DWORD(t >> 32)};
    HANDLE h = CreateFileW(w(file), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    EXPECT_TRUE(SetFileTime(h, nullptr, nullptr, &when));
    CloseHandle(h);
}

// Short make trusts an existing DVI only when it is newer than the root and
// the edited file, also when the host saved the file by its own command.
TEST_F(TypesetRun, ShortMakeRunsTeXAfterASaveByHandButNotWhenNothingChanged) {
    setting(L"Make", L"ShortMake", L"1");
    makeDocument(u"doc", u"main");
    const u16 dvi = folder_ + u"\\main.dvi";
    ASSERT_TRUE(platform::writeFileAtomic(dvi, "dvi"));
    age(root_, 300);
    age(dvi, 200);
    age(child_, 100); // saved by hand after the last TeX run
    load();
    EditorThread& e = open(child_, 0);
    typeset(e, MakePdfCommand);
    std::vector<Call> got = calls();
    ASSERT_EQ(got.size(), 2u) << dir.read(u"record.txt");
    EXPECT_EQ(got[0].label(), u"tex1");
    EXPECT_EQ(got[0].env[u"Vexa2_New"], u"0");
    EXPECT_EQ(got[1].label(), u"dvipdf1");

    age(dvi, 50); // as TeX would have left it
    resetRecord();
    typeset(e, MakePdfCommand);
    got = calls();
    ASSERT_EQ(got.size(), 1u) << dir.read(u"record.txt");
    EXPECT_EQ(got[0].label(), u"dvipdf1");
}

// A real engine: the command file's TeX line runs Debian's latex through
// Wine's bridge to Linux programs and leaves a DVI file in the root folder.
TEST_F(TypesetRun, RealLatexProducesTheDviInTheRootFolder) {
    if (!platform::fileExists(u"Z:\\usr\\bin\\latex")) GTEST_SKIP() << "latex is not installed (scripts/setup.sh)";
    // A Linux program started this way begins in its own folder, so a shell
    // moves into the root folder first; the names come from the variables
    // the run published.
    setStep(0, {u"start /wait /unix /bin/sh",
                u"-c \"cd \\\"$(winepath -u \\\"$Vexa2_CFPath\\\")\\\" && "
                u"exec /usr/bin/latex -interaction=nonstopmode \\\"$Vexa2_CFName.tex\\\"\""});
    ASSERT_TRUE(dir.makeFolder(u"paper"));
    root_ = dir.file(u"paper\\main.tex");
    ASSERT_TRUE(platform::writeFileAtomic(root_, "\\documentclass{article}\n\\begin{document}\nHello.\n\\end{document}\n"));
    load();
    EditorThread& e = open(root_, 0);
    typeset(e);
    EXPECT_TRUE(host_test::waitFor([&] { return dir.exists(u"paper\\main.dvi"); }, 20000))
        << dir.read(u"paper\\main.log");
}

// The figure dialog's image conversion: type 10 runs the set's conversion
// step in the root's folder with the image named in the variables.
TEST_F(TypesetRun, ImageConversionRunsTheConversionStepOnTheImage) {
    makeDocument(u"doc", u"main");
    u16 image = folder_ + u"\\fig one.jpg";
    ASSERT_TRUE(platform::writeFileAtomic(image, "not really a picture"));
    load();
    EditorThread& e = open(child_, 0);
    on(e, [&](EditorView&) { vexa_make::RunMake(mainWindow(e), loader.module(), e.editor(), 10, 1, nullptr, image); });

    std::vector<Call> got = calls();
    ASSERT_EQ(got.size(), 1u) << dir.read(u"record.txt");
    EXPECT_TRUE(str::equalsNoCase(got[0].cwd, folder_)) << str::toUtf8(got[0].cwd);
    ASSERT_FALSE(got[0].args.empty());
    EXPECT_EQ(got[0].args[0], u"jpeg2ps1");
    EXPECT_EQ(got[0].env[u"Vexa2_Type"], u"10");
    EXPECT_EQ(got[0].env[u"Vexa2_ImageFile"], image);
    EXPECT_EQ(got[0].env[u"Vexa2_ImageFileName"], folder_ + u"\\fig one");

    // A missing image starts nothing.
    resetRecord();
    on(e, [&](EditorView&) {
        vexa_make::RunMake(mainWindow(e), loader.module(), e.editor(), 10, 1, nullptr, folder_ + u"\\gone.jpg");
    });
    EXPECT_TRUE(calls().empty());
}

// The figure dialog's JPEG-to-EPS button: a name written relative to the
// document is converted as the file beside the document, and the EPS file
// that the run leaves goes into the box in the same form.
TEST_F(TypesetRun, FigureDialogConvertsTheBoxImageAndTakesItsEps) {
    makeDocument(u"doc", u"main");
    ASSERT_TRUE(dir.makeFolder(u"doc\\chap\\img"));
    u16 image = folder_ + u"\\chap\\img\\fig.jpg";
    ASSERT_TRUE(platform::writeFileAtomic(image, "not really a picture"));
    // What the conversion tool makes; the recorder standing in for it makes nothing.
    ASSERT_TRUE(platform::writeFileAtomic(folder_ + u"\\chap\\img\\fig.eps", "%!PS"));
    load();
    EditorThread& e = open(child_, 0);
    std::wstring before, after;
    {
        lang_test::Watcher user(L"Insert a Figure", [&](HWND d) {
            SetDlgItemTextW(d, VEXA_IDC_FIGURE_FILE, L"img/fig.jpg");
            before = lang_test::windowText(GetDlgItem(d, VEXA_IDC_FIGURE_FILE));
            // Returns when the run has ended.
            SendMessageW(d, WM_COMMAND, MAKEWPARAM(VEXA_IDC_FIGURE_CONVERT, BN_CLICKED), 0);
            after = lang_test::windowText(GetDlgItem(d, VEXA_IDC_FIGURE_FILE));
            PostMessageW(d, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        }, 30000);
        on(e, [&](EditorView&) { SendMessageW(mainWindow(e), WM_COMMAND, FigureCommand, 0); });
        EXPECT_TRUE(user.found());
    }
    EXPECT_EQ(before, L"img/fig.jpg");
    EXPECT_EQ(after, L"img/fig.eps");
    std::vector<Call> got = calls();
    ASSERT_EQ(got.size(), 1u) << dir.read(u"record.txt");
    ASSERT_FALSE(got[0].args.empty());
    EXPECT_EQ(got[0].args[0], u"jpeg2ps1");
    EXPECT_TRUE(str::equalsNoCase(got[0].env[u"Vexa2_ImageFile"], image)) << str::toUtf8(got[0].env[u"Vexa2_ImageFile"]);
}

} // namespace
