// The palette windows as the main window sees them: the seventeen category
// commands and the all-categories command, the detached-window toggle of a
// category button's right click, the keys while the focus is inside one of
// them, and the toolbar's check states. It owns the palette and the
// detached windows and registers their windows with the main window, so
// that they hide with the host, follow its frame and close with it.
#pragma once
#include <array>
#include <cstdint>
#include <memory>
#include <windows.h>

class MainWindow;
class DialogChar;
class DialogCharSeparate;

class PaletteWindows {
public:
    explicit PaletteWindows(MainWindow& main);
    ~PaletteWindows();   // closes every palette window
    PaletteWindows(const PaletteWindows&) = delete;
    PaletteWindows& operator=(const PaletteWindows&) = delete;

    // A category command or the all-categories command (41020).
    void command(uint32_t id);
    // Opens the category's detached window, or closes it when it is open.
    void toggleDetached(uint32_t category);
    // A key while the focus is in a palette window; true when used up.
    bool offerKey(UINT virtualKey, bool shift);

    // The palette while its window is open, else null.
    DialogChar* palette() const;
    // The category's detached window while open, else null.
    DialogCharSeparate* detached(uint32_t category) const;
    // Categories on tabs and detached, as mask bits.
    uint32_t tabMask() const;
    uint32_t detachedMask() const;
    // Whether the all-categories command would change nothing.
    bool complete() const;

    // Called by the windows.
    MainWindow& main() const { return main_; }
    void setChecked(uint32_t command, bool on);
    void refreshAllCheck();
    // Checks every category button whose category shows, and 41020 when
    // complete: after the toolbar's buttons were built anew.
    void refreshChecks();
    void closeDetached(uint32_t category);
    void windowOpened(HWND window);
    void windowClosed(HWND window);

private:
    bool openPalette();
    std::unique_ptr<DialogCharSeparate>& slot(uint32_t category);

    MainWindow& main_;                                       // not owned: owns this
    std::unique_ptr<DialogChar> palette_;                    // owned; its window may be closed
    std::array<std::unique_ptr<DialogCharSeparate>, 17> detached_;   // owned, by category order
};
