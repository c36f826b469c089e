// Real key input for the main window's Wine tests: key presses made with
// SendInput, so they pass through the system's input queue and the
// plug-in's keyboard hook as a user's keys do, on a stand-in editor that
// has the keyboard.
#pragma once
#include "tests/wine/key_input.h"
#include "tests/wine/mainwindow_test_support.h"

#include <initializer_list>
#include <vector>

namespace typing_test {
using namespace mainwindow_test;

using key_input::chord;

class TypingTest : public MainWindowTest {
protected:
    // A window on a file of the test folder, with the toolbar open and
    // the editor holding the keyboard.
    EditorThread& open(const wchar_t* name, std::string_view text) {
        EXPECT_TRUE(dir.write(wide::u(name), text));
        EditorWindowOptions o;
        o.path = path(dir, name);
        o.show = SW_SHOWNOACTIVATE;
        editors.push_back(std::make_unique<EditorThread>(o));
        EditorThread& e = *editors.back();
        EXPECT_TRUE(e.started());
        command(e);
        EXPECT_NE(mainWindow(e), nullptr);
        on(e, [&](EditorView&) {
            SetForegroundWindow(e.frame());
            SetFocus(e.editor());
        });
        EXPECT_TRUE(host_test::waitFor([&] { return GetForegroundWindow() == e.frame(); }));
        return e;
    }
    void type(const std::vector<INPUT>& in) {
        ASSERT_TRUE(key_input::send(in));
    }
    u16 text(EditorThread& e) {
        u16 t;
        on(e, [&](EditorView& v) { t = v.document().model.text(); });
        return t;
    }
    Position caret(EditorThread& e) {
        Position p;
        on(e, [&](EditorView& v) { p = v.document().model.caret(); });
        return p;
    }
    void setCaret(EditorThread& e, Position p) {
        on(e, [&](EditorView& v) {
            v.document().model.SetCaretPos(PosKind::Logical, p);
            v.refresh();
        });
    }
};

} // namespace typing_test
