#include "outline/win32/dialog_sub_common.h"

#include "frame/win32/jump.h"
#include "frame/win32/plugin_app.h"
#include "frame/win32/shared_state.h"
#include "frame/win32/win_rect.h"
#include "outline/subwindow_geometry.h"

#include <cstdint>

namespace {

bool windowRect(HWND window, Rect& out) {
    RECT r;
    if (!window || !GetWindowRect(window, &r)) return false;
    out = win_rect::of(r);
    return true;
}

constexpr UINT kQuietMove = SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER;

} // namespace

bool DialogSubCommon::create(HWND owner, HWND editor, int templateId, HINSTANCE source) {
    if (handle()) return false;
    owner_ = owner;
    editor_ = editor;
    return DialogModeless::create(source, templateId, owner);
}

HWND DialogSubCommon::frame() const { return editor_ ? GetParent(editor_) : nullptr; }

void DialogSubCommon::place() {
    Rect f;
    if (!handle() || !windowRect(frame(), f)) return;
    CSetting* settings = app::settings();
    Rect r;
    if (settings) {
        auto screen = subwindow_geometry::screenArea(GetSystemMetrics(SM_CXFULLSCREEN),
                                                     GetSystemMetrics(SM_CYFULLSCREEN), GetSystemMetrics(SM_CYCAPTION));
        r = subwindow_geometry::placeFromSettings(*settings, name_, f, screen);
    } else {
        r = subwindow_geometry::defaultCorner(f);
    }
    SetWindowPos(handle(), nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top, kQuietMove);
}

void DialogSubCommon::savePlace() {
    CSetting* settings = app::settings();
    HWND f = frame();
    Rect window, host;
    if (!settings || !windowRect(handle(), window) || !windowRect(f, host)) return;
    subwindow_geometry::savePlace(*settings, name_, window, host, IsIconic(f) != 0);
}

bool DialogSubCommon::takePendingJump() {
    Position target;
    {
        platform::MutexLock lock(app::mutex(AppMutex::Jump));
        SharedState& s = shared::state();
        // The owner's own request is for another host window: this one
        // got the focus only because the owner's sub-window was used.
        if (s.pendingJumpKind == 0 || s.pendingJumpRequester == jumps::requesterOf(owner_)) return false;
        target = Position{s.pendingJumpX, s.pendingJumpY};
        s.pendingJumpKind = 0;
        s.pendingJumpX = -1;
        s.pendingJumpY = -1;
        s.pendingJumpRequester = 0;
    }
    jumps::jumpIn(editor_, target, std::nullopt);
    if (handle())
        SetWindowPos(handle(), nullptr, 0, 0, 0, 0, kQuietMove | SWP_NOMOVE | SWP_NOSIZE | SWP_DRAWFRAME);
    return true;
}

INT_PTR DialogSubCommon::onInitDialog() {
    if (HMENU menu = GetSystemMenu(handle(), FALSE)) {
        for (UINT command : {SC_MAXIMIZE, SC_MINIMIZE, SC_RESTORE}) DeleteMenu(menu, command, MF_BYCOMMAND);
    }
    place();
    return TRUE;
}

void DialogSubCommon::onDestroy() { savePlace(); }

INT_PTR DialogSubCommon::onCommand(WORD id, WORD, HWND) {
    if (id != IDCANCEL) return FALSE;
    if (editor_ && IsWindow(editor_)) SetFocus(editor_);
    close(0);
    return TRUE;
}

void DialogSubCommon::onGetMinMaxInfo(MINMAXINFO* info) {
    if (!info) return;
    info->ptMinTrackSize.x = subwindow_geometry::MinimumSize;
    info->ptMinTrackSize.y = subwindow_geometry::MinimumSize;
}

INT_PTR DialogSubCommon::onOtherMessage(UINT message, WPARAM, LPARAM) {
    if (message == WM_SETFOCUS && takePendingJump()) return TRUE;
    return FALSE;
}
