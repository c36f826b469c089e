// No text of a dialog control is cut off, in either language library: every
// dialog template of the library is created (pages as children of a hidden
// sheet stand-in, the others as hidden popups), and the text of each static
// and button is measured in the control's own font the way the control
// draws it. Every text that does not fit becomes one row of a table, so a
// failing run is the list of controls still to widen.
//
// It runs in both locales: a Japanese system shows the English templates in
// its Japanese dialog font too, whose Latin letters are wider.
//
// Texts the plug-in puts into controls at run time (from the text table)
// are not in the templates and are not measured here.
//
// It reads the libraries as data only and needs nothing of the plug-in, so
// it also builds as a 64-bit program: scripts/wine64-fit.sh runs it that way
// on machines that cannot run 32-bit programs.
#include "tests/wine/host_test_support.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

using host_test::distFolder;

struct Misfit {
    std::wstring dialog;   // caption, else the template's name
    int templateId;
    int control;
    std::wstring text;
    const char* what;      // "width" or "height"
    int needed, available;
};

struct Survey {
    int templates = 0, controls = 0;
    std::vector<std::wstring> notCreated;
    std::vector<Misfit> misfits;
};

std::string utf8(const std::wstring& w) {
    if (w.empty()) return {};
    int n = WideCharToMultiByte(CP_UTF8, 0, w.c_str(), int(w.size()), nullptr, 0, nullptr, nullptr);
    std::string s(size_t(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, w.c_str(), int(w.size()), &s[0], n, nullptr, nullptr);
    return s;
}

std::wstring oneLine(const std::wstring& text) {
    std::wstring out;
    for (wchar_t c : text) {
        if (c == L'\r') continue;
        if (c == L'\n') out += L"\\n";
        else if (c == L'\t') out += L"\\t";
        else out += c;
    }
    return out;
}

std::wstring windowText(HWND w) {
    int n = GetWindowTextLengthW(w);
    std::wstring s(size_t(n) + 1, L'\0');
    s.resize(size_t(GetWindowTextW(w, &s[0], n + 1)));
    return s;
}

INT_PTR CALLBACK Inert(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

int scaled(HWND w, int pixelsAt96) {
    HDC dc = GetDC(w);
    int dpi = GetDeviceCaps(dc, LOGPIXELSX);
    ReleaseDC(w, dc);
    return MulDiv(pixelsAt96, dpi, 96);
}

// How one control lays out its text: the flags it draws with and the part
// of its client area the text may use.
struct TextBox {
    UINT flags;          // DT_ alignment, prefix and line flags
    int width, height;   // room for the text, pixels
};

// False for controls that show no text of their own (icons, bitmaps,
// frames, owner-drawn and other buttons) and for statics that shorten
// their text with an ellipsis by design.
bool textBox(HWND control, HDC dc, TextBox& box) {
    wchar_t cls[32] = {};
    GetClassNameW(control, cls, 32);
    LONG style = GetWindowLongW(control, GWL_STYLE);
    RECT client;
    GetClientRect(control, &client);
    box.width = client.right;
    box.height = client.bottom;
    if (lstrcmpiW(cls, L"Static") == 0) {
        if (style & SS_ELLIPSISMASK) return false;
        UINT prefix = (style & SS_NOPREFIX) ? DT_NOPREFIX : 0;
        switch (style & SS_TYPEMASK) {
        case SS_LEFT: box.flags = DT_LEFT | DT_WORDBREAK | DT_EXPANDTABS | prefix; return true;
        case SS_CENTER: box.flags = DT_CENTER | DT_WORDBREAK | DT_EXPANDTABS | prefix; return true;
        case SS_RIGHT: box.flags = DT_RIGHT | DT_WORDBREAK | DT_EXPANDTABS | prefix; return true;
        case SS_SIMPLE: box.flags = DT_LEFT | DT_SINGLELINE | prefix; return true;
        case SS_LEFTNOWORDWRAP: box.flags = DT_LEFT | DT_SINGLELINE | DT_EXPANDTABS | prefix; return true;
        default: return false;
        }
    }
    if (lstrcmpiW(cls, L"Button") != 0) return false;
    if (style & (BS_ICON | BS_BITMAP)) return false;
    UINT lines = (style & BS_MULTILINE) ? DT_WORDBREAK : DT_SINGLELINE;
    LONG type = style & BS_TYPEMASK;
    bool mark = type == BS_CHECKBOX || type == BS_AUTOCHECKBOX || type == BS_RADIOBUTTON ||
                type == BS_AUTORADIOBUTTON || type == BS_3STATE || type == BS_AUTO3STATE;
    if (mark && (style & BS_PUSHLIKE)) mark = false, type = BS_PUSHBUTTON;
    if (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON) {
        // The raised edge, then the focus rectangle one pixel inside it,
        // then a pixel between that rectangle and the text, on every side.
        int inset = 2 * GetSystemMetrics(SM_CXEDGE);
        box.width -= 2 * inset;
        box.height -= 2 * inset;
        box.flags = DT_CENTER | lines;
        return true;
    }
    if (mark) {
        // The mark is 13 pixels at 96 dpi; the text starts half a digit's
        // width after it.
        INT digit = 0;
        GetCharWidth32W(dc, L'0', L'0', &digit);
        box.width -= scaled(control, 12) + 1 + digit / 2;
        box.flags = DT_LEFT | lines;
        return true;
    }
    if (type == BS_GROUPBOX) {
        // The caption sits in the frame's top line, seven pixels in from
        // either end.
        box.width -= 2 * scaled(control, 7);
        box.flags = DT_LEFT | DT_SINGLELINE;
        return true;
    }
    return false;
}

void measure(HWND dialog, int templateId, const std::wstring& label, Survey& survey) {
    HFONT dialogFont = reinterpret_cast<HFONT>(SendMessageW(dialog, WM_GETFONT, 0, 0));
    for (HWND c = GetWindow(dialog, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
        std::wstring text = windowText(c);
        if (text.empty()) continue;
        HDC dc = GetDC(c);
        HFONT font = reinterpret_cast<HFONT>(SendMessageW(c, WM_GETFONT, 0, 0));
        HGDIOBJ old = SelectObject(dc, font ? font : dialogFont ? dialogFont : GetStockObject(SYSTEM_FONT));
        TextBox box{};
        if (textBox(c, dc, box)) {
            ++survey.controls;
            // Wrapping text is laid out at the control's width and may grow
            // downwards (or wider, for a word that cannot be broken); a
            // single line is as wide as it is.
            RECT r{0, 0, (box.flags & DT_WORDBREAK) ? box.width : 0, 0};
            DrawTextW(dc, text.c_str(), -1, &r, box.flags | DT_CALCRECT);
            int id = GetDlgCtrlID(c);
            if (r.right > box.width) {
                survey.misfits.push_back({label, templateId, id, text, "width", int(r.right), box.width});
            } else if (r.bottom > box.height) {
                // A label one line high that wraps needs more width, not
                // more lines: say how wide its one line is.
                RECT line{0, 0, 0, 0};
                DrawTextW(dc, text.c_str(), -1, &line, (box.flags & ~DT_WORDBREAK) | DT_SINGLELINE | DT_CALCRECT);
                if (box.height < 2 * line.bottom)
                    survey.misfits.push_back({label, templateId, id, text, "width", int(line.right), box.width});
                else
                    survey.misfits.push_back({label, templateId, id, text, "height", int(r.bottom), box.height});
            }
        }
        SelectObject(dc, old);
        ReleaseDC(c, dc);
    }
}

struct SurveyContext {
    HWND sheet;
    Survey* survey;
};

BOOL CALLBACK OneTemplate(HMODULE library, LPCWSTR type, LPWSTR resName, LONG_PTR param) {
    auto& context = *reinterpret_cast<SurveyContext*>(param);
    Survey& survey = *context.survey;
    std::wstring name = IS_INTRESOURCE(resName) ? std::to_wstring(reinterpret_cast<UINT_PTR>(resName))
                                                : std::wstring(resName);
    ++survey.templates;
    HRSRC found = FindResourceW(library, resName, type);
    HGLOBAL loaded = found ? LoadResource(library, found) : nullptr;
    const BYTE* bytes = loaded ? static_cast<const BYTE*>(LockResource(loaded)) : nullptr;
    DWORD size = found ? SizeofResource(library, found) : 0;
    if (!bytes || size < sizeof(DLGTEMPLATE)) {
        survey.notCreated.push_back(name + L" (unreadable)");
        return TRUE;
    }
    // A private copy without WS_VISIBLE: nothing needs to appear on screen.
    std::vector<BYTE> copy(bytes, bytes + size);
    bool extended = size >= 16 && copy[2] == 0xFF && copy[3] == 0xFF;
    DWORD* style = reinterpret_cast<DWORD*>(&copy[extended ? 12 : 0]);
    *style &= ~DWORD(WS_VISIBLE);
    HWND dialog = CreateDialogIndirectParamW(GetModuleHandleW(nullptr),
                                             reinterpret_cast<const DLGTEMPLATE*>(copy.data()), context.sheet,
                                             Inert, 0);
    if (!dialog) {
        survey.notCreated.push_back(name);
        return TRUE;
    }
    std::wstring caption = windowText(dialog);
    int id = IS_INTRESOURCE(resName) ? int(reinterpret_cast<UINT_PTR>(resName)) : 0;
    measure(dialog, id, caption.empty() ? name : caption, survey);
    DestroyWindow(dialog);
    return TRUE;
}

Survey survey(const wchar_t* libraryName) {
    Survey result;
    INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_WIN95_CLASSES | ICC_DATE_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&icc);
    // Only its resources are read: no code of the library runs, and the
    // templates name no resource of their own (no menus, icons or bitmaps).
    HMODULE library = LoadLibraryExW((distFolder() + L"Vexa2Lang\\" + libraryName).c_str(), nullptr,
                                     LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    if (!library) return result;
    // Stands in for the sheet a page is a child of and the editor a dialog
    // belongs to; never shown.
    HWND sheet = CreateWindowExW(0, L"Static", L"", WS_POPUP, 0, 0, 600, 500, nullptr, nullptr, nullptr, nullptr);
    SurveyContext context{sheet, &result};
    EnumResourceNamesW(library, MAKEINTRESOURCEW(5) /* RT_DIALOG */, OneTemplate,
                       reinterpret_cast<LONG_PTR>(&context));
    DestroyWindow(sheet);
    FreeLibrary(library);
    return result;
}

std::string table(const char* library, const Survey& s) {
    std::string out;
    char line[160];
    for (const std::wstring& t : s.notCreated)
        out += std::string(library) + "  template " + utf8(t) + ": could not be created\n";
    if (!s.misfits.empty()) out += "library   template control  needs     has  text  [dialog]\n";
    for (const Misfit& m : s.misfits) {
        std::snprintf(line, sizeof line, "%-9s %8d %7d  %-6s %4d > %4d  ", library, m.templateId, m.control, m.what,
                      m.needed, m.available);
        out += line + utf8(oneLine(m.text)) + "  [" + utf8(m.dialog) + "]\n";
    }
    return out;
}

void expectEveryTextFits(const wchar_t* libraryName, const char* label) {
    ASSERT_FALSE(distFolder().empty()) << "dist/ is not built";
    Survey s = survey(libraryName);
    ASSERT_GT(s.templates, 10) << label << ": the library or its dialog templates could not be read";
    EXPECT_GT(s.controls, s.templates) << label << ": too few texts were measured";
    std::string report = table(label, s);
    EXPECT_TRUE(s.notCreated.empty() && s.misfits.empty())
        << s.misfits.size() << " clipped texts in " << s.templates << " templates (" << s.controls
        << " texts measured):\n"
        << report;
}

TEST(DialogTextFit, EnglishLibrary) { expectEveryTextFits(L"Vexa2EN.dll", "Vexa2EN"); }

TEST(DialogTextFit, JapaneseLibrary) { expectEveryTextFits(L"Vexa2JP.dll", "Vexa2JP"); }

} // namespace
