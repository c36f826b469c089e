// The multi-user page: whether the settings live in one file beside the
// plug-in or in each user's profile folder. The choice is read from the
// file beside the plug-in at every start, so the page works on that file
// through a settings object of its own, whatever file the others use.
#pragma once
#include "settings/win32/settings_page.h"

#include <memory>

class CSetting;

class PropertyDialogMultiUser : public SettingsPage {
public:
    PropertyDialogMultiUser();
    ~PropertyDialogMultiUser() override;

    // The other file is only taken at the next start.
    bool restartNeeded() const override { return appliedMode_ != startMode_; }

protected:
    void load() override;
    void addTips() override;
    void restoreDefaults() override;
    void apply() override;

private:
    std::unique_ptr<CSetting> besidePlugin_;   // owned; null when it cannot be made
    bool startMode_ = false;                   // multi-user when the page opened
    bool appliedMode_ = false;                 // what apply stored (startMode_ until then)
};
