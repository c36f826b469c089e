// The typesetting page of the settings sheet: the 20 command lines of the
// command file, the run options, auxiliary file deletion and the jump back
// from the previewer (with the previewer's own "src" value). Any trouble
// with the command file disables the page, so that a file the page could
// not read faithfully is never rewritten.
#pragma once
#include "make/command_file.h"
#include "make/make_settings_page.h"
#include "settings/win32/settings_page.h"

#include <array>
#include <cstdint>
#include <vector>

class PropertyDialogMake : public SettingsPage {
public:
    PropertyDialogMake();
    ~PropertyDialogMake() override = default;

    // True once a command-file error disabled the page: it then writes
    // nothing.
    bool disabled() const { return disabled_; }

private:
    void load() override;
    void addTips() override;
    void restoreDefaults() override;
    void apply() override;
    INT_PTR onPageCommand(WORD id, WORD code, HWND control) override;

    // False (after the warning, with the page disabled) when it failed.
    bool subclassEntry();
    static LRESULT CALLBACK entryProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void cleanEntry();

    void readCommandFile();
    void writeCommandFile();
    // Message first, then the page goes grey and stays so.
    void disable(uint32_t messageId);

    void show(const make_page::Values& values);
    make_page::Values shownValues() const;
    std::vector<u16> listEntries() const;

    void showStep(int set, int tool);
    void storeShownStep();
    int selectedTool() const;

    void addEntry();
    void removeEntry();
    void browse();
    // Offers the shipped command sets and copies the chosen one's steps
    // into the page; the files are written only by OK, as for any edit.
    void loadCommandSet();
    void texEditChanged();

    std::array<command_file::ToolStep, command_file::SectionCount> steps_{};
    int shown_ = -1;                  // step in the boxes, or none
    int set_ = 1;                     // command set of the shown step
    bool previewerChanged_ = false;   // "src" is written only when edited
    bool disabled_ = false;
    bool filling_ = false;            // the page sets texts: not the user's edits
    WNDPROC entryPrevious_ = nullptr; // the entry box's own procedure while subclassed
};
