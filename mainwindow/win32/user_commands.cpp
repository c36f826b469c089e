#include "mainwindow/win32/user_commands.h"

#include "base/win32/wide.h"
#include "frame/message_ids.h"
#include "frame/win32/language.h"
#include "frame/win32/plugin_app.h"
#include "frame/win32/window_editor.h"
#include "mainwindow/command_ids.h"
#include "mainwindow/command_texts.h"
#include "mainwindow/snippet.h"
#include "mainwindow/snippet_table.h"
#include "mainwindow/toolbar_table.h"
#include "mainwindow/user_menu.h"
#include "mainwindow/user_strings.h"
#include "mainwindow/win32/main_window.h"
#include "mainwindow/win32/popup_menu.h"
#include "mainwindow/win32/toolbar.h"
#include "make/paper_menu_model.h"
#include "settings/setting.h"

#include "lang/resource_ids.h"

#include <commctrl.h>

#include <algorithm>
#include <vector>

namespace user_commands {
namespace {

// Menu handles destroyed at scope end unless released into another menu.
class MenuHandle {
public:
    explicit MenuHandle(HMENU m) : menu_(m) {}
    ~MenuHandle() {
        if (menu_) DestroyMenu(menu_);
    }
    MenuHandle(const MenuHandle&) = delete;
    MenuHandle& operator=(const MenuHandle&) = delete;
    HMENU get() const { return menu_; }
    HMENU release() {
        HMENU m = menu_;
        menu_ = nullptr;
        return m;
    }

private:
    HMENU menu_;  // owned until released
};

u16 settingsFolder() {
    CSetting* s = app::settings();
    const char16_t* f = s ? s->settingsFolder() : nullptr;
    return f ? u16(f) : u16();
}

bool appendText(HMENU menu, UINT_PTR id, const std::wstring& text, HMENU sub = nullptr) {
    UINT flags = MF_STRING | (sub ? MF_POPUP : 0);
    return AppendMenuW(menu, flags, sub ? reinterpret_cast<UINT_PTR>(sub) : id, text.c_str()) != 0;
}

// A copy of a menu of the language library: the user menu owns its
// submenus, and the library's menu is destroyed with its loader.
HMENU copyMenu(HMENU source) {
    MenuHandle copy(CreatePopupMenu());
    if (!copy.get()) return nullptr;
    for (int i = 0, n = GetMenuItemCount(source); i < n; ++i) {
        wchar_t text[512] = {};
        MENUITEMINFOW info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_ID | MIIM_FTYPE | MIIM_STRING | MIIM_SUBMENU | MIIM_STATE;
        info.dwTypeData = text;
        info.cch = 512;
        if (!GetMenuItemInfoW(source, i, TRUE, &info)) continue;
        if (info.hSubMenu) {
            info.hSubMenu = copyMenu(info.hSubMenu);
            if (!info.hSubMenu) return nullptr;
        }
        info.dwTypeData = text;
        if (!InsertMenuItemW(copy.get(), static_cast<UINT>(i), TRUE, &info)) {
            if (info.hSubMenu) DestroyMenu(info.hSubMenu);
        }
    }
    return copy.release();
}

std::wstring commandText(uint32_t command) {
    return wide::w(command_texts::buttonText(command, &user_commands::text));
}


// An owner-drawn item that keeps its text as well, for whatever reads the
// menu rather than drawing it (menu strings, screen readers).
bool appendDrawn(HMENU menu, DrawnItems& records, UINT id, int image, const std::wstring& text, HMENU sub) {
    DrawnItem& r = records.emplace_back(DrawnItem{id, image, text});
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_ID | MIIM_FTYPE | MIIM_STRING | MIIM_DATA | (sub ? MIIM_SUBMENU : 0);
    info.fType = MFT_OWNERDRAW;
    info.wID = id;
    info.hSubMenu = sub;
    info.dwItemData = reinterpret_cast<ULONG_PTR>(&r);
    info.dwTypeData = r.text.data();
    info.cch = static_cast<UINT>(r.text.size());
    if (InsertMenuItemW(menu, static_cast<UINT>(GetMenuItemCount(menu)), TRUE, &info)) return true;
    records.pop_back();
    return false;
}

// The records of the user menu that is open, with the images they draw;
// one pop-up menu is open at a time.
struct Showing {
    const DrawnItems* records = nullptr;  // not owned
    HIMAGELIST images = nullptr;          // owned by showUserMenu
};
Showing showing;

const DrawnItem* showingRecord(UINT type, ULONG_PTR data) {
    if (type != ODT_MENU || !showing.records || !data) return nullptr;
    for (const DrawnItem& r : *showing.records)
        if (reinterpret_cast<ULONG_PTR>(&r) == data) return &r;
    return nullptr;
}

constexpr int ImageGap = 4;   // around the image and between image and text
constexpr int TextRight = 16; // room for the submenu arrow

} // namespace

std::wstring storedDefinition() {
    std::vector<char16_t> buffer(user_menu::DefinitionLimit + 2, u'\0');
    CSetting* s = app::settings();
    u16 fallback = wide::u(lang::config(cfgid::DefaultUserMenu));
    if (!s) return wide::w(fallback);
    s->readString(u"Menu", u"1", fallback.c_str(), buffer.data(), buffer.size());
    return std::wstring(reinterpret_cast<const wchar_t*>(buffer.data()));
}

u16 text(uint32_t id) {
    if (id == msgid::commandText(user_menu::OwnCommand)) {
        u16 title = user_menu::menuTitle(user_menu::parse(wide::u(storedDefinition().c_str())));
        if (!title.empty()) return title;
    }
    return lang::text(id);
}

bool measureItem(HWND window, MEASUREITEMSTRUCT& item) {
    const DrawnItem* r = showingRecord(item.CtlType, item.itemData);
    if (!r) return false;
    HDC dc = GetDC(window);
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    HFONT font = CreateFontIndirectW(&metrics.lfMenuFont);
    HGDIOBJ old = font ? SelectObject(dc, font) : nullptr;
    SIZE extent{};
    GetTextExtentPoint32W(dc, r->text.c_str(), static_cast<int>(r->text.size()), &extent);
    if (old) SelectObject(dc, old);
    if (font) DeleteObject(font);
    ReleaseDC(window, dc);
    item.itemWidth = static_cast<UINT>(VEXA_LANG_TOOLBAR_IMAGE_SIZE + 3 * ImageGap + extent.cx + TextRight);
    item.itemHeight = static_cast<UINT>(std::max<LONG>(VEXA_LANG_TOOLBAR_IMAGE_SIZE + ImageGap, extent.cy + 2));
    return true;
}

bool drawItem(DRAWITEMSTRUCT& item) {
    const DrawnItem* r = showingRecord(item.CtlType, item.itemData);
    if (!r) return false;
    const bool selected = (item.itemState & ODS_SELECTED) != 0;
    const bool grey = (item.itemState & (ODS_GRAYED | ODS_DISABLED)) != 0;
    HDC dc = item.hDC;
    RECT box = item.rcItem;
    FillRect(dc, &box, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_MENU));
    const int top = box.top + (box.bottom - box.top - VEXA_LANG_TOOLBAR_IMAGE_SIZE) / 2;
    if (showing.images)
        ImageList_DrawEx(showing.images, r->image, dc, box.left + ImageGap, top, 0, 0, CLR_NONE,
                         grey ? GetSysColor(COLOR_MENU) : CLR_NONE, grey ? ILD_BLEND50 : ILD_NORMAL);
    RECT textBox = box;
    textBox.left += VEXA_LANG_TOOLBAR_IMAGE_SIZE + 3 * ImageGap;
    textBox.right -= TextRight;
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(grey ? COLOR_GRAYTEXT : selected ? COLOR_HIGHLIGHTTEXT : COLOR_MENUTEXT));
    UINT flags = DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_END_ELLIPSIS | DT_EXPANDTABS;
    if (item.itemState & ODS_NOACCEL) flags |= DT_HIDEPREFIX;
    DrawTextW(dc, r->text.c_str(), static_cast<int>(r->text.size()), &textBox, flags);
    return true;
}

HMENU buildUserStringMenu(HWND owner) {
    user_strings::ReadResult r = user_strings::read(settingsFolder());
    if (r.status != user_strings::Status::Ok) {
        lang::messageBox(owner, msgid::UserStringUnreadable, msgid::CaptionWarning, MB_OK | MB_ICONWARNING);
        return nullptr;
    }
    MenuHandle menu(CreatePopupMenu());
    if (!menu.get()) return nullptr;
    for (size_t i = 0; i < r.strings.size(); ++i)
        appendText(menu.get(), cmd::FirstUserString + i,
                   wide::w(paper_menu_model::accelerator(i) + r.strings[i].title));
    if (!r.strings.empty()) AppendMenuW(menu.get(), MF_SEPARATOR, 0, nullptr);
    appendText(menu.get(), cmd::UserStringEditor, lang::message(msgid::MenuEditUserStrings));
    return menu.release();
}

HMENU buildUserMenu(HWND owner, DrawnItems& records) {
    std::vector<user_menu::Item> items = user_menu::parse(wide::u(storedDefinition().c_str()));
    MenuHandle popup(CreatePopupMenu());
    if (!popup.get()) return nullptr;
    popup_menu::LanguageMenu library;
    // The submenu each title became, by item index.
    std::vector<HMENU> submenus(items.size(), nullptr);
    bool added = false;
    UINT nextTitle = 1;  // titles are numbered, apart from the command identifiers
    for (const user_menu::Placement& p : user_menu::layout(items)) {
        const user_menu::Item& item = items[p.item];
        HMENU parent = p.parent < 0 ? popup.get() : submenus[static_cast<size_t>(p.parent)];
        if (!parent) continue;
        if (item.isTitle()) {
            HMENU sub = CreatePopupMenu();
            if (!sub) continue;
            if (!appendDrawn(parent, records, nextTitle++, VEXA_LANG_TOOLBAR_IMAGE_TITLE, wide::w(item.title), sub)) {
                DestroyMenu(sub);
                continue;
            }
            submenus[p.item] = sub;
        } else if (item.isSeparator()) {
            AppendMenuW(parent, MF_SEPARATOR, 0, nullptr);
        } else {
            uint32_t id = toolbar_table::commandAt(item.command);
            HMENU sub = nullptr;
            if (id == cmd::UserStringMenu) {
                sub = buildUserStringMenu(owner);
            } else if (auto other = command_table::findOther(id);
                       other && other->action == command_table::Action::PopupMenu) {
                if (HMENU source = library.sub(other->argument, other->sub)) sub = copyMenu(source);
            }
            if (!appendDrawn(parent, records, id, item.command, commandText(id), sub) && sub) DestroyMenu(sub);
        }
        added = true;
    }
    if (added) AppendMenuW(popup.get(), MF_SEPARATOR, 0, nullptr);
    appendText(popup.get(), cmd::UserMenuEditor, lang::message(msgid::MenuEditUserMenu));
    return popup.release();
}

void showUserStringMenu(MainWindow& window, uint32_t command) {
    MenuHandle menu(buildUserStringMenu(window.dialogOwner()));
    if (!menu.get()) return;
    if (uint32_t chosen = popup_menu::show(window, menu.get(), command)) window.runCommand(chosen);
}

void showUserMenu(MainWindow& window, uint32_t command) {
    DrawnItems records;
    MenuHandle menu(buildUserMenu(window.dialogOwner(), records));
    if (!menu.get()) return;
    HIMAGELIST images = toolbar::loadImages();
    showing = Showing{&records, images};
    uint32_t chosen = popup_menu::show(window, menu.get(), command);
    showing = Showing{};
    if (images) ImageList_Destroy(images);
    if (chosen) window.runCommand(chosen);
}

void insertUserString(MainWindow& window, int32_t index) {
    user_strings::ReadResult r = user_strings::read(settingsFolder());
    if (r.status != user_strings::Status::Ok || index < 0 || static_cast<size_t>(index) >= r.strings.size()) return;
    WindowEditor editor(window.editor());
    snippet::Target target{editor, window.ready()};
    if (snippet::insertUserString(target, r.strings[static_cast<size_t>(index)].text) && window.editor())
        SetFocus(window.editor());
}

} // namespace user_commands
