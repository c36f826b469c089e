#include "frame/win32/window_editor.h"
#include "base/win32/wide.h"
#include "frame/host_messages.h"

#include <vector>

namespace {
POINT toPoint(Position p) { return POINT{p.x, p.y}; }
Position fromPoint(const POINT& p) { return Position{static_cast<int32_t>(p.x), static_cast<int32_t>(p.y)}; }
// Messages take text as a NUL-terminated string; u16view need not be one.
u16 terminated(u16view text) { return u16(text); }
} // namespace

bool WindowEditor::exists() const { return hwnd_ && IsWindow(hwnd_); }

Position WindowEditor::getPoint(UINT msg, WPARAM wParam) {
    POINT p{0, 0};
    send(msg, wParam, reinterpret_cast<LPARAM>(&p));
    return fromPoint(p);
}

int32_t WindowEditor::GetHostSetting(int32_t id) {
    int32_t value = 0;
    send(hostmsg::GetHostSetting, static_cast<WPARAM>(id), reinterpret_cast<LPARAM>(&value));
    return value;
}

intptr_t WindowEditor::RefreshPluginState(int32_t pluginIndex) {
    return send(hostmsg::RefreshPluginState, static_cast<WPARAM>(pluginIndex), 0);
}

int32_t WindowEditor::GetLineCount() { return static_cast<int32_t>(send(hostmsg::GetLineCount, 2, 0)); }

Position WindowEditor::GetCaretPos(PosKind kind) { return getPoint(hostmsg::GetCaretPos, static_cast<WPARAM>(kind)); }

Position WindowEditor::GetScrollPos() { return getPoint(hostmsg::GetScrollPos, 0); }

Position WindowEditor::LogicalToViewPos(Position logical) {
    POINT in = toPoint(logical), out = in;
    send(hostmsg::LogicalToViewPos, reinterpret_cast<WPARAM>(&in), reinterpret_cast<LPARAM>(&out));
    return fromPoint(out);
}

void WindowEditor::SetCaretPos(PosKind kind, Position p) {
    POINT pt = toPoint(p);
    send(hostmsg::SetCaretPos, static_cast<WPARAM>(kind), reinterpret_cast<LPARAM>(&pt));
}

void WindowEditor::SetScrollPos(Position view) {
    POINT pt = toPoint(view);
    send(hostmsg::SetScrollPos, 0, reinterpret_cast<LPARAM>(&pt));
}

void WindowEditor::RunHostCommand(int32_t command) { send(hostmsg::RunHostCommand, static_cast<WPARAM>(command), 0); }

bool WindowEditor::IsDocumentModified() { return send(hostmsg::IsDocumentModified, 0, 0) != 0; }

Position WindowEditor::GetSelectionStart(PosKind kind) {
    return getPoint(hostmsg::GetSelectionStart, static_cast<WPARAM>(kind));
}

Position WindowEditor::GetSelectionEnd(PosKind kind) {
    return getPoint(hostmsg::GetSelectionEnd, static_cast<WPARAM>(kind));
}

void WindowEditor::SetSelection(Position anchorView, Position activeView) {
    POINT anchor = toPoint(anchorView), active = toPoint(activeView);
    send(hostmsg::SetSelection, reinterpret_cast<WPARAM>(&anchor), reinterpret_cast<LPARAM>(&active));
}

void WindowEditor::SetEditorRedraw(bool resume) { send(hostmsg::SetEditorRedraw, resume ? 1 : 0, 0); }

int32_t WindowEditor::GetSelectedTextSize() { return static_cast<int32_t>(send(hostmsg::GetSelectedText, 0, 0)); }

u16 WindowEditor::GetSelectedText() {
    // Ask for the size first; the host copies at most size - 1 characters.
    int32_t size = GetSelectedTextSize();
    if (size <= 1) return u16();
    std::vector<wchar_t> buffer(static_cast<size_t>(size) + 1, L'\0');
    send(hostmsg::GetSelectedText, static_cast<WPARAM>(size), reinterpret_cast<LPARAM>(buffer.data()));
    return wide::u(buffer.data());
}

int32_t WindowEditor::GetLineLength(int32_t line) {
    hostmsg::LineTextRequest request{0, 1, line};
    return static_cast<int32_t>(send(hostmsg::GetLineText, reinterpret_cast<WPARAM>(&request), 0));
}

u16 WindowEditor::GetLineText(int32_t line) {
    int32_t length = GetLineLength(line);
    if (length <= 0) return u16();
    // Two spare characters: the terminator and one the host may count in.
    std::vector<wchar_t> buffer(static_cast<size_t>(length) + 2, L'\0');
    hostmsg::LineTextRequest request{static_cast<uint32_t>(length) + 2, 1, line};
    send(hostmsg::GetLineText, reinterpret_cast<WPARAM>(&request), reinterpret_cast<LPARAM>(buffer.data()));
    return wide::u(buffer.data());
}

void WindowEditor::SetDocumentMode(u16view mode) {
    u16 s = terminated(mode);
    send(hostmsg::SetDocumentMode, 0, reinterpret_cast<LPARAM>(wide::w(s)));
}

void WindowEditor::InsertText(u16view text) {
    u16 s = terminated(text);
    send(hostmsg::InsertText, 0, reinterpret_cast<LPARAM>(wide::w(s)));
}

void WindowEditor::RunHostCommandWithText(uint32_t command, u16view text) {
    u16 s = terminated(text);
    send(hostmsg::RunHostCommandWithText, command, reinterpret_cast<LPARAM>(wide::w(s)));
}

void WindowEditor::SetStatusText(u16view text) {
    u16 s = terminated(text);
    send(hostmsg::SetStatusText, 0, reinterpret_cast<LPARAM>(wide::w(s)));
}

intptr_t WindowEditor::GetDocumentInfo(uint32_t subCode, int32_t documentIndexPlus1, intptr_t lParam) {
    return send(hostmsg::GetDocumentInfo, MAKEWPARAM(subCode, documentIndexPlus1), lParam);
}

u16 WindowEditor::GetDocumentPath(int32_t documentIndexPlus1) {
    wchar_t buffer[hostmsg::DocPathCapacity + 1] = {};
    send(hostmsg::GetDocumentInfo, MAKEWPARAM(hostmsg::DocPath, documentIndexPlus1),
         reinterpret_cast<LPARAM>(buffer));
    buffer[hostmsg::DocPathCapacity] = L'\0';
    return wide::u(buffer);
}

void WindowEditor::FlushInput() { send(WM_CHAR, 0, 0); }
