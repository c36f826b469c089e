#include "mainwindow/win32/editor_rebar.h"

#include "frame/host_messages.h"
#include "frame/win32/window_editor.h"
#include "mainwindow/placement.h"
#include "mainwindow/win32/toolbar.h"
#include "settings/setting_keys.h"

#include <algorithm>
#include <cwchar>

namespace {

const wchar_t kRebarProperty[] = L"Vexa_ER_Rebar_Prop";
const wchar_t kToolbarProperty[] = L"Vexa_ER_Toolbar_Prop";
const wchar_t kBandText[] = L"Vexa2";

BOOL CALLBACK findRebar(HWND window, LPARAM found) {
    wchar_t name[32] = {};
    GetClassNameW(window, name, 32);
    if (std::wcscmp(name, L"ReBarWindow32") != 0) return TRUE;
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
}

// The first rebar anywhere below the frame that holds the editor window.
HWND hostRebar(HWND editor) {
    HWND frame = GetParent(editor);
    if (!frame) return nullptr;
    HWND found = nullptr;
    EnumChildWindows(frame, &findRebar, reinterpret_cast<LPARAM>(&found));
    return found;
}

int bandCount(HWND rebar) { return static_cast<int>(SendMessageW(rebar, RB_GETBANDCOUNT, 0, 0)); }

UINT freeBandId(HWND rebar) {
    UINT id = 1;
    while (SendMessageW(rebar, RB_IDTOINDEX, id, 0) != -1) ++id;
    return id;
}

// The host's bands set the look: without grippers there, ours has none.
bool everyBandWithoutGripper(HWND rebar) {
    for (int i = 0, n = bandCount(rebar); i < n; ++i) {
        REBARBANDINFOW info{};
        info.cbSize = sizeof info;
        info.fMask = RBBIM_STYLE;
        if (SendMessageW(rebar, RB_GETBANDINFOW, i, reinterpret_cast<LPARAM>(&info)) &&
            !(info.fStyle & RBBS_NOGRIPPER))
            return false;
    }
    return true;
}

} // namespace

int EditorRebar::bandIndex() const {
    if (!rebar_) return -1;
    return static_cast<int>(SendMessageW(rebar_, RB_IDTOINDEX, bandId_, 0));
}

void EditorRebar::measure() {
    DWORD size = static_cast<DWORD>(SendMessageW(toolbar_, TB_GETBUTTONSIZE, 0, 0));
    buttonWidth_ = LOWORD(size);
    buttonHeight_ = HIWORD(size);
    placement::BandRows rows = placement::bandRows(lines_);
    RECT r{};
    SendMessageW(toolbar_, TB_SETROWS, MAKEWPARAM(rows.reset, FALSE), reinterpret_cast<LPARAM>(&r));
    SendMessageW(toolbar_, TB_SETROWS, MAKEWPARAM(rows.rows, FALSE), reinterpret_cast<LPARAM>(&r));
    toolbarWidth_ = std::max<int>(r.right - r.left, buttonWidth_);
    int height = std::max<int>(r.bottom - r.top, buttonHeight_);
    bandHeight_ = placement::bandChildHeight(height);
    placing_ = true;
    SetWindowPos(toolbar_, nullptr, 0, 0, childWidth_ > 0 ? childWidth_ : toolbarWidth_, height,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    placing_ = false;
}

void EditorRebar::placeToolbar() {
    int index = bandIndex();
    if (index < 0 || placing_) return;
    RECT band{}, borders{};
    SendMessageW(rebar_, RB_GETRECT, index, reinterpret_cast<LPARAM>(&band));
    SendMessageW(rebar_, RB_GETBANDBORDERS, index, reinterpret_cast<LPARAM>(&borders));
    POINT want{band.left + borders.left, band.top + borders.top + placement::BandToolbarTop};
    RECT now{};
    GetWindowRect(toolbar_, &now);
    MapWindowPoints(nullptr, GetParent(toolbar_), reinterpret_cast<POINT*>(&now), 2);
    if (now.left == want.x && now.top == want.y) return;
    placing_ = true;
    SetWindowPos(toolbar_, nullptr, want.x, want.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    placing_ = false;
}

EditorRebar::Result EditorRebar::dock(HWND mainWindow, HWND toolbar, HWND editor, CSetting* settings) {
    if (rebar_) return Result::Docked;
    HWND rebar = hostRebar(editor);
    if (!rebar) return Result::NoRebar;
    child_ = mainWindow;
    toolbar_ = toolbar;
    bandId_ = freeBandId(rebar);
    lines_ = settings ? settings->readInt(ini_keys::basic::Section, ini_keys::basic::Lines, 2) : 2;

    // A hidden child of the rebar: it only receives the toolbar's
    // notifications now.
    SetWindowLongPtrW(mainWindow, GWL_STYLE, WS_CHILD | WS_CLIPSIBLINGS);
    SetParent(mainWindow, rebar);

    if (!SetPropW(toolbar, kToolbarProperty, this)) return Result::NoProperty;
    toolbarPrevious_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(toolbar, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&EditorRebar::toolbarProc)));
    if (!toolbarPrevious_) {
        RemovePropW(toolbar, kToolbarProperty);
        return Result::NoSubclass;
    }
    measure();

    Rect saved = placement::NoBandPlace;
    if (settings && !settings->readRect(ini_keys::window_pos::Section, ini_keys::window_pos::Rebar, saved))
        saved = placement::NoBandPlace;
    placement::BandInsert where = placement::bandInsert(saved);
    int insertAt = -1;
    if (where.kind == placement::BandInsert::First) {
        insertAt = 0;
    } else if (where.kind == placement::BandInsert::AtPoint) {
        RBHITTESTINFO hit{};
        hit.pt = POINT{where.x, where.y};
        SendMessageW(rebar, RB_HITTEST, 0, reinterpret_cast<LPARAM>(&hit));
        if (hit.iBand >= 0 && hit.flags != RBHT_CAPTION) insertAt = hit.iBand;
    }

    rebarOldStyle_ = GetWindowLongPtrW(rebar, GWL_STYLE);
    styleChanged_ = !(rebarOldStyle_ & RBS_VARHEIGHT);
    if (styleChanged_) SetWindowLongPtrW(rebar, GWL_STYLE, rebarOldStyle_ | RBS_VARHEIGHT);
    rebar_ = rebar;
    if (!SetPropW(rebar, kRebarProperty, this)) {
        remove();
        return Result::NoProperty;
    }
    rebarPrevious_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(rebar, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&EditorRebar::rebarProc)));
    if (!rebarPrevious_) {
        RemovePropW(rebar, kRebarProperty);
        remove();
        return Result::NoSubclass;
    }

    REBARBANDINFOW band{};
    band.cbSize = sizeof band;
    band.fMask = RBBIM_STYLE | RBBIM_CHILD | RBBIM_CHILDSIZE | RBBIM_ID;
    band.fStyle = RBBS_BREAK | RBBS_VARIABLEHEIGHT;
    if (everyBandWithoutGripper(rebar)) band.fStyle |= RBBS_NOGRIPPER;
    wchar_t text[sizeof kBandText / sizeof(wchar_t)];
    std::wcscpy(text, kBandText);
    if (WindowEditor(editor).GetHostSetting(hostmsg::SettingBandTitle) != 0) {
        band.fMask |= RBBIM_TEXT;
        band.lpText = text;
    }
    band.hwndChild = toolbar;
    band.cxMinChild = static_cast<UINT>(buttonWidth_);
    band.cyMinChild = band.cyChild = band.cyMaxChild = static_cast<UINT>(bandHeight_);
    band.wID = bandId_;
    if (where.width) {
        band.fMask |= RBBIM_SIZE;
        band.cx = static_cast<UINT>(*where.width);
    }
    if (!SendMessageW(rebar, RB_INSERTBANDW, static_cast<WPARAM>(insertAt), reinterpret_cast<LPARAM>(&band))) {
        remove();
        return Result::NoBand;
    }
    ShowWindow(toolbar, SW_SHOWNA);
    placeToolbar();
    return Result::Docked;
}

void EditorRebar::childSized(int width) {
    if (!rebar_ || width <= 0) return;
    childWidth_ = width;
    placing_ = true;
    RECT r{};
    GetWindowRect(toolbar_, &r);
    SetWindowPos(toolbar_, nullptr, 0, 0, width, r.bottom - r.top, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    placing_ = false;
}

void EditorRebar::refit() {
    int index = bandIndex();
    if (index < 0) return;
    measure();
    REBARBANDINFOW band{};
    band.cbSize = sizeof band;
    band.fMask = RBBIM_CHILDSIZE;
    band.cxMinChild = static_cast<UINT>(buttonWidth_);
    band.cyMinChild = band.cyChild = band.cyMaxChild = static_cast<UINT>(bandHeight_);
    SendMessageW(rebar_, RB_SETBANDINFOW, index, reinterpret_cast<LPARAM>(&band));
    placeToolbar();
}

void EditorRebar::unsubclass() {
    if (toolbar_ && toolbarPrevious_ && IsWindow(toolbar_)) {
        if (reinterpret_cast<WNDPROC>(GetWindowLongPtrW(toolbar_, GWLP_WNDPROC)) == &EditorRebar::toolbarProc)
            SetWindowLongPtrW(toolbar_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(toolbarPrevious_));
        RemovePropW(toolbar_, kToolbarProperty);
    }
    toolbarPrevious_ = nullptr;
    if (rebar_ && rebarPrevious_ && IsWindow(rebar_)) {
        if (reinterpret_cast<WNDPROC>(GetWindowLongPtrW(rebar_, GWLP_WNDPROC)) == &EditorRebar::rebarProc)
            SetWindowLongPtrW(rebar_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(rebarPrevious_));
        RemovePropW(rebar_, kRebarProperty);
    }
    rebarPrevious_ = nullptr;
}

void EditorRebar::remove(CSetting* settings) {
    if (toolbarPrevious_ && !rebar_) unsubclass();   // a dock that failed half-way
    if (!rebar_) return;
    int index = bandIndex();
    if (index >= 0) {
        if (settings) {
            RECT r{};
            SendMessageW(rebar_, RB_GETRECT, index, reinterpret_cast<LPARAM>(&r));
            settings->writeRect(ini_keys::window_pos::Section, ini_keys::window_pos::Rebar,
                                Rect{r.left, r.top, r.right, r.bottom});
        }
        SendMessageW(rebar_, RB_DELETEBAND, index, 0);
    }
    unsubclass();
    if (styleChanged_ && IsWindow(rebar_))
        SetWindowLongPtrW(rebar_, GWL_STYLE, GetWindowLongPtrW(rebar_, GWL_STYLE) & ~LONG_PTR(RBS_VARHEIGHT));
    styleChanged_ = false;
    rebar_ = nullptr;
    child_ = nullptr;
    toolbar_ = nullptr;
    bandId_ = 0;
    childWidth_ = 0;
}

LRESULT CALLBACK EditorRebar::rebarProc(HWND rebar, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = static_cast<EditorRebar*>(GetPropW(rebar, kRebarProperty));
    if (!self || !self->rebarPrevious_) return DefWindowProcW(rebar, message, wParam, lParam);
    WNDPROC previous = self->rebarPrevious_;
    if (message == WM_DESTROY) {
        // The host tears its frame down with the band still in it: let go
        // of the rebar; the main window goes with it as its child.
        self->unsubclass();
        self->rebar_ = nullptr;
        self->styleChanged_ = false;
    }
    return CallWindowProcW(previous, rebar, message, wParam, lParam);
}

LRESULT CALLBACK EditorRebar::toolbarProc(HWND toolbar, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = static_cast<EditorRebar*>(GetPropW(toolbar, kToolbarProperty));
    if (!self || !self->toolbarPrevious_) return DefWindowProcW(toolbar, message, wParam, lParam);
    WNDPROC previous = self->toolbarPrevious_;
    switch (message) {
    case WM_DESTROY:
        self->unsubclass();
        break;
    case WM_MOVE: {
        LRESULT r = CallWindowProcW(previous, toolbar, message, wParam, lParam);
        self->placeToolbar();
        return r;
    }
    case WM_SIZE: {
        LRESULT r = CallWindowProcW(previous, toolbar, message, wParam, lParam);
        if (self->childWidth_ > 0 && LOWORD(lParam) != self->childWidth_ && !self->placing_)
            self->childSized(self->childWidth_);
        return r;
    }
    case WM_RBUTTONUP: {
        // The main window handles right clicks as the toolbar's NM_RCLICK,
        // sent once, here.
        NMMOUSE note{};
        note.hdr.hwndFrom = toolbar;
        note.hdr.idFrom = toolbar::ControlId;
        note.hdr.code = static_cast<UINT>(NM_RCLICK);
        note.pt = POINT{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
        note.dwItemSpec = toolbar::commandAt(toolbar, note.pt);
        if (self->child_) SendMessageW(self->child_, WM_NOTIFY, toolbar::ControlId, reinterpret_cast<LPARAM>(&note));
        return 0;
    }
    default: break;
    }
    return CallWindowProcW(previous, toolbar, message, wParam, lParam);
}
