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
#include "make/command_sets.h"
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

Template makeTemplate(bool brokenLabel = false, const std::string& header = "",
                      command_file::ToolStep (*stepOf)(size_t) = command_file::DefaultStep) {
    Template t;
    std::vector<std::string> lines{"@echo off", "goto %~1"};
    if (!header.empty()) lines.insert(lines.begin() + 1, header);
    for (size_t k = 0; k < command_file::SectionCount; ++k) {
        size_t label = lines.size();
        std::string name = str::toUtf8(command_file::Labels[k]);
        lines.push_back(brokenLabel && k == 0 ? name + " " : name);
        bool previewer = command_file::isPreviewer(k);
        size_t span = previewer ? command_file::PreviewerCommandOffset : command_file::CommandOffset;
        for (size_t i = 1; i <= span; ++i) lines.push_back("rem " + name + " " + std::to_string(i));
        auto put = [&](size_t echo, size_t command, bool paper) {
            std::string line = str::toUtf8(command_file::CommandLine(stepOf(k), paper));
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

// The set the test loads: its own TeX compiler and, in the set with source
// specials, a PDF viewer with forward search in place of the DVI previewer.
command_file::ToolStep uplatexStep(size_t k) {
    if (k == 0) return {u"\"uplatex\"", u"-kanji=utf8 \"%Vexa2_CFName%.tex\""};
    if (k == 16) return {u"%Vexa2_start% \"SumatraPDF.exe\"", u"-forward-search \"%Vexa2_FName%.tex\" %Vexa2_Line%"};
    return command_file::DefaultStep(k);
}

// Whether a button's text fits inside it in the font the dialog gave it.
bool textFits(HWND button) {
    wchar_t caption[128] = {};
    GetWindowTextW(button, caption, 128);
    HDC dc = GetDC(button);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(button, WM_GETFONT, 0, 0)));
    RECT needed{};
    DrawTextW(dc, caption, -1, &needed, DT_CALCRECT | DT_SINGLELINE);
    SelectObject(dc, old);
    ReleaseDC(button, dc);
    RECT room{};
    GetClientRect(button, &room);
    return needed.right + 6 <= room.right;   // the frame takes a few pixels each side
}

// The popup menu open on the thread of window, or none within the limit.
HWND openMenu(HWND window, DWORD limitMs = 20000) {
    DWORD thread = GetWindowThreadProcessId(window, nullptr);
    DWORD start = GetTickCount();
    while (GetTickCount() - start < limitMs) {
        struct Find {
            HWND hit = nullptr;
            static BOOL CALLBACK visit(HWND w, LPARAM self) {
                wchar_t cls[16] = {};
                GetClassNameW(w, cls, 16);
                if (!IsWindowVisible(w) || std::wstring(cls) != L"#32768") return TRUE;
                reinterpret_cast<Find*>(self)->hit = w;
                return FALSE;
            }
        } find;
        EnumThreadWindows(thread, &Find::visit, reinterpret_cast<LPARAM>(&find));
        if (find.hit) return find.hit;
        Sleep(20);
    }
    return nullptr;
}

// Presses the load button (posted: the menu runs until it is closed), reads
// the menu's items and chooses the one at position with the keyboard. The
// items are empty when no menu came up.
std::vector<std::wstring> loadSet(HWND page, int position) {
    HWND button = GetDlgItem(page, VEXA_IDC_MAKE_LOAD_SET);
    PostMessageW(page, WM_COMMAND, MAKEWPARAM(VEXA_IDC_MAKE_LOAD_SET, BN_CLICKED), reinterpret_cast<LPARAM>(button));
    HWND popup = openMenu(page);
    if (!popup) return {};
    HMENU menu = reinterpret_cast<HMENU>(SendMessageW(popup, MN_GETHMENU, 0, 0));
    std::vector<std::wstring> items;
    for (int i = 0, n = GetMenuItemCount(menu); i < n; ++i) {
        wchar_t buf[128] = {};
        GetMenuStringW(menu, UINT(i), buf, 128, MF_BYPOSITION);
        items.push_back(buf);
    }
    for (int i = 0; i <= position; ++i) PostMessageW(popup, WM_KEYDOWN, VK_DOWN, 0);
    PostMessageW(popup, WM_KEYDOWN, VK_RETURN, 0);
    DWORD start = GetTickCount();
    while (IsWindow(popup) && IsWindowVisible(popup) && GetTickCount() - start < 20000) Sleep(20);
    return items;
}

TEST_F(MakeSettingsPage, ALoadedCommandSetFillsTheStepsAndOkWritesOnlyItsLines) {
    Template user = makeTemplate();
    ASSERT_NO_FATAL_FAILURE(writeCommandFile(user.text));
    Template set = makeTemplate(false, "rem Name: upLaTeX & upbibtex", uplatexStep);
    std::string broken = makeTemplate(true, "rem Name: A broken set").text;
    ASSERT_TRUE(folder.dir().makeFolder(command_sets::FolderName));
    ASSERT_TRUE(folder.dir().write(u"command_sets\\uplatex.bat", set.text));
    ASSERT_TRUE(folder.dir().write(u"command_sets\\broken.bat", broken));

    std::wstring warning = lang::message(msgid::CaptionWarning);
    std::vector<std::wstring> items, brokenMessages, okWarnings;
    std::wstring afterBroken, program, arguments;
    bool fits = false;
    lang_test::Watcher watcher(lang::message(msgid::SettingsCaption), [&](HWND sheet) {
        HWND page = findPage(sheet);
        if (!page) return;
        fits = textFits(GetDlgItem(page, VEXA_IDC_MAKE_LOAD_SET)) && textFits(GetDlgItem(page, VEXA_IDC_MAKE_START)) &&
               textFits(GetDlgItem(page, VEXA_IDC_MAKE_CALL));
        click(page, VEXA_IDC_MAKE_SET2);
        chooseTool(page, 6);
        // The broken set says so and changes nothing.
        items = loadSet(page, 0);
        if (HWND box = waitWindow(warning)) {
            brokenMessages.push_back(lang_test::messageBoxText(box));
            PostMessageW(box, WM_COMMAND, IDOK, 0);
            DWORD start = GetTickCount();
            while (IsWindow(box) && GetTickCount() - start < 20000) Sleep(20);
        }
        afterBroken = text(page, VEXA_IDC_MAKE_PROGRAM);
        loadSet(page, 1);
        program = text(page, VEXA_IDC_MAKE_PROGRAM);
        arguments = text(page, VEXA_IDC_MAKE_ARGUMENTS);
        okWarnings = pressAndClose(sheet, PSBTN_OK);
    });
    SettingsSheetResult result = runSettingsSheet(nullptr, PageMake);
    watcher.join();
    ASSERT_TRUE(watcher.found());
    EXPECT_TRUE(fits) << "the buttons of the command line row show their whole text";
    EXPECT_EQ(items, (std::vector<std::wstring>{L"A broken set", L"upLaTeX && upbibtex"}));
    EXPECT_EQ(brokenMessages, std::vector<std::wstring>{lang::message(msgid::MakePageCommandSetNotRead)});
    EXPECT_EQ(afterBroken, L"%Vexa2_start% \"dviout\"");
    EXPECT_EQ(program, L"%Vexa2_start% \"SumatraPDF.exe\"") << "the shown step is the set's";
    EXPECT_EQ(arguments, L"-forward-search \"%Vexa2_FName%.tex\" %Vexa2_Line%");
    EXPECT_TRUE(okWarnings.empty());
    EXPECT_EQ(result.result, 1);

    // The user's file takes the set's lines where the set differs, and
    // keeps every other line of its own.
    std::vector<std::string> before = splitLines(user.text), after = splitLines(commandFile()),
                             wanted = splitLines(set.text);
    ASSERT_EQ(after.size(), before.size());
    std::vector<size_t> changed;
    for (size_t n = 0; n < before.size(); ++n)
        if (before[n] != after[n]) changed.push_back(n);
    size_t paper = command_file::PaperVariantDistance;
    EXPECT_EQ(changed, (std::vector<size_t>{user.echoLine[0], user.commandLine[0], user.echoLine[16] - paper,
                                            user.commandLine[16] - paper, user.echoLine[16], user.commandLine[16]}));
    for (size_t n : changed) EXPECT_EQ(after[n], wanted[n + 1]) << n;   // the set has one header line more
    EXPECT_EQ(folder.dir().read(u"command_sets\\uplatex.bat"), set.text);
    EXPECT_EQ(folder.dir().read(u"command_sets\\broken.bat"), broken);
}

} // namespace
