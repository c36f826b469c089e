// The plug-in DLL as the host sees it: loaded from a folder of its own with
// the English library, its exports called on editor windows' threads.
#include "base/str.h"
#include "host/editor_thread.h"
#include "tests/wine/loaded_plugin_test.h"
#include "tests/wine/plugin_test_support.h"

#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <memory>
#include <vector>

namespace {
using namespace plugin_test;

using EntryPoint = BOOL(WINAPI*)(HINSTANCE, DWORD, LPVOID);

// The library's entry point, which the loader calls when a thread ends.
EntryPoint entryPoint(HMODULE module) {
    if (!module) return nullptr;
    auto base = reinterpret_cast<BYTE*>(module);
    auto nt = reinterpret_cast<IMAGE_NT_HEADERS*>(base + reinterpret_cast<IMAGE_DOS_HEADER*>(base)->e_lfanew);
    return reinterpret_cast<EntryPoint>(base + nt->OptionalHeader.AddressOfEntryPoint);
}

class PluginExports : public LoadedPluginTest {
protected:
    EditorThread& editor(const std::wstring& file = L"", u16 text = u"one\r\ntwo\r\n") {
        EditorWindowOptions o;
        o.path = file;
        o.text = std::move(text);
        o.show = SW_SHOWNOACTIVATE;
        editors.push_back(std::make_unique<EditorThread>(o));
        EXPECT_TRUE(editors.back()->started());
        return *editors.back();
    }
    // Runs fn on the editor's thread, as the host calls its plug-in.
    void on(EditorThread& e, const std::function<void()>& fn) {
        ASSERT_TRUE(e.run([&](EditorView&) { fn(); }));
    }
    bool checked(EditorThread& e) {
        BOOL flag = 7;
        BOOL result = FALSE;
        on(e, [&] { result = loader.queryStatus(e.editor(), &flag); });
        EXPECT_EQ(result, TRUE);
        EXPECT_TRUE(flag == 0 || flag == 1);
        return flag == 1;
    }
    LRESULT command(EditorThread& e) {
        LRESULT r = 0;
        on(e, [&] { r = loader.onCommand(e.editor()); });
        return r;
    }
    LRESULT events(EditorThread& e, UINT bits, LPARAM lParam = 0) {
        LRESULT r = 0;
        on(e, [&] { r = loader.onEvents(e.editor(), bits, lParam); });
        return r;
    }
    int iniVersion() {
        return GetPrivateProfileIntW(L"ini", L"Version", -1, path(dir, L"Vexa2.ini").c_str());
    }
};

TEST_F(PluginExports, IdentityResourcesAndFreshSharedSection) {
    load();
    EXPECT_EQ(loader.getMenuTextID(), 1u);
    EXPECT_EQ(loader.getStatusMessageID(), 2u);
    EXPECT_EQ(loader.getBitmapID(), 101u);

    HMODULE m = loader.module();
    const wchar_t* strings[] = {L"Vexa 2", L"Helper Plugin for ZivodiVoR Document\nVexa 2", L"Version 2.29 (MBCS)",
                                L"Version 2.29 (Unicode)"};
    for (UINT id = 1; id <= 4; ++id) {
        wchar_t buf[128] = {};
        LoadStringW(m, id, buf, 128);
        EXPECT_STREQ(buf, strings[id - 1]) << id;
    }
    for (int id = 101; id <= 106; ++id) {
        HRSRC r = FindResourceW(m, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(2) /* RT_BITMAP */);
        ASSERT_NE(r, nullptr) << id;
        auto info = static_cast<const BITMAPINFOHEADER*>(LockResource(LoadResource(m, r)));
        LONG side = id <= 103 ? 16 : 24;
        EXPECT_EQ(info->biWidth, side) << id;
        EXPECT_EQ(info->biHeight, side) << id;
        EXPECT_EQ(info->biBitCount, 4) << id; // 16 colours
    }
    EXPECT_NE(LoadCursorW(m, MAKEINTRESOURCEW(126)), nullptr);
    EXPECT_NE(LoadCursorW(m, MAKEINTRESOURCEW(127)), nullptr);
    EXPECT_NE(FindResourceW(m, MAKEINTRESOURCEW(125), MAKEINTRESOURCEW(5) /* RT_DIALOG */), nullptr);

    // Initialized from the file, not zero-filled: -1 positions, generation 1.
    SharedState want = initialSharedState();
    EXPECT_EQ(std::memcmp(shared, &want, sizeof want), 0);
}

TEST_F(PluginExports, PlugInProcAnswers) {
    load();
    EditorThread& e = editor();
    auto proc = [&](UINT code, WPARAM w = 0, LPARAM l = 0) {
        LRESULT r = -99;
        on(e, [&] { r = loader.plugInProc(e.editor(), code, w, l); });
        return r;
    };
    EXPECT_EQ(proc(2304), 1);
    EXPECT_EQ(proc(2310), 1);
    {
        // The settings sheet opens over the editor; closed, the answer is 1.
        Watcher user([](const SeenBox&) { return IDCANCEL; });
        EXPECT_EQ(proc(2305), 1);
        user.stop();
        auto seen = user.seen();
        ASSERT_EQ(seen.size(), 1u);
        EXPECT_EQ(seen[0].caption, englishMessage(0x11F0001));
    }
    EXPECT_EQ(proc(2306), 0);
    EXPECT_EQ(proc(2308), 0);
    EXPECT_EQ(proc(2313), 0);
    EXPECT_EQ(proc(2303), 0);
    EXPECT_EQ(proc(2315), 0);
    EXPECT_EQ(proc(0), 0);

    wchar_t buf[128];
    wmemset(buf, L'#', 128);
    EXPECT_EQ(proc(2307, 128, reinterpret_cast<LPARAM>(buf)), 7);
    EXPECT_STREQ(buf, L"Vexa 2");
    wmemset(buf, L'#', 128);
    EXPECT_EQ(proc(2307, 3, reinterpret_cast<LPARAM>(buf)), 7); // cut to the buffer, length still told
    EXPECT_STREQ(buf, L"Ve");
    EXPECT_EQ(buf[3], L'#');
    EXPECT_EQ(proc(2307, 128, 0), 7);
    wmemset(buf, L'#', 128);
    EXPECT_EQ(proc(2309, 128, reinterpret_cast<LPARAM>(buf)), 23);
    EXPECT_STREQ(buf, L"Version 2.29 (Unicode)");

    EXPECT_EQ(proc(2312, 0x201), 104);
    EXPECT_EQ(proc(2312, 0x001), 105);
    EXPECT_EQ(proc(2312, 0x101), 106);
    EXPECT_EQ(proc(2312, 0x200), 102);
    EXPECT_EQ(proc(2312, 0x100), 103);
    EXPECT_EQ(proc(2312, 0x000), 101);

    EXPECT_EQ(proc(2314, 1), 1);
    EXPECT_EQ(proc(2314, 2), 0);
    EXPECT_EQ(proc(2314, 3), 5000);
    EXPECT_EQ(proc(2314, 4), 1);
    EXPECT_EQ(proc(2314, 5), 1);
    EXPECT_EQ(proc(2314, 6), 1);
    EXPECT_EQ(proc(2314, 7), 0);
}

TEST_F(PluginExports, YesNoQuestionDefaultsToNo) {
    load();
    EditorThread& e = editor();
    for (int answer : {IDYES, IDNO}) {
        Watcher watcher([&](const SeenBox&) { return answer; });
        LRESULT r = -1;
        on(e, [&] { r = loader.plugInProc(e.editor(), 2311, 0, 0); });
        watcher.stop();
        EXPECT_EQ(r, answer == IDYES ? 1 : 0);
        auto seen = watcher.seen();
        ASSERT_EQ(seen.size(), 1u);
        EXPECT_EQ(seen[0].text, englishMessage(0x1010001));
        EXPECT_EQ(seen[0].caption, englishMessage(0x1000002));
        EXPECT_EQ(seen[0].defaultButton, IDNO);
    }
}

TEST_F(PluginExports, CommandTogglesTheWindowOfItsThreadOnly) {
    load();
    EditorThread& a = editor();
    EditorThread& b = editor();
    EXPECT_FALSE(checked(a));
    command(a);
    EXPECT_TRUE(checked(a));
    EXPECT_FALSE(checked(b));
    EXPECT_EQ(openWindows(), 1);
    command(b);
    EXPECT_EQ(openWindows(), 2);
    command(a);
    EXPECT_FALSE(checked(a));
    EXPECT_TRUE(checked(b));
    EXPECT_EQ(openWindows(), 1);
}

TEST_F(PluginExports, ClosingEventsCloseTheWindow) {
    load();
    EditorThread& e = editor();
    for (UINT bit : {0x800u, 0x20000u}) {
        command(e);
        ASSERT_TRUE(checked(e));
        EXPECT_EQ(events(e, bit), 0);
        EXPECT_FALSE(checked(e)) << bit;
        EXPECT_EQ(openWindows(), 0);
    }
    EXPECT_EQ(events(e, 0x800), 0); // nothing open: nothing happens
    EXPECT_FALSE(checked(e));
}

// The loader's notice that a thread ends is given here while the thread
// still runs, so that it can show what the plug-in left on it: a host
// command that switches the search highlighting off reaches the plug-in
// only through the thread's hooks. The hook handles and the context itself
// lie behind the library's boundary; the Teardown tests check them through
// the same entry point, in-process.
TEST_F(PluginExports, ThreadEndDestroysItsContext) {
    load();
    EditorThread& e = editor();
    command(e);
    EXPECT_EQ(openWindows(), 1);
    auto highlightSurvivesHostCommand = [&] {
        shared->highlightOn = 1;
        PostMessageW(e.frame(), WM_COMMAND, MAKEWPARAM(4201, 0), 0);
        std::atomic<bool> done{false};
        std::function<void(EditorView&)> marker = [&](EditorView&) { done = true; };
        PostMessageW(e.editor(), EditorView::RunOnThread, 0, reinterpret_cast<LPARAM>(&marker));
        EXPECT_TRUE(host_test::waitFor([&] { return done.load(); }));
        return shared->highlightOn == 1;
    };
    ASSERT_FALSE(highlightSurvivesHostCommand());   // hooked while the window is open

    auto entry = entryPoint(loader.module());
    ASSERT_NE(entry, nullptr);
    on(e, [&] { entry(loader.module(), DLL_THREAD_DETACH, nullptr); });
    EXPECT_EQ(openWindows(), 0);
    EXPECT_TRUE(highlightSurvivesHostCommand()) << "a hook outlived the thread's context";
}

// A host may unload the plug-in while a toolbar is open and keep running:
// nothing of the plug-in may stay hooked into its keys and clicks.
TEST_F(PluginExports, UnloadingWithTheToolbarOpenLeavesTheHostWorking) {
    load();
    EditorThread& e = editor();
    command(e);
    ASSERT_TRUE(checked(e));
    auto bands = [&] { return static_cast<int>(SendMessageW(e.rebar(), RB_GETBANDCOUNT, 0, 0)); };
    ASSERT_EQ(bands(), 2);   // the host's own and the docked toolbar
    // The host unloads on the thread that shows the toolbar.
    on(e, [&] { loader.unload(); });
    shared = nullptr;
    EXPECT_EQ(GetModuleHandleW(L"vexa2.dll"), nullptr);
    EXPECT_EQ(bands(), 1);

    on(e, [&] {
        SetForegroundWindow(e.frame());
        SetFocus(e.editor());
    });
    ASSERT_TRUE(host_test::waitFor([&] { return GetForegroundWindow() == e.frame(); }));
    RECT r{};
    GetWindowRect(e.editor(), &r);
    auto click = [&](DWORD flags) {
        INPUT in{};
        in.type = INPUT_MOUSE;
        in.mi.dx = ((r.left + r.right) / 2) * 65535 / (GetSystemMetrics(SM_CXSCREEN) - 1);
        in.mi.dy = ((r.top + r.bottom) / 2) * 65535 / (GetSystemMetrics(SM_CYSCREEN) - 1);
        in.mi.dwFlags = flags | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE;
        return in;
    };
    auto key = [](WORD vk, bool up) {
        INPUT in{};
        in.type = INPUT_KEYBOARD;
        in.ki.wVk = vk;
        in.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
        return in;
    };
    std::vector<INPUT> inputs = {click(MOUSEEVENTF_LEFTDOWN), click(MOUSEEVENTF_LEFTUP), key('A', false),
                                 key('A', true), key('B', false), key('B', true)};
    ASSERT_EQ(SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT)), inputs.size());
    u16 text;
    EXPECT_TRUE(host_test::waitFor([&] {
        if (!e.run([&](EditorView& v) { text = v.document().model.text(); })) return true;   // thread gone
        return text.find(u"ab") != u16::npos;
    })) << "got: " << str::toUtf8(text);
    EXPECT_NE(text.find(u"ab"), u16::npos);
    // Still the same host: its thread answers and nothing reloaded the plug-in.
    EXPECT_TRUE(e.run([](EditorView&) {}));
    EXPECT_EQ(GetModuleHandleW(L"vexa2.dll"), nullptr);

    // The host ends that thread and loads the plug-in again; a thread that
    // opens the toolbar and ends walks the loader's module list, which the
    // unload must have left whole.
    editors.clear();
    load();
    EditorThread& again = editor();
    command(again);
    EXPECT_TRUE(checked(again));
    editors.clear();
    EXPECT_TRUE(loader.module());
}

TEST_F(PluginExports, ActivationStartsThePlugInForTeXFiles) {
    ASSERT_TRUE(dir.makeFolder(u"My Papers"));
    ASSERT_TRUE(dir.write(u"My Papers\\thesis.TEX", "\\documentclass{article}\r\n"));
    ASSERT_TRUE(dir.write(u"My Papers\\my thesis.tex", "x\r\n"));
    ASSERT_TRUE(dir.write(u"My Papers\\notes.txt", "x\r\n"));
    load();
    EditorThread& tex = editor(path(dir, L"My Papers\\thesis.TEX"));
    EditorThread& spaced = editor(path(dir, L"My Papers\\my thesis.tex"));
    EditorThread& text = editor(path(dir, L"My Papers\\notes.txt"));
    EditorThread& untitled = editor();

    EXPECT_EQ(events(tex, 0x40000), 0); // a document switch does not start it
    EXPECT_FALSE(checked(tex));
    events(tex, 0x8000);
    EXPECT_TRUE(checked(tex));
    events(tex, 0x8000); // already open: stays open
    EXPECT_TRUE(checked(tex));
    for (EditorThread* e : {&spaced, &text, &untitled}) {
        events(*e, 0x8000);
        EXPECT_FALSE(checked(*e));
    }
}

TEST_F(PluginExports, AutoStartCanBeSwitchedOff) {
    ASSERT_TRUE(dir.write(u"Vexa2.ini", "[BasicSettings]\r\nAutoExecute=0\r\n"));
    ASSERT_TRUE(dir.write(u"paper.tex", "x\r\n"));
    load();
    EditorThread& e = editor(path(dir, L"paper.tex"));
    events(e, 0x8000);
    EXPECT_FALSE(checked(e));
}

TEST_F(PluginExports, OldSettingsAreReportedOnceAndStamped) {
    ASSERT_TRUE(dir.write(u"Vexa2.ini", "[ini]\r\nVersion=20000\r\n"));
    load();
    EditorThread& e = editor();
    {
        Watcher watcher;
        command(e);
        watcher.stop();
        auto seen = watcher.seen();
        ASSERT_EQ(seen.size(), 1u);
        EXPECT_EQ(seen[0].text, englishMessage(0x1010002));
        EXPECT_EQ(seen[0].caption, englishMessage(0x1000002));
    }
    EXPECT_TRUE(checked(e)); // the command went on after the message
    EXPECT_EQ(iniVersion(), 21294);
    Watcher quiet;
    command(e);
    quiet.stop();
    EXPECT_TRUE(quiet.seen().empty());
}

TEST_F(PluginExports, CurrentOrNewerSettingsSayNothing) {
    load();
    EditorThread& e = editor();
    for (const char* ini : {"", "[ini]\r\nVersion=21294\r\n", "[ini]\r\nVersion=30000\r\n"}) {
        if (*ini) {
            ASSERT_TRUE(dir.write(u"Vexa2.ini", ini));
        }
        Watcher watcher;
        command(e);
        watcher.stop();
        EXPECT_TRUE(watcher.seen().empty()) << ini;
        EXPECT_EQ(iniVersion(), 21294) << ini;
    }
}

TEST_F(PluginExports, PendingJumpIsTakenByTheNextActivatedWindow) {
    load();
    u16 text;
    for (int i = 0; i < 60; ++i) text += u"some line of text\r\n";
    EditorThread& asker = editor();
    EditorThread& target = editor(L"", text);
    (void)asker;
    {
        HANDLE m = OpenMutexW(SYNCHRONIZE, FALSE, L"Vexa2MutexJump");
        ASSERT_NE(m, nullptr);
        WaitForSingleObject(m, INFINITE);
        shared->pendingJumpKind = 1;
        shared->pendingJumpX = 4;
        shared->pendingJumpY = 30;
        shared->pendingJumpRequester = 0x1234;
        ReleaseMutex(m);
        CloseHandle(m);
    }
    EXPECT_EQ(events(target, 0x40), 0); // an idle event leaves it pending
    EXPECT_EQ(shared->pendingJumpKind, 1);
    EXPECT_NE(events(target, 0x2000), 0);
    Position caret, scroll;
    ASSERT_TRUE(target.run([&](EditorView& v) {
        caret = v.document().model.caret();
        scroll = v.document().model.GetScrollPos();
    }));
    EXPECT_EQ(caret, (Position{4, 30}));
    EXPECT_EQ(scroll.y, 25);
    EXPECT_EQ(shared->pendingJumpKind, 0);
    EXPECT_EQ(shared->pendingJumpX, -1);
    EXPECT_EQ(shared->pendingJumpY, -1);
    EXPECT_EQ(shared->pendingJumpRequester, 0u);
    EXPECT_EQ(events(target, 0x8000), 0); // taken once only
}

} // namespace
