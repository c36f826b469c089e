#include "frame/win32/dialog.h"

#include "frame/message_ids.h"
#include "frame/win32/language.h"
#include "frame/win32/module.h"

namespace {
const wchar_t kProperty[] = L"Vexa_Dlg_Prop";

enum class Thrown { Nothing, Text, Other };

// Exceptions must not leave a dialog procedure: they would have to unwind
// through the system's message loop, which cannot carry them.
template <class F>
Thrown runGuarded(F&& handler, INT_PTR& result, std::wstring& text) {
    try {
        result = handler();
        return Thrown::Nothing;
    } catch (const std::wstring& t) {
        text = t;
        return Thrown::Text;
    } catch (const wchar_t* t) {
        text = t ? t : L"";
        return Thrown::Text;
    } catch (...) {
        return Thrown::Other;
    }
}

void showWarning(HWND owner, const std::wstring& text) {
    MessageBoxW(owner, text.c_str(), lang::message(msgid::CaptionWarning), MB_OK | MB_ICONWARNING);
}

int coordinate(WORD w) { return static_cast<short>(w); }
} // namespace

HINSTANCE dialogTemplateSource(HINSTANCE instance, int templateId) {
    HINSTANCE source = instance ? instance : lang::module();
    if (!source || templateId <= 0) return nullptr;
    if (!FindResourceW(source, MAKEINTRESOURCEW(templateId), MAKEINTRESOURCEW(5) /* RT_DIALOG */)) return nullptr;
    return source;
}

// --- Dialog ------------------------------------------------------------------

HWND Dialog::item(int id) const { return window_ ? GetDlgItem(window_, id) : nullptr; }

void Dialog::setItemText(int id, const std::wstring& text) const {
    if (window_) SetDlgItemTextW(window_, id, text.c_str());
}

std::wstring Dialog::itemText(int id) const {
    HWND control = item(id);
    if (!control) return std::wstring();
    int length = GetWindowTextLengthW(control);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    int got = GetWindowTextW(control, text.data(), length + 1);
    text.resize(got > 0 ? static_cast<size_t>(got) : 0);
    return text;
}

INT_PTR Dialog::onInitDialog() { return 1; }
void Dialog::onDestroy() {}
INT_PTR Dialog::onCommand(WORD, WORD, HWND) { return 0; }
void Dialog::onPaint() {}
INT_PTR Dialog::onNotify(NMHDR*) { return 0; }
void Dialog::onTimer(UINT_PTR) {}
void Dialog::onSize(UINT, int, int) {}
void Dialog::onGetMinMaxInfo(MINMAXINFO*) {}
INT_PTR Dialog::onCtlColorButton(HDC, HWND) { return 0; }
INT_PTR Dialog::onCtlColorDialog(HDC, HWND) { return 0; }
INT_PTR Dialog::onCtlColorEdit(HDC, HWND) { return 0; }
INT_PTR Dialog::onCtlColorListBox(HDC, HWND) { return 0; }
INT_PTR Dialog::onCtlColorScrollBar(HDC, HWND) { return 0; }
INT_PTR Dialog::onCtlColorStatic(HDC, HWND) { return 0; }
void Dialog::onMouseMove(UINT, int, int) {}
void Dialog::onLButtonDown(UINT, int, int) {}
void Dialog::onLButtonUp(UINT, int, int) {}
void Dialog::onHelp(HELPINFO*) {}
INT_PTR Dialog::onOtherMessage(UINT, WPARAM, LPARAM) { return 0; }

Dialog* Dialog::bound(HWND window) { return static_cast<Dialog*>(GetPropW(window, kProperty)); }

bool Dialog::bind(HWND window) {
    if (!SetPropW(window, kProperty, this)) return false;
    window_ = window;
    instance_ = pluginInstance();
    return true;
}

void Dialog::unbind() {
    HWND window = window_;
    INT_PTR ignored = 0;
    std::wstring text;
    runGuarded([this] { onDestroy(); return INT_PTR(0); }, ignored, text);
    window_ = nullptr;
    instance_ = nullptr;
    if (window) RemovePropW(window, kProperty);
}

INT_PTR Dialog::dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND: return onCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
    case WM_PAINT: onPaint(); return FALSE;   // the default painting still runs
    case WM_NOTIFY: return onNotify(reinterpret_cast<NMHDR*>(lParam));
    case WM_TIMER: onTimer(wParam); return FALSE;
    case WM_SIZE: onSize(static_cast<UINT>(wParam), LOWORD(lParam), HIWORD(lParam)); return FALSE;
    case WM_GETMINMAXINFO: onGetMinMaxInfo(reinterpret_cast<MINMAXINFO*>(lParam)); return FALSE;
    case WM_CTLCOLORBTN: return onCtlColorButton(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_CTLCOLORDLG: return onCtlColorDialog(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_CTLCOLOREDIT: return onCtlColorEdit(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_CTLCOLORLISTBOX: return onCtlColorListBox(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_CTLCOLORSCROLLBAR:
        return onCtlColorScrollBar(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_CTLCOLORSTATIC: return onCtlColorStatic(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_MOUSEMOVE:
        onMouseMove(static_cast<UINT>(wParam), coordinate(LOWORD(lParam)), coordinate(HIWORD(lParam)));
        return FALSE;
    case WM_LBUTTONDOWN:
        onLButtonDown(static_cast<UINT>(wParam), coordinate(LOWORD(lParam)), coordinate(HIWORD(lParam)));
        return FALSE;
    case WM_LBUTTONUP:
        onLButtonUp(static_cast<UINT>(wParam), coordinate(LOWORD(lParam)), coordinate(HIWORD(lParam)));
        return FALSE;
    case WM_HELP: onHelp(reinterpret_cast<HELPINFO*>(lParam)); return TRUE;
    default: return onOtherMessage(message, wParam, lParam);
    }
}

// --- DialogModal -------------------------------------------------------------

DialogModal::~DialogModal() {
    if (handle()) EndDialog(handle(), 0);
}

void DialogModal::close(INT_PTR result) {
    if (handle()) EndDialog(handle(), result);
}

void DialogModal::abandon(const std::wstring* text) {
    if (text && !abandoned_) warning_ = *text;
    abandoned_ = true;
    if (handle()) EndDialog(handle(), 0);
}

INT_PTR DialogModal::create(HINSTANCE instance, int templateId, HWND parent) {
    if (handle()) return -1;
    HINSTANCE source = dialogTemplateSource(instance, templateId);
    if (!source) return -1;
    parent_ = parent;
    abandoned_ = false;
    warning_.clear();
    INT_PTR result = DialogBoxParamW(source, MAKEINTRESOURCEW(templateId), parent, procedure,
                                     reinterpret_cast<LPARAM>(this));
    if (!abandoned_) return result;
    if (!warning_.empty()) showWarning(parent_, warning_);
    warning_.clear();
    return 0;
}

INT_PTR CALLBACK DialogModal::procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    DialogModal* self = nullptr;
    if (message == WM_INITDIALOG) {
        self = reinterpret_cast<DialogModal*>(lParam);
        if (!self || !self->bind(window)) {
            EndDialog(window, -1);
            return FALSE;
        }
    } else {
        self = static_cast<DialogModal*>(bound(window));
        if (!self) return FALSE;   // before initialization or after destruction
        if (message == WM_DESTROY) {
            self->unbind();
            return FALSE;
        }
    }
    INT_PTR result = 0;
    std::wstring text;
    switch (runGuarded([&] { return message == WM_INITDIALOG ? self->onInitDialog() : self->dispatch(message, wParam, lParam); },
                       result, text)) {
    case Thrown::Nothing: return result;
    case Thrown::Text: self->abandon(&text); return FALSE;
    case Thrown::Other: self->abandon(nullptr); return FALSE;
    }
    return FALSE;
}

// --- DialogModeless ----------------------------------------------------------

DialogModeless::~DialogModeless() {
    if (handle()) DestroyWindow(handle());
}

void DialogModeless::close(INT_PTR) {
    if (handle()) DestroyWindow(handle());
}

bool DialogModeless::create(HINSTANCE instance, int templateId, HWND parent) {
    if (handle()) return true;
    HINSTANCE source = dialogTemplateSource(instance, templateId);
    if (!source) return false;
    parent_ = parent;
    CreateDialogParamW(source, MAKEINTRESOURCEW(templateId), parent, procedure, reinterpret_cast<LPARAM>(this));
    return handle() != nullptr;
}

INT_PTR CALLBACK DialogModeless::procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    DialogModeless* self = nullptr;
    if (message == WM_INITDIALOG) {
        self = reinterpret_cast<DialogModeless*>(lParam);
        if (!self || !self->bind(window)) {
            DestroyWindow(window);
            return FALSE;
        }
    } else {
        self = static_cast<DialogModeless*>(bound(window));
        if (!self) return FALSE;
        if (message == WM_DESTROY) {
            self->unbind();
            return FALSE;
        }
    }
    INT_PTR result = 0;
    std::wstring text;
    Thrown thrown = runGuarded(
        [&] { return message == WM_INITDIALOG ? self->onInitDialog() : self->dispatch(message, wParam, lParam); },
        result, text);
    if (thrown == Thrown::Nothing) return result;
    HWND owner = self->parent_;
    DestroyWindow(window);
    if (thrown == Thrown::Text) showWarning(owner, text);
    return FALSE;
}

// --- PropertyDialog ----------------------------------------------------------

bool PropertyDialog::fillPage(PROPSHEETPAGEW& page, HINSTANCE instance, int templateId) {
    HINSTANCE source = dialogTemplateSource(instance, templateId);
    if (!source) return false;
    page = PROPSHEETPAGEW();
    page.dwSize = sizeof(page);
    page.dwFlags = PSP_DEFAULT;
    page.hInstance = source;
    page.pszTemplate = MAKEINTRESOURCEW(templateId);
    page.pfnDlgProc = procedure;
    page.lParam = reinterpret_cast<LPARAM>(this);
    return true;
}

INT_PTR CALLBACK PropertyDialog::procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    PropertyDialog* self = nullptr;
    if (message == WM_INITDIALOG) {
        auto* page = reinterpret_cast<PROPSHEETPAGEW*>(lParam);
        self = page ? reinterpret_cast<PropertyDialog*>(page->lParam) : nullptr;
        if (!self || !self->bind(window)) return FALSE;
    } else {
        self = static_cast<PropertyDialog*>(bound(window));
        if (!self) return FALSE;
        if (message == WM_DESTROY) {
            self->unbind();
            return FALSE;
        }
    }
    INT_PTR result = 0;
    std::wstring text;
    Thrown thrown = runGuarded(
        [&] { return message == WM_INITDIALOG ? self->onInitDialog() : self->dispatch(message, wParam, lParam); },
        result, text);
    if (thrown == Thrown::Text) showWarning(GetParent(window), text);
    return thrown == Thrown::Nothing ? result : FALSE;
}
