// The host as a program: windows on their own threads, typed keys through
// the message loop, the plug-in loaded and toggled, the rebar, files opened
// from the command line and further instances started.
#include "base/str.h"
#include "frame/host_messages.h"
#include "frame/win32/window_editor.h"
#include "host/command_line.h"
#include "host/editor_thread.h"
#include "tests/wine/plugin_test_support.h"
#include "host/frame_window.h"
#include "host/instance_launcher.h"
#include "host_test_support.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

namespace {

u16 documentText(EditorThread& w) {
    u16 t;
    w.run([&](EditorView& v) { t = v.document().model.text(); });
    return t;
}

TEST(HostWindow, TwoWindowsOnTwoThreadsWorkAtOnce) {
    EditorWindowOptions options;
    options.show = SW_HIDE;
    EditorThread a(options), b(options);
    ASSERT_TRUE(a.started() && b.started());
    EXPECT_NE(GetWindowThreadProcessId(a.editor(), nullptr), GetWindowThreadProcessId(b.editor(), nullptr));
    EXPECT_NE(GetWindowThreadProcessId(a.editor(), nullptr), GetCurrentThreadId());

    auto typeInto = [](HWND editor, u16 piece) {
        WindowEditor ed(editor);
        for (int i = 0; i < 200; ++i) ed.InsertText(piece);
    };
    std::thread ta(typeInto, a.editor(), u"a"), tb(typeInto, b.editor(), u"b\n");
    ta.join();
    tb.join();
    EXPECT_EQ(documentText(a), u16(200, u'a'));
    WindowEditor eb(b.editor());
    EXPECT_EQ(eb.GetLineCount(), 201);
    EXPECT_EQ(eb.GetLineText(199), u"b");
}

// A thread keyboard hook of the window's thread, as the plug-in installs.
std::atomic<int> g_hookedKeyDowns{0};
LRESULT CALLBACK countKeys(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION && !(lParam & 0x80000000)) ++g_hookedKeyDowns;
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

INPUT key(WORD vk, bool up) {
    INPUT in{};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = vk;
    in.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    return in;
}
INPUT unicodeKey(wchar_t c, bool up) {
    INPUT in{};
    in.type = INPUT_KEYBOARD;
    in.ki.wScan = c;
    in.ki.dwFlags = KEYEVENTF_UNICODE | (up ? KEYEVENTF_KEYUP : 0);
    return in;
}

TEST(HostWindow, TypedKeysReachTheDocumentAndTheThreadHook) {
    EditorWindowOptions options;
    options.text = u"x";
    EditorThread w(options);
    ASSERT_TRUE(w.started());
    HHOOK hook = nullptr;
    g_hookedKeyDowns = 0;
    w.run([&](EditorView& v) {
        hook = SetWindowsHookExW(WH_KEYBOARD, countKeys, nullptr, GetCurrentThreadId());
        SetForegroundWindow(GetParent(v.hwnd()));
        SetFocus(v.hwnd());
        v.document().model.RunHostCommand(hostmsg::CmdCaretDocumentEnd);
    });
    ASSERT_NE(hook, nullptr);
    ASSERT_TRUE(host_test::waitFor([&] { return GetForegroundWindow() == w.frame(); }));

    // Real input: keys go through the input queue of the foreground thread.
    std::vector<INPUT> inputs = {key('A', false), key('A', true),         key(VK_RETURN, false), key(VK_RETURN, true),
                                 key('B', false), key('B', true),         key('C', false),       key('C', true),
                                 key(VK_BACK, false), key(VK_BACK, true), unicodeKey(L'語', false), unicodeKey(L'語', true)};
    ASSERT_EQ(SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT)), inputs.size());
    EXPECT_TRUE(host_test::waitFor([&] { return documentText(w) == u"xa\r\nb語"; }, 10000)) << "got: " << str::toUtf8(documentText(w));
    EXPECT_GE(g_hookedKeyDowns.load(), 5);
    w.run([&](EditorView&) { UnhookWindowsHookEx(hook); });
}

TEST(HostWindow, RebarHasTheHostsOwnBandAndTakesAnother) {
    EditorWindowOptions options;
    options.show = SW_HIDE;
    EditorThread w(options);
    wchar_t cls[64] = {};
    GetClassNameW(w.rebar(), cls, 64);
    EXPECT_STREQ(cls, L"ReBarWindow32");
    EXPECT_EQ(GetParent(w.rebar()), w.frame());
    ASSERT_EQ(SendMessageW(w.rebar(), RB_GETBANDCOUNT, 0, 0), 1);
    REBARBANDINFOW band{};
    band.cbSize = sizeof band;
    band.fMask = RBBIM_CHILD;
    SendMessageW(w.rebar(), RB_GETBANDINFOW, 0, reinterpret_cast<LPARAM>(&band));
    EXPECT_EQ(band.hwndChild, w.toolbar());

    // A plug-in docks its own band beside the host's, on the window's thread.
    w.run([&](EditorView&) {
        HWND child = CreateWindowExW(0, L"STATIC", L"band", WS_CHILD | WS_VISIBLE, 0, 0, 100, 20, w.rebar(), nullptr,
                                     GetModuleHandleW(nullptr), nullptr);
        REBARBANDINFOW extra{};
        extra.cbSize = sizeof extra;
        extra.fMask = RBBIM_CHILD | RBBIM_CHILDSIZE | RBBIM_SIZE;
        extra.hwndChild = child;
        extra.cxMinChild = 100;
        extra.cyMinChild = 20;
        extra.cx = 120;
        SendMessageW(w.rebar(), RB_INSERTBANDW, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&extra));
    });
    EXPECT_EQ(SendMessageW(w.rebar(), RB_GETBANDCOUNT, 0, 0), 2);
}

TEST(HostPlugin, CommandTogglesAndQueryStatusChecksMenuAndButton) {
    // A private copy: the plug-in writes its settings beside itself, and
    // dist/ must stay as a user installs it.
    TempDir installed;
    ASSERT_TRUE(plugin_test::install(installed, plugin_test::Language::EnglishConfigured))
        << "dist\\vexa2.dll not found above the test program";
    std::wstring dll = plugin_test::path(installed, L"vexa2.dll");
    PluginHost plugin;
    ASSERT_TRUE(plugin.load(dll));
    EditorWindowOptions options;
    options.plugin = &plugin;
    options.show = SW_HIDE;
    EditorThread a(options), b(options);
    ASSERT_TRUE(a.started() && b.started());

    auto buttonChecked = [](EditorThread& w) {
        return SendMessageW(w.toolbar(), TB_ISBUTTONCHECKED, FrameWindow::IdPlugin, 0) != 0;
    };
    auto menuChecked = [](EditorThread& w) {
        return (GetMenuState(GetMenu(w.frame()), FrameWindow::IdPlugin, MF_BYCOMMAND) & MF_CHECKED) != 0;
    };
    auto pluginSaysOn = [&](EditorThread& w) {
        bool on = false;
        w.run([&](EditorView& v) { on = plugin.checked(v.hwnd()); }); // its state is per thread
        return on;
    };
    EXPECT_TRUE(SendMessageW(a.toolbar(), TB_ISBUTTONENABLED, FrameWindow::IdPlugin, 0));
    EXPECT_FALSE(buttonChecked(a));

    SendMessageW(a.frame(), WM_COMMAND, FrameWindow::IdPlugin, 0); // the toolbar button / menu item
    EXPECT_TRUE(pluginSaysOn(a));
    EXPECT_TRUE(buttonChecked(a));
    EXPECT_TRUE(menuChecked(a));
    EXPECT_FALSE(pluginSaysOn(b)); // the other window's thread is untouched
    EXPECT_FALSE(buttonChecked(b));

    SendMessageW(a.frame(), WM_COMMAND, FrameWindow::IdPlugin, 0);
    EXPECT_FALSE(pluginSaysOn(a));
    EXPECT_FALSE(buttonChecked(a));
    EXPECT_FALSE(menuChecked(a));
}

TEST(HostPlugin, WithoutPluginItsCommandIsDisabled) {
    EditorWindowOptions options;
    options.show = SW_HIDE;
    EditorThread w(options);
    EXPECT_FALSE(SendMessageW(w.toolbar(), TB_ISBUTTONENABLED, FrameWindow::IdPlugin, 0));
    SendMessageW(w.frame(), WM_COMMAND, FrameWindow::IdPlugin, 0); // does nothing, breaks nothing
    EXPECT_EQ(WindowEditor(w.editor()).GetLineCount(), 1);
}

TEST(HostFiles, InverseSearchOptionPutsTheCaretOnTheLine) {
    TempDir dir;
    ASSERT_TRUE(dir.write(u"jump.tex", "l1\r\nl2\r\nl3\r\nl4\r\n"));
    std::wstring path = wide::w(dir.file(u"jump.tex"));
    HostCommandLine cmd = command_line::parse({L"/l", L"3", path});
    ASSERT_EQ(cmd.files.size(), 1u);
    EditorWindowOptions options;
    options.path = cmd.files[0].path;
    options.caretLine = cmd.files[0].line;
    options.show = SW_HIDE;
    EditorThread w(options);
    WindowEditor ed(w.editor());
    EXPECT_EQ(ed.GetCaretPos(PosKind::Logical), (Position{0, 2}));
    EXPECT_EQ(ed.GetLineText(2), u"l3");
    wchar_t title[256] = {};
    GetWindowTextW(w.frame(), title, 256);
    EXPECT_EQ(std::wstring(title), L"jump.tex - Host Editor");
}

TEST(HostFiles, MissingFileOpensEmptyUnderItsName) {
    TempDir dir;
    std::wstring path = wide::w(dir.file(u"new.tex"));
    EditorWindowOptions options;
    options.path = path;
    options.show = SW_HIDE;
    EditorThread w(options);
    WindowEditor ed(w.editor());
    EXPECT_EQ(ed.GetDocumentPath(), wide::u(path.c_str()));
    EXPECT_EQ(ed.GetLineCount(), 1);
    ed.InsertText(u"made");
    ed.RunHostCommand(hostmsg::CmdSave);
    EXPECT_EQ(dir.read(u"new.tex"), "\xEF\xBB\xBFmade");
}

TEST(HostFiles, TooLargeFileIsRefusedAndLeftAlone) {
    TempDir dir;
    std::wstring path = wide::w(dir.file(u"huge.tex"));
    HANDLE h = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    LARGE_INTEGER size;
    size.QuadPart = document_file::MaxBytes + 1;
    SetFilePointerEx(h, size, nullptr, FILE_BEGIN);
    SetEndOfFile(h);
    CloseHandle(h);

    EditorWindowOptions options;
    options.path = path;
    options.show = SW_HIDE;
    EditorThread w(options);
    ASSERT_TRUE(w.started());
    WindowEditor ed(w.editor());
    EXPECT_EQ(ed.GetDocumentPath(), u""); // not taken over, so never saved over
    EXPECT_NE(host_test::statusText(w.statusBar()).find(L"Too large"), std::wstring::npos);
    WIN32_FILE_ATTRIBUTE_DATA info{};
    ASSERT_TRUE(GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &info));
    EXPECT_EQ(info.nFileSizeLow, document_file::MaxBytes + 1);
}

TEST(HostInstances, LaunchOpensTheFileInAnotherProcess) {
    TempDir dir;
    ASSERT_TRUE(dir.write(u"launched.tex", "one\r\ntwo\r\nthree"));
    std::wstring exe = host_test::binFolder() + L"hostedit.exe";
    ASSERT_TRUE(instance_launcher::launch(exe, {L"/l", L"2", wide::w(dir.file(u"launched.tex"))}));
    HWND frame = nullptr;
    ASSERT_TRUE(host_test::waitFor(
        [&] { return (frame = FindWindowW(FrameWindow::ClassName, L"launched.tex - Host Editor")) != nullptr; },
        30000));
    DWORD pid = 0;
    GetWindowThreadProcessId(frame, &pid);
    EXPECT_NE(pid, GetCurrentProcessId());
    // Messages without pointers work across processes.
    HWND editor = FindWindowExW(frame, nullptr, EditorView::ClassName, nullptr);
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(SendMessageW(editor, hostmsg::GetLineCount, 2, 0), 3);
    EXPECT_EQ(SendMessageW(editor, hostmsg::IsDocumentModified, 0, 0), 0);
    PostMessageW(frame, WM_CLOSE, 0, 0); // unmodified: closes without asking
    EXPECT_TRUE(host_test::waitFor([&] { return !IsWindow(frame); }, 10000));
}

} // namespace
