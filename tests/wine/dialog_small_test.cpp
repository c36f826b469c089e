// The minipage, index and date dialogs, opened by their commands on editor
// windows of the stand-in host with the English library's templates, and
// the About box from the main window's system menu: what OK writes, where
// it leaves the caret and what the dialogs keep in the settings. A watcher
// thread plays the user through the dialogs' controls.
#include "base/str.h"
#include "base/win32/wide.h"
#include "frame/message_ids.h"
#include "frame/win32/language.h"
#include "frame/win32/plugin_app.h"
#include "frame/win32/plugin_resources.h"
#include "host/editor_thread.h"
#include "lang/resource_ids.h"
#include "mainwindow/win32/main_window.h"
#include "tests/wine/host_test_support.h"
#include "tests/wine/inprocess_plugin.h"
#include "tests/wine/language_test_support.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <functional>
#include <memory>
#include <vector>

namespace {

using lang_test::PluginFolder;
using lang_test::Watcher;

constexpr uint32_t DateCommand = 41044;
constexpr uint32_t MinipageCommand = 41075;
constexpr uint32_t IndexCommand = 41132;
constexpr uint32_t AboutCommand = 41199;   // system-menu item 5
const wchar_t kMinipageCaption[] = L"Insert a Minipage";
const wchar_t kIndexCaption[] = L"Index Entry";
const wchar_t kDateCaption[] = L"Insert a Date";
const wchar_t kAboutCaption[] = L"About Vexa 2";

std::wstring textOf(HWND dialog, int id) {
    wchar_t buf[600] = {};
    GetDlgItemTextW(dialog, id, buf, 600);
    return buf;
}
bool isChecked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }
bool isEnabled(HWND dialog, int id) { return IsWindowEnabled(GetDlgItem(dialog, id)) != FALSE; }
void click(HWND dialog, int id) {
    ASSERT_TRUE(isEnabled(dialog, id)) << id;
    SendMessageW(GetDlgItem(dialog, id), BM_CLICK, 0, 0);
}
void type(HWND dialog, int id, const wchar_t* text) { SetDlgItemTextW(dialog, id, text); }
void post(HWND dialog, int id) { PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0); }

// Types text into the date dialog's format box as keys do: the box's edit
// field is emptied first, then each character arrives.
void typeFormat(HWND dialog, const wchar_t* text) {
    HWND edit = FindWindowExW(GetDlgItem(dialog, VEXA_IDC_DATE_FORMAT), nullptr, L"Edit", nullptr);
    ASSERT_NE(edit, nullptr);
    SendMessageW(edit, EM_SETSEL, 0, -1);
    SendMessageW(edit, WM_CHAR, VK_BACK, 0);
    for (const wchar_t* c = text; *c; ++c) SendMessageW(edit, WM_CHAR, *c, 0);
}

void pickDay(HWND dialog, WORD year, WORD month, WORD day) {
    SYSTEMTIME t{};
    t.wYear = year;
    t.wMonth = month;
    t.wDay = day;
    HWND calendar = GetDlgItem(dialog, VEXA_IDC_DATE_CALENDAR);
    ASSERT_TRUE(SendMessageW(calendar, MCM_SETCURSEL, 0, reinterpret_cast<LPARAM>(&t)));
    NMSELCHANGE change{};
    change.nmhdr = {calendar, VEXA_IDC_DATE_CALENDAR, MCN_SELCHANGE};
    change.stSelStart = change.stSelEnd = t;
    SendMessageW(dialog, WM_NOTIFY, VEXA_IDC_DATE_CALENDAR, reinterpret_cast<LPARAM>(&change));
}

// Answers the message box with caption by pressing answer; the text it
// showed, or "<no box>".
std::wstring answerBox(const std::wstring& caption, int answer) {
    HWND box = nullptr;
    host_test::waitFor([&] { return (box = lang_test::findOwnWindow(caption)) != nullptr; }, 15000);
    if (!box) return L"<no box>";
    std::wstring text = lang_test::messageBoxText(box);
    post(box, answer);
    host_test::waitFor([&] { return lang_test::findOwnWindow(caption) == nullptr; }, 15000);
    return text;
}

std::wstring question() { return lang::message(msgid::CaptionQuestion); }
std::wstring warning() { return lang::message(msgid::CaptionWarning); }

class SmallDialogs : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_NO_FATAL_FAILURE(inprocess::startEnglishPlugin(folder));
    }
    void TearDown() override {
        editors.clear();
        app::stop();
        setPluginInstance(nullptr);
    }
    EditorThread& open(std::string_view content) {
        EditorWindowOptions o;
        o.text = str::fromUtf8(content);
        o.show = SW_SHOWNOACTIVATE;
        editors.push_back(std::make_unique<EditorThread>(o));
        EXPECT_TRUE(editors.back()->started());
        return *editors.back();
    }
    void on(EditorThread& e, const std::function<void(PluginThreadContext&, EditorView&)>& fn) {
        ASSERT_TRUE(e.run([&](EditorView& v) {
            PluginThreadContext* ctx = app::context();
            ASSERT_NE(ctx, nullptr);
            ctx->editorWindow = e.editor();
            ctx->mainWindow.rebind(e.editor());
            fn(*ctx, v);
        }));
    }
    void putCaret(EditorThread& e, int32_t x, int32_t y) {
        on(e, [&](PluginThreadContext&, EditorView& v) { v.document().model.SetCaretPos(PosKind::Logical, {x, y}); });
    }
    void select(EditorThread& e, Position from, Position to) {
        on(e, [&](PluginThreadContext&, EditorView& v) { v.document().model.SetSelection(from, to); });
    }
    void command(EditorThread& e, uint32_t id, const wchar_t* caption, std::function<void(HWND)> script) {
        Watcher user(caption, std::move(script), 30000);
        on(e, [&](PluginThreadContext& c, EditorView&) { c.mainWindow.runCommand(id); });
        EXPECT_TRUE(user.found()) << "no dialog for command " << id;
    }
    u16 text(EditorThread& e) {
        u16 t;
        on(e, [&](PluginThreadContext&, EditorView& v) { t = v.document().model.text(); });
        return t;
    }
    Position caret(EditorThread& e) {
        Position p{};
        on(e, [&](PluginThreadContext&, EditorView& v) { p = v.document().model.GetCaretPos(PosKind::Logical); });
        return p;
    }
    std::wstring ini(const wchar_t* section, const wchar_t* key) {
        wchar_t buf[600] = {};
        GetPrivateProfileStringW(section, key, L"<none>", buf, 600, wide::w(folder.dir().file(u"Vexa2.ini")));
        return buf;
    }

    PluginFolder folder;
    std::vector<std::unique_ptr<EditorThread>> editors;
};

TEST_F(SmallDialogs, MinipageAroundTheSelectionAndWithoutWidth) {
    EditorThread& e = open("ab");
    select(e, {0, 0}, {2, 0});
    std::wstring width;
    bool center = false;
    std::wstring asked;
    command(e, MinipageCommand, kMinipageCaption, [&](HWND d) {
        width = textOf(d, VEXA_IDC_MINIPAGE_WIDTH);
        center = isChecked(d, VEXA_IDC_FIGURE_ALIGN_CENTER);
        type(d, VEXA_IDC_MINIPAGE_WIDTH, L"5cm");
        click(d, VEXA_IDC_FIGURE_ALIGN_RIGHT);
        post(d, VEXA_IDC_SAVE_DEFAULTS);
        asked = answerBox(question(), IDYES);
        post(d, IDOK);
    });
    EXPECT_EQ(width, L"\\textwidth");
    EXPECT_TRUE(center);
    EXPECT_EQ(asked, lang::message(msgid::MinipageAskSaveDefaults));
    EXPECT_EQ(ini(L"Settings", L"Minipage"), L"5cm\t3");
    EXPECT_EQ(text(e), u"\\begin{minipage}{5cm}\r\n\\begin{flushright}\r\nab\r\n\\end{flushright}\r\n\\end{minipage}");

    // The kept choices come back; an empty width leaves the caret in its braces.
    EditorThread& f = open("");
    std::wstring keptWidth;
    bool keptRight = false;
    command(f, MinipageCommand, kMinipageCaption, [&](HWND d) {
        keptWidth = textOf(d, VEXA_IDC_MINIPAGE_WIDTH);
        keptRight = isChecked(d, VEXA_IDC_FIGURE_ALIGN_RIGHT);
        type(d, VEXA_IDC_MINIPAGE_WIDTH, L"");
        click(d, VEXA_IDC_FIGURE_ALIGN_NONE);
        post(d, IDOK);
    });
    EXPECT_EQ(keptWidth, L"5cm");
    EXPECT_TRUE(keptRight);
    EXPECT_EQ(text(f), u"\\begin{minipage}{}\r\n\r\n\\end{minipage}");
    Position p = caret(f);
    EXPECT_EQ(p.y, 0);
    EXPECT_EQ(p.x, 17);
}

TEST_F(SmallDialogs, IndexAfterTheSelectedWordOrBeforeTheCaret) {
    EditorThread& e = open("A Graph here");
    select(e, {2, 0}, {7, 0});
    std::wstring word;
    command(e, IndexCommand, kIndexCaption, [&](HWND d) {
        word = textOf(d, VEXA_IDC_INDEX_WORD);
        type(d, VEXA_IDC_INDEX_KEY, L"graph");
        post(d, IDOK);
    });
    EXPECT_EQ(word, L"Graph");
    EXPECT_EQ(text(e), u"A Graph\\index{graph@Graph} here");
    EXPECT_EQ(caret(e).x, 26);

    putCaret(e, 0, 0);
    bool okWhenEmpty = true, okWithWord = false;
    command(e, IndexCommand, kIndexCaption, [&](HWND d) {
        okWhenEmpty = isEnabled(d, IDOK);
        type(d, VEXA_IDC_INDEX_WORD, L"word");
        host_test::waitFor([&] { return isEnabled(d, IDOK); }, 5000);
        okWithWord = isEnabled(d, IDOK);
        post(d, IDOK);
    });
    EXPECT_FALSE(okWhenEmpty);
    EXPECT_TRUE(okWithWord);
    EXPECT_EQ(text(e), u"\\index{word}A Graph\\index{graph@Graph} here");
    EXPECT_EQ(caret(e).x, 0);
}

TEST_F(SmallDialogs, DateWithTypedAndAddedFormats) {
    EditorThread& e = open("[]");
    putCaret(e, 1, 0);
    std::wstring first, preview;
    command(e, DateCommand, kDateCaption, [&](HWND d) {
        first = textOf(d, VEXA_IDC_DATE_FORMAT);
        pickDay(d, 2024, 5, 3);
        typeFormat(d, L"%Y/%m/%d");
        preview = textOf(d, VEXA_IDC_DATE_PREVIEW);
        post(d, IDOK);
    });
    EXPECT_EQ(first, lang::config(cfgid::DateHistory));
    EXPECT_EQ(preview, L"2024/05/03");
    EXPECT_EQ(text(e), u"[2024/05/03]");
    EXPECT_EQ(caret(e).x, 11);
    EXPECT_EQ(ini(L"Date", L"History"), L"%Y/%m/%d");

    // A new format joins the list once; the list is saved when the user agrees.
    std::wstring addAsked, duplicate, saveAsked;
    LRESULT countBefore = 0, countAfter = 0;
    command(e, DateCommand, kDateCaption, [&](HWND d) {
        pickDay(d, 2024, 5, 3);
        countBefore = SendDlgItemMessageW(d, VEXA_IDC_DATE_FORMAT, CB_GETCOUNT, 0, 0);
        typeFormat(d, L"%d.%m.%Y");
        post(d, VEXA_IDC_DATE_ADD);
        addAsked = answerBox(question(), IDYES);
        post(d, VEXA_IDC_DATE_ADD);
        duplicate = answerBox(warning(), IDOK);
        countAfter = SendDlgItemMessageW(d, VEXA_IDC_DATE_FORMAT, CB_GETCOUNT, 0, 0);
        post(d, IDOK);
        saveAsked = answerBox(question(), IDYES);
    });
    EXPECT_EQ(addAsked, std::wstring(lang::message(msgid::DateAskAdd)) + L"%d.%m.%Y");
    EXPECT_EQ(duplicate, lang::message(msgid::DateAlreadyListed));
    EXPECT_EQ(countAfter, countBefore + 1);
    EXPECT_EQ(saveAsked, lang::message(msgid::DateAskSaveList));
    EXPECT_EQ(text(e), u"[2024/05/0303.05.2024]");
    EXPECT_EQ(ini(L"Date", std::to_wstring(countBefore).c_str()), L"%d.%m.%Y");
    EXPECT_EQ(ini(L"Date", std::to_wstring(countBefore + 1).c_str()), L"");
    EXPECT_EQ(ini(L"Date", L"History"), L"%d.%m.%Y");
}

TEST_F(SmallDialogs, DateFormatTheRuntimeRejectsIsRefusedWithoutHarm) {
    EditorThread& e = open("x");
    std::wstring preview = L"<unset>", refused;
    command(e, DateCommand, kDateCaption, [&](HWND d) {
        typeFormat(d, L"%Y %Q %");
        preview = textOf(d, VEXA_IDC_DATE_PREVIEW);
        post(d, IDOK);
        refused = answerBox(warning(), IDOK);
    });
    EXPECT_EQ(preview, L"");
    EXPECT_EQ(refused, lang::message(msgid::DateNotFormatted));
    EXPECT_EQ(text(e), u"x");
    EXPECT_EQ(ini(L"Date", L"History"), L"%Y %Q %");

    // Offered again, it is refused at opening; Cancel keeps it as it was.
    // The box comes while the dialog is still hidden, so it is watched apart.
    std::wstring atOpening;
    Watcher box(warning(), [&](HWND b) {
        atOpening = lang_test::messageBoxText(b);
        post(b, IDOK);
    }, 30000);
    command(e, DateCommand, kDateCaption, [&](HWND d) {
        typeFormat(d, L"%Y");
        post(d, IDCANCEL);
    });
    box.join();
    EXPECT_EQ(atOpening, lang::message(msgid::DateNotFormatted));
    EXPECT_EQ(text(e), u"x");
    EXPECT_EQ(ini(L"Date", L"History"), L"%Y %Q %");
}

TEST_F(SmallDialogs, AboutBoxFromTheSystemMenu) {
    // The box is the plug-in's own resource: the built plug-in's resources
    // stand in for the test folder's stand-in for this test.
    HMODULE built = LoadLibraryExW(lang_test::builtFile(L"vexa2.dll").c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(built, nullptr);
    setPluginInstance(built);
    EditorThread& e = open("");
    bool made = false;
    on(e, [&](PluginThreadContext& c, EditorView&) { made = c.mainWindow.create(e.editor()); });
    ASSERT_TRUE(made);
    std::wstring version, language, description, link;
    bool linkBound = false;
    command(e, AboutCommand, kAboutCaption, [&](HWND d) {
        version = textOf(d, IDC_ABOUT_VERSION);
        language = textOf(d, IDC_ABOUT_LANGUAGE);
        description = textOf(d, IDC_ABOUT_LANGUAGE_DESCRIPTION);
        link = textOf(d, IDC_ABOUT_LINK);
        linkBound = GetPropW(GetDlgItem(d, IDC_ABOUT_LINK), L"Vexa_Edit_Prop") != nullptr;
        post(d, IDOK);
    });
    on(e, [&](PluginThreadContext& c, EditorView&) { c.mainWindow.destroy(); });
    setPluginInstance(folder.plugin());
    FreeLibrary(built);
    EXPECT_EQ(version, L"Version 2.29 (Unicode)");
    EXPECT_EQ(language, std::wstring(lang::config(cfgid::LanguageName)) + L" Version " + lang::config(cfgid::Version));
    EXPECT_EQ(description, lang::config(cfgid::Description));
    EXPECT_FALSE(link.empty());
    EXPECT_TRUE(linkBound);
}

} // namespace
