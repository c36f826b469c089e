// Shortcut keys typed into the stand-in host's editor while the toolbar is
// open: a key bound in the settings runs its command and never reaches the
// host, a default key runs its command, and the buttons' tool tips name
// the keys.
#include "base/str.h"
#include "tests/wine/mainwindow_test_support.h"

#include <commctrl.h>

namespace {
using namespace mainwindow_test;
using host_test::waitFor;

INPUT keyInput(WORD vk, bool up) {
    INPUT in{};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = vk;
    in.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    return in;
}

// Presses vk with the modifiers held, then lets everything go.
std::vector<INPUT> chord(std::initializer_list<WORD> modifiers, WORD vk) {
    std::vector<INPUT> in;
    for (WORD m : modifiers) in.push_back(keyInput(m, false));
    in.push_back(keyInput(vk, false));
    in.push_back(keyInput(vk, true));
    for (WORD m : modifiers) in.push_back(keyInput(m, true));
    return in;
}

class ShortcutKeys : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        setting(L"BasicSettings", L"Window", L"2");
    }
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
        EXPECT_TRUE(waitFor([&] { return GetForegroundWindow() == e.frame(); }));
        return e;
    }
    void type(const std::vector<INPUT>& in) {
        ASSERT_EQ(SendInput(static_cast<UINT>(in.size()), const_cast<INPUT*>(in.data()), sizeof(INPUT)), in.size());
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
    std::wstring tip(EditorThread& e, uint32_t command) {
        NMTTDISPINFOW info{};
        info.hdr.hwndFrom = pluginToolbar(e);
        info.hdr.idFrom = command;
        info.hdr.code = TTN_GETDISPINFOW;
        on(e, [&](EditorView&) { SendMessageW(mainWindow(e), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&info)); });
        return info.lpszText ? std::wstring(info.lpszText) : std::wstring();
    }
};

TEST_F(ShortcutKeys, BoundKeyRunsItsCommandAndTheHostNeverSeesIt) {
    // Slot 2 is the inline-formula command: "$" before the caret, "$" after.
    setting(L"ShortCut", L"2", std::to_wstring(0x100 | 'Q'));
    load();
    EditorThread& e = open(L"keys.tex", "");

    std::vector<INPUT> in = chord({VK_SHIFT}, 'Q');
    for (const INPUT& i : chord({}, 'B')) in.push_back(i);
    type(in);
    u16 now;
    EXPECT_TRUE(waitFor([&] {
        now = text(e);
        return now == u"$b$";
    })) << "got: " << str::toUtf8(now);

    std::wstring t = tip(e, 41003);
    EXPECT_TRUE(t.size() > 11 && t.ends_with(L"\r\nShift + Q")) << str::toUtf8(wide::u(t.c_str()));
}

TEST_F(ShortcutKeys, CtrlGJumpsToTheLabelByDefault) {
    load();
    EditorThread& e = open(L"jump.tex", "\\label{x}\r\nsee \\ref{x}\r\n");
    on(e, [&](EditorView& v) { v.document().model.SetCaretPos(PosKind::Logical, Position{6, 1}); });
    type(chord({VK_CONTROL}, 'G'));
    Position p;
    EXPECT_TRUE(waitFor([&] {
        p = caret(e);
        return p == Position{0, 0};
    })) << "caret at " << p.x << "," << p.y;
    EXPECT_EQ(text(e), u"\\label{x}\r\nsee \\ref{x}\r\n") << "the host took no G";

    std::wstring t = tip(e, 41079);
    EXPECT_TRUE(t.size() > 10 && t.ends_with(L"\r\nCtrl + G")) << str::toUtf8(wide::u(t.c_str()));
}

TEST_F(ShortcutKeys, WithShortcutKeysOffTheHostGetsTheKey) {
    setting(L"ShortCut", L"Status", L"0");
    setting(L"ShortCut", L"2", std::to_wstring(0x100 | 'Q'));
    load();
    EditorThread& e = open(L"off.tex", "");
    type(chord({VK_SHIFT}, 'Q'));
    u16 now;
    EXPECT_TRUE(waitFor([&] {
        now = text(e);
        return now == u"Q";
    })) << "got: " << str::toUtf8(now);
    std::wstring t = tip(e, 41003);
    EXPECT_EQ(t.find(L"Shift + Q"), std::wstring::npos) << "no key named when keys are off";
}

} // namespace
