// The easy-support keys typed into the stand-in host's editor: Shift+Space
// after a reference or citation command opens the popup of the document's
// labels or keys (read from every file of the document), the popup takes
// the following keys and puts the chosen name in; Shift+Enter continues a
// list. Also run in the Japanese prefix, where text composed through the
// input method must reach the document untouched.
#include "base/str.h"
#include "tests/wine/typing_test_support.h"

#include <commctrl.h>
#include <imm.h>

namespace {
using namespace typing_test;
using host_test::waitFor;

constexpr int ListId = 1205;

class EasySupportKeys : public TypingTest {
protected:
    void SetUp() override {
        TypingTest::SetUp();
        setting(L"BasicSettings", L"Window", L"2");
    }

    // The open popup of the editor's thread: the visible window whose list
    // is virtual (the detail window has a plain list of the same id).
    static HWND popup(EditorThread& e) {
        struct Find {
            HWND found = nullptr;
            static BOOL CALLBACK visit(HWND w, LPARAM self) {
                HWND list = GetDlgItem(w, ListId);
                if (IsWindowVisible(w) && list && (GetWindowLongW(list, GWL_STYLE) & LVS_OWNERDATA)) {
                    reinterpret_cast<Find*>(self)->found = w;
                    return FALSE;
                }
                return TRUE;
            }
        } find;
        EnumThreadWindows(e.threadId(), &Find::visit, reinterpret_cast<LPARAM>(&find));
        return find.found;
    }
    // The visible detail window beside a key list, if any.
    static HWND detail(EditorThread& e, HWND popupWindow) {
        struct Find {
            HWND popup;
            HWND found = nullptr;
            static BOOL CALLBACK visit(HWND w, LPARAM self) {
                auto* f = reinterpret_cast<Find*>(self);
                HWND list = GetDlgItem(w, ListId);
                if (w != f->popup && IsWindowVisible(w) && list && !(GetWindowLongW(list, GWL_STYLE) & LVS_OWNERDATA)) {
                    f->found = w;
                    return FALSE;
                }
                return TRUE;
            }
        } find{popupWindow};
        EnumThreadWindows(e.threadId(), &Find::visit, reinterpret_cast<LPARAM>(&find));
        return find.found;
    }
    static std::vector<std::wstring> rows(HWND window) {
        HWND list = GetDlgItem(window, ListId);
        std::vector<std::wstring> out;
        int n = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
        for (int i = 0; i < n; ++i) {
            wchar_t buffer[256] = {};
            LVITEMW item{};
            item.iSubItem = 0;
            item.pszText = buffer;
            item.cchTextMax = 256;
            SendMessageW(list, LVM_GETITEMTEXTW, i, reinterpret_cast<LPARAM>(&item));
            std::wstring row = buffer;
            if (columns(list) < 2) {
                out.push_back(row);
                continue;
            }
            item.iSubItem = 1;
            buffer[0] = 0;
            SendMessageW(list, LVM_GETITEMTEXTW, i, reinterpret_cast<LPARAM>(&item));
            if (buffer[0]) row += std::wstring(L"=") + buffer;
            out.push_back(row);
        }
        return out;
    }
    static int columns(HWND list) {
        return static_cast<int>(SendMessageW(reinterpret_cast<HWND>(SendMessageW(list, LVM_GETHEADER, 0, 0)),
                                             HDM_GETITEMCOUNT, 0, 0));
    }
    static int selectedRow(HWND window) {
        return static_cast<int>(
            SendMessageW(GetDlgItem(window, ListId), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
    }
    // Waits until the editor's text is want.
    bool textBecomes(EditorThread& e, const u16& want, u16& now) {
        return waitFor([&] {
            now = text(e);
            return now == want;
        });
    }
};

std::string utf8(const std::wstring& w) { return str::toUtf8(wide::u(w.c_str())); }

std::string joined(const std::vector<std::wstring>& rows) {
    std::string out;
    for (const std::wstring& r : rows) out += utf8(r) + "|";
    return out;
}

TEST_F(EasySupportKeys, LabelsOfBothFilesFilteredByALetterAndInserted) {
    ASSERT_TRUE(dir.write(u"chapter.tex", "\\section{One}\\label{sec:one}\r\n"
                                          "\\begin{figure}\\label{fig:plot}\\end{figure}\r\n"));
    load();
    EditorThread& e = open(L"main.tex", "\\begin{document}\r\n\\input{chapter}\r\n"
                                        "\\begin{equation}\\label{eq:sum}\\end{equation}\r\n"
                                        "See \\ref{\r\n\\end{document}\r\n");
    setCaret(e, Position{9, 3});
    // Where the editor shows the caret (its system caret goes with the focus).
    GUITHREADINFO gui{};
    gui.cbSize = sizeof gui;
    ASSERT_TRUE(waitFor([&] {
        return GetGUIThreadInfo(e.threadId(), &gui) && gui.hwndCaret == e.editor() && gui.rcCaret.left > 40;
    }));
    RECT caretRect = gui.rcCaret;
    MapWindowPoints(gui.hwndCaret, nullptr, reinterpret_cast<POINT*>(&caretRect), 2);
    type(chord({VK_SHIFT}, VK_SPACE));
    HWND p = nullptr;
    ASSERT_TRUE(waitFor([&] { return (p = popup(e)) != nullptr; })) << "the popup opened";
    std::vector<std::wstring> all;
    EXPECT_TRUE(waitFor([&] {
        all = rows(p);
        return all.size() == 3;
    })) << joined(all);
    EXPECT_EQ(all, (std::vector<std::wstring>{L"sec:one", L"fig:plot", L"eq:sum"})) << "document order";
    EXPECT_EQ(selectedRow(p), 0);
    RECT own{};
    GetWindowRect(p, &own);
    EXPECT_EQ(own.left, caretRect.left) << "at the caret";
    EXPECT_TRUE(own.top >= caretRect.bottom || own.bottom <= caretRect.top) << "the caret's line stays visible";

    type(chord({}, 'F'));
    EXPECT_TRUE(waitFor([&] { return rows(p) == std::vector<std::wstring>{L"fig:plot"}; })) << joined(rows(p));
    type(chord({}, VK_RETURN));
    u16 now;
    EXPECT_TRUE(textBecomes(e, u"\\begin{document}\r\n\\input{chapter}\r\n"
                               u"\\begin{equation}\\label{eq:sum}\\end{equation}\r\n"
                               u"See \\ref{fig:plot\r\n\\end{document}\r\n",
                            now))
        << str::toUtf8(now);
    EXPECT_TRUE(waitFor([&] { return popup(e) == nullptr; })) << "the popup closed";
    EXPECT_EQ(caret(e), (Position{17, 3}));
    HWND focus = nullptr;
    on(e, [&](EditorView&) { focus = GetFocus(); });
    EXPECT_EQ(focus, e.editor()) << "the editor has the keyboard again";
}

TEST_F(EasySupportKeys, KeyListAfterACommaShowsTheEntryAndInsertsTheChosenKey) {
    ASSERT_TRUE(dir.write(u"refs.bib", "@article{knuth84, title = {Literate Programming}, year = 1984}\r\n"
                                       "@book{lamport94, title = {A Document Preparation System}}\r\n"));
    load();
    EditorThread& e = open(L"cite.tex", "As in \\cite{a,\r\n\\bibliography{refs}\r\n");
    setCaret(e, Position{14, 0});
    type(chord({VK_SHIFT}, VK_SPACE));
    HWND p = nullptr;
    ASSERT_TRUE(waitFor([&] { return (p = popup(e)) != nullptr; }));
    EXPECT_TRUE(waitFor([&] { return rows(p) == std::vector<std::wstring>{L"knuth84", L"lamport94"}; }))
        << joined(rows(p));
    HWND d = nullptr;
    EXPECT_TRUE(waitFor([&] { return (d = detail(e, p)) != nullptr; })) << "the entry is shown beside the list";
    if (d) {
        std::vector<std::wstring> fields = rows(d);
        EXPECT_EQ(fields, (std::vector<std::wstring>{L"Entry type=article", L"title=Literate Programming",
                                                     L"year=1984"}))
            << joined(fields);
        RECT pr{}, dr{};
        GetWindowRect(p, &pr);
        GetWindowRect(d, &dr);
        EXPECT_TRUE(dr.left >= pr.right || dr.top >= pr.bottom || dr.right <= pr.left || dr.bottom <= pr.top)
            << "beside the popup, not over it";
    }

    type(chord({}, VK_DOWN));
    EXPECT_TRUE(waitFor([&] { return selectedRow(p) == 1; }));
    EXPECT_TRUE(waitFor([&] {
        HWND now = detail(e, p);
        return now && rows(now).size() == 2 && rows(now)[1] == L"title=A Document Preparation System";
    })) << "the detail follows the selection";
    type(chord({}, VK_RETURN));
    u16 now;
    // The comma typed by the user separates the keys; none is added.
    EXPECT_TRUE(textBecomes(e, u"As in \\cite{a,lamport94\r\n\\bibliography{refs}\r\n", now)) << str::toUtf8(now);
    EXPECT_TRUE(waitFor([&] { return popup(e) == nullptr && detail(e, nullptr) == nullptr; }));
}

TEST_F(EasySupportKeys, EscapeAndAClickElsewhereCloseWithoutInserting) {
    load();
    const char* doc = "\\label{a}\\label{b}\r\n\\ref\r\n";
    EditorThread& e = open(L"close.tex", doc);
    setCaret(e, Position{4, 1});
    type(chord({VK_SHIFT}, VK_SPACE));
    HWND p = nullptr;
    ASSERT_TRUE(waitFor([&] { return (p = popup(e)) != nullptr; }));
    type(chord({}, VK_ESCAPE));
    EXPECT_TRUE(waitFor([&] { return popup(e) == nullptr; }));

    type(chord({VK_SHIFT}, VK_SPACE));
    ASSERT_TRUE(waitFor([&] { return (p = popup(e)) != nullptr; }));
    // A press on the editor, as the hooks see a user's click.
    on(e, [&](EditorView&) { PostMessageW(e.editor(), WM_LBUTTONDOWN, 0, MAKELPARAM(5, 5)); });
    EXPECT_TRUE(waitFor([&] { return popup(e) == nullptr; }));
    u16 now = text(e);
    EXPECT_EQ(now, u"\\label{a}\\label{b}\r\n\\ref\r\n") << str::toUtf8(now);
}

// A click on the list's header takes the next order (and is a click inside
// the popup, so it stays open); the focus going elsewhere closes it.
TEST_F(EasySupportKeys, HeaderClickReordersAndLosingTheFocusCloses) {
    load();
    EditorThread& e = open(L"order.tex", "\\label{b}\\label{c}\\label{a}\r\n\\eqref\r\n");
    setCaret(e, Position{6, 1});
    type(chord({VK_SHIFT}, VK_SPACE));
    HWND p = nullptr;
    ASSERT_TRUE(waitFor([&] { return (p = popup(e)) != nullptr; }));
    EXPECT_TRUE(waitFor([&] { return rows(p) == std::vector<std::wstring>{L"b", L"c", L"a"}; })) << joined(rows(p));

    HWND header = reinterpret_cast<HWND>(SendMessageW(GetDlgItem(p, ListId), LVM_GETHEADER, 0, 0));
    RECT r{};
    GetWindowRect(header, &r);
    SetCursorPos((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    INPUT click[2] = {};
    click[0].type = click[1].type = INPUT_MOUSE;
    click[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    click[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    ASSERT_EQ(SendInput(2, click, sizeof(INPUT)), 2u);
    EXPECT_TRUE(waitFor([&] { return rows(p) == std::vector<std::wstring>{L"a", L"c", L"b"}; }))
        << "reverse document order: " << joined(rows(p));
    wchar_t title[64] = {};
    HDITEMW item{};
    item.mask = HDI_TEXT;
    item.pszText = title;
    item.cchTextMax = 64;
    SendMessageW(header, HDM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item));
    EXPECT_STREQ(title, L"In reverse document order");
    EXPECT_EQ(popup(e), p) << "a click on the popup's own header keeps it open";

    on(e, [&](EditorView&) { SetFocus(e.editor()); });
    EXPECT_TRUE(waitFor([&] { return popup(e) == nullptr; })) << "closed when the list lost the focus";
    EXPECT_EQ(readSetting(L"EasySupport", L"RefSort"), L"<none>") << "the order is kept only on a choice";
}

TEST_F(EasySupportKeys, ShiftEnterContinuesAnItemWithItsIndentation) {
    load();
    EditorThread& e = open(L"items.tex", "\\begin{description}\r\n  \\item[a] text\r\n\\end{description}\r\n");
    setCaret(e, Position{15, 1});
    type(chord({VK_SHIFT}, VK_RETURN));
    u16 now;
    EXPECT_TRUE(textBecomes(e, u"\\begin{description}\r\n  \\item[a] text\r\n  \\item[]\r\n\\end{description}\r\n", now))
        << str::toUtf8(now);
    EXPECT_EQ(caret(e), (Position{8, 2})) << "between the brackets";
}

// Composed text arrives as the input method hands it over: a result in
// WM_IME_COMPOSITION and one WM_CHAR per character. Wine's input method
// cannot be driven from here, so the messages are sent as it would send
// them; the plug-in's hooks see them all the same.
TEST_F(EasySupportKeys, ComposedTextReachesTheDocumentUnchanged) {
    load();
    EditorThread& e = open(L"ime.tex", "\\ref\r\n");
    setCaret(e, Position{4, 0});
    const std::wstring composed = L"\u65e5\u672c\u8a9e\u306e\u6587";   // 日本語の文
    on(e, [&](EditorView&) {
        HWND w = e.editor();
        SendMessageW(w, WM_IME_STARTCOMPOSITION, 0, 0);
        SendMessageW(w, WM_IME_COMPOSITION, composed[0], GCS_COMPSTR);
        for (wchar_t c : composed) PostMessageW(w, WM_CHAR, c, 1);
        PostMessageW(w, WM_IME_COMPOSITION, 0, GCS_RESULTSTR);
        PostMessageW(w, WM_IME_ENDCOMPOSITION, 0, 0);
    });
    u16 now;
    EXPECT_TRUE(textBecomes(e, u"\\ref\u65e5\u672c\u8a9e\u306e\u6587\r\n", now)) << str::toUtf8(now);
    EXPECT_EQ(popup(e), nullptr);
}

// While the editor's input method holds a composition, every key belongs
// to it: Shift+Space opens no popup, even right after \ref, and a key bound
// to a command types its character instead.
TEST_F(EasySupportKeys, NoActionOrShortcutWhileTheInputMethodComposes) {
    setting(L"ShortCut", L"2", std::to_wstring(0x100 | 'Q'));   // Shift+Q: "$" around the caret
    load();
    EditorThread& e = open(L"composing.tex", "\\label{a}\\label{b}\r\n\\ref\r\n");
    setCaret(e, Position{4, 1});
    bool composing = false;
    on(e, [&](EditorView&) {
        HIMC imc = ImmGetContext(e.editor());
        if (!imc) return;
        ImmSetOpenStatus(imc, TRUE);
        DWORD conversion = 0, sentence = 0;
        ImmGetConversionStatus(imc, &conversion, &sentence);
        ImmSetConversionStatus(imc, (conversion | IME_CMODE_NATIVE) & ~IME_CMODE_NOCONVERSION, sentence);
        const wchar_t text[] = L"\u304b";
        ImmSetCompositionStringW(imc, SCS_SETSTR, const_cast<wchar_t*>(text), sizeof text - sizeof(wchar_t),
                                 nullptr, 0);
        composing = ImmGetOpenStatus(imc) && ImmGetCompositionStringW(imc, GCS_COMPATTR, nullptr, 0) > 0;
        ImmReleaseContext(e.editor(), imc);
    });
    if (!composing) GTEST_SKIP() << "this input method cannot hold a composition here";
    type(chord({VK_SHIFT}, VK_SPACE));
    type(chord({VK_SHIFT}, 'Q'));
    type(chord({}, 'X'));   // a marker: once it is in, the keys before it were handled
    u16 now;
    EXPECT_TRUE(waitFor([&] {
        now = text(e);
        return now.find(u'x') != u16::npos || now.find(u'X') != u16::npos;
    })) << str::toUtf8(now);
    EXPECT_EQ(popup(e), nullptr) << "no popup while composing";
    EXPECT_NE(now.find(u'Q'), u16::npos) << str::toUtf8(now);
    EXPECT_EQ(now.find(u'$'), u16::npos) << "no command while composing: " << str::toUtf8(now);
    on(e, [&](EditorView&) {
        if (HIMC imc = ImmGetContext(e.editor())) {
            ImmNotifyIME(imc, NI_COMPOSITIONSTR, CPS_CANCEL, 0);
            ImmSetOpenStatus(imc, FALSE);
            ImmReleaseContext(e.editor(), imc);
        }
    });
}

} // namespace
