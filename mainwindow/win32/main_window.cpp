#include "mainwindow/win32/main_window.h"

#include "base/win32/wide.h"
#include "dialogs/win32/dialog_figure.h"
#include "dialogs/win32/dialog_layout.h"
#include "dialogs/win32/dialog_input.h"
#include "dialogs/win32/dialog_array.h"
#include "dialogs/win32/dialog_table.h"
#include "dialogs/win32/dialog_bibitem.h"
#include "dialogs/win32/dialog_documentclass.h"
#include "dialogs/win32/dialog_ref_cite.h"
#include "dialogs/win32/dialog_date.h"
#include "dialogs/win32/dialog_index.h"
#include "dialogs/win32/dialog_minipage.h"
#include "dialogs/win32/dialog_version.h"
#include "frame/host_messages.h"
#include "frame/message_ids.h"
#include "frame/win32/dialog.h"
#include "frame/win32/help.h"
#include "frame/win32/hooks.h"
#include "frame/win32/jump.h"
#include "frame/win32/language.h"
#include "frame/win32/plugin_app.h"
#include "frame/win32/shared_state.h"
#include "frame/win32/shared_toggles.h"
#include "frame/win32/win_rect.h"
#include "frame/win32/window_editor.h"
#include "highlight/highlight_store.h"
#include "highlight/win32/highlight_menu.h"
#include "make/win32/aux_delete.h"
#include "make/win32/paper_menu.h"
#include "make/win32/root_commands.h"
#include "make/win32/run_make.h"
#include "mainwindow/command_dispatch.h"
#include "mainwindow/command_ids.h"
#include "mainwindow/command_texts.h"
#include "mainwindow/comment_commands.h"
#include "mainwindow/toolbar_layout.h"
#include "mainwindow/toolbar_table.h"
#include "mainwindow/win32/dialog_menu_edit.h"
#include "mainwindow/win32/dialog_user_string.h"
#include "mainwindow/win32/jump_command.h"
#include "mainwindow/win32/key_dispatch_win32.h"
#include "mainwindow/win32/popup_menu.h"
#include "mainwindow/win32/system_menu.h"
#include "mainwindow/win32/toolbar.h"
#include "mainwindow/win32/user_commands.h"
#include "outline/subwindow_geometry.h"
#include "outline/win32/outline_commands.h"
#include "outline/win32/subwindow_host.h"
#include "palette/win32/palette_windows.h"
#include "settings/setting_keys.h"
#include "settings/win32/settings_sheet.h"
#include "support/dictionary_store.h"
#include "support/win32/dialog_dic_edit.h"
#include "support/win32/dictionary_paths.h"
#include "support/win32/dialog_easy_support.h"
#include "support/win32/easy_support_action.h"
#include "support/win32/dialog_support.h"

#include <algorithm>
#include <cwchar>
#include <new>

namespace {

const wchar_t kClassName[] = L"Vexa2";
const wchar_t kTitle[] = L"Vexa 2";
constexpr UINT_PTR TimerId = 1;
constexpr UINT TimerMs = 200;
// Failure texts of the window framework and the restart notice.
constexpr uint32_t PropertyFailed = msgid::WindowPropertyFailed;
constexpr uint32_t SubclassFailed = msgid::SubclassFailed;
constexpr uint32_t RestartNotice = msgid::RestartNotice;

// The few toolbar commands the entry points touch, as bit numbers.
int bit(uint32_t id) {
    switch (id) {
    case 41123: return 0; // root lock
    case 41124: return 1; // highlight
    case 41136: return 2; // jump back
    case 41137: return 3; // swap
    default: return -1;
    }
}
void setBit(uint64_t& bits, uint32_t id, bool on) {
    int b = bit(id);
    if (b < 0) return;
    if (on) bits |= uint64_t(1) << b;
    else bits &= ~(uint64_t(1) << b);
}
bool getBit(uint64_t bits, uint32_t id) {
    int b = bit(id);
    return b >= 0 && (bits >> b) & 1;
}

bool on(SharedToggle t) { return shared_toggles::current(t) != 0; }

// The current highlight pattern, empty when none can be built.
std::wstring highlightPattern() {
    CSetting* s = app::settings();
    return s ? wide::w(highlight::activePattern(*s)) : std::wstring();
}

// What the toggles add to a command's texts, as they stand now.
command_texts::State textState() {
    command_texts::State s;
    s.rootLock = on(SharedToggle::RootLock);
    s.swap = on(SharedToggle::Swap);
    s.highlight = on(SharedToggle::Highlight);
    if (s.rootLock) s.lockedRoot = shared_toggles::lockedRoot(app::settings());
    if (s.highlight) s.pattern = wide::u(highlightPattern().c_str());
    return s;
}

bool registerClassOnce(HINSTANCE plugin) {
    static bool registered = false;
    if (registered) return true;
    INITCOMMONCONTROLSEX icc{sizeof icc, 0x1FF};
    InitCommonControlsEx(&icc);
    registered = Window::registerClass(plugin, kClassName, 0, LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)),
                                       reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    return registered;
}

void restartNotice(HWND owner, bool asked) {
    if (asked || shared::openWindows() > 0)
        lang::messageBox(owner, RestartNotice, msgid::CaptionQuestion, MB_OK | MB_ICONINFORMATION);
}

} // namespace

// The thread's hooks report here while the window exists.
class MainWindowHooks final : public HookSink {
public:
    explicit MainWindowHooks(MainWindow& window) : window_(window) {}
    // Completion windows close on a click elsewhere.
    void onClickNotice(HWND clicked) override {
        if (DialogSupport* support = window_.supportWindow()) support->clickNotice(clicked);
        if (const auto& popup = window_.easySupport()) popup->clickNotice(clicked);
    }
    Band dockedBand() const override { return Band{window_.rebarBand().rebar(), window_.rebarBand().bandId()}; }
    void onRebarChildSize(int width) override { window_.onRebarChildSize(width); }
    void setHostMenuOpen() override { window_.setHostMenuOpen(true); }
    void moveSubWindows(bool mainFollows, bool subWindowsFollow) override {
        window_.frameMoved(mainFollows, subWindowsFollow);
    }
    bool offerWheel(int steps) override {
        DialogSupport* support = window_.supportWindow();
        return support && support->offerWheel(steps);
    }
    bool dispatchKey(WPARAM key, LPARAM info) override { return window_.offerKey(key, info); }
    bool prepareEasySupport() override { return window_.prepareEasySupport(); }
    bool prepareSupportWindow() override { return window_.prepareSupportWindow(); }
    bool buildShortcutTable(shortcuts::Table& table) override {
        CSetting* settings = app::settings();
        if (!settings) return false;
        try {
            shortcuts::buildShortcutTable(table, *settings);
        } catch (const std::bad_alloc&) {
            table.clear();
            return false;
        }
        return true;
    }

private:
    MainWindow& window_;
};

MainWindow::MainWindow(HINSTANCE plugin, PluginThreadContext* owner) : plugin_(plugin), owner_(owner) {}

MainWindow::~MainWindow() { destroy(); }

void MainWindow::rememberFrame() {
    RECT f{};
    if (HWND frame = GetAncestor(editor_, GA_ROOT)) GetWindowRect(frame, &f);
    follower_.remember(f.left, f.top);
}

void MainWindow::frameMoved(bool mainFollows, bool subWindowsFollow) {
    RECT f{};
    if (HWND frame = GetAncestor(editor_, GA_ROOT)) GetWindowRect(frame, &f);
    // The hook passes no moves of a maximized frame on.
    std::optional<subwindow_geometry::Offset> by = follower_.frameMoved(f.left, f.top, false);
    if (!handle() || !by) return;
    int dx = by->dx, dy = by->dy;
    if (dx == 0 && dy == 0) return;
    if (mainFollows && !rebar_.docked()) subwindow_host::moveBy(handle(), dx, dy);
    if (subWindowsFollow) subwindow_host::moveBy(openSubWindows(), dx, dy);
}

std::vector<HWND> MainWindow::openSubWindows() const {
    std::vector<HWND> all;
    if (HWND outline = outlineWindow()) all.push_back(outline);
    all.insert(all.end(), subWindows_.begin(), subWindows_.end());
    return all;
}

void MainWindow::registerSubWindow(HWND window) {
    if (!window || std::find(subWindows_.begin(), subWindows_.end(), window) != subWindows_.end()) return;
    subWindows_.push_back(window);
}

void MainWindow::unregisterSubWindow(HWND window) {
    subWindows_.erase(std::remove(subWindows_.begin(), subWindows_.end(), window), subWindows_.end());
}

bool MainWindow::create(HWND editor) {
    if (handle()) return false;
    editor_ = editor;
    if (!registerClassOnce(plugin_)) return false;
    Window::create(WS_EX_TOOLWINDOW, kClassName, kTitle, WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_CLIPCHILDREN, 0,
                   0, 100, 100, editor, nullptr, plugin_);
    return exists();
}

void MainWindow::destroy() {
    if (HWND w = handle()) DestroyWindow(w);
}

void MainWindow::rebind(HWND editor) {
    if (editor == editor_) return;
    editor_ = editor;
    if (support_) support_->setEditor(editor);
    // Frame moves are measured from the new frame's corner.
    if (handle()) rememberFrame();
}

void MainWindow::setCommandEnabled(uint32_t id, bool on) {
    setBit(enabled_, id, on);
    if (toolbar_) toolbar::setEnabled(toolbar_, id, on);
}
void MainWindow::setCommandPressed(uint32_t id, bool on) {
    setBit(pressed_, id, on);
    if (toolbar_) toolbar::setPressed(toolbar_, id, on);
}
bool MainWindow::commandEnabled(uint32_t id) const {
    return toolbar_ ? toolbar::enabled(toolbar_, id) : getBit(enabled_, id);
}
bool MainWindow::commandPressed(uint32_t id) const {
    return toolbar_ ? toolbar::pressed(toolbar_, id) : getBit(pressed_, id);
}

void MainWindow::setStatus(const std::wstring& s) const {
    if (editor_) WindowEditor(editor_).SetStatusText(wide::u(s.c_str(), s.size()));
}

// ---- creation and destruction -------------------------------------------

LRESULT MainWindow::onCreate(CREATESTRUCTW*) {
    shared::windowOpened();
    counted_ = true;
    closing_ = false;
    CSetting* settings = app::settings();
    auto where = placement::fromSetting(
        settings ? settings->readInt(ini_keys::basic::Section, ini_keys::basic::Window, 6) : 6);
    bool dock = where == placement::Placement::Docked;

    toolbar_ = toolbar::create(handle(), dock);
    if (!toolbar_) {
        lang::messageBox(editor_, msgid::ToolbarNotCreated, msgid::CaptionWarning, MB_OK | MB_ICONWARNING);
        return refuseCreation();
    }
    switch (toolbar::subclass(toolbar_, plugin_, &hostMenuOpen_)) {
    case toolbar::SubclassResult::Done: break;
    case toolbar::SubclassResult::NoProperty:
        lang::messageBox(editor_, PropertyFailed, msgid::CaptionWarning, MB_OK | MB_ICONWARNING);
        return refuseCreation();
    case toolbar::SubclassResult::NoSubclass:
        lang::messageBox(editor_, SubclassFailed, msgid::CaptionWarning, MB_OK | MB_ICONWARNING);
        return refuseCreation();
    }
    DWORD size = static_cast<DWORD>(SendMessageW(toolbar_, TB_GETBUTTONSIZE, 0, 0));
    columnWidth_ = placement::columnWidth(LOWORD(size), GetSystemMetrics(SM_CXFRAME));
    buildButtons(false);

    if (!createDictionaries()) {
        lang::messageBox(editor_, msgid::DictionariesNotCreated, msgid::CaptionWarning, MB_OK | MB_ICONWARNING);
        return refuseCreation();
    }

    system_menu::edit(handle(), dock);

    if (PluginThreadContext* ctx = ownContext()) {
        hooks_ = std::make_unique<MainWindowHooks>(*this);
        // A failure was reported by the hooks themselves.
        if (!hooks::install(*ctx, *hooks_)) {
            return refuseCreation();
        }
    }

    if (settings) {
        settings->beginBatch();
        hideSubWindows_ = settings->readInt(ini_keys::basic::Section, ini_keys::basic::HideSubWindow, 1) != 0;
        SharedState& s = shared::state();
        shared::write(s.rootLockOn, settings->readInt(ini_keys::root::Section, ini_keys::root::Status, 0) ? 1 : 0);
        shared::write(s.swapOn, settings->readInt(ini_keys::make::Section, ini_keys::make::Swap, 0) ? 1 : 0);
        shared::write(s.highlightOn,
                      settings->readInt(ini_keys::highlight::Section, ini_keys::highlight::Status, 0) ? 1 : 0);
        settings->endBatch();
    }
    // With highlighting on, the first tick applies it; off, nothing is due.
    int32_t generation = shared::read(shared::state().highlightGeneration);
    highlightGenerationSeen_ = on(SharedToggle::Highlight) ? generation - 1 : generation;
    refreshToggleButtons();

    SetTimer(handle(), TimerId, TimerMs, nullptr);

    if (!placeWindow(where)) {
        return refuseCreation();
    }
    rememberFrame();
    if (!dock) {
        ShowWindow(handle(), SW_SHOWNA);
        if (!settings || settings->readInt(ini_keys::basic::Section, ini_keys::basic::CompleteVisible, 1) == 1) {
            RECT r{};
            GetWindowRect(handle(), &r);
            auto area = subwindow_geometry::screenArea(GetSystemMetrics(SM_CXFULLSCREEN),
                                                       GetSystemMetrics(SM_CYFULLSCREEN),
                                                       GetSystemMetrics(SM_CYCAPTION));
            Rect moved = subwindow_geometry::keepOnScreen(win_rect::of(r), area.width, area.height);
            SetWindowPos(handle(), nullptr, moved.left, moved.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        }
    }
    ready_ = true;
    idle_ = true;
    return 0;
}

bool MainWindow::placeWindow(placement::Placement where) {
    using placement::Placement;
    HWND frame = GetAncestor(editor_, GA_ROOT);
    RECT fr{};
    if (frame) GetWindowRect(frame, &fr);
    Rect frameRect = win_rect::of(fr);
    auto moveTo = [this](const Rect& r) {
        SetWindowPos(handle(), nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    };
    auto heightAt = [this](int32_t width) {
        SetWindowPos(handle(), nullptr, 0, 0, width, 100, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        return windowHeight_;
    };
    CSetting* settings = app::settings();
    switch (where) {
    case Placement::SavedAbsolute:
    case Placement::SavedRelative: {
        if (!settings) return false;
        Rect r = placement::savedPlace(*settings, where, frameRect);
        moveTo(r);
        return true;
    }
    case Placement::Above:
    case Placement::Below: {
        int32_t h = heightAt(frameRect.right - frameRect.left);
        moveTo(where == Placement::Above ? placement::above(frameRect, h) : placement::below(frameRect, h));
        return true;
    }
    case Placement::Left:
    case Placement::Right: {
        int32_t width = placement::sideWidth(columnWidth_, frameRect.bottom - frameRect.top, heightAt);
        int32_t h = heightAt(width);
        // The system keeps a captioned window wider than a narrow column.
        RECT actual{};
        GetWindowRect(handle(), &actual);
        width = actual.right - actual.left;
        moveTo(where == Placement::Left ? placement::leftOf(frameRect, width, h)
                                        : placement::rightOf(frameRect, width, h));
        return true;
    }
    case Placement::Docked: {
        EditorRebar::Result r = rebar_.dock(handle(), toolbar_, editor_, settings);
        if (r == EditorRebar::Result::NoProperty)
            lang::messageBox(editor_, PropertyFailed, msgid::CaptionWarning, MB_OK | MB_ICONWARNING);
        if (r == EditorRebar::Result::NoSubclass)
            lang::messageBox(editor_, SubclassFailed, msgid::CaptionWarning, MB_OK | MB_ICONWARNING);
        return r == EditorRebar::Result::Docked;
    }
    }
    return false;
}

void MainWindow::onDestroy() {
    closing_ = true;
    ready_ = false;
    KillTimer(handle(), TimerId);
    if (hooks_) {
        if (PluginThreadContext* ctx = ownContext()) hooks::remove(*ctx);
        hooks_.reset();
    }
    CSetting* settings = app::settings();
    HWND frame = GetAncestor(editor_, GA_ROOT);
    if (settings && !rebar_.docked() && frame) {
        RECT w{}, f{};
        GetWindowRect(handle(), &w);
        GetWindowRect(frame, &f);
        subwindow_geometry::savePlace(*settings, placement::PlaceName, win_rect::of(w), win_rect::of(f), IsIconic(frame) != 0);
    }
    closeHelpWindows();
    if (settings && editor_ && IsWindow(editor_) &&
        settings->readInt(ini_keys::make::Section, ini_keys::make::AutoDelete, 1) == 1)
        aux_delete::deleteAuxFiles(plugin_, nullptr, editor_);
    outline_.reset();
    palettes_.reset();
    // Their objects see WM_DESTROY and let go; the list is ours to empty.
    std::vector<HWND> subWindows = std::move(subWindows_);
    subWindows_.clear();
    for (HWND w : subWindows)
        if (IsWindow(w)) DestroyWindow(w);
    releaseAll();
    if (editor_ && IsWindow(editor_) &&
        WindowEditor(editor_).GetDocumentInfo(hostmsg::DocFocusOnClose, 0, 0) == 0 &&
        GetWindowThreadProcessId(editor_, nullptr) == GetCurrentThreadId())
        SetFocus(editor_);
    if (editor_ && IsWindow(editor_)) SendMessageW(editor_, hostmsg::RefreshPluginState, pluginIndex_, 0);
    uncount();
}

// What creation built, in reverse; also after a creation that failed
// half-way (the framework then sends no WM_DESTROY to the object).
void MainWindow::releaseAll() {
    if (HWND w = handle()) KillTimer(w, TimerId);
    if (hooks_) {
        if (PluginThreadContext* ctx = ownContext()) hooks::remove(*ctx);
        hooks_.reset();
    }
    rebar_.remove(app::settings());
    toolbar::destroy(toolbar_);
    toolbar_ = nullptr;
    support_.reset();
    dictionaries_.reset();
    if (easySupport_) easySupport_->cancel();
    easySupport_.reset();
    lastButtonCommand_ = 0;
    columnWidth_ = windowHeight_ = 0;
    ready_ = idle_ = false;
    hostMenuOpen_ = false;
    foregroundIsMine_ = true;
}

LRESULT MainWindow::refuseCreation() {
    releaseAll();
    uncount();
    return -1;
}

void MainWindow::uncount() {
    if (counted_) shared::windowClosed();
    counted_ = false;
}

// The cache and the history live in the settings folder: without one the
// dictionaries have nowhere to keep what the support windows learn.
bool MainWindow::createDictionaries() {
    try {
        DictionaryPaths paths;
        if (!dictionary_paths::forPlugin(plugin_, paths)) return false;
        dictionaries_ = std::make_unique<DictionaryStore>(std::move(paths));
    } catch (const std::bad_alloc&) {
        dictionaries_.reset();
    }
    return dictionaries_ != nullptr;
}

bool MainWindow::prepareSupportWindow() {
    CSetting* settings = app::settings();
    if (!settings || !dictionaries_) return false;
    try {
        support_ = std::make_unique<DialogSupport>(editor_, dictionaries_.get(), *settings);
    } catch (const std::bad_alloc&) {
        return false;
    }
    // Without its keys the window is simply not there; that is no failure.
    if (support_->create() != DialogSupport::Created::Failed) return true;
    support_.reset();
    return false;
}

bool MainWindow::offerKey(WPARAM key, LPARAM info) {
    if (info & (1u << 31)) return false;   // only presses
    PluginThreadContext* ctx = ownContext();
    return ctx && key_dispatch_win32::offer(*this, ctx->keys, key);
}

LRESULT MainWindow::onOtherMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == easy_support_action::OpenPopup) {
        easy_support_action::openPending(easySupport_, editor_);
        return 0;
    }
    return Window::onOtherMessage(message, wParam, lParam);
}

bool MainWindow::prepareEasySupport() {
    try {
        easySupport_ = std::make_shared<DialogEasySupport>();
    } catch (const std::bad_alloc&) {
        return false;
    }
    return true;
}

PaletteWindows& MainWindow::palettes() {
    if (!palettes_) palettes_ = std::make_unique<PaletteWindows>(*this);
    return *palettes_;
}

HWND MainWindow::outlineWindow() const { return outline_ ? outline_->handle() : nullptr; }

void MainWindow::documentClosed(int32_t document) { outline_commands::documentClosed(*this, document); }

// ---- buttons -------------------------------------------------------------

void MainWindow::buildButtons(bool useDefault) {
    if (!toolbar_) return;
    CSetting* settings = app::settings();
    std::vector<int32_t> items =
        useDefault || !settings ? toolbar_layout::defaultItems() : toolbar_layout::load(*settings);
    lastButtonCommand_ = toolbar::build(toolbar_, items);
    refreshToggleButtons();
    if (palettes_) palettes_->refreshChecks();   // new buttons start unchecked
    if (PluginThreadContext* ctx = ownContext()) jumps::refreshReturnButton(*ctx);
}

void MainWindow::refreshToggleButtons() {
    for (SharedToggle t : {SharedToggle::RootLock, SharedToggle::Highlight, SharedToggle::Swap})
        setCommandPressed(static_cast<uint32_t>(t), on(t));
}

void MainWindow::refit() {
    if (rebar_.docked()) {
        rebar_.refit();
        return;
    }
    RECT r{};
    GetWindowRect(handle(), &r);
    fitFloating(r.right - r.left);
}

// ---- floating layout -----------------------------------------------------

void MainWindow::fitFloating(int width) {
    if (!toolbar_ || fitting_) return;
    fitting_ = true;
    int frameX = GetSystemMetrics(SM_CXFRAME), frameY = GetSystemMetrics(SM_CYFRAME);
    int toolbarWidth = placement::toolbarWidth(width, frameX);
    // Wide and tall enough to lay every button out, then cut to the rows.
    SetWindowPos(toolbar_, nullptr, 0, 0, toolbarWidth, 4000, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessageW(toolbar_, TB_AUTOSIZE, 0, 0);
    RECT last{};
    int bottom = 0;
    if (lastButtonCommand_ &&
        SendMessageW(toolbar_, TB_GETRECT, lastButtonCommand_, reinterpret_cast<LPARAM>(&last)))
        bottom = last.bottom;
    SetWindowPos(toolbar_, nullptr, 0, 0, toolbarWidth, bottom, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    windowHeight_ = placement::floatingHeight(GetSystemMetrics(SM_CYSMCAPTION), bottom, frameY);
    RECT w{};
    GetWindowRect(handle(), &w);
    if (w.bottom - w.top != windowHeight_)
        SetWindowPos(handle(), nullptr, 0, 0, w.right - w.left, windowHeight_, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    fitting_ = false;
}

void MainWindow::onSize(UINT, int, int) {
    if (rebar_.docked() || !toolbar_) return;
    RECT w{};
    GetWindowRect(handle(), &w);
    fitFloating(w.right - w.left);
}

void MainWindow::onGetMinMaxInfo(MINMAXINFO* info) {
    if (rebar_.docked() || columnWidth_ <= 0 || windowHeight_ <= 0) return;
    placement::SizeLimits l = placement::sizeLimits(columnWidth_, windowHeight_);
    info->ptMinTrackSize.x = l.minWidth;
    info->ptMinTrackSize.y = l.minHeight;
    info->ptMaxTrackSize.y = l.maxHeight;
}

// ---- timer ---------------------------------------------------------------

void MainWindow::onTimer(UINT_PTR id) {
    if (id != TimerId || !toolbar_) return;
    checkButtonHeight();
    // The host's menu loop is over once the thread has left menu mode.
    GUITHREADINFO gui{};
    gui.cbSize = sizeof gui;
    if (hostMenuOpen_ && GetGUIThreadInfo(GetCurrentThreadId(), &gui) && !(gui.flags & GUI_INMENUMODE))
        hostMenuOpen_ = false;
    refreshToggleButtons();
    applyHighlight();
    if (hideSubWindows_) trackForeground();
    if (PluginThreadContext* ctx = ownContext()) jumps::refreshReturnButton(*ctx);
}

void MainWindow::applyHighlight() {
    int32_t generation = shared::read(shared::state().highlightGeneration);
    if (generation == highlightGenerationSeen_) return;
    highlightGenerationSeen_ = generation;
    WindowEditor editor(editor_);
    std::wstring pattern = on(SharedToggle::Highlight) ? highlightPattern() : std::wstring();
    if (!pattern.empty()) {
        EditorCursor keep(editor);
        editor.RunHostCommandWithText(hostmsg::SearchHighlightCommand, wide::u(pattern.c_str(), pattern.size()));
    } else {
        editor.RunHostCommand(hostmsg::CmdClearHighlight);
    }
}

// The buttons follow the system's metrics (a changed font or scale, or a
// host that sized them): the band is laid out again for the new height.
void MainWindow::checkButtonHeight() {
    if (!rebar_.docked()) return;
    DWORD size = static_cast<DWORD>(SendMessageW(toolbar_, TB_GETBUTTONSIZE, 0, 0));
    if (!placement::buttonHeightChanged(rebar_.buttonHeight(), HIWORD(size))) return;
    rebar_.recordButtonSize(LOWORD(size), HIWORD(size));
    buildButtons(false);
    rebar_.refit();
}

void MainWindow::trackForeground() {
    DWORD process = 0;
    HWND front = GetForegroundWindow();
    DWORD thread = front ? GetWindowThreadProcessId(front, &process) : 0;
    bool mine = process == GetCurrentProcessId() && thread == GetCurrentThreadId();
    if (mine == foregroundIsMine_) return;
    foregroundIsMine_ = mine;
    showSubWindows(mine);
}

// Hides the visible sub-windows, or shows the hidden ones without taking
// the focus from whatever the user clicked.
void MainWindow::showSubWindows(bool show) { subwindow_host::showWithHost(openSubWindows(), show); }

// ---- commands ------------------------------------------------------------

LRESULT MainWindow::onCommand(WORD id, WORD, HWND control) {
    if (control == toolbar_ || control == nullptr) runCommand(id);
    return 0;
}

void MainWindow::runCommand(uint32_t id) {
    idle_ = false;
    WindowEditor editor(editor_);
    snippet::Target target{editor, ready_};
    command_dispatch::Result r = command_dispatch::runCommand(id, target);
    if (r.commentTooLong) {
        wchar_t buffer[512];
        std::swprintf(buffer, 512, lang::message(comment::TooLongMessage), static_cast<int>(comment::MaxSelection));
        MessageBoxW(editor_, buffer, lang::message(msgid::CaptionWarning), MB_OK | MB_ICONWARNING);
    }
    PluginThreadContext* ctx = ownContext();
    if (r.outcome == command_dispatch::Outcome::ForShell && ctx) {
        using command_table::Action;
        switch (r.other.action) {
        case Action::SharedToggle: {
            SharedToggle which = r.other.argument == 0   ? SharedToggle::RootLock
                                 : r.other.argument == 1 ? SharedToggle::Highlight
                                                         : SharedToggle::Swap;
            shared_toggles::apply(*ctx, which, plugin_rules::ToggleRequest::Toggle);
            break;
        }
        case Action::JumpBack: jumps::jumpBack(*ctx); break;
        case Action::SystemCommand: SendMessageW(handle(), WM_SYSCOMMAND, r.other.argument, 0); break;
        case Action::CloseMainWindow: destroy(); return;
        case Action::PopupMenu: popup_menu::run(*this, id, r.other); break;
        case Action::Typeset: run_make::typeset(*this, r.other.argument, false); break;
        case Action::RootFileDialog: root_commands::showRootDialog(*this); break;
        case Action::AuxiliaryFileDeletion: aux_delete::deleteAuxFiles(plugin_, handle(), editor_); break;
        case Action::OutlineWindow: outline_commands::toggle(*this); break;
        case Action::PaletteWindow: palettes().command(id); break;
        case Action::FigureDialog: DialogFigure(dialogOwner(), editor_); break;
        case Action::PageLayoutDialog: DialogLayout(dialogOwner(), editor_); break;
        case Action::InputDialog: DialogInput(dialogOwner(), editor_); break;
        case Action::TableDialog:
            if (DialogTable(dialogOwner(), editor_).inserted()) SetFocus(editor_);
            break;
        case Action::ArrayDialog:
            if (DialogArray(dialogOwner(), editor_).inserted()) SetFocus(editor_);
            break;
        case Action::ReferenceDialog:
            DialogRefCite(dialogOwner(), editor_,
                          r.other.argument == 1 ? DialogRefCite::Mode::Citation : DialogRefCite::Mode::Reference);
            break;
        case Action::BibItemDialog: DialogBibitem(dialogOwner(), editor_); break;
        case Action::UserMenu: user_commands::showUserMenu(*this, id); break;
        case Action::UserStringMenu: user_commands::showUserStringMenu(*this, id); break;
        case Action::UserMenuEditor: DialogMenuEdit{dialogOwner()}; break;
        case Action::UserStringEditor: DialogUserString{dialogOwner()}; break;
        case Action::InsertUserString: user_commands::insertUserString(*this, r.other.argument); break;
        case Action::MinipageDialog: DialogMinipage(dialogOwner(), editor_); break;
        case Action::IndexDialog: DialogIndex(dialogOwner(), editor_); break;
        case Action::DateDialog: DialogDate(dialogOwner(), editor_); break;
        case Action::DocumentClassDialog: DialogDocumentclass(dialogOwner(), editor_); break;
        default: break;  // dialogs and user menus come with their windows
        }
    }
    if (r.outcome == command_dispatch::Outcome::Jump && exists()) jump_command::run(*this, r.jump);
    if (r.focusEditor && editor_) SetFocus(editor_);
    idle_ = true;
}

int MainWindow::runSettings(HWND parent, int startPage) {
    PluginThreadContext* ctx = ownContext();
    bool hooked = exists() && hooks_ && ctx;
    if (hooked) hooks::remove(*ctx);
    bool wasIdle = idle_;
    idle_ = false;
    SettingsSheetResult r = runSettingsSheet(parent, startPage);
    idle_ = wasIdle;
    if (r.result == 1) {
        // The notice cannot be owned by this window once it is gone.
        HWND owner = parent && parent != handle() && IsWindow(parent) ? parent : editor_;
        if (exists()) destroy();
        restartNotice(owner, r.restartNeeded);
    } else if (hooked && exists() && hooks_ && !ctx->getMessageHook && !hooks::install(*ctx, *hooks_)) {
        // (A window made anew while the sheet ran has its hooks already.)
        // The failure was reported; a window without its hooks would miss
        // keys and clicks, so it goes, as it does when they fail at creation.
        destroy();
    }
    return r.result;
}

void MainWindow::onSysCommand(WPARAM wParam, LPARAM lParam) {
    if ((wParam & 0xFFF0) == SC_CLOSE) {
        destroy();
        return;
    }
    switch (wParam) {
    case system_menu::Settings:
        runSettings(handle(), PageBasic);
        break;
    case system_menu::CustomizeToolbar:
        idle_ = false;
        SendMessageW(toolbar_, TB_CUSTOMIZE, 0, 0);
        break;
    case system_menu::About:
        idle_ = false;
        DialogVersion{dialogOwner()};
        idle_ = true;
        return;
    case system_menu::DeleteSettings:
        if (lang::ask(editor_, msgid::AskDeleteSettings)) {
            HWND owner = editor_;
            destroy();
            restartNotice(owner, true);
            if (CSetting* s = app::settings()) s->deleteFile();
        }
        return;
    case system_menu::DictionaryEditor: {
        idle_ = false;
        DictionaryPaths paths;
        const bool changed = dictionary_paths::forPlugin(plugin_, paths) &&
                             DialogDicEdit(dialogOwner(), std::move(paths), app::settings()).changed();
        idle_ = true;
        if (!changed) return;
        // The next main window (of any editor) loads the new dictionaries
        // from the cache; this one keeps its own until it is reopened.
        if (dictionaries_) dictionaries_->rebuild();
        if (lang::ask(editor_, msgid::AskRestartForDictionaries)) {
            HWND owner = editor_;
            destroy();
            restartNotice(owner, true);
        }
        return;
    }
    case system_menu::Help:
        showHelpTopic(plugin_, cfgid::HelpMainWindow);
        return;
    default: break;
    }
    if (handle()) Window::onSysCommand(wParam, lParam);
}

void MainWindow::onMenuSelect(UINT item, UINT flags, HMENU) {
    if (item && !(flags & MF_POPUP) && !(flags & MF_SEPARATOR)) setStatus(statusText(item));
    else setStatus(L"");
}

void MainWindow::onMeasureItem(UINT, MEASUREITEMSTRUCT* item) {
    if (item) user_commands::measureItem(handle(), *item);
}

void MainWindow::onDrawItem(UINT, DRAWITEMSTRUCT* item) {
    if (item) user_commands::drawItem(*item);
}

// ---- texts ---------------------------------------------------------------

std::wstring MainWindow::statusText(uint32_t command) const {
    return wide::w(command_texts::statusText(command, textState(), &user_commands::text));
}

std::wstring MainWindow::tipText(uint32_t command) const {
    command_texts::State state = textState();
    if (PluginThreadContext* ctx = ownContext()) state.shortcut = key_dispatch_win32::shortcutName(ctx->keys, command);
    return wide::w(command_texts::tipText(command, state, &user_commands::text));
}

// ---- notifications -------------------------------------------------------

LRESULT MainWindow::onNotify(NMHDR* header) {
    if (!header || !toolbar_) return 0;
    if (header->code == TTN_GETDISPINFOW) {
        auto* info = reinterpret_cast<NMTTDISPINFOW*>(header);
        // A tip would cover the candidates the user is choosing from.
        bool completing = support_ && support_->visible();
        std::wstring tip = completing ? std::wstring() : tipText(static_cast<uint32_t>(header->idFrom));
        size_t n = std::min<size_t>(tip.size(), command_texts::TextLimit);
        std::wmemcpy(info->szText, tip.c_str(), n);
        info->szText[n] = 0;
        info->lpszText = info->szText;
        info->hinst = nullptr;
        return 0;
    }
    if (header->hwndFrom != toolbar_) return 0;
    return onToolbarNotify(header);
}

LRESULT MainWindow::onToolbarNotify(NMHDR* header) {
    switch (header->code) {
    case TBN_HOTITEMCHANGE: {
        auto* hot = reinterpret_cast<NMTBHOTITEM*>(header);
        if (hot->dwFlags & HICF_LEAVING) setStatus(L"");
        else setStatus(statusText(static_cast<uint32_t>(hot->idNew)));
        return 0;
    }
    case TBN_DROPDOWN: {
        auto* drop = reinterpret_cast<NMTOOLBARW*>(header);
        RECT button = drop->rcButton;
        MapWindowPoints(toolbar_, nullptr, reinterpret_cast<POINT*>(&button), 2);
        switch (drop->iItem) {
        case cmd::TypesetPaperMenu: paper_menu::show(*this, button); return TBDDRET_DEFAULT;
        case cmd::RootLock: root_commands::showLockMenu(*this, button); return TBDDRET_DEFAULT;
        case cmd::Highlight: highlight_menu::show(*this, button); return TBDDRET_DEFAULT;
        default: return TBDDRET_NODEFAULT;
        }
    }
    case TBN_QUERYINSERT:
    case TBN_QUERYDELETE: return TRUE;
    case TBN_GETBUTTONINFOW: {
        auto* info = reinterpret_cast<NMTOOLBARW*>(header);
        if (!toolbar::describe(info->iItem, info->tbButton)) return FALSE;
        if (info->pszText && info->cchText > 0) {
            u16 t = command_texts::buttonText(info->tbButton.idCommand, &user_commands::text);
            lstrcpynW(info->pszText, wide::w(t), info->cchText);
        }
        return TRUE;
    }
    case TBN_BEGINADJUST: idle_ = false; return 0;
    case TBN_CUSTHELP: showHelpTopic(plugin_, cfgid::HelpToolbarCustomize); return 0;
    case TBN_RESET:
        if (lang::ask(handle(), msgid::AskResetToolbar)) buildButtons(true);
        return 0;
    case TBN_ENDADJUST: {
        if (CSetting* s = app::settings()) {
            std::vector<int32_t> now = toolbar::items(toolbar_);
            toolbar_layout::save(*s, now);
        }
        buildButtons(false);
        refit();
        idle_ = true;
        return 0;
    }
    case NM_RCLICK: {
        auto* mouse = reinterpret_cast<NMMOUSE*>(header);
        POINT screen{};
        GetCursorPos(&screen);
        rightClick(static_cast<uint32_t>(mouse->dwItemSpec), screen);
        return TRUE;
    }
    default: return 0;
    }
}

void MainWindow::rightClick(uint32_t command, POINT screen) {
    if (command && toolbar_table::isTypesetting(command)) {
        idle_ = false;
        run_make::typeset(*this, toolbar_table::typesetVariant(command), true);
        idle_ = true;
        return;
    }
    if (command && toolbar_table::rightClickOpensRoot(command)) {
        root_commands::openRootInNewHost(*this);
        return;
    }
    if (command && toolbar_table::opensSubWindow(command)) {
        palettes().toggleDetached(command);   // palettes only; the lists ignore it
        return;
    }
    if (UINT chosen = system_menu::track(handle(), screen)) SendMessageW(handle(), WM_SYSCOMMAND, chosen, 0);
}
