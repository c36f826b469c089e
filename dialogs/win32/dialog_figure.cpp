#include "dialogs/win32/dialog_figure.h"

#include "base/platform.h"
#include "base/win32/wide.h"
#include "dialogs/figure_controls.h"
#include "dialogs/figure_file.h"
#include "frame/message_ids.h"
#include "frame/win32/help.h"
#include "frame/win32/language.h"
#include "frame/win32/plugin_app.h"
#include "frame/win32/window_editor.h"
#include "lang/resource_ids.h"
#include "mainwindow/snippet.h"
#include "make/inverse_search.h"
#include "make/win32/source_jump.h"
#include "make/win32/vexa_make.h"
#include "settings/setting.h"
#include "settings/setting_keys.h"

#include <initializer_list>

namespace {

constexpr int TextLimit = 260;
constexpr int32_t ImageConversion = 10;

const int AlignRadios[] = {VEXA_IDC_FIGURE_ALIGN_NONE, VEXA_IDC_FIGURE_ALIGN_LEFT, VEXA_IDC_FIGURE_ALIGN_CENTER,
                           VEXA_IDC_FIGURE_ALIGN_RIGHT};

void enable(HWND dialog, std::initializer_list<int> ids, bool on) {
    for (int id : ids) EnableWindow(GetDlgItem(dialog, id), on ? TRUE : FALSE);
}

void check(HWND dialog, int id, bool on) { CheckDlgButton(dialog, id, on ? BST_CHECKED : BST_UNCHECKED); }

u16 documentPath(HWND editor) {
    WindowEditor ed(editor);
    return ed.exists() ? ed.GetDocumentPath() : u16();
}

} // namespace

DialogFigure::DialogFigure(HWND parent, HWND editor) : editor_(editor), file_(VEXA_IDC_FIGURE_FILE) {
    create(nullptr, VEXA_LANG_DIALOG_FIGURE, parent);
    if (inserted_ && IsWindow(editor_)) SetFocus(editor_);
}

bool DialogFigure::checked(int id) const { return IsDlgButtonChecked(handle(), id) == BST_CHECKED; }

INT_PTR DialogFigure::onInitDialog() {
    file_.open(handle(), documentPath(editor_), ini_keys::settings::FigureType);
    for (int id : {VEXA_IDC_FIGURE_LABEL_TEXT, VEXA_IDC_FIGURE_PLACEMENT, VEXA_IDC_FIGURE_CAPTION,
                   VEXA_IDC_FIGURE_FILE, VEXA_IDC_FIGURE_WIDTH, VEXA_IDC_FIGURE_HEIGHT})
        SendDlgItemMessageW(handle(), id, EM_LIMITTEXT, TextLimit, 0);
    u16 stored = figure::compose(figure::Choices{});
    if (CSetting* s = app::settings()) {
        if (const char16_t* text = s->readString(ini_keys::settings::Section, ini_keys::settings::Figure,
                                                 stored.c_str()))
            stored = text;
    }
    show(figure::parse(stored));
    applyEnabling();
    updateConvert();
    return TRUE;
}

void DialogFigure::show(const figure::Choices& c) {
    HWND d = handle();
    check(d, VEXA_IDC_FIGURE_ENVIRONMENT, c.environment);
    check(d, VEXA_IDC_FIGURE_PLAIN, !c.starred);
    check(d, VEXA_IDC_FIGURE_STARRED, c.starred);
    setItemText(VEXA_IDC_FIGURE_PLACEMENT, wide::w(c.placement));
    check(d, VEXA_IDC_FIGURE_LABEL, c.label);
    for (int i = 0; i < 4; ++i) check(d, AlignRadios[i], static_cast<int>(c.align) == i);
    check(d, VEXA_IDC_FIGURE_INPUT, c.inputCommand);
    check(d, VEXA_IDC_FIGURE_GRAPHICS, !c.inputCommand);
    check(d, VEXA_IDC_FIGURE_SIZE, c.sizeOptions);
    setItemText(VEXA_IDC_FIGURE_WIDTH, wide::w(c.width));
    setItemText(VEXA_IDC_FIGURE_HEIGHT, wide::w(c.height));
    check(d, VEXA_IDC_FIGURE_SIZE_KEYED, c.keyedSize);
    check(d, VEXA_IDC_FIGURE_SIZE_POSITIONAL, !c.keyedSize);
    check(d, VEXA_IDC_FIGURE_KEEP_ASPECT, c.keepAspectRatio);
}

figure::Choices DialogFigure::choices() const {
    figure::Choices c;
    c.environment = checked(VEXA_IDC_FIGURE_ENVIRONMENT);
    c.starred = checked(VEXA_IDC_FIGURE_STARRED);
    c.placement = wide::u(itemText(VEXA_IDC_FIGURE_PLACEMENT).c_str());
    c.label = checked(VEXA_IDC_FIGURE_LABEL);
    c.align = figure::Align::None;
    for (int i = 0; i < 4; ++i)
        if (checked(AlignRadios[i])) c.align = static_cast<figure::Align>(i);
    c.inputCommand = checked(VEXA_IDC_FIGURE_INPUT);
    c.sizeOptions = checked(VEXA_IDC_FIGURE_SIZE);
    c.width = wide::u(itemText(VEXA_IDC_FIGURE_WIDTH).c_str());
    c.height = wide::u(itemText(VEXA_IDC_FIGURE_HEIGHT).c_str());
    c.keyedSize = checked(VEXA_IDC_FIGURE_SIZE_KEYED);
    c.keepAspectRatio = checked(VEXA_IDC_FIGURE_KEEP_ASPECT);
    return c;
}

void DialogFigure::applyEnabling() {
    figure_controls::Switches s;
    s.environment = checked(VEXA_IDC_FIGURE_ENVIRONMENT);
    s.label = checked(VEXA_IDC_FIGURE_LABEL);
    s.inputCommand = checked(VEXA_IDC_FIGURE_INPUT);
    s.sizeOptions = checked(VEXA_IDC_FIGURE_SIZE);
    s.keyedSize = checked(VEXA_IDC_FIGURE_SIZE_KEYED);
    figure_controls::Enabled e = figure_controls::enabled(s);
    HWND d = handle();
    enable(d,
           {VEXA_IDC_FIGURE_PLAIN, VEXA_IDC_FIGURE_STARRED, VEXA_IDC_FIGURE_PLACEMENT, VEXA_IDC_FIGURE_PLACEMENT_LABEL,
            VEXA_IDC_FIGURE_CAPTION, VEXA_IDC_FIGURE_LABEL, VEXA_IDC_FIGURE_ALIGN_NONE, VEXA_IDC_FIGURE_ALIGN_LEFT,
            VEXA_IDC_FIGURE_ALIGN_CENTER, VEXA_IDC_FIGURE_ALIGN_RIGHT},
           e.environmentParts);
    enable(d, {VEXA_IDC_FIGURE_LABEL_TEXT}, e.labelText);
    enable(d, {VEXA_IDC_FIGURE_SIZE}, e.sizeSwitch);
    enable(d,
           {VEXA_IDC_FIGURE_WIDTH_LABEL, VEXA_IDC_FIGURE_WIDTH, VEXA_IDC_FIGURE_HEIGHT_LABEL, VEXA_IDC_FIGURE_HEIGHT,
            VEXA_IDC_FIGURE_TEXTWIDTH, VEXA_IDC_FIGURE_SIZE_POSITIONAL, VEXA_IDC_FIGURE_SIZE_KEYED},
           e.sizeParts);
    enable(d, {VEXA_IDC_FIGURE_KEEP_ASPECT}, e.keepAspect);
}

void DialogFigure::updateConvert() {
    enable(handle(), {VEXA_IDC_FIGURE_CONVERT}, figure_file::convertible(file_.text()));
}

INT_PTR DialogFigure::onCommand(WORD id, WORD code, HWND) {
    switch (id) {
    case IDOK: accept(); return 1;
    case IDCANCEL: close(IDCANCEL); return 1;
    case VEXA_IDC_FIGURE_ENVIRONMENT:
    case VEXA_IDC_FIGURE_LABEL:
    case VEXA_IDC_FIGURE_INPUT:
    case VEXA_IDC_FIGURE_GRAPHICS:
    case VEXA_IDC_FIGURE_SIZE:
    case VEXA_IDC_FIGURE_SIZE_POSITIONAL:
    case VEXA_IDC_FIGURE_SIZE_KEYED:
        if (code == BN_CLICKED) applyEnabling();
        return 1;
    case VEXA_IDC_FIGURE_TEXTWIDTH: setItemText(VEXA_IDC_FIGURE_WIDTH, L"\\textwidth"); return 1;
    case VEXA_IDC_FILE_FULL_PATH:
    case VEXA_IDC_FILE_RELATIVE:
    case VEXA_IDC_FILE_NAME_ONLY:
        if (code == BN_CLICKED) file_.restyle();
        return 1;
    case VEXA_IDC_FILE_BROWSE:
        file_.browse(msgid::FigureBrowseTitle,
                     checked(VEXA_IDC_FIGURE_INPUT) ? msgid::FilterTexFiles : msgid::FilterGraphicsFiles);
        return 1;
    case VEXA_IDC_FIGURE_FILE:
        if (code != EN_CHANGE) return 0;
        file_.changed();
        updateConvert();
        return 1;
    case VEXA_IDC_FIGURE_CONVERT: convert(); return 1;
    case VEXA_IDC_SAVE_DEFAULTS: saveDefaults(); return 1;
    case VEXA_IDC_FIGURE_HELP: showHelpTopic(instance(), cfgid::HelpFigure); return 1;
    default: return 0;
    }
}

void DialogFigure::saveDefaults() {
    if (!lang::ask(handle(), msgid::FigureAskSaveDefaults)) return;
    if (CSetting* s = app::settings())
        s->writeString(ini_keys::settings::Section, ini_keys::settings::Figure, figure::compose(choices()).c_str());
}

void DialogFigure::convert() {
    u16 text = file_.text();
    if (!figure_file::convertible(text)) return;
    u16 image = figure_file::fileOf(text, file_.document());
    if (!platform::fileExists(image)) return;
    int32_t set = inverse_search::CommandSet(source_jump::IsSourceSpecialMode(), false);
    vexa_make::RunMake(handle(), instance(), editor_, ImageConversion, set, nullptr, image);
    if (!handle()) return;   // the dialog went while the run waited
    u16 eps = figure_file::epsName(text);
    if (platform::fileExists(figure_file::fileOf(eps, file_.document()))) file_.setText(eps);
}

void DialogFigure::accept() {
    figure::Texts texts;
    texts.caption = wide::u(itemText(VEXA_IDC_FIGURE_CAPTION).c_str());
    texts.label = wide::u(itemText(VEXA_IDC_FIGURE_LABEL_TEXT).c_str());
    texts.file = file_.text();
    Fragment f = figure::build(choices(), texts);
    WindowEditor editor(editor_);
    snippet::Target target{editor, true};
    inserted_ = snippet::insertSnippet(target, f.before, f.after, snippet::Wrap);
    close(IDOK);
}
