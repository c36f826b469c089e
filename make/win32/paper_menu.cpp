#include "make/win32/paper_menu.h"

#include "base/win32/wide.h"
#include "frame/message_ids.h"
#include "frame/win32/help.h"
#include "frame/win32/language.h"
#include "frame/win32/plugin_app.h"
#include "mainwindow/win32/main_window.h"
#include "make/dviout_paper.h"
#include "make/paper_menu_model.h"
#include "make/win32/dialog_paper.h"
#include "settings/setting.h"
#include "settings/setting_keys.h"

#include <string>

namespace paper_menu {

namespace {

namespace keys = ini_keys::dviout;
using paper_menu_model::Next;

HMENU makeMenu(const std::vector<paper_menu_model::Item>& items) {
    HMENU menu = CreatePopupMenu();
    if (!menu) return nullptr;
    for (const paper_menu_model::Item& i : items) {
        if (i.separator()) {
            AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
            continue;
        }
        UINT flags = MF_STRING | (i.checked ? MF_CHECKED : 0u) | (i.grayed ? MF_GRAYED : 0u);
        const wchar_t* text = i.textId ? lang::message(i.textId) : wide::w(i.text);
        AppendMenuW(menu, flags, i.id, text);
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

void askDelete(HWND owner, DVIOUTPaper& papers, CSetting& settings) {
    int32_t current = settings.readInt(keys::Section, keys::PaperSize, 0);
    PaperEntry e;
    if (!papers.isUserNumber(current) || !papers.GetPaper(current, e)) return;
    std::wstring text = std::wstring(lang::message(msgid::AskDeleteItem)) + L"\n\n" +
                        lang::message(msgid::DeleteNameLabel) + wide::w(e.text) + L"\n" +
                        lang::message(msgid::DeleteValueLabel) + wide::w(e.value);
    if (lang::ask(owner, text.c_str())) paper_menu_model::removeCurrent(papers, settings);
}

} // namespace

void run(MainWindow& window, UINT choice) {
    CSetting* settings = app::settings();
    if (!settings || choice == 0) return;
    HWND owner = window.dialogOwner();
    DVIOUTPaper papers(*settings, wide::u(lang::message(msgid::PaperLandscape)));
    switch (paper_menu_model::choose(choice, papers, *settings)) {
    case Next::AddDialog: {
        DialogPaper dialog(owner, papers, DialogPaper::Mode::Add, 0);
        if (dialog.result() == IDOK) paper_menu_model::selectFirstUserPaper(*settings);
        break;
    }
    case Next::EditDialog: {
        DialogPaper dialog(owner, papers, DialogPaper::Mode::Edit,
                           settings->readInt(keys::Section, keys::PaperSize, 0));
        if (dialog.result() == IDOK) paper_menu_model::selectFirstUserPaper(*settings);
        break;
    }
    case Next::AskDelete: askDelete(owner, papers, *settings); break;
    case Next::AskClear:
        if (lang::ask(owner, msgid::AskClearList)) papers.ClearEntries();
        break;
    case Next::ShowHelp: showHelpTopic(window.plugin(), cfgid::HelpPaperSize); break;
    case Next::Done:
    case Next::Nothing: break;
    }
} // papers saves here when it changed

void show(MainWindow& window, const RECT& buttonScreen) {
    CSetting* settings = app::settings();
    if (!settings) return;
    UINT choice = 0;
    {
        DVIOUTPaper papers(*settings, wide::u(lang::message(msgid::PaperLandscape)));
        auto items = paper_menu_model::build(papers, settings->readInt(keys::Section, keys::PaperSize, 0),
                                             settings->readInt(keys::Section, keys::PaperSizeFromSource, 1) != 0);
        HMENU menu = makeMenu(items);
        if (!menu) return;
        choice = track(window, menu, buttonScreen);
        DestroyMenu(menu);
    }
    run(window, choice);
}

} // namespace paper_menu
