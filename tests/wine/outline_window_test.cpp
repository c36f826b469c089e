// The outline window in the stand-in host: the main window's outline
// button opens it on a document of three files and a database, the tree
// shows the document's structure, and its jump goes to a line of the open
// document directly or, for another file, leaves a pending jump and asks
// the host to open that file.
//
// Opening a file that is not open starts a new instance of the host
// program, which in this test is this very program: started with a file
// name instead of test options, it only records how it was started.
#include "frame/message_ids.h"
#include "mainwindow/command_ids.h"
#include "tests/wine/host_test_support.h"
#include "tests/wine/mainwindow_test_support.h"

#include <shellapi.h>

#include <fstream>

namespace {
using namespace mainwindow_test;

constexpr UINT OutlineCommand = 41042;
constexpr UINT JumpCommand = 41079;
constexpr int TreeControl = 1206;
constexpr wchar_t kOpenedRecord[] = L"opened-by-host.txt";

// The root document: a chapter and a section of its own, two included
// files, a database and a bibliography item.
constexpr char16_t kMain[] = u"\\documentclass{book}\r\n"              // 0
                             u"\\begin{document}\r\n"                  // 1
                             u"\\chapter{Start}\\label{chap:start}\r\n" // 2
                             u"\\input{chap1}\r\n"                     // 3
                             u"\\include{chap2}\r\n"                   // 4
                             u"Some text.\r\n"                         // 5
                             u"  \\section{Closing}\r\n"               // 6
                             u"\\bibliography{refs}\r\n"
                             u"\\begin{thebibliography}{9}\\bibitem{knuth} Knuth.\\end{thebibliography}\r\n"
                             u"\\end{document}\r\n";
constexpr char kChap1[] = "\\section{Intro}\r\n\\begin{equation}\\label{eq:one}\\end{equation}\r\n";
constexpr char kChap2[] = "\r\n\r\n   \\section{Results}\r\n";
constexpr char kRefs[] = "@book{lamport, title = {LaTeX}}\r\n";

class OutlineWindow : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        ASSERT_TRUE(dir.write(u"chap1.tex", kChap1));
        ASSERT_TRUE(dir.write(u"chap2.tex", kChap2));
        ASSERT_TRUE(dir.write(u"refs.bib", kRefs));
        std::u16string main(kMain);
        std::string bytes(main.begin(), main.end());   // ASCII only
        ASSERT_TRUE(dir.write(u"main.tex", bytes));
        DeleteFileW(path(dir, kOpenedRecord).c_str());
    }
    // The stand-in host showing a document (main.tex unless named), with
    // the plug-in's window open.
    EditorThread& openDocument(const wchar_t* name = L"main.tex") {
        EditorWindowOptions o;
        o.path = path(dir, name);
        o.show = SW_SHOWNOACTIVATE;
        editors.push_back(std::make_unique<EditorThread>(o));
        EXPECT_TRUE(editors.back()->started());
        command(*editors.back());
        return *editors.back();
    }
    void click(EditorThread& e, UINT id) {
        HWND main = mainWindow(e);
        ASSERT_NE(main, nullptr);
        SendMessageW(main, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(pluginToolbar(e)));
    }
    bool outlineButtonChecked(EditorThread& e) {
        return SendMessageW(pluginToolbar(e), TB_ISBUTTONCHECKED, OutlineCommand, 0) != 0;
    }
    // The outline window: the editor thread's dialog that holds the tree.
    static HWND outline(EditorThread& e) {
        struct Find {
            HWND found = nullptr;
            static BOOL CALLBACK visit(HWND w, LPARAM self) {
                if (!GetDlgItem(w, TreeControl) || !IsWindowVisible(w)) return TRUE;
                reinterpret_cast<Find*>(self)->found = w;
                return FALSE;
            }
        } find;
        EnumThreadWindows(e.threadId(), &Find::visit, reinterpret_cast<LPARAM>(&find));
        return find.found;
    }
    static std::wstring text(HWND tree, HTREEITEM node) {
        wchar_t buf[600] = {};
        TVITEMW it{};
        it.mask = TVIF_TEXT | TVIF_HANDLE;
        it.hItem = node;
        it.pszText = buf;
        it.cchTextMax = 600;
        SendMessageW(tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&it));
        return buf;
    }
    static std::vector<HTREEITEM> children(HWND tree, HTREEITEM parent) {
        std::vector<HTREEITEM> out;
        HTREEITEM n = parent ? TreeView_GetChild(tree, parent) : TreeView_GetRoot(tree);
        for (; n; n = TreeView_GetNextSibling(tree, n)) out.push_back(n);
        return out;
    }
    static std::vector<std::wstring> texts(HWND tree, HTREEITEM parent) {
        std::vector<std::wstring> out;
        for (HTREEITEM n : children(tree, parent)) out.push_back(text(tree, n));
        return out;
    }
    // The first node, depth first, whose text is name.
    static HTREEITEM find(HWND tree, HTREEITEM parent, const std::wstring& name) {
        for (HTREEITEM n : children(tree, parent)) {
            if (text(tree, n) == name) return n;
            if (HTREEITEM inner = find(tree, n, name)) return inner;
        }
        return nullptr;
    }
    void jumpTo(HWND window, const std::wstring& name) {
        HWND tree = GetDlgItem(window, TreeControl);
        HTREEITEM node = find(tree, nullptr, name);
        ASSERT_NE(node, nullptr) << std::string(name.begin(), name.end());
        SendMessageW(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(node));
        SendMessageW(window, WM_COMMAND, MAKEWPARAM(JumpCommand, BN_CLICKED), 0);
    }
    Position caret(EditorThread& e) {
        Position p{};
        on(e, [&](EditorView& v) { p = v.document().model.GetCaretPos(PosKind::Logical); });
        return p;
    }
    void clearPending() {
        shared->pendingJumpKind = 0;
        shared->pendingJumpX = shared->pendingJumpY = -1;
        shared->pendingJumpRequester = 0;
    }
};

TEST_F(OutlineWindow, OutlineButtonOpensTheTreeOfTheWholeDocumentAndClosesIt) {
    load();
    EditorThread& e = openDocument();
    ASSERT_NE(mainWindow(e), nullptr);
    ASSERT_GE(SendMessageW(pluginToolbar(e), TB_COMMANDTOINDEX, OutlineCommand, 0), 0);
    EXPECT_FALSE(outlineButtonChecked(e));

    click(e, OutlineCommand);
    HWND window = outline(e);
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(outlineButtonChecked(e));
    HWND tree = GetDlgItem(window, TreeControl);
    EXPECT_EQ(texts(tree, nullptr),
              (std::vector<std::wstring>{englishMessage(msgid::OutlineDocumentNode),
                                         englishMessage(msgid::OutlineLabelsNode),
                                         englishMessage(msgid::OutlineBibliographyNode),
                                         englishMessage(msgid::OutlineFilesNode)}));
    std::vector<HTREEITEM> top = children(tree, nullptr);
    ASSERT_EQ(top.size(), 4u);
    // The book's chapter under a placeholder part; the included files'
    // sections follow it in reading order.
    HTREEITEM start = find(tree, top[0], L"Start");
    ASSERT_NE(start, nullptr);
    EXPECT_EQ(text(tree, TreeView_GetParent(tree, start)), englishMessage(msgid::OutlinePlaceholder));
    EXPECT_EQ(texts(tree, start), (std::vector<std::wstring>{L"Intro", L"Results", L"Closing"}));
    EXPECT_EQ(texts(tree, top[1]), (std::vector<std::wstring>{L"chap:start", L"eq:one"}));
    EXPECT_EQ(texts(tree, top[2]), (std::vector<std::wstring>{L"knuth"}));
    std::vector<HTREEITEM> files = children(tree, top[3]);
    ASSERT_EQ(files.size(), 1u);
    EXPECT_EQ(text(tree, files[0]), L"main.tex");
    EXPECT_EQ(texts(tree, files[0]), (std::vector<std::wstring>{L"chap1.tex", L"chap2.tex"}));
    // The default depth (4) leaves the chapter open.
    EXPECT_TRUE(TreeView_GetItemState(tree, start, TVIS_EXPANDED) & TVIS_EXPANDED);

    click(e, OutlineCommand);
    EXPECT_EQ(outline(e), nullptr);
    EXPECT_FALSE(IsWindow(window));
    EXPECT_FALSE(outlineButtonChecked(e));
    // The depth and the comment height were saved on closing.
    EXPECT_EQ(readSetting(L"Search", L"TreeDepth"), L"3");
    EXPECT_EQ(readSetting(L"Search", L"CommentHeight"), L"50");

    // It opens again, and the host closing its document closes it.
    click(e, OutlineCommand);
    ASSERT_NE(outline(e), nullptr);
    int32_t handle = 0;
    on(e, [&](EditorView& v) { handle = v.document().handle; });
    on(e, [&](EditorView&) { loader.onEvents(e.editor(), 0x100000, handle + 1); });
    EXPECT_NE(outline(e), nullptr);   // another document's closing leaves it
    on(e, [&](EditorView&) { loader.onEvents(e.editor(), 0x100000, handle); });
    EXPECT_EQ(outline(e), nullptr);
    EXPECT_FALSE(outlineButtonChecked(e));
}

TEST_F(OutlineWindow, StoredModeAndDepthShapeTheTree) {
    setting(L"Search", L"TreeMode", L"2");
    setting(L"Search", L"TreeDepth", L"9");   // out of range: the first depth
    load();
    EditorThread& e = openDocument();
    click(e, OutlineCommand);
    HWND window = outline(e);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(SendMessageW(GetDlgItem(window, 1212), CB_GETCURSEL, 0, 0), 0);
    HWND tree = GetDlgItem(window, TreeControl);
    EXPECT_EQ(texts(tree, nullptr),
              (std::vector<std::wstring>{englishMessage(msgid::OutlineDocumentNode),
                                         englishMessage(msgid::OutlineBibliographyNode),
                                         englishMessage(msgid::OutlineFilesNode)}));
    // Labels sit under the heading before them; depth 1 opens only the
    // top level.
    HTREEITEM start = find(tree, nullptr, L"Start");
    ASSERT_NE(start, nullptr);
    EXPECT_EQ(texts(tree, find(tree, start, L"Intro")), (std::vector<std::wstring>{L"eq:one"}));
    EXPECT_EQ(texts(tree, start).front(), L"chap:start");
    EXPECT_FALSE(TreeView_GetItemState(tree, start, TVIS_EXPANDED) & TVIS_EXPANDED);
    EXPECT_TRUE(TreeView_GetItemState(tree, TreeView_GetRoot(tree), TVIS_EXPANDED) & TVIS_EXPANDED);
}

TEST_F(OutlineWindow, DraggingTheSplitterUpEnlargesTheCommentBoxForNextTime) {
    load();
    EditorThread& e = openDocument();
    click(e, OutlineCommand);
    HWND window = outline(e);
    ASSERT_NE(window, nullptr);
    HWND comment = GetDlgItem(window, 1201);
    RECT before{};
    GetWindowRect(comment, &before);
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&before), 2);
    EXPECT_EQ(before.bottom - before.top, 50);
    int y = before.top - 2;   // in the gap above the comment box
    // The drag captures and clips the real cursor, and the system then
    // reports it where it is: keep it where the drag's messages say, so
    // that wherever an earlier test left it, no other move comes between.
    auto cursorAt = [&](int cy) {
        POINT p{20, cy};
        ClientToScreen(window, &p);
        SetCursorPos(p.x, p.y);
    };
    cursorAt(y);
    SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, y));
    cursorAt(y - 30);
    SendMessageW(window, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(20, y - 30));
    SendMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(20, y - 30));
    RECT after{};
    GetWindowRect(comment, &after);
    EXPECT_EQ(after.bottom - after.top, 80);
    click(e, OutlineCommand);
    EXPECT_EQ(readSetting(L"Search", L"CommentHeight"), L"80");
}

TEST_F(OutlineWindow, EntryOfTheOpenDocumentMovesTheCaretThere) {
    load();
    EditorThread& e = openDocument();
    click(e, OutlineCommand);
    HWND window = outline(e);
    ASSERT_NE(window, nullptr);
    clearPending();

    jumpTo(window, L"Closing");
    EXPECT_EQ(caret(e), (Position{2, 6}));
    jumpTo(window, L"chap:start");
    EXPECT_EQ(caret(e), (Position{15, 2}));
    EXPECT_EQ(shared->pendingJumpKind, 0);
    // Group nodes have no place to go.
    jumpTo(window, englishMessage(msgid::OutlineLabelsNode));
    EXPECT_EQ(caret(e), (Position{15, 2}));
}

TEST_F(OutlineWindow, EntryOfAnotherFileLeavesAPendingJumpAndOpensTheFile) {
    load();
    EditorThread& e = openDocument();
    click(e, OutlineCommand);
    HWND window = outline(e);
    ASSERT_NE(window, nullptr);
    clearPending();
    Position before = caret(e);

    jumpTo(window, L"Results");
    EXPECT_EQ(shared->pendingJumpKind, 1);
    EXPECT_EQ(shared->pendingJumpX, 3);
    EXPECT_EQ(shared->pendingJumpY, 2);
    // Asked by the owner, so the owner's own windows leave it alone.
    EXPECT_EQ(shared->pendingJumpRequester, static_cast<uint32_t>(reinterpret_cast<uintptr_t>(mainWindow(e))));
    EXPECT_EQ(caret(e), before);

    // A new host instance was started on the file, in the document's folder.
    std::wstring record = path(dir, kOpenedRecord);
    ASSERT_TRUE(host_test::waitFor([&] { return GetFileAttributesW(record.c_str()) != INVALID_FILE_ATTRIBUTES; },
                                   10000))
        << "no host instance was started";
    Sleep(200);
    std::wifstream in(std::string(record.begin(), record.end()));
    std::wstring commandLine, folder;
    std::getline(in, commandLine);
    std::getline(in, folder);
    std::wstring chap2 = path(dir, L"chap2.tex");
    ASSERT_GE(commandLine.size(), chap2.size());
    EXPECT_EQ(commandLine.substr(commandLine.size() - chap2.size()), chap2);
    EXPECT_EQ(commandLine.front(), L'"');
    EXPECT_EQ(folder, std::wstring(wide::w(dir.path())));
    clearPending();
}

// A document that includes itself is outlined as far as the depth limit
// goes, and the window says that the outline is not the whole document
// until a refresh finds one it can read in full.
TEST_F(OutlineWindow, AnOutlineCutShortSaysSo) {
    ASSERT_TRUE(dir.write(u"self.tex", "\\section{Loop}\r\n\\input{self}\r\n"));
    load();
    EditorThread& e = openDocument(L"self.tex");
    click(e, OutlineCommand);
    HWND window = outline(e);
    ASSERT_NE(window, nullptr);
    auto caption = [&] {
        wchar_t buf[200] = {};
        GetWindowTextW(window, buf, 200);
        return std::wstring(buf);
    };
    auto comment = [&] {
        wchar_t buf[600] = {};
        GetWindowTextW(GetDlgItem(window, 1201), buf, 600);
        return std::wstring(buf);
    };
    HWND tree = GetDlgItem(window, TreeControl);
    // Eleven copies: the document and ten nested inclusions of it.
    HTREEITEM file = find(tree, nullptr, L"self.tex");
    int nested = 0;
    for (; file; file = find(tree, file, L"self.tex")) ++nested;
    EXPECT_EQ(nested, 11);
    EXPECT_EQ(caption(), englishMessage(msgid::OutlineIncompleteCaption));
    EXPECT_EQ(comment(), englishMessage(msgid::OutlineIncompleteNotice));   // the document node is selected
    // An entry shows its own context; a group node the notice again.
    SendMessageW(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(find(tree, nullptr, L"Loop")));
    EXPECT_EQ(comment().rfind(L"\\section{Loop}", 0), 0u);
    SendMessageW(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(TreeView_GetRoot(tree)));
    EXPECT_EQ(comment(), englishMessage(msgid::OutlineIncompleteNotice));

    // Without the inclusion the refreshed outline is whole again.
    on(e, [&](EditorView& v) { v.document().model.setText(u"\\section{Loop}\r\n"); });
    SendMessageW(window, WM_COMMAND, MAKEWPARAM(41080, BN_CLICKED), 0);
    EXPECT_EQ(caption(), L"Outline");
    EXPECT_EQ(comment(), L"");
    EXPECT_EQ(children(tree, find(tree, nullptr, L"self.tex")).size(), 0u);
}

// Keys pressed while the focus is in the window reach it through the
// thread's keyboard hook: F8 collapses the tree, Enter on an entry jumps.
TEST_F(OutlineWindow, KeysInTheWindowRunItsCommands) {
    load();
    EditorThread& e = openDocument();
    click(e, OutlineCommand);
    HWND window = outline(e);
    ASSERT_NE(window, nullptr);
    HWND tree = GetDlgItem(window, TreeControl);
    HTREEITEM top = TreeView_GetRoot(tree);
    ASSERT_NE(top, nullptr);
    HTREEITEM closing = find(tree, nullptr, L"Closing");
    ASSERT_NE(closing, nullptr);
    SendMessageW(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(closing));
    ASSERT_NE(TreeView_GetItemState(tree, top, TVIS_EXPANDED) & TVIS_EXPANDED, 0u);
    on(e, [&](EditorView&) {
        SetForegroundWindow(window);
        SetFocus(tree);
    });
    ASSERT_TRUE(host_test::waitFor([&] { return GetForegroundWindow() == window; }, 3000));
    auto press = [](WORD key) {
        INPUT in[2] = {};
        for (INPUT& i : in) {
            i.type = INPUT_KEYBOARD;
            i.ki.wVk = key;
        }
        in[1].ki.dwFlags = KEYEVENTF_KEYUP;
        return SendInput(2, in, sizeof(INPUT)) == 2;
    };

    ASSERT_TRUE(press(VK_RETURN));
    EXPECT_TRUE(host_test::waitFor([&] { return caret(e) == Position{2, 6}; }, 3000));
    on(e, [&](EditorView&) {
        SetForegroundWindow(window);
        SetFocus(tree);
    });
    ASSERT_TRUE(host_test::waitFor([&] { return GetForegroundWindow() == window; }, 3000));
    ASSERT_TRUE(press(VK_F8));
    EXPECT_TRUE(host_test::waitFor(
        [&] { return (TreeView_GetItemState(tree, TreeView_GetRoot(tree), TVIS_EXPANDED) & TVIS_EXPANDED) == 0; },
        3000));
}

} // namespace

// Started as the host program with a file to open: record the command line
// and the working folder beside the file, and do nothing else.
int main(int argc, char** argv) {
    int count = 0;
    wchar_t** args = CommandLineToArgvW(GetCommandLineW(), &count);
    if (args && count == 2 && args[1][0] != L'-') {
        std::wstring file = args[1];
        std::wstring record = file.substr(0, file.find_last_of(L'\\') + 1) + kOpenedRecord;
        wchar_t folder[MAX_PATH] = {};
        GetCurrentDirectoryW(MAX_PATH, folder);
        std::wstring line = std::wstring(GetCommandLineW()) + L"\n" + folder + L"\n";
        std::string bytes(line.begin(), line.end());   // test paths are ASCII
        HANDLE h = CreateFileW(record.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        DWORD written = 0;
        if (h != INVALID_HANDLE_VALUE) {
            WriteFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
            CloseHandle(h);
        }
        return 0;
    }
    if (args) LocalFree(args);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
