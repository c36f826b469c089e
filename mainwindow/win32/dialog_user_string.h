// The user string editor: the strings as children of one root node in a
// tree, the selected string's text in a box beside it. OK writes the file
// in tree order; a file that could not be read is never replaced.
#pragma once
#include "frame/win32/dialog.h"
#include "mainwindow/user_strings.h"

#include <vector>
#include <windows.h>
#include <commctrl.h>

class DialogUserString : public DialogModal {
public:
    // Runs the dialog over parent at once; returns when it has ended.
    explicit DialogUserString(HWND parent);
    ~DialogUserString() override = default;

    INT_PTR result() const { return result_; }  // 1 OK (written), 0 Cancel, -1 no template

    INT_PTR onInitDialog() override;
    void onDestroy() override;
    INT_PTR onCommand(WORD id, WORD code, HWND control) override;
    INT_PTR onNotify(NMHDR* header) override;

private:
    HTREEITEM addNode(HTREEITEM after, const std::wstring& title, size_t slot);
    void keepText();          // the box's text into the selected string
    void showSelected();
    void add();
    void remove();
    void move(bool up);
    bool save();
    size_t count() const;

    HWND tree_ = nullptr;     // not owned: controls of the dialog
    HWND text_ = nullptr;
    HIMAGELIST images_ = nullptr;   // owned; the tree borrows it
    HTREEITEM root_ = nullptr;
    HTREEITEM shown_ = nullptr;               // whose text the box holds
    bool subclassed_ = false;
    bool editing_ = false;
    // Texts by slot (a node's lParam); titles live in the tree's labels.
    std::vector<std::wstring> texts_;
    INT_PTR result_ = 0;
};
