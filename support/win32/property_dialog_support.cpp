#include "support/win32/property_dialog_support.h"

#include "base/win32/wide.h"
#include "frame/message_ids.h"
#include "frame/win32/help.h"
#include "frame/win32/language.h"
#include "frame/win32/plugin_app.h"
#include "lang/resource_ids.h"
#include "mainwindow/win32/dialog_change_key.h"
#include "settings/setting.h"
#include "support/history_positions.h"

#include <array>

namespace {

using support_page::KeyCount;
using support_page::Values;

// The key buttons in the keys' slot order.
constexpr int KeyButtons[KeyCount] = {
    VEXA_IDC_SUPPORT_INSERT_KEY,   VEXA_IDC_SUPPORT_COMPLEMENT_KEY, VEXA_IDC_SUPPORT_COMPLEMENT_INSERT_KEY,
    VEXA_IDC_SUPPORT_CANDIDATE_KEY, VEXA_IDC_SUPPORT_PREVIOUS_KEY,  VEXA_IDC_SUPPORT_RSEARCH_KEY,
    VEXA_IDC_SUPPORT_HISTORY_KEY,  VEXA_IDC_SUPPORT_EASY_KEY,       VEXA_IDC_SUPPORT_ITEM_KEY,
};

// A radio group: button i stands for value i. A group read back with no
// button selected gives its fallback.
struct RadioGroup {
    int Values::*field;
    std::array<int, 3> buttons;   // count used
    int count;
    int fallback;
};
constexpr RadioGroup Radios[] = {
    {&Values::afterHistory, {VEXA_IDC_SUPPORT_AFTER_STAY, VEXA_IDC_SUPPORT_AFTER_HIDE, VEXA_IDC_SUPPORT_AFTER_INSERT}, 3, 2},
    {&Values::showHistory, {VEXA_IDC_SUPPORT_SHOW_NEVER, VEXA_IDC_SUPPORT_SHOW_LAST, VEXA_IDC_SUPPORT_SHOW_ALWAYS}, 3, 1},
    {&Values::historyList, {VEXA_IDC_SUPPORT_LIST_RECENT, VEXA_IDC_SUPPORT_LIST_USED}, 2, 1},
    {&Values::historyWords, {VEXA_IDC_SUPPORT_WORDS_RECENT, VEXA_IDC_SUPPORT_WORDS_USED}, 2, 1},
};

// What the support window's check box greys, besides its labels.
constexpr int SupportControls[] = {
    VEXA_IDC_SUPPORT_INSERT_AFTER,  VEXA_IDC_SUPPORT_KEYS_LABEL,   VEXA_IDC_SUPPORT_AFTER_STAY,
    VEXA_IDC_SUPPORT_AFTER_HIDE,    VEXA_IDC_SUPPORT_AFTER_INSERT, VEXA_IDC_SUPPORT_SHOW_NEVER,
    VEXA_IDC_SUPPORT_SHOW_LAST,     VEXA_IDC_SUPPORT_SHOW_ALWAYS,  VEXA_IDC_SUPPORT_LIST_RECENT,
    VEXA_IDC_SUPPORT_LIST_USED,     VEXA_IDC_SUPPORT_WORDS_RECENT, VEXA_IDC_SUPPORT_WORDS_USED,
    VEXA_IDC_SUPPORT_KEY_220,       VEXA_IDC_SUPPORT_KEY_226,      VEXA_IDC_SUPPORT_COMPLEMENT_KEY,
    VEXA_IDC_SUPPORT_INSERT_KEY,    VEXA_IDC_SUPPORT_COMPLEMENT_INSERT_KEY, VEXA_IDC_SUPPORT_CANDIDATE_KEY,
    VEXA_IDC_SUPPORT_PREVIOUS_KEY,  VEXA_IDC_SUPPORT_RSEARCH_KEY,  VEXA_IDC_SUPPORT_HISTORY_KEY,
};
constexpr int EasyControls[] = {
    VEXA_IDC_SUPPORT_EASY_KEY, VEXA_IDC_SUPPORT_ITEM_KEY, VEXA_IDC_SUPPORT_EASY_LABEL, VEXA_IDC_SUPPORT_ITEM_LABEL,
};

struct Tip {
    int control;
    uint32_t message;
};
constexpr Tip Tips[] = {
    {VEXA_IDC_SUPPORT_KEY_220, msgid::SupportTipBackslashKeys},
    {VEXA_IDC_SUPPORT_KEY_226, msgid::SupportTipBackslashKeys},
    {VEXA_IDC_SUPPORT_COMPLEMENT_KEY, msgid::SupportTipComplementKey},
    {VEXA_IDC_SUPPORT_PREVIOUS_KEY, msgid::SupportTipPreviousCandidateKey},
    {VEXA_IDC_SUPPORT_INSERT_KEY, msgid::SupportTipInsertKey},
    {VEXA_IDC_SUPPORT_COMPLEMENT_INSERT_KEY, msgid::SupportTipComplementInsertKey},
    {VEXA_IDC_SUPPORT_CANDIDATE_KEY, msgid::SupportTipInsertCandidateKey},
    {VEXA_IDC_SUPPORT_EASY_KEY, msgid::SupportTipEasySupportKey},
    {VEXA_IDC_SUPPORT_ITEM_KEY, msgid::SupportTipItemBibitemKey},
    {VEXA_IDC_SUPPORT_RSEARCH_KEY, msgid::SupportTipRSearchKey},
    {VEXA_IDC_SUPPORT_HISTORY_KEY, msgid::SupportTipHistoryKey},
    {VEXA_IDC_SUPPORT_ON, msgid::SupportTipSupport},
    {VEXA_IDC_SUPPORT_INSERT_AFTER, msgid::SupportTipInsertAfterComplete},
    {VEXA_IDC_SUPPORT_SHOW_NEVER, msgid::SupportTipShowHistory},
    {VEXA_IDC_SUPPORT_SHOW_LAST, msgid::SupportTipShowHistory},
    {VEXA_IDC_SUPPORT_SHOW_ALWAYS, msgid::SupportTipShowHistory},
    {VEXA_IDC_SUPPORT_AFTER_STAY, msgid::SupportTipAfterHistory},
    {VEXA_IDC_SUPPORT_AFTER_HIDE, msgid::SupportTipAfterHistory},
    {VEXA_IDC_SUPPORT_AFTER_INSERT, msgid::SupportTipAfterHistory},
    {VEXA_IDC_SUPPORT_LIST_RECENT, msgid::SupportTipHistoryList},
    {VEXA_IDC_SUPPORT_LIST_USED, msgid::SupportTipHistoryList},
    {VEXA_IDC_SUPPORT_WORDS_RECENT, msgid::SupportTipHistoryWords},
    {VEXA_IDC_SUPPORT_WORDS_USED, msgid::SupportTipHistoryWords},
    {VEXA_IDC_SUPPORT_EASY_ON, msgid::SupportTipEasySupport},
    {VEXA_IDC_SUPPORT_CLEAR_HISTORY, msgid::SupportTipClearHistory},
};

// The slot of a key button; KeyCount for any other control.
size_t slotOf(int control) {
    for (size_t i = 0; i < KeyCount; ++i)
        if (KeyButtons[i] == control) return i;
    return KeyCount;
}

} // namespace

PropertyDialogSupport::PropertyDialogSupport() : SettingsPage(VEXA_LANG_DLG_SUPPORT_SETTINGS, msgid::SupportPageTitle) {}

void PropertyDialogSupport::load() {
    CSetting* settings = app::settings();
    show(settings ? support_page::read(*settings) : support_page::defaults());
}

void PropertyDialogSupport::addTips() {
    for (const Tip& t : Tips) tip(t.control, t.message);
}

void PropertyDialogSupport::restoreDefaults() { show(support_page::defaults()); }

void PropertyDialogSupport::apply() {
    if (CSetting* settings = app::settings()) support_page::write(*settings, collect());
}

void PropertyDialogSupport::show(const Values& v) {
    check(VEXA_IDC_SUPPORT_ON, v.support);
    check(VEXA_IDC_SUPPORT_EASY_ON, v.easySupport);
    check(VEXA_IDC_SUPPORT_INSERT_AFTER, v.insertAfterComplete);
    check(VEXA_IDC_SUPPORT_KEY_220, v.backslashKey220);
    check(VEXA_IDC_SUPPORT_KEY_226, v.backslashKey226);
    for (const RadioGroup& g : Radios) {
        for (int i = 0; i < g.count; ++i) check(g.buttons[i], i == v.*g.field);
    }
    keys_ = v.keys;
    for (size_t slot = 0; slot < KeyCount; ++slot) captionKey(slot);
    updateEnabling();
}

Values PropertyDialogSupport::collect() const {
    Values v;
    v.support = checked(VEXA_IDC_SUPPORT_ON);
    v.easySupport = checked(VEXA_IDC_SUPPORT_EASY_ON);
    v.insertAfterComplete = checked(VEXA_IDC_SUPPORT_INSERT_AFTER);
    v.backslashKey220 = checked(VEXA_IDC_SUPPORT_KEY_220);
    v.backslashKey226 = checked(VEXA_IDC_SUPPORT_KEY_226);
    for (const RadioGroup& g : Radios) {
        v.*g.field = g.fallback;
        for (int i = 0; i < g.count; ++i) {
            if (checked(g.buttons[i])) {
                v.*g.field = i;
                break;
            }
        }
    }
    v.keys = keys_;
    return v;
}

void PropertyDialogSupport::updateEnabling() const {
    // Greyed controls keep their values: they are still stored on apply.
    bool support = checked(VEXA_IDC_SUPPORT_ON);
    for (int id : SupportControls) enable(id, support);
    for (int id = VEXA_IDC_SUPPORT_LABEL_FIRST; id <= VEXA_IDC_SUPPORT_LABEL_LAST; ++id) enable(id, support);
    bool easy = checked(VEXA_IDC_SUPPORT_EASY_ON);
    for (int id : EasyControls) enable(id, easy);
}

void PropertyDialogSupport::captionKey(size_t slot) const {
    setItemText(KeyButtons[slot], wide::w(key_code::keyName(keys_[slot])));
}

void PropertyDialogSupport::changeKey(size_t slot) {
    // Until the user cancels or picks a key no other key of the group has.
    for (;;) {
        DialogChangeKey capture(handle());
        KeyCode code = capture.key();
        if (code == 0) return;
        uint32_t warning = support_page::conflictWarning(keys_, slot, code);
        if (warning == 0) {
            keys_[slot] = code;
            captionKey(slot);
            return;
        }
        lang::messageBox(handle(), warning, msgid::CaptionWarning, MB_OK | MB_ICONWARNING);
    }
}

void PropertyDialogSupport::clearHistory() const {
    if (lang::messageBox(handle(), msgid::SupportAskClearHistory, msgid::CaptionQuestion,
                         MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) != IDYES)
        return;
    if (CSetting* settings = app::settings())
        history_positions::clearHistory(*settings, history_positions::settingsPageHistoryKeys());
}

INT_PTR PropertyDialogSupport::onPageCommand(WORD id, WORD code, HWND) {
    if (code != BN_CLICKED) return 0;
    if (size_t slot = slotOf(id); slot < KeyCount) {
        changeKey(slot);
        return TRUE;
    }
    switch (id) {
    case VEXA_IDC_SUPPORT_ON:
    case VEXA_IDC_SUPPORT_EASY_ON: updateEnabling(); return TRUE;
    case VEXA_IDC_SUPPORT_CLEAR_HISTORY: clearHistory(); return TRUE;
    case VEXA_IDC_SUPPORT_HELP: showHelpTopic(instance(), cfgid::HelpSupportWindow); return TRUE;
    case VEXA_IDC_SUPPORT_EASY_HELP: showHelpTopic(instance(), cfgid::HelpEasySupport); return TRUE;
    default: return 0;
    }
}
