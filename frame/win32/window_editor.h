// The host editor reached through its editor window: every operation is one
// synchronous SendMessageW, so it must run on a thread of the process that
// owns the window (the messages carry pointers, which are not marshalled).
#pragma once
#include "frame/host_editor.h"

#include <windows.h>

class WindowEditor : public HostEditor {
public:
    explicit WindowEditor(HWND editor) : hwnd_(editor) {}
    HWND hwnd() const { return hwnd_; }

    bool exists() const override;
    int32_t GetHostSetting(int32_t id) override;
    intptr_t RefreshPluginState(int32_t pluginIndex) override;
    int32_t GetLineCount() override;
    Position GetCaretPos(PosKind kind) override;
    Position GetScrollPos() override;
    Position LogicalToViewPos(Position logical) override;
    void SetCaretPos(PosKind kind, Position p) override;
    void SetScrollPos(Position view) override;
    void RunHostCommand(int32_t command) override;
    bool IsDocumentModified() override;
    Position GetSelectionStart(PosKind kind) override;
    Position GetSelectionEnd(PosKind kind) override;
    void SetSelection(Position anchorView, Position activeView) override;
    void SetEditorRedraw(bool resume) override;
    int32_t GetSelectedTextSize() override;
    u16 GetSelectedText() override;
    int32_t GetLineLength(int32_t line) override;
    u16 GetLineText(int32_t line) override;
    void SetDocumentMode(u16view mode) override;
    void InsertText(u16view text) override;
    void RunHostCommandWithText(uint32_t command, u16view text) override;
    void SetStatusText(u16view text) override;
    intptr_t GetDocumentInfo(uint32_t subCode, int32_t documentIndexPlus1, intptr_t lParam) override;
    u16 GetDocumentPath(int32_t documentIndexPlus1 = 0) override;
    void FlushInput() override;

private:
    LRESULT send(UINT msg, WPARAM wParam, LPARAM lParam) const { return SendMessageW(hwnd_, msg, wParam, lParam); }
    Position getPoint(UINT msg, WPARAM wParam);

    HWND hwnd_; // not owned: the host's editor window
};
