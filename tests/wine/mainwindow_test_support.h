// Shared by the main window's Wine tests: the built plug-in installed into
// a test folder with the English library, called like the host calls it on
// editor windows of the stand-in host, and the windows it makes found from
// outside as a user's tools would find them.
#pragma once
#include "host/editor_thread.h"
#include "tests/wine/loaded_plugin_test.h"
#include "tests/wine/plugin_test_support.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace mainwindow_test {
using namespace plugin_test;

class MainWindowTest : public LoadedPluginTest {
protected:
    // Settings are laid out before loading: the plug-in reads them as it
    // needs them, from the file beside it.
    void setting(const wchar_t* section, const wchar_t* key, const std::wstring& value) {
        WritePrivateProfileStringW(section, key, value.c_str(), ini().c_str());
    }
    std::wstring readSetting(const wchar_t* section, const wchar_t* key) {
        wchar_t buf[2048] = {};
        GetPrivateProfileStringW(section, key, L"<none>", buf, 2048, ini().c_str());
        return buf;
    }
    std::wstring ini() const { return path(dir, L"Vexa2.ini"); }
    EditorThread& editor(u16 text = u"one\r\ntwo\r\n") {
        EditorWindowOptions o;
        o.text = std::move(text);
        o.show = SW_SHOWNOACTIVATE;
        editors.push_back(std::make_unique<EditorThread>(o));
        EXPECT_TRUE(editors.back()->started());
        return *editors.back();
    }
    void on(EditorThread& e, const std::function<void(EditorView&)>& fn) { ASSERT_TRUE(e.run(fn)); }
    LRESULT command(EditorThread& e) {
        LRESULT r = 0;
        on(e, [&](EditorView&) { r = loader.onCommand(e.editor()); });
        return r;
    }
    bool checked(EditorThread& e) {
        BOOL flag = 7;
        on(e, [&](EditorView&) { loader.queryStatus(e.editor(), &flag); });
        return flag == 1;
    }

    // The main window of an editor thread: a top-level window of the
    // thread while floating, a child of the host's rebar while docked.
    static HWND mainWindow(EditorThread& e) {
        if (HWND w = host_test::floatingMainWindow(e.threadId())) return w;
        return FindWindowExW(e.rebar(), nullptr, L"Vexa2", nullptr);
    }
    // The plug-in's toolbar: the one carrying its property, wherever the
    // band put it.
    static HWND pluginToolbar(EditorThread& e) {
        for (HWND parent : {mainWindow(e), e.rebar()}) {
            if (!parent) continue;
            for (HWND t = FindWindowExW(parent, nullptr, TOOLBARCLASSNAMEW, nullptr); t;
                 t = FindWindowExW(parent, t, TOOLBARCLASSNAMEW, nullptr))
                if (GetPropW(t, L"Vexa_Toolbar_Prop")) return t;
        }
        return nullptr;
    }
    static int bandCount(EditorThread& e) {
        return static_cast<int>(SendMessageW(e.rebar(), RB_GETBANDCOUNT, 0, 0));
    }
    static RECT windowRect(HWND w) {
        RECT r{};
        GetWindowRect(w, &r);
        return r;
    }
    static int buttonCount(HWND toolbar) { return static_cast<int>(SendMessageW(toolbar, TB_BUTTONCOUNT, 0, 0)); }
    // Command identifiers of the toolbar's buttons, 0 for separators.
    static std::vector<int> buttons(HWND toolbar) {
        std::vector<int> out;
        for (int i = 0, n = buttonCount(toolbar); i < n; ++i) {
            TBBUTTON b{};
            SendMessageW(toolbar, TB_GETBUTTON, i, reinterpret_cast<LPARAM>(&b));
            out.push_back((b.fsStyle & BTNS_SEP) ? 0 : b.idCommand);
        }
        return out;
    }
};

} // namespace mainwindow_test
