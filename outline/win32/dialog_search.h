// The outline window: a floating sub-window that shows the document's
// structure as a tree built from one outline scan, expands it to a chosen
// depth, shows the context of the selected entry and jumps to it in the
// host editor (directly, or through a pending jump when the entry lies in
// a file the editor does not show).
#pragma once
#include "lang/resource_ids.h"
#include "outline/outline_layout.h"
#include "outline/outline_tree.h"
#include "outline/search.h"
#include "outline/win32/dialog_sub_common.h"

#include <memory>
#include <string>
#include <vector>
#include <windows.h>
#include <commctrl.h>

class MainWindow;
class WindowEditor;

class DialogSearch : public DialogSubCommon {
public:
    // Commands of the window's toolbar and keys.
    static constexpr WORD ExpandToDepth = 41076;
    static constexpr WORD ExpandAll = 41077;
    static constexpr WORD CollapseAll = 41078;
    static constexpr WORD Jump = 41079;
    static constexpr WORD Refresh = 41080;
    static constexpr WORD Menu = 41135;
    // Controls of template 207.
    static constexpr int TreeControl = VEXA_IDC_OUTLINE_TREE;
    static constexpr int DepthBox = VEXA_IDC_OUTLINE_DEPTH;
    static constexpr int CommentBox = VEXA_IDC_OUTLINE_COMMENT;
    static constexpr int ToolbarControl = 1213;   // made at run time

    // mainWindow: the owner, told when the window closes (its outline
    // button is unchecked then); null in tests without a main window.
    explicit DialogSearch(MainWindow* mainWindow = nullptr);
    ~DialogSearch() override;   // closes a still open window first

    // Opens template 207 under owner for the host editor window. False
    // when it is already open or could not open; reported() then tells
    // whether the window already showed why.
    bool open(HWND owner, HWND editor);
    bool reported() const { return reported_; }

    // The host document that was active when the window opened: the host
    // closing it closes the window.
    int32_t document() const { return openedFor_; }
    HWND tree() const { return tree_; }
    HWND toolbar() const { return toolbar_; }

    // A key pressed while the focus is inside the window (the key
    // dispatcher offers it); true when it was used up.
    bool offerKey(UINT virtualKey);

    INT_PTR onInitDialog() override;
    void onDestroy() override;
    INT_PTR onCommand(WORD id, WORD code, HWND control) override;
    INT_PTR onNotify(NMHDR* header) override;
    void onSize(UINT type, int width, int height) override;
    void onMouseMove(UINT keys, int x, int y) override;
    void onLButtonDown(UINT keys, int x, int y) override;
    void onLButtonUp(UINT keys, int x, int y) override;
    INT_PTR onOtherMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    bool createToolbar();
    bool scan();                      // a new snapshot; false when none could be made
    void rebuild();
    void expandTo(int32_t depth);     // 0: collapse every node
    void jump();
    void runMenu();
    void layout();
    void showComment();               // the entry's context, or the notice of a partial outline
    void fail(uint32_t message);      // tells the user, then closes
    const OutlineItem* selectedItem() const;
    int32_t chosenDepth() const;

    MainWindow* mainWindow_;                    // not owned; may be null
    std::unique_ptr<WindowEditor> host_;        // owned; the snapshot reads through it
    std::unique_ptr<CSearch> search_;           // owned: the snapshot the tree shows
    outline_tree::Tree model_;                  // the tree as last built
    std::vector<HTREEITEM> nodes_;              // tree control items of model_'s nodes
    int32_t openedFor_ = 0;                     // host document at opening
    int32_t scannedFor_ = 0;                    // host document at the last scan
    HWND tree_ = nullptr, depth_ = nullptr, comment_ = nullptr;   // not owned: the dialog's children
    std::wstring caption_;                      // the template's caption, shown while the outline is whole
    HWND toolbar_ = nullptr;                    // owned: destroyed with the window
    HIMAGELIST treeImages_ = nullptr;           // owned: destroyed on closing
    HIMAGELIST toolbarImages_ = nullptr;        // owned: destroyed on closing
    int32_t commentHeight_ = outline_layout::DefaultCommentHeight;
    outline_layout::Layout layout_{};
    bool dragging_ = false;
    int lastY_ = 0;                             // cursor while dragging the splitter
    bool initialised_ = false;
    bool reported_ = false;
};
