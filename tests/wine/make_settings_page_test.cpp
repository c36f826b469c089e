// The typesetting page in the real settings sheet, with the English
// library's template: what OK writes (settings, the previewer's "src", the
// command file's changed lines and nothing else), that Cancel writes
// nothing, and that a broken command file disables the page and is left
// byte for byte as it was. A watcher thread plays the user.
#include "base/str.h"
#include "base/win32/wide.h"
#include "frame/message_ids.h"
#include "frame/win32/language.h"
#include "lang/resource_ids.h"
#include "make/command_file.h"
#include "make/line_file.h"
#include "make/win32/source_jump.h"
#include "settings/win32/settings_sheet.h"
#include "tests/wine/inprocess_plugin.h"
#include "tests/wine/language_test_support.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using lang_test::PluginFolder;

// A command file as shipped: each section's label, its lines at their
// offsets (the factory steps), author lines around them.
struct Template {
    std::string text;
    std::vector<size_t> commandLine, echoLine;   // by section
};

Template makeTemplate(bool brokenLabel = false) {
    Template t;
    std::vector<std::string> lines{"@echo off", "goto %~1"};
    for (size_t k = 0; k < command_file::SectionCount; ++k) {
        size_t label = lines.size();
        std::string name = str::toUtf8(command_file::Labels[k]);
        lines.push_back(brokenLabel && k == 0 ? name + " " : name);
        bool previewer = command_file::isPreviewer(k);
        size_t span = previewer ? command_file::PreviewerCommandOffset : command_file::CommandOffset;
        for (size_t i = 1; i <= span; ++i) lines.push_back("rem " + name + " " + std::to_string(i));
        auto put = [&](size_t echo, size_t command, bool paper) {
            std::string line = str::toUtf8(command_file::CommandLine(command_file::DefaultStep(k), paper));
            lines[label + command] = line;
            lines[label + echo] = "echo    " + line;
        };
        if (previewer) put(command_file::PreviewerEchoOffset - 8, command_file::PreviewerCommandOffset - 8, true);
        size_t echo = previewer ? command_file::PreviewerEchoOffset : command_file::EchoOffset;
        put(echo, span, false);
        t.commandLine.push_back(label + span);
        t.echoLine.push_back(label + echo);
        lines.push_back("goto :eof");
    }
    for (const std::string& l : lines) t.text += l + "\r\n";
    return t;
}

std::vector<std::string> splitLines(const std::string& text) {
    std::vector<std::string> out;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find("\r\n", start);
        if (end == std::string::npos) end = text.size();
        out.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return out;
}

HWND waitWindow(const std::wstring& caption, DWORD limitMs = 20000) {
    DWORD start = GetTickCount();
    while (GetTickCount() - start < limitMs) {
        if (HWND w = lang_test::findOwnWindow(caption)) return w;
        Sleep(20);
    }
    return nullptr;
}

BOOL CALLBACK matchPage(HWND w, LPARAM p) {
    if (!GetDlgItem(w, VEXA_IDC_MAKE_TOOL)) return TRUE;
    *reinterpret_cast<HWND*>(p) = w;
    return FALSE;
}

// The page: the sheet's child dialog that holds the tool list.
HWND findPage(HWND sheet) {
    HWND found = nullptr;
    EnumChildWindows(sheet, matchPage, reinterpret_cast<LPARAM>(&found));
    return found;
}

void click(HWND page, int id) { SendMessageW(GetDlgItem(page, id), BM_CLICK, 0, 0); }
void setText(HWND page, int id, const wchar_t* text) { SetDlgItemTextW(page, id, text); }
std::wstring text(HWND page, int id) {
    wchar_t buf[600] = {};
    GetDlgItemTextW(page, id, buf, 600);
    return buf;
}
void type(HWND page, int id, const wchar_t* keys) {
    for (const wchar_t* k = keys; *k; ++k) SendMessageW(GetDlgItem(page, id), WM_CHAR, *k, 0);
}
void chooseTool(HWND page, int tool) {
    HWND combo = GetDlgItem(page, VEXA_IDC_MAKE_TOOL);
    SendMessageW(combo, CB_SETCURSEL, WPARAM(tool), 0);
    SendMessageW(page, WM_COMMAND, MAKEWPARAM(VEXA_IDC_MAKE_TOOL, CBN_SELCHANGE), LPARAM(combo));
}

// Presses a button of the sheet and waits until the sheet is gone,
// answering (and recording) any warning that comes up meanwhile, so that a
// page that complains at the wrong time fails the test instead of hanging it.
std::vector<std::wstring> pressAndClose(HWND sheet, int button) {
    std::vector<std::wstring> warnings;
    std::wstring caption = lang::message(msgid::CaptionWarning);
    PostMessageW(sheet, PSM_PRESSBUTTON, WPARAM(button), 0);
    DWORD start = GetTickCount();
    while (IsWindow(sheet) && GetTickCount() - start < 20000) {
        if (HWND box = lang_test::findOwnWindow(caption)) {
            warnings.push_back(lang_test::messageBoxText(box));
            PostMessageW(box, WM_COMMAND, IDOK, 0);
            while (IsWindow(box) && GetTickCount() - start < 20000) Sleep(20);
        }
        Sleep(20);
    }
    return warnings;
}

// The previewer's value as the test found it, put back afterwards.
class SavedPreviewerValue {
public:
    SavedPreviewerValue() { had_ = source_jump::ReadPreviewerSource(value_); }
    ~SavedPreviewerValue() {
        if (had_) {
            source_jump::WritePreviewerSource(value_);
        } else {
            HKEY key = nullptr;
            if (RegOpenKeyExW(HKEY_CURRENT_USER, source_jump::PreviewerKey, 0, KEY_SET_VALUE, &key) == ERROR_SUCCESS) {
                RegDeleteValueW(key, source_jump::PreviewerSourceValue);
                RegCloseKey(key);
            }
        }
    }

private:
    bool had_ = false;
    u16 value_;
};

class MakeSettingsPage : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_NO_FATAL_FAILURE(inprocess::startEnglishPlugin(folder)); }
    void TearDown() override {
        app::stop();
        setPluginInstance(nullptr);
    }
    void writeCommandFile(const std::string& text) { ASSERT_TRUE(folder.dir().write(command_file::FileName, text)); }
    std::string commandFile() const { return folder.dir().read(command_file::FileName); }
    std::string ini() const { return folder.dir().read(u"Vexa2.ini"); }

    PluginFolder folder;
    SavedPreviewerValue previewer;
};

TEST_F(MakeSettingsPage, OkWritesThePagesKeysTheValueAndOnlyTheChangedStep) {
    Template t = makeTemplate();
    ASSERT_NO_FATAL_FAILURE(writeCommandFile(t.text));
    std::string iniBefore = ini();
    std::wstring shown13, entry;
    std::vector<std::wstring> warnings;
    bool enabled = false;
    lang_test::Watcher user(lang::message(msgid::SettingsCaption), [&](HWND sheet) {
        HWND page = findPage(sheet);
        if (!page) return;
        enabled = IsWindowEnabled(page) != FALSE;
        // Tool 3 of set 2 gets a new program; switching to set 1 and back
        // must keep it.
        click(page, VEXA_IDC_MAKE_SET2);
        chooseTool(page, 3);
        setText(page, VEXA_IDC_MAKE_PROGRAM, L"\"dvips\"");
        click(page, VEXA_IDC_MAKE_CALL);
        click(page, VEXA_IDC_MAKE_SET1);
        click(page, VEXA_IDC_MAKE_SET2);
        shown13 = text(page, VEXA_IDC_MAKE_PROGRAM);
        click(page, VEXA_IDC_MAKE_AUTOCLOSE);
        type(page, VEXA_IDC_MAKE_ENTRY, L"na:v");
        entry = text(page, VEXA_IDC_MAKE_ENTRY);
        click(page, VEXA_IDC_MAKE_ADD);
        setText(page, VEXA_IDC_MAKE_PREVIEWER_SRC, L"\"C:\\editor.exe\" -l %l \"%f\"");
        warnings = pressAndClose(sheet, PSBTN_OK);
    });
    SettingsSheetResult result = runSettingsSheet(nullptr, PageMake);
    user.join();
    ASSERT_TRUE(user.found());
    EXPECT_TRUE(enabled);
    EXPECT_TRUE(warnings.empty());
    EXPECT_EQ(result.result, 1);
    EXPECT_EQ(shown13, L"call \"dvips\"");
    EXPECT_EQ(entry, L"NAV");

    EXPECT_EQ(ini(), iniBefore +
                         "[Make]\r\nPSPDFDefault=0\r\nShortMake=1\r\nAutoClose=0\r\nAutoDelete=1\r\nDeleteUndo=1\r\n"
                         "DeleteList=*.BMC\t*.PBM\tAUX\tIDX\tILG\tIND\tLOG\tTOC\tBLG\tBBL\tLOF\tLOT\tOUT\tNAV\r\n"
                         "SubDirectory=0\r\nDeleteReport=2\r\nTEXEDIT=1\r\nTEXEDITParam=/l %d \"%s\"\r\n");
    u16 src;
    EXPECT_TRUE(source_jump::ReadPreviewerSource(src));
    EXPECT_EQ(src, u"\"C:\\editor.exe\" -l %l \"%f\"");

    std::vector<std::string> before = splitLines(t.text), after = splitLines(commandFile());
    ASSERT_EQ(after.size(), before.size());
    std::vector<size_t> changed;
    for (size_t n = 0; n < before.size(); ++n)
        if (before[n] != after[n]) changed.push_back(n);
    EXPECT_EQ(changed, (std::vector<size_t>{t.echoLine[13], t.commandLine[13]}));
    const std::string dvips = "call \"dvips\" -Pdl \"%Vexa2_CFName%.dvi\"";
    EXPECT_EQ(after[t.commandLine[13]], dvips);
    EXPECT_EQ(after[t.echoLine[13]], "echo    " + dvips);
}

TEST_F(MakeSettingsPage, CancelWritesNothing) {
    Template t = makeTemplate();
    ASSERT_NO_FATAL_FAILURE(writeCommandFile(t.text));
    ASSERT_TRUE(source_jump::WritePreviewerSource(u"kept"));
    std::string iniBefore = ini();
    lang_test::Watcher user(lang::message(msgid::SettingsCaption), [&](HWND sheet) {
        HWND page = findPage(sheet);
        if (!page) return;
        setText(page, VEXA_IDC_MAKE_PROGRAM, L"\"other\"");
        click(page, VEXA_IDC_MAKE_PSPDF);
        setText(page, VEXA_IDC_MAKE_PREVIEWER_SRC, L"changed");
        pressAndClose(sheet, PSBTN_CANCEL);
    });
    SettingsSheetResult result = runSettingsSheet(nullptr, PageMake);
    user.join();
    ASSERT_TRUE(user.found());
    EXPECT_EQ(result.result, 0);
    EXPECT_EQ(ini(), iniBefore);
    EXPECT_EQ(commandFile(), t.text);
    u16 src;
    EXPECT_TRUE(source_jump::ReadPreviewerSource(src));
    EXPECT_EQ(src, u"kept");
}

TEST_F(MakeSettingsPage, ABrokenCommandFileDisablesThePageAndIsNeverRewritten) {
    std::string broken = makeTemplate(true).text;
    ASSERT_NO_FATAL_FAILURE(writeCommandFile(broken));
    std::string iniBefore = ini();
    std::vector<std::wstring> messages;
    bool enabled = true;
    std::wstring warning = lang::message(msgid::CaptionWarning);
    lang_test::Watcher user(warning, [&](HWND box) {
        // Two warnings, the template's and the steps', then the sheet.
        for (int i = 0; box && i < 2; ++i) {
            messages.push_back(lang_test::messageBoxText(box));
            PostMessageW(box, WM_COMMAND, IDOK, 0);
            DWORD start = GetTickCount();
            while (IsWindow(box) && GetTickCount() - start < 10000) Sleep(20);
            box = i == 0 ? waitWindow(warning) : nullptr;
        }
        HWND sheet = waitWindow(lang::message(msgid::SettingsCaption));
        if (!sheet) return;
        HWND page = findPage(sheet);
        enabled = !page || IsWindowEnabled(page) != FALSE;
        std::vector<std::wstring> more = pressAndClose(sheet, PSBTN_OK);
        messages.insert(messages.end(), more.begin(), more.end());
    });
    runSettingsSheet(nullptr, PageMake);
    user.join();
    ASSERT_TRUE(user.found());
    EXPECT_EQ(messages, (std::vector<std::wstring>{lang::message(msgid::MakePageInvalidTemplate),
                                                    lang::message(msgid::MakePageStepNotRead)}));
    EXPECT_FALSE(enabled);
    EXPECT_EQ(commandFile(), broken);
    EXPECT_EQ(ini(), iniBefore);
}

TEST_F(MakeSettingsPage, AFileTheCodePageCannotHoldIsLeftAsItWasWithAWarning) {
    // UTF-16 with Hebrew in an author's line: neither code page 1252 nor 932
    // has it, so the rewrite in the code page would lose it.
    u16 text = str::fromUtf8(makeTemplate().text) + u"rem \u05d0\u05d1\r\n";
    std::string wide(reinterpret_cast<const char*>(text.data()), text.size() * 2);
    ASSERT_NO_FATAL_FAILURE(writeCommandFile(wide));
    std::vector<std::wstring> warnings;
    lang_test::Watcher user(lang::message(msgid::SettingsCaption), [&](HWND sheet) {
        if (HWND page = findPage(sheet)) setText(page, VEXA_IDC_MAKE_ARGUMENTS, L"-src x.tex");
        warnings = pressAndClose(sheet, PSBTN_OK);
    });
    runSettingsSheet(nullptr, PageMake);
    user.join();
    ASSERT_TRUE(user.found());
    EXPECT_EQ(warnings, std::vector<std::wstring>{lang::message(msgid::MakePageFileWouldLoseText)});
    EXPECT_EQ(commandFile(), wide);
}

} // namespace
