// Shortcut keys typed into the stand-in host's editor while the toolbar is
// open: a key bound in the settings runs its command and never reaches the
// host, a default key runs its command, and the buttons' tool tips name
// the keys.
#include "base/str.h"
#include "tests/wine/typing_test_support.h"

#include <commctrl.h>

namespace {
using namespace typing_test;
using host_test::waitFor;

class ShortcutKeys : public TypingTest {
protected:
    void SetUp() override {
        TypingTest::SetUp();
        setting(L"BasicSettings", L"Window", L"2");
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
