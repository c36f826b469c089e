// The plug-in's window of one host thread: a small tool window owned by the
// host's editor window whose only content is the toolbar. It floats at one
// of six places around the host frame or docks as a band in the frame's
// rebar, keeps the shared toggles and the highlighting in step on a timer,
// and runs the commands of its buttons.
#pragma once
#include "frame/win32/window.h"

class PluginThreadContext;
#include "mainwindow/placement.h"
#include "mainwindow/win32/editor_rebar.h"
#include "outline/subwindow_geometry.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>
#include <windows.h>

class DialogEasySupport;
class DialogSupport;
class DictionaryStore;
class PaletteWindows;
class MainWindowHooks;
class DialogModeless;   // what the thread's hooks report to (main_window.cpp)

class MainWindow : public Window {
public:
    // owner: the context the window is embedded in. Teardown uses it as
    // is: when the thread ends or the library goes, the thread table no
    // longer hands it out.
    MainWindow(HINSTANCE plugin, PluginThreadContext* owner);
    ~MainWindow() override;  // closes the window when it is still open
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    bool exists() const { return handle() != nullptr && !closing_; }
    // Opens the window for editor with the current settings; false when it
    // is already open or could not be made.
    bool create(HWND editor);
    void destroy();
    // Follows the host when it hands the thread another editor window.
    void rebind(HWND editor);
    HWND editor() const { return editor_; }
    // What the toolbar's menus and dialogs belong to: this window, or the
    // editor while it is closed.
    HWND dialogOwner() const { return handle() ? handle() : editor_; }
    HINSTANCE plugin() const { return plugin_; }
    // The context of the thread whose main window this is.
    PluginThreadContext* ownContext() const { return owner_; }

    void setPluginIndex(int index) { pluginIndex_ = index; }
    int pluginIndex() const { return pluginIndex_; }

    // The outline window, which takes the focus after a pending jump; none
    // while it is closed.
    HWND outlineWindow() const;
    // A key press the thread's keyboard hook saw, for the key dispatcher;
    // true when it was used up.
    bool offerKey(WPARAM key, LPARAM info);
    // The slot the outline window lives in; the outline's own code fills
    // and empties it.
    std::unique_ptr<DialogModeless>& outlineSlot() { return outline_; }
    // Closes the outline window opened for the document handle.
    void documentClosed(int32_t document);

    // The other tool windows (palettes, lists) register here while they are
    // open, so that they hide with the host, follow its frame and close
    // with this window. Registering twice or unregistering an unknown
    // window does nothing.
    void registerSubWindow(HWND window);
    void unregisterSubWindow(HWND window);
    const std::vector<HWND>& subWindows() const { return subWindows_; }
    // The palette and the detached category windows, made on first use.
    PaletteWindows& palettes();
    // Whether the foreground window was this thread's at the last tick.
    bool foregroundIsMine() const { return foregroundIsMine_; }

    // The dictionaries' store, made with the window; null while it is
    // closed.
    DictionaryStore* dictionaries() const { return dictionaries_.get(); }
    // The easy-support popup object, made when the hooks go in with easy
    // support on; null otherwise.
    const std::shared_ptr<DialogEasySupport>& easySupport() const { return easySupport_; }
    bool prepareEasySupport();
    // The support window, made with the hooks when "Support" is on; null
    // otherwise. prepareSupportWindow makes it (false after a warning).
    DialogSupport* supportWindow() const { return support_.get(); }
    bool prepareSupportWindow();
    // A menu of the host is open: the support window does not open then.
    bool hostMenuOpen() const { return hostMenuOpen_; }

    // The toolbar's check and enable states. Without a toolbar the state is
    // remembered, so the last request can be read back.
    void setCommandEnabled(uint32_t id, bool on);
    void setCommandPressed(uint32_t id, bool on);
    bool commandEnabled(uint32_t id) const;
    bool commandPressed(uint32_t id) const;

    // The command dispatcher: what a button or menu item asks for.
    void runCommand(uint32_t id);
    // Runs the settings sheet over parent, opening on the page at
    // startPage. The thread's hooks are out while it runs (keys typed into
    // the sheet are no commands). After OK this window closes, so that it
    // reopens with the new settings, and the restart notice follows when
    // a page needs it or a window is open anywhere; otherwise the hooks go
    // back in. Returns the sheet's result (1 after OK).
    int runSettings(HWND parent, int startPage);

    HWND toolbarWindow() const { return toolbar_; }
    bool docked() const { return rebar_.docked(); }
    const EditorRebar& rebarBand() const { return rebar_; }
    bool ready() const { return ready_; }
    // False while a command or a toolbar customization runs.
    bool idle() const { return idle_; }
    // Hooks report our band's child width here (RBN_CHILDSIZE).
    void onRebarChildSize(int width) { rebar_.childSized(width); }
    // Hooks report when a host menu is open: the toolbar shows the arrow.
    void setHostMenuOpen(bool open) { hostMenuOpen_ = open; }
    // Hooks report a move of the host frame; the floating window and the
    // sub-windows follow when asked to.
    void frameMoved(bool mainFollows, bool subWindowsFollow = false);

    // The texts shown for a command: status line and tool tip.
    std::wstring statusText(uint32_t command) const;
    std::wstring tipText(uint32_t command) const;

protected:
    LRESULT onCreate(CREATESTRUCTW* create) override;
    void onDestroy() override;
    void onTimer(UINT_PTR id) override;
    void onGetMinMaxInfo(MINMAXINFO* info) override;
    void onSize(UINT type, int width, int height) override;
    LRESULT onCommand(WORD id, WORD code, HWND control) override;
    void onSysCommand(WPARAM wParam, LPARAM lParam) override;
    void onMenuSelect(UINT item, UINT flags, HMENU menu) override;
    void onMeasureItem(UINT id, MEASUREITEMSTRUCT* item) override;  // the user menu's items
    void onDrawItem(UINT id, DRAWITEMSTRUCT* item) override;
    LRESULT onNotify(NMHDR* header) override;
    LRESULT onOtherMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    bool placeWindow(placement::Placement where);
    void fitFloating(int width);
    void buildButtons(bool useDefault);
    void refreshToggleButtons();
    void refit();
    void applyHighlight();
    void trackForeground();
    void showSubWindows(bool show);
    // The outline window and the registered ones, as they follow the host.
    std::vector<HWND> openSubWindows() const;
    void checkButtonHeight();
    bool createDictionaries();
    void uncount();
    // Undoes a creation that failed half-way; the result refuses WM_CREATE.
    LRESULT refuseCreation();
    LRESULT onToolbarNotify(NMHDR* header);
    void rightClick(uint32_t command, POINT screen);
    void releaseAll();
    void rememberFrame();
    void setStatus(const std::wstring& text) const;

    HINSTANCE plugin_;                 // not owned: the plug-in's module
    PluginThreadContext* const owner_; // not owned: embeds this window
    HWND editor_ = nullptr;            // not owned: the host's editor window
    int pluginIndex_ = 0;
    HWND toolbar_ = nullptr;           // owned: destroyed with the window
    EditorRebar rebar_;                // owned: the band while docked
    uint32_t lastButtonCommand_ = 0;
    int columnWidth_ = 0;
    int windowHeight_ = 0;             // of the floating window
    bool hideSubWindows_ = true;
    bool foregroundIsMine_ = true;
    bool idle_ = false;
    bool ready_ = false;
    bool counted_ = false;             // counted among the open windows
    bool closing_ = false;             // destruction has begun
    bool fitting_ = false;             // guards the floating height fit
    bool hostMenuOpen_ = false;
    std::unique_ptr<MainWindowHooks> hooks_;   // owned; set while the hooks are in
    std::unique_ptr<DialogModeless> outline_;  // owned: the outline window, while open
    std::unique_ptr<PaletteWindows> palettes_; // owned: the palette windows
    std::vector<HWND> subWindows_;     // not owned: their objects close them; closed with us
    std::unique_ptr<DictionaryStore> dictionaries_;  // owned; set while the window is open
    // Shared: a running easy-support action keeps it until its loop ends.
    std::shared_ptr<DialogEasySupport> easySupport_;
    std::unique_ptr<DialogSupport> support_;   // owned; uses dictionaries_, so it goes first
    subwindow_geometry::FrameFollower follower_;  // host frame's corner when last placed or moved
    int32_t highlightGenerationSeen_ = 0;
    uint64_t enabled_ = 0;             // remembered states, see bit()
    uint64_t pressed_ = 0;
};
