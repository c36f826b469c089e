// The page layout dialog (command 41002): shows the page length parameters
// found in the document's preamble beside a diagram of the page, rewrites,
// removes or inserts their lines on OK, and keeps named value sets
// (section "Layout").
#pragma once
#include "dialogs/layout_diagram.h"
#include "dialogs/page_layout.h"
#include "frame/win32/dialog.h"

#include <vector>

class DialogLayout : public DialogModal {
public:
    // Runs at once over parent for the document in editor.
    DialogLayout(HWND parent, HWND editor);
    ~DialogLayout() override;
    bool changed() const { return changed_; }

    INT_PTR onInitDialog() override;
    INT_PTR onCommand(WORD id, WORD code, HWND control) override;
    void onPaint() override;
    void onLButtonDown(UINT keys, int x, int y) override;
    INT_PTR onOtherMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void initialise();
    void loadPresets();
    void buildDiagram();
    void showDiagram(int parameter);      // -1: the plain picture
    int labelAt(POINT client) const;
    void setValues(const page_layout::Values& values, bool checkNonEmpty);
    page_layout::Entries entries() const;
    void accept();
    void finish();
    bool savePresets();
    void applyPreset();
    void managePresets();
    void recallLast();
    void reset();
    void checkAll(bool on);
    int selectedPreset() const;           // index into presets_, -1 when none
    void selectPreset(int index);
    bool checked(int id) const;

    HWND editor_;                           // not owned: the host's editor window
    page_layout::Scan scan_;
    std::vector<u16> presets_;              // stored form; combo items hold their index
    bool presetsChanged_ = false;
    bool filling_ = false;                  // value boxes set by the dialog, not typed
    bool changed_ = false;                  // the document was edited
    u16 last_;                              // "Last" to write as the dialog closes
    HBITMAP base_ = nullptr;                // owned: picture, green arrows, labels
    HBITMAP shown_ = nullptr;               // owned: base_ with one parameter in red
    int red_ = -1;                          // the parameter shown in red
    RECT diagram_{};                        // where the picture goes, client coordinates
    layout_diagram::HitMap labels_;
};
