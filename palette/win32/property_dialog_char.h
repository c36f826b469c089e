// The symbol palette's page of the settings sheet: where the
// all-categories command shows each category (three-state boxes: a tab,
// a window of its own, neither) and whether the windows close after an
// insertion.
#pragma once
#include "palette/char_page_model.h"
#include "settings/win32/settings_page.h"

class PropertyDialogChar : public SettingsPage {
public:
    PropertyDialogChar();
    ~PropertyDialogChar() override = default;

protected:
    void load() override;
    void addTips() override;
    void restoreDefaults() override;
    void apply() override;

private:
    void show(const char_page::Values& values);
    char_page::Values shown() const;
};
