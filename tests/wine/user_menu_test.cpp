// The user menu and the user strings in the stand-in host: the menu built
// from the user's definition opens under its button and runs the chosen
// command; a user string with a caret marker wraps the selection.
#include "mainwindow/command_dispatch.h"
#include "mainwindow/snippet.h"
#include "mainwindow/user_strings.h"
#include "mainwindow/win32/user_commands.h"
#include "tests/support/memory_editor.h"
#include "tests/wine/mainwindow_test_support.h"

#include <commctrl.h>

#include <algorithm>
#include <utility>
#include <vector>

namespace {
using namespace mainwindow_test;

constexpr uint32_t UserMenuCommand = 41414;
constexpr uint32_t UserStringMenuCommand = 41054;

class UserMenu : public MainWindowTest {
protected:
    static HWND openMenu() {
        HWND found = nullptr;
        host_test::waitFor([&] {
            found = FindWindowW(L"#32768", nullptr);
            return found && IsWindowVisible(found);
        }, 10000);
        return found && IsWindowVisible(found) ? found : nullptr;
    }
    static bool menuGone() {
        return host_test::waitFor([] {
            HWND w = FindWindowW(L"#32768", nullptr);
            return !w || !IsWindowVisible(w);
        }, 10000);
    }
    static std::wstring itemText(HMENU menu, int position) {
        wchar_t text[256] = {};
        GetMenuStringW(menu, static_cast<UINT>(position), text, 256, MF_BYPOSITION);
        return text;
    }
    // The record an owner-drawn item draws from; null for a plain item.
    static const user_commands::DrawnItem* drawn(HMENU menu, int position) {
        MENUITEMINFOW info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_FTYPE | MIIM_DATA;
        if (!GetMenuItemInfoW(menu, static_cast<UINT>(position), TRUE, &info) || !(info.fType & MFT_OWNERDRAW))
            return nullptr;
        return reinterpret_cast<const user_commands::DrawnItem*>(info.dwItemData);
    }
    u16 text(EditorThread& e) {
        u16 t;
        on(e, [&](EditorView& v) { t = v.document().model.text(); });
        return t;
    }
    void writeStrings(const std::vector<user_strings::UserString>& strings) {
        ASSERT_TRUE(dir.write(user_strings::FileName, user_strings::serialize(strings)));
    }
};

TEST_F(UserMenu, OpensUnderItsButtonAndRunsTheChosenCommand) {
    setting(L"BasicSettings", L"Window", L"2");
    // Inline maths, a separator, a submenu with displayed maths; the
    // repeated inline maths is dropped.
    setting(L"Menu", L"1", L"*Mine\t.2\t.-1\t.*Sub\t..3\t..2");
    load();
    const u16 start = u"one\r\ntwo\r\n";
    EditorThread& e = editor(start);
    command(e);
    HWND main = mainWindow(e);
    HWND toolbar = pluginToolbar(e);
    ASSERT_NE(toolbar, nullptr);
    ASSERT_GE(SendMessageW(toolbar, TB_COMMANDTOINDEX, UserMenuCommand, 0), 0) << "not on the default toolbar";
    // The button's tool tip is the menu's title.
    NMTTDISPINFOW tip{};
    tip.hdr.hwndFrom = toolbar;
    tip.hdr.idFrom = UserMenuCommand;
    tip.hdr.code = TTN_GETDISPINFOW;
    on(e, [&](EditorView&) { SendMessageW(main, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&tip)); });
    ASSERT_NE(tip.lpszText, nullptr);
    std::wstring tipText = tip.lpszText;
    EXPECT_EQ(tipText.substr(0, tipText.find(L'\n')), L"Mine");

    PostMessageW(main, WM_COMMAND, MAKEWPARAM(UserMenuCommand, BN_CLICKED), reinterpret_cast<LPARAM>(toolbar));
    HWND menu = openMenu();
    ASSERT_NE(menu, nullptr);
    int index = static_cast<int>(SendMessageW(toolbar, TB_COMMANDTOINDEX, UserMenuCommand, 0));
    RECT button{}, shownAt{};
    SendMessageW(toolbar, TB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&button));
    POINT below{button.left, button.bottom + 1};
    ClientToScreen(toolbar, &below);
    GetWindowRect(menu, &shownAt);
    EXPECT_EQ(shownAt.top, below.y);
    EXPECT_GE(shownAt.left, below.x);
    EXPECT_LE(shownAt.left, below.x + 100);

    auto shown = reinterpret_cast<HMENU>(SendMessageW(menu, MN_GETHMENU, 0, 0));
    ASSERT_NE(shown, nullptr);
    ASSERT_EQ(GetMenuItemCount(shown), 5);  // command, separator, Sub, separator, edit
    // Titles and commands are drawn by the plug-in: image and text from
    // their record, the image being the command's button (or the title's).
    struct Expected {
        HMENU menu;
        int position;
        UINT id;
        int image;
        const wchar_t* text;
    };
    HMENU sub = GetSubMenu(shown, 2);
    ASSERT_NE(sub, nullptr);
    ASSERT_EQ(GetMenuItemCount(sub), 1);
    for (const Expected& x : {Expected{shown, 0, 41003u, 2, L"Inline maths ($...$)"},
                              Expected{shown, 2, 1u, 113, L"Sub"},
                              Expected{sub, 0, 41004u, 3, L"Displayed maths (\\[...\\])"}}) {
        const user_commands::DrawnItem* r = drawn(x.menu, x.position);
        ASSERT_NE(r, nullptr) << "not owner-drawn: " << x.text;
        EXPECT_EQ(r->image, x.image) << x.text;
        EXPECT_EQ(r->text, x.text);
        EXPECT_EQ(r->id, x.id) << x.text;
        if (x.menu == shown) {  // the submenu is not open: it has no rectangles yet
            RECT box{};
            ASSERT_TRUE(GetMenuItemRect(main, shown, static_cast<UINT>(x.position), &box));
            EXPECT_GE(box.bottom - box.top, 20) << "not measured by the main window: " << x.text;
        }
    }
    EXPECT_EQ(GetMenuItemID(shown, 0), 41003u);
    EXPECT_EQ(GetMenuState(shown, 1, MF_BYPOSITION) & MF_SEPARATOR, static_cast<UINT>(MF_SEPARATOR));
    EXPECT_EQ(GetMenuItemID(sub, 0), 41004u);
    EXPECT_EQ(GetMenuItemID(shown, 4), 46001u);
    EXPECT_EQ(drawn(shown, 4), nullptr);
    EXPECT_EQ(itemText(shown, 4), L"&Edit This Menu...");

    MemoryEditor expected(start);
    command_dispatch::runCommand(41003, snippet::Target{expected, true});
    ASSERT_NE(expected.text(), start);
    PostMessageW(menu, WM_KEYDOWN, VK_DOWN, 0);
    PostMessageW(menu, WM_KEYDOWN, VK_RETURN, 0);
    ASSERT_TRUE(menuGone());
    EXPECT_TRUE(host_test::waitFor([&] { return text(e) == expected.text(); }, 10000))
        << wide::w(text(e)) << " instead of " << wide::w(expected.text());
    command(e);
}

TEST_F(UserMenu, UserStringWithAMarkerWrapsTheSelection) {
    setting(L"BasicSettings", L"Window", L"2");
    const u16 body = u"\\begin{center}\r\n%#%#Cursor#%#%\r\n\\end{center}";
    writeStrings({{u"Center", body}, {u"Plain", u"plain"}});
    load();
    const u16 start = u"alpha beta\r\n";
    EditorThread& e = editor(start);
    command(e);
    HWND main = mainWindow(e);

    // The pop-up lists the strings with their accelerators, then the editor.
    PostMessageW(main, WM_COMMAND, MAKEWPARAM(UserStringMenuCommand, 0), 0);
    HWND menu = openMenu();
    ASSERT_NE(menu, nullptr);
    auto shown = reinterpret_cast<HMENU>(SendMessageW(menu, MN_GETHMENU, 0, 0));
    ASSERT_NE(shown, nullptr);
    ASSERT_EQ(GetMenuItemCount(shown), 4);
    EXPECT_EQ(GetMenuItemID(shown, 0), 65000u);
    EXPECT_EQ(itemText(shown, 0), L"(&1)\tCenter");
    EXPECT_EQ(itemText(shown, 1), L"(&2)\tPlain");
    EXPECT_EQ(GetMenuItemID(shown, 3), 46002u);
    PostMessageW(menu, WM_KEYDOWN, VK_ESCAPE, 0);
    ASSERT_TRUE(menuGone());

    // The chosen string wraps "beta" as the core wraps it.
    const Position from{6, 0}, to{10, 0};
    MemoryEditor expected(start);
    expected.SetSelection(from, to);
    snippet::insertUserString(snippet::Target{expected, true}, body);
    on(e, [&](EditorView& v) { v.document().model.SetSelection(from, to); });
    SendMessageW(main, WM_COMMAND, MAKEWPARAM(65000, 0), 0);
    EXPECT_EQ(wide::w(text(e)), std::wstring(wide::w(expected.text())));
    EXPECT_NE(text(e).find(u"\\begin{center}\r\nbeta\r\n\\end{center}"), u16::npos) << wide::w(text(e));
    Position caret;
    on(e, [&](EditorView& v) { caret = v.document().model.caret(); });
    EXPECT_EQ(caret.x, expected.caret().x);
    EXPECT_EQ(caret.y, expected.caret().y);

    // A slot without a string changes nothing.
    u16 before = text(e);
    SendMessageW(main, WM_COMMAND, MAKEWPARAM(65002, 0), 0);
    EXPECT_EQ(text(e), before);
    command(e);
}

// The editor shows the stored menu as a tree, offers what is not in it,
// lets only titles be renamed, and OK stores the tree as a definition.
TEST_F(UserMenu, EditorRenamesATitleAndStoresTheTree) {
    setting(L"BasicSettings", L"Window", L"2");
    setting(L"Menu", L"1", L"*Mine\t.2\t.*Sub\t..3\t..2\t.200");
    load();
    EditorThread& e = editor();
    command(e);
    HWND main = mainWindow(e);
    PostMessageW(main, WM_COMMAND, MAKEWPARAM(46001, 0), 0);
    HWND dialog = nullptr;
    ASSERT_TRUE(host_test::waitFor([&] {
        dialog = FindWindowW(nullptr, L"Edit the User Menu");
        return dialog && IsWindowVisible(dialog);
    }, 10000));
    HWND tree = GetDlgItem(dialog, 1206), list = GetDlgItem(dialog, 1205);
    auto label = [&](HTREEITEM node) {
        wchar_t text[128] = {};
        TVITEMW tv{};
        tv.mask = TVIF_TEXT;
        tv.hItem = node;
        tv.pszText = text;
        tv.cchTextMax = 128;
        SendMessageW(tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&tv));
        return std::wstring(text);
    };
    HTREEITEM root = TreeView_GetRoot(tree);
    EXPECT_EQ(label(root), L"Mine");
    HTREEITEM inline_ = TreeView_GetChild(tree, root);
    ASSERT_NE(inline_, nullptr);
    EXPECT_EQ(label(inline_), L"Inline maths ($...$)");
    HTREEITEM sub = TreeView_GetNextSibling(tree, inline_);
    ASSERT_NE(sub, nullptr);
    EXPECT_EQ(label(sub), L"Sub");
    EXPECT_EQ(TreeView_GetNextSibling(tree, sub), nullptr);
    EXPECT_EQ(label(TreeView_GetChild(tree, sub)), L"Displayed maths (\\[...\\])");

    // The list: a new title, a separator, then commands not in the menu.
    int count = ListView_GetItemCount(list);
    EXPECT_GT(count, 100);
    std::vector<std::wstring> offered;
    for (int i = 0; i < count; ++i) {
        wchar_t text[128] = {};
        ListView_GetItemText(list, i, 0, text, 128);
        offered.push_back(text);
    }
    EXPECT_EQ(offered[0], L"New submenu");
    EXPECT_EQ(offered[1], L"Separator");
    // Each entry shows the image the user menu draws for it.
    auto listImage = [&](int i) {
        LVITEMW lv{};
        lv.mask = LVIF_IMAGE | LVIF_PARAM;
        lv.iItem = i;
        ListView_GetItem(list, &lv);
        return lv.iImage;
    };
    auto treeImage = [&](HTREEITEM node) {
        TVITEMW tv{};
        tv.mask = TVIF_IMAGE;
        tv.hItem = node;
        SendMessageW(tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&tv));
        return tv.iImage;
    };
    EXPECT_EQ(listImage(0), 113);
    EXPECT_EQ(listImage(1), 114);
    EXPECT_EQ(listImage(2), 0);  // the first command still offered: button 0
    EXPECT_EQ(treeImage(root), 113);
    EXPECT_EQ(treeImage(inline_), 2);
    EXPECT_EQ(treeImage(sub), 113);
    ASSERT_NE(TreeView_GetImageList(tree, TVSIL_NORMAL), nullptr);
    EXPECT_EQ(ImageList_GetImageCount(TreeView_GetImageList(tree, TVSIL_NORMAL)), 115);
    EXPECT_EQ(std::count(offered.begin(), offered.end(), L"Inline maths ($...$)"), 0);
    EXPECT_EQ(std::count(offered.begin(), offered.end(), L"User menu"), 0);

    // Commands keep their names; a title takes a new one.
    EXPECT_EQ(SendMessageW(tree, TVM_EDITLABELW, 0, reinterpret_cast<LPARAM>(inline_)), 0);
    HWND edit = reinterpret_cast<HWND>(SendMessageW(tree, TVM_EDITLABELW, 0, reinterpret_cast<LPARAM>(sub)));
    ASSERT_NE(edit, nullptr);
    SendMessageW(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"Renamed"));
    // OK while renaming ends the renaming, not the dialog.
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    EXPECT_EQ(label(sub), L"Renamed");
    EXPECT_TRUE(IsWindow(dialog));
    EXPECT_EQ(readSetting(L"Menu", L"1"), L"*Mine\t.2\t.*Sub\t..3\t..2\t.200");
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    ASSERT_TRUE(host_test::waitFor([&] { return !IsWindow(dialog); }, 10000));
    EXPECT_EQ(readSetting(L"Menu", L"1"), L"*Mine\t.2\t.*Renamed\t..3");
    command(e);
}

// The string editor edits, reorders and writes the strings; a file it
// cannot read is left exactly as it was.
TEST_F(UserMenu, StringEditorWritesTheTreeOrderAndLeavesADamagedFileAlone) {
    setting(L"BasicSettings", L"Window", L"2");
    writeStrings({{u"First", u"one"}, {u"Second", u"two"}});
    load();
    EditorThread& e = editor();
    command(e);
    HWND main = mainWindow(e);
    auto openDialog = [&](const wchar_t* caption) {
        HWND found = nullptr;
        host_test::waitFor([&] {
            found = FindWindowW(nullptr, caption);
            return found && IsWindowVisible(found);
        }, 10000);
        return found && IsWindowVisible(found) ? found : nullptr;
    };
    PostMessageW(main, WM_COMMAND, MAKEWPARAM(46002, 0), 0);
    HWND dialog = openDialog(L"Edit the User Strings");
    ASSERT_NE(dialog, nullptr);
    HWND tree = GetDlgItem(dialog, 1206), text = GetDlgItem(dialog, 1201);
    EXPECT_FALSE(IsWindowEnabled(text)) << "the root is selected";
    HTREEITEM second = TreeView_GetNextSibling(tree, TreeView_GetChild(tree, TreeView_GetRoot(tree)));
    ASSERT_NE(second, nullptr);
    ASSERT_NE(TreeView_GetImageList(tree, TVSIL_NORMAL), nullptr);
    EXPECT_EQ(ImageList_GetImageCount(TreeView_GetImageList(tree, TVSIL_NORMAL)), 3);
    auto images = [&](HTREEITEM node) {
        TVITEMW tv{};
        tv.mask = TVIF_IMAGE | TVIF_SELECTEDIMAGE;
        tv.hItem = node;
        SendMessageW(tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&tv));
        return std::pair{tv.iImage, tv.iSelectedImage};
    };
    EXPECT_EQ(images(TreeView_GetRoot(tree)), std::pair(0, 0));   // the whole list
    EXPECT_EQ(images(second), std::pair(1, 2));                   // a string; selected
    SendMessageW(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(second));
    wchar_t shown[64] = {};
    GetWindowTextW(text, shown, 64);
    EXPECT_STREQ(shown, L"two");
    SetWindowTextW(text, L"<>");
    SendMessageW(text, EM_SETSEL, 1, 1);
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(1207, BN_CLICKED), 0);   // the caret marker
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(1210, BN_CLICKED), 0);   // up
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    ASSERT_TRUE(host_test::waitFor([&] { return !IsWindow(dialog); }, 10000));
    user_strings::ReadResult r = user_strings::read(dir.path());
    ASSERT_EQ(r.status, user_strings::Status::Ok);
    std::vector<user_strings::UserString> want{{u"Second", u"<%#%#Cursor#%#%>"}, {u"First", u"one"}};
    EXPECT_EQ(r.strings, want);

    // Damaged: a warning, no editor, the bytes untouched.
    const std::string damaged = "not a user strings file";
    ASSERT_TRUE(dir.write(user_strings::FileName, damaged));
    PostMessageW(main, WM_COMMAND, MAKEWPARAM(46002, 0), 0);
    HWND box = openDialog(L"Warning (Vexa 2)");
    ASSERT_NE(box, nullptr);
    PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    ASSERT_TRUE(host_test::waitFor([&] { return !IsWindow(box); }, 10000));
    EXPECT_TRUE(host_test::waitFor([] { return !FindWindowW(nullptr, L"Edit the User Strings"); }, 10000))
        << "the editor opened over a file it could not read";
    EXPECT_EQ(dir.read(user_strings::FileName), damaged);
    command(e);
}

} // namespace
