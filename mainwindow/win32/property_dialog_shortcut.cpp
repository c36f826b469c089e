#include "mainwindow/win32/property_dialog_shortcut.h"

#include "base/win32/wide.h"
#include "frame/message_ids.h"
#include "frame/win32/language.h"
#include "frame/win32/plugin_app.h"
#include "lang/resource_ids.h"
#include "mainwindow/key_code.h"
#include "mainwindow/shortcut_page.h"
#include "mainwindow/win32/toolbar.h"
#include "settings/setting.h"
#include "settings/setting_keys.h"

#include <imm.h>

namespace {

const wchar_t kHotkeyProperty[] = L"Vexa_Hotkey_Prop";
constexpr int kNameColumnWidth = 300;
constexpr int kKeyColumnWidth = 170;

using namespace ini_keys::shortcut;

u16 libraryText(uint32_t id) { return lang::text(id); }

const int kStatusControlled[] = {VEXA_IDC_SHORTCUT_LIST, VEXA_IDC_SHORTCUT_HOTKEY, VEXA_IDC_SHORTCUT_HOTKEY_LABEL,
                                 VEXA_IDC_SHORTCUT_CHECK};

void addColumn(HWND list, int index, uint32_t titleId, int width) {
    std::wstring title = lang::message(titleId);
    LVCOLUMNW column = {};
    column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
    column.pszText = title.data();
    column.cx = width;
    column.iSubItem = index;
    SendMessageW(list, LVM_INSERTCOLUMNW, index, reinterpret_cast<LPARAM>(&column));
}

} // namespace

PropertyDialogShortcut::PropertyDialogShortcut()
    : SettingsPage(VEXA_LANG_DLG_SHORTCUT_PAGE, msgid::ShortcutTitle) {}

PropertyDialogShortcut::~PropertyDialogShortcut() {
    if (images_) ImageList_Destroy(images_);
}

void PropertyDialogShortcut::load() {
    list_ = item(VEXA_IDC_SHORTCUT_LIST);
    hotkey_ = item(VEXA_IDC_SHORTCUT_HOTKEY);
    if (!list_ || !hotkey_ || !subclassHotkey()) {
        // Without its controls the page could only store keys the user
        // never saw: it stays inert and OK leaves the section alone.
        for (HWND child = GetWindow(handle(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
            EnableWindow(child, FALSE);
        return;
    }
    usable_ = true;
    // A key alone is no shortcut: typed alone it becomes Ctrl + Shift + key.
    SendMessageW(hotkey_, HKM_SETRULES, HKCOMB_NONE, MAKELPARAM(HOTKEYF_SHIFT | HOTKEYF_CONTROL, 0));
    CSetting* settings = app::settings();
    keys_ = settings ? shortcuts::readShortcuts(*settings) : shortcuts::defaultShortcuts();
    check(VEXA_IDC_SHORTCUT_STATUS, !settings || settings->readInt(Section, Status, 1) != 0);
    setUpList();
    enableForStatus();
}

bool PropertyDialogShortcut::subclassHotkey() {
    if (!SetPropW(hotkey_, kHotkeyProperty, this)) {
        lang::messageBox(handle(), msgid::WindowPropertyFailed, msgid::CaptionWarning, MB_OK | MB_ICONWARNING);
        return false;
    }
    hotkeyPrevious_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(hotkey_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&hotkeyProc)));
    if (!hotkeyPrevious_) {
        RemovePropW(hotkey_, kHotkeyProperty);
        lang::messageBox(handle(), msgid::SubclassFailed, msgid::CaptionWarning, MB_OK | MB_ICONWARNING);
        return false;
    }
    return true;
}

LRESULT CALLBACK PropertyDialogShortcut::hotkeyProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = static_cast<PropertyDialogShortcut*>(GetPropW(window, kHotkeyProperty));
    if (!self || !self->hotkeyPrevious_) return DefWindowProcW(window, message, wParam, lParam);
    WNDPROC previous = self->hotkeyPrevious_;
    if (message == WM_NCDESTROY) {
        // Whoever subclassed the box after us still calls us: put nothing
        // back, just stop finding the page.
        RemovePropW(window, kHotkeyProperty);
        self->hotkeyPrevious_ = nullptr;
        self->hotkey_ = nullptr;
        return CallWindowProcW(previous, window, message, wParam, lParam);
    }
    LRESULT result = CallWindowProcW(previous, window, message, wParam, lParam);
    if (message == WM_SETFOCUS) {
        // Keys for the box must arrive as keys, not as input-method text.
        if (HIMC context = ImmGetContext(window)) {
            ImmSetOpenStatus(context, FALSE);
            ImmReleaseContext(window, context);
        }
    }
    return result;
}

void PropertyDialogShortcut::setUpList() {
    SendMessageW(list_, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
    images_ = toolbar::loadImages();
    if (images_) SendMessageW(list_, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(images_));
    addColumn(list_, 0, msgid::ShortcutColumnCommand, kNameColumnWidth);
    addColumn(list_, 1, msgid::ShortcutColumnKey, kKeyColumnWidth);
    SendMessageW(list_, LVM_SETITEMCOUNT, shortcuts::SlotCount, 0);
    for (size_t slot = 0; slot < shortcuts::SlotCount; ++slot) {
        u16 name = shortcut_page::rowText(slot, libraryText);
        LVITEMW row = {};
        row.mask = LVIF_TEXT | LVIF_IMAGE;
        row.iItem = static_cast<int>(slot);
        row.pszText = const_cast<wchar_t*>(wide::w(name));
        row.iImage = shortcut_page::slotImage(slot);
        SendMessageW(list_, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&row));
    }
    showKeys();
}

void PropertyDialogShortcut::showKeys() {
    for (size_t slot = 0; slot < shortcuts::SlotCount; ++slot) showKey(static_cast<int>(slot));
}

void PropertyDialogShortcut::showKey(int row) {
    if (row < 0 || row >= static_cast<int>(shortcuts::SlotCount)) return;
    u16 name = key_code::keyName(keys_[static_cast<size_t>(row)]);
    LVITEMW cell = {};
    cell.iSubItem = 1;
    cell.pszText = const_cast<wchar_t*>(wide::w(name));
    SendMessageW(list_, LVM_SETITEMTEXTW, row, reinterpret_cast<LPARAM>(&cell));
}

void PropertyDialogShortcut::enableForStatus() {
    bool on = checked(VEXA_IDC_SHORTCUT_STATUS);
    for (int id : kStatusControlled) enable(id, on);
}

void PropertyDialogShortcut::storeSelected() {
    if (!usable_ || !hotkey_ || selected_ < 0 || selected_ >= static_cast<int>(shortcuts::SlotCount)) return;
    KeyCode shown = shortcut_page::fromHotkey(static_cast<uint32_t>(SendMessageW(hotkey_, HKM_GETHOTKEY, 0, 0)) & 0xFFFF);
    KeyCode& key = keys_[static_cast<size_t>(selected_)];
    // An untouched box gives back the row's key, whatever it is (a stored
    // key alone stays as the user wrote it into the file).
    if (shown == key) return;
    key = shortcut_page::withModifier(shown);
    showKey(selected_);
}

void PropertyDialogShortcut::selectRow(int row) {
    if (row == selected_) return;
    storeSelected();
    selected_ = row;
    KeyCode key = row >= 0 ? keys_[static_cast<size_t>(row)] : 0;
    SendMessageW(hotkey_, HKM_SETHOTKEY, shortcut_page::toHotkey(key), 0);
}

void PropertyDialogShortcut::checkSharedKeys() {
    storeSelected();
    std::vector<shortcut_page::Duplicate> pairs = shortcut_page::duplicates(keys_);
    if (pairs.empty()) {
        lang::messageBox(handle(), msgid::ShortcutNoDuplicates, msgid::CaptionQuestion, MB_OK | MB_ICONINFORMATION);
        return;
    }
    u16 intro = lang::text(msgid::ShortcutDuplicateIntro);
    u16 outro = lang::text(msgid::ShortcutDuplicateOutro);
    for (const shortcut_page::Duplicate& pair : pairs) {
        u16 question = shortcut_page::duplicateQuestion(pair, intro, outro, libraryText);
        if (!lang::ask(handle(), wide::w(question))) break;
    }
}

void PropertyDialogShortcut::addTips() {
    tip(VEXA_IDC_SHORTCUT_STATUS, msgid::ShortcutStatusTip);
    tip(VEXA_IDC_SHORTCUT_LIST, msgid::ShortcutListTip);
    tip(VEXA_IDC_SHORTCUT_HOTKEY, msgid::ShortcutHotkeyTip);
    tip(VEXA_IDC_SHORTCUT_CHECK, msgid::ShortcutCheckTip);
}

void PropertyDialogShortcut::restoreDefaults() {
    if (!usable_) return;
    check(VEXA_IDC_SHORTCUT_STATUS, true);
    enableForStatus();
    keys_ = shortcuts::defaultShortcuts();
    showKeys();
    if (selected_ >= 0) SendMessageW(hotkey_, HKM_SETHOTKEY, shortcut_page::toHotkey(keys_[static_cast<size_t>(selected_)]), 0);
}

void PropertyDialogShortcut::apply() {
    CSetting* settings = app::settings();
    if (!usable_ || !settings) return;
    storeSelected();
    shortcuts::writeShortcuts(*settings, keys_);
    settings->writeInt(Section, Status, checked(VEXA_IDC_SHORTCUT_STATUS) ? 1 : 0);
}

INT_PTR PropertyDialogShortcut::onPageCommand(WORD id, WORD code, HWND) {
    if (code != BN_CLICKED) return 0;
    if (id == VEXA_IDC_SHORTCUT_STATUS) {
        enableForStatus();
        return TRUE;
    }
    if (id == VEXA_IDC_SHORTCUT_CHECK) {
        checkSharedKeys();
        return TRUE;
    }
    return 0;
}

INT_PTR PropertyDialogShortcut::onNotify(NMHDR* header) {
    if (header && header->hwndFrom == list_ && list_ && header->code == LVN_ITEMCHANGED) {
        auto* change = reinterpret_cast<NMLISTVIEW*>(header);
        if ((change->uChanged & LVIF_STATE) && (change->uNewState & LVIS_SELECTED) &&
            !(change->uOldState & LVIS_SELECTED))
            selectRow(change->iItem);
        return 0;
    }
    return SettingsPage::onNotify(header);
}

void PropertyDialogShortcut::onDestroy() {
    // The list would destroy an image list it does not share; it is ours.
    if (list_ && images_) SendMessageW(list_, LVM_SETIMAGELIST, LVSIL_SMALL, 0);
    list_ = nullptr;
}
