// What every page of the settings sheet shares: its record for the sheet
// (template and title from the language library), the tool tips when the
// user wants them, the defaults button (identifier 1) with its question,
// and saving only when the sheet applies, which it does on OK alone.
#pragma once
#include "frame/win32/dialog.h"
#include "settings/win32/tool_tip.h"

#include <cstdint>
#include <memory>

class SettingsPage : public PropertyDialog {
public:
    // Fills the sheet's record: the language library's template, the
    // page's title text. False when the library lacks the template.
    bool fillPage(PROPSHEETPAGEW& page);
    int templateId() const { return templateId_; }
    // True once the sheet applied this page (OK).
    bool applied() const { return applied_; }
    // True when what was applied takes effect only at the next start.
    virtual bool restartNeeded() const { return false; }

protected:
    SettingsPage(int templateId, uint32_t titleId);

    // Sets the controls from the stored settings.
    virtual void load() = 0;
    // Adds the page's tips (only called when tips are on).
    virtual void addTips() {}
    // Sets the controls to the defaults; nothing is stored yet.
    virtual void restoreDefaults() = 0;
    // Stores the controls' values.
    virtual void apply() = 0;
    // The page's other commands.
    virtual INT_PTR onPageCommand(WORD id, WORD code, HWND control);
    // Pages with notifying controls handle them and pass the rest here
    // (the sheet's apply notification).
    INT_PTR onNotify(NMHDR* header) override;

    // A tip for a control: no-op when tips are off.
    void tip(int controlId, uint32_t messageId);
    void enable(int controlId, bool on) const;
    bool checked(int controlId) const;
    void check(int controlId, bool on) const;

private:
    INT_PTR onInitDialog() final;
    INT_PTR onCommand(WORD id, WORD code, HWND control) final;

    using PropertyDialog::fillPage;
    int templateId_;
    uint32_t titleId_;
    std::wstring title_;               // the record points here
    std::unique_ptr<ToolTip> tips_;    // owned; only when tips are on
    bool applied_ = false;
};

// True when the user asked for tool tips (BasicSettings, ShowToolTip).
bool settingsTipsOn();
