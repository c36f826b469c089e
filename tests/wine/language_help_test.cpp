// Help topics: a missing help file or help control gives a plain "no",
// never a crash or a box of the control's own; the help windows close with
// the main window; two threads may load the control at once.
#include "frame/message_ids.h"
#include "frame/win32/help.h"
#include "frame/win32/module.h"
#include "frame/win32/plugin_app.h"
#include "host/editor_thread.h"
#include "mainwindow/win32/system_menu.h"
#include "settings/setting_keys.h"
#include "tests/wine/inprocess_plugin.h"
#include "tests/wine/language_test_support.h"
#include "tests/wine/plugin_test_support.h"

#include <gtest/gtest.h>

#include <atomic>
#include <set>
#include <thread>

using host_test::waitFor;
using lang_test::PluginFolder;

namespace {

// The visible top-level windows of this process.
std::set<HWND> processWindows() {
    struct Collect {
        std::set<HWND> found;
        static BOOL CALLBACK visit(HWND w, LPARAM self) {
            DWORD process = 0;
            GetWindowThreadProcessId(w, &process);
            if (process == GetCurrentProcessId() && IsWindowVisible(w))
                reinterpret_cast<Collect*>(self)->found.insert(w);
            return TRUE;
        }
    } collect;
    EnumWindows(&Collect::visit, reinterpret_cast<LPARAM>(&collect));
    return collect.found;
}

std::set<HWND> newWindows(const std::set<HWND>& before) {
    std::set<HWND> added;
    for (HWND w : processWindows())
        if (!before.count(w)) added.insert(w);
    return added;
}

} // namespace

TEST(Help, MissingControlIsReportedNotFatal) {
    PluginFolder f;
    ASSERT_TRUE(f.dir().write(u"Vexa2Lang\\Some.chm", "ITSF"));
    HelpControl control(L"vexa2-no-such-control.ocx");
    EXPECT_FALSE(control.show(wide::w(f.languageFile(u"Some.chm")), L"topic.htm"));
    EXPECT_FALSE(control.loaded());
    control.closeAll(wide::w(f.languageFile(u"Some.chm")));
}

TEST(Help, MissingFileDoesNotEvenLoadTheControl) {
    PluginFolder f;
    HelpControl control(L"hhctrl.ocx");
    EXPECT_FALSE(control.show(wide::w(f.languageFile(u"Missing.chm")), L""));
    EXPECT_FALSE(control.loaded());
    EXPECT_FALSE(control.show(L"", L"topic.htm"));
}

TEST(Help, TopicsNeedALibraryThatNamesAnExistingFile) {
    PluginFolder f;
    EXPECT_EQ(helpFile(f.plugin()), L"");                  // no library: no help file
    EXPECT_FALSE(showHelpTopic(f.plugin(), 0x30001));

    ASSERT_TRUE(f.addLibrary(L"langtest\\Vexa2Test.dll", u"Vexa2Test.dll"));
    ASSERT_TRUE(lang::load(f.plugin(), L"Vexa2Test.dll"));
    EXPECT_EQ(wide::u(helpFile(f.plugin()).c_str()), f.languageFile(u"Missing.chm"));
    EXPECT_FALSE(showHelpTopic(f.plugin(), 0x30001));     // the library's file is not there
    EXPECT_FALSE(showHelpTopic(f.plugin(), 0));
    closeHelpWindows();
}

namespace {
// The help windows of the control: new top-level windows of its class.
std::set<HWND> helpWindows(const std::set<HWND>& before) {
    std::set<HWND> found;
    for (HWND w : newWindows(before)) {
        wchar_t cls[64] = {};
        GetClassNameW(w, cls, 64);
        if (std::wstring(cls) == L"HH Parent") found.insert(w);
    }
    return found;
}
} // namespace

// Help opened from the code and from the main window's system menu, with the
// test help file and with the shipped English one: a window of the help
// control opens, titled by the file's own window type, and closes with the
// main window.
TEST(Help, ClosingTheMainWindowClosesTheHelpWindows) {
    struct Case {
        const wchar_t* built;   // copied in as the library's Vexa2EN.chm
        bool fromSystemMenu;    // else showHelpTopic directly
        const wchar_t* title;   // the caption of the file's Vexa2Help type
    };
    const Case cases[] = {
        {L"langtest\\Vexa2Test.chm", false, L"Vexa 2 test help"},
        {L"Vexa2Lang\\Vexa2EN.chm", true, L"Vexa 2 Help"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << (c.fromSystemMenu ? "system menu, " : "showHelpTopic, ") << c.built);
        PluginFolder f;
        ASSERT_NO_FATAL_FAILURE(inprocess::startEnglishPlugin(f));
        ASSERT_TRUE(f.addLibrary(c.built, u"Vexa2EN.chm")) << "no help file: chmcmd (fp-utils) is needed to build it";
        app::settings()->writeInt(ini_keys::basic::Section, ini_keys::basic::Window, 2);   // floating
        EditorWindowOptions o;
        o.show = SW_SHOWNOACTIVATE;
        EditorThread e(o);
        ASSERT_TRUE(e.started());
        auto run = [&](const std::function<void(PluginThreadContext&)>& fn) {
            ASSERT_TRUE(e.run([&](EditorView&) {
                PluginThreadContext* ctx = app::context();
                ASSERT_NE(ctx, nullptr);
                ctx->editorWindow = e.editor();
                fn(*ctx);
            }));
        };

        bool made = false, shown = true;
        run([&](PluginThreadContext& ctx) { made = ctx.mainWindow.create(e.editor()); });
        ASSERT_TRUE(made);
        std::set<HWND> before = processWindows();
        run([&](PluginThreadContext& ctx) {
            if (c.fromSystemMenu) SendMessageW(ctx.mainWindow.handle(), WM_SYSCOMMAND, system_menu::Help, 0);
            else shown = showHelpTopic(f.plugin(), cfgid::HelpOutline);
        });
        ASSERT_TRUE(shown);
        std::set<HWND> help;
        ASSERT_TRUE(waitFor([&] {
            help = helpWindows(before);
            return !help.empty();
        })) << "no window of the help control opened";
        wchar_t title[128] = {};
        GetWindowTextW(*help.begin(), title, 128);
        EXPECT_STREQ(title, c.title);

        run([&](PluginThreadContext& ctx) { ctx.mainWindow.destroy(); });
        EXPECT_TRUE(waitFor([&] {
            for (HWND w : help)
                if (IsWindow(w)) return false;
            return true;
        })) << "a help window outlived the main window";

        run([](PluginThreadContext&) { app::threadEnded(); });
        e.close();
        app::stop();
        setPluginInstance(nullptr);
    }
}

// The help window type is asked for with its own command and a place for
// the control's answer; when a window of the type is open, all close.
TEST(Help, CloseAllAsksForTheWindowTypeFirst) {
    PluginFolder f;
    ASSERT_TRUE(f.dir().write(u"Vexa2Lang\\Some.chm", "ITSF"));
    std::wstring file = wide::w(f.languageFile(u"Some.chm"));
    // A copy of its own: each test gets a fresh module.
    ASSERT_TRUE(lang_test::copyFile(lang_test::builtFile(L"langtest\\Vexa2TestHelp.dll"), f.dir().file(u"Recording.dll")));
    std::wstring dll = wide::w(f.dir().file(u"Recording.dll"));
    HelpControl control(dll.c_str());
    control.closeAll(file);   // never shown: the control is not even loaded
    EXPECT_FALSE(control.loaded());
    ASSERT_TRUE(control.show(file, L"topic.htm"));
    control.closeAll(file);

    HMODULE standIn = GetModuleHandleW(dll.c_str());
    ASSERT_NE(standIn, nullptr);
    using CallsFn = LONG(WINAPI*)(int);
    auto calls = reinterpret_cast<CallsFn>(reinterpret_cast<void*>(GetProcAddress(standIn, "HelpStandInCalls")));
    ASSERT_NE(calls, nullptr);
    EXPECT_EQ(calls(0x0000), 1);   // the topic
    EXPECT_EQ(calls(-1), 1);       // the window type, answered
    EXPECT_EQ(calls(0x0012), 1);   // close all
    FreeLibrary(standIn);   // the control keeps it; the folder can go
}

// Two host threads asking for help at once: the one that comes second
// waits for the control the first is loading, instead of being told there
// is none.
TEST(Help, TwoThreadsLoadTheControlOnce) {
    HANDLE loading = CreateEventW(nullptr, TRUE, FALSE, L"Vexa2TestHelpLoading");
    HANDLE release = CreateEventW(nullptr, TRUE, FALSE, L"Vexa2TestHelpRelease");
    HANDLE go = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    ASSERT_NE(loading, nullptr);
    ASSERT_NE(release, nullptr);
    ASSERT_NE(go, nullptr);
    TempDir dir;
    ASSERT_TRUE(lang_test::copyFile(lang_test::builtFile(L"langtest\\Vexa2TestHelp.dll"), dir.file(u"Slow.dll")));
    HelpControl control(wide::w(dir.file(u"Slow.dll")));
    std::atomic<int> first{-1}, second{-1};
    // Running before the load begins: a thread that starts during a load
    // waits for the loader first.
    std::thread b([&] {
        WaitForSingleObject(go, INFINITE);
        second = control.ensureLoaded() ? 1 : 0;
    });
    std::thread a([&] { first = control.ensureLoaded() ? 1 : 0; });
    EXPECT_EQ(WaitForSingleObject(loading, 10000), WAIT_OBJECT_0);   // a is inside the load
    SetEvent(go);
    // A second thread that does not wait answers at once.
    waitFor([&] { return second.load() != -1; }, 500);
    SetEvent(release);
    a.join();
    b.join();
    EXPECT_EQ(first.load(), 1);
    EXPECT_EQ(second.load(), 1);
    EXPECT_TRUE(control.loaded());
    if (HMODULE m = GetModuleHandleW(wide::w(dir.file(u"Slow.dll")))) FreeLibrary(m);
    for (HANDLE h : {loading, release, go}) CloseHandle(h);
}
