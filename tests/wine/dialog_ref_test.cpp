// The reference / citation dialog and the bibliography skeleton dialog,
// opened by their commands from the main window of the built plug-in in the
// stand-in host, filled through their controls from this (the user's)
// thread while they run on the editor's thread.
#include "base/win32/wide.h"
#include "lang/resource_ids.h"
#include "tests/support/temp_dir.h"
#include "tests/wine/host_test_support.h"
#include "tests/wine/mainwindow_test_support.h"

#include <commctrl.h>

#include <string>
#include <vector>

namespace {
using namespace mainwindow_test;
using Names = std::vector<std::wstring>;

constexpr UINT ReferenceCommand = 41022;
constexpr UINT CitationCommand = 41024;
constexpr UINT BibitemCommand = 41023;

// A dialog box of the editor's thread with this caption (the toolbar
// window may carry a caption of its own).
HWND dialogOf(EditorThread& e, const std::wstring& caption) { return host_test::dialogWithCaption(e.threadId(), caption); }

std::wstring text(HWND dialog, int id) {
    wchar_t buf[1024] = {};
    GetDlgItemTextW(dialog, id, buf, 1024);
    return buf;
}

std::wstring cell(HWND list, int row, int column = 0) {
    wchar_t buf[600] = {};
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = buf;
    item.cchTextMax = 600;
    SendMessageW(list, LVM_GETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item));
    return buf;
}

Names rows(HWND list) {
    Names out;
    int n = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
    for (int i = 0; i < n; ++i) out.push_back(cell(list, i));
    return out;
}

std::wstring columnTitle(HWND list) {
    wchar_t buf[128] = {};
    LVCOLUMNW c{};
    c.mask = LVCF_TEXT;
    c.pszText = buf;
    c.cchTextMax = 128;
    SendMessageW(list, LVM_GETCOLUMNW, 0, reinterpret_cast<LPARAM>(&c));
    return buf;
}

void select(HWND list, int row) {
    LVITEMW item{};
    item.state = item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(list, LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(&item));
}

void deselectAll(HWND list) {
    LVITEMW none{};
    none.stateMask = LVIS_SELECTED;
    SendMessageW(list, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&none));
}

// The citation dialog's entry view: its child dialog.
BOOL CALLBACK findEntryView(HWND w, LPARAM out) {
    wchar_t cls[16] = {};
    GetClassNameW(w, cls, 16);
    if (std::wstring(cls) != L"#32770") return TRUE;
    *reinterpret_cast<HWND*>(out) = w;
    return FALSE;
}
HWND entryView(HWND dialog) {
    HWND view = nullptr;
    EnumChildWindows(dialog, findEntryView, reinterpret_cast<LPARAM>(&view));
    return view;
}

// Sent: the dialog has handled it when this returns.
void click(HWND dialog, int id) { SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0); }
void setCheck(HWND dialog, int id, bool on) {
    CheckDlgButton(dialog, id, on ? BST_CHECKED : BST_UNCHECKED);
    click(dialog, id);
}
// Posted: the button may open a message box that waits for us.
void press(HWND dialog, int id) { PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0); }

void headerClick(HWND dialog, HWND list) {
    NMLISTVIEW n{};
    n.hdr.hwndFrom = list;
    n.hdr.idFrom = GetDlgCtrlID(list);
    n.hdr.code = LVN_COLUMNCLICK;
    SendMessageW(dialog, WM_NOTIFY, n.hdr.idFrom, reinterpret_cast<LPARAM>(&n));
}

int height(HWND w) {
    RECT r{};
    GetWindowRect(w, &r);
    return r.bottom - r.top;
}

class RefDialogs : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        ASSERT_TRUE(docs.ok());
    }
    EditorThread& openFile(u16view name, std::string_view content) {
        EXPECT_TRUE(docs.write(name, content));
        EditorWindowOptions o;
        o.path = wide::w(docs.file(name));
        o.show = SW_SHOWNOACTIVATE;
        editors.push_back(std::make_unique<EditorThread>(o));
        EXPECT_TRUE(editors.back()->started());
        EditorThread& e = *editors.back();
        command(e);
        main = mainWindow(e);
        EXPECT_NE(main, nullptr);
        return e;
    }
    // Runs the command as the toolbar does; the dialog then runs on the
    // editor's thread.
    HWND openDialog(EditorThread& e, UINT id, const std::wstring& caption) {
        PostMessageW(main, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
        HWND d = nullptr;
        host_test::waitFor([&] { return (d = dialogOf(e, caption)) != nullptr; }, 20000);
        return d;
    }
    bool closed(EditorThread& e, const std::wstring& caption) {
        return host_test::waitFor([&] { return dialogOf(e, caption) == nullptr; }, 20000);
    }
    // The message box the dialog opened: its text; answer pressed.
    std::wstring answerBox(EditorThread& e, const std::wstring& caption, int answer) {
        HWND box = nullptr;
        host_test::waitFor([&] { return (box = dialogOf(e, caption)) != nullptr && GetDlgItem(box, 0xFFFF); }, 20000);
        if (!box) return L"<no box>";
        wchar_t buf[512] = {};
        GetDlgItemTextW(box, 0xFFFF, buf, 512);
        press(box, answer);
        host_test::waitFor([&] { return dialogOf(e, caption) == nullptr; }, 20000);
        return buf;
    }
    u16 line(EditorThread& e, int32_t n) {
        u16 t;
        on(e, [&](EditorView& v) { t = v.document().model.GetLineText(n); });
        return t;
    }
    Position caret(EditorThread& e) {
        Position p;
        on(e, [&](EditorView& v) { p = v.document().model.caret(); });
        return p;
    }

    TempDir docs;
    HWND main = nullptr;
};

const std::wstring RefCaption = L"Insert a Reference";
const std::wstring CiteCaption = L"Insert a Citation";
const std::wstring BibCaption = L"Bibliography";
const std::wstring WarningCaption = L"Warning (Vexa 2)";
const std::wstring QuestionCaption = L"Vexa 2";

} // namespace

TEST_F(RefDialogs, ReferenceListsAThreeFileDocumentByClassAndOrderAndInserts) {
    ASSERT_NO_FATAL_FAILURE(load());
    ASSERT_TRUE(docs.write(u"ch1.tex", "\\begin{figure}\\label{fig:one}\\end{figure}\r\n\\label{tab:one}\r\n"));
    ASSERT_TRUE(docs.write(u"ch2.tex", "\\begin{equation}\\label{eq:two}\\end{equation}\r\n\\label{zeta}\r\n"
                                       "\\item\\label{item:two}\r\n"));
    EditorThread& e = openFile(u"main.tex", "\\section{Intro}\\label{sec:intro}\r\n\\input{ch1}\r\n"
                                            "\\include{ch2}\r\n\\label{eq:main}\r\n");
    HWND d = openDialog(e, ReferenceCommand, RefCaption);
    ASSERT_NE(d, nullptr);
    HWND list = GetDlgItem(d, VEXA_IDC_REF_LIST);

    // Every order the header steps through, from the stored 0 around to 0.
    const Names byOrder[8] = {
        {L"sec:intro", L"fig:one", L"tab:one", L"eq:two", L"zeta", L"item:two", L"eq:main"},
        {L"eq:main", L"item:two", L"zeta", L"eq:two", L"tab:one", L"fig:one", L"sec:intro"},
        {L"zeta", L"tab:one", L"sec:intro", L"item:two", L"fig:one", L"eq:two", L"eq:main"},
        {L"eq:main", L"eq:two", L"fig:one", L"item:two", L"sec:intro", L"tab:one", L"zeta"},
        {L"sec:intro", L"eq:two", L"eq:main", L"fig:one", L"tab:one", L"item:two", L"zeta"},
        {L"sec:intro", L"eq:main", L"eq:two", L"fig:one", L"tab:one", L"item:two", L"zeta"},
        {L"sec:intro", L"eq:two", L"eq:main", L"fig:one", L"tab:one", L"item:two", L"zeta"},
        {L"sec:intro", L"eq:main", L"eq:two", L"fig:one", L"tab:one", L"item:two", L"zeta"},
    };
    EXPECT_EQ(rows(list), byOrder[0]);
    // The top row is chosen: its name to insert, its line as context.
    EXPECT_EQ(text(d, VEXA_IDC_REF_TEXT), L"sec:intro");
    EXPECT_NE(text(d, VEXA_IDC_REF_CONTEXT).find(L"Intro"), std::wstring::npos) << text(d, VEXA_IDC_REF_CONTEXT);
    std::vector<std::wstring> titles{columnTitle(list)};
    for (int order = 1; order <= 8; ++order) {
        headerClick(d, list);
        EXPECT_EQ(rows(list), byOrder[order % 8]) << "order " << order;
        titles.push_back(columnTitle(list));
    }
    EXPECT_EQ(titles.front(), titles.back());
    EXPECT_NE(titles[0], titles[1]);

    // The filter boxes.
    setCheck(d, VEXA_IDC_REF_HEADINGS, false);
    setCheck(d, VEXA_IDC_REF_OTHERS, false);
    EXPECT_EQ(rows(list), (Names{L"fig:one", L"tab:one", L"eq:two", L"item:two", L"eq:main"}));
    for (int box : {VEXA_IDC_REF_FIGURES, VEXA_IDC_REF_TABLES, VEXA_IDC_REF_ITEMS}) setCheck(d, box, false);
    EXPECT_EQ(rows(list), (Names{L"eq:two", L"eq:main"}));

    select(list, 1);
    EXPECT_EQ(text(d, VEXA_IDC_REF_TEXT), L"eq:main");
    CheckDlgButton(d, VEXA_IDC_REF_REF, BST_UNCHECKED);
    setCheck(d, VEXA_IDC_REF_PAGEREF, true);
    press(d, IDOK);
    ASSERT_TRUE(closed(e, RefCaption));
    EXPECT_EQ(line(e, 0), u"\\pageref{eq:main}\\section{Intro}\\label{sec:intro}");
    EXPECT_EQ(caret(e).x, 17);
    EXPECT_EQ(caret(e).y, 0);
    EXPECT_EQ(readSetting(L"RefCite", L"RefSort"), L"0");
    EXPECT_EQ(readSetting(L"RefCite", L"RefType"), L"1");
    EXPECT_EQ(readSetting(L"RefCite", L"LabelFilter"), std::to_wstring(0x4000));

    // The next run starts from what was saved. A text too long is refused
    // and the dialog stays; an empty one puts the caret between braces.
    d = openDialog(e, ReferenceCommand, RefCaption);
    ASSERT_NE(d, nullptr);
    list = GetDlgItem(d, VEXA_IDC_REF_LIST);
    EXPECT_EQ(rows(list), (Names{L"eq:two", L"eq:main"}));
    EXPECT_EQ(IsDlgButtonChecked(d, VEXA_IDC_REF_PAGEREF), BST_CHECKED);
    EXPECT_EQ(IsDlgButtonChecked(d, VEXA_IDC_REF_HEADINGS), BST_UNCHECKED);
    EXPECT_EQ(IsDlgButtonChecked(d, VEXA_IDC_REF_EQUATIONS), BST_CHECKED);
    // The prefix dialog runs over it; its OK fills the list again from the
    // same scan (new prefixes sort labels from the next one on).
    press(d, VEXA_IDC_REF_PREFIXES);
    HWND prefixes = nullptr;
    ASSERT_TRUE(host_test::waitFor([&] { return (prefixes = dialogOf(e, L"Label prefixes")) != nullptr; }, 20000));
    SetDlgItemTextW(prefixes, VEXA_IDC_LABEL_EQUATION, L"equ");
    press(prefixes, IDOK);
    ASSERT_TRUE(host_test::waitFor([&] { return dialogOf(e, L"Label prefixes") == nullptr; }, 20000));
    EXPECT_EQ(readSetting(L"Search", L"equation"), L"equ");
    EXPECT_EQ(rows(list), (Names{L"eq:two", L"eq:main"}));
    SetDlgItemTextW(d, VEXA_IDC_REF_TEXT, std::wstring(262, L'x').c_str());
    press(d, IDOK);
    EXPECT_EQ(answerBox(e, WarningCaption, IDOK),
              L"The text to insert is too long: at most 261 characters fit between the braces.");
    EXPECT_TRUE(IsWindow(d));
    CheckDlgButton(d, VEXA_IDC_REF_PAGEREF, BST_UNCHECKED);
    setCheck(d, VEXA_IDC_REF_EQREF, true);
    SetDlgItemTextW(d, VEXA_IDC_REF_TEXT, L"");
    press(d, IDOK);
    ASSERT_TRUE(closed(e, RefCaption));
    EXPECT_EQ(line(e, 0), u"\\pageref{eq:main}\\eqref{}\\section{Intro}\\label{sec:intro}");
    EXPECT_EQ(caret(e).x, 24);
    EXPECT_EQ(readSetting(L"RefCite", L"RefType"), L"2");
}

TEST_F(RefDialogs, CitationJoinsKeysInDocumentOrderAndShowsDatabaseEntries) {
    ASSERT_NO_FATAL_FAILURE(load());
    setting(L"RefCite", L"CiteSort", L"2");   // names descending
    ASSERT_TRUE(docs.write(u"refs.bib", "@book{knuth,\r\n  title = {The Book},\r\n  year = 1984\r\n}\r\n"));
    EditorThread& e = openFile(u"main.tex", "\\begin{thebibliography}{9}\r\n\\bibitem{a} Early Paper.\r\n"
                                            "\\bibitem{b} Later Paper.\r\n\\end{thebibliography}\r\n"
                                            "\\bibliography{refs}\r\n");
    HWND d = openDialog(e, CitationCommand, CiteCaption);
    ASSERT_NE(d, nullptr);
    HWND list = GetDlgItem(d, VEXA_IDC_REF_LIST);
    EXPECT_EQ(rows(list), (Names{L"knuth", L"b", L"a"}));
    for (int id : {VEXA_IDC_REF_REF, VEXA_IDC_REF_EQREF, VEXA_IDC_REF_HEADINGS, VEXA_IDC_REF_OTHERS,
                   VEXA_IDC_REF_PREFIXES, VEXA_IDC_REF_FILTER_GROUP})
        EXPECT_FALSE(IsWindowVisible(GetDlgItem(d, id))) << id;

    // knuth, the top row, is a database entry: the entry view shows it
    // below the list and the dialog is taller than without it.
    HWND view = entryView(d);
    ASSERT_NE(view, nullptr);
    EXPECT_TRUE(IsWindowVisible(view));
    EXPECT_FALSE(IsWindowVisible(GetDlgItem(d, VEXA_IDC_REF_CONTEXT)));
    EXPECT_EQ(cell(GetDlgItem(view, VEXA_IDC_BIB_ITEM_LIST), 0, 1), L"book");   // the entry type first
    const int enlarged = height(d);

    // Rows of "b" and then "a" (earlier in the document): "a,b". A
    // \bibitem shows its text instead and the dialog its normal size.
    deselectAll(list);
    select(list, 1);
    select(list, 2);
    EXPECT_EQ(text(d, VEXA_IDC_REF_TEXT), L"a,b");
    EXPECT_FALSE(IsWindowVisible(view));
    EXPECT_TRUE(IsWindowVisible(GetDlgItem(d, VEXA_IDC_REF_CONTEXT)));
    EXPECT_NE(text(d, VEXA_IDC_REF_CONTEXT).find(L"Early Paper"), std::wstring::npos);
    EXPECT_LT(height(d), enlarged);
    select(list, 0);
    EXPECT_EQ(text(d, VEXA_IDC_REF_TEXT), L"a,b,knuth");
    EXPECT_TRUE(IsWindowVisible(view));
    EXPECT_EQ(height(d), enlarged);

    press(d, IDOK);
    ASSERT_TRUE(closed(e, CiteCaption));
    EXPECT_EQ(line(e, 0), u"\\cite{a,b,knuth}\\begin{thebibliography}{9}");
    EXPECT_EQ(caret(e).x, 16);
    EXPECT_EQ(readSetting(L"RefCite", L"CiteSort"), L"2");
}

TEST_F(RefDialogs, BibliographySkeletonInsertsAndSavesItsDefaults) {
    ASSERT_NO_FATAL_FAILURE(load());
    EditorThread& e = openFile(u"main.tex", "\r\n");
    HWND d = openDialog(e, BibitemCommand, BibCaption);
    ASSERT_NE(d, nullptr);
    // The defaults: the environment, widest label 3, three items, keys only.
    EXPECT_EQ(IsDlgButtonChecked(d, VEXA_IDC_BIBITEM_ENVIRONMENT), BST_CHECKED);
    EXPECT_EQ(IsDlgButtonChecked(d, VEXA_IDC_BIBITEM_KEY_ONLY), BST_CHECKED);
    EXPECT_EQ(text(d, VEXA_IDC_BIBITEM_WIDEST), L"3");
    EXPECT_EQ(text(d, VEXA_IDC_BIBITEM_COUNT), L"3");
    setCheck(d, VEXA_IDC_BIBITEM_ENVIRONMENT, false);
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(d, VEXA_IDC_BIBITEM_WIDEST)));
    setCheck(d, VEXA_IDC_BIBITEM_ENVIRONMENT, true);
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(d, VEXA_IDC_BIBITEM_WIDEST)));

    setCheck(d, VEXA_IDC_BIBITEM_KEY_ONLY, false);
    SetDlgItemTextW(d, VEXA_IDC_BIBITEM_WIDEST, L"99");
    SetDlgItemTextW(d, VEXA_IDC_BIBITEM_COUNT, L"2");
    press(d, VEXA_IDC_BIBITEM_SAVE);
    EXPECT_EQ(answerBox(e, QuestionCaption, IDYES), L"Save these choices as the defaults of this dialog?");
    EXPECT_EQ(readSetting(L"Settings", L"Bibitem"), L"1\t99\t2\t0");

    // More than 9999 items: refused, the count selected for correction.
    SetDlgItemTextW(d, VEXA_IDC_BIBITEM_COUNT, L"10000");
    press(d, IDOK);
    EXPECT_EQ(answerBox(e, WarningCaption, IDOK), L"The number of items must not exceed 9999.");
    DWORD from = 0, to = 0;
    SendMessageW(GetDlgItem(d, VEXA_IDC_BIBITEM_COUNT), EM_GETSEL, reinterpret_cast<WPARAM>(&from),
                 reinterpret_cast<LPARAM>(&to));
    EXPECT_EQ(from, 0u);
    EXPECT_EQ(to, 5u);
    SetDlgItemTextW(d, VEXA_IDC_BIBITEM_COUNT, L"2");
    press(d, IDOK);
    ASSERT_TRUE(closed(e, BibCaption));
    EXPECT_EQ(line(e, 0), u"\\begin{thebibliography}{99}");
    EXPECT_EQ(line(e, 1), u"\\bibitem[]{}");
    EXPECT_EQ(line(e, 2), u"\\bibitem[]{}");
    EXPECT_EQ(line(e, 3), u"\\end{thebibliography}");
    EXPECT_EQ(caret(e).y, 1);
    EXPECT_EQ(caret(e).x, 9);

    // The saved record is the next run's start.
    d = openDialog(e, BibitemCommand, BibCaption);
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(IsDlgButtonChecked(d, VEXA_IDC_BIBITEM_KEY_ONLY), BST_UNCHECKED);
    EXPECT_EQ(text(d, VEXA_IDC_BIBITEM_WIDEST), L"99");
    EXPECT_EQ(text(d, VEXA_IDC_BIBITEM_COUNT), L"2");
    press(d, IDCANCEL);
    EXPECT_TRUE(closed(e, BibCaption));
}
