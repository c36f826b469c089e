#include "frame/win32/window.h"

#include "frame/message_ids.h"
#include "frame/win32/language.h"
#include "frame/win32/module.h"

#include <string>

namespace {
const wchar_t kProperty[] = L"Vexa_Wnd_Prop";
} // namespace

bool Window::registerClass(HINSTANCE instance, const wchar_t* className, UINT style, HCURSOR cursor,
                           HBRUSH background) {
    WNDCLASSEXW wc = {};
    wc.cbSize = sizeof(wc);
    wc.style = style;
    wc.lpfnWndProc = procedure;
    wc.hInstance = instance;
    wc.hCursor = cursor ? cursor : LoadCursorW(nullptr, MAKEINTRESOURCEW(32512) /* IDC_ARROW */);
    wc.hbrBackground = background ? background : reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = className;
    if (RegisterClassExW(&wc)) return true;
    return GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

bool Window::create(DWORD exStyle, const wchar_t* className, const wchar_t* title, DWORD style, int x, int y,
                    int width, int height, HWND parent, HMENU menu, HINSTANCE instance) {
    if (window_) return false;
    CreateWindowExW(exStyle, className, title, style, x, y, width, height, parent, menu, instance, this);
    return window_ != nullptr;
}

Window::~Window() {
    if (window_ && IsWindow(window_)) DestroyWindow(window_);
}

LRESULT Window::onCreate(CREATESTRUCTW* create) {
    return DefWindowProcW(window_, WM_CREATE, 0, reinterpret_cast<LPARAM>(create));
}
void Window::onDestroy() {}
void Window::onTimer(UINT_PTR) {}
void Window::onGetMinMaxInfo(MINMAXINFO*) {}
void Window::onSize(UINT, int, int) {}
LRESULT Window::onCommand(WORD, WORD, HWND) { return 0; }
void Window::onSysCommand(WPARAM wParam, LPARAM lParam) { DefWindowProcW(window_, WM_SYSCOMMAND, wParam, lParam); }
void Window::onMenuSelect(UINT, UINT, HMENU) {}
LRESULT Window::onNotify(NMHDR*) { return 0; }
void Window::onMeasureItem(UINT, MEASUREITEMSTRUCT*) {}
void Window::onDrawItem(UINT, DRAWITEMSTRUCT*) {}
LRESULT Window::onOtherMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(window_, message, wParam, lParam);
}

// Handlers that answer return their result; the others are followed by
// the default window procedure.
LRESULT Window::dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
    HWND window = window_;
    switch (message) {
    case WM_TIMER: onTimer(wParam); break;
    case WM_GETMINMAXINFO: onGetMinMaxInfo(reinterpret_cast<MINMAXINFO*>(lParam)); break;
    case WM_SIZE: onSize(static_cast<UINT>(wParam), LOWORD(lParam), HIWORD(lParam)); break;
    case WM_COMMAND: return onCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
    case WM_SYSCOMMAND: onSysCommand(wParam, lParam); return 0;
    case WM_MENUSELECT: onMenuSelect(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HMENU>(lParam)); break;
    case WM_NOTIFY: return onNotify(reinterpret_cast<NMHDR*>(lParam));
    case WM_MEASUREITEM: onMeasureItem(static_cast<UINT>(wParam), reinterpret_cast<MEASUREITEMSTRUCT*>(lParam)); break;
    case WM_DRAWITEM: onDrawItem(static_cast<UINT>(wParam), reinterpret_cast<DRAWITEMSTRUCT*>(lParam)); break;
    default: return onOtherMessage(message, wParam, lParam);
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

LRESULT CALLBACK Window::procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    Window* self = nullptr;
    if (message == WM_CREATE) {
        auto* cs = reinterpret_cast<CREATESTRUCTW*>(lParam);
        self = cs ? static_cast<Window*>(cs->lpCreateParams) : nullptr;
        if (!self || self->window_ || !SetPropW(window, kProperty, self)) return -1;
        self->window_ = window;
        self->instance_ = pluginInstance();
    } else {
        self = static_cast<Window*>(GetPropW(window, kProperty));
        if (!self) return DefWindowProcW(window, message, wParam, lParam);
    }
    // Exceptions cannot unwind through the system's message dispatch.
    try {
        if (message == WM_CREATE) {
            LRESULT result = self->onCreate(reinterpret_cast<CREATESTRUCTW*>(lParam));
            if (result == -1) {
                // A refused window is gone for the object at once; whatever
                // the system sends it while tearing it down goes to the
                // default procedure.
                RemovePropW(window, kProperty);
                self->window_ = nullptr;
                self->instance_ = nullptr;
            }
            return result;
        }
        if (message == WM_DESTROY) {
            try {
                self->onDestroy();
            } catch (...) {
            }
            self->window_ = nullptr;
            self->instance_ = nullptr;
            RemovePropW(window, kProperty);
            return DefWindowProcW(window, message, wParam, lParam);
        }
        return self->dispatch(message, wParam, lParam);
    } catch (const std::wstring& text) {
        MessageBoxW(GetParent(window), text.c_str(), lang::message(msgid::CaptionWarning), MB_OK | MB_ICONWARNING);
    } catch (const wchar_t* text) {
        MessageBoxW(GetParent(window), text ? text : L"", lang::message(msgid::CaptionWarning),
                    MB_OK | MB_ICONWARNING);
    } catch (...) {
    }
    if (message != WM_CREATE) return 0;
    RemovePropW(window, kProperty);
    self->window_ = nullptr;
    self->instance_ = nullptr;
    return -1;
}
