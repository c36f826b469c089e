// The support settings page of the settings sheet: the support window and
// easy support on or off, the history's behaviour, and the nine input
// support keys, each captured with the key capture dialog and refused
// when another key of its group already has it. Clearing the history acts
// at once; everything else is stored when the sheet applies.
#pragma once
#include "settings/win32/settings_page.h"
#include "support/support_settings_page.h"

#include <array>
#include <cstddef>

class PropertyDialogSupport : public SettingsPage {
public:
    PropertyDialogSupport();
    ~PropertyDialogSupport() override = default;

    // The keys as the page holds them now (not yet stored).
    const std::array<KeyCode, support_page::KeyCount>& keys() const { return keys_; }

protected:
    void load() override;
    void addTips() override;
    void restoreDefaults() override;
    void apply() override;
    INT_PTR onPageCommand(WORD id, WORD code, HWND control) override;

private:
    void show(const support_page::Values& values);
    support_page::Values collect() const;
    void updateEnabling() const;
    void captionKey(size_t slot) const;
    void changeKey(size_t slot);
    void clearHistory() const;

    std::array<KeyCode, support_page::KeyCount> keys_{};   // shown on the key buttons
};
