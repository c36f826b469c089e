// The dictionary editor with the English library's templates over copies of
// the shipped dictionaries: what adding, editing, deleting and sorting in
// each tab write to the sources, the read-only editor over a locked source,
// and the way from the main window's system menu to a rebuilt cache that
// the next main window loads. A watcher thread plays the user.
#include "base/str.h"
#include "base/win32/wide.h"
#include "frame/message_ids.h"
#include "frame/win32/language.h"
#include "frame/win32/plugin_app.h"
#include "host/editor_thread.h"
#include "lang/resource_ids.h"
#include "mainwindow/win32/main_window.h"
#include "support/tex_dictionary.h"
#include "support/win32/dialog_dic_edit.h"
#include "support/win32/dictionary_paths.h"
#include "tests/wine/host_test_support.h"
#include "tests/wine/inprocess_plugin.h"
#include "tests/wine/language_test_support.h"
#include "tests/wine/plugin_test_support.h"
#include "tests/wine/support_window_input.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace {

using lang_test::PluginFolder;
using lang_test::Watcher;

constexpr uint32_t DictionaryEditorCommand = 41196;   // system-menu item 4
const wchar_t kEditorCaption[] = L"Dictionary Editor";

std::wstring caption(uint32_t id) { return lang::message(id); }

void post(HWND dialog, int id) { PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0); }

HWND waitWindow(const std::wstring& title) {
    HWND w = nullptr;
    host_test::waitFor([&] { return (w = lang_test::findOwnWindow(title)) != nullptr; }, 15000);
    return w;
}

bool gone(HWND w) {
    return host_test::waitFor([&] { return !IsWindow(w) || !IsWindowVisible(w); }, 15000);
}

// Presses answer in the message box with caption; its text, or "<no box>".
std::wstring answerBox(uint32_t captionId, int answer) {
    HWND box = waitWindow(caption(captionId));
    if (!box) return L"<no box>";
    std::wstring text = lang_test::messageBoxText(box);
    post(box, answer);
    gone(box);
    return text;
}

HWND listOf(HWND editor) { return GetDlgItem(GetDlgItem(editor, VEXA_IDC_DIC_EDIT_TABS), VEXA_IDC_DIC_EDIT_LIST); }

void showTab(HWND editor, int tab) {
    HWND tabs = GetDlgItem(editor, VEXA_IDC_DIC_EDIT_TABS);
    SendMessageW(tabs, TCM_SETCURSEL, tab, 0);
    NMHDR change{tabs, VEXA_IDC_DIC_EDIT_TABS, static_cast<UINT>(TCN_SELCHANGE)};
    SendMessageW(editor, WM_NOTIFY, VEXA_IDC_DIC_EDIT_TABS, reinterpret_cast<LPARAM>(&change));
}

void selectRow(HWND list, int row) {
    LVITEMW state{};
    state.stateMask = state.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(list, LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(&state));
}

struct ItemBoxes {
    std::wstring first, second, third;
    bool thirdEnabled = true;
};

// Fills the open item dialog (caption of message captionId) and presses OK;
// what the boxes held when it opened.
ItemBoxes fillItem(uint32_t captionId, const std::wstring& a, const std::wstring& b, const std::wstring& c,
                   HWND* dialog = nullptr) {
    ItemBoxes before;
    HWND d = waitWindow(caption(captionId));
    if (!d) return before;
    auto text = [&](int id) { return lang_test::windowText(GetDlgItem(d, id)); };
    before = {text(VEXA_IDC_DIC_ITEM_FIELD1), text(VEXA_IDC_DIC_ITEM_FIELD2), text(VEXA_IDC_DIC_ITEM_FIELD3),
              IsWindowEnabled(GetDlgItem(d, VEXA_IDC_DIC_ITEM_FIELD3)) != FALSE};
    SetDlgItemTextW(d, VEXA_IDC_DIC_ITEM_FIELD1, a.c_str());
    SetDlgItemTextW(d, VEXA_IDC_DIC_ITEM_FIELD2, b.c_str());
    if (before.thirdEnabled) SetDlgItemTextW(d, VEXA_IDC_DIC_ITEM_FIELD3, c.c_str());
    post(d, IDOK);
    if (dialog) *dialog = d;
    else gone(d);
    return before;
}

bool enabled(HWND editor, int command) {
    HWND toolbar = FindWindowExW(editor, nullptr, TOOLBARCLASSNAMEW, nullptr);
    return SendMessageW(toolbar, TB_ISBUTTONENABLED, command, 0) != 0;
}

class DictionaryEditor : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_NO_FATAL_FAILURE(inprocess::startEnglishPlugin(folder));
        ASSERT_TRUE(support_input::installDictionaries(plugin_test::distFolder(), folder.dir()));
        for (const char16_t* name : Sources) shipped.push_back(source(name));
    }
    void TearDown() override {
        editors.clear();
        app::stop();
        setPluginInstance(nullptr);
    }
    // Runs the editor on this thread while script plays the user.
    bool runEditor(const std::function<void(HWND)>& script, const std::wstring& title = kEditorCaption) {
        DictionaryPaths paths;
        EXPECT_TRUE(dictionary_paths::forPlugin(folder.plugin(), paths));
        Watcher user(title, script, 60000);
        bool changed = DialogDicEdit(nullptr, paths, app::settings()).changed();
        user.join();
        EXPECT_TRUE(user.found()) << "no editor";
        return changed;
    }
    std::string source(const char16_t* name) const { return folder.dir().read(u"Vexa2Lang\\" + u16(name)); }
    std::string line(std::string_view utf8) const {
        u16 t = str::fromUtf8(utf8);
        return std::string(reinterpret_cast<const char*>(t.data()), t.size() * 2);
    }
    bool holds(const char16_t* name, std::string_view utf8Line) const {
        return source(name).find(line(std::string(utf8Line) + "\r\n")) != std::string::npos;
    }

    static constexpr const char16_t* Sources[] = {u"Vexa2Command.txt", u"Vexa2Environment.txt",
                                                  u"Vexa2EasySupport.txt", u"Vexa2PaperSize.txt"};
    PluginFolder folder;
    std::vector<std::string> shipped;
    std::vector<std::unique_ptr<EditorThread>> editors;
};

TEST_F(DictionaryEditor, AddEditAndDeleteInEachTabWriteTheSources) {
    // Rows stand in dictionary order; the positions come from the sources
    // as loaded (reading 2000 rows back through the list takes seconds).
    int frac = -1, tfrac = -1;
    {
        DictionaryPaths paths;
        ASSERT_TRUE(dictionary_paths::forPlugin(folder.plugin(), paths));
        DictionaryStore store(paths);
        CTeXDictionary commands(&store, nullptr);
        frac = commands.find(u"\\frac{}{}");
        tfrac = commands.find(u"\\tfrac{}{}");
    }
    std::wstring duplicate, question;
    ItemBoxes edited, paperBoxes;
    int rowsBefore = 0, rowsAfter = 0;
    bool changed = runEditor([&](HWND d) {
        HWND list = listOf(d);
        rowsBefore = support_input::rowCount(list);
        selectRow(list, frac);
        post(d, VEXA_IDC_DIC_EDIT_EDIT);
        edited = fillItem(msgid::DicEditTipEdit, L"\\frac", L"{}{}", L"A fraction");

        selectRow(list, tfrac);
        post(d, VEXA_IDC_DIC_EDIT_DELETE);
        question = answerBox(msgid::CaptionQuestion, IDYES);
        host_test::waitFor([&] { return support_input::rowCount(list) == rowsBefore - 1; });

        // \frac with {}{} is there already: the warning, and the dialog stays.
        post(d, VEXA_IDC_DIC_EDIT_ADD);
        HWND item = nullptr;
        fillItem(msgid::DicEditTipAdd, L"\\frac", L"{}{}", L"again", &item);
        duplicate = answerBox(msgid::CaptionWarning, IDOK);
        SetDlgItemTextW(item, VEXA_IDC_DIC_ITEM_FIELD1, L"\\vexatest");
        post(item, IDOK);
        gone(item);
        rowsAfter = support_input::rowCount(list);

        showTab(d, 1);
        post(d, VEXA_IDC_DIC_EDIT_ADD);
        fillItem(msgid::DicEditTipAdd, L"\\begin{vexa}", L"[x]", L"test environment");
        showTab(d, 2);
        post(d, VEXA_IDC_DIC_EDIT_ADD);
        fillItem(msgid::DicEditTipAdd, L":vx", L"\\vexatest", L"");
        showTab(d, 3);
        post(d, VEXA_IDC_DIC_EDIT_ADD);
        paperBoxes = fillItem(msgid::DicEditTipAdd, L"vexapaper", L"B4", L"");
        post(d, VEXA_IDC_DIC_EDIT_CLOSE);
    });
    EXPECT_TRUE(changed);
    EXPECT_EQ(duplicate, caption(msgid::DicEditDuplicate));
    EXPECT_EQ(edited.first, L"\\frac");
    EXPECT_EQ(edited.second, L"{}{}");
    EXPECT_EQ(edited.third, L"Fraction");
    EXPECT_FALSE(paperBoxes.thirdEnabled);
    EXPECT_EQ(question, caption(msgid::DicEditAskDelete) + L"\r\n\r\n- Command\r\n\t\\tfrac\r\n- Arguments\r\n\t{}{}" +
                            L"\r\n- Description\r\n\tFraction in text style (amsmath)");
    EXPECT_EQ(rowsAfter, rowsBefore);   // one deleted, one added

    EXPECT_TRUE(holds(u"Vexa2Command.txt", "\\vexatest\t{}{}\tagain"));
    EXPECT_TRUE(holds(u"Vexa2Command.txt", "\\frac\t{}{}\tA fraction"));
    EXPECT_FALSE(holds(u"Vexa2Command.txt", "\\tfrac\t{}{}\tFraction in text style (amsmath)"));
    EXPECT_TRUE(holds(u"Vexa2Environment.txt", "\\begin{vexa}\t[x]\ttest environment"));
    EXPECT_TRUE(holds(u"Vexa2EasySupport.txt", ":vx\t\\vexatest"));
    EXPECT_TRUE(holds(u"Vexa2PaperSize.txt", "vexapaper\tB4"));
    for (size_t s = 0; s < std::size(Sources); ++s)
        EXPECT_EQ(source((u16(Sources[s]) + u".old").c_str()), shipped[s]) << s;
}

TEST_F(DictionaryEditor, SortingRewritesAllFourSources) {
    for (const char16_t* name : Sources) EXPECT_TRUE(source((u16(name) + u".old").c_str()).empty());
    bool changed = runEditor([&](HWND d) {
        post(d, VEXA_IDC_DIC_EDIT_SORT);
        post(d, IDCANCEL);
    });
    EXPECT_TRUE(changed);
    for (size_t s = 0; s < std::size(Sources); ++s) {
        EXPECT_EQ(source((u16(Sources[s]) + u".old").c_str()), shipped[s]) << s;
        EXPECT_FALSE(source(Sources[s]).empty()) << s;
    }
    // Nothing changed: nothing is written, and the editor says so.
    for (const char16_t* name : Sources) folder.dir().write(u"Vexa2Lang\\" + u16(name) + u".old", "");
    EXPECT_FALSE(runEditor([&](HWND d) { post(d, IDCANCEL); }));
    for (const char16_t* name : Sources) EXPECT_TRUE(source((u16(name) + u".old").c_str()).empty());
}

TEST_F(DictionaryEditor, ALockedSourceOpensTheEditorReadOnly) {
    HANDLE lock = CreateFileW(wide::w(folder.dir().file(u"Vexa2Lang\\Vexa2EasySupport.txt")), GENERIC_READ, 0,
                              nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(lock, INVALID_HANDLE_VALUE);
    std::vector<int> on;
    std::vector<std::wstring> tips, expectedTips;
    std::wstring foundRow;
    bool helpOn = false, historyOn = false;
    int rows = 0;
    bool changed = runEditor(
        [&](HWND d) {
            for (int id : {VEXA_IDC_DIC_EDIT_ADD, VEXA_IDC_DIC_EDIT_EDIT, VEXA_IDC_DIC_EDIT_DELETE,
                           VEXA_IDC_DIC_EDIT_SORT, VEXA_IDC_DIC_EDIT_IMPORT})
                if (enabled(d, id)) on.push_back(id);
            helpOn = enabled(d, VEXA_IDC_DIC_EDIT_HELP);
            historyOn = enabled(d, VEXA_IDC_DIC_EDIT_CLEAR_HISTORY);
            rows = support_input::rowCount(listOf(d));
            // Typing in the list finds a row by the beginning of its first column.
            LVFINDINFOW typed{};
            typed.flags = LVFI_STRING | LVFI_PARTIAL;
            typed.psz = L"\\SECT";
            int at = static_cast<int>(SendMessageW(listOf(d), LVM_FINDITEMW, static_cast<WPARAM>(-1),
                                                   reinterpret_cast<LPARAM>(&typed)));
            foundRow = at >= 0 ? support_input::rowText(listOf(d), at, 0) : L"<none>";
            for (auto [id, text] : {std::pair{VEXA_IDC_DIC_EDIT_ADD, msgid::DicEditTipAdd},
                                    std::pair{VEXA_IDC_DIC_EDIT_IMPORT, msgid::DicEditTipImport},
                                    std::pair{VEXA_IDC_DIC_EDIT_CLOSE, msgid::DicEditTipClose}}) {
                NMTTDISPINFOW tip{};
                tip.hdr.idFrom = id;
                tip.hdr.code = TTN_GETDISPINFOW;
                SendMessageW(d, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&tip));
                tips.push_back(tip.lpszText ? tip.lpszText : L"<none>");
                expectedTips.push_back(caption(text));
            }
            // A sort that still arrives is refused.
            post(d, VEXA_IDC_DIC_EDIT_SORT);
            post(d, VEXA_IDC_DIC_EDIT_CLOSE);
        },
        caption(msgid::DicEditReadOnlyTitle));
    CloseHandle(lock);
    EXPECT_TRUE(on.empty()) << on.front();
    EXPECT_TRUE(helpOn);
    EXPECT_TRUE(historyOn);
    EXPECT_GT(rows, 100);   // it still shows
    EXPECT_EQ(tips, expectedTips);
    EXPECT_EQ(foundRow.substr(0, 5), L"\\sect");
    EXPECT_FALSE(changed);
    EXPECT_TRUE(source(u"Vexa2Command.txt.old").empty());
}

TEST_F(DictionaryEditor, FromTheSystemMenuTheNextMainWindowLoadsTheChange) {
    EditorWindowOptions o;
    o.show = SW_SHOWNOACTIVATE;
    editors.push_back(std::make_unique<EditorThread>(o));
    EditorThread& e = *editors.back();
    ASSERT_TRUE(e.started());
    auto on = [&](const std::function<void(PluginThreadContext&)>& fn) {
        ASSERT_TRUE(e.run([&](EditorView&) {
            PluginThreadContext* ctx = app::context();
            ASSERT_NE(ctx, nullptr);
            ctx->editorWindow = e.editor();
            ctx->mainWindow.rebind(e.editor());
            fn(*ctx);
        }));
    };
    bool made = false;
    on([&](PluginThreadContext& c) { made = c.mainWindow.create(e.editor()); });
    ASSERT_TRUE(made);

    std::wstring asked, notice;
    Watcher user(kEditorCaption, [&](HWND d) {
        post(d, VEXA_IDC_DIC_EDIT_ADD);
        fillItem(msgid::DicEditTipAdd, L"\\vexatest", L"{}", L"");
        post(d, VEXA_IDC_DIC_EDIT_CLOSE);
        asked = answerBox(msgid::CaptionQuestion, IDYES);
        notice = answerBox(msgid::CaptionQuestion, IDOK);
    }, 60000);
    on([&](PluginThreadContext& c) { c.mainWindow.runCommand(DictionaryEditorCommand); });
    user.join();
    ASSERT_TRUE(user.found());
    EXPECT_EQ(asked, caption(msgid::AskRestartForDictionaries));
    EXPECT_EQ(notice, caption(msgid::RestartNotice));

    bool closed = true, valid = false, offered = false;
    on([&](PluginThreadContext& c) {
        closed = !c.mainWindow.exists();
        made = c.mainWindow.create(e.editor());
        if (DictionaryStore* store = c.mainWindow.dictionaries()) {
            valid = store->cacheValid();
            CTeXDictionary commands(store, nullptr);
            const CommandEntry* found = commands.entry(commands.find(u"\\vexatest{}"));
            offered = found && u16(record::field(found->text)) == u"\\vexatest{}";
        }
        c.mainWindow.destroy();
    });
    EXPECT_TRUE(closed);
    EXPECT_TRUE(made);
    EXPECT_TRUE(valid) << "the cache was not rebuilt";
    EXPECT_TRUE(offered);
}

} // namespace
