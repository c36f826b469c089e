// Deleting the auxiliary files of a child document and its root on real
// files, in-process on an editor window of the stand-in host, in each
// report mode and with and without the recycle bin.
#include "base/win32/wide.h"
#include "frame/win32/language.h"
#include "frame/win32/module.h"
#include "frame/win32/plugin_app.h"
#include "frame/win32/shared_state.h"
#include "host/editor_thread.h"
#include "lang/resource_ids.h"
#include "make/win32/aux_delete.h"
#include "tests/wine/inprocess_plugin.h"
#include "tests/wine/language_test_support.h"
#include "tests/wine/plugin_test_support.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

using lang_test::PluginFolder;
using lang_test::Watcher;

// Caption of template 235 in the English library.
const wchar_t kReportCaption[] = L"Delete Auxiliary Files";

// Name matches are spelled with the list's extension ("main.AUX"), which
// Windows finds whatever the file's own case.
bool endsWithNoCase(const std::wstring& s, const std::wstring& tail) {
    return s.size() >= tail.size() &&
           CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, s.c_str() + s.size() - tail.size(), -1, tail.c_str(),
                          -1) == CSTR_EQUAL;
}

class AuxDelete : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_NO_FATAL_FAILURE(inprocess::startEnglishPlugin(folder));
        ASSERT_TRUE(docs.ok());
        ASSERT_TRUE(docs.makeFolder(u"sub"));
        // "TEX" and "*.tex" in the list must still spare every source.
        setIni(L"DeleteList", L"*.BMC\t*.tex\tAUX\tLOG\tTEX");
        setIni(L"SubDirectory", L"1");
    }
    void TearDown() override {
        editor.reset();
        app::stop();
        setPluginInstance(nullptr);
    }
    void setIni(const wchar_t* key, const wchar_t* value) {
        WritePrivateProfileStringW(L"Make", key, value, wide::w(folder.dir().file(u"Vexa2.ini")));
    }
    // A child document naming its root, the root, and their by-products.
    void layOut(bool withPatterns) {
        for (auto [name, text] : std::vector<std::pair<u16, std::string>>{
                 {u"ch1.tex", "%Root main.tex\r\n\\section{A}\r\n"},
                 {u"main.tex", "\\begin{document}\r\n\\input{ch1}\r\n\\end{document}\r\n"},
                 {u"other.tex", "x"},
                 {u"ch1.aux", "a"},
                 {u"main.aux", "a"},
                 {u"main.log", "l"},
                 {u"main.toc", "kept: not listed"}})
            ASSERT_TRUE(docs.write(name, text));
        if (withPatterns) {
            ASSERT_TRUE(docs.write(u"a.bmc", "b"));
            ASSERT_TRUE(docs.write(u"sub\\b.BMC", "b"));
            ASSERT_TRUE(docs.write(u"sub\\deep.tex", "source below"));
        }
        EditorWindowOptions o;
        o.path = wide::w(docs.file(u"ch1.tex"));
        o.show = SW_SHOWNOACTIVATE;
        editor = std::make_unique<EditorThread>(o);
        ASSERT_TRUE(editor->started());
    }
    // closing: as the main window calls it when it closes, without owner.
    void run(bool closing = false) {
        ASSERT_TRUE(editor->run([&](EditorView&) {
            PluginThreadContext* ctx = app::context();
            ASSERT_NE(ctx, nullptr);
            ctx->editorWindow = editor->editor();
            aux_delete::deleteAuxFiles(folder.plugin(), closing ? nullptr : editor->frame(), editor->editor());
        }));
    }
    bool has(u16view name) const { return docs.exists(name); }
    void expectSourcesKept() {
        for (u16view s : {u"ch1.tex", u"main.tex", u"other.tex", u"main.toc"}) EXPECT_TRUE(has(s)) << wide::w(u16(s));
    }

    PluginFolder folder;
    TempDir docs;
    std::unique_ptr<EditorThread> editor;
};

TEST_F(AuxDelete, SilentRealDeleteTakesNameAndPatternMatchesOnly) {
    setIni(L"DeleteReport", L"0");
    setIni(L"DeleteUndo", L"0");
    layOut(true);
    Watcher unexpected(kReportCaption, [](HWND d) { PostMessageW(d, WM_COMMAND, IDCANCEL, 0); }, 3000);
    run();
    unexpected.join();
    EXPECT_FALSE(unexpected.found());
    for (u16view gone : {u"ch1.aux", u"main.aux", u"main.log", u"a.bmc", u"sub\\b.BMC"})
        EXPECT_FALSE(has(gone)) << wide::w(u16(gone));
    expectSourcesKept();
    EXPECT_TRUE(has(u"sub\\deep.tex"));
}

TEST_F(AuxDelete, RecycleBinDeleteEmptiesTheFolderToo) {
    setIni(L"DeleteReport", L"0");
    setIni(L"DeleteUndo", L"1");
    layOut(true);
    run();
    for (u16view gone : {u"ch1.aux", u"main.aux", u"main.log", u"a.bmc", u"sub\\b.BMC"})
        EXPECT_FALSE(has(gone)) << wide::w(u16(gone));
    expectSourcesKept();
    EXPECT_TRUE(has(u"sub\\deep.tex"));
}

TEST_F(AuxDelete, PatternReportWithoutPatternMatchesShowsNothing) {
    setIni(L"DeleteReport", L"2");
    layOut(false);
    Watcher unexpected(kReportCaption, [](HWND d) { PostMessageW(d, WM_COMMAND, IDCANCEL, 0); }, 3000);
    run();
    unexpected.join();
    EXPECT_FALSE(unexpected.found());
    for (u16view gone : {u"ch1.aux", u"main.aux", u"main.log"}) EXPECT_FALSE(has(gone)) << wide::w(u16(gone));
    expectSourcesKept();
}

TEST_F(AuxDelete, CancelledPatternReportKeepsPatternMatchesOnly) {
    setIni(L"DeleteReport", L"2");
    layOut(true);
    int rows = -1;
    Watcher user(kReportCaption, [&](HWND d) {
        rows = static_cast<int>(SendDlgItemMessageW(d, VEXA_IDC_DELETE_LIST, LVM_GETITEMCOUNT, 0, 0));
        PostMessageW(d, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    });
    run();
    user.join();
    EXPECT_TRUE(user.found());
    EXPECT_EQ(rows, 2);   // only a.bmc and sub\b.BMC are shown
    EXPECT_TRUE(has(u"a.bmc"));
    EXPECT_TRUE(has(u"sub\\b.BMC"));
    for (u16view gone : {u"ch1.aux", u"main.aux", u"main.log"}) EXPECT_FALSE(has(gone)) << wide::w(u16(gone));
    expectSourcesKept();
}

TEST_F(AuxDelete, FullReportKeepsWhatTheUserUnchecks) {
    setIni(L"DeleteReport", L"1");
    setIni(L"SubDirectory", L"0");   // the walk stays in the root's folder
    layOut(true);
    std::vector<std::wstring> listed;
    Watcher user(kReportCaption, [&](HWND d) {
        HWND list = GetDlgItem(d, VEXA_IDC_DELETE_LIST);
        int n = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
        for (int i = 0; i < n; ++i) {
            wchar_t buf[600] = {};
            ListView_GetItemText(list, i, 0, buf, 600);
            listed.push_back(buf);
            if (endsWithNoCase(buf, L"\\main.log")) ListView_SetCheckState(list, i, FALSE);
        }
        PostMessageW(d, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    });
    run();
    user.join();
    ASSERT_TRUE(user.found());
    ASSERT_EQ(listed.size(), 4u);   // ch1.aux, main.aux, main.log, a.bmc
    EXPECT_TRUE(endsWithNoCase(listed[0], L"\\ch1.aux"));
    EXPECT_TRUE(endsWithNoCase(listed[2], L"\\main.log"));
    EXPECT_TRUE(endsWithNoCase(listed[3], L"\\a.bmc"));
    EXPECT_TRUE(has(u"main.log"));
    EXPECT_TRUE(has(u"sub\\b.BMC"));
    for (u16view gone : {u"ch1.aux", u"main.aux", u"a.bmc"}) EXPECT_FALSE(has(gone)) << wide::w(u16(gone));
    expectSourcesKept();
}

TEST_F(AuxDelete, ClosingShowsNothingAndKeepsWhatWouldNeedConfirming) {
    setIni(L"DeleteReport", L"2");
    layOut(true);
    Watcher unexpected(kReportCaption, [](HWND d) { PostMessageW(d, WM_COMMAND, IDOK, 0); }, 3000);
    run(true);
    unexpected.join();
    EXPECT_FALSE(unexpected.found());
    for (u16view gone : {u"ch1.aux", u"main.aux", u"main.log"}) EXPECT_FALSE(has(gone)) << wide::w(u16(gone));
    EXPECT_TRUE(has(u"a.bmc"));
    EXPECT_TRUE(has(u"sub\\b.BMC"));
    expectSourcesKept();

    // With every file to be confirmed, closing deletes none of them.
    setIni(L"DeleteReport", L"1");
    ASSERT_TRUE(docs.write(u"main.aux", "a"));
    run(true);
    EXPECT_TRUE(has(u"main.aux"));
    EXPECT_TRUE(has(u"a.bmc"));
}

TEST_F(AuxDelete, UnsavedDocumentDeletesNothing) {
    setIni(L"DeleteReport", L"0");
    ASSERT_TRUE(docs.write(u"main.aux", "a"));
    EditorWindowOptions o;
    o.text = u"%Root main.tex\r\n";
    o.show = SW_SHOWNOACTIVATE;
    editor = std::make_unique<EditorThread>(o);
    ASSERT_TRUE(editor->started());
    run();
    EXPECT_TRUE(has(u"main.aux"));
}

} // namespace
