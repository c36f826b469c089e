// The popup menus of the command buttons: menu 204 of the English library
// holds what the command table routes to it, a menu opens under its button
// with the button pressed, and its choice runs like any other command.
#include "lang/resource_ids.h"
#include "mainwindow/command_dispatch.h"
#include "mainwindow/snippet_table.h"
#include "tests/support/memory_editor.h"
#include "tests/wine/mainwindow_test_support.h"

#include <map>
#include <set>

namespace {
using namespace mainwindow_test;

constexpr int SubMenuCount = 20;
constexpr int DelimiterSizes = 10;
constexpr int Fonts = 16;

// The English library's menu 204, read as resources only.
class EnglishMenu {
public:
    EnglishMenu() {
        module_ = LoadLibraryExW((distFolder() + L"Vexa2Lang\\Vexa2EN.dll").c_str(), nullptr,
                                 LOAD_LIBRARY_AS_DATAFILE);
        if (module_) menu_ = LoadMenuW(module_, MAKEINTRESOURCEW(VEXA_LANG_POPUP_MENU));
    }
    ~EnglishMenu() {
        if (menu_) DestroyMenu(menu_);
        if (module_) FreeLibrary(module_);
    }
    HMENU menu() const { return menu_; }

private:
    HMODULE module_ = nullptr;
    HMENU menu_ = nullptr;
};

// Every command identifier in menu and its sub-menus, with its text.
void collect(HMENU menu, std::map<uint32_t, std::wstring>& out) {
    for (int i = 0, n = GetMenuItemCount(menu); i < n; ++i) {
        if (HMENU sub = GetSubMenu(menu, i)) {
            collect(sub, out);
            continue;
        }
        wchar_t text[256] = {};
        MENUITEMINFOW info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_ID | MIIM_FTYPE | MIIM_STRING;
        info.dwTypeData = text;
        info.cch = 256;
        GetMenuItemInfoW(menu, i, TRUE, &info);
        if (info.fType & MFT_SEPARATOR) continue;
        out[info.wID] = text;
    }
}

std::map<uint32_t, std::wstring> commandsOf(HMENU menu) {
    std::map<uint32_t, std::wstring> out;
    if (menu) collect(menu, out);
    return out;
}

bool known(uint32_t id) {
    return command_table::findSnippet(id) || command_table::findList(id) || command_table::findOther(id);
}

// The first item of a menu, when it is a command.
uint32_t firstCommand(HMENU menu) {
    UINT id = GetMenuItemID(menu, 0);
    return id == static_cast<UINT>(-1) ? 0 : id;
}

TEST(PopupMenuResource, HoldsWhatTheCommandTableRoutesToIt) {
    EnglishMenu english;
    ASSERT_NE(english.menu(), nullptr) << "build the dist target first";
    HMENU top = english.menu();
    ASSERT_EQ(GetMenuItemCount(top), SubMenuCount);
    for (int i = 0; i < SubMenuCount; ++i) EXPECT_NE(GetSubMenu(top, i), nullptr) << "position " << i;

    std::map<uint32_t, std::wstring> all = commandsOf(top);
    // Every popup-range command that does something can be chosen.
    int routed = 0;
    for (uint32_t id = 41145; id <= 41413; ++id) {
        if (!known(id)) continue;
        ++routed;
        EXPECT_TRUE(all.count(id)) << id << " is in no menu";
    }
    EXPECT_GT(routed, 250);
    // Every item is a command the dispatcher knows, with a text; none of
    // them opens another popup (a menu would replace itself).
    for (int i = 0; i < SubMenuCount; ++i) {
        if (i == DelimiterSizes) continue;
        for (const auto& [id, text] : commandsOf(GetSubMenu(top, i))) {
            SCOPED_TRACE(id);
            EXPECT_TRUE(known(id));
            EXPECT_FALSE(text.empty());
            auto other = command_table::findOther(id);
            EXPECT_FALSE(other && other->action == command_table::Action::PopupMenu);
        }
    }
    // The palette's size menu is exactly its nineteen modifiers.
    std::set<uint32_t> sizes;
    for (const auto& entry : commandsOf(GetSubMenu(top, DelimiterSizes))) sizes.insert(entry.first);
    std::set<uint32_t> wantSizes;
    for (uint32_t id = 41056; id <= 41074; ++id) wantSizes.insert(id);
    EXPECT_EQ(sizes, wantSizes);
    // Each command that names a sub-menu finds one there, and the fonts
    // menu's own five sub-menus exist.
    for (uint32_t id = 41001; id <= 41137; ++id) {
        auto other = command_table::findOther(id);
        if (!other || other->action != command_table::Action::PopupMenu) continue;
        HMENU sub = GetSubMenu(top, other->argument);
        if (other->sub >= 0 && sub) sub = GetSubMenu(sub, other->sub);
        EXPECT_NE(sub, nullptr) << id;
        EXPECT_FALSE(commandsOf(sub).empty()) << id;
    }
    EXPECT_TRUE(commandsOf(GetSubMenu(GetSubMenu(top, Fonts), 1)).count(41380)) << "text fonts hold \\textbf";
    // Backslashes survive the resource compiler.
    EXPECT_NE(all[41147].find(L"\\section{"), std::wstring::npos) << std::wstring(all[41147]);
}

class PopupMenu : public MainWindowTest {
protected:
    static HWND openMenu() {
        HWND found = nullptr;
        host_test::waitFor([&] {
            found = FindWindowW(L"#32768", nullptr);
            return found && IsWindowVisible(found);
        }, 5000);
        return found && IsWindowVisible(found) ? found : nullptr;
    }
    static bool menuGone() {
        return host_test::waitFor([] {
            HWND w = FindWindowW(L"#32768", nullptr);
            return !w || !IsWindowVisible(w);
        }, 5000);
    }
    u16 text(EditorThread& e) {
        u16 t;
        on(e, [&](EditorView& v) { t = v.document().model.text(); });
        return t;
    }
    // Where the menu of a button should open: one pixel below its
    // bottom-left corner, in screen coordinates.
    static POINT below(HWND toolbar, uint32_t command) {
        int index = static_cast<int>(SendMessageW(toolbar, TB_COMMANDTOINDEX, command, 0));
        RECT r{};
        SendMessageW(toolbar, TB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&r));
        POINT p{r.left, r.bottom + 1};
        ClientToScreen(toolbar, &p);
        return p;
    }
};

TEST_F(PopupMenu, OpensUnderItsButtonAndItsChoiceInserts) {
    setting(L"BasicSettings", L"Window", L"2");
    load();
    const u16 start = u"one\r\ntwo\r\n";
    EditorThread& e = editor(start);
    command(e);
    HWND main = mainWindow(e);
    HWND toolbar = pluginToolbar(e);
    ASSERT_NE(toolbar, nullptr);
    EnglishMenu english;
    ASSERT_NE(english.menu(), nullptr);

    // A popup button of the default toolbar whose menu starts with a command.
    uint32_t button = 0, first = 0;
    for (uint32_t id = 41001; id <= 41137 && !button; ++id) {
        auto other = command_table::findOther(id);
        if (!other || other->action != command_table::Action::PopupMenu || other->sub >= 0) continue;
        if (SendMessageW(toolbar, TB_COMMANDTOINDEX, id, 0) < 0) continue;
        if (uint32_t c = firstCommand(GetSubMenu(english.menu(), other->argument)); c && c != 41198) {
            button = id;
            first = c;
        }
    }
    ASSERT_NE(button, 0u) << "no popup button with a plain first item on the default toolbar";
    SCOPED_TRACE(button);
    MemoryEditor expected(start);
    command_dispatch::runCommand(first, snippet::Target{expected, true});
    ASSERT_NE(expected.text(), start) << "the first item of the menu of " << button << " inserts nothing";

    // Escape: nothing chosen, nothing changed, the button let go.
    PostMessageW(main, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), reinterpret_cast<LPARAM>(toolbar));
    HWND menu = openMenu();
    ASSERT_NE(menu, nullptr);
    RECT r{};
    GetWindowRect(menu, &r);
    POINT p = below(toolbar, button);
    EXPECT_EQ(r.top, p.y);
    EXPECT_GE(r.left, p.x);
    EXPECT_LE(r.left, p.x + 100);
    EXPECT_TRUE(SendMessageW(toolbar, TB_ISBUTTONCHECKED, button, 0)) << "pressed while open";
    PostMessageW(menu, WM_KEYDOWN, VK_ESCAPE, 0);
    ASSERT_TRUE(menuGone());
    EXPECT_TRUE(host_test::waitFor([&] { return SendMessageW(toolbar, TB_ISBUTTONCHECKED, button, 0) == 0; }, 2000));
    EXPECT_EQ(text(e), start);

    // Down, Enter: the first item is chosen and runs as its command.
    PostMessageW(main, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), reinterpret_cast<LPARAM>(toolbar));
    menu = openMenu();
    ASSERT_NE(menu, nullptr);
    PostMessageW(menu, WM_KEYDOWN, VK_DOWN, 0);
    PostMessageW(menu, WM_KEYDOWN, VK_RETURN, 0);
    ASSERT_TRUE(menuGone());
    EXPECT_TRUE(host_test::waitFor([&] { return text(e) == expected.text(); }, 2000))
        << wide::w(text(e)) << " instead of " << wide::w(expected.text());
    EXPECT_FALSE(SendMessageW(toolbar, TB_ISBUTTONCHECKED, button, 0));
    command(e);
}

TEST_F(PopupMenu, FontCommandsOpenTheirOwnPartOfTheFontsMenu) {
    setting(L"BasicSettings", L"Window", L"2");
    load();
    EditorThread& e = editor();
    command(e);
    HWND main = mainWindow(e);
    EnglishMenu english;
    ASSERT_NE(english.menu(), nullptr);
    HMENU fonts = GetSubMenu(english.menu(), Fonts);
    // 41117-41121 open sub-menus 0-4 of the fonts menu; 41122 the whole.
    for (uint32_t id : {41117u, 41121u, 41122u}) {
        SCOPED_TRACE(id);
        HMENU want = id == 41122 ? fonts : GetSubMenu(fonts, static_cast<int>(id - 41117));
        PostMessageW(main, WM_COMMAND, MAKEWPARAM(id, 0), 0);
        HWND menu = openMenu();
        ASSERT_NE(menu, nullptr);
        auto shown = reinterpret_cast<HMENU>(SendMessageW(menu, MN_GETHMENU, 0, 0));
        ASSERT_NE(shown, nullptr);
        EXPECT_EQ(GetMenuItemCount(shown), GetMenuItemCount(want));
        EXPECT_EQ(GetMenuItemID(shown, 0), GetMenuItemID(want, 0));
        PostMessageW(menu, WM_KEYDOWN, VK_ESCAPE, 0);
        ASSERT_TRUE(menuGone());
    }
    command(e);
}

// Popup-range commands reach the document as menu choices (WM_COMMAND
// without a control) and do what the core does on the same text.
TEST_F(PopupMenu, MenuCommandsChangeTheDocumentAsTheCoreDoes) {
    setting(L"BasicSettings", L"Window", L"2");
    load();
    const u16 start = u"alpha beta\r\n%gamma\r\n";
    EditorThread& e = editor(start);
    command(e);
    HWND main = mainWindow(e);
    MemoryEditor expected(start);
    struct Case {
        uint32_t id;
        Position from, to;  // selection; equal for none
    };
    // Sectioning, colour modes 6 and 7, a font switch in a group, a list
    // over a selection, uncommenting, a maths function.
    const Case cases[] = {
        {41147, {0, 0}, {0, 0}}, {41319, {0, 0}, {5, 0}}, {41329, {0, 0}, {0, 0}}, {41368, {6, 0}, {10, 0}},
        {41303, {0, 0}, {3, 1}}, {41180, {1, 1}, {1, 1}}, {41264, {2, 1}, {2, 1}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.id);
        expected.setText(start);
        expected.SetSelection(c.from, c.to);
        on(e, [&](EditorView& v) {
            v.document().model.setText(start);
            v.document().model.SetSelection(c.from, c.to);
        });
        u16 before = expected.text();
        command_dispatch::runCommand(c.id, snippet::Target{expected, true});
        EXPECT_NE(expected.text(), before);
        SendMessageW(main, WM_COMMAND, MAKEWPARAM(c.id, 0), 0);
        EXPECT_EQ(wide::w(text(e)), std::wstring(wide::w(expected.text())));
        Position caret;
        on(e, [&](EditorView& v) { caret = v.document().model.caret(); });
        EXPECT_EQ(caret.x, expected.caret().x);
        EXPECT_EQ(caret.y, expected.caret().y);
    }
    command(e);
}

} // namespace
