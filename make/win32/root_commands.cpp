#include "make/win32/root_commands.h"

#include "base/win32/wide.h"
#include "frame/message_ids.h"
#include "frame/win32/help.h"
#include "frame/win32/language.h"
#include "frame/win32/open_document.h"
#include "frame/win32/plugin_app.h"
#include "frame/win32/shared_toggles.h"
#include "frame/win32/window_editor.h"
#include "mainwindow/win32/main_window.h"
#include "make/paper_menu_model.h"
#include "make/root_file.h"
#include "make/tex_path.h"
#include "make/win32/dialog_root.h"

#include <string>

namespace root_commands {

namespace {

constexpr UINT FirstRecent = 1;

plugin_rules::ToggleRequest requestOf(root_lock::Mode mode) {
    switch (mode) {
    case root_lock::Mode::On: return plugin_rules::ToggleRequest::On;
    case root_lock::Mode::Off: return plugin_rules::ToggleRequest::Off;
    case root_lock::Mode::Toggle: return plugin_rules::ToggleRequest::Toggle;
    default: return plugin_rules::ToggleRequest::Show;
    }
}

u16 documentPath(HWND editor) {
    WindowEditor ed(editor);
    if (!ed.exists()) return {};
    u16 path = ed.GetDocumentPath();
    return path.size() >= 4 ? path : u16();
}

void appendItem(HMENU menu, UINT id, uint32_t textId, bool enabled) {
    AppendMenuW(menu, MF_STRING | (enabled ? 0u : MF_GRAYED), id, lang::message(textId));
}

// Promotes path (already checked) and switches the lock on.
void lockTo(const u16& path) {
    if (CSetting* s = app::settings()) {
        CRoot roots(*s);
        roots.Promote(path);
    } // saved here, before the lock reads the list again
    setRootLock(root_lock::Mode::On);
}

void lockWithDialog(MainWindow& window, root_form::Form form, bool automatic) {
    DialogRootLock dialog(window.dialogOwner(), window.editor(), form, automatic);
    if (!dialog.accepted()) {
        setRootLock(root_lock::Mode::Refresh);
        return;
    }
    if (!root_file::IsTexFileName(dialog.chosen())) {
        lang::messageBox(window.dialogOwner(), msgid::RootNotTexFile, msgid::CaptionWarning, MB_OK | MB_ICONWARNING);
        setRootLock(root_lock::Mode::Refresh);
        return;
    }
    lockTo(dialog.chosen());
}

} // namespace

bool setRootLock(root_lock::Mode mode) {
    PluginThreadContext* ctx = app::context();
    if (!ctx) return shared_toggles::current(SharedToggle::RootLock) != 0;
    return shared_toggles::apply(*ctx, SharedToggle::RootLock, requestOf(mode)) != 0;
}

HMENU buildLockMenu(HWND editor) {
    HMENU menu = CreatePopupMenu();
    if (!menu) return nullptr;
    size_t count = 0;
    if (CSetting* s = app::settings()) {
        CRoot roots(*s);
        count = roots.size();
        bool locked = shared_toggles::current(SharedToggle::RootLock) != 0;
        for (size_t i = 0; i < count; ++i) {
            u16 path;
            roots.Get(static_cast<int32_t>(i), path);
            UINT flags = MF_STRING | (i == 0 && locked ? MF_CHECKED : 0u);
            AppendMenuW(menu, flags, FirstRecent + i, wide::w(paper_menu_model::accelerator(i) + path));
        }
    }
    if (count) AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    bool texFile = root_file::IsTexFileName(documentPath(editor));
    appendItem(menu, LockFileName, msgid::MenuLockFileName, texFile);
    appendItem(menu, LockRelative, msgid::MenuLockRelative, texFile);
    appendItem(menu, LockAbsolute, msgid::MenuLockAbsolute, texFile);
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    appendItem(menu, ChooseRoot, msgid::MenuChooseRoot, true);
    appendItem(menu, RemoveRoot, msgid::MenuDelete, count > 0);
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    appendItem(menu, LockMenuHelp, msgid::MenuDropDownHelp, true);
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    appendItem(menu, ClearRoots, msgid::MenuClearList, count > 0);
    return menu;
}

void runLockChoice(MainWindow& window, UINT item) {
    CSetting* s = app::settings();
    if (!item || !s) return;
    if (item >= FirstRecent && item < FirstRecent + CRoot::MaxEntries) {
        u16 path;
        {
            CRoot roots(*s);
            if (!roots.Get(static_cast<int32_t>(item - FirstRecent), path)) path.clear();
        }
        if (path.empty()) setRootLock(root_lock::Mode::Refresh); // gone meanwhile
        else lockTo(path);
        return;
    }
    switch (item) {
    case LockFileName: lockWithDialog(window, root_form::NameOnly, true); return;
    case LockRelative: lockWithDialog(window, root_form::Relative, true); return;
    case LockAbsolute: lockWithDialog(window, root_form::Absolute, true); return;
    case ChooseRoot: lockWithDialog(window, root_form::NameOnly, false); return;
    case RemoveRoot: {
        u16 first;
        {
            CRoot roots(*s);
            roots.Get(0, first);
        }
        if (lang::ask(window.dialogOwner(), (std::wstring(lang::message(msgid::AskRemoveRoot)) + wide::w(first)).c_str())) {
            {
                CRoot roots(*s);
                roots.RemoveFirst();
            }
            setRootLock(root_lock::Mode::Off);
        } else {
            setRootLock(root_lock::Mode::On);
        }
        return;
    }
    case LockMenuHelp: showHelpTopic(window.plugin(), cfgid::HelpRootFile); return;
    case ClearRoots:
        if (lang::ask(window.dialogOwner(), msgid::AskClearList)) {
            {
                CRoot roots(*s);
                roots.ClearAll();
            }
            setRootLock(root_lock::Mode::Off);
        } else {
            setRootLock(root_lock::Mode::Refresh);
        }
        return;
    default: return;
    }
}

void showLockMenu(MainWindow& window, const RECT& buttonScreen) {
    HMENU menu = buildLockMenu(window.editor());
    if (!menu) return;
    UINT chosen = static_cast<UINT>(TrackPopupMenu(menu, TPM_RETURNCMD | TPM_LEFTALIGN | TPM_TOPALIGN |
                                                             TPM_LEFTBUTTON | TPM_NONOTIFY,
                                                   buttonScreen.left, buttonScreen.bottom, 0, window.dialogOwner(),
                                                   nullptr));
    DestroyMenu(menu);
    runLockChoice(window, chosen);
}

void showRootDialog(MainWindow& window) {
    HWND editor = window.editor();
    if (!editor || !IsWindow(editor)) return;
    DialogRoot dialog(window.dialogOwner(), editor);
    if (dialog.written()) SetFocus(editor);
}

void openRootInNewHost(MainWindow& window) {
    HWND editor = window.editor();
    u16 document = documentPath(editor);
    if (document.empty()) return;
    WindowEditor ed(editor);
    u16 root;
    if (!root_file::ResolveRoot(ed, root, false, shared_toggles::lockedRoot(app::settings()))) return;
    // The path as written: the new instance resolves it in the same folder.
    open_document::openInNewHost(editor, root, tex_path::folderOf(document));
}

} // namespace root_commands
