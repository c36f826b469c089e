// The Basic page of the settings sheet: where the toolbar window goes, how
// sub-windows are placed, the outline's size limit, starting by itself,
// the tool tips, and the language library.
#pragma once
#include "settings/basic_page_model.h"
#include "settings/win32/settings_page.h"

#include <optional>

class PropertyDialogBasic : public SettingsPage {
public:
    PropertyDialogBasic();
    ~PropertyDialogBasic() override = default;

    // A new language library only loads at the next start.
    bool restartNeeded() const override { return language_ && language_->changed(); }

protected:
    void load() override;
    void addTips() override;
    void restoreDefaults() override;
    void apply() override;
    INT_PTR onPageCommand(WORD id, WORD code, HWND control) override;

private:
    void show(const basic_page::Values& values);
    basic_page::Values shown() const;
    void enableForPlacement();
    void chooseLanguage();

    // The library being edited: set at load, written at apply when changed.
    std::optional<basic_page::LanguageChoice> language_;
};
