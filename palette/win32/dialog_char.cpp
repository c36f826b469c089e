#include "palette/win32/dialog_char.h"

#include "frame/message_ids.h"
#include "frame/win32/language.h"
#include "frame/win32/plugin_app.h"
#include "frame/win32/window_editor.h"
#include "mainwindow/snippet.h"
#include "mainwindow/win32/main_window.h"
#include "mainwindow/win32/popup_menu.h"
#include "palette/palette_tabs.h"
#include "palette/symbol_text.h"
#include "palette/win32/palette_windows.h"
#include "palette/win32/symbol_list.h"
#include "settings/setting.h"
#include "settings/setting_keys.h"

#include <commctrl.h>

namespace {

namespace keys = ini_keys::char_palette;
constexpr wchar_t kTabsProperty[] = L"Vexa_TreeView_Prop";
// The size menu is sub-menu 10 of the language library's menu 204.
constexpr int32_t SizeMenuPosition = 10;
// The tab control asks for these after its own message has returned, since
// either may close the palette and with it the tab control.
constexpr UINT DetachMessage = WM_APP + 1;
constexpr UINT RemoveMessage = WM_APP + 2;

bool readFlag(const char16_t* key) {
    CSetting* s = app::settings();
    return s && s->readInt(keys::Section, key, 0) == 1;
}

void copyText(wchar_t* to, int capacity, const wchar_t* text) {
    if (to && capacity > 0) lstrcpynW(to, text ? text : L"", capacity);
}

} // namespace

// ---- what both windows do with their list --------------------------------

void DialogCharCommon::fail(uint32_t message) {
    reported_ = true;
    lang::messageBox(handle(), message, msgid::CaptionWarning, MB_OK | MB_ICONWARNING);
    DestroyWindow(handle());
}

void DialogCharCommon::afterInsertion(bool inserted) {
    if (inserted && closesAfterInsertion()) close(0);
}

bool DialogCharCommon::insertCell(int cell) {
    const palette::SymbolEntry* entry = palette::entryAt(shownCategory(), cell);
    if (!entry) return false;
    WindowEditor editorWindow(editor());
    snippet::Target target{editorWindow, palettes_.main().ready()};
    bool inserted = palette::insertSymbol(target, *entry);
    afterInsertion(inserted);
    return inserted;
}

bool DialogCharCommon::sizeMenu(int cell) {
    const palette::SymbolEntry* entry = palette::entryAt(shownCategory(), cell);
    if (!entry || !(entry->flags & palette::flag::Delimiter)) return false;
    popup_menu::LanguageMenu menu;
    HMENU sizes = menu.sub(SizeMenuPosition);
    if (!sizes) return false;
    POINT at = symbol_list::menuPoint(list_, cell);
    popupOpen_ = true;
    auto chosen = static_cast<uint32_t>(TrackPopupMenu(
        sizes, TPM_RETURNCMD | TPM_NONOTIFY | TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON, at.x, at.y, 0,
        handle(), nullptr));
    popupOpen_ = false;
    if (!chosen) return false;
    WindowEditor editorWindow(editor());
    snippet::Target target{editorWindow, palettes_.main().ready()};
    bool inserted = palette::insertSymbolSized(target, *entry, chosen);
    afterInsertion(inserted);
    return inserted;
}

bool DialogCharCommon::offerKey(UINT key, bool shift) {
    if (popupOpen_ || !list_ || GetFocus() != list_) return false;
    switch (key) {
    case VK_RETURN: {
        int cell = symbol_list::focusedCell(list_);
        if (cell >= 0) {
            if (shift) sizeMenu(cell);
            else insertCell(cell);
        }
        return true;
    }
    case VK_LEFT: symbol_list::moveFocus(list_, palette_tabs::Direction::Left); return true;
    case VK_UP: symbol_list::moveFocus(list_, palette_tabs::Direction::Up); return true;
    case VK_RIGHT: symbol_list::moveFocus(list_, palette_tabs::Direction::Right); return true;
    case VK_DOWN: symbol_list::moveFocus(list_, palette_tabs::Direction::Down); return true;
    default: return false;
    }
}

INT_PTR DialogCharCommon::onNotify(NMHDR* header) {
    if (!header || !list_ || header->hwndFrom != list_) return FALSE;
    switch (header->code) {
    case NM_DBLCLK: {
        int cell = reinterpret_cast<NMITEMACTIVATE*>(header)->iItem;
        if (cell >= 0) insertCell(cell);
        return TRUE;
    }
    case NM_RCLICK: {
        int cell = reinterpret_cast<NMITEMACTIVATE*>(header)->iItem;
        if (cell >= 0) sizeMenu(cell);
        return TRUE;
    }
    case LVN_GETINFOTIPW: {
        auto* tip = reinterpret_cast<NMLVGETINFOTIPW*>(header);
        const palette::SymbolEntry* entry = palette::entryAt(shownCategory(), tip->iItem);
        uint32_t message = entry ? palette::toolTipMessage(entry->flags) : 0;
        copyText(tip->pszText, tip->cchTextMax, message ? lang::message(message) : L"");
        return TRUE;
    }
    case NM_SETFOCUS: takePendingJump(); return TRUE;
    default: return FALSE;
    }
}

// ---- the palette -----------------------------------------------------------

DialogChar::DialogChar(PaletteWindows& palettes) : DialogCharCommon(u"Char", palettes) {}

// The base class would destroy the window only after this part is gone.
DialogChar::~DialogChar() {
    if (handle()) DestroyWindow(handle());
}

bool DialogChar::open(HWND owner, HWND editor) {
    reported_ = false;
    return create(owner, editor, TemplateId) && ready_;
}

INT_PTR DialogChar::onInitDialog() {
    DialogSubCommon::onInitDialog();
    tabs_ = item(TabControl);
    list_ = item(ListControl);
    if (!tabs_ || !list_ || !SetParent(list_, tabs_)) {
        fail(msgid::PaletteControlsMissing);
        return FALSE;
    }
    SetWindowLongPtrW(tabs_, GWL_STYLE, GetWindowLongPtrW(tabs_, GWL_STYLE) | WS_CLIPCHILDREN);
    symbol_list::prepare(list_);
    if (!SetPropW(tabs_, kTabsProperty, this)) {
        fail(msgid::WindowPropertyFailed);
        return FALSE;
    }
    tabsProcedure_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(tabs_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&DialogChar::tabProcedure)));
    if (!tabsProcedure_) {
        RemovePropW(tabs_, kTabsProperty);
        fail(msgid::SubclassFailed);
        return FALSE;
    }
    layout();
    SetFocus(list_);
    ready_ = true;
    return FALSE;   // the focus was set here
}

// Registered only once shown: a palette without tabs stays hidden (all
// categories detached), and the host's return to the front must not show it.
void DialogChar::show() {
    ShowWindow(handle(), SW_SHOW);
    palettes_.windowOpened(handle());
}

void DialogChar::onDestroy() {
    bool wasReady = ready_;
    ready_ = false;
    if (tabs_ && list_ && GetParent(list_) == tabs_) SetParent(list_, handle());
    if (wasReady) {
        for (uint32_t c : tabCategories()) palettes_.setChecked(c, false);
        palettes_.setChecked(palette::AllCategoriesCommand, false);
        symbol_list::releaseImages(list_);
        DialogSubCommon::onDestroy();
        palettes_.windowClosed(handle());
    }
    if (tabs_ && tabsProcedure_) SetWindowLongPtrW(tabs_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(tabsProcedure_));
    if (tabs_) RemovePropW(tabs_, kTabsProperty);
    tabsProcedure_ = nullptr;
    tabs_ = list_ = nullptr;
    popupOpen_ = false;
}

std::vector<uint32_t> DialogChar::tabCategories() const {
    std::vector<uint32_t> out;
    if (!tabs_) return out;
    for (int i = 0, n = TabCtrl_GetItemCount(tabs_); i < n; ++i) {
        TCITEMW tab{};
        tab.mask = TCIF_PARAM;
        if (TabCtrl_GetItem(tabs_, i, &tab)) out.push_back(static_cast<uint32_t>(tab.lParam));
    }
    return out;
}

int DialogChar::tabOf(uint32_t command) const {
    std::vector<uint32_t> all = tabCategories();
    for (size_t i = 0; i < all.size(); ++i)
        if (all[i] == command) return static_cast<int>(i);
    return -1;
}

uint32_t DialogChar::shownCategory() const {
    std::vector<uint32_t> all = tabCategories();
    int selected = tabs_ ? TabCtrl_GetCurSel(tabs_) : -1;
    return selected >= 0 && selected < static_cast<int>(all.size()) ? all[selected] : 0;
}

bool DialogChar::closesAfterInsertion() const { return readFlag(keys::AutoClose); }

int DialogChar::appendTab(uint32_t command) {
    const palette::Category* category = palette::categoryOfCommand(command);
    if (!category || !tabs_) return -1;
    std::wstring title = lang::message(category->titleMessage);
    if (title.size() > 255) title.resize(255);
    TCITEMW tab{};
    tab.mask = TCIF_TEXT | TCIF_PARAM;
    tab.pszText = title.data();
    tab.lParam = static_cast<LPARAM>(command);
    int index = TabCtrl_InsertItem(tabs_, TabCtrl_GetItemCount(tabs_), &tab);
    if (index >= 0) {
        palettes_.closeDetached(command);
        palettes_.setChecked(command, true);
    }
    return index;
}

void DialogChar::addCategory(uint32_t command) {
    int index = tabOf(command);
    if (index < 0) index = appendTab(command);
    if (index < 0) return;
    TabCtrl_SetCurSel(tabs_, index);
    palettes_.refreshAllCheck();
    layout();
    fillSelected();
    palettes_.setChecked(command, true);
    show();
}

void DialogChar::addAll() {
    CSetting* s = app::settings();
    uint32_t window = static_cast<uint32_t>(s ? s->readInt(keys::Section, keys::Window, -1) : -1);
    uint32_t windowSep = static_cast<uint32_t>(s ? s->readInt(keys::Section, keys::WindowSep, 0) : 0);
    palette_tabs::AddAll plan = palette_tabs::addAll(window, windowSep, palettes_.detachedMask());
    for (uint32_t c : plan.tabs)
        if (tabOf(c) < 0) appendTab(c);
    for (uint32_t c : plan.detach) palettes_.toggleDetached(c);
    // Opening a detached window may have taken the last tab, and the
    // palette with it.
    if (!isOpen()) return;
    bool any = TabCtrl_GetItemCount(tabs_) > 0;
    if (any) TabCtrl_SetCurSel(tabs_, 0);
    palettes_.refreshAllCheck();
    layout();
    if (any) {
        fillSelected();
        show();
    }
}

void DialogChar::removeCategory(uint32_t command) {
    int index = tabOf(command);
    if (index < 0) return;
    int selected = TabCtrl_GetCurSel(tabs_);
    TabCtrl_DeleteItem(tabs_, index);
    palettes_.setChecked(command, false);
    if (TabCtrl_GetItemCount(tabs_) == 0) {
        close(0);
        return;
    }
    palettes_.refreshAllCheck();
    layout();
    if (index == selected) {
        TabCtrl_SetCurSel(tabs_, 0);
        fillSelected();
    }
}

void DialogChar::selectTab(int index) {
    if (index < 0 || !tabs_) return;
    TabCtrl_SetCurSel(tabs_, index);
    afterTabChange();
}

void DialogChar::afterTabChange() {
    layout();
    if (!fillSelected()) lang::messageBox(handle(), msgid::PaletteFillFailed, msgid::CaptionWarning, MB_OK | MB_ICONWARNING);
}

bool DialogChar::fillSelected() { return symbol_list::fill(list_, shownCategory(), palettes_.main().plugin()); }

void DialogChar::layout() {
    if (!tabs_ || !list_) return;
    RECT client{};
    GetClientRect(handle(), &client);
    MoveWindow(tabs_, 0, 0, client.right, client.bottom, TRUE);
    RECT display{};
    GetClientRect(tabs_, &display);
    TabCtrl_AdjustRect(tabs_, FALSE, &display);
    MoveWindow(list_, display.left, display.top, display.right - display.left, display.bottom - display.top, TRUE);
}

void DialogChar::onSize(UINT, int, int) { layout(); }

INT_PTR DialogChar::onNotify(NMHDR* header) {
    if (!header) return FALSE;
    if (tabs_ && header->hwndFrom == tabs_ && header->code == TCN_SELCHANGE) {
        afterTabChange();
        return TRUE;
    }
    if (header->code == TTN_GETDISPINFOW && tabs_ && header->hwndFrom == TabCtrl_GetToolTips(tabs_)) {
        auto* info = reinterpret_cast<NMTTDISPINFOW*>(header);
        copyText(info->szText, static_cast<int>(std::size(info->szText)), lang::message(msgid::PaletteTabTip));
        info->lpszText = info->szText;
        return TRUE;
    }
    return DialogCharCommon::onNotify(header);
}

INT_PTR DialogChar::onOtherMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == DetachMessage) {
        palettes_.toggleDetached(static_cast<uint32_t>(wParam));
        return TRUE;
    }
    if (message == RemoveMessage) {
        removeCategory(static_cast<uint32_t>(wParam));
        return TRUE;
    }
    return DialogCharCommon::onOtherMessage(message, wParam, lParam);
}

bool DialogChar::offerKey(UINT key, bool shift) {
    if (popupOpen_ || !tabs_) return false;
    HWND focus = GetFocus();
    if (focus == list_ && key == VK_TAB) {
        SetFocus(tabs_);
        return true;
    }
    if (focus != tabs_) return DialogCharCommon::offerKey(key, shift);
    int count = TabCtrl_GetItemCount(tabs_), current = TabCtrl_GetCurSel(tabs_);
    switch (key) {
    case VK_TAB:
    case VK_RETURN: SetFocus(list_); return true;
    case VK_LEFT:
    case VK_UP: selectTab(palette_tabs::stepTab(current, count, false)); return true;
    case VK_RIGHT:
    case VK_DOWN: selectTab(palette_tabs::stepTab(current, count, true)); return true;
    default: return false;
    }
}

LRESULT CALLBACK DialogChar::tabProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = static_cast<DialogChar*>(GetPropW(window, kTabsProperty));
    if (!self || !self->tabsProcedure_) return DefWindowProcW(window, message, wParam, lParam);
    WNDPROC previous = self->tabsProcedure_;
    auto tabAt = [window, lParam] {
        TCHITTESTINFO hit{};
        hit.pt = POINT{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
        return TabCtrl_HitTest(window, &hit);
    };
    auto categoryAt = [self](int index) {
        std::vector<uint32_t> all = self->tabCategories();
        return index >= 0 && index < static_cast<int>(all.size()) ? all[index] : 0u;
    };
    switch (message) {
    case WM_LBUTTONDBLCLK: {
        int index = tabAt();
        if (index >= 0 && index == TabCtrl_GetCurSel(window))
            PostMessageW(self->handle(), DetachMessage, categoryAt(index), 0);
        return 0;
    }
    case WM_RBUTTONUP: {
        int index = tabAt();
        if (index >= 0) PostMessageW(self->handle(), RemoveMessage, categoryAt(index), 0);
        return 0;
    }
    case WM_SETFOCUS:
        if (self->takePendingJump()) return 0;
        break;
    case WM_NOTIFY: {
        auto* header = reinterpret_cast<NMHDR*>(lParam);
        if (header && (header->hwndFrom == self->list_ || header->code == TTN_GETDISPINFOW))
            return SendMessageW(self->handle(), WM_NOTIFY, wParam, lParam);
        break;
    }
    case WM_DESTROY:
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
        RemovePropW(window, kTabsProperty);
        self->tabsProcedure_ = nullptr;
        break;
    default: break;
    }
    return CallWindowProcW(previous, window, message, wParam, lParam);
}

// ---- a detached category -----------------------------------------------------

namespace {
u16 nameOf(uint32_t command) {
    const palette::Category* c = palette::categoryOfCommand(command);
    return c ? u16(c->name) : u16();
}
} // namespace

DialogCharSeparate::DialogCharSeparate(PaletteWindows& palettes, uint32_t command)
    : DialogCharCommon(nameOf(command), palettes), command_(command) {}

DialogCharSeparate::~DialogCharSeparate() {
    if (handle()) DestroyWindow(handle());
}

bool DialogCharSeparate::open(HWND owner, HWND editor) {
    reported_ = false;
    return create(owner, editor, TemplateId) && ready_;
}

bool DialogCharSeparate::closesAfterInsertion() const { return readFlag(keys::AutoCloseSep); }

INT_PTR DialogCharSeparate::onInitDialog() {
    DialogSubCommon::onInitDialog();
    list_ = item(ListControl);
    if (!list_) {
        fail(msgid::PaletteControlsMissing);
        return FALSE;
    }
    symbol_list::prepare(list_);
    if (!symbol_list::fill(list_, command_, palettes_.main().plugin())) {
        fail(msgid::PaletteFillFailed);
        return FALSE;
    }
    std::wstring title = symbol_list::columnTitle(list_);
    if (title.empty()) {
        fail(msgid::PaletteTitleUnread);
        return FALSE;
    }
    SetWindowTextW(handle(), title.c_str());
    palettes_.setChecked(command_, true);
    RECT client{};
    GetClientRect(handle(), &client);
    MoveWindow(list_, 0, 0, client.right, client.bottom, TRUE);
    SetFocus(list_);
    ready_ = true;
    palettes_.windowOpened(handle());
    return FALSE;
}

void DialogCharSeparate::onDestroy() {
    bool wasReady = ready_;
    ready_ = false;
    symbol_list::releaseImages(list_);
    if (wasReady) {
        palettes_.setChecked(command_, false);
        DialogSubCommon::onDestroy();
        palettes_.refreshAllCheck();
        palettes_.windowClosed(handle());
    }
    list_ = nullptr;
    popupOpen_ = false;
}

void DialogCharSeparate::onSize(UINT, int width, int height) {
    if (list_) MoveWindow(list_, 0, 0, width, height, TRUE);
}
