// The page layout dialog, opened by its command on an editor window of the
// stand-in host with the English library's template: what it shows for the
// parameter lines of the preamble, how typing and a click on a diagram
// label reach the boxes, and the document and "Last" after OK. A watcher
// thread plays the user.
#include "base/str.h"
#include "base/win32/wide.h"
#include "frame/message_ids.h"
#include "frame/win32/language.h"
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

constexpr uint32_t LayoutCommand = 41002;
const wchar_t kCaption[] = L"Page Layout";
constexpr int PaperWidth = 0, TopMargin = 4, TextWidth = 10, TextHeight = 11;

int checkId(int p) { return VEXA_IDC_LAYOUT_CHECK + 2 * p; }
int valueId(int p) { return VEXA_IDC_LAYOUT_VALUE + 2 * p; }

std::wstring textOf(HWND dialog, int id) {
    wchar_t buf[200] = {};
    GetDlgItemTextW(dialog, id, buf, 200);
    return buf;
}
bool isChecked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }
bool isEnabled(HWND dialog, int id) { return IsWindowEnabled(GetDlgItem(dialog, id)) != FALSE; }
void click(HWND dialog, int id) { SendMessageW(GetDlgItem(dialog, id), BM_CLICK, 0, 0); }
void type(HWND dialog, int id, const wchar_t* text) { SetDlgItemTextW(dialog, id, text); }
void post(HWND dialog, int id) { PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0); }

// The control that has the keyboard focus on the dialog's thread.
HWND focusOf(HWND dialog) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    return GetGUIThreadInfo(GetWindowThreadProcessId(dialog, nullptr), &info) ? info.hwndFocus : nullptr;
}

class LayoutDialog : public ::testing::Test {
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
    void command(EditorThread& e, std::function<void(HWND)> script) {
        Watcher user(kCaption, std::move(script), 60000);
        on(e, [&](PluginThreadContext& c, EditorView&) { c.mainWindow.runCommand(LayoutCommand); });
        EXPECT_TRUE(user.found()) << "no page layout dialog";
    }
    u16 text(EditorThread& e) {
        u16 t;
        on(e, [&](PluginThreadContext&, EditorView& v) { t = v.document().model.text(); });
        return t;
    }
    std::wstring ini(const wchar_t* key) {
        wchar_t buf[600] = {};
        GetPrivateProfileStringW(L"Layout", key, L"<none>", buf, 600, wide::w(folder.dir().file(u"Vexa2.ini")));
        return buf;
    }

    PluginFolder folder;
    std::vector<std::unique_ptr<EditorThread>> editors;
};

TEST_F(LayoutDialog, FoundLinesAreRewrittenRemovedAndNewOnesInserted) {
    EditorThread& e = open("\\documentclass{article}\r\n\\textwidth 150mm % wide\r\n\\topmargin 0pt\r\n"
                           "\\textheight 20cm\r\n\\begin{document}\r\nbody\r\n");
    struct Seen {
        std::wstring width, height;
        bool widthChecked, marginChecked, paperChecked, commentEnabled, paperCheckedByTyping;
        bool labelFocusesItsBox;
    } seen{};
    command(e, [&](HWND d) {
        seen.width = textOf(d, valueId(TextWidth));
        seen.height = textOf(d, valueId(TextHeight));
        seen.widthChecked = isChecked(d, checkId(TextWidth));
        seen.marginChecked = isChecked(d, checkId(TopMargin));
        seen.paperChecked = isChecked(d, checkId(PaperWidth));
        seen.commentEnabled = isEnabled(d, VEXA_IDC_LAYOUT_COMMENT);
        type(d, valueId(TextWidth), L"160mm");
        click(d, checkId(TopMargin));
        type(d, valueId(PaperWidth), L"210mm");
        seen.paperCheckedByTyping = isChecked(d, checkId(PaperWidth));
        // Label "C" (\textheight) is centred at (59, 80) of the diagram,
        // which sits 7 pixels in from the right edge and 7 above the
        // comment box.
        RECT client{}, comment{};
        GetClientRect(d, &client);
        GetWindowRect(GetDlgItem(d, VEXA_IDC_LAYOUT_COMMENT), &comment);
        MapWindowPoints(nullptr, d, reinterpret_cast<POINT*>(&comment), 2);
        int left = client.right - 7 - 200, top = comment.top - 7 - 283;
        PostMessageW(d, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(left + 59, top + 84));
        PostMessageW(d, WM_LBUTTONUP, 0, MAKELPARAM(left + 59, top + 84));
        seen.labelFocusesItsBox =
            host_test::waitFor([&] { return focusOf(d) == GetDlgItem(d, valueId(TextHeight)); }, 15000);
        post(d, IDOK);
    });
    EXPECT_EQ(seen.width, L"150mm ");
    EXPECT_EQ(seen.height, L"20cm");
    EXPECT_TRUE(seen.widthChecked);
    EXPECT_TRUE(seen.marginChecked);
    EXPECT_FALSE(seen.paperChecked);
    EXPECT_FALSE(seen.commentEnabled);
    EXPECT_TRUE(seen.paperCheckedByTyping);
    EXPECT_TRUE(seen.labelFocusesItsBox);

    EXPECT_EQ(text(e), u"\\documentclass{article}\r\n\\textwidth 160mm% wide\r\n\\textheight 20cm\r\n"
                       u"\\paperwidth 210mm%paper width\r\n\\begin{document}\r\nbody\r\n");
    // (The profile reader drops the trailing tabs of the empty values.)
    EXPECT_EQ(ini(L"Last"), L"210mm\t\t\t\t\t\t\t\t\t\t160mm\t20cm");
}

TEST_F(LayoutDialog, PresetKeepsTheChecksAndLastChecksItsValues) {
    WritePrivateProfileStringW(L"Layout", L"Last", L"1cm\t2cm", wide::w(folder.dir().file(u"Vexa2.ini")));
    EditorThread& e = open("plain text\r\n");
    std::wstring presetWidth, lastHeight, lastWidth, question;
    bool presetChecked = true, lastChecked = false, lastClearedWidth = false;
    command(e, [&](HWND d) {
        SendDlgItemMessageW(d, VEXA_IDC_LAYOUT_PRESETS, CB_SETCURSEL, 0, 0);
        SendMessageW(d, WM_COMMAND, MAKEWPARAM(VEXA_IDC_LAYOUT_APPLY, BN_CLICKED), 0);
        presetWidth = textOf(d, valueId(TextWidth));
        presetChecked = isChecked(d, checkId(TextWidth));
        post(d, VEXA_IDC_LAYOUT_LAST);
        HWND box = nullptr;
        std::wstring qcaption = lang::message(msgid::CaptionQuestion);
        host_test::waitFor([&] { return (box = lang_test::findOwnWindow(qcaption)) != nullptr; }, 15000);
        if (box) {
            question = lang_test::messageBoxText(box);
            post(box, IDYES);
            host_test::waitFor([&] { return lang_test::findOwnWindow(qcaption) == nullptr; }, 15000);
        }
        host_test::waitFor([&] { return textOf(d, valueId(1)) == L"2cm"; }, 15000);
        lastHeight = textOf(d, valueId(1));
        lastChecked = isChecked(d, checkId(1));
        lastWidth = textOf(d, valueId(TextWidth));
        lastClearedWidth = !isChecked(d, checkId(TextWidth));
        post(d, IDCANCEL);
    });
    EXPECT_EQ(presetWidth, L"160mm");   // the first preset of the English library
    EXPECT_FALSE(presetChecked);
    EXPECT_EQ(question, lang::message(msgid::LayoutAskLast));
    EXPECT_EQ(lastHeight, L"2cm");
    EXPECT_TRUE(lastChecked);
    EXPECT_EQ(lastWidth, L"");
    EXPECT_TRUE(lastClearedWidth);
    EXPECT_EQ(text(e), u"plain text\r\n");
    EXPECT_EQ(ini(L"Comment"), L"1");
}

} // namespace
