// Structure highlighting in the stand-in host: a choice in the highlight
// button's drop-down reaches the search highlighting of every editor window
// of two processes, and the item dialog builds, stores and replaces the
// user's items.
#include "tests/wine/mainwindow_test_support.h"

#include <future>
#include <thread>

namespace {
using namespace mainwindow_test;
using host_test::waitFor;

constexpr UINT Highlight = 41124;

// Another process with one editor window whose title shows the pattern the
// plug-in last handed to the host's search highlighting.
class Peer {
public:
    explicit Peer(const std::wstring& dll) {
        std::wstring tag = std::to_wstring(GetCurrentProcessId());
        std::wstring readyName = L"highlight_peer_ready_" + tag, doneName = L"highlight_peer_done_" + tag;
        ready_ = CreateEventW(nullptr, TRUE, FALSE, readyName.c_str());
        done_ = CreateEventW(nullptr, TRUE, FALSE, doneName.c_str());
        std::wstring cmd = L"\"" + host_test::binFolder() + L"highlight_peer.exe\" \"" + dll + L"\" " + readyName +
                           L" " + doneName;
        STARTUPINFOW si{};
        si.cb = sizeof si;
        PROCESS_INFORMATION pi{};
        if (!CreateProcessW(nullptr, cmd.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) return;
        CloseHandle(pi.hThread);
        process_ = pi.hProcess;
        pid_ = pi.dwProcessId;
    }
    ~Peer() {
        if (process_) {
            finish();
            CloseHandle(process_);
        }
        CloseHandle(ready_);
        CloseHandle(done_);
    }
    bool ready() {
        HANDLE both[2] = {ready_, process_};
        return process_ && WaitForMultipleObjects(2, both, FALSE, 60000) == WAIT_OBJECT_0;
    }
    // What the peer's editor was last asked to highlight.
    std::wstring highlighted() const {
        HWND w = nullptr;
        while ((w = FindWindowExW(nullptr, w, L"HighlightPeerEditor", nullptr))) {
            DWORD pid = 0;
            GetWindowThreadProcessId(w, &pid);
            if (pid != pid_) continue;
            wchar_t title[512] = {};
            GetWindowTextW(w, title, 512);
            return title;
        }
        return L"<no window>";
    }
    DWORD finish() {
        SetEvent(done_);
        DWORD code = 999;
        if (WaitForSingleObject(process_, 60000) == WAIT_OBJECT_0) GetExitCodeProcess(process_, &code);
        return code;
    }

private:
    HANDLE ready_ = nullptr, done_ = nullptr, process_ = nullptr;
    DWORD pid_ = 0;
};

class HighlightTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        // Floating windows: the peer's editor has no rebar to dock into.
        setting(L"BasicSettings", L"Window", L"2");
    }
    // Drops the menu down as the toolbar does, on a thread of its own,
    // because the menu and whatever it opens run until they are closed.
    std::future<void> dropDown(EditorThread& e) {
        HWND main = mainWindow(e);
        HWND toolbar = pluginToolbar(e);
        EXPECT_NE(toolbar, nullptr);
        return std::async(std::launch::async, [main, toolbar] {
            NMTOOLBARW nm{};
            nm.hdr.hwndFrom = toolbar;
            nm.hdr.idFrom = GetDlgCtrlID(toolbar);
            nm.hdr.code = TBN_DROPDOWN;
            nm.iItem = Highlight;
            SendMessageW(toolbar, TB_GETRECT, Highlight, reinterpret_cast<LPARAM>(&nm.rcButton));
            SendMessageW(main, WM_NOTIFY, nm.hdr.idFrom, reinterpret_cast<LPARAM>(&nm));
        });
    }
    static HWND threadWindow(EditorThread& e, const wchar_t* cls, const wchar_t* title = nullptr) {
        HWND found = nullptr;
        waitFor([&] {
            struct Find {
                const wchar_t* cls;
                const wchar_t* title;
                HWND hit = nullptr;
                static BOOL CALLBACK visit(HWND w, LPARAM self) {
                    auto* f = reinterpret_cast<Find*>(self);
                    wchar_t c[64] = {}, t[128] = {};
                    GetClassNameW(w, c, 64);
                    GetWindowTextW(w, t, 128);
                    if (!IsWindowVisible(w) || std::wstring(c) != f->cls) return TRUE;
                    if (f->title && std::wstring(t) != f->title) return TRUE;
                    f->hit = w;
                    return FALSE;
                }
            } f{cls, title};
            EnumThreadWindows(e.threadId(), &Find::visit, reinterpret_cast<LPARAM>(&f));
            found = f.hit;
            return found != nullptr;
        }, 10000);
        return found;
    }
    static HMENU menuOf(HWND menuWindow) { return reinterpret_cast<HMENU>(SendMessageW(menuWindow, MN_GETHMENU, 0, 0)); }
    static std::wstring itemText(HMENU menu, UINT id) {
        wchar_t buf[256] = {};
        GetMenuStringW(menu, id, buf, 256, MF_BYCOMMAND);
        return buf;
    }
    static bool isGrayed(HMENU menu, UINT id) { return GetMenuState(menu, id, MF_BYCOMMAND) & MF_GRAYED; }
    // Chooses an item with the keyboard: down to it, skipping separators,
    // then Enter.
    static void pick(HWND menuWindow, UINT id) {
        HMENU menu = menuOf(menuWindow);
        int steps = 0;
        for (int i = 0, n = GetMenuItemCount(menu); i < n; ++i) {
            if (GetMenuState(menu, i, MF_BYPOSITION) & MF_SEPARATOR) continue;
            ++steps;
            if (GetMenuItemID(menu, i) == id) break;
        }
        for (int i = 0; i < steps; ++i) PostMessageW(menuWindow, WM_KEYDOWN, VK_DOWN, 0);
        PostMessageW(menuWindow, WM_KEYDOWN, VK_RETURN, 0);
    }
    // Opens the menu of e and chooses id.
    void choose(EditorThread& e, UINT id) {
        auto done = dropDown(e);
        HWND popup = threadWindow(e, L"#32768");
        ASSERT_NE(popup, nullptr) << "the menu opened";
        pick(popup, id);
        ASSERT_TRUE(finished(done));
    }
    std::wstring highlighted(EditorThread& e) {
        std::wstring p = L"<unread>";
        on(e, [&](EditorView& v) { p = v.document().highlight.pattern(); });
        return p;
    }
    static void type(HWND dialog, int id, const wchar_t* text) {
        SendMessageW(GetDlgItem(dialog, id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
    }
    static void press(HWND dialog, int id) {
        SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
    }
    static std::wstring text(HWND dialog, int id) {
        wchar_t buf[512] = {};
        GetDlgItemTextW(dialog, id, buf, 512);
        return buf;
    }
    static bool enabled(HWND dialog, int id) { return IsWindowEnabled(GetDlgItem(dialog, id)); }
    static bool finished(std::future<void>& f) { return f.wait_for(std::chrono::seconds(20)) == std::future_status::ready; }
};

TEST_F(HighlightTest, AChoiceReachesEveryWindowOfTwoProcessesWithinASecond) {
    setting(L"Highlight", L"Status", L"0");
    // Two items of the user's; choosing the second moves it to the front.
    setting(L"Highlight", L"0", L"First\tfirst");
    setting(L"Highlight", L"1", L"Second\tsec|ond");
    load();
    EditorThread& a = editor();
    EditorThread& b = editor();
    command(a);
    command(b);
    Peer peer(path(dir, L"vexa2.dll"));
    ASSERT_TRUE(peer.ready()) << "the peer's window did not open";
    EXPECT_EQ(openWindows(), 3);

    auto everywhere = [&](const std::wstring& pattern) {
        return waitFor([&] {
            return highlighted(a) == pattern && highlighted(b) == pattern && peer.highlighted() == pattern;
        }, 1000);
    };
    // A preset: «\\section».
    choose(a, 3);
    EXPECT_TRUE(everywhere(L"\\\\section"));
    EXPECT_EQ(shared->highlightOn, 1);
    EXPECT_EQ(readSetting(L"Highlight", L"Item"), L"3");
    EXPECT_EQ(readSetting(L"Highlight", L"Status"), L"1");

    // A user item, chosen in the other window of this process: the peer
    // reads the list the choice reordered.
    choose(b, 101);
    EXPECT_TRUE(everywhere(L"sec|ond"));
    EXPECT_EQ(readSetting(L"Highlight", L"Item"), L"100");
    EXPECT_EQ(readSetting(L"Highlight", L"0"), L"Second\tsec|ond");
    EXPECT_EQ(readSetting(L"Highlight", L"1"), L"First\tfirst");

    // The button itself switches it off everywhere.
    SendMessageW(mainWindow(a), WM_COMMAND, MAKEWPARAM(Highlight, BN_CLICKED),
                 reinterpret_cast<LPARAM>(pluginToolbar(a)));
    EXPECT_TRUE(waitFor([&] {
        return highlighted(a).empty() && highlighted(b).empty() && peer.highlighted() == L"<cleared>";
    }, 1000));

    EXPECT_EQ(peer.finish(), 0u);
    command(a);
    command(b);
}

TEST_F(HighlightTest, DialogBuildsAnItemAndAsksBeforeReplacingOneOfTheSameName) {
    setting(L"Highlight", L"0", L"Mine\told");
    load();
    EditorThread& e = editor();
    command(e);

    auto done = dropDown(e);
    HWND popup = threadWindow(e, L"#32768");
    ASSERT_NE(popup, nullptr);
    HMENU menu = menuOf(popup);
    EXPECT_EQ(itemText(menu, 3), L"(&3)\tSections");
    EXPECT_EQ(itemText(menu, 100), L"(&C)\tMine");
    EXPECT_TRUE(isGrayed(menu, 41125)) << "edit needs an active user item";
    EXPECT_FALSE(isGrayed(menu, 41128));
    pick(popup, Highlight);
    HWND dialog = threadWindow(e, L"#32770", L"New Highlight Item");
    ASSERT_NE(dialog, nullptr) << "the create dialog opened";
    HWND list = GetDlgItem(dialog, 1205);
    EXPECT_EQ(ListView_GetItemCount(list), 13) << "twelve presets and the user's item";
    EXPECT_FALSE(enabled(dialog, IDOK));
    EXPECT_FALSE(enabled(dialog, 41046));
    EXPECT_FALSE(enabled(dialog, 41048));

    // Escape, environment and combine build the pattern.
    type(dialog, 1204, L"a.b\\");
    EXPECT_TRUE(enabled(dialog, 41050));
    press(dialog, 41050);
    EXPECT_EQ(text(dialog, 1204), L"a\\.b\\\\");
    type(dialog, 1201, L"figure");
    EXPECT_TRUE(enabled(dialog, 41048));
    press(dialog, 41048);
    EXPECT_EQ(text(dialog, 1204), L"\\\\begin\\{figure\\}|\\\\end\\{figure\\}");
    ListView_SetCheckState(list, 8, TRUE);   // labels
    ListView_SetCheckState(list, 12, TRUE);  // Mine
    EXPECT_TRUE(enabled(dialog, 41046));
    press(dialog, 41046);
    EXPECT_EQ(text(dialog, 1204), L"\\\\label|old");
    EXPECT_FALSE(ListView_GetCheckState(list, 8)) << "combined rows are unchecked";
    EXPECT_FALSE(enabled(dialog, 41046));

    // The same name: asked first; No keeps the dialog and the list.
    type(dialog, 1302, L"MINE");
    EXPECT_TRUE(enabled(dialog, IDOK));
    std::thread ok([&] { press(dialog, IDOK); });
    HWND question = threadWindow(e, L"#32770", L"Vexa 2");
    ASSERT_NE(question, nullptr) << "asked before replacing";
    SendMessageW(question, WM_COMMAND, IDNO, 0);
    ok.join();
    EXPECT_TRUE(IsWindow(dialog)) << "No keeps the dialog open";
    EXPECT_EQ(readSetting(L"Highlight", L"0"), L"Mine\told");
    std::thread again([&] { press(dialog, IDOK); });
    question = threadWindow(e, L"#32770", L"Vexa 2");
    ASSERT_NE(question, nullptr);
    SendMessageW(question, WM_COMMAND, IDYES, 0);
    again.join();
    ASSERT_TRUE(finished(done));
    EXPECT_EQ(readSetting(L"Highlight", L"0"), L"MINE\t\\\\label|old");
    EXPECT_EQ(readSetting(L"Highlight", L"1"), L"");
    EXPECT_EQ(readSetting(L"Highlight", L"Item"), L"100");
    EXPECT_TRUE(waitFor([&] { return highlighted(e) == L"\\\\label|old"; }, 2000));

    // Cancelling the edit dialog switches highlighting off.
    done = dropDown(e);
    popup = threadWindow(e, L"#32768");
    ASSERT_NE(popup, nullptr);
    EXPECT_FALSE(isGrayed(menuOf(popup), 41125));
    pick(popup, 41125);
    dialog = threadWindow(e, L"#32770", L"Edit Highlight Item");
    ASSERT_NE(dialog, nullptr) << "the edit dialog opened";
    EXPECT_EQ(text(dialog, 1302), L"MINE");
    EXPECT_FALSE(enabled(dialog, 1302));
    press(dialog, IDCANCEL);
    ASSERT_TRUE(finished(done));
    EXPECT_EQ(shared->highlightOn, 0);
    EXPECT_TRUE(waitFor([&] { return highlighted(e).empty(); }, 2000));
    command(e);
}

TEST_F(HighlightTest, DeleteAndClearAskFirstAndSwitchHighlightingOff) {
    setting(L"Highlight", L"Status", L"1");
    setting(L"Highlight", L"Item", L"100");
    setting(L"Highlight", L"0", L"Gone\tg");
    setting(L"Highlight", L"1", L"Kept\tk");
    load();
    EditorThread& e = editor();
    command(e);
    EXPECT_TRUE(waitFor([&] { return highlighted(e) == L"g"; }, 5000)) << "a user item applies when the window opens";

    auto answer = [&](UINT menuItem, int button) {
        auto done = dropDown(e);
        HWND popup = threadWindow(e, L"#32768");
        ASSERT_NE(popup, nullptr);
        pick(popup, menuItem);
        HWND question = threadWindow(e, L"#32770", L"Vexa 2");
        ASSERT_NE(question, nullptr) << "asked first";
        SendMessageW(question, WM_COMMAND, button, 0);
        ASSERT_TRUE(finished(done));
    };
    answer(41126, IDNO);
    EXPECT_EQ(readSetting(L"Highlight", L"0"), L"Gone\tg");
    EXPECT_EQ(shared->highlightOn, 1);
    answer(41126, IDYES);
    EXPECT_EQ(readSetting(L"Highlight", L"0"), L"Kept\tk");
    EXPECT_EQ(readSetting(L"Highlight", L"Item"), L"100") << "the active item is left as it was";
    EXPECT_EQ(shared->highlightOn, 0);
    EXPECT_TRUE(waitFor([&] { return highlighted(e).empty(); }, 2000));

    answer(41128, IDYES);
    EXPECT_EQ(readSetting(L"Highlight", L"0"), L"<none>");
    EXPECT_EQ(readSetting(L"Highlight", L"Item"), L"<none>");
    EXPECT_EQ(readSetting(L"Highlight", L"Status"), L"0");
    command(e);
}

} // namespace
