#include "outline/win32/outline_commands.h"

#include "frame/message_ids.h"
#include "frame/win32/language.h"
#include "mainwindow/command_ids.h"
#include "mainwindow/win32/main_window.h"
#include "outline/win32/dialog_search.h"

namespace outline_commands {

namespace {

DialogSearch* openWindow(MainWindow& window) {
    auto* outline = static_cast<DialogSearch*>(window.outlineSlot().get());
    return outline && outline->handle() ? outline : nullptr;
}
} // namespace

void toggle(MainWindow& window) {
    std::unique_ptr<DialogModeless>& slot = window.outlineSlot();
    if (openWindow(window)) {
        slot.reset();   // destroys the window, which unchecks the button
        return;
    }
    // A window the user closed leaves its object behind; it opens again.
    if (!slot) slot = std::make_unique<DialogSearch>(&window);
    auto* outline = static_cast<DialogSearch*>(slot.get());
    if (!outline->open(window.handle(), window.editor())) {
        if (!outline->reported())
            lang::messageBox(window.editor(), msgid::OutlineNotCreated, msgid::CaptionWarning, MB_OK | MB_ICONWARNING);
        slot.reset();
        window.setCommandPressed(cmd::OutlineWindow, false);
        return;
    }
    ShowWindow(outline->handle(), SW_SHOW);
    window.setCommandPressed(cmd::OutlineWindow, true);
}

void documentClosed(MainWindow& window, int32_t document) {
    DialogSearch* outline = openWindow(window);
    if (outline && outline->document() == document) window.outlineSlot().reset();
}

} // namespace outline_commands
