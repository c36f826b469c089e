#include "make/win32/property_dialog_make.h"

#include "base/str.h"
#include "base/win32/wide.h"
#include "frame/message_ids.h"
#include "frame/win32/help.h"
#include "frame/win32/language.h"
#include "frame/win32/open_file_dialog.h"
#include "frame/win32/plugin_app.h"
#include "lang/resource_ids.h"
#include "make/command_sets.h"
#include "make/make_settings_page.h"
#include "make/win32/folder_source_win32.h"
#include "make/win32/source_jump.h"
#include "settings/setting.h"

#include <memory>
#include <optional>
#include <type_traits>
#include <vector>

namespace {

const wchar_t kEntryProperty[] = L"Vexa_Edit_Prop";
constexpr int StepTextLimit = 261;
constexpr int TeXEditParamLimit = 260;
constexpr int PreviewerLimit = 520;

void warn(HWND owner, uint32_t id) { lang::messageBox(owner, id, msgid::CaptionWarning, MB_OK | MB_ICONWARNING); }

// The command file's path: in the settings folder (the plug-in's when
// there is none), copied there from the plug-in's folder when missing.
u16 commandFilePath(HINSTANCE plugin) {
    u16 pluginFolder = wide::u(lang::pluginFolder(plugin).c_str());
    CSetting* settings = app::settings();
    const char16_t* folder = settings ? settings->settingsFolder() : nullptr;
    return command_file::LocateCommandFile(folder && *folder ? u16view(folder) : u16view(pluginFolder),
                                           pluginFolder);
}

} // namespace

PropertyDialogMake::PropertyDialogMake() : SettingsPage(VEXA_LANG_DLG_MAKE_SETTINGS, msgid::MakePageTitle) {}

// --- opening -----------------------------------------------------------------

void PropertyDialogMake::load() {
    filling_ = true;
    if (!subclassEntry()) {
        // Already said why; a disabled page shows and writes nothing.
        filling_ = false;
        return;
    }
    SendMessageW(item(VEXA_IDC_MAKE_PROGRAM), EM_LIMITTEXT, StepTextLimit, 0);
    SendMessageW(item(VEXA_IDC_MAKE_ARGUMENTS), EM_LIMITTEXT, StepTextLimit, 0);
    SendMessageW(item(VEXA_IDC_MAKE_ENTRY), EM_LIMITTEXT, make_page::MaxEntryLength, 0);
    SendMessageW(item(VEXA_IDC_MAKE_TEXEDIT_PARAM), EM_LIMITTEXT, TeXEditParamLimit, 0);
    SendMessageW(item(VEXA_IDC_MAKE_PREVIEWER_SRC), EM_LIMITTEXT, PreviewerLimit, 0);
    SendMessageW(item(VEXA_IDC_MAKE_DEPTH_SPIN), UDM_SETRANGE32, 0, make_page::MaxSubDirectory);

    CheckRadioButton(handle(), VEXA_IDC_MAKE_SET1, VEXA_IDC_MAKE_SET2, VEXA_IDC_MAKE_SET1);
    HWND tools = item(VEXA_IDC_MAKE_TOOL);
    for (uint32_t k = 0; k < make_page::ToolCount; ++k)
        SendMessageW(tools, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(lang::message(msgid::MakePageFirstTool + k)));
    SendMessageW(tools, CB_SETCURSEL, 0, 0);
    shown_ = -1;
    set_ = 1;
    readCommandFile();

    CSetting* settings = app::settings();
    make_page::Values values = settings ? make_page::Load(*settings) : make_page::Defaults();
    show(values);

    u16 source;
    if (source_jump::ReadPreviewerSource(source)) setItemText(VEXA_IDC_MAKE_PREVIEWER_SRC, wide::w(source));
    previewerChanged_ = false;
    filling_ = false;
}

void PropertyDialogMake::addTips() {
    tip(VEXA_IDC_MAKE_TOOL, msgid::MakePageTipTool);
    tip(VEXA_IDC_MAKE_PROGRAM, msgid::MakePageTipProgram);
    tip(VEXA_IDC_MAKE_BROWSE, msgid::MakePageTipProgram);
    tip(VEXA_IDC_MAKE_ARGUMENTS, msgid::MakePageTipArguments);
    tip(VEXA_IDC_MAKE_PSPDF, msgid::MakePageTipPsPdf);
    tip(VEXA_IDC_MAKE_SHORT, msgid::MakePageTipShortMake);
    tip(VEXA_IDC_MAKE_AUTOCLOSE, msgid::MakePageTipAutoClose);
    tip(VEXA_IDC_MAKE_CALL, msgid::MakePageTipCall);
    tip(VEXA_IDC_MAKE_LOAD_SET, msgid::MakePageTipLoadSet);
    for (int id : {VEXA_IDC_MAKE_TEXEDIT_NONE, VEXA_IDC_MAKE_TEXEDIT_UNSET, VEXA_IDC_MAKE_TEXEDIT_ALWAYS,
                   VEXA_IDC_MAKE_TEXEDIT_PARAM})
        tip(id, msgid::MakePageTipTeXEdit);
    for (int id : {VEXA_IDC_MAKE_DELETE_DEMAND, VEXA_IDC_MAKE_DELETE_AFTER_RUN, VEXA_IDC_MAKE_DELETE_CLOSING,
                   VEXA_IDC_MAKE_ADD, VEXA_IDC_MAKE_REMOVE, VEXA_IDC_MAKE_ENTRY, VEXA_IDC_MAKE_LIST})
        tip(id, msgid::MakePageTipDelete);
    tip(VEXA_IDC_MAKE_DEPTH, msgid::MakePageTipDepth);
    tip(VEXA_IDC_MAKE_REPORT, msgid::MakePageTipReport);
    tip(VEXA_IDC_MAKE_PREVIEWER_SRC, msgid::MakePageTipPreviewer);
    tip(VEXA_IDC_MAKE_START, msgid::MakePageTipStart);
    tip(VEXA_IDC_MAKE_UNDO, msgid::MakePageTipUndo);
}

void PropertyDialogMake::readCommandFile() {
    u16 path = commandFilePath(instance());
    if (path.empty()) return disable(msgid::MakePageNoCommandFile);
    CommandFile file(path);
    if (file.IsInvalidFile()) return disable(msgid::MakePageNoCommandFile);
    if (file.IsInvalid()) {
        // No step can be read from a broken template either.
        warn(handle(), msgid::MakePageInvalidTemplate);
        return disable(msgid::MakePageStepNotRead);
    }
    for (size_t k = 0; k < command_file::SectionCount; ++k)
        if (!file.ReadStep(k, steps_[k])) return disable(msgid::MakePageStepNotRead);
    showStep(1, 0);
}

void PropertyDialogMake::disable(uint32_t messageId) {
    warn(handle(), messageId);
    disabled_ = true;
    EnableWindow(handle(), FALSE);
}

// --- the values of the settings file ------------------------------------------

void PropertyDialogMake::show(const make_page::Values& v) {
    bool wasFilling = filling_;
    filling_ = true;
    check(VEXA_IDC_MAKE_PSPDF, v.psPdfDefault);
    check(VEXA_IDC_MAKE_SHORT, v.shortMake);
    check(VEXA_IDC_MAKE_AUTOCLOSE, v.autoClose);
    int deletion = v.autoDelete == 0   ? VEXA_IDC_MAKE_DELETE_DEMAND
                   : v.autoDelete == 2 ? VEXA_IDC_MAKE_DELETE_AFTER_RUN
                                       : VEXA_IDC_MAKE_DELETE_CLOSING;
    for (int id : {VEXA_IDC_MAKE_DELETE_DEMAND, VEXA_IDC_MAKE_DELETE_CLOSING, VEXA_IDC_MAKE_DELETE_AFTER_RUN})
        check(id, id == deletion);
    check(VEXA_IDC_MAKE_UNDO, v.deleteUndo);
    HWND list = item(VEXA_IDC_MAKE_LIST);
    SendMessageW(list, LB_RESETCONTENT, 0, 0);
    for (const u16& entry : v.deleteList) SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide::w(entry)));
    setItemText(VEXA_IDC_MAKE_DEPTH, wide::w(str::fromInt(v.subDirectory)));
    CheckDlgButton(handle(), VEXA_IDC_MAKE_REPORT, UINT(make_page::ReportSetting(v.deleteReport)));
    int texEdit = v.texEdit == 0   ? VEXA_IDC_MAKE_TEXEDIT_NONE
                  : v.texEdit == 2 ? VEXA_IDC_MAKE_TEXEDIT_ALWAYS
                                   : VEXA_IDC_MAKE_TEXEDIT_UNSET;
    CheckRadioButton(handle(), VEXA_IDC_MAKE_TEXEDIT_NONE, VEXA_IDC_MAKE_TEXEDIT_ALWAYS, texEdit);
    setItemText(VEXA_IDC_MAKE_TEXEDIT_PARAM, wide::w(v.texEditParam));
    texEditChanged();
    filling_ = wasFilling;
}

make_page::Values PropertyDialogMake::shownValues() const {
    make_page::Values v;
    v.psPdfDefault = checked(VEXA_IDC_MAKE_PSPDF);
    v.shortMake = checked(VEXA_IDC_MAKE_SHORT);
    v.autoClose = checked(VEXA_IDC_MAKE_AUTOCLOSE);
    v.autoDelete = checked(VEXA_IDC_MAKE_DELETE_DEMAND) ? 0 : checked(VEXA_IDC_MAKE_DELETE_AFTER_RUN) ? 2 : 1;
    v.deleteUndo = checked(VEXA_IDC_MAKE_UNDO);
    v.deleteList = listEntries();
    v.subDirectory = str::toInt(wide::u(itemText(VEXA_IDC_MAKE_DEPTH).c_str()));
    switch (IsDlgButtonChecked(handle(), VEXA_IDC_MAKE_REPORT)) {
    case BST_UNCHECKED: v.deleteReport = make_page::CheckState::Unchecked; break;
    case BST_INDETERMINATE: v.deleteReport = make_page::CheckState::Indeterminate; break;
    default: v.deleteReport = make_page::CheckState::Checked; break;
    }
    v.texEdit = checked(VEXA_IDC_MAKE_TEXEDIT_NONE) ? 0 : checked(VEXA_IDC_MAKE_TEXEDIT_ALWAYS) ? 2 : 1;
    v.texEditParam = wide::u(itemText(VEXA_IDC_MAKE_TEXEDIT_PARAM).c_str());
    return v;
}

std::vector<u16> PropertyDialogMake::listEntries() const {
    HWND list = item(VEXA_IDC_MAKE_LIST);
    std::vector<u16> entries;
    LRESULT count = SendMessageW(list, LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        LRESULT length = SendMessageW(list, LB_GETTEXTLEN, WPARAM(i), 0);
        if (length < 0) continue;
        std::wstring text(size_t(length) + 1, L'\0');
        SendMessageW(list, LB_GETTEXT, WPARAM(i), reinterpret_cast<LPARAM>(text.data()));
        entries.push_back(wide::u(text.c_str()));
    }
    return entries;
}

// --- steps --------------------------------------------------------------------

void PropertyDialogMake::showStep(int set, int tool) {
    bool wasFilling = filling_;
    filling_ = true;
    set_ = set;
    shown_ = int(make_page::StepIndex(size_t(tool), set));
    setItemText(VEXA_IDC_MAKE_PROGRAM, wide::w(steps_[size_t(shown_)].program));
    setItemText(VEXA_IDC_MAKE_ARGUMENTS, wide::w(steps_[size_t(shown_)].arguments));
    filling_ = wasFilling;
}

void PropertyDialogMake::storeShownStep() {
    if (shown_ < 0) return;
    steps_[size_t(shown_)] = {wide::u(itemText(VEXA_IDC_MAKE_PROGRAM).c_str()),
                              wide::u(itemText(VEXA_IDC_MAKE_ARGUMENTS).c_str())};
}

int PropertyDialogMake::selectedTool() const {
    LRESULT tool = SendMessageW(item(VEXA_IDC_MAKE_TOOL), CB_GETCURSEL, 0, 0);
    return tool == CB_ERR ? 0 : int(tool);
}

// --- commands -----------------------------------------------------------------

INT_PTR PropertyDialogMake::onPageCommand(WORD id, WORD code, HWND) {
    switch (id) {
    case VEXA_IDC_MAKE_TOOL:
        if (code == CBN_SELCHANGE && shown_ >= 0) {
            storeShownStep();
            showStep(set_, selectedTool());
        }
        return TRUE;
    case VEXA_IDC_MAKE_SET1:
    case VEXA_IDC_MAKE_SET2: {
        int set = id == VEXA_IDC_MAKE_SET1 ? 1 : 2;
        if (code == BN_CLICKED && set != set_ && shown_ >= 0) {
            storeShownStep();
            showStep(set, selectedTool());
        }
        return TRUE;
    }
    case VEXA_IDC_MAKE_BROWSE:
        if (code == BN_CLICKED) browse();
        return TRUE;
    case VEXA_IDC_MAKE_LOAD_SET:
        if (code == BN_CLICKED) loadCommandSet();
        return TRUE;
    case VEXA_IDC_MAKE_CALL:
    case VEXA_IDC_MAKE_START:
        if (code == BN_CLICKED) {
            u16 program = wide::u(itemText(VEXA_IDC_MAKE_PROGRAM).c_str());
            program = id == VEXA_IDC_MAKE_CALL ? make_page::ToggleCallPrefix(program)
                                               : make_page::ToggleStartPrefix(program);
            setItemText(VEXA_IDC_MAKE_PROGRAM, wide::w(program));
        }
        return TRUE;
    case VEXA_IDC_MAKE_ENTRY:
        if (code == EN_CHANGE && !filling_) cleanEntry();
        return TRUE;
    case VEXA_IDC_MAKE_ADD:
        if (code == BN_CLICKED) addEntry();
        return TRUE;
    case VEXA_IDC_MAKE_REMOVE:
        if (code == BN_CLICKED) removeEntry();
        return TRUE;
    case VEXA_IDC_MAKE_TEXEDIT_NONE:
    case VEXA_IDC_MAKE_TEXEDIT_UNSET:
    case VEXA_IDC_MAKE_TEXEDIT_ALWAYS:
        if (code == BN_CLICKED) texEditChanged();
        return TRUE;
    case VEXA_IDC_MAKE_PREVIEWER_SRC:
        if (code == EN_CHANGE && !filling_) previewerChanged_ = true;
        return TRUE;
    case VEXA_IDC_MAKE_HELP_COMMANDS:
        if (code == BN_CLICKED) showHelpTopic(instance(), cfgid::HelpCommandLines);
        return TRUE;
    case VEXA_IDC_MAKE_HELP_DELETE:
        if (code == BN_CLICKED) showHelpTopic(instance(), cfgid::HelpAuxDeletion);
        return TRUE;
    case VEXA_IDC_MAKE_HELP_TEXEDIT:
        if (code == BN_CLICKED) showHelpTopic(instance(), cfgid::HelpInverseSearch);
        return TRUE;
    default: return 0;
    }
}

void PropertyDialogMake::texEditChanged() {
    bool on = !checked(VEXA_IDC_MAKE_TEXEDIT_NONE);
    enable(VEXA_IDC_MAKE_TEXEDIT_PARAM, on);
    enable(VEXA_IDC_MAKE_TEXEDIT_LABEL, on);
}

void PropertyDialogMake::browse() {
    open_file::Request request;
    request.owner = handle();
    request.titleId = msgid::MakePageChooseProgram;
    request.filterId = msgid::FilterPrograms;
    u16 chosen;
    if (!open_file::choose(request, chosen)) return;
    u16 current = wide::u(itemText(VEXA_IDC_MAKE_PROGRAM).c_str());
    setItemText(VEXA_IDC_MAKE_PROGRAM, wide::w(make_page::ChosenProgram(chosen, current)));
}

namespace {

// The sets as a menu below the button; the index of the choice, or none.
std::optional<size_t> chooseSet(HWND page, HWND button, const std::vector<command_sets::Entry>& sets) {
    struct MenuDeleter {
        void operator()(HMENU m) const { DestroyMenu(m); }
    };
    std::unique_ptr<std::remove_pointer_t<HMENU>, MenuDeleter> owned(CreatePopupMenu());
    HMENU menu = owned.get();
    if (!menu) return std::nullopt;
    for (size_t i = 0; i < sets.size(); ++i)
        AppendMenuW(menu, MF_STRING, UINT_PTR(i + 1), wide::w(command_sets::MenuText(sets[i].name)));
    RECT at{};
    GetWindowRect(button, &at);
    auto chosen = static_cast<UINT>(TrackPopupMenu(menu, TPM_RETURNCMD | TPM_LEFTALIGN | TPM_TOPALIGN | TPM_LEFTBUTTON,
                                                   at.left, at.bottom, 0, page, nullptr));
    if (chosen == 0 || chosen > sets.size()) return std::nullopt;
    return size_t(chosen - 1);
}

} // namespace

void PropertyDialogMake::loadCommandSet() {
    u16 folder = command_sets::Folder(wide::u(lang::pluginFolder(instance()).c_str()));
    std::vector<command_sets::Entry> sets = command_sets::List(folder, aux_delete::Win32FolderSource());
    if (sets.empty()) return warn(handle(), msgid::MakePageNoCommandSets);
    std::optional<size_t> chosen = chooseSet(handle(), item(VEXA_IDC_MAKE_LOAD_SET), sets);
    if (!chosen) return;
    std::optional<command_sets::Steps> steps = command_sets::Read(sets[*chosen].path);
    if (!steps) return warn(handle(), msgid::MakePageCommandSetNotRead);
    steps_ = *steps;
    showStep(set_, selectedTool());
}

void PropertyDialogMake::addEntry() {
    u16 entry = wide::u(itemText(VEXA_IDC_MAKE_ENTRY).c_str());
    std::vector<u16> entries = listEntries();
    switch (make_page::AddEntry(entries, entry)) {
    case make_page::AddOutcome::TooMany: warn(handle(), msgid::MakePageTooManyEntries); return;
    case make_page::AddOutcome::StarInside: warn(handle(), msgid::MakePageStarInside); return;
    case make_page::AddOutcome::StarWithoutDot: warn(handle(), msgid::MakePageStarWithoutDot); return;
    case make_page::AddOutcome::Empty:
    case make_page::AddOutcome::Duplicate: return;
    case make_page::AddOutcome::Added: break;
    }
    HWND list = item(VEXA_IDC_MAKE_LIST);
    LRESULT at = SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide::w(entry)));
    if (at >= 0) SendMessageW(list, LB_SETCURSEL, WPARAM(at), 0);
    setItemText(VEXA_IDC_MAKE_ENTRY, L"");
}

void PropertyDialogMake::removeEntry() {
    HWND list = item(VEXA_IDC_MAKE_LIST);
    LRESULT selected = SendMessageW(list, LB_GETCURSEL, 0, 0);
    std::vector<u16> entries = listEntries();
    std::optional<size_t> next =
        make_page::RemoveEntry(entries, selected == LB_ERR ? std::nullopt : std::optional<size_t>(size_t(selected)));
    if (!next) return;
    SendMessageW(list, LB_DELETESTRING, WPARAM(selected), 0);
    SendMessageW(list, LB_SETCURSEL, WPARAM(*next), 0);
}

// --- the entry box --------------------------------------------------------------

bool PropertyDialogMake::subclassEntry() {
    HWND box = item(VEXA_IDC_MAKE_ENTRY);
    if (!box) return true;   // a library without the box: nothing to filter
    if (!SetPropW(box, kEntryProperty, this)) {
        warn(handle(), msgid::WindowPropertyFailed);
        disabled_ = true;
        EnableWindow(handle(), FALSE);
        return false;
    }
    entryPrevious_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(box, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&PropertyDialogMake::entryProc)));
    if (!entryPrevious_) {
        RemovePropW(box, kEntryProperty);
        warn(handle(), msgid::SubclassFailed);
        disabled_ = true;
        EnableWindow(handle(), FALSE);
        return false;
    }
    return true;
}

LRESULT CALLBACK PropertyDialogMake::entryProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = static_cast<PropertyDialogMake*>(GetPropW(window, kEntryProperty));
    if (!self || !self->entryPrevious_) return DefWindowProcW(window, message, wParam, lParam);
    WNDPROC previous = self->entryPrevious_;
    switch (message) {
    case WM_CHAR:
        // Control characters (Backspace, the clipboard keys) pass untouched.
        if (wParam >= 0x20) {
            char16_t kept = make_page::EntryChar(char16_t(wParam));
            if (!kept) return 0;
            wParam = kept;
        }
        return CallWindowProcW(previous, window, message, wParam, lParam);
    case WM_NCDESTROY:
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
        RemovePropW(window, kEntryProperty);
        self->entryPrevious_ = nullptr;
        return CallWindowProcW(previous, window, message, wParam, lParam);
    default: return CallWindowProcW(previous, window, message, wParam, lParam);
    }
}

// Pasted text passes the same filter as typed text.
void PropertyDialogMake::cleanEntry() {
    u16 text = wide::u(itemText(VEXA_IDC_MAKE_ENTRY).c_str());
    u16 clean;
    for (char16_t c : text)
        if (char16_t kept = make_page::EntryChar(c)) clean += kept;
    if (clean == text) return;
    filling_ = true;
    setItemText(VEXA_IDC_MAKE_ENTRY, wide::w(clean));
    filling_ = false;
    SendMessageW(item(VEXA_IDC_MAKE_ENTRY), EM_SETSEL, clean.size(), clean.size());
}

// --- defaults and applying --------------------------------------------------------

void PropertyDialogMake::restoreDefaults() {
    for (size_t k = 0; k < command_file::SectionCount; ++k) steps_[k] = command_file::DefaultStep(k);
    CheckRadioButton(handle(), VEXA_IDC_MAKE_SET1, VEXA_IDC_MAKE_SET2, VEXA_IDC_MAKE_SET1);
    SendMessageW(item(VEXA_IDC_MAKE_TOOL), CB_SETCURSEL, 0, 0);
    showStep(1, 0);
    show(make_page::Defaults());
}

void PropertyDialogMake::apply() {
    if (disabled_) return;
    storeShownStep();
    if (CSetting* settings = app::settings()) make_page::Store(*settings, shownValues());
    if (previewerChanged_) {
        source_jump::WritePreviewerSource(wide::u(itemText(VEXA_IDC_MAKE_PREVIEWER_SRC).c_str()));
        previewerChanged_ = false;
    }
    writeCommandFile();
}

void PropertyDialogMake::writeCommandFile() {
    u16 path = commandFilePath(instance());
    if (path.empty()) return disable(msgid::MakePageNoCommandFile);
    CommandFile file(path);
    if (file.IsInvalidFile()) return disable(msgid::MakePageNoCommandFile);
    if (file.IsInvalid()) {
        warn(handle(), msgid::MakePageInvalidTemplate);
        return disable(msgid::MakePageStepNotWritten);
    }
    for (size_t k = 0; k < command_file::SectionCount; ++k)
        if (!file.WriteStep(k, steps_[k])) return disable(msgid::MakePageStepNotWritten);
    switch (file.Close()) {
    case CLine::SaveResult::Refused: return disable(msgid::MakePageFileWouldLoseText);
    case CLine::SaveResult::Failed: return disable(msgid::MakePageStepNotWritten);
    case CLine::SaveResult::Unchanged:
    case CLine::SaveResult::Written: return;
    }
}
