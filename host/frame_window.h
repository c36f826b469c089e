// The editor's frame window: menu, a rebar with the host's own toolbar band
// (a plug-in may add its band beside it), the editor window and a status
// bar. One frame per thread; it tells the plug-in about activation, document
// changes and closing.
#pragma once
#include "host/editor_view.h"
#include "host/plugin_host.h"

#include <memory>
#include <string>
#include <windows.h>

class FrameWindow : public EditorOwner {
public:
    static constexpr const wchar_t* ClassName = L"HostEditFrame";
    // Posted by the host itself to close without asking about unsaved text.
    static constexpr UINT CloseQuietly = WM_APP + 2;
    static constexpr int Width = 900, Height = 650;

    // Creates the (hidden) frame with its children; null on failure. The
    // returned object is owned by the caller and must outlive the window.
    // initial: the first document (null: an empty untitled one).
    static std::unique_ptr<FrameWindow> create(PluginHost* plugin, std::unique_ptr<Document> initial = nullptr);
    static std::wstring describe(document_file::LoadResult result, const std::wstring& path);
    ~FrameWindow() override;

    HWND hwnd() const { return hwnd_; }
    HWND editorHwnd() const { return view_ ? view_->hwnd() : nullptr; }
    HWND rebar() const { return rebar_; }
    HWND toolbar() const { return toolbar_; }
    HWND statusBar() const { return status_; }
    EditorView* view() { return view_.get(); }

    // Opens a file into this window (a missing file opens as a new, empty
    // one with that name); the old document closes. line is 0-based.
    bool open(const std::wstring& path, int line);
    // Puts text into a fresh untitled document.
    void setText(u16view text);
    void updatePluginCheck();

    // Command identifiers of the menu and the toolbar.
    enum : UINT { IdOpen = 100, IdOpenNewWindow, IdSave, IdExit, IdPlugin = 200 };

    // EditorOwner
    void onStatusText(const std::wstring& text) override;
    void onRefreshPluginState(int pluginIndex) override;
    void onDocumentEdited() override;
    bool choosePathForSave(std::wstring& path) override;

private:
    explicit FrameWindow(PluginHost* plugin) : plugin_(plugin) {}
    static LRESULT CALLBACK proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT handle(UINT msg, WPARAM wParam, LPARAM lParam);
    bool createChildren();
    void layout();
    void updateTitle();
    void installDocument(std::unique_ptr<Document> doc);
    void onCommand(UINT id);
    bool askFileName(std::wstring& path, bool forSave);
    bool confirmDiscard();

    HWND hwnd_ = nullptr;
    HWND rebar_ = nullptr, toolbar_ = nullptr, status_ = nullptr; // children, destroyed with the frame
    std::unique_ptr<EditorView> view_;  // owned; its window is a child of the frame
    HFONT statusFont_ = nullptr;        // owned
    PluginHost* plugin_;                // not owned; null: no plug-in
    bool shownModified_ = false;
};
