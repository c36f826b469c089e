// An in-memory HostEditor for native tests: one document of lines with a
// caret, a selection anchor, a scroll origin and the host's side effects
// recorded. View coordinates equal logical ones (no wrapping). Line breaks
// inside selected text read back as CR LF, as the Windows host gives them.
#pragma once
#include "frame/host_editor.h"

#include <map>
#include <vector>

class MemoryEditor : public HostEditor {
public:
    MemoryEditor();
    explicit MemoryEditor(u16view text);

    // --- test set-up and inspection ---------------------------------------
    void setText(u16view text);          // caret and selection to 0,0
    u16 text() const;                    // lines joined with "\r\n"
    const std::vector<u16>& lines() const { return lines_; }
    void setPath(u16view path) { path_ = path; }
    void setReadOnly(bool on) { readOnly_ = on; }
    void setModified(bool on) { modified_ = on; }
    void setHostSetting(int32_t id, int32_t value) { settings_[id] = value; }
    void setExists(bool on) { exists_ = on; }
    Position anchor() const { return anchor_; }
    Position caret() const { return caret_; }
    int redrawDepth() const { return redrawStops_; }

    u16 statusText;                      // last SetStatusText
    u16 highlightPattern;                // last search-highlight pattern
    u16 documentMode;                    // last SetDocumentMode
    std::vector<int32_t> hostCommands;   // every RunHostCommand, in order
    int flushCount = 0;                  // WM_CHAR 0 seen
    int refreshCount = 0;                // RefreshPluginState calls
    int savedCount = 0;                  // 4099 handled

    // --- HostEditor ---------------------------------------------------------
    bool exists() const override { return exists_; }
    int32_t GetHostSetting(int32_t id) override;
    intptr_t RefreshPluginState(int32_t pluginIndex) override;
    int32_t GetLineCount() override { return static_cast<int32_t>(lines_.size()); }
    Position GetCaretPos(PosKind) override { return caret_; }
    Position GetScrollPos() override { return scroll_; }
    Position LogicalToViewPos(Position logical) override { return clamp(logical); }
    void SetCaretPos(PosKind, Position p) override;
    void SetScrollPos(Position view) override;
    void RunHostCommand(int32_t command) override;
    bool IsDocumentModified() override { return modified_; }
    Position GetSelectionStart(PosKind) override;
    Position GetSelectionEnd(PosKind) override;
    void SetSelection(Position anchorView, Position activeView) override;
    void SetEditorRedraw(bool resume) override;
    int32_t GetSelectedTextSize() override;
    u16 GetSelectedText() override;
    int32_t GetLineLength(int32_t line) override;
    u16 GetLineText(int32_t line) override;
    void SetDocumentMode(u16view mode) override { documentMode = mode; }
    void InsertText(u16view text) override;
    void RunHostCommandWithText(uint32_t command, u16view text) override;
    void SetStatusText(u16view text) override { statusText = text; }
    intptr_t GetDocumentInfo(uint32_t subCode, int32_t documentIndexPlus1, intptr_t lParam) override;
    u16 GetDocumentPath(int32_t documentIndexPlus1 = 0) override;
    void FlushInput() override { ++flushCount; }

    // Text between two positions, line breaks as CR LF.
    u16 textBetween(Position from, Position to) const;
    // Removes the text between two positions; returns the start.
    Position erase(Position from, Position to);

private:
    Position clamp(Position p) const;
    static bool before(Position a, Position b) { return a.y < b.y || (a.y == b.y && a.x < b.x); }

    std::vector<u16> lines_;            // never empty
    Position caret_, anchor_, scroll_;
    u16 path_;
    bool readOnly_ = false;
    bool modified_ = false;
    bool exists_ = true;
    int redrawStops_ = 0;
    std::map<int32_t, int32_t> settings_;
};
