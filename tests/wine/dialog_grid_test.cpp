// The table (41038) and array (41039) dialogs of the built plug-in in the
// stand-in host: opened by their commands, filled through their controls,
// and what OK leaves in the document, "save as default" in the settings
// file and a refused size on the screen.
#include "frame/message_ids.h"
#include "lang/resource_ids.h"
#include "tests/wine/language_test_support.h"
#include "tests/wine/mainwindow_test_support.h"

#include <string>

namespace {
using namespace mainwindow_test;

const std::wstring TableCaption = L"Insert Table";
const std::wstring ArrayCaption = L"Insert Array or Matrix";
constexpr DWORD Patience = 20000;   // a loaded machine can take its time

// Where offset falls in text, as the editor counts lines and columns.
Position positionAt(const u16& text, size_t offset) {
    Position p{0, 0};
    for (size_t i = 0; i < offset && i < text.size(); ++i) {
        if (text[i] == u'\n') {
            ++p.y;
            p.x = 0;
        } else if (text[i] != u'\r') {
            ++p.x;
        }
    }
    return p;
}

class GridDialogs : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        setting(L"BasicSettings", L"Window", L"2");
    }
    void TearDown() override {
        // A failed step may leave a dialog or box open on an editor thread.
        for (const std::wstring& caption : {TableCaption, ArrayCaption, warning()})
            if (HWND w = lang_test::findOwnWindow(caption)) PostMessageW(w, WM_COMMAND, IDCANCEL, 0);
        MainWindowTest::TearDown();
    }

    // A document with the main window open on it.
    EditorThread& document(u16 text) {
        load();
        EditorThread& e = editor(std::move(text));
        command(e);
        EXPECT_NE(mainWindow(e), nullptr);
        return e;
    }
    // The command as the toolbar sends it; the dialog that it opens.
    HWND open(EditorThread& e, int command, const std::wstring& caption) {
        PostMessageW(mainWindow(e), WM_COMMAND, MAKEWPARAM(command, BN_CLICKED), 0);
        return waitForWindow(caption);
    }
    static HWND waitForWindow(const std::wstring& caption) {
        HWND w = nullptr;
        host_test::waitFor([&] { return (w = lang_test::findOwnWindow(caption)) != nullptr; }, Patience);
        return w;
    }
    static bool waitGone(HWND w) {
        return host_test::waitFor([&] { return !IsWindow(w); }, Patience);
    }
    // A message box over dialog with this caption (the question caption is
    // also the main window's), or null.
    static HWND boxOver(HWND dialog, const std::wstring& caption) {
        struct Search {
            HWND dialog;
            const std::wstring* caption;
            HWND found = nullptr;
            static BOOL CALLBACK visit(HWND w, LPARAM p) {
                auto* s = reinterpret_cast<Search*>(p);
                wchar_t cls[16] = {};
                GetClassNameW(w, cls, 16);
                if (w == s->dialog || std::wstring(cls) != L"#32770" || !IsWindowVisible(w) ||
                    lang_test::windowText(w) != *s->caption)
                    return TRUE;
                s->found = w;
                return FALSE;
            }
        } search{dialog, &caption};
        EnumThreadWindows(GetWindowThreadProcessId(dialog, nullptr), &Search::visit,
                          reinterpret_cast<LPARAM>(&search));
        return search.found;
    }
    // The message box a button brings up: its text, answered with reply.
    static std::wstring answerBox(HWND dialog, int button, const std::wstring& caption, int reply) {
        PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0);
        HWND box = nullptr;
        host_test::waitFor([&] { return (box = boxOver(dialog, caption)) != nullptr; }, Patience);
        if (!box) return L"<no box>";
        std::wstring text = lang_test::messageBoxText(box);
        PostMessageW(box, WM_COMMAND, MAKEWPARAM(reply, BN_CLICKED), 0);
        waitGone(box);
        // Answered once the dialog's thread takes messages again: the
        // button's handler has then finished.
        SendMessageW(dialog, WM_NULL, 0, 0);
        return text;
    }
    // Ends the dialog with OK or Cancel and waits until it is gone.
    static bool finish(HWND dialog, int button) {
        PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0);
        return waitGone(dialog);
    }

    static void click(HWND dialog, int id) { SendMessageW(GetDlgItem(dialog, id), BM_CLICK, 0, 0); }
    static void type(HWND dialog, int id, const wchar_t* text) { SetDlgItemTextW(dialog, id, text); }
    static bool isChecked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }
    static bool enabled(HWND dialog, int id) { return IsWindowEnabled(GetDlgItem(dialog, id)) != FALSE; }
    static std::wstring boxText(HWND dialog, int id) {
        wchar_t buf[300] = {};
        GetDlgItemTextW(dialog, id, buf, 300);
        return buf;
    }
    // A choice in the environment list as the user makes it: the list tells
    // its dialog that the selection changed.
    static void chooseEnvironment(HWND dialog, int index) {
        HWND list = GetDlgItem(dialog, VEXA_IDC_ARRAY_ENVIRONMENT);
        SendMessageW(list, CB_SETCURSEL, index, 0);
        SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(VEXA_IDC_ARRAY_ENVIRONMENT, CBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(list));
    }

    // The keyboard focus of the editor's thread reaches control in time.
    static bool focusComesTo(EditorThread& e, HWND control) {
        return host_test::waitFor([&] {
            GUITHREADINFO gui{};
            gui.cbSize = sizeof(gui);
            return GetGUIThreadInfo(e.threadId(), &gui) && gui.hwndFocus == control;
        }, Patience);
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
    static std::wstring warning() { return englishMessage(msgid::CaptionWarning); }
    static std::wstring question() { return englishMessage(msgid::CaptionQuestion); }
};

TEST_F(GridDialogs, TableWrapsTheSelectionAndLeavesTheCaretAfterIt) {
    EditorThread& e = document(u"A\r\nsel\r\n");
    on(e, [](EditorView& v) { v.document().model.SetSelection({0, 1}, {3, 1}); });
    HWND d = open(e, 41038, TableCaption);
    ASSERT_NE(d, nullptr);

    // The documented defaults, with nothing stored.
    EXPECT_TRUE(isChecked(d, VEXA_IDC_TABLE_FLOAT));
    EXPECT_TRUE(isChecked(d, VEXA_IDC_TABLE_PLAIN));
    EXPECT_EQ(boxText(d, VEXA_IDC_TABLE_PLACEMENT), L"htbp");
    EXPECT_TRUE(isChecked(d, VEXA_IDC_TABLE_LABEL));
    EXPECT_TRUE(isChecked(d, VEXA_IDC_TABLE_CENTER));
    EXPECT_TRUE(isChecked(d, VEXA_IDC_GRID_ALIGN_CENTER));
    EXPECT_TRUE(isChecked(d, VEXA_IDC_GRID_HLINES));
    EXPECT_TRUE(isChecked(d, VEXA_IDC_GRID_VLINES));
    EXPECT_EQ(boxText(d, VEXA_IDC_GRID_ROWS), L"3");
    EXPECT_EQ(boxText(d, VEXA_IDC_GRID_COLUMNS), L"3");
    EXPECT_EQ(SendDlgItemMessageW(d, VEXA_IDC_GRID_ROWS, EM_GETLIMITTEXT, 0, 0), 3);
    EXPECT_EQ(SendDlgItemMessageW(d, VEXA_IDC_TABLE_CAPTION, EM_GETLIMITTEXT, 0, 0), 260);

    click(d, VEXA_IDC_TABLE_STARRED);
    type(d, VEXA_IDC_TABLE_PLACEMENT, L"t");
    type(d, VEXA_IDC_TABLE_CAPTION, L"Results");
    type(d, VEXA_IDC_TABLE_LABEL_TEXT, L"tab:r");
    click(d, VEXA_IDC_TABLE_FLUSHLEFT);
    click(d, VEXA_IDC_GRID_ALIGN_RIGHT);
    click(d, VEXA_IDC_GRID_HLINES);
    type(d, VEXA_IDC_GRID_ROWS, L"2");
    type(d, VEXA_IDC_GRID_COLUMNS, L"2");
    ASSERT_TRUE(finish(d, IDOK));

    const u16 before = u"\\begin{table*}[t]\r\n\\caption{Results}\r\n\\label{tab:r}\r\n\\begin{flushleft}\r\n"
                       u"\\begin{tabular}{|r|r|}\r\n";
    const u16 after = u" & \\\\\r\n & \\\\\r\n\\end{tabular}\r\n\\end{flushleft}\r\n\\end{table*}";
    const u16 expected = u"A\r\n" + before + u"sel" + after + u"\r\n";
    EXPECT_EQ(text(e), expected);
    EXPECT_EQ(caret(e), positionAt(expected, 3 + before.size() + 3 + after.size()));
    EXPECT_EQ(readSetting(L"Settings", L"Table"), L"<none>") << "OK alone stores nothing";
}

TEST_F(GridDialogs, TableFloatAndLabelBoxesRuleTheirControls) {
    EditorThread& e = document(u"x\r\n");
    on(e, [](EditorView& v) { v.document().model.SetCaretPos(PosKind::Logical, {1, 0}); });
    HWND d = open(e, 41038, TableCaption);
    ASSERT_NE(d, nullptr);
    const int floatControls[] = {VEXA_IDC_TABLE_PLAIN,      VEXA_IDC_TABLE_STARRED,    VEXA_IDC_TABLE_PLACEMENT,
                                 VEXA_IDC_TABLE_CAPTION,    VEXA_IDC_TABLE_LABEL,      VEXA_IDC_TABLE_LABEL_TEXT,
                                 VEXA_IDC_TABLE_ALIGN_NONE, VEXA_IDC_TABLE_FLUSHLEFT,  VEXA_IDC_TABLE_CENTER,
                                 VEXA_IDC_TABLE_FLUSHRIGHT, VEXA_IDC_TABLE_PLACEMENT_LABEL};
    for (int id : floatControls) EXPECT_TRUE(enabled(d, id)) << id;

    click(d, VEXA_IDC_TABLE_LABEL);
    EXPECT_FALSE(enabled(d, VEXA_IDC_TABLE_LABEL_TEXT));
    EXPECT_TRUE(enabled(d, VEXA_IDC_TABLE_CAPTION));

    click(d, VEXA_IDC_TABLE_FLOAT);
    for (int id : floatControls) EXPECT_FALSE(enabled(d, id)) << id;
    // The tabular's own controls stay.
    for (int id : {VEXA_IDC_GRID_ROWS, VEXA_IDC_GRID_COLUMNS, VEXA_IDC_GRID_ALIGN_LEFT, VEXA_IDC_GRID_HLINES})
        EXPECT_TRUE(enabled(d, id)) << id;
    // The float back: the cleared label box still keeps its text dimmed.
    click(d, VEXA_IDC_TABLE_FLOAT);
    EXPECT_TRUE(enabled(d, VEXA_IDC_TABLE_CAPTION));
    EXPECT_FALSE(enabled(d, VEXA_IDC_TABLE_LABEL_TEXT));
    click(d, VEXA_IDC_TABLE_LABEL);
    EXPECT_TRUE(enabled(d, VEXA_IDC_TABLE_LABEL_TEXT));
    click(d, VEXA_IDC_TABLE_FLOAT);

    type(d, VEXA_IDC_TABLE_CAPTION, L"ignored without the float");
    type(d, VEXA_IDC_GRID_ROWS, L"1");
    type(d, VEXA_IDC_GRID_COLUMNS, L"1");
    ASSERT_TRUE(finish(d, IDOK));
    // Without a float everything goes after the caret, which stays put.
    EXPECT_EQ(text(e), u"x\\begin{tabular}{|c|}\r\n\\hline\r\n\\\\\r\n\\hline\r\n\\end{tabular}\r\n");
    EXPECT_EQ(caret(e), (Position{1, 0}));
}

TEST_F(GridDialogs, ArrayMatrixDimsTheColumnFormatAndPutsTheCaretInside) {
    EditorThread& e = document(u"$$\r\n");
    on(e, [](EditorView& v) { v.document().model.SetCaretPos(PosKind::Logical, {1, 0}); });
    HWND d = open(e, 41039, ArrayCaption);
    ASSERT_NE(d, nullptr);
    HWND list = GetDlgItem(d, VEXA_IDC_ARRAY_ENVIRONMENT);
    ASSERT_EQ(SendMessageW(list, CB_GETCOUNT, 0, 0), 8);
    wchar_t first[100] = {};
    SendMessageW(list, CB_GETLBTEXT, 0, reinterpret_cast<LPARAM>(first));
    EXPECT_EQ(first, englishMessage(msgid::GridEnvironmentFirst));
    EXPECT_EQ(SendMessageW(list, CB_GETCURSEL, 0, 0), 0);
    const int columnFormat[] = {VEXA_IDC_ARRAY_COLUMN_FRAME, VEXA_IDC_GRID_ALIGN_LEFT, VEXA_IDC_GRID_ALIGN_CENTER,
                                VEXA_IDC_GRID_ALIGN_RIGHT, VEXA_IDC_GRID_HLINES, VEXA_IDC_GRID_VLINES};
    for (int id : columnFormat) EXPECT_TRUE(enabled(d, id)) << id;
    EXPECT_FALSE(isChecked(d, VEXA_IDC_GRID_HLINES));

    click(d, VEXA_IDC_GRID_HLINES);
    chooseEnvironment(d, 5);   // vmatrix
    for (int id : columnFormat) EXPECT_FALSE(enabled(d, id)) << id;
    EXPECT_TRUE(isChecked(d, VEXA_IDC_GRID_HLINES)) << "dimmed, not cleared";
    type(d, VEXA_IDC_GRID_ROWS, L"2");
    type(d, VEXA_IDC_GRID_COLUMNS, L"2");
    ASSERT_TRUE(finish(d, IDOK));

    const u16 before = u"$\\begin{vmatrix}\r\n";
    EXPECT_EQ(text(e), before + u" & \\\\\r\n & \\\\\r\n\\end{vmatrix}$\r\n");
    EXPECT_EQ(caret(e), positionAt(before, before.size()));
}

TEST_F(GridDialogs, SaveAsDefaultStoresTheChoicesAndTheNextDialogShowsThem) {
    EditorThread& e = document(u"x\r\n");
    HWND d = open(e, 41039, ArrayCaption);
    ASSERT_NE(d, nullptr);
    chooseEnvironment(d, 0);
    click(d, VEXA_IDC_GRID_ALIGN_LEFT);
    click(d, VEXA_IDC_GRID_VLINES);
    type(d, VEXA_IDC_GRID_ROWS, L"4");
    type(d, VEXA_IDC_GRID_COLUMNS, L"12");
    // No keeps everything as it was; Yes stores; the dialog stays open.
    EXPECT_EQ(answerBox(d, VEXA_IDC_GRID_DEFAULTS, question(), IDNO), englishMessage(msgid::GridAskSaveDefaults));
    EXPECT_EQ(readSetting(L"Settings", L"Array"), L"<none>");
    answerBox(d, VEXA_IDC_GRID_DEFAULTS, question(), IDYES);
    EXPECT_EQ(readSetting(L"Settings", L"Array"), L"0\t1\t0\t1\t4\t12");
    EXPECT_TRUE(IsWindow(d));
    ASSERT_TRUE(finish(d, IDCANCEL));
    EXPECT_EQ(text(e), u"x\r\n") << "Cancel inserts nothing";

    d = open(e, 41039, ArrayCaption);
    ASSERT_NE(d, nullptr);
    EXPECT_TRUE(isChecked(d, VEXA_IDC_GRID_ALIGN_LEFT));
    EXPECT_FALSE(isChecked(d, VEXA_IDC_GRID_ALIGN_CENTER));
    EXPECT_TRUE(isChecked(d, VEXA_IDC_GRID_VLINES));
    EXPECT_EQ(boxText(d, VEXA_IDC_GRID_COLUMNS), L"12");
    ASSERT_TRUE(finish(d, IDCANCEL));

    // The table's record: every box in its field, in order.
    d = open(e, 41038, TableCaption);
    ASSERT_NE(d, nullptr);
    click(d, VEXA_IDC_TABLE_STARRED);
    type(d, VEXA_IDC_TABLE_PLACEMENT, L"");
    click(d, VEXA_IDC_TABLE_LABEL);
    click(d, VEXA_IDC_TABLE_FLUSHRIGHT);
    click(d, VEXA_IDC_GRID_ALIGN_LEFT);
    click(d, VEXA_IDC_GRID_HLINES);
    type(d, VEXA_IDC_GRID_ROWS, L"5");
    click(d, VEXA_IDC_TABLE_FLOAT);
    answerBox(d, VEXA_IDC_GRID_DEFAULTS, question(), IDYES);
    EXPECT_EQ(readSetting(L"Settings", L"Table"), L"0\t1\t\t0\t3\t1\t0\t1\t5\t3");
    ASSERT_TRUE(finish(d, IDCANCEL));

    d = open(e, 41038, TableCaption);
    ASSERT_NE(d, nullptr);
    EXPECT_FALSE(isChecked(d, VEXA_IDC_TABLE_FLOAT));
    EXPECT_FALSE(enabled(d, VEXA_IDC_TABLE_CAPTION));
    EXPECT_TRUE(isChecked(d, VEXA_IDC_TABLE_STARRED));
    EXPECT_TRUE(isChecked(d, VEXA_IDC_TABLE_FLUSHRIGHT));
    EXPECT_EQ(boxText(d, VEXA_IDC_GRID_ROWS), L"5");
    ASSERT_TRUE(finish(d, IDCANCEL));
}

TEST_F(GridDialogs, RefusedSizeShowsItsMessageSelectsTheBoxAndInsertsNothing) {
    // A stored record can hold more than the three digits a box takes.
    setting(L"Settings", L"Array", L"0\t2\t0\t0\t3\t1000");
    EditorThread& e = document(u"x\r\n");

    HWND d = open(e, 41039, ArrayCaption);
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(answerBox(d, IDOK, warning(), IDOK), englishMessage(msgid::GridTooManyColumns));
    ASSERT_TRUE(IsWindow(d)) << "the dialog stays open";
    EXPECT_TRUE(focusComesTo(e, GetDlgItem(d, VEXA_IDC_GRID_COLUMNS)));
    DWORD from = 1, to = 0;
    SendDlgItemMessageW(d, VEXA_IDC_GRID_COLUMNS, EM_GETSEL, reinterpret_cast<WPARAM>(&from),
                        reinterpret_cast<LPARAM>(&to));
    EXPECT_EQ(from, 0u);
    EXPECT_EQ(to, 4u);
    EXPECT_EQ(text(e), u"x\r\n") << "a refused size inserts nothing";
    // Save as default checks the size just as well, and asks nothing.
    EXPECT_EQ(answerBox(d, VEXA_IDC_GRID_DEFAULTS, warning(), IDOK), englishMessage(msgid::GridTooManyColumns));
    ASSERT_TRUE(finish(d, IDCANCEL));
    EXPECT_EQ(readSetting(L"Settings", L"Array"), L"0\t2\t0\t0\t3\t1000");

    d = open(e, 41038, TableCaption);
    ASSERT_NE(d, nullptr);
    type(d, VEXA_IDC_GRID_ROWS, L"1000");
    EXPECT_EQ(answerBox(d, IDOK, warning(), IDOK), englishMessage(msgid::GridTooManyRows));
    ASSERT_TRUE(IsWindow(d));
    EXPECT_TRUE(focusComesTo(e, GetDlgItem(d, VEXA_IDC_GRID_ROWS)));
    EXPECT_EQ(text(e), u"x\r\n");
    ASSERT_TRUE(finish(d, IDCANCEL));
}

} // namespace
