// The dictionary editor: the four dictionary sources in four tabs, with a
// toolbar to add, edit, delete, sort and import entries and to clear the
// history. It works on its own copies of the dictionaries, which write
// their sources back (keeping ".old" copies) when the editor ends.
#pragma once
#include "frame/win32/dialog.h"
#include "support/dictionary_edit.h"
#include "support/dictionary_store.h"

#include <memory>
#include <vector>
#include <windows.h>

class CSetting;
class CTeXDictionary;
class CTeXEDictionary;
class CEditorSupportDic;
class CPaperSizeData;

class DialogDicEdit : public DialogModal {
public:
    // Runs the editor over parent at once on the sources of paths; when it
    // returns, changed sources are written. settings (not owned, may be
    // null) keeps the history the editor may clear or re-map.
    DialogDicEdit(HWND parent, DictionaryPaths paths, CSetting* settings);
    ~DialogDicEdit() override;

    // Something was added, edited, deleted or sorted: the cache needs
    // rebuilding.
    bool changed() const { return changed_; }

    INT_PTR onInitDialog() override;
    void onDestroy() override;
    INT_PTR onCommand(WORD id, WORD code, HWND control) override;
    INT_PTR onNotify(NMHDR* header) override;

    // The add and edit dialogs: three boxes for the current tab's columns.
    class DialogDicItemCommon : public DialogModal {
    public:
        bool stored() const { return stored_; }
        // What was stored, to find its row again.
        const dict_edit::Fields& fields() const { return fields_; }

        INT_PTR onInitDialog() override;
        INT_PTR onCommand(WORD id, WORD code, HWND control) override;

    protected:
        // position: the entry edited, -1 when adding. Neither is owned.
        DialogDicItemCommon(dict_edit::Dictionaries& dictionaries, dict_edit::Tab tab, int position);
        void run(HWND parent);
        virtual uint32_t captionId() const = 0;

    private:
        void store();

        dict_edit::Dictionaries& dictionaries_;
        const dict_edit::Tab tab_;
        const int position_;
        dict_edit::Fields fields_;
        bool stored_ = false;
    };
    class DialogDicItemAdd : public DialogDicItemCommon {
    public:
        DialogDicItemAdd(HWND parent, dict_edit::Dictionaries& dictionaries, dict_edit::Tab tab);

    protected:
        uint32_t captionId() const override;
    };
    class DialogDicItemEdit : public DialogDicItemCommon {
    public:
        DialogDicItemEdit(HWND parent, dict_edit::Dictionaries& dictionaries, dict_edit::Tab tab, int position);

    protected:
        uint32_t captionId() const override;
    };

private:
    bool createToolbar();
    void placeControls();
    void fill();
    void select(int row);
    int selectedRow() const;
    dict_edit::Tab tab() const;
    void add();
    void edit();
    void remove();
    void sort();
    void import();
    void clearHistory();

    CSetting* settings_;                              // not owned; may be null
    std::unique_ptr<DictionaryStore> store_;          // owned: the editor's own, for loading and saving
    std::unique_ptr<CTeXDictionary> commands_;        // owned; each saves its source when it goes
    std::unique_ptr<CTeXEDictionary> environments_;
    std::unique_ptr<CEditorSupportDic> easySupport_;
    std::unique_ptr<CPaperSizeData> paperSizes_;
    std::unique_ptr<dict_edit::Dictionaries> dictionaries_;   // owned; refers to the four above
    HWND tabs_ = nullptr;                             // not owned: controls of the dialog
    HWND list_ = nullptr;
    HWND toolbar_ = nullptr;                          // destroyed with the dialog
    bool subclassed_ = false;                         // the tab control hands on the list's notices
    std::vector<dict_edit::Fields> rows_;             // the current tab's rows, which the list shows
    HIMAGELIST images_ = nullptr;                     // owned: the toolbar's images
    bool readOnly_ = false;
    bool changed_ = false;
};
