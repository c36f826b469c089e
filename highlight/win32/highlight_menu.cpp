#include "highlight/win32/highlight_menu.h"

#include "base/win32/wide.h"
#include "frame/message_ids.h"
#include "frame/win32/help.h"
#include "frame/win32/language.h"
#include "frame/win32/plugin_app.h"
#include "frame/win32/shared_state.h"
#include "frame/win32/shared_toggles.h"
#include "highlight/highlight_menu_model.h"
#include "highlight/highlight_presets.h"
#include "highlight/highlight_store.h"
#include "highlight/win32/dialog_highlight.h"
#include "mainwindow/win32/main_window.h"
#include "settings/setting.h"
#include "settings/setting_keys.h"

#include <optional>
#include <string>

namespace highlight_menu {

namespace {

namespace keys = ini_keys::highlight;
using highlight_menu_model::Choice;
using plugin_rules::ToggleRequest;

HMENU makeMenu(const std::vector<highlight_menu_model::Item>& items) {
    HMENU menu = CreatePopupMenu();
    if (!menu) return nullptr;
    for (const highlight_menu_model::Item& i : items) {
        if (i.separator()) {
            AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
            continue;
        }
        UINT flags = MF_STRING | (i.checked ? MF_CHECKED : 0u) | (i.grayed ? MF_GRAYED : 0u);
        std::wstring text = i.textId ? std::wstring(lang::message(i.textId)) : wide::w(i.text);
        AppendMenuW(menu, flags, i.id, text.c_str());
    }
    return menu;
}

UINT track(MainWindow& window, HMENU menu, const RECT& button) {
    HWND owner = window.dialogOwner();
    // The window must be in front for the menu to close on a click outside.
    SetForegroundWindow(owner);
    return static_cast<UINT>(TrackPopupMenu(menu, TPM_RETURNCMD | TPM_LEFTALIGN | TPM_TOPALIGN | TPM_LEFTBUTTON,
                                            button.left, button.bottom, 0, owner, nullptr));
}

void setStatus(ToggleRequest request) {
    if (PluginThreadContext* ctx = app::context()) shared_toggles::apply(*ctx, SharedToggle::Highlight, request);
}

// Every window re-applies on its next tick. The list must be in the file
// before that: another process reads the pattern from there at once.
void announce(Highlight& store) {
    store.Save();
    shared::increment(shared::state().highlightGeneration);
}

// Makes the first user item active and switches highlighting on.
void activateFirst(Highlight& store, CSetting& settings) {
    settings.writeInt(keys::Section, keys::Item, Highlight::FirstUser);
    announce(store);
    setStatus(ToggleRequest::On);
}

bool askDelete(HWND owner, const HighlightItem& item) {
    std::wstring text = std::wstring(lang::message(msgid::AskDeleteItem)) + L"\n\n" +
                        lang::message(msgid::DeleteNameLabel) + wide::w(item.name) + L"\n" +
                        lang::message(msgid::DeleteValueLabel) + wide::w(item.pattern);
    return lang::ask(owner, text.c_str());
}

} // namespace

void run(MainWindow& window, UINT choice) {
    CSetting* settings = app::settings();
    if (!settings) return;
    HWND owner = window.dialogOwner();
    Highlight store(*settings);
    int32_t active = settings->readInt(keys::Section, keys::Item, highlight_presets::DefaultItem);
    switch (highlight_menu_model::classify(choice)) {
    case Choice::Preset:
        settings->writeInt(keys::Section, keys::Item, static_cast<int32_t>(choice));
        announce(store);
        setStatus(ToggleRequest::On);
        return;
    case Choice::UserItem: {
        std::optional<HighlightItem> item = store.GetItem(static_cast<int32_t>(choice));
        if (!item) break;  // gone meanwhile (another window cleared the list)
        store.PutItem(*item);
        activateFirst(store, *settings);
        return;
    }
    case Choice::New:
        if (DialogHighlight(owner, store, DialogHighlight::Mode::Create).result() == IDOK) {
            activateFirst(store, *settings);
            return;
        }
        break;
    case Choice::Edit:
        if (DialogHighlight(owner, store, DialogHighlight::Mode::Edit).result() == IDOK) {
            activateFirst(store, *settings);
        } else {
            setStatus(ToggleRequest::Off);
        }
        return;
    case Choice::Delete: {
        std::optional<HighlightItem> item = store.GetItem(active);
        if (!item || !store.isUserId(active)) break;
        if (askDelete(owner, *item)) {
            store.DeleteItem(active);
            announce(store);
            setStatus(ToggleRequest::Off);
            return;
        }
        break;
    }
    case Choice::Help: showHelpTopic(window.plugin(), cfgid::HelpHighlight); break;
    case Choice::Clear:
        if (lang::ask(owner, msgid::AskClearList)) {
            store.Clear();
            announce(store);
            setStatus(ToggleRequest::Off);
            return;
        }
        break;
    case Choice::Nothing: break;
    }
    setStatus(ToggleRequest::Show);
}

void show(MainWindow& window, const RECT& buttonScreen) {
    CSetting* settings = app::settings();
    if (!settings) return;
    UINT choice = 0;
    {
        Highlight store(*settings);
        std::vector<u16> names;
        for (const highlight_presets::Preset& p : highlight_presets::all()) names.push_back(lang::text(p.nameId));
        auto items = highlight_menu_model::build(
            names, store, settings->readInt(keys::Section, keys::Item, highlight_presets::DefaultItem));
        HMENU menu = makeMenu(items);
        if (!menu) return;
        choice = track(window, menu, buttonScreen);
        DestroyMenu(menu);
    }
    run(window, choice);
}

} // namespace highlight_menu
