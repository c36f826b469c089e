#include "tests/support/memory_editor.h"
#include "frame/host_messages.h"

#include <algorithm>

MemoryEditor::MemoryEditor() : lines_(1) {}

MemoryEditor::MemoryEditor(u16view text) : lines_(1) { setText(text); }

void MemoryEditor::setText(u16view text) {
    lines_.assign(1, u16());
    caret_ = anchor_ = scroll_ = Position{};
    for (size_t i = 0; i < text.size(); ++i) {
        char16_t c = text[i];
        if (c == u'\r' || c == u'\n') {
            if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') ++i;
            lines_.emplace_back();
        } else {
            lines_.back().push_back(c);
        }
    }
}

u16 MemoryEditor::text() const {
    u16 out;
    for (size_t i = 0; i < lines_.size(); ++i) {
        if (i) out += u"\r\n";
        out += lines_[i];
    }
    return out;
}

Position MemoryEditor::clamp(Position p) const {
    int32_t last = static_cast<int32_t>(lines_.size()) - 1;
    p.y = std::clamp(p.y, 0, last);
    p.x = std::clamp(p.x, 0, static_cast<int32_t>(lines_[p.y].size()));
    return p;
}

int32_t MemoryEditor::GetHostSetting(int32_t id) {
    if (id == hostmsg::SettingReadOnly) return readOnly_ ? 1 : 0;
    auto it = settings_.find(id);
    return it == settings_.end() ? 0 : it->second;
}

intptr_t MemoryEditor::RefreshPluginState(int32_t) {
    ++refreshCount;
    return 1;
}

void MemoryEditor::SetCaretPos(PosKind, Position p) { caret_ = anchor_ = clamp(p); }

void MemoryEditor::SetScrollPos(Position view) {
    scroll_.x = std::max(0, view.x);
    scroll_.y = std::clamp(view.y, 0, static_cast<int32_t>(lines_.size()) - 1);
}

Position MemoryEditor::GetSelectionStart(PosKind) { return before(anchor_, caret_) ? anchor_ : caret_; }

Position MemoryEditor::GetSelectionEnd(PosKind) { return before(anchor_, caret_) ? caret_ : anchor_; }

void MemoryEditor::SetSelection(Position anchorView, Position activeView) {
    anchor_ = clamp(anchorView);
    caret_ = clamp(activeView);
}

void MemoryEditor::SetEditorRedraw(bool resume) {
    if (resume) {
        if (redrawStops_ > 0) --redrawStops_;
    } else {
        ++redrawStops_;
    }
}

u16 MemoryEditor::textBetween(Position from, Position to) const {
    from = clamp(from);
    to = clamp(to);
    if (before(to, from)) std::swap(from, to);
    if (from.y == to.y) return lines_[from.y].substr(from.x, to.x - from.x);
    u16 out = lines_[from.y].substr(from.x);
    for (int32_t y = from.y + 1; y < to.y; ++y) out += u"\r\n" + lines_[y];
    out += u"\r\n" + lines_[to.y].substr(0, to.x);
    return out;
}

Position MemoryEditor::erase(Position from, Position to) {
    from = clamp(from);
    to = clamp(to);
    if (before(to, from)) std::swap(from, to);
    u16 tail = lines_[to.y].substr(to.x);
    lines_[from.y].resize(from.x);
    lines_[from.y] += tail;
    lines_.erase(lines_.begin() + from.y + 1, lines_.begin() + to.y + 1);
    return from;
}

int32_t MemoryEditor::GetSelectedTextSize() {
    return static_cast<int32_t>(textBetween(anchor_, caret_).size()) + 1;
}

u16 MemoryEditor::GetSelectedText() { return textBetween(anchor_, caret_); }

int32_t MemoryEditor::GetLineLength(int32_t line) {
    if (line < 0 || line >= static_cast<int32_t>(lines_.size())) return 0;
    return static_cast<int32_t>(lines_[line].size());
}

u16 MemoryEditor::GetLineText(int32_t line) {
    if (line < 0 || line >= static_cast<int32_t>(lines_.size())) return u16();
    return lines_[line];
}

void MemoryEditor::InsertText(u16view text) {
    if (readOnly_) return;
    Position at = erase(anchor_, caret_);
    u16 tail = lines_[at.y].substr(at.x);
    lines_[at.y].resize(at.x);
    int32_t y = at.y;
    for (size_t i = 0; i < text.size(); ++i) {
        char16_t c = text[i];
        if (c == u'\r' || c == u'\n') {
            if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') ++i;
            lines_.insert(lines_.begin() + y + 1, u16());
            ++y;
        } else {
            lines_[y].push_back(c);
        }
    }
    caret_ = anchor_ = Position{static_cast<int32_t>(lines_[y].size()), y};
    lines_[y] += tail;
    modified_ = true;
}

void MemoryEditor::RunHostCommand(int32_t command) {
    hostCommands.push_back(command);
    switch (command) {
    case hostmsg::CmdSave:
        modified_ = false;
        ++savedCount;
        break;
    case hostmsg::CmdSelectAll:
        anchor_ = Position{};
        caret_ = Position{static_cast<int32_t>(lines_.back().size()), static_cast<int32_t>(lines_.size()) - 1};
        break;
    case hostmsg::CmdCaretDocumentEnd:
        caret_ = anchor_ = Position{static_cast<int32_t>(lines_.back().size()), static_cast<int32_t>(lines_.size()) - 1};
        break;
    case hostmsg::CmdClearHighlight:
        highlightPattern.clear();
        break;
    case hostmsg::CmdDeleteForward:
        if (readOnly_) break;
        if (anchor_ != caret_) {
            caret_ = anchor_ = erase(anchor_, caret_);
        } else {
            Position next = caret_;
            if (next.x < static_cast<int32_t>(lines_[next.y].size())) ++next.x;
            else if (next.y + 1 < static_cast<int32_t>(lines_.size())) next = Position{0, next.y + 1};
            caret_ = anchor_ = erase(caret_, next);
        }
        modified_ = true;
        break;
    case hostmsg::CmdCaretLineEnd:
        caret_ = anchor_ = Position{static_cast<int32_t>(lines_[caret_.y].size()), caret_.y};
        break;
    case hostmsg::CmdDeleteLine:
        if (readOnly_) break;
        if (lines_.size() > 1) lines_.erase(lines_.begin() + caret_.y);
        else lines_[0].clear();
        caret_ = anchor_ = clamp(Position{0, caret_.y});
        modified_ = true;
        break;
    default:
        break;
    }
}

void MemoryEditor::RunHostCommandWithText(uint32_t command, u16view text) {
    if (command == hostmsg::SearchHighlightCommand) highlightPattern = text;
}

intptr_t MemoryEditor::GetDocumentInfo(uint32_t subCode, int32_t documentIndexPlus1, intptr_t lParam) {
    // One document, index 0, handle 1.
    switch (subCode) {
    case hostmsg::DocFocusOnClose: return 0;
    case hostmsg::DocCount: return 1;
    case hostmsg::DocHandle: return lParam == 0 ? 1 : 0;
    case hostmsg::DocIndexOfHandle: return lParam == 1 ? 0 : -1;
    case hostmsg::DocActiveIndex: return 0;
    case hostmsg::DocActivate: return documentIndexPlus1 <= 1 ? 1 : 0;
    default: return 0;
    }
}

u16 MemoryEditor::GetDocumentPath(int32_t documentIndexPlus1) {
    return documentIndexPlus1 <= 1 ? path_.substr(0, hostmsg::DocPathCapacity - 1) : u16();
}
