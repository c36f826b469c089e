#include "mainwindow/win32/toolbar.h"

#include "base/win32/wide.h"
#include "frame/message_ids.h"
#include "frame/win32/language.h"
#include "lang/resource_ids.h"
#include "mainwindow/command_texts.h"
#include "mainwindow/toolbar_table.h"
#include "mainwindow/win32/user_commands.h"

#include <string>

namespace toolbar {
namespace {

const wchar_t kProperty[] = L"Vexa_Toolbar_Prop";
// The plug-in's own cursor for buttons that open a window or menu.
constexpr WORD OwnCursor = 127;

std::wstring buttonText(uint32_t command) {
    return wide::w(command_texts::buttonText(command, &user_commands::text));
}

// All 113 texts in one call: the toolbar numbers them in order, so text
// index = button index.
void addTexts(HWND toolbar) {
    std::wstring all;
    for (int32_t i = 0; i < toolbar_table::ButtonCount; ++i) {
        std::wstring t = buttonText(toolbar_table::commandAt(i));
        // An empty text would end the list early.
        all += t.empty() ? L" " : t;
        all += L'\0';
    }
    all += L'\0';
    SendMessageW(toolbar, TB_ADDSTRINGW, 0, reinterpret_cast<LPARAM>(all.c_str()));
}


int indexOfCommand(HWND toolbar, uint32_t command) {
    return static_cast<int>(SendMessageW(toolbar, TB_COMMANDTOINDEX, command, 0));
}

struct Subclass {
    WNDPROC previous = nullptr;
    HINSTANCE plugin = nullptr;
    const bool* hostMenuOpen = nullptr;   // not owned
};

void setCursorFor(HWND toolbar, const Subclass& s, LPARAM lParam) {
    POINT p{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    uint32_t command = commandAt(toolbar, p);
    if (!command || !toolbar_table::showsOwnCursor(command)) return;
    bool menuOpen = s.hostMenuOpen && *s.hostMenuOpen;
    HCURSOR cursor = menuOpen ? nullptr : LoadCursorW(s.plugin, MAKEINTRESOURCEW(OwnCursor));
    if (!cursor) cursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512) /* IDC_ARROW */);
    SetCursor(cursor);
}

LRESULT CALLBACK subclassProc(HWND toolbar, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* s = static_cast<Subclass*>(GetPropW(toolbar, kProperty));
    if (!s) return DefWindowProcW(toolbar, message, wParam, lParam);
    WNDPROC previous = s->previous;
    switch (message) {
    case WM_DESTROY:
        unsubclass(toolbar);
        break;
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP: {
        LRESULT r = CallWindowProcW(previous, toolbar, message, wParam, lParam);
        setCursorFor(toolbar, *s, lParam);
        return r;
    }
    default: break;
    }
    return CallWindowProcW(previous, toolbar, message, wParam, lParam);
}

} // namespace

HWND create(HWND parent, bool docked) {
    DWORD style = WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT | TBSTYLE_TOOLTIPS | CCS_NODIVIDER | CCS_NOPARENTALIGN |
                  CCS_NORESIZE | CCS_NOMOVEY;
    if (!docked) style |= TBSTYLE_WRAPABLE;
    HWND toolbar = CreateWindowExW(0, TOOLBARCLASSNAMEW, L"", style, 0, 0, 0, 0, parent,
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(ControlId)),
                                   GetModuleHandleW(nullptr), nullptr);
    if (!toolbar) return nullptr;
    SendMessageW(toolbar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    HIMAGELIST images = loadImages();
    if (!images) {
        DestroyWindow(toolbar);
        return nullptr;
    }
    SendMessageW(toolbar, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images));
    SendMessageW(toolbar, TB_SETBITMAPSIZE, 0, MAKELONG(VEXA_LANG_TOOLBAR_IMAGE_SIZE, VEXA_LANG_TOOLBAR_IMAGE_SIZE));
    SendMessageW(toolbar, TB_SETEXTENDEDSTYLE, 0, TBSTYLE_EX_DRAWDDARROWS);
    // The texts serve the tool tips, the status line and the customization
    // list; on the buttons only the images show.
    SendMessageW(toolbar, TB_SETMAXTEXTROWS, 0, 0);
    addTexts(toolbar);
    return toolbar;
}

void destroy(HWND toolbar) {
    if (!toolbar || !IsWindow(toolbar)) return;
    auto images = reinterpret_cast<HIMAGELIST>(SendMessageW(toolbar, TB_GETIMAGELIST, 0, 0));
    unsubclass(toolbar);
    DestroyWindow(toolbar);
    if (images) ImageList_Destroy(images);
}

bool describe(int32_t index, TBBUTTON& button) {
    uint32_t command = toolbar_table::commandAt(index);
    if (!command) return false;
    button = TBBUTTON{};
    button.iBitmap = index;
    button.idCommand = static_cast<int>(command);
    button.fsState = TBSTATE_ENABLED;
    button.fsStyle = BTNS_AUTOSIZE | (toolbar_table::hasDropDown(command) ? BTNS_DROPDOWN : 0);
    button.iString = index;
    return true;
}

uint32_t build(HWND toolbar, std::span<const int32_t> items) {
    SendMessageW(toolbar, WM_SETREDRAW, FALSE, 0);
    while (SendMessageW(toolbar, TB_BUTTONCOUNT, 0, 0) > 0)
        if (!SendMessageW(toolbar, TB_DELETEBUTTON, 0, 0)) break;
    uint32_t last = 0;
    for (int32_t item : items) {
        TBBUTTON b{};
        if (item < 0) {
            b.fsStyle = BTNS_SEP;
            b.iString = -1;
        } else {
            if (!describe(item, b)) continue;
            // The button's own text stays off the face (see create()).
            b.iString = -1;
            last = static_cast<uint32_t>(b.idCommand);
        }
        SendMessageW(toolbar, TB_ADDBUTTONSW, 1, reinterpret_cast<LPARAM>(&b));
    }
    SendMessageW(toolbar, TB_AUTOSIZE, 0, 0);
    SendMessageW(toolbar, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(toolbar, nullptr, TRUE);
    return last;
}

std::vector<int32_t> items(HWND toolbar) {
    std::vector<int32_t> out;
    int count = static_cast<int>(SendMessageW(toolbar, TB_BUTTONCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        TBBUTTON b{};
        if (!SendMessageW(toolbar, TB_GETBUTTON, i, reinterpret_cast<LPARAM>(&b))) continue;
        if (b.fsStyle & BTNS_SEP) {
            out.push_back(-1);
            continue;
        }
        int32_t index = toolbar_table::indexOf(static_cast<uint32_t>(b.idCommand));
        if (index >= 0) out.push_back(index);
    }
    return out;
}

void setPressed(HWND toolbar, uint32_t command, bool on) {
    if (toolbar) SendMessageW(toolbar, TB_CHECKBUTTON, command, MAKELONG(on ? TRUE : FALSE, 0));
}
void setEnabled(HWND toolbar, uint32_t command, bool on) {
    if (toolbar) SendMessageW(toolbar, TB_ENABLEBUTTON, command, MAKELONG(on ? TRUE : FALSE, 0));
}
bool pressed(HWND toolbar, uint32_t command) {
    return toolbar && indexOfCommand(toolbar, command) >= 0 && SendMessageW(toolbar, TB_ISBUTTONCHECKED, command, 0);
}
bool enabled(HWND toolbar, uint32_t command) {
    return toolbar && indexOfCommand(toolbar, command) >= 0 && SendMessageW(toolbar, TB_ISBUTTONENABLED, command, 0);
}

uint32_t commandAt(HWND toolbar, POINT client) {
    int index = static_cast<int>(SendMessageW(toolbar, TB_HITTEST, 0, reinterpret_cast<LPARAM>(&client)));
    if (index < 0) return 0;
    TBBUTTON b{};
    if (!SendMessageW(toolbar, TB_GETBUTTON, index, reinterpret_cast<LPARAM>(&b)) || (b.fsStyle & BTNS_SEP)) return 0;
    return static_cast<uint32_t>(b.idCommand);
}

SubclassResult subclass(HWND toolbar, HINSTANCE plugin, const bool* hostMenuOpen) {
    auto* s = new Subclass{nullptr, plugin, hostMenuOpen};
    if (!SetPropW(toolbar, kProperty, s)) {
        delete s;
        return SubclassResult::NoProperty;
    }
    s->previous = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(toolbar, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&subclassProc)));
    if (!s->previous) {
        RemovePropW(toolbar, kProperty);
        delete s;
        return SubclassResult::NoSubclass;
    }
    return SubclassResult::Done;
}

void unsubclass(HWND toolbar) {
    auto* s = static_cast<Subclass*>(GetPropW(toolbar, kProperty));
    if (!s) return;
    // Only when nobody subclassed it after us; otherwise the chain stays
    // and our procedure passes everything on.
    if (reinterpret_cast<WNDPROC>(GetWindowLongPtrW(toolbar, GWLP_WNDPROC)) == &subclassProc)
        SetWindowLongPtrW(toolbar, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(s->previous));
    else
        return;
    RemovePropW(toolbar, kProperty);
    delete s;
}

HIMAGELIST loadImages() {
    HMODULE library = lang::module();
    if (!library) return nullptr;
    auto bitmap = static_cast<HBITMAP>(LoadImageW(library, MAKEINTRESOURCEW(VEXA_LANG_TOOLBAR_BITMAP), IMAGE_BITMAP,
                                                  0, 0, LR_CREATEDIBSECTION));
    if (!bitmap) return nullptr;
    HIMAGELIST images = ImageList_Create(VEXA_LANG_TOOLBAR_IMAGE_SIZE, VEXA_LANG_TOOLBAR_IMAGE_SIZE,
                                         ILC_COLOR24 | ILC_MASK, VEXA_LANG_TOOLBAR_IMAGE_COUNT, 0);
    if (images) ImageList_AddMasked(images, bitmap, VEXA_LANG_TOOLBAR_KEY);
    DeleteObject(bitmap);
    return images;
}

} // namespace toolbar
