// The reference / citation dialog: the document's labels (reference mode)
// or citation keys (citation mode) in a list, and the \ref, \pageref,
// \eqref or \cite it inserts for the chosen ones. The list's contents,
// filter and orders are a RefCiteList; this window shows them and, for
// citation keys, the chosen database entry below the list.
#pragma once
#include "frame/win32/dialog.h"
#include "frame/win32/window_editor.h"
#include "outline/win32/dialog_bib_item.h"

#include <memory>
#include <vector>
#include <windows.h>

class CSearch;
class RefCiteList;

class DialogRefCite : public DialogModal {
public:
    enum class Mode { Citation = 0, Reference = 1 };

    // Runs the dialog over parent at once for the document of editor;
    // returns when it has ended.
    DialogRefCite(HWND parent, HWND editor, Mode mode);
    ~DialogRefCite() override;

    // 1 OK (text was inserted), 0 Cancel or a failure, -1 no template.
    INT_PTR result() const { return result_; }

    INT_PTR onInitDialog() override;
    void onDestroy() override;
    INT_PTR onCommand(WORD id, WORD code, HWND control) override;
    INT_PTR onNotify(NMHDR* header) override;

private:
    bool citation() const { return mode_ == Mode::Citation; }
    bool setUp();
    void fail(uint32_t messageId);
    void setUpReference();
    bool setUpCitation();
    void updateFilter();
    void showRows();
    void selectTop();
    std::vector<int> selectedRows() const;
    void selectionChanged(int newlySelected);
    void showDetail(int row);
    void insert();

    HWND editor_ = nullptr;                      // not owned: the host's editor window
    Mode mode_;
    INT_PTR result_ = 0;
    std::unique_ptr<WindowEditor> host_;         // owned; the editor the scan and insertion use
    std::unique_ptr<CSearch> scan_;              // owned; the snapshot the rows point into
    std::unique_ptr<RefCiteList> rows_;          // owned; refers to scan_, so it goes first
    DialogBibItemData detail_;                   // owned: citation mode only
    HWND list_ = nullptr;                        // not owned: a child control
    HIMAGELIST images_ = nullptr;                // owned; the list only shares it
    RECT normal_{};                              // the dialog's rectangle without the entry view
    RECT enlarged_{};                            // and with it
};
