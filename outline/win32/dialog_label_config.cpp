#include "outline/win32/dialog_label_config.h"

#include "base/win32/wide.h"
#include "frame/message_ids.h"
#include "frame/win32/help.h"
#include "frame/win32/language.h"
#include "frame/win32/module.h"
#include "frame/win32/plugin_app.h"
#include "lang/resource_ids.h"
#include "outline/label_config.h"
#include "settings/setting.h"

namespace {
// Box i shows label_config::BoxClasses[i].
constexpr int FirstBox = VEXA_IDC_LABEL_PART;
static_assert(VEXA_IDC_LABEL_ITEM - VEXA_IDC_LABEL_PART + 1 == LabelPrefixes::Count);
} // namespace

DialogLabelConfig::DialogLabelConfig(HWND parent, CSetting* settings)
    : settings_(settings ? settings : app::settings()) {
    result_ = create(nullptr, VEXA_LANG_DLG_LABEL_CONFIG, parent);
}

INT_PTR DialogLabelConfig::onInitDialog() {
    for (size_t i = 0; i < LabelPrefixes::Count; ++i)
        SendMessageW(item(FirstBox + static_cast<int>(i)), EM_LIMITTEXT, label_config::MaxPrefixLength, 0);
    fill(false);
    return TRUE;
}

void DialogLabelConfig::fill(bool defaults) {
    LabelPrefixes p = defaults || !settings_ ? LabelPrefixes::defaults() : label_config::read(*settings_);
    for (size_t i = 0; i < LabelPrefixes::Count; ++i)
        setItemText(FirstBox + static_cast<int>(i), wide::w(p.prefix[label_config::BoxClasses[i]]));
}

bool DialogLabelConfig::save() {
    LabelPrefixes p;
    for (size_t i = 0; i < LabelPrefixes::Count; ++i) {
        std::wstring text = itemText(FirstBox + static_cast<int>(i));
        p.prefix[label_config::BoxClasses[i]] = wide::u(text.c_str(), text.size());
    }
    if (!label_config::complete(p)) return false;
    // A settings file that cannot be written is no reason to keep the user
    // in the dialog; the outline then keeps classifying as before.
    if (settings_) label_config::write(*settings_, p);
    return true;
}

INT_PTR DialogLabelConfig::onCommand(WORD id, WORD code, HWND) {
    if (code != BN_CLICKED) return 0;
    switch (id) {
    case IDOK:
        if (save()) close(1);
        return 1;
    case IDCANCEL:
        close(0);
        return 1;
    case VEXA_IDC_LABEL_DEFAULTS:
        if (lang::messageBox(handle(), msgid::LabelConfigAskDefaults, msgid::CaptionQuestion,
                             MB_YESNO | MB_DEFBUTTON2 | MB_ICONQUESTION) == IDYES)
            fill(true);
        return 1;
    case IDHELP:
        showHelpTopic(pluginInstance(), cfgid::HelpLabelConfig);
        return 1;
    default:
        return 0;
    }
}
