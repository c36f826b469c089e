// The editor window: a custom-drawn text view over one Document. It answers
// the plug-in's host messages (editor_messages.cpp), draws lines, caret,
// selection and search matches, and takes keys and mouse clicks. It lives
// on the thread of its frame window, as every editor window of the host.
#pragma once
#include "host/document.h"

#include <functional>
#include <memory>
#include <string>
#include <windows.h>

// What the editor window tells the frame around it.
class EditorOwner {
public:
    virtual ~EditorOwner() = default;
    virtual void onStatusText(const std::wstring& text) = 0;
    virtual void onRefreshPluginState(int pluginIndex) = 0;
    virtual void onDocumentEdited() = 0;
    // The document is about to be saved but has no file name yet: the
    // owner may ask for one. False leaves it unsaved.
    virtual bool choosePathForSave(std::wstring& path) = 0;
};

class EditorView {
public:
    static constexpr const wchar_t* ClassName = L"HostEditView";
    // wParam 0, lParam std::function<void(EditorView&)>*: runs the function
    // on the window's thread (tests read and change state this way).
    static constexpr UINT RunOnThread = WM_APP + 1;

    // Creates the window as a child of parent; the object lives until the
    // window is destroyed and is owned by whoever called create.
    static std::unique_ptr<EditorView> create(HWND parent, EditorOwner* owner);
    ~EditorView();

    HWND hwnd() const { return hwnd_; }
    Document& document() { return *doc_; }
    // Installs a new document (the old one is closed); returns the old handle.
    int32_t replaceDocument(std::unique_ptr<Document> doc);
    bool save();
    void refresh();                     // redraw unless drawing is stopped
    void ensureCaretVisible();
    // Moves the (hidden) system caret to the drawn caret while focused.
    void placeSystemCaret();

private:
    EditorView(EditorOwner* owner);
    static LRESULT CALLBACK proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT handle(UINT msg, WPARAM wParam, LPARAM lParam);
    bool hostMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result); // editor_messages.cpp

    void paint();
    void onChar(wchar_t c);
    void onKeyDown(UINT vk);
    void moveCaret(Position to, bool extend);
    Position positionAt(int x, int y);
    void scrollTo(Position topLeft);
    void updateScrollBars();
    int visibleLines() const;
    int visibleColumns() const;
    // Pixel offsets of every column of a line (size = length + 1).
    std::vector<int> columnOffsets(HDC dc, const std::u16string& line) const;
    HFONT fontFor(char16_t c) const;

    HWND hwnd_ = nullptr;
    EditorOwner* owner_;                // not owned: the frame
    std::unique_ptr<Document> doc_;     // owned, never null
    HFONT font_ = nullptr;              // owned: Latin and general text
    HFONT wideFont_ = nullptr;          // owned: CJK characters
    int lineHeight_ = 16;
    int charWidth_ = 8;
    bool dragging_ = false;
};
