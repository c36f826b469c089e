// The root file dialog and the lock menu, driven in-process on editor
// windows of the stand-in host holding real files, with the English
// library's template; a watcher thread plays the user.
#include "base/win32/wide.h"
#include "frame/message_ids.h"
#include "frame/win32/language.h"
#include "frame/win32/module.h"
#include "frame/win32/plugin_app.h"
#include "frame/win32/shared_state.h"
#include "frame/win32/shared_toggles.h"
#include "host/editor_thread.h"
#include "lang/resource_ids.h"
#include "make/win32/root_commands.h"
#include "mainwindow/win32/main_window.h"
#include "tests/wine/inprocess_plugin.h"
#include "tests/wine/language_test_support.h"
#include "tests/wine/plugin_test_support.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

using lang_test::PluginFolder;
using lang_test::Watcher;

std::wstring editText(HWND dialog) {
    wchar_t buf[600] = {};
    GetDlgItemTextW(dialog, VEXA_IDC_ROOT_PATH, buf, 600);
    return buf;
}
void press(HWND dialog, int id) { PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0); }

class RootDialog : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_NO_FATAL_FAILURE(inprocess::startEnglishPlugin(folder));
        ASSERT_TRUE(docs.ok());
    }
    void TearDown() override {
        editors.clear();
        app::stop();
        setPluginInstance(nullptr);
    }
    EditorThread& open(u16view name, std::string_view content) {
        EXPECT_TRUE(docs.write(name, content));
        EditorWindowOptions o;
        o.path = wide::w(docs.file(name));
        o.show = SW_SHOWNOACTIVATE;
        editors.push_back(std::make_unique<EditorThread>(o));
        EXPECT_TRUE(editors.back()->started());
        return *editors.back();
    }
    // fn on the editor's thread, with its context's main window bound to it.
    void on(EditorThread& e, const std::function<void(PluginThreadContext&, EditorView&)>& fn) {
        ASSERT_TRUE(e.run([&](EditorView& v) {
            PluginThreadContext* ctx = app::context();
            ASSERT_NE(ctx, nullptr);
            ctx->editorWindow = e.editor();
            ctx->mainWindow.rebind(e.editor());
            fn(*ctx, v);
        }));
    }
    u16 line(EditorThread& e, int32_t n) {
        u16 t;
        on(e, [&](PluginThreadContext&, EditorView& v) { t = v.document().model.GetLineText(n); });
        return t;
    }
    std::wstring ini(const wchar_t* section, const wchar_t* key) {
        wchar_t buf[600] = {};
        GetPrivateProfileStringW(section, key, L"<none>", buf, 600, wide::w(folder.dir().file(u"Vexa2.ini")));
        return buf;
    }
    void setIni(const wchar_t* section, const wchar_t* key, const wchar_t* value) {
        WritePrivateProfileStringW(section, key, value, wide::w(folder.dir().file(u"Vexa2.ini")));
    }

    PluginFolder folder;
    TempDir docs;
    std::vector<std::unique_ptr<EditorThread>> editors;
};

TEST_F(RootDialog, WritesTheRootLineThenReplacesIt) {
    EditorThread& e = open(u"ch1.tex", "\\section{One}\r\ntext\r\n");
    const std::wstring title = lang::message(msgid::RootDialogTitle);
    ASSERT_FALSE(title.empty());

    // No root yet: the dialog proposes this file, by name (Type 0).
    std::wstring proposed;
    {
        Watcher user(title, [&](HWND d) {
            proposed = editText(d);
            SetDlgItemTextW(d, VEXA_IDC_ROOT_PATH, L"sub/main.tex");
            press(d, IDOK);
        });
        on(e, [&](PluginThreadContext& c, EditorView&) { root_commands::showRootDialog(c.mainWindow); });
        EXPECT_TRUE(user.found());
    }
    EXPECT_EQ(proposed, L"ch1.tex");
    EXPECT_EQ(line(e, 0), u"%Root sub/main.tex");
    EXPECT_EQ(line(e, 1), u"\\section{One}");

    // Now a root line resolves: it is shown, and OK replaces it. The full
    // path form renders this file's path when "This File" is pressed.
    std::wstring shown, full;
    {
        Watcher user(title, [&](HWND d) {
            shown = editText(d);
            CheckDlgButton(d, VEXA_IDC_ROOT_NAME_ONLY, BST_UNCHECKED);
            CheckDlgButton(d, VEXA_IDC_ROOT_ABSOLUTE, BST_CHECKED);
            SendMessageW(d, WM_COMMAND, MAKEWPARAM(VEXA_IDC_ROOT_CURRENT, BN_CLICKED), 0);
            full = editText(d);
            SetDlgItemTextW(d, VEXA_IDC_ROOT_PATH, L"main.tex");
            press(d, IDOK);
        });
        on(e, [&](PluginThreadContext& c, EditorView&) { root_commands::showRootDialog(c.mainWindow); });
        EXPECT_TRUE(user.found());
    }
    EXPECT_EQ(shown, L"sub/main.tex");
    EXPECT_EQ(full, std::wstring(wide::w(docs.file(u"ch1.tex"))));
    EXPECT_EQ(ini(L"Root", L"Type"), L"2");   // the form chosen is kept
    EXPECT_EQ(line(e, 0), u"%Root main.tex");
    EXPECT_EQ(line(e, 1), u"\\section{One}");
}

TEST_F(RootDialog, RefusesEmptyAndNonTexNamesAndStaysOpen) {
    EditorThread& e = open(u"ch1.tex", "x\r\n");
    const std::wstring title = lang::message(msgid::RootDialogTitle);
    const std::wstring caption = lang::message(msgid::CaptionWarning);
    std::vector<std::wstring> warnings;
    {
        Watcher user(title, [&](HWND d) {
            for (const wchar_t* text : {L"", L"my file.tex"}) {
                SetDlgItemTextW(d, VEXA_IDC_ROOT_PATH, text);
                press(d, IDOK);
                HWND box = nullptr;
                host_test::waitFor([&] { return (box = lang_test::findOwnWindow(caption)) != nullptr; }, 10000);
                warnings.push_back(box ? lang_test::messageBoxText(box) : L"<no box>");
                if (box) press(box, IDOK);
                host_test::waitFor([&] { return lang_test::findOwnWindow(caption) == nullptr; }, 10000);
            }
            EXPECT_TRUE(IsWindow(d));
            press(d, IDCANCEL);
        });
        on(e, [&](PluginThreadContext& c, EditorView&) { root_commands::showRootDialog(c.mainWindow); });
        EXPECT_TRUE(user.found());
    }
    ASSERT_EQ(warnings.size(), 2u);
    EXPECT_EQ(warnings[0], lang::message(msgid::RootNameEmpty));
    EXPECT_EQ(warnings[1], lang::message(msgid::RootNameNotTex));
    EXPECT_EQ(line(e, 0), u"x");   // cancelled: nothing written
}

TEST_F(RootDialog, LockMenuLocksToTheCurrentFileAndClears) {
    EditorThread& e = open(u"main.tex", "\\documentclass{article}\r\n");
    const u16 full = docs.file(u"main.tex");

    auto itemText = [](HMENU m, UINT id) {
        wchar_t buf[600] = {};
        GetMenuStringW(m, id, buf, 600, MF_BYCOMMAND);
        return std::wstring(buf);
    };
    auto state = [](HMENU m, UINT id) { return GetMenuState(m, id, MF_BYCOMMAND); };

    // An empty list: remove and clear are grayed, the lock items are not.
    on(e, [&](PluginThreadContext&, EditorView&) {
        HMENU m = root_commands::buildLockMenu(e.editor());
        ASSERT_NE(m, nullptr);
        EXPECT_EQ(state(m, 1), UINT(-1));
        EXPECT_FALSE(state(m, root_commands::LockAbsolute) & MF_GRAYED);
        EXPECT_TRUE(state(m, root_commands::RemoveRoot) & MF_GRAYED);
        EXPECT_TRUE(state(m, root_commands::ClearRoots) & MF_GRAYED);
        DestroyMenu(m);
    });

    bool pressed = false;
    on(e, [&](PluginThreadContext& c, EditorView&) {
        root_commands::runLockChoice(c.mainWindow, root_commands::LockAbsolute);
        pressed = c.mainWindow.commandPressed(41123);
    });
    EXPECT_EQ(shared::state().rootLockOn, 1);
    EXPECT_TRUE(pressed);
    EXPECT_EQ(ini(L"Root", L"Status"), L"1");
    EXPECT_EQ(ini(L"Root", L"0"), std::wstring(wide::w(full)));
    EXPECT_EQ(ini(L"Root", L"Type"), L"2");

    // The name-only form puts the name in front; the list keeps both.
    on(e, [&](PluginThreadContext& c, EditorView&) {
        root_commands::runLockChoice(c.mainWindow, root_commands::LockFileName);
    });
    EXPECT_EQ(ini(L"Root", L"0"), L"main.tex");
    EXPECT_EQ(ini(L"Root", L"1"), std::wstring(wide::w(full)));

    on(e, [&](PluginThreadContext&, EditorView&) {
        HMENU m = root_commands::buildLockMenu(e.editor());
        EXPECT_EQ(itemText(m, 1), L"(&1)\tmain.tex");
        EXPECT_TRUE(state(m, 1) & MF_CHECKED);
        EXPECT_EQ(itemText(m, 2), L"(&2)\t" + std::wstring(wide::w(full)));
        EXPECT_FALSE(state(m, 2) & MF_CHECKED);
        EXPECT_FALSE(state(m, root_commands::ClearRoots) & MF_GRAYED);
        DestroyMenu(m);
    });

    // Choosing the second entry promotes it.
    on(e, [&](PluginThreadContext& c, EditorView&) { root_commands::runLockChoice(c.mainWindow, 2); });
    EXPECT_EQ(ini(L"Root", L"0"), std::wstring(wide::w(full)));
    EXPECT_EQ(shared::state().rootLockOn, 1);

    // Clear, answered Yes: the list goes, the lock goes off, Type stays.
    {
        Watcher user(lang::message(msgid::CaptionQuestion), [&](HWND box) { press(box, IDYES); });
        on(e, [&](PluginThreadContext& c, EditorView&) {
            root_commands::runLockChoice(c.mainWindow, root_commands::ClearRoots);
            pressed = c.mainWindow.commandPressed(41123);
        });
        EXPECT_TRUE(user.found());
    }
    EXPECT_EQ(shared::state().rootLockOn, 0);
    EXPECT_FALSE(pressed);
    EXPECT_EQ(ini(L"Root", L"Status"), L"0");
    EXPECT_EQ(ini(L"Root", L"0"), L"<none>");
    EXPECT_EQ(ini(L"Root", L"Type"), L"0");
}

TEST_F(RootDialog, LockNeedsATexRootAndRechecksIt) {
    EditorThread& e = open(u"notes.txt", "plain\r\n");
    auto lock = [&](root_lock::Mode m) {
        bool r = false;
        on(e, [&](PluginThreadContext&, EditorView&) { r = root_commands::setRootLock(m); });
        return r;
    };
    EXPECT_FALSE(lock(root_lock::Mode::Toggle));   // empty list
    setIni(L"Root", L"0", L"C:\\doc\\main.tex");
    EXPECT_TRUE(lock(root_lock::Mode::On));
    EXPECT_EQ(ini(L"Root", L"Status"), L"1");
    // Entry 0 became unusable: showing keeps the state, asking for on turns it off.
    setIni(L"Root", L"0", L"C:\\doc\\main.txt");
    EXPECT_TRUE(lock(root_lock::Mode::Refresh));
    EXPECT_FALSE(lock(root_lock::Mode::On));
    EXPECT_EQ(shared::state().rootLockOn, 0);
    EXPECT_EQ(ini(L"Root", L"Status"), L"0");

    // A non-TeX document grays the lock-to-this-file items.
    on(e, [&](PluginThreadContext&, EditorView&) {
        HMENU m = root_commands::buildLockMenu(e.editor());
        EXPECT_TRUE(GetMenuState(m, root_commands::LockFileName, MF_BYCOMMAND) & MF_GRAYED);
        EXPECT_TRUE(GetMenuState(m, root_commands::LockAbsolute, MF_BYCOMMAND) & MF_GRAYED);
        DestroyMenu(m);
    });
}

} // namespace
