// The document class dialog, opened by its command from the main window of
// the built plug-in in the stand-in host and filled through its controls
// from this (the user's) thread while it runs on the editor's thread: the
// skeleton of a new document, the rewrite of an existing class line, and
// presets kept through the preset naming dialog.
#include "lang/resource_ids.h"
#include "tests/wine/host_test_support.h"
#include "tests/wine/mainwindow_test_support.h"

#include <string>

namespace {
using namespace mainwindow_test;

constexpr UINT ClassCommand = 41001;
const std::wstring ClassCaption = L"Document Class";
const std::wstring PresetCaption = L"Preset";
const std::wstring WarningCaption = L"Warning (Vexa 2)";
const std::wstring QuestionCaption = L"Vexa 2";

HWND dialogOf(EditorThread& e, const std::wstring& caption) {
    struct Find {
        const std::wstring* caption;
        HWND found = nullptr;
        static BOOL CALLBACK visit(HWND w, LPARAM self) {
            auto* f = reinterpret_cast<Find*>(self);
            wchar_t cls[16] = {}, text[128] = {};
            GetClassNameW(w, cls, 16);
            GetWindowTextW(w, text, 128);
            if (!IsWindowVisible(w) || std::wstring(cls) != L"#32770" || text != *f->caption) return TRUE;
            f->found = w;
            return FALSE;
        }
    } find{&caption};
    EnumThreadWindows(e.threadId(), &Find::visit, reinterpret_cast<LPARAM>(&find));
    return find.found;
}

std::wstring text(HWND dialog, int id) {
    wchar_t buf[1024] = {};
    GetDlgItemTextW(dialog, id, buf, 1024);
    return buf;
}
bool isChecked(HWND d, int id) { return IsDlgButtonChecked(d, id) == BST_CHECKED; }
bool isEnabled(HWND d, int id) { return IsWindowEnabled(GetDlgItem(d, id)) != FALSE; }
// A radio button as the user picks it: only enabled ones take the click.
void pick(HWND dialog, int id) {
    ASSERT_TRUE(isEnabled(dialog, id)) << id;
    SendMessageW(GetDlgItem(dialog, id), BM_CLICK, 0, 0);
}
// Posted: the button may open a box that waits for us.
void press(HWND dialog, int id) { PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0); }

std::wstring comboText(HWND box, int index) {
    wchar_t buf[300] = {};
    SendMessageW(box, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(buf));
    return buf;
}
void choose(HWND dialog, int comboId, int index) {
    SendDlgItemMessageW(dialog, comboId, CB_SETCURSEL, index, 0);
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(comboId, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, comboId)));
}

class ClassDialog : public MainWindowTest {
protected:
    EditorThread& open(u16 content) {
        EditorThread& e = editor(std::move(content));
        command(e);
        main = mainWindow(e);
        EXPECT_NE(main, nullptr);
        return e;
    }
    HWND openDialog(EditorThread& e) {
        PostMessageW(main, WM_COMMAND, MAKEWPARAM(ClassCommand, BN_CLICKED), 0);
        HWND d = nullptr;
        host_test::waitFor([&] { return (d = dialogOf(e, ClassCaption)) != nullptr; }, 30000);
        return d;
    }
    bool closed(EditorThread& e, const std::wstring& caption) {
        return host_test::waitFor([&] { return dialogOf(e, caption) == nullptr; }, 30000);
    }
    std::wstring answerBox(EditorThread& e, const std::wstring& caption, int answer) {
        HWND box = nullptr;
        host_test::waitFor([&] { return (box = dialogOf(e, caption)) != nullptr && GetDlgItem(box, 0xFFFF); }, 30000);
        if (!box) return L"<no box>";
        wchar_t buf[512] = {};
        GetDlgItemTextW(box, 0xFFFF, buf, 512);
        press(box, answer);
        host_test::waitFor([&] { return dialogOf(e, caption) == nullptr; }, 30000);
        return buf;
    }
    // Runs the preset naming dialog with the action radio and name given.
    void presetAction(EditorThread& e, HWND d, int action, const wchar_t* name) {
        press(d, VEXA_IDC_CLASS_MANAGE);
        HWND p = nullptr;
        ASSERT_TRUE(host_test::waitFor([&] { return (p = dialogOf(e, PresetCaption)) != nullptr; }, 30000));
        ASSERT_NO_FATAL_FAILURE(pick(p, action));
        if (name) SetDlgItemTextW(p, VEXA_IDC_SET_COMMENT_NAME, name);
        press(p, IDOK);
    }
    std::wstring document(EditorThread& e) {
        u16 t;
        on(e, [&](EditorView& v) { t = v.document().model.text(); });
        return std::wstring(t.begin(), t.end());
    }

    HWND main = nullptr;
};

} // namespace

TEST_F(ClassDialog, NewDocumentGetsTheSkeletonOfTheChosenClassAndOptions) {
    ASSERT_NO_FATAL_FAILURE(load());
    EditorThread& e = open(u"Body\r\n");
    HWND d = openDialog(e);
    ASSERT_NE(d, nullptr);
    // The first default preset, the comment box checked, no title.
    EXPECT_EQ(text(d, VEXA_IDC_CLASS_NAME), L"jarticle");
    EXPECT_TRUE(isChecked(d, VEXA_IDC_CLASS_A4J));
    EXPECT_EQ(IsDlgButtonChecked(d, VEXA_IDC_CLASS_COMMENTS), BST_CHECKED);
    EXPECT_FALSE(isEnabled(d, VEXA_IDC_CLASS_TITLE_TEXT));
    EXPECT_FALSE(isEnabled(d, VEXA_IDC_CLASS_LAST));   // already applied at opening

    SetDlgItemTextW(d, VEXA_IDC_CLASS_NAME, L"article");
    pick(d, VEXA_IDC_CLASS_11PT);
    pick(d, VEXA_IDC_CLASS_A4PAPER);
    pick(d, VEXA_IDC_CLASS_TWOCOLUMN);
    SetDlgItemTextW(d, VEXA_IDC_CLASS_OTHER, L"dvipdfmx");
    pick(d, VEXA_IDC_CLASS_TITLE);
    EXPECT_TRUE(isEnabled(d, VEXA_IDC_CLASS_TITLE_TEXT));
    SetDlgItemTextW(d, VEXA_IDC_CLASS_TITLE_TEXT, L"On Lattices");
    SetDlgItemTextW(d, VEXA_IDC_CLASS_AUTHOR_TEXT, L"A. Author");
    pick(d, VEXA_IDC_CLASS_COMMENTS);   // checked -> grey
    EXPECT_EQ(IsDlgButtonChecked(d, VEXA_IDC_CLASS_COMMENTS), BST_INDETERMINATE);
    press(d, IDOK);
    ASSERT_TRUE(closed(e, ClassCaption));

    EXPECT_EQ(document(e),
              L"\\documentclass[11pt,a4paper,twocolumn,dvipdfmx]{article}\r\n\\title{On Lattices}\r\n"
              L"\\author{A. Author}\r\n%\\date{}\r\n\r\n\\begin{document}\r\n\\maketitle\r\n%\\pagestyle{empty}\r\n"
              L"%\\thispagestyle{empty}\r\nBody\r\n\r\n\\end{document}");
    EXPECT_EQ(readSetting(L"DocumentClass", L"Comment"), L"1");
    EXPECT_EQ(readSetting(L"DocumentClass", L"Title"), L"1");
    EXPECT_EQ(readSetting(L"DocumentClass", L"Last"), L"article\t2\t1\t0\t2\t0\t0\t0\t0\t0\t0\t0\t0\tdvipdfmx");

    // The next run starts from the last choices; a preset replaces them.
    EditorThread& e2 = open(u"");
    d = openDialog(e2);
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(text(d, VEXA_IDC_CLASS_NAME), L"article");
    EXPECT_TRUE(isChecked(d, VEXA_IDC_CLASS_TWOCOLUMN));
    EXPECT_TRUE(isChecked(d, VEXA_IDC_CLASS_TITLE));
    choose(d, VEXA_IDC_CLASS_PRESETS, 2);
    EXPECT_EQ(text(d, VEXA_IDC_CLASS_NAME), L"jreport");
    EXPECT_TRUE(isChecked(d, VEXA_IDC_CLASS_COLUMNS_NONE));
    // An empty class is refused and the dialog stays.
    SetDlgItemTextW(d, VEXA_IDC_CLASS_NAME, L"");
    press(d, IDOK);
    EXPECT_EQ(answerBox(e2, WarningCaption, IDOK), L"Enter the name of the document class.");
    EXPECT_TRUE(IsWindow(d));
    press(d, IDCANCEL);
    ASSERT_TRUE(closed(e2, ClassCaption));
    EXPECT_EQ(document(e2), L"");
}

TEST_F(ClassDialog, ExistingClassLineIsReadAndOnlyItIsRewritten) {
    ASSERT_NO_FATAL_FAILURE(load());
    EditorThread& e = open(u"% thesis\r\n  \\documentclass{report}\r\n\\documentclass[12pt,a4j,foo,A4paper]{article}"
                           u" % main\r\n\\begin{document}\r\n");
    HWND d = openDialog(e);
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(text(d, VEXA_IDC_CLASS_NAME), L"article");
    EXPECT_TRUE(isChecked(d, VEXA_IDC_CLASS_12PT));
    EXPECT_TRUE(isChecked(d, VEXA_IDC_CLASS_A4J));
    EXPECT_TRUE(isChecked(d, VEXA_IDC_CLASS_PORTRAIT));
    EXPECT_EQ(text(d, VEXA_IDC_CLASS_OTHER), L"foo,A4paper");
    EXPECT_EQ(SendDlgItemMessageW(d, VEXA_IDC_CLASS_PRESETS, CB_GETCURSEL, 0, 0), CB_ERR);
    for (int id : {VEXA_IDC_CLASS_TITLE, VEXA_IDC_CLASS_NO_PAGE_NUMBERS, VEXA_IDC_CLASS_COMMENTS,
                   VEXA_IDC_CLASS_TITLE_TEXT})
        EXPECT_FALSE(isEnabled(d, id)) << id;
    pick(d, VEXA_IDC_CLASS_10PT);
    pick(d, VEXA_IDC_CLASS_DRAFT);
    press(d, IDOK);
    ASSERT_TRUE(closed(e, ClassCaption));
    EXPECT_EQ(document(e), L"% thesis\r\n  \\documentclass{report}\r\n\\documentclass[10pt,a4j,draft,foo,A4paper]{article}"
                           L" % main\r\n\\begin{document}\r\n");
}

TEST_F(ClassDialog, PresetsAddedRenamedAndDeletedAreKeptWhenTheUserSavesThem) {
    setting(L"DocumentClass", L"Last", L"book\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\t");
    ASSERT_NO_FATAL_FAILURE(load());
    EditorThread& e = open(u"");
    HWND d = openDialog(e);
    ASSERT_NE(d, nullptr);
    HWND box = GetDlgItem(d, VEXA_IDC_CLASS_PRESETS);
    EXPECT_EQ(SendMessageW(box, CB_GETCOUNT, 0, 0), 6);
    EXPECT_EQ(text(d, VEXA_IDC_CLASS_NAME), L"book");   // "Last" over the preset

    SetDlgItemTextW(d, VEXA_IDC_CLASS_NAME, L"myclass");
    pick(d, VEXA_IDC_CLASS_B5J);
    // Adding without a name is refused inside the naming dialog.
    ASSERT_NO_FATAL_FAILURE(presetAction(e, d, VEXA_IDC_SET_COMMENT_ADD, L""));
    EXPECT_EQ(answerBox(e, WarningCaption, IDOK), L"Enter a name for the preset.");
    HWND p = dialogOf(e, PresetCaption);
    ASSERT_NE(p, nullptr);
    SetDlgItemTextW(p, VEXA_IDC_SET_COMMENT_NAME, L"Mine");
    press(p, IDOK);
    ASSERT_TRUE(closed(e, PresetCaption));
    EXPECT_EQ(SendMessageW(box, CB_GETCOUNT, 0, 0), 7);
    EXPECT_EQ(comboText(box, static_cast<int>(SendMessageW(box, CB_GETCURSEL, 0, 0))), L"Mine");

    ASSERT_NO_FATAL_FAILURE(presetAction(e, d, VEXA_IDC_SET_COMMENT_RENAME, L"Renamed"));
    ASSERT_TRUE(closed(e, PresetCaption));
    EXPECT_EQ(comboText(box, 6), L"Renamed");

    choose(d, VEXA_IDC_CLASS_PRESETS, 0);
    ASSERT_NO_FATAL_FAILURE(presetAction(e, d, VEXA_IDC_SET_COMMENT_DELETE, nullptr));
    EXPECT_EQ(answerBox(e, QuestionCaption, IDYES), L"Delete this preset?");
    ASSERT_TRUE(closed(e, PresetCaption));
    EXPECT_EQ(SendMessageW(box, CB_GETCOUNT, 0, 0), 6);
    EXPECT_EQ(SendMessageW(box, CB_GETCURSEL, 0, 0), 0);
    EXPECT_EQ(text(d, VEXA_IDC_CLASS_NAME), L"jsarticle");   // the new first entry is loaded

    press(d, IDCANCEL);
    EXPECT_EQ(answerBox(e, QuestionCaption, IDYES), L"The presets were changed. Save them?");
    ASSERT_TRUE(closed(e, ClassCaption));
    EXPECT_EQ(readSetting(L"DocumentClass", L"0"), L"jsarticle, A4, dvipdfmx\tjsarticle\t0\t1\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\tdvipdfmx");
    // (The settings file drops a record's trailing tab: an empty last field
    // reads back the same.)
    EXPECT_EQ(readSetting(L"DocumentClass", L"5"), L"Renamed\tmyclass\t0\t8\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0");
    EXPECT_EQ(readSetting(L"DocumentClass", L"6"), L"");
    EXPECT_EQ(readSetting(L"DocumentClass", L"7"), L"<none>");
    // Saving the list on Cancel keeps the last choices.
    EXPECT_EQ(readSetting(L"DocumentClass", L"Last"), L"book\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0");

    // A new run lists the saved presets; restoring brings the defaults back.
    d = openDialog(e);
    ASSERT_NE(d, nullptr);
    box = GetDlgItem(d, VEXA_IDC_CLASS_PRESETS);
    EXPECT_EQ(comboText(box, 5), L"Renamed");
    press(d, VEXA_IDC_CLASS_RESET);
    EXPECT_NE(answerBox(e, QuestionCaption, IDYES), L"<no box>");
    EXPECT_EQ(comboText(box, 0), L"jarticle, A4");
    EXPECT_EQ(readSetting(L"DocumentClass", L"0"), L"<none>");
    press(d, IDCANCEL);
    ASSERT_TRUE(closed(e, ClassCaption));
}
