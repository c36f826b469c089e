// The four dictionary import dialogs on real files: the system's open-file
// dialog is answered with a file, the list dialog is read and answered, and
// the dictionary's source is checked after the dictionary saved it.
#include "base/str.h"
#include "base/win32/wide.h"
#include "frame/message_ids.h"
#include "frame/win32/language.h"
#include "frame/win32/open_file_dialog.h"
#include "frame/win32/plugin_app.h"
#include "frame/win32/thread_context.h"
#include "host/editor_thread.h"
#include "lang/resource_ids.h"
#include "support/easy_support_dictionary.h"
#include "support/environment_dictionary.h"
#include "support/paper_size_data.h"
#include "support/tex_dictionary.h"
#include "support/dictionary_edit.h"
#include "support/win32/dialog_dic_import.h"
#include "tests/core/support/dictionary_test_util.h"
#include "tests/wine/host_test_support.h"
#include "tests/wine/inprocess_plugin.h"

#include <gtest/gtest.h>

#include <commdlg.h>

#include <functional>
#include <memory>
#include <thread>

namespace {

using dict_test::utf16le;

constexpr int OpenDialogName = 0x47C;   // the name box of the system's open-file dialog

const char kCommands[] = "\\alpha\t\tGreek a\n\\frac\t{}{}\tFraction\n";
const char kEnvironments[] = "\\begin{figure}\t[]\tFigure\n";
const char kEasy[] = ":al\t\\alpha\n";
const char kPaper[] = "a4paper\tA4\n";

// What the user saw in the list dialog.
struct Seen {
    std::vector<std::wstring> columns;
    std::vector<std::wstring> firstCells;
    std::vector<bool> checks;
};

// The visible dialog of thread with this caption and this control, waited
// for; null when it did not come.
HWND waitForDialog(DWORD thread, const std::wstring& caption, int control) {
    HWND found = nullptr;
    host_test::waitFor([&] {
        found = host_test::threadWindow(thread, [&](HWND w) {
            return IsWindowVisible(w) && lang_test::windowText(w) == caption && GetDlgItem(w, control) != nullptr;
        });
        return found != nullptr;
    }, 30000);
    return found;
}

std::vector<bool> checksOf(HWND list) {
    std::vector<bool> out;
    int n = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
    for (int i = 0; i < n; ++i) out.push_back(ListView_GetCheckState(list, i) != 0);
    return out;
}

class DictionaryImport : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_NO_FATAL_FAILURE(inprocess::useEnglishPlugin(folder));
        ASSERT_TRUE(files.ok());
        sources.writeAllSources(kCommands, kEnvironments, kEasy, kPaper);
        store = std::make_unique<DictionaryStore>(sources.paths());
    }
    void TearDown() override {
        app::stop();
        setPluginInstance(nullptr);
    }

    std::string source(u16view name) const { return sources.dir.read(name); }

    // Runs one import: answers the file dialog with file (none: Cancel), then
    // lets list act on the list dialog (which must end it). The dialog runs
    // on this thread, as under the editor; the user is played by another.
    template <typename Run>
    Seen import(uint32_t titleId, const u16& file, std::function<void(HWND dialog)> onList, Run&& runDialog) {
        Seen seen;
        const std::wstring title = lang::message(titleId);
        const DWORD thread = GetCurrentThreadId();
        std::thread user([&] {
            HWND chooser = waitForDialog(thread, title, OpenDialogName);
            if (!chooser) return;
            if (file.empty()) {
                PostMessageW(chooser, WM_COMMAND, IDCANCEL, 0);
                return;
            }
            SetDlgItemTextW(chooser, OpenDialogName, wide::w(file));
            PostMessageW(chooser, WM_COMMAND, IDOK, 0);
            if (!onList) return;
            HWND dialog = waitForDialog(thread, title, VEXA_IDC_DIC_IMPORT_LIST);
            if (!dialog) return;
            HWND list = GetDlgItem(dialog, VEXA_IDC_DIC_IMPORT_LIST);
            HWND header = reinterpret_cast<HWND>(SendMessageW(list, LVM_GETHEADER, 0, 0));
            int columns = static_cast<int>(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0));
            for (int c = 0; c < columns; ++c) {
                wchar_t text[100] = {};
                LVCOLUMNW column{};
                column.mask = LVCF_TEXT;
                column.pszText = text;
                column.cchTextMax = 100;
                SendMessageW(list, LVM_GETCOLUMNW, c, reinterpret_cast<LPARAM>(&column));
                seen.columns.push_back(text);
            }
            seen.checks = checksOf(list);
            for (size_t r = 0; r < seen.checks.size(); ++r) {
                wchar_t text[100] = {};
                ListView_GetItemText(list, static_cast<int>(r), 0, text, 100);
                seen.firstCells.push_back(text);
            }
            onList(dialog);
        });
        runDialog();
        user.join();
        return seen;
    }

    static void press(HWND dialog, int id) { SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0); }

    lang_test::PluginFolder folder;
    dict_test::Folder sources;
    TempDir files;
    std::unique_ptr<DictionaryStore> store;
};

TEST_F(DictionaryImport, CommandsReplaceAndAppendCheckedRowsAndSaveWithBackup) {
    ASSERT_TRUE(files.write(u"more.txt", utf16le("\\frac\t{}{}\tNew fraction\n\\alpha\t\tGreek a\n\\beta\t\tGreek b\n"
                                                  "\\gamma\t\tGreek c\n")));
    int result = -1;
    {
        CTeXDictionary commands(store.get(), nullptr);
        Seen seen = import(msgid::DicImportTitleCommands, files.file(u"more.txt"), [](HWND d) {
            // The user leaves \gamma out.
            ListView_SetCheckState(GetDlgItem(d, VEXA_IDC_DIC_IMPORT_LIST), 3, FALSE);
            press(d, IDOK);
        }, [&] { result = DialogDicImportTeX(nullptr, commands).result(); });
        EXPECT_EQ(seen.columns, (std::vector<std::wstring>{lang::message(dict_edit::columnTitle(dict_edit::Commands, 0)),
                                                          lang::message(dict_edit::columnTitle(dict_edit::Commands, 1)),
                                                          lang::message(dict_edit::columnTitle(dict_edit::Commands, 2))}));
        EXPECT_EQ(seen.firstCells, (std::vector<std::wstring>{L"\\frac", L"\\alpha", L"\\beta", L"\\gamma"}));
        EXPECT_EQ(seen.checks, (std::vector<bool>{true, false, true, true}));
    }
    EXPECT_EQ(result, 2);
    EXPECT_EQ(source(u"cmd.txt"),
              utf16le("\\alpha\t\tGreek a\r\n\\beta\t\tGreek b\r\n\\frac\t{}{}\tNew fraction\r\n"));
    EXPECT_EQ(source(u"cmd.txt.old"), utf16le(kCommands));
    // The next open-file dialog of the plug-in starts where this file was.
    EXPECT_TRUE(str::equalsNoCase(open_file::lastChosen(), files.file(u"more.txt")));
}

TEST_F(DictionaryImport, EnvironmentsAndAbbreviationsGoIntoTheirSources) {
    ASSERT_TRUE(files.write(u"env.txt", utf16le("\\begin{figure}\t[h]\tFigure here\n\\begin{array}\t{}\tArray\n")));
    ASSERT_TRUE(files.write(u"easy.txt", utf16le(":al\t\\alpha\n:be\t\\beta\n")));
    int environmentsStored = -1, easyStored = -1;
    Seen environmentsSeen, easySeen;
    {
        CTeXEDictionary environments(store.get());
        CEditorSupportDic easy(store.get());
        auto ok = [](HWND d) { press(d, IDOK); };
        environmentsSeen = import(msgid::DicImportTitleEnvironments, files.file(u"env.txt"), ok,
                                  [&] { environmentsStored = DialogDicImportTeXE(nullptr, environments).result(); });
        easySeen = import(msgid::DicImportTitleEasySupport, files.file(u"easy.txt"), ok,
                          [&] { easyStored = DialogDicImportEasySupport(nullptr, easy).result(); });
    }
    EXPECT_EQ(environmentsSeen.columns,
              (std::vector<std::wstring>{lang::message(dict_edit::columnTitle(dict_edit::Environments, 0)),
                                         lang::message(dict_edit::columnTitle(dict_edit::Environments, 1)),
                                         lang::message(dict_edit::columnTitle(dict_edit::Environments, 2))}));
    EXPECT_EQ(environmentsSeen.checks, (std::vector<bool>{true, true}));
    EXPECT_EQ(environmentsStored, 2);
    EXPECT_EQ(source(u"env.txt"), utf16le("\\begin{array}\t{}\tArray\r\n\\begin{figure}\t[h]\tFigure here\r\n"));
    EXPECT_EQ(source(u"env.txt.old"), utf16le(kEnvironments));

    EXPECT_EQ(easySeen.columns, (std::vector<std::wstring>{lang::message(dict_edit::columnTitle(dict_edit::EasySupport, 0)),
                                                          lang::message(dict_edit::columnTitle(dict_edit::EasySupport, 1))}));
    EXPECT_EQ(easySeen.checks, (std::vector<bool>{false, true}));
    EXPECT_EQ(easyStored, 1);
    EXPECT_EQ(source(u"easy.txt"), utf16le(":al\t\\alpha\r\n:be\t\\beta\r\n"));
    EXPECT_EQ(source(u"easy.txt.old"), utf16le(kEasy));
}

TEST_F(DictionaryImport, PaperSizesAreMergedAndWrittenBack) {
    ASSERT_TRUE(files.write(u"paper.txt", utf16le("a4paper\tA4J\nb5paper\tB5\n")));
    int result = -1;
    Seen seen;
    {
        // The editor's kind of list: it writes its source back when it goes.
        CPaperSizeData paper(*store);
        seen = import(msgid::DicImportTitlePaperSizes, files.file(u"paper.txt"), [](HWND d) { press(d, IDOK); }, [&] {
            DialogDicImportPaperSize dialog(nullptr, paper);
            result = dialog.result();
        });
    }
    EXPECT_EQ(seen.columns, (std::vector<std::wstring>{lang::message(dict_edit::columnTitle(dict_edit::PaperSizes, 0)),
                                                      lang::message(dict_edit::columnTitle(dict_edit::PaperSizes, 1))}));
    EXPECT_EQ(seen.checks, (std::vector<bool>{true, true}));
    EXPECT_EQ(result, 2);
    EXPECT_EQ(source(u"paper.txt"), utf16le("a4paper\tA4J\r\nb5paper\tB5\r\n"));
}

TEST_F(DictionaryImport, FileEqualToTheDictionaryStartsUncheckedAndChangesNothing) {
    ASSERT_TRUE(files.write(u"same.txt", utf16le(kCommands)));
    const std::string before = source(u"cmd.txt");
    int result = -1;
    Seen seen;
    std::vector<bool> afterCheckAll, afterUncheckAll;
    {
        CTeXDictionary commands(store.get(), nullptr);
        seen = import(msgid::DicImportTitleCommands, files.file(u"same.txt"), [&](HWND d) {
            HWND list = GetDlgItem(d, VEXA_IDC_DIC_IMPORT_LIST);
            press(d, VEXA_IDC_DIC_IMPORT_CHECK_ALL);
            afterCheckAll = checksOf(list);
            press(d, VEXA_IDC_DIC_IMPORT_UNCHECK_ALL);
            afterUncheckAll = checksOf(list);
            press(d, IDOK);
        }, [&] { result = DialogDicImportTeX(nullptr, commands).result(); });
        EXPECT_FALSE(commands.modified());
    }
    EXPECT_EQ(seen.checks, (std::vector<bool>{false, false}));
    EXPECT_EQ(afterCheckAll, (std::vector<bool>{true, true}));
    EXPECT_EQ(afterUncheckAll, (std::vector<bool>{false, false}));
    EXPECT_EQ(result, 0);
    EXPECT_EQ(source(u"cmd.txt"), before);
    EXPECT_FALSE(sources.dir.exists(u"cmd.txt.old"));
}

TEST_F(DictionaryImport, CancelInEitherDialogImportsNothing) {
    ASSERT_TRUE(files.write(u"more.txt", utf16le("\\beta\t\tGreek b\n")));
    const std::string before = source(u"cmd.txt");
    int cancelledList = -1, cancelledFile = -1;
    bool listShown = false;
    {
        CTeXDictionary commands(store.get(), nullptr);
        import(msgid::DicImportTitleCommands, files.file(u"more.txt"), [&](HWND d) {
            listShown = true;
            press(d, IDCANCEL);
        }, [&] { cancelledList = DialogDicImportTeX(nullptr, commands).result(); });
        import(msgid::DicImportTitleCommands, u"", nullptr,
               [&] { cancelledFile = DialogDicImportTeX(nullptr, commands).result(); });
        EXPECT_FALSE(commands.modified());
    }
    EXPECT_TRUE(listShown);
    EXPECT_EQ(cancelledList, 0);
    EXPECT_EQ(cancelledFile, 0);
    EXPECT_EQ(source(u"cmd.txt"), before);
}

// A file too large to be a dictionary is refused with a warning before any
// list is shown.
TEST_F(DictionaryImport, OversizedFileIsRefusedWithAWarning) {
    ASSERT_TRUE(files.write(u"huge.txt", std::string(0xFFFFFF + 2, 'a')));
    const std::string before = source(u"easy.txt");
    std::wstring warning;
    int result = -1;
    {
        CEditorSupportDic easy(store.get());
        lang_test::Watcher box(lang::message(msgid::CaptionWarning), [&](HWND b) {
            warning = lang_test::messageBoxText(b);
            PostMessageW(b, WM_COMMAND, IDOK, 0);
        }, 60000);
        import(msgid::DicImportTitleEasySupport, files.file(u"huge.txt"), nullptr,
               [&] { result = DialogDicImportEasySupport(nullptr, easy).result(); });
        box.join();
        EXPECT_TRUE(box.found());
        EXPECT_FALSE(easy.modified());
    }
    EXPECT_EQ(warning, lang::message(msgid::DicImportTooLarge));
    EXPECT_EQ(result, 0);
    EXPECT_EQ(source(u"easy.txt"), before);
}

// Before any file was chosen, the file dialog opens in the folder of the
// document of the editor the import was started from.
TEST_F(DictionaryImport, FirstFileDialogOpensInTheDocumentsFolder) {
    ASSERT_EQ(app::start(folder.plugin(), folder.dir().path()), app::StartResult::Started);
    shared::state() = initialSharedState();
    ASSERT_TRUE(files.makeFolder(u"doc"));
    ASSERT_TRUE(files.write(u"doc\\main.tex", "x\r\n"));
    EditorWindowOptions options;
    options.path = wide::w(files.file(u"doc\\main.tex"));
    options.show = SW_SHOWNOACTIVATE;
    EditorThread editor(options);
    ASSERT_TRUE(editor.started());
    PluginThreadContext* ctx = app::context();
    ASSERT_NE(ctx, nullptr);
    ctx->editorWindow = editor.editor();
    open_file::rememberChosen(u"");   // as in a process where no file was chosen yet

    std::wstring shown;
    const DWORD thread = GetCurrentThreadId();
    std::thread user([&] {
        HWND chooser = waitForDialog(thread, lang::message(msgid::DicImportTitleCommands), OpenDialogName);
        if (!chooser) return;
        wchar_t folderPath[MAX_PATH * 2] = {};
        SendMessageW(chooser, CDM_GETFOLDERPATH, MAX_PATH * 2, reinterpret_cast<LPARAM>(folderPath));
        shown = folderPath;
        PostMessageW(chooser, WM_COMMAND, IDCANCEL, 0);
    });
    int result = -1;
    {
        CTeXDictionary commands(store.get(), nullptr);
        result = DialogDicImportTeX(nullptr, commands).result();
    }
    user.join();
    EXPECT_EQ(result, 0);
    EXPECT_TRUE(str::equalsNoCase(wide::u(shown.c_str()), files.file(u"doc"))) << shown;
}

} // namespace
