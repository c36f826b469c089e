// Shared by the help tests: this process's top-level windows, the help
// control's windows among them, and help opened on a floating main window
// of the started in-process plug-in and closed with it.
#pragma once
#include "frame/message_ids.h"
#include "frame/win32/help.h"
#include "frame/win32/module.h"
#include "frame/win32/plugin_app.h"
#include "host/editor_thread.h"
#include "mainwindow/win32/system_menu.h"
#include "settings/setting_keys.h"
#include "tests/wine/host_test_support.h"
#include "tests/wine/language_test_support.h"

#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>

namespace help_test {

// The visible top-level windows of this process; of one class when given.
inline std::set<HWND> processWindows(const wchar_t* onlyClass = nullptr) {
    struct Collect {
        const wchar_t* onlyClass;
        std::set<HWND> found;
        static BOOL CALLBACK visit(HWND w, LPARAM self) {
            auto* c = reinterpret_cast<Collect*>(self);
            DWORD process = 0;
            GetWindowThreadProcessId(w, &process);
            wchar_t cls[64] = {};
            GetClassNameW(w, cls, 64);
            if (process == GetCurrentProcessId() && IsWindowVisible(w) &&
                (!c->onlyClass || std::wstring(cls) == c->onlyClass))
                c->found.insert(w);
            return TRUE;
        }
    } collect{onlyClass, {}};
    EnumWindows(&Collect::visit, reinterpret_cast<LPARAM>(&collect));
    return collect.found;
}

inline std::set<HWND> newWindows(const std::set<HWND>& before, const wchar_t* onlyClass = nullptr) {
    std::set<HWND> added;
    for (HWND w : processWindows(onlyClass))
        if (!before.count(w)) added.insert(w);
    return added;
}

// With the plug-in started in process and its help file in place: opens a
// floating main window, shows help (from its system menu, or topic
// HelpOutline from the code), expects a window of the help control, hands
// back its caption, then closes the main window and expects the help
// window gone too. Call through ASSERT_NO_FATAL_FAILURE.
inline void showHelpThenCloseMainWindow(HINSTANCE plugin, bool fromSystemMenu, std::wstring& title) {
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
        if (fromSystemMenu) SendMessageW(ctx.mainWindow.handle(), WM_SYSCOMMAND, system_menu::Help, 0);
        else shown = showHelpTopic(plugin, cfgid::HelpOutline);
    });
    ASSERT_TRUE(shown);
    std::set<HWND> help;
    ASSERT_TRUE(host_test::waitFor([&] {
        help = newWindows(before, L"HH Parent");
        return !help.empty();
    })) << "no window of the help control opened";
    title = lang_test::windowText(*help.begin());

    run([&](PluginThreadContext& ctx) { ctx.mainWindow.destroy(); });
    EXPECT_TRUE(host_test::waitFor([&] {
        for (HWND w : help)
            if (IsWindow(w)) return false;
        return true;
    })) << "a help window outlived the main window";

    run([](PluginThreadContext&) { app::threadEnded(); });
    e.close();
}

} // namespace help_test
