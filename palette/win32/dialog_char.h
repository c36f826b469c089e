// The palette windows: DialogChar, the palette with one tab per shown
// category over one list of cells, and DialogCharSeparate, one category's
// cells in a window of their own. What both do with their list (insert a
// cell, offer the size modifiers of a delimiter, the keys, the tool tips)
// lives in DialogCharCommon. The main window's PaletteWindows owns them.
#pragma once
#include "lang/resource_ids.h"
#include "outline/win32/dialog_sub_common.h"

#include <cstdint>
#include <vector>
#include <windows.h>

class PaletteWindows;

class DialogCharCommon : public DialogSubCommon {
public:
    static constexpr int ListControl = VEXA_IDC_PALETTE_LIST;

    HWND list() const { return list_; }
    bool popupOpen() const { return popupOpen_; }
    // Open and set up; false from the start of its destruction on.
    bool isOpen() const { return handle() != nullptr && ready_; }
    // Whether a failed opening already told the user why.
    bool reported() const { return reported_; }

    // Inserts cell's entry into the host editor, then applies the closing
    // rule. True when something was inserted.
    bool insertCell(int cell);
    // Offers the size modifiers of a delimiter cell and inserts the chosen
    // form; then applies the closing rule. True when something was
    // inserted; a cell that is no delimiter offers nothing.
    bool sizeMenu(int cell);

    // A key pressed while the focus is inside the window; true when it was
    // used up.
    virtual bool offerKey(UINT virtualKey, bool shift);

    INT_PTR onNotify(NMHDR* header) override;

protected:
    DialogCharCommon(u16 name, PaletteWindows& palettes) : DialogSubCommon(std::move(name)), palettes_(palettes) {}

    // The category the list shows now; 0 for none.
    virtual uint32_t shownCategory() const = 0;
    // Whether an insertion closes the window ("AutoClose"/"AutoCloseSep").
    virtual bool closesAfterInsertion() const = 0;
    // Tells the user and closes the window.
    void fail(uint32_t message);

    PaletteWindows& palettes_;   // not owned: owns this window
    HWND list_ = nullptr;        // not owned: the dialog's child
    bool popupOpen_ = false;
    bool ready_ = false;         // set once initialisation succeeded
    bool reported_ = false;

private:
    void afterInsertion(bool inserted);
};

class DialogChar final : public DialogCharCommon {
public:
    static constexpr int TabControl = VEXA_IDC_PALETTE_TABS;
    static constexpr int TemplateId = VEXA_LANG_DLG_PALETTE;

    explicit DialogChar(PaletteWindows& palettes);
    ~DialogChar() override;

    bool open(HWND owner, HWND editor);
    HWND tabs() const { return tabs_; }

    // The categories on tabs, in tab order.
    std::vector<uint32_t> tabCategories() const;
    int tabOf(uint32_t command) const;   // -1: not on a tab
    // Adds category command's tab (or selects it) and shows its cells.
    void addCategory(uint32_t command);
    // Puts the "Window" categories on tabs and opens the "WindowSep" ones.
    void addAll();
    // Removes the category's tab; the last one closes the palette.
    void removeCategory(uint32_t command);
    // Shows tab index (wrapping is the caller's) as a click on it would.
    void selectTab(int index);

    bool offerKey(UINT virtualKey, bool shift) override;

    INT_PTR onInitDialog() override;
    void onDestroy() override;
    INT_PTR onNotify(NMHDR* header) override;
    void onSize(UINT type, int width, int height) override;
    INT_PTR onOtherMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

protected:
    uint32_t shownCategory() const override;
    bool closesAfterInsertion() const override;

private:
    static LRESULT CALLBACK tabProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    int appendTab(uint32_t command);
    void show();
    void layout();
    bool fillSelected();
    void afterTabChange();

    HWND tabs_ = nullptr;            // not owned: the dialog's child
    WNDPROC tabsProcedure_ = nullptr;   // the tab control's own, while subclassed
};

class DialogCharSeparate final : public DialogCharCommon {
public:
    static constexpr int TemplateId = VEXA_LANG_DLG_PALETTE_SEPARATE;

    DialogCharSeparate(PaletteWindows& palettes, uint32_t command);
    ~DialogCharSeparate() override;

    bool open(HWND owner, HWND editor);
    uint32_t command() const { return command_; }

    INT_PTR onInitDialog() override;
    void onDestroy() override;
    void onSize(UINT type, int width, int height) override;

protected:
    uint32_t shownCategory() const override { return command_; }
    bool closesAfterInsertion() const override;

private:
    const uint32_t command_;
};
