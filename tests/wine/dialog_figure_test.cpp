// The figure and included-file dialogs, opened by their commands on editor
// windows of the stand-in host with the English library's templates: what
// OK writes and where it leaves the caret, what "Save as Default" keeps,
// and how the browsed file is written in each name style. A watcher thread
// plays the user through the dialogs' controls.
#include "base/str.h"
#include "base/win32/wide.h"
#include "frame/message_ids.h"
#include "frame/win32/language.h"
#include "frame/win32/open_file_dialog.h"
#include "frame/win32/plugin_app.h"
#include "host/editor_thread.h"
#include "lang/resource_ids.h"
#include "mainwindow/win32/main_window.h"
#include "tests/wine/host_test_support.h"
#include "tests/wine/inprocess_plugin.h"
#include "tests/wine/language_test_support.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

namespace {

using lang_test::PluginFolder;
using lang_test::Watcher;

constexpr uint32_t FigureCommand = 41036;
constexpr uint32_t InputCommand = 41037;
const wchar_t kFigureCaption[] = L"Insert a Figure";
const wchar_t kInputCaption[] = L"Include a File";
// The file name box of the system's open-file dialog.
constexpr int OpenDialogName = 0x47C;

std::wstring textOf(HWND dialog, int id) {
    wchar_t buf[600] = {};
    GetDlgItemTextW(dialog, id, buf, 600);
    return buf;
}
bool isChecked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }
bool isEnabled(HWND dialog, int id) { return IsWindowEnabled(GetDlgItem(dialog, id)) != FALSE; }
// A click as the user makes it: the button changes its state and tells the
// dialog. Only enabled buttons take clicks.
void click(HWND dialog, int id) {
    ASSERT_TRUE(isEnabled(dialog, id)) << id;
    SendMessageW(GetDlgItem(dialog, id), BM_CLICK, 0, 0);
}
void type(HWND dialog, int id, const wchar_t* text) { SetDlgItemTextW(dialog, id, text); }
void post(HWND dialog, int id) { PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0); }

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

class InsertionDialogs : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_NO_FATAL_FAILURE(inprocess::startEnglishPlugin(folder));
        ASSERT_TRUE(docs.ok());
    }
    void TearDown() override {
        editors.clear();
        app::stop();
        setPluginInstance(nullptr);
    }
    // An editor on the file name (written with content), or an untitled one
    // holding content when name is empty.
    EditorThread& open(u16view name, std::string_view content) {
        EditorWindowOptions o;
        if (name.empty()) {
            o.text = str::fromUtf8(content);
        } else {
            EXPECT_TRUE(docs.write(name, content));
            o.path = wide::w(docs.file(name));
        }
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
    // Runs command with the user's script on the dialog captioned caption.
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
    std::wstring ini(const wchar_t* key) {
        wchar_t buf[600] = {};
        GetPrivateProfileStringW(L"Settings", key, L"<none>", buf, 600, wide::w(folder.dir().file(u"Vexa2.ini")));
        return buf;
    }
    void setIni(const wchar_t* key, const wchar_t* value) {
        WritePrivateProfileStringW(L"Settings", key, value, wide::w(folder.dir().file(u"Vexa2.ini")));
    }

    PluginFolder folder;
    TempDir docs;
    std::vector<std::unique_ptr<EditorThread>> editors;
};

TEST_F(InsertionDialogs, FigureWithSizeAndCaptionLeavesTheCaretInTheLabel) {
    EditorThread& e = open(u"main.tex", "x\r\n");
    putCaret(e, 0, 1);
    struct Seen {
        bool environment, center, graphics, size, relativeEnabled, widthEnabled, convertEnabled;
        std::wstring width, placement, file;
    } seen{};
    bool keepAspectWithKeyed = false, keepAspectWithPositional = true, convertForJpeg = false;
    command(e, FigureCommand, kFigureCaption, [&](HWND d) {
        seen = {isChecked(d, VEXA_IDC_FIGURE_ENVIRONMENT), isChecked(d, VEXA_IDC_FIGURE_ALIGN_CENTER),
                isChecked(d, VEXA_IDC_FIGURE_GRAPHICS), isChecked(d, VEXA_IDC_FIGURE_SIZE),
                isEnabled(d, VEXA_IDC_FILE_RELATIVE), isEnabled(d, VEXA_IDC_FIGURE_WIDTH),
                isEnabled(d, VEXA_IDC_FIGURE_CONVERT), textOf(d, VEXA_IDC_FIGURE_WIDTH),
                textOf(d, VEXA_IDC_FIGURE_PLACEMENT), textOf(d, VEXA_IDC_FIGURE_FILE)};
        click(d, VEXA_IDC_FIGURE_SIZE);
        keepAspectWithKeyed = isEnabled(d, VEXA_IDC_FIGURE_KEEP_ASPECT);
        click(d, VEXA_IDC_FIGURE_SIZE_POSITIONAL);
        keepAspectWithPositional = isEnabled(d, VEXA_IDC_FIGURE_KEEP_ASPECT);
        click(d, VEXA_IDC_FIGURE_SIZE_KEYED);
        type(d, VEXA_IDC_FIGURE_FILE, L"photo.JPG");
        convertForJpeg = isEnabled(d, VEXA_IDC_FIGURE_CONVERT);
        type(d, VEXA_IDC_FIGURE_FILE, L"a.eps");
        type(d, VEXA_IDC_FIGURE_CAPTION, L"Cap");
        post(d, IDOK);
    });
    // The defaults a fresh installation shows.
    EXPECT_TRUE(seen.environment);
    EXPECT_TRUE(seen.center);
    EXPECT_TRUE(seen.graphics);
    EXPECT_FALSE(seen.size);
    EXPECT_FALSE(seen.widthEnabled);
    EXPECT_TRUE(seen.relativeEnabled);
    EXPECT_FALSE(seen.convertEnabled);
    EXPECT_EQ(seen.width, L"0.5\\textwidth");
    EXPECT_EQ(seen.placement, L"htbp");
    EXPECT_EQ(seen.file, L"");
    EXPECT_TRUE(keepAspectWithKeyed);
    EXPECT_FALSE(keepAspectWithPositional);
    EXPECT_TRUE(convertForJpeg);

    EXPECT_EQ(text(e), u"x\r\n\\begin{figure}[htbp]\r\n\\begin{center}\r\n"
                       u"\\includegraphics[width=0.5\\textwidth,keepaspectratio=true]{a.eps}\r\n"
                       u"\\end{center}\r\n\\caption{Cap}\r\n\\label{}\r\n\\end{figure}");
    Position p = caret(e);
    EXPECT_EQ(p.y, 6);
    EXPECT_EQ(p.x, 7);   // inside \label{}
}

TEST_F(InsertionDialogs, FigureSaveAsDefaultKeepsTheChoicesAndCancelWritesNothing) {
    EditorThread& e = open(u"main.tex", "x\r\n");
    std::wstring question;
    command(e, FigureCommand, kFigureCaption, [&](HWND d) {
        click(d, VEXA_IDC_FIGURE_STARRED);
        type(d, VEXA_IDC_FIGURE_PLACEMENT, L"t");
        click(d, VEXA_IDC_FIGURE_LABEL);
        click(d, VEXA_IDC_FIGURE_ALIGN_LEFT);
        click(d, VEXA_IDC_FIGURE_SIZE);
        click(d, VEXA_IDC_FIGURE_SIZE_POSITIONAL);
        type(d, VEXA_IDC_FIGURE_HEIGHT, L"3cm");
        click(d, VEXA_IDC_FIGURE_INPUT);
        type(d, VEXA_IDC_FIGURE_CAPTION, L"not saved");
        post(d, VEXA_IDC_SAVE_DEFAULTS);
        question = answerBox(lang::message(msgid::CaptionQuestion), IDYES);
        post(d, IDCANCEL);
    });
    EXPECT_EQ(question, lang::message(msgid::FigureAskSaveDefaults));
    EXPECT_EQ(ini(L"Figure"), L"1\t1\tt\t0\t1\t1\t1\t0.5\\textwidth\t3cm\t0\t1");
    EXPECT_EQ(text(e), u"x\r\n");

    // Opened again, the dialog shows them, with the parts they switch off.
    struct Seen {
        bool starred, label, left, input, sizeEnabled, labelTextEnabled;
        std::wstring placement, height, caption;
    } seen{};
    command(e, FigureCommand, kFigureCaption, [&](HWND d) {
        seen = {isChecked(d, VEXA_IDC_FIGURE_STARRED), isChecked(d, VEXA_IDC_FIGURE_LABEL),
                isChecked(d, VEXA_IDC_FIGURE_ALIGN_LEFT), isChecked(d, VEXA_IDC_FIGURE_INPUT),
                isEnabled(d, VEXA_IDC_FIGURE_SIZE), isEnabled(d, VEXA_IDC_FIGURE_LABEL_TEXT),
                textOf(d, VEXA_IDC_FIGURE_PLACEMENT), textOf(d, VEXA_IDC_FIGURE_HEIGHT),
                textOf(d, VEXA_IDC_FIGURE_CAPTION)};
        type(d, VEXA_IDC_FIGURE_FILE, L"chap");
        post(d, IDOK);
    });
    EXPECT_TRUE(seen.starred);
    EXPECT_FALSE(seen.label);
    EXPECT_TRUE(seen.left);
    EXPECT_TRUE(seen.input);
    EXPECT_FALSE(seen.sizeEnabled);
    EXPECT_FALSE(seen.labelTextEnabled);
    EXPECT_EQ(seen.placement, L"t");
    EXPECT_EQ(seen.height, L"3cm");
    EXPECT_EQ(seen.caption, L"");
    // \input takes no size options; no label; the caption waits at the caret.
    EXPECT_EQ(text(e), u"\\begin{figure*}[t]\r\n\\begin{flushleft}\r\n\\input{chap}\r\n\\end{flushleft}\r\n"
                       u"\\caption{}\r\n\\end{figure*}x\r\n");
    Position p = caret(e);
    EXPECT_EQ(p.y, 4);
    EXPECT_EQ(p.x, 9);
}

TEST_F(InsertionDialogs, UnsavedDocumentCannotTakeRelativeNames) {
    setIni(L"FigureType", L"1");
    EditorThread& e = open(u"", "x");
    bool relativeEnabled = true, relative = true, nameOnly = false;
    command(e, FigureCommand, kFigureCaption, [&](HWND d) {
        relativeEnabled = isEnabled(d, VEXA_IDC_FILE_RELATIVE);
        relative = isChecked(d, VEXA_IDC_FILE_RELATIVE);
        nameOnly = isChecked(d, VEXA_IDC_FILE_NAME_ONLY);
        post(d, IDCANCEL);
    });
    EXPECT_FALSE(relativeEnabled);
    EXPECT_FALSE(relative);
    EXPECT_TRUE(nameOnly);
    EXPECT_EQ(text(e), u"x");
}

TEST_F(InsertionDialogs, InputLineFromTheStoredCommandAndItsDefault) {
    setIni(L"Input", L"1");
    EditorThread& e = open(u"main.tex", "ab\r\n");
    putCaret(e, 1, 0);
    bool include = false;
    command(e, InputCommand, kInputCaption, [&](HWND d) {
        include = isChecked(d, VEXA_IDC_INPUT_INCLUDE);
        type(d, VEXA_IDC_INPUT_FILE, L"ch1");
        post(d, IDOK);
    });
    EXPECT_TRUE(include);
    EXPECT_EQ(text(e), u"a\\include{ch1}b\r\n");
    EXPECT_EQ(caret(e).x, 14);

    // No file: the caret waits between the braces. \input becomes the default.
    std::wstring question;
    command(e, InputCommand, kInputCaption, [&](HWND d) {
        click(d, VEXA_IDC_INPUT_INPUT);
        post(d, VEXA_IDC_SAVE_DEFAULTS);
        question = answerBox(lang::message(msgid::CaptionQuestion), IDYES);
        post(d, IDOK);
    });
    EXPECT_EQ(question, lang::message(msgid::InputAskSaveDefaults));
    EXPECT_EQ(ini(L"Input"), L"0");
    EXPECT_EQ(text(e), u"a\\include{ch1}\\input{}b\r\n");
    EXPECT_EQ(caret(e).x, 21);
}

TEST_F(InsertionDialogs, BrowsedFileFollowsTheStyleUntilTypedOver) {
    ASSERT_TRUE(docs.makeFolder(u"sub"));
    ASSERT_TRUE(docs.write(u"sub\\ch2.tex", "y\r\n"));
    const u16 chosen = docs.file(u"sub\\ch2.tex");
    u16 fullWithSlashes = chosen;
    for (char16_t& c : fullWithSlashes)
        if (c == u'\\') c = u'/';
    EditorThread& e = open(u"main.tex", "x\r\n");
    std::vector<std::wstring> shown;
    std::wstring afterTyping;
    bool browserFound = false;
    command(e, InputCommand, kInputCaption, [&](HWND d) {
        Watcher browser(lang::message(msgid::InputBrowseTitle), [&](HWND b) {
            // The name box may take a moment to exist in the system dialog.
            host_test::waitFor([&] { return GetDlgItem(b, OpenDialogName) != nullptr; }, 10000);
            SetDlgItemTextW(b, OpenDialogName, wide::w(chosen));
            post(b, IDOK);
        }, 30000);
        post(d, VEXA_IDC_FILE_BROWSE);
        browser.join();
        browserFound = browser.found();
        host_test::waitFor([&] { return !textOf(d, VEXA_IDC_INPUT_FILE).empty(); }, 15000);
        shown.push_back(textOf(d, VEXA_IDC_INPUT_FILE));   // name only, the stored style
        click(d, VEXA_IDC_FILE_FULL_PATH);
        shown.push_back(textOf(d, VEXA_IDC_INPUT_FILE));
        click(d, VEXA_IDC_FILE_RELATIVE);
        shown.push_back(textOf(d, VEXA_IDC_INPUT_FILE));
        type(d, VEXA_IDC_INPUT_FILE, L"mine");
        click(d, VEXA_IDC_FILE_FULL_PATH);
        afterTyping = textOf(d, VEXA_IDC_INPUT_FILE);
        post(d, IDCANCEL);
    });
    ASSERT_TRUE(browserFound);
    ASSERT_EQ(shown.size(), 3u);
    EXPECT_EQ(shown[0], L"ch2.tex");
    EXPECT_EQ(shown[1], std::wstring(wide::w(fullWithSlashes)));
    EXPECT_EQ(shown[2], L"sub/ch2.tex");
    EXPECT_EQ(afterTyping, L"mine");
    EXPECT_EQ(ini(L"InputType"), L"0");   // the style when browse was pressed
    // Every open-file dialog of the plug-in starts from this file now.
    EXPECT_TRUE(str::equalsNoCase(open_file::lastChosen(), chosen));
    EXPECT_TRUE(str::equalsNoCase(open_file::initialFolder(u"C:\\elsewhere\\a.tex"), docs.file(u"sub")));
    EXPECT_EQ(text(e), u"x\r\n");
}

} // namespace
