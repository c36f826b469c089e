// Window objects: binding at WM_CREATE, refusal, routing of results and of
// messages that go on to the default procedure, and the end of the window.
#include "frame/win32/module.h"
#include "frame/win32/window.h"
#include "tests/wine/language_test_support.h"

#include <gtest/gtest.h>

#include <vector>

namespace {
const wchar_t kClass[] = L"Vexa2TestWindow";
constexpr UINT kAnswer = WM_APP + 1;
constexpr UINT kThrow = WM_APP + 2;

class Probe : public Window {
public:
    bool refuse = false;
    bool keepSysCommand = true;
    int creates = 0, destroys = 0;
    int minMaxBeforeCreate = 0, minMax = 0;
    std::vector<WPARAM> sysCommands;
    std::vector<UINT> others;

    LRESULT onCreate(CREATESTRUCTW* cs) override {
        ++creates;
        minMaxBeforeCreate = minMax;
        if (refuse) return -1;
        return Window::onCreate(cs);
    }
    void onDestroy() override { ++destroys; }
    void onGetMinMaxInfo(MINMAXINFO*) override { ++minMax; }
    LRESULT onCommand(WORD id, WORD, HWND) override { return id == 77 ? 1234 : 0; }
    void onSysCommand(WPARAM wParam, LPARAM lParam) override {
        sysCommands.push_back(wParam);
        if (!keepSysCommand) Window::onSysCommand(wParam, lParam);
    }
    LRESULT onOtherMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        others.push_back(message);
        if (message == kAnswer) return 4242;
        if (message == kThrow) throw std::wstring(L"Window trouble.");
        return Window::onOtherMessage(message, wParam, lParam);
    }
};

bool contains(const std::vector<UINT>& v, UINT m) {
    for (UINT x : v)
        if (x == m) return true;
    return false;
}

bool make(Probe& p) {
    return p.create(0, kClass, L"Probe window", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr, nullptr,
                    GetModuleHandleW(nullptr));
}

class WindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        setPluginInstance(GetModuleHandleW(nullptr));
        ASSERT_TRUE(Window::registerClass(GetModuleHandleW(nullptr), kClass));
    }
    void TearDown() override { setPluginInstance(nullptr); }
};
} // namespace

TEST_F(WindowTest, RefusedCreationLeavesNoWindow) {
    Probe p;
    p.refuse = true;
    EXPECT_FALSE(make(p));
    EXPECT_EQ(p.creates, 1);
    EXPECT_EQ(p.handle(), nullptr);
    EXPECT_EQ(p.instance(), nullptr);
}

TEST_F(WindowTest, BoundAtCreateAndRoutedWithResults) {
    Probe p;
    ASSERT_TRUE(make(p));
    HWND w = p.handle();
    EXPECT_EQ(GetPropW(w, L"Vexa_Wnd_Prop"), static_cast<Window*>(&p));
    EXPECT_EQ(p.instance(), GetModuleHandleW(nullptr));
    EXPECT_EQ(p.minMaxBeforeCreate, 0);   // sent before WM_CREATE: not ours yet
    EXPECT_FALSE(make(p));                // one window per object

    EXPECT_EQ(SendMessageW(w, WM_COMMAND, 77, 0), 1234);
    EXPECT_EQ(SendMessageW(w, kAnswer, 0, 0), 4242);
    // Unhandled messages still get the default procedure's answer.
    wchar_t title[64] = {};
    EXPECT_EQ(SendMessageW(w, WM_GETTEXT, 64, reinterpret_cast<LPARAM>(title)), 12);
    EXPECT_STREQ(title, L"Probe window");

    // WM_SYSCOMMAND answers 0 once the handler ran, whatever it did.
    EXPECT_EQ(SendMessageW(w, WM_SYSCOMMAND, 0xF0F0, 0), 0);
    ASSERT_EQ(p.sysCommands.size(), 1u);
    EXPECT_EQ(p.sysCommands[0], 0xF0F0u);

    // The default system command handling closes the window.
    p.keepSysCommand = false;
    SendMessageW(w, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_FALSE(IsWindow(w));
    EXPECT_EQ(p.destroys, 1);
    EXPECT_EQ(p.handle(), nullptr);
    EXPECT_FALSE(contains(p.others, WM_NCDESTROY));   // after WM_DESTROY: not ours
}

TEST_F(WindowTest, ThrownTextIsShownAndTheWindowLivesOn) {
    Probe p;
    ASSERT_TRUE(make(p));
    std::wstring text;
    lang_test::Watcher box(L"", [&](HWND b) {   // no library: the caption is empty
        text = lang_test::messageBoxText(b);
        lang_test::pressButton(b, IDOK);
    });
    EXPECT_EQ(SendMessageW(p.handle(), kThrow, 0, 0), 0);
    box.join();
    EXPECT_EQ(text, L"Window trouble.");
    EXPECT_TRUE(IsWindow(p.handle()));
}

TEST_F(WindowTest, ObjectEndDestroysItsWindow) {
    HWND w = nullptr;
    {
        Probe p;
        ASSERT_TRUE(make(p));
        w = p.handle();
    }
    EXPECT_FALSE(IsWindow(w));
}
