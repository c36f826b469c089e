// A chapter saved as UTF-8 shows in the outline under any ANSI code page:
// read with code page 932, its Japanese title would swallow the "}" and
// take the label with it. Registered as a code-page test, so it also runs
// in the Japanese prefix.
#include "tests/wine/host_test_support.h"
#include "tests/wine/mainwindow_test_support.h"

#include <algorithm>
#include <string>

namespace {
using namespace mainwindow_test;

constexpr UINT OutlineCommand = 41042;
constexpr int TreeControl = 1206;

class OutlineCodePage : public MainWindowTest {
protected:
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
    // Every node's text, depth first.
    static void collect(HWND tree, HTREEITEM parent, std::vector<std::wstring>& out) {
        for (HTREEITEM n = parent ? TreeView_GetChild(tree, parent) : TreeView_GetRoot(tree); n;
             n = TreeView_GetNextSibling(tree, n)) {
            out.push_back(text(tree, n));
            collect(tree, n, out);
        }
    }
};

TEST_F(OutlineCodePage, AUtf8ChapterShowsItsJapaneseTitleAndLabel) {
    ASSERT_TRUE(dir.write(u"main.tex", "\\documentclass{article}\r\n\\begin{document}\r\n\\input{chap1}\r\n"
                                       "\\end{document}\r\n"));
    // "\section{日本語}\label{sec:ja}" in UTF-8, no byte-order mark.
    ASSERT_TRUE(dir.write(u"chap1.tex", "\\section{\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E}\\label{sec:ja}\r\n"));
    load();
    EditorWindowOptions o;
    o.path = path(dir, L"main.tex");
    o.show = SW_SHOWNOACTIVATE;
    editors.push_back(std::make_unique<EditorThread>(o));
    EditorThread& e = *editors.back();
    ASSERT_TRUE(e.started());
    command(e);
    HWND main = mainWindow(e);
    ASSERT_NE(main, nullptr);
    SendMessageW(main, WM_COMMAND, MAKEWPARAM(OutlineCommand, BN_CLICKED), reinterpret_cast<LPARAM>(pluginToolbar(e)));
    HWND window = outline(e);
    ASSERT_NE(window, nullptr);

    std::vector<std::wstring> nodes;
    collect(GetDlgItem(window, TreeControl), nullptr, nodes);
    auto has = [&](const std::wstring& t) { return std::find(nodes.begin(), nodes.end(), t) != nodes.end(); };
    EXPECT_TRUE(has(L"\u65E5\u672C\u8A9E")) << "code page " << GetACP();
    EXPECT_TRUE(has(L"sec:ja")) << "code page " << GetACP();
    EXPECT_TRUE(has(L"chap1.tex"));
    SendMessageW(main, WM_COMMAND, MAKEWPARAM(OutlineCommand, BN_CLICKED), reinterpret_cast<LPARAM>(pluginToolbar(e)));
}

} // namespace
