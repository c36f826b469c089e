// What the main window's timer keeps in step: the Swap button of a window
// in another process, the band after the toolbar's buttons changed size;
// and the highlight button after its drop-down menu was closed.
#include "tests/wine/mainwindow_test_support.h"

#include <chrono>
#include <future>

namespace {
using namespace mainwindow_test;
using host_test::waitFor;

using MainWindowTimer = MainWindowTest;

constexpr UINT Swap = 41137;
constexpr UINT Highlight = 41124;

void click(HWND main, HWND toolbar, UINT command) {
    SendMessageW(main, WM_COMMAND, MAKEWPARAM(command, BN_CLICKED), reinterpret_cast<LPARAM>(toolbar));
}

bool isChecked(HWND toolbar, UINT command) { return SendMessageW(toolbar, TB_ISBUTTONCHECKED, command, 0) != 0; }

// The plug-in's toolbar in a window of another process: the toolbar
// inside its "Vexa2" window.
HWND toolbarOfProcess(DWORD pid) {
    struct Find {
        DWORD pid;
        HWND found = nullptr;
        static BOOL CALLBACK visit(HWND w, LPARAM self) {
            auto* f = reinterpret_cast<Find*>(self);
            DWORD owner = 0;
            GetWindowThreadProcessId(w, &owner);
            wchar_t cls[32] = {};
            GetClassNameW(w, cls, 32);
            if (owner != f->pid || std::wstring(cls) != L"Vexa2") return TRUE;
            f->found = FindWindowExW(w, nullptr, TOOLBARCLASSNAMEW, nullptr);
            return FALSE;
        }
    } find{pid};
    EnumWindows(&Find::visit, reinterpret_cast<LPARAM>(&find));
    return find.found;
}

// A second host process with the plug-in's window open, until done.
class Peer {
public:
    Peer(const std::wstring& dll) {
        std::wstring tag = std::to_wstring(GetCurrentProcessId());
        std::wstring readyName = L"mainwindow_peer_ready_" + tag, doneName = L"mainwindow_peer_done_" + tag;
        ready_ = CreateEventW(nullptr, TRUE, FALSE, readyName.c_str());
        done_ = CreateEventW(nullptr, TRUE, FALSE, doneName.c_str());
        std::wstring cmd = L"\"" + host_test::binFolder() + L"mainwindow_peer.exe\" \"" + dll + L"\" " + readyName +
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
    DWORD pid() const { return pid_; }
    // The peer's exit code, 999 when it did not end in time.
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

TEST_F(MainWindowTimer, SwapSwitchedInOneProcessShowsInTheOther) {
    // The peer's window is a bare popup without a rebar.
    setting(L"BasicSettings", L"Window", L"2");
    setting(L"Make", L"Swap", L"0");
    load();
    EditorThread& e = editor();
    command(e);
    HWND main = mainWindow(e), toolbar = pluginToolbar(e);
    ASSERT_NE(toolbar, nullptr);

    Peer peer(path(dir, L"vexa2.dll"));
    ASSERT_TRUE(peer.ready()) << "the peer's window did not open";
    HWND peerToolbar = toolbarOfProcess(peer.pid());
    ASSERT_NE(peerToolbar, nullptr);
    EXPECT_EQ(openWindows(), 2);
    EXPECT_FALSE(isChecked(peerToolbar, Swap));

    click(main, toolbar, Swap);
    EXPECT_TRUE(isChecked(toolbar, Swap));
    EXPECT_EQ(shared->swapOn, 1);
    EXPECT_TRUE(waitFor([&] { return isChecked(peerToolbar, Swap); }, 1000));
    EXPECT_EQ(readSetting(L"Make", L"Swap"), L"1");

    click(main, toolbar, Swap);
    EXPECT_TRUE(waitFor([&] { return !isChecked(peerToolbar, Swap); }, 1000));
    // The other buttons the timer keeps in step were left alone.
    EXPECT_FALSE(isChecked(peerToolbar, Highlight));

    EXPECT_EQ(peer.finish(), 0u);
    EXPECT_EQ(openWindows(), 1);
    command(e);
    EXPECT_EQ(openWindows(), 0);
}

REBARBANDINFOW bandInfo(HWND rebar, int index) {
    REBARBANDINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = RBBIM_CHILD | RBBIM_CHILDSIZE;
    SendMessageW(rebar, RB_GETBANDINFOW, index, reinterpret_cast<LPARAM>(&info));
    return info;
}

TEST_F(MainWindowTimer, LargerButtonsRefitTheBand) {
    setting(L"BasicSettings", L"Window", L"6");
    setting(L"BasicSettings", L"Lines", L"1");
    load();
    EditorThread& e = editor();
    command(e);
    HWND toolbar = pluginToolbar(e);
    ASSERT_NE(toolbar, nullptr);
    int band = bandCount(e) - 1;
    ASSERT_EQ(bandInfo(e.rebar(), band).hwndChild, toolbar);
    UINT before = bandInfo(e.rebar(), band).cyMinChild;
    std::vector<int> layout = buttons(toolbar);
    DWORD size = static_cast<DWORD>(SendMessageW(toolbar, TB_GETBUTTONSIZE, 0, 0));
    ASSERT_EQ(before, UINT(HIWORD(size) + 3));

    // Taller images, as a larger scale brings them: the buttons grow when
    // they are laid out again, the band only on the timer's check.
    const int taller = 16 + 12;
    HIMAGELIST images = ImageList_Create(16, taller, ILC_COLOR32, 1, 0);
    ASSERT_NE(images, nullptr);
    auto original = reinterpret_cast<HIMAGELIST>(
        SendMessageW(toolbar, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images)));
    SendMessageW(toolbar, TB_AUTOSIZE, 0, 0);
    DWORD grown = static_cast<DWORD>(SendMessageW(toolbar, TB_GETBUTTONSIZE, 0, 0));
    ASSERT_GT(HIWORD(grown), HIWORD(size) + 2);
    EXPECT_TRUE(waitFor([&] { return bandInfo(e.rebar(), band).cyMinChild == UINT(HIWORD(grown) + 3); }, 1000));
    // Rebuilt from the same layout.
    EXPECT_EQ(buttons(toolbar), layout);
    EXPECT_EQ(HIWORD(static_cast<DWORD>(SendMessageW(toolbar, TB_GETBUTTONSIZE, 0, 0))), HIWORD(grown));
    // Within 2 pixels nothing is rebuilt.
    DWORD now = grown;
    UINT fitted = bandInfo(e.rebar(), band).cyMinChild;
    SendMessageW(toolbar, TB_SETBUTTONSIZE, 0, MAKELPARAM(LOWORD(now), HIWORD(now) + 2));
    EXPECT_FALSE(waitFor([&] { return bandInfo(e.rebar(), band).cyMinChild != fitted; }, 600));
    // The toolbar lets go of its own list when it is destroyed.
    SendMessageW(toolbar, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(original));
    ImageList_Destroy(images);
    command(e);
}

// EnumThreadWindows: the visible popup menu window, into *found.
BOOL CALLBACK findMenu(HWND w, LPARAM found) {
    wchar_t cls[16] = {};
    GetClassNameW(w, cls, 16);
    if (!IsWindowVisible(w) || std::wstring(cls) != L"#32768") return TRUE;
    *reinterpret_cast<HWND*>(found) = w;
    return FALSE;
}

TEST_F(MainWindowTimer, HighlightDropDownLeavesTheButtonWorking) {
    setting(L"BasicSettings", L"Window", L"2");
    setting(L"Highlight", L"Status", L"0");
    load();
    EditorThread& e = editor();
    command(e);
    HWND main = mainWindow(e), toolbar = pluginToolbar(e);
    ASSERT_NE(toolbar, nullptr);
    TBBUTTONINFOW info{};
    info.cbSize = sizeof info;
    info.dwMask = TBIF_STYLE;
    ASSERT_GE(SendMessageW(toolbar, TB_GETBUTTONINFOW, Highlight, reinterpret_cast<LPARAM>(&info)), 0);
    EXPECT_TRUE(info.fsStyle & BTNS_DROPDOWN);

    NMTOOLBARW drop{};
    drop.hdr.hwndFrom = toolbar;
    drop.hdr.idFrom = GetDlgCtrlID(toolbar);
    drop.hdr.code = TBN_DROPDOWN;
    drop.iItem = Highlight;
    SendMessageW(toolbar, TB_GETRECT, Highlight, reinterpret_cast<LPARAM>(&drop.rcButton));
    // The menu holds the call in its loop: it runs on a thread of its own
    // and is closed with Escape, choosing nothing.
    std::future<LRESULT> answer = std::async(std::launch::async, [&] {
        return SendMessageW(main, WM_NOTIFY, drop.hdr.idFrom, reinterpret_cast<LPARAM>(&drop));
    });
    HWND menu = nullptr;
    ASSERT_TRUE(waitFor([&] {
        EnumThreadWindows(e.threadId(), &findMenu, reinterpret_cast<LPARAM>(&menu));
        return menu != nullptr;
    }, 10000)) << "the highlight menu opened";
    PostMessageW(menu, WM_KEYDOWN, VK_ESCAPE, 0);
    ASSERT_EQ(answer.wait_for(std::chrono::seconds(20)), std::future_status::ready);
    EXPECT_EQ(answer.get(), LRESULT(TBDDRET_DEFAULT));
    EXPECT_FALSE(isChecked(toolbar, Highlight)) << "nothing chosen leaves the status alone";

    click(main, toolbar, Highlight);
    EXPECT_TRUE(isChecked(toolbar, Highlight));
    EXPECT_EQ(shared->highlightOn, 1);
    click(main, toolbar, Highlight);
    EXPECT_FALSE(isChecked(toolbar, Highlight));
    EXPECT_EQ(shared->highlightOn, 0);
    EXPECT_TRUE(SendMessageW(toolbar, TB_ISBUTTONENABLED, Highlight, 0));
    command(e);
}

} // namespace
