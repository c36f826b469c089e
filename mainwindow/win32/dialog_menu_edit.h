// The user menu editor: the menu as a tree (titles are nodes, commands and
// separators leaves), what can be added as a list beside it. Entries move
// by dragging: from the list into the tree, within the tree, and from the
// tree back to the list to take them out. OK stores the definition.
#pragma once
#include "frame/win32/dialog.h"
#include "mainwindow/user_menu.h"

#include <string>
#include <vector>
#include <windows.h>
#include <commctrl.h>

class DialogMenuEdit : public DialogModal {
public:
    // Runs the dialog over parent at once; returns when it has ended.
    explicit DialogMenuEdit(HWND parent);
    ~DialogMenuEdit() override = default;

    INT_PTR result() const { return result_; }  // 1 OK (stored), 0 Cancel, -1 no template

    INT_PTR onInitDialog() override;
    void onDestroy() override;
    INT_PTR onCommand(WORD id, WORD code, HWND control) override;
    INT_PTR onNotify(NMHDR* header) override;
    void onTimer(UINT_PTR id) override;
    void onMouseMove(UINT keys, int x, int y) override;
    void onLButtonUp(UINT keys, int x, int y) override;

private:
    void load(const std::wstring& definition);
    void fillList();
    std::vector<user_menu::Item> items() const;
    HTREEITEM insertNode(HTREEITEM parent, HTREEITEM after, const user_menu::Item& item);
    HTREEITEM copySubtree(HTREEITEM from, HTREEITEM parent, HTREEITEM after);
    bool inside(HTREEITEM item, HTREEITEM ancestor) const;
    void beginDrag(HTREEITEM fromTree, int fromList);
    void endDrag(bool drop);
    HTREEITEM dropTarget() const;
    bool overList() const;
    void store();

    HWND tree_ = nullptr;    // not owned: controls of the dialog
    HWND list_ = nullptr;
    HIMAGELIST images_ = nullptr;    // owned; both controls borrow it (the list shares, not destroys, it)
    bool subclassed_ = false;
    bool dragging_ = false;
    HTREEITEM dragItem_ = nullptr;   // the tree entry dragged; null when from the list
    int dragListIndex_ = -1;         // the list entry dragged
    bool editing_ = false;           // a title is being renamed
    INT_PTR result_ = 0;
};
