// The shortcut keys page of the settings sheet: every command and user
// string with its key, a hotkey box to change the selected one, a check for
// keys given twice, and the switch that turns all shortcut keys on or off.
// Keys are kept in the page until OK; only then is the "ShortCut" section
// rewritten.
#pragma once
#include "mainwindow/shortcuts.h"
#include "settings/win32/settings_page.h"

#include <commctrl.h>

class PropertyDialogShortcut : public SettingsPage {
public:
    PropertyDialogShortcut();
    ~PropertyDialogShortcut() override;

private:
    void load() override;
    void addTips() override;
    void restoreDefaults() override;
    void apply() override;
    INT_PTR onPageCommand(WORD id, WORD code, HWND control) override;
    INT_PTR onNotify(NMHDR* header) override;
    void onDestroy() override;

    // False (after telling the user) when the hotkey box cannot be
    // subclassed; the page then stays disabled and stores nothing.
    bool subclassHotkey();
    void setUpList();
    void showKeys();                 // the key column of every row
    void showKey(int row);
    void enableForStatus();
    // The hotkey box's key into the selected row, when it differs.
    void storeSelected();
    void selectRow(int row);
    void checkSharedKeys();

    static LRESULT CALLBACK hotkeyProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HWND list_ = nullptr;               // not owned: the page's controls
    HWND hotkey_ = nullptr;
    WNDPROC hotkeyPrevious_ = nullptr;  // the box's own procedure
    HIMAGELIST images_ = nullptr;       // owned; taken off the list before it goes
    shortcuts::Keys keys_{};            // what the rows show, stored on OK
    int selected_ = -1;                 // the row the hotkey box edits
    bool usable_ = false;               // false: the page failed to start
};
