// The thread's window hooks: how the plug-in sees clicks, commands, menus,
// the host frame's moves and typed keys in the host's own windows. They are
// installed when the main window is made and removed when it ends; each
// hook sees only its own thread's windows.
#pragma once
#include "frame/win32/thread_context.h"

#include <windows.h>

// What the hooks hand on. The main window implements it; the hooks keep a
// pointer to it only while installed.
class HookSink {
public:
    // A mouse press, command or system command reached window (popups
    // close when it is none of theirs).
    virtual void onClickNotice(HWND window) = 0;
    // The band the main window is docked as: the host's rebar and the
    // band's identifier; a null rebar while it floats.
    struct Band {
        HWND rebar = nullptr;
        UINT id = 0;
    };
    virtual Band dockedBand() const = 0;
    // The rebar gave the docked band's child this width. Only that band's
    // reports come here: the rebar reports every band it lays out.
    virtual void onRebarChildSize(int width) = 0;
    // A menu of the host is open (the toolbar's cursor depends on it).
    virtual void setHostMenuOpen() = 0;
    // The host frame moved while not maximized; the flags are the two
    // "AutoMove" bits: the floating main window and the sub-windows follow.
    virtual void moveSubWindows(bool mainFollows, bool subWindowsFollow) = 0;
    // A wheel turn while the editor lacks the focus; true when taken, and
    // the host then sees a turn of zero.
    virtual bool offerWheel(int steps) = 0;
    // A key going down; true when consumed, and the host never sees it.
    virtual bool dispatchKey(WPARAM key, LPARAM flags) = 0;

    // Set-up that the keyboard features need before the keyboard hook goes
    // in, each run only when its feature is on. False reports the step as
    // failed. Until those features exist there is nothing to prepare.
    virtual bool prepareSupportWindow() { return true; }
    virtual bool prepareEasySupport() { return true; }
    // Fills the shortcut table from the stored keys.
    virtual bool buildShortcutTable(shortcuts::Table& table) = 0;

protected:
    ~HookSink() = default;   // not deleted through this interface
};

namespace hooks {

// Wheel turns reach the support window as steps of this many per notch.
constexpr int WheelStepsPerNotch = 32;
// Host commands that change its search highlighting: the plug-in's own
// highlighting is off once the user uses one of them.
constexpr WORD FirstHighlightCommand = 4200;
constexpr WORD LastHighlightCommand = 4206;

// Installs the calling thread's hooks as the settings ask, reading the
// support keys into ctx.keys first. Every failed step is reported in a
// warning box over the editor window and the others still run; if any
// failed, every hook is removed again and the result is false.
bool install(PluginThreadContext& ctx, HookSink& sink);
// Removes whatever is installed; the handles in ctx become null.
void remove(PluginThreadContext& ctx);

} // namespace hooks
