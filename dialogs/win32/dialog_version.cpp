#include "dialogs/win32/dialog_version.h"

#include "frame/message_ids.h"
#include "frame/win32/language.h"
#include "frame/win32/module.h"
#include "frame/win32/plugin_resources.h"

#include <shellapi.h>

#include <string>

namespace {

const wchar_t kLinkProperty[] = L"Vexa_Edit_Prop";
constexpr COLORREF LinkColour = 0xFF0000;   // blue: COLORREF is 0x00BBGGRR
constexpr int LinkFontHeight = 12;

std::wstring windowText(HWND window) {
    int n = GetWindowTextLengthW(window);
    std::wstring text(static_cast<size_t>(n) + 1, L'\0');
    GetWindowTextW(window, text.data(), n + 1);
    text.resize(static_cast<size_t>(n));
    return text;
}

std::wstring pluginString(UINT id) {
    wchar_t buffer[256] = {};
    LoadStringW(pluginInstance(), id, buffer, 256);
    return buffer;
}

const wchar_t* orEmpty(const wchar_t* text) { return text ? text : L""; }

} // namespace

DialogVersion::DialogVersion(HWND parent) : parent_(parent) { create(pluginInstance(), IDD_ABOUT, parent); }

INT_PTR DialogVersion::onInitDialog() {
    centre();
    setItemText(IDC_ABOUT_VERSION, pluginString(IDS_VERSION_UNICODE));
    std::wstring language = orEmpty(lang::config(cfgid::LanguageName));
    language += L" Version ";
    language += orEmpty(lang::config(cfgid::Version));
    setItemText(IDC_ABOUT_LANGUAGE, language);
    setItemText(IDC_ABOUT_LANGUAGE_DESCRIPTION, orEmpty(lang::config(cfgid::Description)));

    link_ = item(IDC_ABOUT_LINK);
    if (!link_) return TRUE;
    LOGFONTW face{};
    face.lfHeight = -LinkFontHeight;
    face.lfUnderline = TRUE;
    face.lfCharSet = DEFAULT_CHARSET;
    lstrcpynW(face.lfFaceName, orEmpty(lang::message(msgid::AboutLinkFont)), LF_FACESIZE);
    linkFont_ = CreateFontIndirectW(&face);
    if (!SetPropW(link_, kLinkProperty, this)) {
        lang::messageBox(handle(), msgid::WindowPropertyFailed, msgid::CaptionWarning, MB_OK | MB_ICONWARNING);
        return TRUE;
    }
    linkPrevious_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(link_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&DialogVersion::linkProcedure)));
    if (!linkPrevious_) {
        RemovePropW(link_, kLinkProperty);
        lang::messageBox(handle(), msgid::SubclassFailed, msgid::CaptionWarning, MB_OK | MB_ICONWARNING);
    }
    return TRUE;
}

void DialogVersion::centre() {
    RECT box{}, over{};
    GetWindowRect(handle(), &box);
    if (!parent_ || !GetWindowRect(parent_, &over)) SystemParametersInfoW(SPI_GETWORKAREA, 0, &over, 0);
    int width = box.right - box.left, height = box.bottom - box.top;
    SetWindowPos(handle(), nullptr, over.left + (over.right - over.left - width) / 2,
                 over.top + (over.bottom - over.top - height) / 2, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

INT_PTR DialogVersion::onCommand(WORD id, WORD, HWND) {
    if (id != IDOK && id != IDCANCEL) return 0;
    close(id);
    return 1;
}

void DialogVersion::onDestroy() {
    if (link_ && linkPrevious_) {
        SetWindowLongPtrW(link_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(linkPrevious_));
        RemovePropW(link_, kLinkProperty);
    }
    linkPrevious_ = nullptr;
    if (linkFont_) DeleteObject(linkFont_);
    linkFont_ = nullptr;
}

LRESULT CALLBACK DialogVersion::linkProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = static_cast<DialogVersion*>(GetPropW(window, kLinkProperty));
    if (!self || !self->linkPrevious_) return DefWindowProcW(window, message, wParam, lParam);
    return self->onLinkMessage(window, message, wParam, lParam);
}

LRESULT DialogVersion::onLinkMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT: paintLink(window); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_SETCURSOR:
        if (HCURSOR hand = LoadCursorW(pluginInstance(), MAKEINTRESOURCEW(IDC_CURSOR_LINK))) {
            SetCursor(hand);
            return TRUE;
        }
        break;
    case WM_LBUTTONDOWN: {
        std::wstring target = windowText(window);
        if (!target.empty()) ShellExecuteW(handle(), L"open", target.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
        return 0;
    }
    default: break;
    }
    return CallWindowProcW(linkPrevious_, window, message, wParam, lParam);
}

void DialogVersion::paintLink(HWND window) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    RECT area{};
    GetClientRect(window, &area);
    FillRect(dc, &area, GetSysColorBrush(COLOR_MENU));
    HGDIOBJ old = linkFont_ ? SelectObject(dc, linkFont_) : nullptr;
    SetTextColor(dc, LinkColour);
    SetBkMode(dc, TRANSPARENT);
    std::wstring text = windowText(window);
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &area, DT_LEFT | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    if (old) SelectObject(dc, old);
    EndPaint(window, &paint);
}
