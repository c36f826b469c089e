// The main window docked as a band of the host frame's rebar: the band
// carries the main window's toolbar, the main window itself becomes a
// hidden child of the rebar. Removing the band gives the rebar its old
// style back.
#pragma once
#include "settings/setting.h"

#include <windows.h>
#include <commctrl.h>

class EditorRebar {
public:
    EditorRebar() = default;
    ~EditorRebar() { remove(); }
    EditorRebar(const EditorRebar&) = delete;
    EditorRebar& operator=(const EditorRebar&) = delete;

    enum class Result { Docked, NoRebar, NoProperty, NoSubclass, NoBand };
    // Docks toolbar (a child of mainWindow) into the first rebar below the
    // editor window's frame, with (BasicSettings, Lines) rows, where
    // (WindowPos, Rebar) says. On failure nothing stays changed.
    Result dock(HWND mainWindow, HWND toolbar, HWND editor, CSetting* settings);
    // Saves the band's place, removes the band and restores the rebar.
    void remove(CSetting* settings = nullptr);
    bool docked() const { return rebar_ != nullptr; }

    HWND rebar() const { return rebar_; }
    UINT bandId() const { return bandId_; }
    // The toolbar's button height the band was laid out for; the main
    // window's timer compares the toolbar's with it.
    int buttonHeight() const { return buttonHeight_; }
    void recordButtonSize(int width, int height) {
        buttonWidth_ = width;
        buttonHeight_ = height;
    }
    int bandHeight() const { return bandHeight_; }
    // The band's child width as the rebar reports it when it resizes it.
    void childSized(int width);
    // Lays the toolbar out again for the rows and gives the band the new
    // height (after the buttons changed).
    void refit();

private:
    static LRESULT CALLBACK rebarProc(HWND, UINT, WPARAM, LPARAM);
    static LRESULT CALLBACK toolbarProc(HWND, UINT, WPARAM, LPARAM);
    void measure();
    void placeToolbar();
    int bandIndex() const;
    void unsubclass();

    HWND rebar_ = nullptr;          // not owned: the host's
    WNDPROC rebarPrevious_ = nullptr;
    LONG_PTR rebarOldStyle_ = 0;
    bool styleChanged_ = false;
    UINT bandId_ = 0;
    HWND child_ = nullptr;          // not owned: the main window
    HWND toolbar_ = nullptr;        // not owned: the main window's toolbar
    WNDPROC toolbarPrevious_ = nullptr;
    int lines_ = 2;
    int childWidth_ = 0;            // 0 until the rebar reported one
    int toolbarWidth_ = 0, buttonWidth_ = 0, buttonHeight_ = 0, bandHeight_ = 0;
    bool placing_ = false;          // guards the toolbar's own moves
};
