// Importing a text file into one of the four dictionaries of the dictionary
// editor: the user picks the file, sees its entries in a list with check
// boxes (those the dictionary already holds unchanged start unchecked) and
// the checked ones go in on OK. What starts checked and how rows go in is
// dict_import's; these dialogs show it.
#pragma once
#include "base/text.h"
#include "frame/win32/dialog.h"
#include "support/dictionary_records.h"

#include <cstdint>
#include <string_view>
#include <vector>

class CTeXDictionary;
class CTeXEDictionary;
class CEditorSupportDic;
class CPaperSizeData;

class DialogDicImportCommon : public DialogModal {
public:
    ~DialogDicImportCommon() override;

    // Rows stored on OK; 0 after Cancel, a file that was refused, or with
    // nothing checked.
    int result() const { return result_; }

    INT_PTR onInitDialog() override;
    INT_PTR onCommand(WORD id, WORD code, HWND control) override;

protected:
    // What differs between the kinds besides their rows.
    struct Kind {
        uint32_t titleId;                  // of the file dialog and the list
        uint32_t filterId;                 // of the file dialog
        std::vector<uint32_t> columnIds;   // titles of the list's columns
    };
    explicit DialogDicImportCommon(Kind kind);

    // The whole import: the file dialog, reading, the list. Each kind's
    // constructor calls it once its own members exist.
    void run(HWND parent);

    // Parses the file into the kind's rows and their first check marks.
    virtual void load(std::string_view bytes) = 0;
    virtual size_t rowCount() const = 0;
    virtual std::vector<u16> rowCells(size_t row) const = 0;
    // Stores the checked rows; the number stored.
    virtual int store(const std::vector<bool>& checked) = 0;

    std::vector<bool> initialChecks_;      // set by load, one per row

private:
    bool chooseFile(HWND parent, u16& path) const;
    bool readChosen(HWND parent, u16view path, std::string& bytes) const;
    void fillList();
    void checkAll(bool checked);

    Kind kind_;
    int result_ = 0;
    HWND list_ = nullptr;                  // not owned: a child control
};

class DialogDicImportTeX : public DialogDicImportCommon {
public:
    DialogDicImportTeX(HWND parent, CTeXDictionary& dictionary);

private:
    void load(std::string_view bytes) override;
    size_t rowCount() const override { return rows_.size(); }
    std::vector<u16> rowCells(size_t row) const override;
    int store(const std::vector<bool>& checked) override;

    CTeXDictionary& dictionary_;           // not owned: the editor's
    std::vector<CommandEntry> rows_;
};

class DialogDicImportTeXE : public DialogDicImportCommon {
public:
    DialogDicImportTeXE(HWND parent, CTeXEDictionary& dictionary);

private:
    void load(std::string_view bytes) override;
    size_t rowCount() const override { return rows_.size(); }
    std::vector<u16> rowCells(size_t row) const override;
    int store(const std::vector<bool>& checked) override;

    CTeXEDictionary& dictionary_;          // not owned: the editor's
    std::vector<EnvironmentEntry> rows_;
};

class DialogDicImportEasySupport : public DialogDicImportCommon {
public:
    DialogDicImportEasySupport(HWND parent, CEditorSupportDic& dictionary);

private:
    void load(std::string_view bytes) override;
    size_t rowCount() const override { return rows_.size(); }
    std::vector<u16> rowCells(size_t row) const override;
    int store(const std::vector<bool>& checked) override;

    CEditorSupportDic& dictionary_;        // not owned: the editor's
    std::vector<EasySupportEntry> rows_;
};

class DialogDicImportPaperSize : public DialogDicImportCommon {
public:
    DialogDicImportPaperSize(HWND parent, CPaperSizeData& list);

private:
    void load(std::string_view bytes) override;
    size_t rowCount() const override { return rows_.size(); }
    std::vector<u16> rowCells(size_t row) const override;
    int store(const std::vector<bool>& checked) override;

    CPaperSizeData& paper_;                // not owned: the editor's
    std::vector<PaperSizeEntry> rows_;
};
