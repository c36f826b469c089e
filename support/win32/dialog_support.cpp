#include "support/win32/dialog_support.h"

#include "base/win32/wide.h"
#include "frame/message_ids.h"
#include "frame/win32/language.h"
#include "frame/win32/win_rect.h"
#include "frame/win32/window_editor.h"
#include "lang/resource_ids.h"
#include "outline/subwindow_geometry.h"
#include "outline/win32/redraw.h"
#include "settings/setting.h"
#include "support/dictionary_store.h"
#include "support/history_file.h"
#include "support/place_beside.h"
#include "support/win32/imm_context.h"

#include <algorithm>
#include <commctrl.h>

namespace {

const wchar_t kInputProperty[] = L"Vexa_Edit_Prop";
constexpr UINT FocusBack = WM_USER + 2;   // posted: the input box takes the focus again
constexpr UINT OpenNow = WM_USER + 3;     // posted by open(): show the window and run its loop
constexpr int InputLimit = 512;
constexpr COLORREF DescriptionColour = RGB(0, 0, 255);

void warn(HWND owner, uint32_t id) { lang::messageBox(owner, id, msgid::CaptionWarning, MB_OK | MB_ICONWARNING); }

std::wstring windowText(HWND w) {
    int n = GetWindowTextLengthW(w);
    std::wstring t(static_cast<size_t>(std::max(n, 0)) + 1, L'\0');
    n = GetWindowTextW(w, t.data(), static_cast<int>(t.size()));
    t.resize(static_cast<size_t>(std::max(n, 0)));
    return t;
}

void setTextIfChanged(HWND w, const u16& text) {
    if (w && windowText(w) != wide::w(text)) SetWindowTextW(w, wide::w(text));
}

bool isPress(UINT message) {
    switch (message) {
    case WM_LBUTTONDOWN: case WM_RBUTTONDOWN: case WM_MBUTTONDOWN:
    case WM_LBUTTONDBLCLK: case WM_RBUTTONDBLCLK: case WM_MBUTTONDBLCLK:
    case WM_NCLBUTTONDOWN: case WM_NCRBUTTONDOWN: case WM_NCMBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK: case WM_NCRBUTTONDBLCLK: case WM_NCMBUTTONDBLCLK:
        return true;
    default:
        return false;
    }
}

} // namespace

DialogSupport::DialogSupport(HWND editor, DictionaryStore* store, CSetting& settings)
    : editor_(editor), settings_(settings),
      historyPath_(store ? store->historyPath() : u16(history_file::FileName)), commands_(store, &settings),
      environments_(store) {}

DialogSupport::~DialogSupport() {
    if (alive_) *alive_ = false;
    if (HWND h = history_.handle()) DestroyWindow(h);
}

DialogSupport::Created DialogSupport::create() {
    if (handle() && session_) return Created::Ready;
    // Without its keys there is no window to make: asked again at every
    // backslash, that answer must be cheap.
    SupportOptions options = SupportOptions::read(settings_);
    if (!options.usable()) {
        if (handle()) DestroyWindow(handle());
        return Created::Unusable;
    }
    if (!handle() && !DialogModeless::create(nullptr, VEXA_LANG_DLG_SUPPORT, editor_)) return Created::Failed;
    SendMessageW(input(), EM_LIMITTEXT, InputLimit, 0);
    if (!subclassInput()) {
        DestroyWindow(handle());
        return Created::Failed;
    }
    if (!fillList()) {
        warn(editor_, msgid::SupportListNotFilled);
        DestroyWindow(handle());
        return Created::Failed;
    }
    if (!history_.handle() && !history_.create(handle())) {
        warn(editor_, msgid::SupportHistoryNotCreated);
        DestroyWindow(handle());
        return Created::Failed;
    }
    session_ = std::make_unique<SupportSession>(commands_, environments_, settings_, historyPath_, options);
    return Created::Ready;
}

INT_PTR DialogSupport::onInitDialog() {
    HWND l = list();
    if (!l) return TRUE;
    SendMessageW(l, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES,
                 LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
    RECT client{};
    GetClientRect(l, &client);
    LVCOLUMNW column{};
    column.mask = LVCF_WIDTH | LVCF_SUBITEM;
    // The list always has more rows than it shows: room for the scroll bar.
    column.cx = std::max<int>(0, client.right - GetSystemMetrics(SM_CXVSCROLL));
    SendMessageW(l, LVM_INSERTCOLUMNW, 0, reinterpret_cast<LPARAM>(&column));
    return FALSE;   // the focus stays where it is until the window opens
}

void DialogSupport::onDestroy() {
    visible_ = false;
    openPending_ = false;
    unsubclassInput();
    session_.reset();
    rowOfPosition_.clear();
    positionOfRow_.clear();
    shownSelection_ = -1;
}

bool DialogSupport::fillList() {
    HWND l = list();
    if (!l) return false;
    Redraw quiet(l);
    SendMessageW(l, LVM_DELETEALLITEMS, 0, 0);
    std::vector<CommandListItem> items = commands_.listItems();
    SendMessageW(l, LVM_SETITEMCOUNT, items.size(), 0);
    rowOfPosition_.assign(static_cast<size_t>(commands_.count()), -1);
    positionOfRow_.clear();
    positionOfRow_.reserve(items.size());
    for (const CommandListItem& entry : items) {
        LVITEMW item{};
        item.mask = LVIF_TEXT | LVIF_PARAM;
        item.iItem = static_cast<int>(positionOfRow_.size());
        item.pszText = const_cast<wchar_t*>(wide::w(entry.text));
        item.lParam = entry.position;
        int row = static_cast<int>(SendMessageW(l, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
        if (row != item.iItem) return false;
        positionOfRow_.push_back(entry.position);
        if (entry.position >= 0 && entry.position < commands_.count()) rowOfPosition_[entry.position] = row;
    }
    return true;
}

HWND DialogSupport::input() const { return handle() ? item(VEXA_IDC_SUPPORT_INPUT) : nullptr; }
HWND DialogSupport::list() const { return handle() ? item(VEXA_IDC_SUPPORT_LIST) : nullptr; }

int DialogSupport::positionAtRow(int row) const {
    return row >= 0 && row < static_cast<int>(positionOfRow_.size()) ? positionOfRow_[row] : -1;
}

// ---- the input box -------------------------------------------------------

bool DialogSupport::subclassInput() {
    HWND box = input();
    if (!box) return false;
    if (!SetPropW(box, kInputProperty, this)) {
        warn(editor_, msgid::WindowPropertyFailed);
        return false;
    }
    inputPrevious_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(box, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&DialogSupport::inputProc)));
    if (!inputPrevious_) {
        RemovePropW(box, kInputProperty);
        warn(editor_, msgid::SubclassFailed);
        return false;
    }
    return true;
}

void DialogSupport::unsubclassInput() {
    HWND box = input();
    if (!box || !inputPrevious_) return;
    if (reinterpret_cast<WNDPROC>(GetWindowLongPtrW(box, GWLP_WNDPROC)) == &DialogSupport::inputProc)
        SetWindowLongPtrW(box, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(inputPrevious_));
    RemovePropW(box, kInputProperty);
}

LRESULT CALLBACK DialogSupport::inputProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = static_cast<DialogSupport*>(GetPropW(window, kInputProperty));
    if (!self || !self->inputPrevious_) return DefWindowProcW(window, message, wParam, lParam);
    WNDPROC previous = self->inputPrevious_;
    switch (message) {
    case WM_GETDLGCODE:
        // Every key the session leaves alone is the box's, Tab and Enter too.
        return CallWindowProcW(previous, window, message, wParam, lParam) | DLGC_WANTALLKEYS;
    case WM_CHAR: {
        LRESULT r = CallWindowProcW(previous, window, message, wParam, lParam);
        if (!self->updating_) self->typed(static_cast<wchar_t>(wParam));
        return r;
    }
    case WM_KILLFOCUS: {
        LRESULT r = CallWindowProcW(previous, window, message, wParam, lParam);
        self->focusLeft(reinterpret_cast<HWND>(wParam));
        return r;
    }
    case WM_NCDESTROY:
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
        RemovePropW(window, kInputProperty);
        self->inputPrevious_ = nullptr;
        return CallWindowProcW(previous, window, message, wParam, lParam);
    default:
        return CallWindowProcW(previous, window, message, wParam, lParam);
    }
}

void DialogSupport::typed(wchar_t character) {
    if (!visible_ || !session_) return;
    DWORD from = 0, to = 0;
    SendMessageW(input(), EM_GETSEL, reinterpret_cast<WPARAM>(&from), reinterpret_cast<LPARAM>(&to));
    std::wstring text = windowText(input());
    session_->typed(wide::u(text.c_str(), text.size()), from, to, static_cast<char16_t>(character));
    showSession();
}

void DialogSupport::focusLeft(HWND to) {
    if (!visible_) return;
    HWND h = history_.handle();
    if (to && to == list()) return;
    if (to && h && (to == h || IsChild(h, to))) {
        PostMessageW(handle(), FocusBack, 0, 0);
        return;
    }
    close();
}

void DialogSupport::pullInput() {
    HWND box = input();
    if (!box || !session_) return;
    DWORD from = 0, to = 0;
    SendMessageW(box, EM_GETSEL, reinterpret_cast<WPARAM>(&from), reinterpret_cast<LPARAM>(&to));
    std::wstring text = windowText(box);
    if (session_->input() != wide::u(text.c_str(), text.size()))
        session_->edited(wide::u(text.c_str(), text.size()), from, to);
    else
        session_->setSelection(from, to);
}

// ---- showing the session -------------------------------------------------

void DialogSupport::showSession(bool withHistory) {
    if (!session_ || !handle()) return;
    const SupportSession& s = *session_;
    updating_ = true;
    setTextIfChanged(input(), s.input());
    SendMessageW(input(), EM_SETSEL, s.selectionStart(), s.selectionEnd());
    updating_ = false;
    if (s.selected() != shownSelection_) selectRow(s.selected());
    setTextIfChanged(item(VEXA_IDC_SUPPORT_DESCRIPTION), s.description());
    setTextIfChanged(item(VEXA_IDC_SUPPORT_ENVIRONMENT), s.environmentLine());
    if (HWND h = history_.handle(); h && withHistory) {
        bool shown = IsWindowVisible(h) != 0;
        if (s.historyVisible() != shown) ShowWindow(h, s.historyVisible() ? SW_SHOWNOACTIVATE : SW_HIDE);
    }
}

void DialogSupport::selectRow(int position) {
    HWND l = list();
    shownSelection_ = position;
    int row = position >= 0 && position < static_cast<int>(rowOfPosition_.size()) ? rowOfPosition_[position] : -1;
    if (!l || row < 0) return;
    // A single-selection list: selecting the row drops the old one.
    LVITEMW state{};
    state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    state.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(l, LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(&state));
    // Two rows of context above, five below, the row itself always.
    int rows = static_cast<int>(positionOfRow_.size());
    SendMessageW(l, LVM_ENSUREVISIBLE, std::max(0, row - 2), FALSE);
    SendMessageW(l, LVM_ENSUREVISIBLE, row, FALSE);
    SendMessageW(l, LVM_ENSUREVISIBLE, std::min(rows - 1, row + 5), FALSE);
}

void DialogSupport::fillHistory() {
    const std::vector<int32_t>& slots = session_->historySlots();
    bool changed = false;
    for (int row = 0; row < DialogSupportHistory::Rows && row < static_cast<int>(slots.size()); ++row) {
        if (slots[row] < 0) continue;
        std::wstring text = wide::w(session_->slotText(row));
        if (history_.rowText(row) == text) continue;
        history_.setRow(row, text);
        changed = true;
    }
    // Resizing a window costs a round trip to the display: only when a
    // row has changed.
    if (changed) history_.fitWidth();
}

// ---- opening and closing ---------------------------------------------------

bool DialogSupport::caretCorner(POINT& corner) const {
    POINT caret{};
    RECT client{};
    if (!editor_ || !GetCaretPos(&caret) || !GetClientRect(editor_, &client)) return false;
    ClientToScreen(editor_, &caret);
    RECT w{};
    GetWindowRect(handle(), &w);
    Rect at{caret.x, caret.y, caret.x + (w.right - w.left), caret.y + (w.bottom - w.top)};
    auto area = subwindow_geometry::screenArea(GetSystemMetrics(SM_CXFULLSCREEN), GetSystemMetrics(SM_CYFULLSCREEN),
                                               GetSystemMetrics(SM_CYCAPTION));
    Rect kept = subwindow_geometry::keepOnScreen(at, area.width, area.height);
    corner = POINT{kept.left, kept.top};
    return true;
}

void DialogSupport::placeHistory(bool show) {
    HWND h = history_.handle();
    if (!h) return;
    RECT area{};
    GetClientRect(editor_, &area);
    Rect placed = place_beside::place(win_rect::inClient(h, editor_), win_rect::inClient(handle(), editor_), win_rect::of(area),
                                      place_beside::HistorySides);
    POINT corner{placed.left, placed.top};
    ClientToScreen(editor_, &corner);
    SetWindowPos(h, HWND_TOP, corner.x, corner.y, 0, 0,
                 SWP_NOSIZE | SWP_NOACTIVATE | (show ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
}

bool DialogSupport::open() {
    if (visible_ || openPending_) return false;
    if (!editor_ || create() != Created::Ready) return false;
    if (GetFocus() != editor_ || !ImmContext(editor_).isDirectInput()) return false;
    POINT caret{};
    RECT client{};
    if (!GetCaretPos(&caret) || !GetClientRect(editor_, &client)) return false;
    // The window's loop must not run inside the keyboard hook: the key
    // that opens it is still in the queue there, and the loop would read
    // it again as its first key. Posted messages come before the keys
    // typed after this one, so nothing typed meanwhile is lost.
    openPending_ = PostMessageW(handle(), OpenNow, 0, 0) != 0;
    return openPending_;
}

void DialogSupport::run() {
    openPending_ = false;
    if (visible_ || !session_ || !editor_ || !IsWindow(editor_)) return;
    POINT corner{};
    if (!caretCorner(corner)) return;

    // Everything is in place before the window shows; each move or show
    // is a round trip to the display, so there is one of each window.
    session_->open();
    fillHistory();
    shownSelection_ = -1;
    visible_ = true;
    showSession(false);
    SetWindowPos(handle(), HWND_TOP, corner.x, corner.y, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
    placeHistory(session_->historyVisible());
    SetFocus(input());
    // The dialog selects the whole box as it takes the focus; the user
    // types over what follows the backslash only.
    SendMessageW(input(), EM_SETSEL, session_->selectionStart(), session_->selectionEnd());

    bool alive = true;
    alive_ = &alive;
    runLoop(alive);
    if (!alive) return;   // the object went with its main window
    alive_ = nullptr;

    visible_ = false;
    if (session_) session_->closed();
    if (HWND h = history_.handle()) ShowWindow(h, SW_HIDE);
    ShowWindow(handle(), SW_HIDE);
    if (editor_ && IsWindow(editor_)) SetFocus(editor_);
}

bool DialogSupport::closesOn(const MSG& msg) const {
    return (msg.message == WM_COMMAND || isPress(msg.message)) && !owns(msg.hwnd);
}

bool DialogSupport::runLoop(bool& alive) {
    MSG msg;
    while (alive && visible_) {
        BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got <= 0) {
            // The thread is ending: its own loop must still see the request.
            if (got == 0) PostQuitMessage(static_cast<int>(msg.wParam));
            if (alive) visible_ = false;
            return false;
        }
        if (!alive) return false;
        // The click still goes where it was aimed, after the window closed.
        if (closesOn(msg)) close();
        if (!handle() || !IsDialogMessageW(handle(), &msg)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }
    return true;
}

void DialogSupport::close() {
    if (!visible_) return;
    visible_ = false;
    // The loop may be waiting for a message: the key that closed it was
    // swallowed.
    if (handle()) PostMessageW(handle(), WM_NULL, 0, 0);
}

bool DialogSupport::owns(HWND window) const {
    if (!window) return false;
    HWND self = handle();
    HWND h = history_.handle();
    return (self && (window == self || IsChild(self, window))) || (h && (window == h || IsChild(h, window)));
}

void DialogSupport::clickNotice(HWND window) {
    if (visible_ && !owns(window)) close();
}

// ---- keys and mouse --------------------------------------------------------

bool DialogSupport::handleKey(KeyCode code) {
    if (!visible_ || !session_) return false;
    pullInput();
    WindowEditor editor(editor_);
    snippet::Target target{editor, true};
    switch (session_->handleKey(static_cast<int32_t>(code), target)) {
    case SupportSession::KeyResult::NotUsed: return false;
    case SupportSession::KeyResult::Used: showSession(); return true;
    case SupportSession::KeyResult::Close: close(); return true;
    }
    return false;
}

bool DialogSupport::offerWheel(int steps) {
    if (!visible_ || !list()) return false;
    SendMessageW(list(), LVM_SCROLL, 0, steps);
    return true;
}

INT_PTR DialogSupport::onNotify(NMHDR* header) {
    if (!header || header->hwndFrom != list() || header->code != NM_CUSTOMDRAW) return 0;
    // The input box keeps the focus, and an unfocused list shows its
    // selection so faintly that the candidate is easily missed: the
    // selected row is drawn in the selection colours all the same.
    auto* draw = reinterpret_cast<NMLVCUSTOMDRAW*>(header);
    LRESULT result = CDRF_DODEFAULT;
    if (draw->nmcd.dwDrawStage == CDDS_PREPAINT) {
        result = CDRF_NOTIFYITEMDRAW;
    } else if (draw->nmcd.dwDrawStage == CDDS_ITEMPREPAINT) {
        int row = static_cast<int>(draw->nmcd.dwItemSpec);
        if (SendMessageW(list(), LVM_GETITEMSTATE, row, LVIS_SELECTED) & LVIS_SELECTED) {
            draw->nmcd.uItemState &= ~static_cast<UINT>(CDIS_SELECTED | CDIS_FOCUS);
            draw->clrText = GetSysColor(COLOR_HIGHLIGHTTEXT);
            draw->clrTextBk = GetSysColor(COLOR_HIGHLIGHT);
            result = CDRF_NEWFONT;
        }
    }
    SetWindowLongPtrW(handle(), DWLP_MSGRESULT, result);
    return TRUE;
}

INT_PTR DialogSupport::onCtlColorStatic(HDC dc, HWND control) {
    if (control != item(VEXA_IDC_SUPPORT_DESCRIPTION)) return 0;
    SetTextColor(dc, DescriptionColour);
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    return reinterpret_cast<INT_PTR>(GetSysColorBrush(COLOR_BTNFACE));
}

INT_PTR DialogSupport::onOtherMessage(UINT message, WPARAM wParam, LPARAM) {
    if (message == DialogSupportHistory::RowChosen && session_ && visible_) {
        session_->pickHistoryRow(static_cast<int>(wParam));
        showSession();
        SetFocus(input());
        return TRUE;
    }
    if (message == OpenNow) {
        run();
        return TRUE;
    }
    if (message == FocusBack && visible_) {
        SetFocus(input());
        return TRUE;
    }
    return 0;
}
