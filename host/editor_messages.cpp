// The host messages of the editor window: the binary side of the contract
// the plug-in relies on (numbers and records in frame/host_messages.h).
// View coordinates equal logical ones: the view does not wrap lines.
#include "base/win32/wide.h"
#include "frame/host_messages.h"
#include "host/editor_view.h"

#include <algorithm>

namespace {

Position fromPoint(const POINT* p) { return Position{static_cast<int32_t>(p->x), static_cast<int32_t>(p->y)}; }
void toPoint(Position pos, LPARAM out) {
    auto* p = reinterpret_cast<POINT*>(out);
    p->x = pos.x;
    p->y = pos.y;
}
u16view textArg(LPARAM lParam) {
    const auto* s = reinterpret_cast<const char16_t*>(lParam);
    return s ? u16view(s) : u16view();
}
// Copies at most capacity - 1 characters and a NUL.
void copyOut(u16view text, size_t capacity, LPARAM buffer) {
    if (!buffer || capacity == 0) return;
    auto* dst = reinterpret_cast<char16_t*>(buffer);
    size_t n = std::min(text.size(), capacity - 1);
    std::copy_n(text.data(), n, dst);
    dst[n] = u'\0';
}

} // namespace

bool EditorView::hostMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (msg < hostmsg::GetHostSetting || msg > hostmsg::GetDocumentInfo) return false;
    MemoryEditor& m = doc_->model;
    result = 1;
    bool edited = false, moved = false;
    switch (msg) {
    case hostmsg::GetHostSetting: {
        if (!lParam) return result = 0, true;
        int32_t value = 0;
        if (static_cast<int32_t>(wParam) == hostmsg::SettingBandTitle) value = 1;
        else value = m.GetHostSetting(static_cast<int32_t>(wParam));
        *reinterpret_cast<int32_t*>(lParam) = value;
        break;
    }
    case hostmsg::RefreshPluginState:
        if (owner_) owner_->onRefreshPluginState(static_cast<int>(wParam));
        break;
    case hostmsg::GetLineCount: result = m.GetLineCount(); break;
    case hostmsg::GetCaretPos:
        if (!lParam) return result = 0, true;
        toPoint(m.caret(), lParam);
        break;
    case hostmsg::GetScrollPos:
        if (!lParam) return result = 0, true;
        toPoint(m.GetScrollPos(), lParam);
        break;
    case hostmsg::LogicalToViewPos:
        if (!wParam || !lParam) return result = 0, true;
        toPoint(m.LogicalToViewPos(fromPoint(reinterpret_cast<const POINT*>(wParam))), lParam);
        break;
    case hostmsg::SetCaretPos:
        if (!lParam) return result = 0, true;
        m.SetCaretPos(PosKind::View, fromPoint(reinterpret_cast<const POINT*>(lParam)));
        moved = true;
        break;
    case hostmsg::SetScrollPos:
        if (!lParam) return result = 0, true;
        m.SetScrollPos(fromPoint(reinterpret_cast<const POINT*>(lParam)));
        moved = true;
        break;
    case hostmsg::RunHostCommand:
        if (static_cast<int32_t>(wParam) == hostmsg::CmdSave) {
            result = save() ? 1 : 0;
            break;
        }
        if (static_cast<int32_t>(wParam) == hostmsg::CmdClearHighlight) doc_->highlight.clear();
        m.RunHostCommand(static_cast<int32_t>(wParam));
        edited = true;
        break;
    case hostmsg::IsDocumentModified: result = m.IsDocumentModified() ? 1 : 0; break;
    case hostmsg::GetSelectionStart:
    case hostmsg::GetSelectionEnd:
        if (!lParam) return result = 0, true;
        toPoint(msg == hostmsg::GetSelectionStart ? m.GetSelectionStart(PosKind::View) : m.GetSelectionEnd(PosKind::View),
                lParam);
        break;
    case hostmsg::SetSelection:
        if (!wParam || !lParam) return result = 0, true;
        m.SetSelection(fromPoint(reinterpret_cast<const POINT*>(wParam)), fromPoint(reinterpret_cast<const POINT*>(lParam)));
        moved = true;
        break;
    case hostmsg::SetEditorRedraw:
        m.SetEditorRedraw(wParam != 0);
        moved = true; // drawing resumes with everything done meanwhile
        break;
    case hostmsg::GetSelectedText: {
        u16 selected = m.GetSelectedText();
        if (wParam == 0) result = static_cast<LRESULT>(selected.size()) + 1;
        else {
            copyOut(selected, wParam, lParam);
            result = static_cast<LRESULT>(std::min<size_t>(selected.size(), wParam - 1));
        }
        break;
    }
    case hostmsg::GetLineText: {
        if (!wParam) return result = 0, true;
        const auto* request = reinterpret_cast<const hostmsg::LineTextRequest*>(wParam);
        u16 line = m.GetLineText(request->line);
        result = static_cast<LRESULT>(line.size());
        if (request->cch > 0) copyOut(line, request->cch, lParam);
        break;
    }
    case hostmsg::SetDocumentMode: m.SetDocumentMode(textArg(lParam)); break;
    case hostmsg::InsertText:
        m.InsertText(textArg(lParam));
        edited = true;
        break;
    case hostmsg::RunHostCommandWithText:
        if (wParam == hostmsg::SearchHighlightCommand) {
            u16view pattern = textArg(lParam);
            m.RunHostCommandWithText(static_cast<uint32_t>(wParam), pattern);
            doc_->highlight.setPattern(std::wstring(reinterpret_cast<const wchar_t*>(pattern.data()), pattern.size()));
            moved = true;
        }
        break;
    case hostmsg::SetStatusText: {
        u16view text = textArg(lParam);
        m.SetStatusText(text);
        if (owner_) owner_->onStatusText(std::wstring(reinterpret_cast<const wchar_t*>(text.data()), text.size()));
        break;
    }
    case hostmsg::GetDocumentInfo: {
        // One document per window: index 0, with the document's own handle.
        uint32_t sub = LOWORD(wParam);
        int32_t which = HIWORD(wParam); // document index + 1, 0 = active
        bool ours = which <= 1;
        switch (sub) {
        case hostmsg::DocPath: {
            u16 path = ours ? wide::u(doc_->path.c_str()) : u16();
            path = path.substr(0, hostmsg::DocPathCapacity - 1);
            copyOut(path, hostmsg::DocPathCapacity, lParam);
            result = static_cast<LRESULT>(path.size());
            break;
        }
        case hostmsg::DocFocusOnClose: result = 0; break;
        case hostmsg::DocCount: result = 1; break;
        case hostmsg::DocHandle: result = lParam == 0 ? doc_->handle : 0; break;
        case hostmsg::DocIndexOfHandle: result = lParam == doc_->handle ? 0 : -1; break;
        case hostmsg::DocActiveIndex: result = 0; break;
        case hostmsg::DocActivate: result = ours ? 1 : 0; break;
        default: result = 0; break;
        }
        break;
    }
    default: return false; // numbers in the range that are not ours
    }
    if (edited) {
        refresh();
        if (owner_) owner_->onDocumentEdited();
    } else if (moved) {
        refresh();
    }
    return true;
}
