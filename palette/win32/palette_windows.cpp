#include "palette/win32/palette_windows.h"

#include "frame/message_ids.h"
#include "frame/win32/language.h"
#include "frame/win32/plugin_app.h"
#include "mainwindow/win32/main_window.h"
#include "palette/palette_tabs.h"
#include "palette/symbol_table.h"
#include "palette/win32/dialog_char.h"
#include "settings/setting.h"
#include "settings/setting_keys.h"

namespace {

namespace keys = ini_keys::char_palette;

uint32_t readMask(const char16_t* key, int32_t def) {
    CSetting* s = app::settings();
    return static_cast<uint32_t>(s ? s->readInt(keys::Section, key, def) : def);
}

int categoryIndex(uint32_t command) {
    auto all = palette::categories();
    for (size_t i = 0; i < all.size(); ++i)
        if (all[i].command == command) return static_cast<int>(i);
    return -1;
}

} // namespace

PaletteWindows::PaletteWindows(MainWindow& main) : main_(main) {}

PaletteWindows::~PaletteWindows() {
    palette_.reset();
    for (auto& d : detached_) d.reset();
}

DialogChar* PaletteWindows::palette() const { return palette_ && palette_->isOpen() ? palette_.get() : nullptr; }

std::unique_ptr<DialogCharSeparate>& PaletteWindows::slot(uint32_t category) {
    static std::unique_ptr<DialogCharSeparate> none;
    int i = categoryIndex(category);
    return i < 0 ? none : detached_[i];
}

DialogCharSeparate* PaletteWindows::detached(uint32_t category) const {
    int i = categoryIndex(category);
    return i >= 0 && detached_[i] && detached_[i]->isOpen() ? detached_[i].get() : nullptr;
}

uint32_t PaletteWindows::tabMask() const {
    DialogChar* p = palette();
    if (!p) return 0;
    std::vector<uint32_t> tabs = p->tabCategories();
    return palette_tabs::maskOf(tabs);
}

uint32_t PaletteWindows::detachedMask() const {
    uint32_t mask = 0;
    for (const auto& d : detached_)
        if (d && d->isOpen()) mask |= palette_tabs::maskOf(d->command());
    return mask;
}

bool PaletteWindows::complete() const {
    return palette_tabs::complete(readMask(keys::Window, -1), readMask(keys::WindowSep, 0), tabMask(), detachedMask());
}

void PaletteWindows::setChecked(uint32_t command, bool on) { main_.setCommandPressed(command, on); }

void PaletteWindows::refreshAllCheck() { setChecked(palette::AllCategoriesCommand, palette() && complete()); }

void PaletteWindows::refreshChecks() {
    uint32_t shown = tabMask() | detachedMask();
    for (const palette::Category& c : palette::categories()) setChecked(c.command, (shown & c.mask) != 0);
    refreshAllCheck();
}

void PaletteWindows::windowOpened(HWND window) { main_.registerSubWindow(window); }
void PaletteWindows::windowClosed(HWND window) { main_.unregisterSubWindow(window); }

bool PaletteWindows::openPalette() {
    if (palette()) return true;
    if (!palette_) palette_ = std::make_unique<DialogChar>(*this);
    if (palette_->open(main_.handle(), main_.editor())) return true;
    if (!palette_->reported())
        lang::messageBox(main_.editor(), msgid::PaletteNotCreated, msgid::CaptionWarning, MB_OK | MB_ICONWARNING);
    palette_.reset();
    return false;
}

void PaletteWindows::command(uint32_t id) {
    if (id == palette::AllCategoriesCommand) {
        if (palette() && complete()) {
            palette_.reset();
            for (uint32_t c : palette_tabs::commandsOf(readMask(keys::WindowSep, 0))) closeDetached(c);
            refreshAllCheck();
            return;
        }
        if (!openPalette()) {
            setChecked(id, false);
            return;
        }
        palette_->addAll();
        return;
    }
    if (!palette::categoryOfCommand(id)) return;
    if (DialogChar* p = palette()) {
        if (p->tabOf(id) >= 0) p->removeCategory(id);
        else p->addCategory(id);
        return;
    }
    if (!openPalette()) {
        setChecked(id, false);
        return;
    }
    palette_->addCategory(id);
}

void PaletteWindows::closeDetached(uint32_t category) {
    std::unique_ptr<DialogCharSeparate>& s = slot(category);
    if (s && s->handle()) s.reset();
}

void PaletteWindows::toggleDetached(uint32_t category) {
    if (!palette::categoryOfCommand(category)) return;
    std::unique_ptr<DialogCharSeparate>& s = slot(category);
    if (s && s->isOpen()) {
        s.reset();
        refreshAllCheck();
        return;
    }
    if (!s) s = std::make_unique<DialogCharSeparate>(*this, category);
    if (!s->open(main_.handle(), main_.editor())) {
        if (!s->reported())
            lang::messageBox(main_.editor(), msgid::PaletteNotCreated, msgid::CaptionWarning, MB_OK | MB_ICONWARNING);
        s.reset();
        setChecked(category, false);
        refreshAllCheck();
        return;
    }
    if (DialogChar* p = palette()) p->removeCategory(category);
    // The palette's closing may have unchecked it: it is shown again here.
    setChecked(category, true);
    ShowWindow(s->handle(), SW_SHOW);
    refreshAllCheck();
}

bool PaletteWindows::offerKey(UINT virtualKey, bool shift) {
    HWND focus = GetFocus();
    if (!focus) return false;
    auto inside = [focus](HWND w) { return w && (focus == w || IsChild(w, focus)); };
    if (DialogChar* p = palette(); p && inside(p->handle())) return p->offerKey(virtualKey, shift);
    for (auto& d : detached_)
        if (d && d->isOpen() && inside(d->handle())) return d->offerKey(virtualKey, shift);
    return false;
}
