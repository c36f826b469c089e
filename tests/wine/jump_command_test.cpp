// The jump-to-target command (41079) in the stand-in host: labels,
// citations and environment ends in the same document move the caret and
// leave a place to jump back to; a label in another file of the document
// leaves the pending jump and starts a new host on that file; an included
// file opens in a new host; nothing at the caret leaves nothing behind.
// The root buttons' right-click opens the root the same way.
#include "base/str.h"
#include "tests/wine/mainwindow_test_support.h"

#include <shellapi.h>

namespace {
using namespace mainwindow_test;

constexpr const wchar_t* RecordVariable = L"VEXA_NEW_HOST_RECORD";

// The plug-in opens files in a new instance of the host's program, which
// in these tests is this program. Started that way it writes down where
// it runs and what it was given, one line, and ends before any test runs.
const bool startedAsNewHost = [] {
    wchar_t record[MAX_PATH * 2] = {};
    DWORD n = GetEnvironmentVariableW(RecordVariable, record, MAX_PATH * 2);
    if (n == 0 || n >= MAX_PATH * 2) return false;
    int argc = 0;
    LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    if (!argv || argc < 2 || std::wstring(argv[1]).rfind(L"--gtest", 0) == 0) return false;
    wchar_t cwd[MAX_PATH * 2] = {};
    GetCurrentDirectoryW(MAX_PATH * 2, cwd);
    std::wstring line = cwd;
    for (int i = 1; i < argc; ++i) line += std::wstring(L"\t") + argv[i];
    line += L"\n";
    HANDLE f = CreateFileW(record, FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS, 0, nullptr);
    if (f != INVALID_HANDLE_VALUE) {
        DWORD written = 0;
        WriteFile(f, line.data(), static_cast<DWORD>(line.size() * sizeof(wchar_t)), &written, nullptr);
        CloseHandle(f);
    }
    ExitProcess(0);
}();

class JumpCommand : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        setting(L"BasicSettings", L"Window", L"2");
        load();
        *shared = initialSharedState();
    }
    void TearDown() override {
        SetEnvironmentVariableW(RecordVariable, nullptr);
        MainWindowTest::TearDown();
    }
    std::wstring file(const wchar_t* name) { return path(dir, name); }
    void write(const wchar_t* name, std::string_view text) {
        ASSERT_TRUE(dir.write(wide::u(name), text));
    }
    // A window on a file of the temporary folder, with the main window open.
    EditorThread& open(const wchar_t* name) {
        EditorWindowOptions o;
        o.path = file(name);
        o.show = SW_SHOWNOACTIVATE;
        editors.push_back(std::make_unique<EditorThread>(o));
        EXPECT_TRUE(editors.back()->started());
        command(*editors.back());
        EXPECT_NE(mainWindow(*editors.back()), nullptr);
        return *editors.back();
    }
    Position caret(EditorThread& e) {
        Position p;
        on(e, [&](EditorView& v) { p = v.document().model.caret(); });
        return p;
    }
    // Puts the caret at p and runs the command as the toolbar would.
    Position jumpFrom(EditorThread& e, Position p) {
        on(e, [&](EditorView& v) { v.document().model.SetCaretPos(PosKind::Logical, p); });
        SendMessageW(mainWindow(e), WM_COMMAND, MAKEWPARAM(41079, BN_CLICKED), 0);
        return caret(e);
    }
    // The line the new host wrote, without its line break; empty when none
    // came within the time.
    std::wstring newHostRecord() {
        std::wstring line;
        host_test::waitFor([&] {
            std::string bytes = dir.read(u"record.txt");
            line.assign(reinterpret_cast<const wchar_t*>(bytes.data()), bytes.size() / sizeof(wchar_t));
            return !line.empty() && line.back() == L'\n';
        }, 10000);
        if (!line.empty() && line.back() == L'\n') line.pop_back();
        return line;
    }
    void recordNewHosts() { SetEnvironmentVariableW(RecordVariable, file(L"record.txt").c_str()); }
    static bool samePath(const std::wstring& a, const std::wstring& b) {
        auto trimmed = [](std::wstring s) {
            while (s.size() > 3 && (s.back() == L'\\' || s.back() == L'/')) s.pop_back();
            return s;
        };
        return str::equalsNoCase(wide::u(trimmed(a).c_str()), wide::u(trimmed(b).c_str()));
    }
};

const char* const Document = "\\documentclass{article}\r\n"  // 0
                             "\\begin{document}\r\n"         // 1
                             "\\section{Start}\\label{sec:x}\r\n"  // 2: label at column 15
                             "\\begin{itemize}\r\n"          // 3
                             "\\item See \\ref{sec:x} and \\cite{knuth}.\r\n"  // 4: \ref at 10, \cite at 25
                             "\\begin{itemize}\r\n"          // 5
                             "% \\end{itemize}\r\n"          // 6: commented out
                             "\\item inner \\ref{nowhere}\r\n"  // 7: \ref at 12
                             "\\end{itemize}\r\n"            // 8
                             "\\end{itemize}\r\n"            // 9
                             "\\begin{thebibliography}{9}\r\n"  // 10
                             "\\bibitem{knuth} D. Knuth\r\n"    // 11
                             "\\end{thebibliography}\r\n"    // 12
                             "\\end{document}\r\n";          // 13

TEST_F(JumpCommand, TargetsInTheDocumentMoveTheCaretAndLeaveAWayBack) {
    write(L"main.tex", Document);
    EditorThread& e = open(L"main.tex");
    HWND toolbar = pluginToolbar(e);
    ASSERT_NE(toolbar, nullptr);

    EXPECT_EQ(jumpFrom(e, {12, 4}), (Position{15, 2})) << "\\ref to its \\label";
    ASSERT_EQ(shared->jumpReturnTop, 0);
    EXPECT_EQ(shared->jumpReturn[0].window, static_cast<uint32_t>(reinterpret_cast<uintptr_t>(e.editor())));
    EXPECT_EQ(shared->jumpReturn[0].x, 12);
    EXPECT_EQ(shared->jumpReturn[0].y, 4);
    ASSERT_GE(SendMessageW(toolbar, TB_COMMANDTOINDEX, 41136, 0), 0) << "jump back is on the default toolbar";
    EXPECT_TRUE(SendMessageW(toolbar, TB_ISBUTTONENABLED, 41136, 0)) << "jump back is possible";

    EXPECT_EQ(jumpFrom(e, {27, 4}), (Position{0, 11})) << "\\cite to its \\bibitem";
    EXPECT_EQ(jumpFrom(e, {0, 3}), (Position{0, 9})) << "outer \\begin past the inner pair and the comment";
    EXPECT_EQ(jumpFrom(e, {4, 9}), (Position{0, 3})) << "and back from its \\end";
    EXPECT_EQ(jumpFrom(e, {3, 5}), (Position{0, 8})) << "inner \\begin";
    EXPECT_EQ(shared->jumpReturnTop, 4) << "every jump left its place";
    EXPECT_EQ(shared->jumpReturn[4].x, 3);
    EXPECT_EQ(shared->jumpReturn[4].y, 5);
    command(e);
}

TEST_F(JumpCommand, NoTargetLeavesNoPlaceBehind) {
    write(L"plain.tex", "plain words\r\nmore \\ref{missing} words\r\n");
    EditorThread& e = open(L"plain.tex");
    EXPECT_EQ(jumpFrom(e, {3, 0}), (Position{3, 0})) << "no command and no \\begin before the caret";
    EXPECT_EQ(jumpFrom(e, {8, 1}), (Position{8, 1})) << "a label no file defines";
    // Each place was pushed and popped again: no record is left.
    for (const JumpRecord& r : shared->jumpReturn) EXPECT_EQ(r.window, 0u);
    EXPECT_EQ(shared->pendingJumpKind, 0);
    EXPECT_EQ(dir.read(u"record.txt"), "") << "nothing was opened";
    HWND toolbar = pluginToolbar(e);
    ASSERT_NE(toolbar, nullptr);
    EXPECT_FALSE(SendMessageW(toolbar, TB_ISBUTTONENABLED, 41136, 0)) << "nowhere to jump back to";
    command(e);
}

const char* const Book = "\\documentclass{book}\r\n"
                         "\\begin{document}\r\n"
                         "See \\ref{sec:other}.\r\n"  // 2: \ref at 4
                         "\\input{other}\r\n"         // 3
                         "\\end{document}\r\n";
const char* const Chapter = "\\section{Other}\r\n"
                            "  \\label{sec:other}\r\n";  // 1: label at column 2

TEST_F(JumpCommand, LabelInAnotherFileIsLeftPendingForTheHostThatOpensIt) {
    write(L"book.tex", Book);
    write(L"other.tex", Chapter);
    EditorThread& e = open(L"book.tex");
    recordNewHosts();
    EXPECT_EQ(jumpFrom(e, {6, 2}), (Position{6, 2})) << "this window stays where it was";
    {
        HANDLE m = OpenMutexW(SYNCHRONIZE, FALSE, L"Vexa2MutexJump");
        if (m) WaitForSingleObject(m, 5000);
        EXPECT_EQ(shared->pendingJumpKind, 1);
        EXPECT_EQ(shared->pendingJumpX, 2);
        EXPECT_EQ(shared->pendingJumpY, 1);
        EXPECT_EQ(shared->pendingJumpRequester, 0);
        if (m) {
            ReleaseMutex(m);
            CloseHandle(m);
        }
    }
    std::wstring record = newHostRecord();
    ASSERT_FALSE(record.empty()) << "no new host started";
    size_t tab = record.find(L'\t');
    ASSERT_NE(tab, std::wstring::npos) << record;
    EXPECT_TRUE(samePath(record.substr(0, tab), std::wstring(wide::w(dir.path())))) << record;
    EXPECT_TRUE(samePath(record.substr(tab + 1), file(L"other.tex"))) << record;
    EXPECT_EQ(shared->jumpReturnTop, 0) << "the place is kept for the jump back";
    command(e);
}

TEST_F(JumpCommand, IncludedFileOpensInANewHostInTheRootFolder) {
    write(L"book.tex", Book);
    EditorThread& e = open(L"book.tex");
    recordNewHosts();
    jumpFrom(e, {2, 3});
    std::wstring record = newHostRecord();
    ASSERT_FALSE(record.empty()) << "no new host started";
    size_t tab = record.find(L'\t');
    ASSERT_NE(tab, std::wstring::npos) << record;
    EXPECT_TRUE(samePath(record.substr(0, tab), std::wstring(wide::w(dir.path())))) << record;
    EXPECT_EQ(record.substr(tab + 1), L"other.tex") << "the extension added, the name as written";
    command(e);
}

// The root buttons' right-click opens the root file, as the child names it,
// in a new host started in the child's folder.
TEST_F(JumpCommand, RootButtonRightClickOpensTheRootInANewHost) {
    write(L"main.tex", "\\documentclass{article}\r\n\\begin{document}\r\n\\input{ch1}\r\n\\end{document}\r\n");
    write(L"ch1.tex", "%Root main.tex\r\n\\section{One}\r\n");
    EditorThread& e = open(L"ch1.tex");
    recordNewHosts();
    on(e, [&](EditorView&) {
        NMMOUSE click{};
        click.hdr.hwndFrom = pluginToolbar(e);
        click.hdr.code = NM_RCLICK;
        click.dwItemSpec = 41115;
        SendMessageW(mainWindow(e), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&click));
    });
    std::wstring record = newHostRecord();
    ASSERT_FALSE(record.empty()) << "no new host started";
    size_t tab = record.find(L'\t');
    ASSERT_NE(tab, std::wstring::npos) << record;
    EXPECT_TRUE(samePath(record.substr(0, tab), std::wstring(wide::w(dir.path())))) << record;
    EXPECT_EQ(record.substr(tab + 1), L"main.tex");
    command(e);
}

} // namespace
