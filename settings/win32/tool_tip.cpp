#include "settings/win32/tool_tip.h"

#include "frame/win32/language.h"

#include <commctrl.h>

namespace {
constexpr int kMaxTipWidth = 400;
} // namespace

ToolTip::~ToolTip() {
    if (window_ && IsWindow(window_)) DestroyWindow(window_);
}

bool ToolTip::create(HWND page) {
    if (window_) return true;
    window_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                              CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, page, nullptr,
                              reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(page, GWLP_HINSTANCE)), nullptr);
    if (!window_) return false;
    SendMessageW(window_, TTM_SETMAXTIPWIDTH, 0, kMaxTipWidth);
    return true;
}

bool ToolTip::add(HWND control, const std::wstring& text) {
    if (!window_ || !control || !IsWindow(control)) return false;
    texts_.push_back(text);
    TTTOOLINFOW info = {};
    info.cbSize = sizeof(info);
    info.uFlags = TTF_SUBCLASS;
    info.hwnd = control;
    info.uId = 0;
    GetClientRect(control, &info.rect);
    info.lpszText = texts_.back().data();
    if (!SendMessageW(window_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info))) {
        texts_.pop_back();
        return false;
    }
    return true;
}

bool ToolTip::add(HWND page, int controlId, uint32_t messageId) {
    return add(GetDlgItem(page, controlId), lang::message(messageId));
}
